#include "platform/x11/X11Bell.h"

#include <X11/Xlib.h>

X11Bell::X11Bell(Display* display) : display_(display), displayTried_(display != nullptr) {}

X11Bell::~X11Bell() {
    if (display_ && ownsDisplay_)
        XCloseDisplay(display_);
}

void X11Bell::beep() {
    if (!display_ && !displayTried_) {
        displayTried_ = true;
        display_ = XOpenDisplay(nullptr);
        ownsDisplay_ = display_ != nullptr;
    }
    if (!display_)
        return;
    XBell(display_, 0);
    XFlush(display_);
}
