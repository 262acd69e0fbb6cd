#pragma once

#include "platform/OverlayWindows.h"

#include <QImage>
#include <QObject>
#include <QRect>

#include <cstdint>
#include <map>
#include <memory>

class WaylandConnection;
struct wl_buffer;
struct wl_compositor;
struct wl_output;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// Indicator windows as layer surfaces of our own on the compositor's overlay layer, where a
// compositor offers the layer shell (wlroots compositors, KWin): an ordinary window there is
// placed where the compositor likes and takes the keyboard focus. The toolkit keeps the windows
// off screen; each time one is shown, moved or repainted, it is drawn into shared memory and
// handed to the compositor. Click-through everywhere (an empty input region), never focused.
class LayerShellOverlays final : public QObject, public OverlayWindows {
public:
    explicit LayerShellOverlays(WaylandConnection& connection);
    ~LayerShellOverlays() override;

    bool isOffered() const { return layerShell_ != nullptr; }
    void makeOverlay(QWidget& window, OverlayPlacement placement, bool clickThrough) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Buffer;
    struct Surface;

    void show(Surface& surface);
    void hide(Surface& surface);
    void place(Surface& surface);
    void draw(Surface& surface);
    Buffer* freeBuffer(Surface& surface, const QSize& pixels);
    static void configure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1* layer);

    WaylandConnection& connection_;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wl_output* output_ = nullptr;
    int scale_ = 1;
    QSize outputSize_; // in points; empty until the compositor says
    std::map<QWidget*, std::unique_ptr<Surface>> surfaces_;
};
