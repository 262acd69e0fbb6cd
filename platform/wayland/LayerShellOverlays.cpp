#include "platform/wayland/LayerShellOverlays.h"

#include "platform/wayland/WaylandConnection.h"

#include "fractional-scale-v1-client-protocol.h"
#include "layer-shell-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t kTop = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP;
constexpr std::uint32_t kLeft = ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
constexpr std::uint32_t kRight = ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;

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

// One indicator window: its layer surface while shown, and the two buffers it is drawn into in
// turn (the compositor may still read the other).
class LayerShellOverlays::Window final : public OverlayWindow {
public:
    Window(LayerShellOverlays& owner, const OverlayPicture& picture, OverlayPlacement placement)
        : owner_(&owner), picture_(picture), placement_(placement) {
        owner.windows_.push_back(this);
    }
    ~Window() override {
        destroySurface();
        if (owner_)
            std::erase(owner_->windows_, this);
    }

    void show(QPoint topLeft) override;
    void hide() override;
    bool isVisible() const override { return visible_; }
    void repaint() override { draw(); }
    // The compositor is done with `buffer`: a draw that found none free is done now.
    void bufferReleased(wl_buffer* buffer);

    // The layer surface, made while the window is shown.
    void map();
    void place();
    void draw();
    void releaseBuffers();
    void destroySurface();
    // Its owner goes first: the window keeps nothing of the compositor's.
    void orphan() {
        destroySurface();
        releaseBuffers();
        owner_ = nullptr;
    }
    double scale() const;
    Buffer* freeBuffer(const QSize& pixels);

    LayerShellOverlays* owner_;
    const OverlayPicture& picture_;
    const OverlayPlacement placement_;
    QPoint topLeft_;
    bool visible_ = false;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    wp_fractional_scale_v1* fractional_ = nullptr;
    wp_viewport* viewport_ = nullptr;
    const Output* on_ = nullptr; // the output the compositor put it on, once it says
    int preferredScale_ = 0;     // in 120ths, where the compositor says
    bool configured_ = false;
    QSize configuredSize_;
    bool drawPending_ = false; // a draw found both buffers on screen
    Buffer buffers_[2];
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
    for (Window* window : windows_)
        if (window->on_ == found->get())
            window->on_ = nullptr;
    if (lastOutput_ == found->get())
        lastOutput_ = nullptr;
    outputs_.erase(found);
}

void LayerShellOverlays::outputChanged(const Output& output) {
    // A new mode or scale: what is on that output is placed and drawn for it anew.
    for (Window* window : windows_)
        if (window->layer_ && outputOf(*window) == &output) {
            window->place();
            window->draw();
        }
}

const LayerShellOverlays::Output* LayerShellOverlays::outputOf(const Window& window) const {
    if (window.on_)
        return window.on_;
    return outputs_.empty() ? nullptr : outputs_.front().get();
}

QRect LayerShellOverlays::screenGeometry() {
    const Output* output = lastOutput_;
    if (!output && !outputs_.empty())
        output = outputs_.front().get();
    return output && output->points().isValid() ? QRect(QPoint(), output->points()) : QRect();
}

LayerShellOverlays::~LayerShellOverlays() {
    for (Window* window : windows_)
        window->orphan();
    windows_.clear();
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

std::unique_ptr<OverlayWindow> LayerShellOverlays::makeOverlay(const OverlayPicture& picture,
                                                               OverlayPlacement placement, bool) {
    // Every layer surface lets clicks through: the compositor gives it no input region.
    return std::make_unique<Window>(*this, picture, placement);
}

void LayerShellOverlays::Window::show(QPoint topLeft) {
    topLeft_ = topLeft;
    visible_ = true;
    if (!layer_) {
        map();
        return; // drawn once the compositor has said how it placed the surface
    }
    place();
    draw();
}

void LayerShellOverlays::Window::hide() {
    visible_ = false;
    destroySurface();
    // The compositor reads no buffer of a surface that is gone, and a hidden picture keeps no
    // memory: the centre picture's two buffers are 2 MB.
    releaseBuffers();
    if (owner_)
        wl_display_flush(owner_->connection_.display());
}

void LayerShellOverlays::Window::map() {
    if (!owner_ || !owner_->layerShell_)
        return;
    LayerShellOverlays& owner = *owner_;
    surface_ = wl_compositor_create_surface(owner.compositor_);
    static const wl_surface_listener surfaceListener = {
        [](void* data, wl_surface*, wl_output* entered) {
            auto* window = static_cast<Window*>(data);
            for (const auto& output : window->owner_->outputs_)
                if (output->output == entered && window->on_ != output.get()) {
                    window->on_ = output.get();
                    window->owner_->lastOutput_ = output.get();
                    window->place();
                    window->draw();
                }
        },
        [](void*, wl_surface*, wl_output*) {},
    };
    wl_surface_add_listener(surface_, &surfaceListener, this);
    wl_region* none = wl_compositor_create_region(owner.compositor_);
    wl_surface_set_input_region(surface_, none);
    wl_region_destroy(none);
    if (owner.fractionalScales_) {
        static const wp_fractional_scale_v1_listener fractionalListener = {
            [](void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
                auto* window = static_cast<Window*>(data);
                if (window->preferredScale_ == int(scale))
                    return;
                window->preferredScale_ = int(scale);
                window->draw();
            },
        };
        fractional_ =
            wp_fractional_scale_manager_v1_get_fractional_scale(owner.fractionalScales_, surface_);
        wp_fractional_scale_v1_add_listener(fractional_, &fractionalListener, this);
        viewport_ = wp_viewporter_get_viewport(owner.viewporter_, surface_);
    }
    // No output named: the compositor puts it on the one the user works on.
    layer_ = zwlr_layer_shell_v1_get_layer_surface(owner.layerShell_, surface_, nullptr,
                                                   ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "keyvigil");
    static const zwlr_layer_surface_v1_listener listener = {&LayerShellOverlays::configure,
                                                            &LayerShellOverlays::closed};
    zwlr_layer_surface_v1_add_listener(layer_, &listener, this);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer_, 0);
    place();
    wl_surface_commit(surface_);
    wl_display_flush(owner.connection_.display());
}

void LayerShellOverlays::Window::destroySurface() {
    if (viewport_)
        wp_viewport_destroy(viewport_);
    if (fractional_)
        wp_fractional_scale_v1_destroy(fractional_);
    if (layer_)
        zwlr_layer_surface_v1_destroy(layer_);
    if (surface_)
        wl_surface_destroy(surface_);
    viewport_ = nullptr;
    fractional_ = nullptr;
    layer_ = nullptr;
    surface_ = nullptr;
    on_ = nullptr;
    preferredScale_ = 0;
    configured_ = false;
    configuredSize_ = QSize();
    drawPending_ = false;
}

void LayerShellOverlays::Window::releaseBuffers() {
    for (Buffer& buffer : buffers_) {
        buffer.release();
        buffer.busy = false;
    }
}

void LayerShellOverlays::Window::place() {
    const QSize size = picture_.size();
    const Output* output = owner_->outputOf(*this);
    const QSize outputSize = output ? output->points() : QSize();
    switch (placement_) {
    case OverlayPlacement::TopLeft:
        // Over any panel, as the window sits above everything on X11.
        zwlr_layer_surface_v1_set_anchor(layer_, kTop | kLeft);
        zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
        zwlr_layer_surface_v1_set_margin(layer_, std::max(0, topLeft_.y()), 0, 0,
                                         std::max(0, topLeft_.x()));
        zwlr_layer_surface_v1_set_size(layer_, size.width(), size.height());
        break;
    case OverlayPlacement::TopEdge:
        zwlr_layer_surface_v1_set_anchor(layer_, kTop | kLeft | kRight);
        zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
        zwlr_layer_surface_v1_set_size(layer_, 0, size.height());
        break;
    case OverlayPlacement::Centre:
        // A third of the spare height above, as on X11, where the output's size is known.
        if (outputSize.isValid()) {
            zwlr_layer_surface_v1_set_anchor(layer_, kTop);
            zwlr_layer_surface_v1_set_margin(
                layer_, std::max(0, (outputSize.height() - size.height()) / 3), 0, 0, 0);
        }
        zwlr_layer_surface_v1_set_size(layer_, size.width(), size.height());
        break;
    }
}

void LayerShellOverlays::configure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                                   std::uint32_t width, std::uint32_t height) {
    auto* window = static_cast<Window*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    window->configured_ = true;
    window->configuredSize_ = QSize(int(width), int(height));
    window->draw();
}

void LayerShellOverlays::closed(void* data, zwlr_layer_surface_v1*) {
    // The compositor took it away (its output went): a window still shown comes back on the
    // output the compositor picks now, once this event has been handled.
    auto* window = static_cast<Window*>(data);
    LayerShellOverlays* owner = window->owner_;
    window->destroySurface();
    window->releaseBuffers();
    QMetaObject::invokeMethod(
        owner,
        [owner, window] {
            if (std::find(owner->windows_.begin(), owner->windows_.end(), window) !=
                    owner->windows_.end() &&
                window->visible_ && !window->layer_)
                window->map();
        },
        Qt::QueuedConnection);
}

double LayerShellOverlays::Window::scale() const {
    if (fractional_ && preferredScale_ > 0)
        return preferredScale_ / kFractionalUnit;
    const Output* output = owner_->outputOf(*this);
    return output ? output->scale : 1;
}

void LayerShellOverlays::Window::bufferReleased(wl_buffer* released) {
    for (Buffer& buffer : buffers_)
        if (buffer.buffer == released)
            buffer.busy = false;
    if (drawPending_) {
        drawPending_ = false;
        draw();
    }
}

LayerShellOverlays::Buffer* LayerShellOverlays::Window::freeBuffer(const QSize& pixels) {
    static const wl_buffer_listener bufferListener = {
        [](void* data, wl_buffer* buffer) { static_cast<Window*>(data)->bufferReleased(buffer); },
    };
    for (Buffer& buffer : buffers_) {
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
        wl_shm_pool* pool = wl_shm_create_pool(owner_->shm_, fd, std::int32_t(buffer.bytes));
        buffer.buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                                  WL_SHM_FORMAT_ARGB8888);
        wl_shm_pool_destroy(pool);
        close(fd);
        buffer.pixels = pixels;
        wl_buffer_add_listener(buffer.buffer, &bufferListener, this);
        return &buffer;
    }
    return nullptr; // both still on screen
}

void LayerShellOverlays::Window::draw() {
    if (!configured_ || !visible_ || !owner_)
        return;
    const QSize pictureSize = picture_.size();
    QSize size = pictureSize;
    if (placement_ == OverlayPlacement::TopEdge) {
        // As wide as the compositor made the strip: the output's width in points, which only
        // the compositor knows without the outputs' logical sizes.
        const Output* output = owner_->outputOf(*this);
        if (configuredSize_.width() > 0)
            size.setWidth(configuredSize_.width());
        else if (output && output->points().isValid())
            size.setWidth(output->points().width());
    }
    if (size.isEmpty())
        return;
    const double scale = this->scale();
    const QSize pixels(int(std::lround(size.width() * scale)),
                       int(std::lround(size.height() * scale)));
    Buffer* buffer = freeBuffer(pixels);
    if (!buffer) {
        // Drawn when the compositor lets one go, so the last change is never left off screen.
        drawPending_ = true;
        return;
    }
    PixelImage image(int(std::lround(pictureSize.width() * scale)),
                     int(std::lround(pictureSize.height() * scale)));
    picture_.draw(image, scale);
    if (picture_.opacity() < 1.0)
        image.fade(picture_.opacity());
    // A strip along the top edge is stretched to the output's width.
    if (image.size() != pixels)
        image = image.scaled(pixels.width(), pixels.height());
    // ARGB8888 in the machine's byte order is PixelImage's word.
    std::memcpy(buffer->memory, image.bits(), image.byteCount());
    buffer->busy = true;
    // A fractional scale is shown through the viewport; an integer one through the buffer scale.
    if (viewport_)
        wp_viewport_set_destination(viewport_, size.width(), size.height());
    else
        wl_surface_set_buffer_scale(surface_, int(scale));
    wl_surface_attach(surface_, buffer->buffer, 0, 0);
    if (wl_surface_get_version(surface_) >= 4)
        wl_surface_damage_buffer(surface_, 0, 0, pixels.width(), pixels.height());
    else
        wl_surface_damage(surface_, 0, 0, size.width(), size.height());
    wl_surface_commit(surface_);
    // On screen now, not when the event loop next sleeps.
    wl_display_flush(owner_->connection_.display());
}
