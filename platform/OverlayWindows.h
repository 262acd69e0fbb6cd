#pragma once

#include <QRect>

class QWidget;

// Where an indicator window sits: a display server that places windows itself is told which.
enum class OverlayPlacement {
    Centre,  // over the middle of the screen
    TopLeft, // at the position the program gives, from the screen's top-left corner
    TopEdge, // along the whole top edge
};

// Turns a top-level window into an indicator: above every other window (full-screen ones
// included), at its place, undecorated and never given the keyboard focus, so that showing it
// cannot take the user's typing. Called once, before the window is first shown.
class OverlayWindows {
public:
    virtual ~OverlayWindows() = default;
    // clickThrough: clicks and the pointer go to whatever is below the window.
    virtual void makeOverlay(QWidget& window, OverlayPlacement placement, bool clickThrough) = 0;
    // Where a window placed over the middle of a screen goes: the free area (panels left out),
    // in the toolkit's coordinates, of the screen the user is working on, asked at each showing.
    // Empty where the display server does not tell, or places such windows itself: the primary
    // screen's then.
    virtual QRect workingScreenGeometry() { return {}; }
};
