#pragma once

#include "platform/OverlayWindows.h"

#include <QObject>
#include <QRect>

#include <cstdint>
#include <memory>
#include <vector>

class WaylandConnection;
struct wl_compositor;
struct wl_output;
struct wl_shm;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct zxdg_output_manager_v1;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// Indicator windows as layer surfaces of our own on the compositor's overlay layer, where a
// compositor offers the layer shell (wlroots compositors, KWin): an ordinary window there is
// placed where the compositor likes and takes the keyboard focus. Each showing and repaint draws
// the picture into shared memory and hands it to the compositor at once. Click-through
// everywhere (an empty input region), never focused. The compositor puts each surface on the
// output the user works on when it is shown; it is drawn at that output's scale (fractional
// where the compositor offers it) and placed by that output's size, and a surface whose output
// goes away is shown again on another.
class LayerShellOverlays final : public QObject, public OverlayWindows {
public:
    explicit LayerShellOverlays(WaylandConnection& connection);
    ~LayerShellOverlays() override;

    bool isOffered() const { return layerShell_ != nullptr; }
    std::unique_ptr<OverlayWindow> makeOverlay(const OverlayPicture& picture,
                                               OverlayPlacement placement,
                                               bool clickThrough) override;
    // The output the surfaces go to (the one the last shown went to, else the first), from its
    // top-left corner, in points: the windows' places count from there.
    QRect screenGeometry() override;

private:
    struct Buffer;
    struct Output;
    class Window;

    void addOutput(std::uint32_t name, std::uint32_t version);
    void removeOutput(std::uint32_t name);
    void outputChanged(const Output& output);
    // The output the window is on, else the first; null when there is none.
    const Output* outputOf(const Window& window) const;
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
    const Output* lastOutput_ = nullptr; // where the compositor put the last surface shown
    std::vector<Window*> windows_;       // alive
};
