#pragma once

#include <functional>

class X11Connection;
typedef union _XEvent XEvent;

// Whether a compositing manager runs on the default screen, told by who owns the
// _NET_WM_CM_S<screen> selection, and a call each time one starts or stops. Without a compositor
// the server shows a translucent window's pixels as if opaque, black where nothing is drawn.
class X11CompositorWatch {
public:
    // Takes over the connection's events; `connection` must outlive this. Whoever sets another
    // event handler on it later passes each event on to handleEvent().
    explicit X11CompositorWatch(X11Connection& connection);

    void handleEvent(XEvent& event);

    bool running() const { return running_; }
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

private:
    void readOwner();

    X11Connection& connection_;
    unsigned long selection_ = 0;
    int eventBase_ = -1; // XFixes' first event; -1 without XFixes
    bool running_ = false;
    std::function<void()> changed_;
};
