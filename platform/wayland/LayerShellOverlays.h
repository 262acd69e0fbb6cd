#pragma once

#include "platform/OverlayWindows.h"

#include <QImage>
#include <QObject>
#include <QRect>

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class WaylandConnection;
struct wl_buffer;
struct wl_compositor;
struct wl_output;
struct wl_shm;
struct wl_surface;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct zxdg_output_manager_v1;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// Indicator windows as layer surfaces of our own on the compositor's overlay layer, where a
// compositor offers the layer shell (wlroots compositors, KWin): an ordinary window there is
// placed where the compositor likes and takes the keyboard focus. The toolkit keeps the windows
// off screen; each time one is shown, moved or repainted, it is drawn into shared memory and
// handed to the compositor. Click-through everywhere (an empty input region), never focused.
// The compositor puts each surface on the output the user works on when it is shown; it is drawn
// at that output's scale (fractional where the compositor offers it) and placed by that output's
// size, and a surface whose output goes away is shown again on another.
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
    struct Output;
    struct Surface;

    void show(Surface& surface);
    void hide(Surface& surface);
    void place(Surface& surface);
    void draw(Surface& surface);
    void addOutput(std::uint32_t name, std::uint32_t version);
    void removeOutput(std::uint32_t name);
    void outputChanged(const Output& output);
    // The output the surface is on, else the first; null when there is none.
    const Output* outputOf(const Surface& surface) const;
    double scaleOf(const Surface& surface) const;
    Buffer* freeBuffer(Surface& surface, const QSize& pixels);
    static void configure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1* layer);

    WaylandConnection& connection_;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wp_fractional_scale_manager_v1* fractionalScales_ = nullptr;
    wp_viewporter* viewporter_ = nullptr;
    zxdg_output_manager_v1* outputSizes_ = nullptr;
    std::vector<std::unique_ptr<Output>> outputs_;
    std::map<QWidget*, std::unique_ptr<Surface>> surfaces_;
};
