#pragma once

#include "shared/PixelImage.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>

// Where an indicator window sits: a display server that places windows itself is told which.
enum class OverlayPlacement {
    Centre,  // over the middle of the screen
    TopLeft, // at the position the program gives, from the screen's top-left corner
    TopEdge, // along the whole top edge
};

// What an indicator window shows, drawn at whatever scale the screen it is on has.
class OverlayPicture {
public:
    virtual ~OverlayPicture() = default;
    // In points: the window's size at scale 1.
    virtual QSize size() const = 0;
    // Draws the picture into `image`'s own pixels, which are size() × scale (rounded) and
    // transparent; the image itself is kept, since the display server's buffer may be it.
    virtual void draw(PixelImage& image, double scale) const = 0;
    // How opaque the window is as a whole, 0 to 1. Where windows cannot be see-through (an X11
    // screen without a compositing manager) it is shown solid, cut to its outline.
    virtual double opacity() const { return 1.0; }
};

// An indicator window: above every other window (full-screen ones included), undecorated and
// never given the keyboard focus, so that showing it cannot take the user's typing. Made hidden.
class OverlayWindow {
public:
    virtual ~OverlayWindow() = default;
    // Draws the picture and puts the window up with its top-left corner at `topLeft`, in the
    // desktop's points, or where the display server places windows of its kind. Shown again, it
    // moves there and is drawn anew: its picture's size may have changed.
    virtual void show(QPoint topLeft) = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    // The picture changed: drawn again and sent to the screen at once, when shown.
    virtual void repaint() = 0;
    // Told where the window is when something else than show() has moved it.
    virtual void setMovedHandler(std::function<void(QPoint topLeft)> handler) { (void)handler; }
};

// Makes indicator windows, and says where on the screens they go.
class OverlayWindows {
public:
    virtual ~OverlayWindows() = default;
    // `picture` must outlive the window. clickThrough: clicks and the pointer go to whatever
    // is below the window.
    virtual std::unique_ptr<OverlayWindow>
    makeOverlay(const OverlayPicture& picture, OverlayPlacement placement, bool clickThrough) = 0;
    // The primary screen, and its free area (panels left out), in the desktop's points; empty
    // where the display server does not tell.
    virtual QRect screenGeometry() { return {}; }
    virtual QRect availableScreenGeometry() { return screenGeometry(); }
    // Where a window placed over the middle of a screen goes: the free area of the screen the
    // user is working on, asked at each showing. Empty where the display server does not tell,
    // or places such windows itself: the primary screen's then.
    virtual QRect workingScreenGeometry() { return {}; }
    // The top `height` points of the primary screen as they are shown now, at the screen's
    // pixels; null where the display server does not give them.
    virtual PixelImage grabTopEdge(int height) {
        (void)height;
        return {};
    }
};
