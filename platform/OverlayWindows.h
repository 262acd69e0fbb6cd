#pragma once

class QWidget;

// Turns a top-level window into an indicator: above every other window (full-screen ones
// included), at the place the program puts it, undecorated and never given the keyboard focus,
// so that showing it cannot take the user's typing. Called once, before the window is first shown.
class OverlayWindows {
public:
    virtual ~OverlayWindows() = default;
    // clickThrough: clicks and the pointer go to whatever is below the window.
    virtual void makeOverlay(QWidget& window, bool clickThrough) = 0;
};
