#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;
typedef struct _XDisplay Display;
typedef union _XEvent XEvent;

// A private Xlib connection whose events are read from Qt's event loop on the main thread.
// Protocol errors on it are ignored: the windows and devices it asks about can vanish at any
// moment, and a failed request must never end the process.
class X11Connection {
public:
    using EventHandler = std::function<void(XEvent&)>;

    // displayName null: $DISPLAY.
    explicit X11Connection(const char* displayName = nullptr);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    bool isOpen() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    void setEventHandler(EventHandler handler) { handler_ = std::move(handler); }

    // Hands every queued event to the handler and flushes. Any Xlib call made outside the
    // handler may have queued events without the socket showing readable, so callers run
    // this after such calls.
    void processPendingEvents();

private:
    Display* display_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    EventHandler handler_;
};
