#include "platform/x11/X11FrontProcess.h"

#include "tests/platform/x11/XvfbTest.h"

#include <QFileInfo>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>

namespace {

class X11FrontProcessTest : public XvfbTest {};

void setProperty(Display* display, Window window, const char* name, Atom type, long value) {
    XChangeProperty(display, window, XInternAtom(display, name, False), type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&value), 1);
    XSync(display, False);
}

// A window without _NET_WM_PID is traced to its client through the X-Resource extension.
TEST_F(X11FrontProcessTest, NameIsTheActiveWindowsOwnerAndNullWithoutOne) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const Window root = DefaultRootWindow(display);
    X11FrontProcess front;
    EXPECT_EQ(front.frontProcessName(), nullptr);

    const QString self = QFileInfo(QFile::symLinkTarget("/proc/self/exe")).fileName();
    for (const bool withPid : {true, false}) {
        SCOPED_TRACE(withPid ? "with _NET_WM_PID" : "without _NET_WM_PID");
        const Window window = XCreateSimpleWindow(display, root, 0, 0, 10, 10, 0, 0, 0);
        if (withPid)
            setProperty(display, window, "_NET_WM_PID", XA_CARDINAL, getpid());
        setProperty(display, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, long(window));
        ASSERT_TRUE(processEventsUntil([&] { return front.frontProcessName() != nullptr; }));
        EXPECT_EQ(*front.frontProcessName(), self);

        setProperty(display, root, "_NET_ACTIVE_WINDOW", XA_WINDOW, None);
        EXPECT_TRUE(processEventsUntil([&] { return front.frontProcessName() == nullptr; }));
    }
    XCloseDisplay(display);
}

} // namespace
