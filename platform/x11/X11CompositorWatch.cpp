#include "platform/x11/X11CompositorWatch.h"

#include "platform/x11/X11Connection.h"
#include "shared/ProgramLog.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <string>

X11CompositorWatch::X11CompositorWatch(X11Connection& connection) : connection_(connection) {
    Display* display = connection_.display();
    if (!display)
        return;
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(display));
    selection_ = XInternAtom(display, name.c_str(), False);

    int eventBase = 0;
    int errorBase = 0;
    int major = 5;
    int minor = 0;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase) ||
        !XFixesQueryVersion(display, &major, &minor)) {
        qCWarning(programLog, "the X server has no XFixes: indicators keep the shape they have "
                              "when a compositing manager starts or stops later");
        readOwner();
        return;
    }
    eventBase_ = eventBase;
    connection_.setEventHandler([this](XEvent& event) { handleEvent(event); });
    XFixesSelectSelectionInput(display, DefaultRootWindow(display), selection_,
                               XFixesSetSelectionOwnerNotifyMask |
                                   XFixesSelectionWindowDestroyNotifyMask |
                                   XFixesSelectionClientCloseNotifyMask);
    // Read after asking to be told, so that an owner arriving in between is not missed.
    readOwner();
    connection_.processPendingEvents();
    if (!running_)
        qCWarning(programLog, "no compositing manager yet: translucent indicators are cut to "
                              "their outline and shown solid until one starts");
}

void X11CompositorWatch::handleEvent(XEvent& event) {
    if (eventBase_ < 0 || event.type != eventBase_ + XFixesSelectionNotify)
        return;
    const bool before = running_;
    readOwner();
    if (running_ != before && changed_)
        changed_();
}

void X11CompositorWatch::readOwner() {
    running_ = XGetSelectionOwner(connection_.display(), selection_) != None;
}
