#pragma once

#include <QString>

#include <xcb/xcb.h>

#include <functional>
#include <memory>

class ReadableWatch;
typedef struct _XDisplay Display;
typedef union _XEvent XEvent;

// A private Xlib connection whose events are read from Qt's event loop on the main thread.
// Protocol errors on it are ignored (and shown only in the debug log): the windows and devices
// it asks about can vanish at any moment, and a failed request must never end the process.
class X11Connection {
public:
    using EventHandler = std::function<void(XEvent&)>;
    using XcbEventHandler = std::function<void(const xcb_generic_event_t&)>;

    // displayName null: $DISPLAY.
    explicit X11Connection(const char* displayName = nullptr);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // Why no connection to the display can be made, in a few words; empty when one can.
    static QString displayProblem(const char* displayName = nullptr);

    bool isOpen() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    void setEventHandler(EventHandler handler) { handler_ = std::move(handler); }
    // Hands the events over as XCB reads them instead, each freed once handled, so that a burst
    // leaves no queue behind: Xlib keeps every event node it ever queued until the display
    // closes. Xlib then sees no event at all. Set before the first event arrives.
    void setXcbEventHandler(XcbEventHandler handler);
    // Runs each time the event loop is about to sleep, once every queued event has been handled:
    // the place for work that must come after the current events.
    void setBeforeSleepHandler(std::function<void()> handler) { beforeSleep_ = std::move(handler); }

    // Hands every queued event to the handler and flushes. Any Xlib call made outside the
    // handler may have queued events without the socket showing readable, so callers run
    // this after such calls.
    void processPendingEvents();

    // What the event loop runs before it sleeps: the queued events, then the handler above.
    void beforeSleep();

private:
    void processXcbEvents(bool readSocket);

    Display* display_ = nullptr;
    std::unique_ptr<ReadableWatch> watch_;
    EventHandler handler_;
    XcbEventHandler xcbHandler_;
    std::function<void()> beforeSleep_;
};
