#pragma once

#include "platform/OverlayWindows.h"
#include "platform/x11/X11CompositorWatch.h"
#include "platform/x11/X11Connection.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

// Indicator windows the window manager never sees: override-redirect, so that it neither
// decorates, moves nor focuses them, raised at each showing above every other window. Each picture
// is drawn into memory at the screen's scale and its pixels put on the window as they are, over a
// connection of its own.
//
// A translucent indicator needs a compositing manager to blend it with what is below: with one,
// the windows take a visual with an alpha channel. Without one they take the default visual and a
// shape, the pixels more opaque than not, taken again at each showing and repaint, so that an
// indicator keeps its outline rather than showing as a box. The windows are made anew when a
// compositor starts or stops.
class X11OverlayWindows final : public OverlayWindows {
public:
    // displayName null: $DISPLAY.
    explicit X11OverlayWindows(const char* displayName = nullptr);
    ~X11OverlayWindows() override;

    std::unique_ptr<OverlayWindow> makeOverlay(const OverlayPicture& picture,
                                               OverlayPlacement placement,
                                               bool clickThrough) override;
    // The primary RandR screen, else the whole root window; empty without a display.
    QRect screenGeometry() override;
    // That screen within the window manager's work area.
    QRect availableScreenGeometry() override;
    // The screen holding most of the active window, else the one under the pointer; empty with
    // a single screen, where that is the primary anyway.
    QRect workingScreenGeometry() override;
    PixelImage grabTopEdge(int height) override;

    bool compositing() const { return compositor_.running(); }
    // Pixels per point: the resources' Xft.dpi over 96 (1 where QT_ENABLE_HIGHDPI_SCALING is 0),
    // times QT_SCALE_FACTOR where set, the rule the desktop's toolkit programs size themselves by.
    double scale() const { return scale_; }
    // The connection, for the bell to share; null when the display cannot be opened.
    Display* display() const { return connection_.display(); }

private:
    class Overlay;

    // In the server's pixels, the primary first; asked again after each RandR change.
    const std::vector<QRect>& screens();
    QRect workArea(const QRect& screen);
    // Points keep a screen's top-left corner and divide the distance from it by the scale.
    QRect toPoints(const QRect& pixels) const;
    QPoint toPoints(QPoint pixels);
    QPoint toPixels(QPoint points);
    void handleEvent(XEvent& event);

    X11Connection connection_;
    X11CompositorWatch compositor_{connection_};
    double scale_ = 1.0;
    int randrEventBase_ = -1;
    bool randrMonitors_ = false; // RandR 1.5
    std::optional<std::vector<QRect>> screens_;
    unsigned long argbColormap_ = 0;
    void* argbVisual_ = nullptr; // Visual*
    std::vector<Overlay*> overlays_;
};
