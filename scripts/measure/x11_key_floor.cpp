// The least work that sees every key press on X11: one connection selecting raw key presses on
// the root window, one epoll wait and one read a wake-up, nothing done with the event. Its CPU
// per key, beside the helper's in the same run, is what no design of ours can go under.
// Runs until SIGTERM or SIGINT.
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <xcb/xcb.h>

#include <sys/epoll.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {
volatile std::sig_atomic_t stopping = 0;
void stop(int) {
    stopping = 1;
}
} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (!display || !XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) {
        std::fprintf(stderr, "no display with XInput\n");
        return 1;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XSetEventQueueOwner(display, XCBOwnsEventQueue);
    XSync(display, False);
    xcb_connection_t* connection = XGetXCBConnection(display);

    struct sigaction action {};
    action.sa_handler = stop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    const int epoll = epoll_create1(EPOLL_CLOEXEC);
    epoll_event watch{};
    watch.events = EPOLLIN;
    watch.data.fd = xcb_get_file_descriptor(connection);
    epoll_ctl(epoll, EPOLL_CTL_ADD, watch.data.fd, &watch);
    long presses = 0;
    while (!stopping && !xcb_connection_has_error(connection)) {
        epoll_event ready;
        if (epoll_wait(epoll, &ready, 1, -1) <= 0)
            continue;
        for (xcb_generic_event_t* e = xcb_poll_for_event(connection); e;
             e = xcb_poll_for_queued_event(connection)) {
            presses += (e->response_type & 0x7F) == XCB_GE_GENERIC;
            std::free(e);
        }
    }
    std::printf("%ld\n", presses);
    XCloseDisplay(display);
    return 0;
}
