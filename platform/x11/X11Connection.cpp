#include "platform/x11/X11Connection.h"

#include "platform/desktop/ReadableWatch.h"
#include "shared/ProgramLog.h"

#include <QAbstractEventDispatcher>

#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>

#include <cstdlib>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

std::vector<Display*>& ownDisplays() {
    static std::vector<Display*> displays;
    return displays;
}

std::vector<X11Connection*>& openConnections() {
    static std::vector<X11Connection*> connections;
    return connections;
}

// Counts every open and close, so that a pass over the list can tell it changed.
std::uint64_t connectionsChanged = 0;

bool stillOpen(X11Connection* connection) {
    const auto& open = openConnections();
    return std::find(open.begin(), open.end(), connection) != open.end();
}

XErrorHandler previousErrorHandler = nullptr;
bool errorHandlerInstalled = false;

int ignoreOwnErrors(Display* display, XErrorEvent* error) {
    const auto& own = ownDisplays();
    if (std::find(own.begin(), own.end(), display) != own.end()) {
        qCDebug(programLog, "X error %d on request %d.%d ignored", int(error->error_code),
                int(error->request_code), int(error->minor_code));
        return 0;
    }
    return previousErrorHandler ? previousErrorHandler(display, error) : 0;
}

} // namespace

QString X11Connection::displayProblem(const char* displayName) {
    const QByteArray name = displayName ? QByteArray(displayName) : qgetenv("DISPLAY");
    if (name.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    Display* display = XOpenDisplay(name.constData());
    if (!display)
        return QStringLiteral("cannot connect to display \"%1\"").arg(QString::fromLocal8Bit(name));
    XCloseDisplay(display);
    return {};
}

X11Connection::X11Connection(const char* displayName) {
    display_ = XOpenDisplay(displayName);
    if (!display_)
        return;
    ownDisplays().push_back(display_);
    if (!errorHandlerInstalled) {
        previousErrorHandler = XSetErrorHandler(ignoreOwnErrors);
        errorHandlerInstalled = true;
    }
    watch_ = std::make_unique<ReadableWatch>(ConnectionNumber(display_),
                                             [this] { processPendingEvents(); });
    // A reply read anywhere (a round trip in a timer, in another object's code) can pull events
    // into Xlib's queue without the socket turning readable again. Drain them before the loop
    // sleeps; looking at the queue alone costs no system call. One hook serves every
    // connection: it runs at each wake-up, that is at every key.
    static QAbstractEventDispatcher* hooked = nullptr;
    if (auto* dispatcher = QAbstractEventDispatcher::instance();
        dispatcher && dispatcher != hooked) {
        hooked = dispatcher;
        runBeforeEachWait(dispatcher, [] {
            // No copy of the list at every key; only when a handler opens or closes a connection
            // (its own or another's) does the pass go over a copy, where running one twice is
            // harmless.
            const auto& open = openConnections();
            const std::uint64_t seen = connectionsChanged;
            for (std::size_t i = 0; i < open.size(); ++i) {
                open[i]->beforeSleep();
                if (connectionsChanged != seen) {
                    const std::vector<X11Connection*> connections = open;
                    for (X11Connection* connection : connections)
                        if (stillOpen(connection))
                            connection->beforeSleep();
                    break;
                }
            }
        });
    }
    openConnections().push_back(this);
    ++connectionsChanged;
}

void X11Connection::beforeSleep() {
    if (xcbHandler_)
        processXcbEvents(false);
    // The queue's length as last left by Xlib, read without taking the display's lock.
    else if (XQLength(display_) > 0)
        processPendingEvents();
    if (stillOpen(this) && beforeSleep_)
        beforeSleep_();
}

X11Connection::~X11Connection() {
    if (!display_)
        return;
    watch_.reset();
    auto& open = openConnections();
    open.erase(std::remove(open.begin(), open.end(), this), open.end());
    ++connectionsChanged;
    auto& own = ownDisplays();
    own.erase(std::remove(own.begin(), own.end(), display_), own.end());
    XCloseDisplay(display_);
}

void X11Connection::setXcbEventHandler(XcbEventHandler handler) {
    if (!display_)
        return;
    XSetEventQueueOwner(display_, XCBOwnsEventQueue);
    xcbHandler_ = std::move(handler);
}

void X11Connection::processPendingEvents() {
    if (!display_)
        return;
    if (xcbHandler_) {
        processXcbEvents(true);
        return;
    }
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (handler_)
            handler_(event);
    }
    XFlush(display_);
}

// One read of the socket, at most a buffer's worth, then only what is already queued: more
// waiting in the socket keeps it readable, and the loop comes back at once.
void X11Connection::processXcbEvents(bool readSocket) {
    xcb_connection_t* connection = XGetXCBConnection(display_);
    xcb_generic_event_t* event =
        readSocket ? xcb_poll_for_event(connection) : xcb_poll_for_queued_event(connection);
    while (event) {
        xcbHandler_(*event);
        std::free(event);
        event = xcb_poll_for_queued_event(connection);
    }
    // Requests the handler made through XCB go out now; without any, no system call.
    xcb_flush(connection);
}
