#include "platform/wayland/LayerShellOverlays.h"

#include "platform/wayland/WaylandConnection.h"

#include "fractional-scale-v1-client-protocol.h"
#include "layer-shell-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include <wayland-client.h>

#include <algorithm>
#include <cmath>

#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t kTop = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP;
constexpr std::uint32_t kLeft = ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
constexpr std::uint32_t kRight = ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

const wl_buffer_listener bufferListener = {
    [](void* data, wl_buffer*) { *static_cast<bool*>(data) = false; },
};

// The fractional scale's unit: a preferred scale of 180 is 1.5.
constexpr double kFractionalUnit = 120.0;

} // namespace

// An output with its current mode and integer scale, as the compositor last said.
struct LayerShellOverlays::Output {
    LayerShellOverlays* owner = nullptr;
    std::uint32_t name = 0;
    wl_output* output = nullptr;
    zxdg_output_v1* sizes = nullptr;
    int scale = 1;
    QSize pixels;
    QSize logical; // where the compositor says: with a fractional scale, not pixels / scale

    QSize points() const { return logical.isValid() ? logical : pixels / scale; }
    ~Output() {
        if (sizes)
            zxdg_output_v1_destroy(sizes);
        if (output && wl_output_get_version(output) >= 3)
            wl_output_release(output);
        else if (output)
            wl_output_destroy(output);
    }
};

struct LayerShellOverlays::Buffer {
    wl_buffer* buffer = nullptr;
    void* memory = MAP_FAILED;
    std::size_t bytes = 0;
    QSize pixels;
    bool busy = false; // the compositor still reads it

    ~Buffer() { release(); }
    void release() {
        if (buffer)
            wl_buffer_destroy(buffer);
        if (memory != MAP_FAILED)
            munmap(memory, bytes);
        buffer = nullptr;
        memory = MAP_FAILED;
        bytes = 0;
        pixels = QSize();
    }
};

struct LayerShellOverlays::Surface {
    LayerShellOverlays* owner = nullptr;
    QWidget* window = nullptr;
    OverlayPlacement placement = OverlayPlacement::Centre;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    wp_fractional_scale_v1* fractional = nullptr;
    wp_viewport* viewport = nullptr;
    const Output* on = nullptr; // the output the compositor put it on, once it says
    int preferredScale = 0;     // in 120ths, where the compositor says
    bool configured = false;
    Buffer buffers[2];

    ~Surface() { destroy(); }
    void destroy() {
        if (viewport)
            wp_viewport_destroy(viewport);
        if (fractional)
            wp_fractional_scale_v1_destroy(fractional);
        if (layer)
            zwlr_layer_surface_v1_destroy(layer);
        if (surface)
            wl_surface_destroy(surface);
        viewport = nullptr;
        fractional = nullptr;
        layer = nullptr;
        surface = nullptr;
        on = nullptr;
        preferredScale = 0;
        configured = false;
    }
};

LayerShellOverlays::LayerShellOverlays(WaylandConnection& connection) : connection_(connection) {
    const auto bind = [&connection](const char* name, const wl_interface* interface,
                                    std::uint32_t version) -> void* {
        const WaylandConnection::Global* global = connection.find(name);
        return global ? wl_registry_bind(connection.registry(), global->name, interface,
                                         std::min(global->version, version))
                      : nullptr;
    };
    compositor_ = static_cast<wl_compositor*>(bind("wl_compositor", &wl_compositor_interface, 4));
    shm_ = static_cast<wl_shm*>(bind("wl_shm", &wl_shm_interface, 1));
    if (!compositor_ || !shm_)
        return;
    layerShell_ = static_cast<zwlr_layer_shell_v1*>(
        bind("zwlr_layer_shell_v1", &zwlr_layer_shell_v1_interface, 3));
    fractionalScales_ = static_cast<wp_fractional_scale_manager_v1*>(
        bind("wp_fractional_scale_manager_v1", &wp_fractional_scale_manager_v1_interface, 1));
    viewporter_ = static_cast<wp_viewporter*>(bind("wp_viewporter", &wp_viewporter_interface, 1));
    outputSizes_ = static_cast<zxdg_output_manager_v1*>(
        bind("zxdg_output_manager_v1", &zxdg_output_manager_v1_interface, 3));
    if (!viewporter_ && fractionalScales_) { // a fractional scale cannot be shown without one
        wp_fractional_scale_manager_v1_destroy(fractionalScales_);
        fractionalScales_ = nullptr;
    }
    for (const WaylandConnection::Global& global : connection.globals())
        if (global.interface == "wl_output")
            addOutput(global.name, global.version);
    connection.setGlobalsHandler([this](const WaylandConnection::Global& global, bool added) {
        if (global.interface != "wl_output")
            return;
        if (added)
            addOutput(global.name, global.version);
        else
            removeOutput(global.name);
    });
    // Each output's mode and scale, before the first surface is placed.
    connection.roundtrip();
}

void LayerShellOverlays::addOutput(std::uint32_t name, std::uint32_t version) {
    static const wl_output_listener listener = {
        [](void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
           const char*, const char*, std::int32_t) {},
        [](void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height,
           std::int32_t) {
            if (flags & WL_OUTPUT_MODE_CURRENT)
                static_cast<Output*>(data)->pixels = QSize(width, height);
        },
        [](void* data, wl_output*) {
            auto* output = static_cast<Output*>(data);
            output->owner->outputChanged(*output);
        },
        [](void* data, wl_output*, std::int32_t scale) {
            static_cast<Output*>(data)->scale = std::max(1, scale);
        },
        [](void*, wl_output*, const char*) {},
        [](void*, wl_output*, const char*) {},
    };
    auto output = std::make_unique<Output>();
    output->owner = this;
    output->name = name;
    output->output = static_cast<wl_output*>(wl_registry_bind(
        connection_.registry(), name, &wl_output_interface, std::min(version, 3u)));
    wl_output_add_listener(output->output, &listener, output.get());
    if (outputSizes_) {
        static const zxdg_output_v1_listener sizeListener = {
            [](void*, zxdg_output_v1*, std::int32_t, std::int32_t) {},
            [](void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height) {
                static_cast<Output*>(data)->logical = QSize(width, height);
            },
            // Before version 3 the sizes end with a done of their own; from 3 on, the output's.
            [](void* data, zxdg_output_v1* sizes) {
                auto* output = static_cast<Output*>(data);
                if (zxdg_output_v1_get_version(sizes) < 3)
                    output->owner->outputChanged(*output);
            },
            [](void*, zxdg_output_v1*, const char*) {},
            [](void*, zxdg_output_v1*, const char*) {},
        };
        output->sizes = zxdg_output_manager_v1_get_xdg_output(outputSizes_, output->output);
        zxdg_output_v1_add_listener(output->sizes, &sizeListener, output.get());
    }
    outputs_.push_back(std::move(output));
}

void LayerShellOverlays::removeOutput(std::uint32_t name) {
    const auto found = std::find_if(outputs_.begin(), outputs_.end(),
                                    [name](const auto& output) { return output->name == name; });
    if (found == outputs_.end())
        return;
    // Its surfaces are closed by the compositor, and shown again on another output then.
    for (auto& [window, surface] : surfaces_)
        if (surface->on == found->get())
            surface->on = nullptr;
    outputs_.erase(found);
}

void LayerShellOverlays::outputChanged(const Output& output) {
    // A new mode or scale: what is on that output is placed and drawn for it anew.
    for (auto& [window, surface] : surfaces_)
        if (surface->layer && outputOf(*surface) == &output) {
            place(*surface);
            draw(*surface);
        }
}

const LayerShellOverlays::Output* LayerShellOverlays::outputOf(const Surface& surface) const {
    if (surface.on)
        return surface.on;
    return outputs_.empty() ? nullptr : outputs_.front().get();
}

double LayerShellOverlays::scaleOf(const Surface& surface) const {
    if (surface.fractional && surface.preferredScale > 0)
        return surface.preferredScale / kFractionalUnit;
    const Output* output = outputOf(surface);
    return output ? output->scale : 1;
}

LayerShellOverlays::~LayerShellOverlays() {
    surfaces_.clear();
    if (layerShell_) {
        if (zwlr_layer_shell_v1_get_version(layerShell_) >= 3)
            zwlr_layer_shell_v1_destroy(layerShell_);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell_));
    }
    connection_.setGlobalsHandler({});
    outputs_.clear();
    if (viewporter_)
        wp_viewporter_destroy(viewporter_);
    if (outputSizes_)
        zxdg_output_manager_v1_destroy(outputSizes_);
    if (fractionalScales_)
        wp_fractional_scale_manager_v1_destroy(fractionalScales_);
    if (shm_)
        wl_shm_destroy(shm_);
    if (compositor_)
        wl_compositor_destroy(compositor_);
}

void LayerShellOverlays::makeOverlay(QWidget& window, OverlayPlacement placement, bool) {
    // Every layer surface lets clicks through: the compositor gives it no input region.
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    // The toolkit's own window for it is never made: the layer surface is the one on screen.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    auto surface = std::make_unique<Surface>();
    surface->owner = this;
    surface->window = &window;
    surface->placement = placement;
    surfaces_[&window] = std::move(surface);
    window.installEventFilter(this);
    QObject::connect(&window, &QObject::destroyed, this,
                     [this, &window] { surfaces_.erase(&window); });
}

bool LayerShellOverlays::eventFilter(QObject* watched, QEvent* event) {
    const auto found = surfaces_.find(static_cast<QWidget*>(watched));
    if (found == surfaces_.end())
        return false;
    Surface& surface = *found->second;
    switch (event->type()) {
    case QEvent::Show:
        show(surface);
        break;
    case QEvent::Hide:
        hide(surface);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (surface.layer) {
            place(surface);
            draw(surface);
        }
        break;
    case QEvent::UpdateRequest:
        // Drawn after the toolkit has handled the request, so the widgets' state is current.
        QMetaObject::invokeMethod(
            this,
            [this, window = surface.window] {
                if (const auto again = surfaces_.find(window); again != surfaces_.end())
                    draw(*again->second);
            },
            Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return false;
}

void LayerShellOverlays::show(Surface& surface) {
    if (surface.layer || !layerShell_)
        return;
    surface.surface = wl_compositor_create_surface(compositor_);
    static const wl_surface_listener surfaceListener = {
        [](void* data, wl_surface*, wl_output* entered) {
            auto* surface = static_cast<Surface*>(data);
            LayerShellOverlays& owner = *surface->owner;
            for (const auto& output : owner.outputs_)
                if (output->output == entered && surface->on != output.get()) {
                    surface->on = output.get();
                    owner.place(*surface);
                    owner.draw(*surface);
                }
        },
        [](void*, wl_surface*, wl_output*) {},
    };
    wl_surface_add_listener(surface.surface, &surfaceListener, &surface);
    wl_region* none = wl_compositor_create_region(compositor_);
    wl_surface_set_input_region(surface.surface, none);
    wl_region_destroy(none);
    if (fractionalScales_) {
        static const wp_fractional_scale_v1_listener fractionalListener = {
            [](void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
                auto* surface = static_cast<Surface*>(data);
                if (surface->preferredScale == int(scale))
                    return;
                surface->preferredScale = int(scale);
                surface->owner->draw(*surface);
            },
        };
        surface.fractional =
            wp_fractional_scale_manager_v1_get_fractional_scale(fractionalScales_, surface.surface);
        wp_fractional_scale_v1_add_listener(surface.fractional, &fractionalListener, &surface);
        surface.viewport = wp_viewporter_get_viewport(viewporter_, surface.surface);
    }
    // No output named: the compositor puts it on the one the user works on.
    surface.layer = zwlr_layer_shell_v1_get_layer_surface(
        layerShell_, surface.surface, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "keyvigil");
    static const zwlr_layer_surface_v1_listener listener = {&LayerShellOverlays::configure,
                                                            &LayerShellOverlays::closed};
    zwlr_layer_surface_v1_add_listener(surface.layer, &listener, &surface);
    zwlr_layer_surface_v1_set_keyboard_interactivity(surface.layer, 0);
    place(surface);
    wl_surface_commit(surface.surface);
}

void LayerShellOverlays::hide(Surface& surface) {
    surface.destroy();
    // The compositor reads no buffer of a surface that is gone, and a hidden picture keeps no
    // memory: the centre picture's two buffers are 2 MB.
    for (Buffer& buffer : surface.buffers) {
        buffer.release();
        buffer.busy = false;
    }
}

void LayerShellOverlays::place(Surface& surface) {
    const QRect frame = surface.window->geometry();
    const Output* output = outputOf(surface);
    const QSize outputSize = output ? output->points() : QSize();
    switch (surface.placement) {
    case OverlayPlacement::TopLeft:
        // Over any panel, as the window sits above everything on X11.
        zwlr_layer_surface_v1_set_anchor(surface.layer, kTop | kLeft);
        zwlr_layer_surface_v1_set_exclusive_zone(surface.layer, -1);
        zwlr_layer_surface_v1_set_margin(surface.layer, std::max(0, frame.y()), 0, 0,
                                         std::max(0, frame.x()));
        zwlr_layer_surface_v1_set_size(surface.layer, frame.width(), frame.height());
        break;
    case OverlayPlacement::TopEdge:
        zwlr_layer_surface_v1_set_anchor(surface.layer, kTop | kLeft | kRight);
        zwlr_layer_surface_v1_set_exclusive_zone(surface.layer, -1);
        zwlr_layer_surface_v1_set_size(surface.layer, 0, frame.height());
        break;
    case OverlayPlacement::Centre:
        // A third of the spare height above, as on X11, where the output's size is known.
        if (outputSize.isValid()) {
            zwlr_layer_surface_v1_set_anchor(surface.layer, kTop);
            zwlr_layer_surface_v1_set_margin(
                surface.layer, std::max(0, (outputSize.height() - frame.height()) / 3), 0, 0, 0);
        }
        zwlr_layer_surface_v1_set_size(surface.layer, frame.width(), frame.height());
        break;
    }
}

void LayerShellOverlays::configure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                                   std::uint32_t, std::uint32_t) {
    auto* surface = static_cast<Surface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    surface->configured = true;
    surface->owner->draw(*surface);
}

void LayerShellOverlays::closed(void* data, zwlr_layer_surface_v1*) {
    // The compositor took it away (its output went): a window still shown comes back on the
    // output the compositor picks now, once this event has been handled.
    auto* surface = static_cast<Surface*>(data);
    LayerShellOverlays* owner = surface->owner;
    owner->hide(*surface);
    QMetaObject::invokeMethod(
        owner,
        [owner, window = surface->window] {
            const auto again = owner->surfaces_.find(window);
            if (again != owner->surfaces_.end() && window->isVisible())
                owner->show(*again->second);
        },
        Qt::QueuedConnection);
}

LayerShellOverlays::Buffer* LayerShellOverlays::freeBuffer(Surface& surface, const QSize& pixels) {
    for (Buffer& buffer : surface.buffers) {
        if (buffer.busy)
            continue;
        if (buffer.buffer && buffer.pixels == pixels)
            return &buffer;
        buffer.release();
        const int stride = pixels.width() * 4;
        buffer.bytes = std::size_t(stride) * std::size_t(pixels.height());
        const int fd = memfd_create("keyvigil-indicator", MFD_CLOEXEC);
        if (fd < 0)
            return nullptr;
        if (ftruncate(fd, off_t(buffer.bytes)) != 0) {
            close(fd);
            return nullptr;
        }
        buffer.memory = mmap(nullptr, buffer.bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (buffer.memory == MAP_FAILED) {
            close(fd);
            return nullptr;
        }
        wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, std::int32_t(buffer.bytes));
        buffer.buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                                  WL_SHM_FORMAT_ARGB8888);
        wl_shm_pool_destroy(pool);
        close(fd);
        buffer.pixels = pixels;
        wl_buffer_add_listener(buffer.buffer, &bufferListener, &buffer.busy);
        return &buffer;
    }
    return nullptr; // both still on screen: the next repaint draws
}

void LayerShellOverlays::draw(Surface& surface) {
    if (!surface.configured || !surface.window->isVisible())
        return;
    const Output* output = outputOf(surface);
    const QSize size =
        surface.placement == OverlayPlacement::TopEdge && output && output->points().isValid()
            ? QSize(output->points().width(), surface.window->height())
            : surface.window->size();
    if (size.isEmpty())
        return;
    const double scale = scaleOf(surface);
    const QSize pixels(int(std::lround(size.width() * scale)),
                       int(std::lround(size.height() * scale)));
    Buffer* buffer = freeBuffer(surface, pixels);
    if (!buffer)
        return;
    // ARGB8888 in the machine's byte order is the toolkit's premultiplied ARGB32.
    QImage image(static_cast<uchar*>(buffer->memory), buffer->pixels.width(),
                 buffer->pixels.height(), buffer->pixels.width() * 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setOpacity(surface.window->windowOpacity());
        surface.window->render(&painter, QPoint(), QRegion(),
                               surface.window->testAttribute(Qt::WA_TranslucentBackground)
                                   ? QWidget::DrawChildren
                                   : QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    buffer->busy = true;
    // A fractional scale is shown through the viewport; an integer one through the buffer scale.
    if (surface.viewport)
        wp_viewport_set_destination(surface.viewport, size.width(), size.height());
    else
        wl_surface_set_buffer_scale(surface.surface, int(scale));
    wl_surface_attach(surface.surface, buffer->buffer, 0, 0);
    if (wl_surface_get_version(surface.surface) >= 4)
        wl_surface_damage_buffer(surface.surface, 0, 0, buffer->pixels.width(),
                                 buffer->pixels.height());
    else
        wl_surface_damage(surface.surface, 0, 0, size.width(), size.height());
    wl_surface_commit(surface.surface);
}
