#pragma once

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
};
