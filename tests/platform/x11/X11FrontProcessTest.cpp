#include "platform/linux/X11FrontProcess.h"

#include "tests/platform/x11/XvfbTest.h"

#include <QFileInfo>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <unistd.h>

namespace {

class X11FrontProcessTest : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped())
            return;
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
        front_ = std::make_unique<X11FrontProcess>();
    }
    void TearDown() override {
        front_.reset();
        if (display_)
            XCloseDisplay(display_);
    }

    Window makeWindow(bool withPid) {
        const Window window =
            XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 10, 10, 0, 0, 0);
        if (withPid) {
            const long pid = getpid();
            XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_PID", False),
                            XA_CARDINAL, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pid), 1);
        }
        return window;
    }

    void activate(Window window) {
        const long value = long(window);
        XChangeProperty(display_, DefaultRootWindow(display_),
                        XInternAtom(display_, "_NET_ACTIVE_WINDOW", False), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&value), 1);
        XSync(display_, False);
    }

    static QString ownExecutableName() {
        return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).fileName();
    }

    Display* display_ = nullptr;
    std::unique_ptr<X11FrontProcess> front_;
};

TEST_F(X11FrontProcessTest, NameFollowsTheActiveWindowAndIsNullWithoutOne) {
    EXPECT_EQ(front_->frontProcessName(), nullptr);

    activate(makeWindow(true));
    ASSERT_TRUE(processEventsUntil([&] { return front_->frontProcessName() != nullptr; }));
    EXPECT_EQ(*front_->frontProcessName(), ownExecutableName());

    activate(None);
    EXPECT_TRUE(processEventsUntil([&] { return front_->frontProcessName() == nullptr; }));
}

TEST_F(X11FrontProcessTest, WindowWithoutPidIsTracedToItsClient) {
    activate(makeWindow(false));
    ASSERT_TRUE(processEventsUntil([&] { return front_->frontProcessName() != nullptr; }));
    EXPECT_EQ(*front_->frontProcessName(), ownExecutableName());
}

} // namespace
