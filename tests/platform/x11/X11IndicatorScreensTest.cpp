// The indicator windows on a real X server: on which screen a picture goes, and what the user sees
// of the pictures with and without a compositing manager, read back from the screen.
//
// The server is Xorg with its dummy driver, whose outputs switch on and off like monitors; where
// it cannot start (not installed, no permission), Xvfb with one screen, and the cases that need
// two are skipped.
#include "platform/x11/X11OverlayWindows.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"
#include "tests/platform/x11/PanelPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// After the test framework, whose names Xlib's macros (None, Bool) would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tests/platform/x11/RootPixels.h"

#include <cstdlib>
#include <functional>
#include <memory>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<XvfbServer> server;
bool twoOutputs = false; // Xorg's dummy outputs: the left one, and the primary on its right

constexpr char kDummyConfig[] = R"(Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 4096 2048
    EndSubSection
EndSection
Section "ServerFlags"
    Option "AutoAddDevices" "false"
EndSection
)";

bool xrandr(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xrandr"), arguments) == 0;
}

// Left: DUMMY0, 1024 x 768 at the origin. Right: DUMMY1, 800 x 600, the primary.
bool lightBothOutputs() {
    return xrandr({"--output", "DUMMY0", "--mode", "1024x768", "--pos", "0x0", "--output", "DUMMY1",
                   "--mode", "800x600", "--pos", "1024x0", "--primary"});
}

void startServer(const QTemporaryDir& folder) {
    const QString config = folder.filePath(QStringLiteral("dummy.conf"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(kDummyConfig);
    file.close();
    QDir(folder.path()).mkdir(QStringLiteral("conf.d")); // none of the system's snippets
    server = std::make_unique<XvfbServer>(std::vector<std::string>{
        "Xorg", "-config", config.toStdString(), "-configdir",
        folder.filePath(QStringLiteral("conf.d")).toStdString(), "-logfile",
        folder.filePath(QStringLiteral("Xorg.log")).toStdString(), "-noreset", "-nolisten", "tcp",
        "-novtswitch", "-sharevts"});
    if (server->isRunning()) {
        setenv("DISPLAY", server->displayName().c_str(), 1);
        twoOutputs = xrandr({"--addmode", "DUMMY1", "800x600"}) && lightBothOutputs();
        if (twoOutputs)
            return;
    }
    server = std::make_unique<XvfbServer>();
    if (server->isRunning())
        setenv("DISPLAY", server->displayName().c_str(), 1);
}

int distance(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (const int shift : {0, 8, 16})
        most = std::max(most, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
    return most;
}

// The pixels of `picture` shown at `at` on `shot` that differ from what it should look like over
// `below`: without a compositor, its more-than-half-opaque pixels as drawn and the rest as below;
// with one, blended over what is below.
int wrongPixels(const OverlayPicture& picture, QPoint at, const PixelImage& shot,
                const PixelImage& below, bool compositing) {
    PixelImage drawn(picture.size().width(), picture.size().height());
    picture.draw(drawn, 1.0);
    // The window as a whole is see-through only where a compositor blends it.
    if (compositing)
        drawn.fade(picture.opacity());
    int wrong = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            const std::uint32_t p = drawn.pixel(x, y);
            const std::uint32_t under = below.pixel(at.x() + x, at.y() + y);
            const int alpha = int(p >> 24);
            std::uint32_t expected = alpha >= 128 ? p : under;
            if (compositing) {
                expected = 0;
                for (const int shift : {0, 8, 16})
                    expected |= std::uint32_t(int(p >> shift & 0xFF) +
                                              int(under >> shift & 0xFF) * (255 - alpha) / 255)
                                << shift;
            }
            if (distance(shot.pixel(at.x() + x, at.y() + y), expected) > 3)
                ++wrong;
        }
    return wrong;
}

// Polls what only the screen shows, which wakes no event loop.
bool shownWithin(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    for (auto waited = 0ms; !done(); waited += 20ms) {
        if (waited >= timeout)
            return false;
        processEventsFor(20ms);
    }
    return true;
}

QPoint centred(const QRect& area, QSize size) {
    return area.topLeft() +
           QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

class X11IndicatorScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server || !server->isRunning())
            GTEST_SKIP() << "no X server to test on";
        ASSERT_NE(display_, nullptr);
        // A desktop in squares of two blues, and an editor with lines of text over it, for the
        // pictures to show over; each drawn in its background, which the server draws again
        // wherever it is uncovered.
        const Window root = DefaultRootWindow(display_);
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, root, &attributes);
        window(
            {0, 0, attributes.width, attributes.height}, 0x3a6ea5, 0x6a9ed5,
            [](int x, int y) { return QRect(x, y, 32, 32); }, 64, 32);
        application_ = window(
            {40, 40, 900, 640}, 0xFFFFFF, 0x202020,
            [](int x, int y) { return QRect(x + 20, y + 20, 70 - (x + y) % 30, 12); }, 90, 28);
        setActiveWindow(application_);
    }

    ~X11IndicatorScreensTest() override {
        if (display_)
            XCloseDisplay(display_);
    }

    // A window of the test's own, never managed: `background` with a `foreground` mark in each
    // cell of a grid.
    Window window(const QRect& area, unsigned long background, unsigned long foreground,
                  const std::function<QRect(int x, int y)>& mark, int across, int down) {
        const Window root = DefaultRootWindow(display_);
        const Pixmap pattern =
            XCreatePixmap(display_, root, unsigned(area.width()), unsigned(area.height()),
                          unsigned(DefaultDepth(display_, DefaultScreen(display_))));
        GC gc = XCreateGC(display_, pattern, 0, nullptr);
        XSetForeground(display_, gc, background);
        XFillRectangle(display_, pattern, gc, 0, 0, unsigned(area.width()),
                       unsigned(area.height()));
        XSetForeground(display_, gc, foreground);
        for (int y = 0; y < area.height(); y += down)
            for (int x = (y / down % 2) * across / 2; x < area.width(); x += across) {
                const QRect r = mark(x, y);
                XFillRectangle(display_, pattern, gc, r.x(), r.y(), unsigned(r.width()),
                               unsigned(r.height()));
            }
        XFreeGC(display_, gc);
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.background_pixmap = pattern;
        const Window made =
            XCreateWindow(display_, root, area.x(), area.y(), unsigned(area.width()),
                          unsigned(area.height()), 0, CopyFromParent, InputOutput, CopyFromParent,
                          CWOverrideRedirect | CWBackPixmap, &attributes);
        XFreePixmap(display_, pattern);
        XMapRaised(display_, made);
        XSync(display_, False);
        return made;
    }

    // As a window manager says which window has the focus.
    void setActiveWindow(unsigned long window) {
        const Window root = DefaultRootWindow(display_);
        const Atom property = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        if (window == None)
            XDeleteProperty(display_, root, property);
        else
            XChangeProperty(display_, root, property, XA_WINDOW, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&window), 1);
        XSync(display_, False);
    }

    void pointerTo(QPoint point) {
        XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, point.x(), point.y());
        XSync(display_, False);
    }

    // What the pictures' windows have sent has reached the server, and the screen.
    PixelImage screenshot() {
        XSync(overlays_.display(), False);
        return rootPixels(display_);
    }

    Display* const display_ = XOpenDisplay(nullptr);
    Window application_ = None;
    X11OverlayWindows overlays_;
    // Like the Caps Lock picture: a dark panel with a white sign on it, the window 0.4 opaque.
    PanelPicture centre_ = [] {
        PanelPicture picture{{200, 200},
                             0xFF101010,
                             {{{90, 40, 20, 80}, 0xFFFFFFFF},
                              {{60, 120, 80, 20}, 0xFFFFFFFF},
                              {{70, 150, 60, 12}, 0xFFFFFFFF}}};
        picture.windowOpacity = 0.4;
        return picture;
    }();
    // Like the upper-left window: a grey frame of cells, one lit, one faint, one off.
    PanelPicture upperLeft_{{40, 20},
                            0xCC404040,
                            {{{3, 3, 10, 14}, 0xFF30C030},
                             {{15, 3, 10, 14}, 0x60303030},
                             {{27, 3, 10, 14}, 0xFF808080}}};
};

// The centre picture goes to the free area of the screen of the active window, else of the
// pointer; the screens are read again when one is switched off or on.
TEST_F(X11IndicatorScreensTest, OnTwoScreensThePictureGoesWhereTheUserWorks) {
    if (!twoOutputs)
        GTEST_SKIP() << "Xorg's dummy outputs are needed for two screens";
    const QRect left(0, 0, 1024, 768);
    const QRect right(1024, 0, 800, 600);
    const long workArea[] = {0, 30, 1824, 738}; // a panel along the top of both
    XChangeProperty(display_, DefaultRootWindow(display_),
                    XInternAtom(display_, "_NET_WORKAREA", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(workArea), 4);
    XSync(display_, False);
    EXPECT_EQ(overlays_.screenGeometry(), right) << "the primary";
    EXPECT_EQ(overlays_.availableScreenGeometry(), right.adjusted(0, 30, 0, 0));

    pointerTo({1500, 400});
    EXPECT_EQ(overlays_.workingScreenGeometry(), left.adjusted(0, 30, 0, 0))
        << "the active window's screen, not the pointer's";
    auto centre = overlays_.makeOverlay(centre_, OverlayPlacement::Centre, true);
    auto upperLeft = overlays_.makeOverlay(upperLeft_, OverlayPlacement::TopLeft, false);
    centre->show(centred(overlays_.workingScreenGeometry(), centre_.size()));
    upperLeft->show(overlays_.availableScreenGeometry().topLeft());

    XMoveWindow(display_, application_, 700, 100); // mostly on the right
    XSync(display_, False);
    EXPECT_EQ(overlays_.workingScreenGeometry(), right.adjusted(0, 30, 0, 0));
    setActiveWindow(None);
    pointerTo({300, 300});
    EXPECT_EQ(overlays_.workingScreenGeometry(), left.adjusted(0, 30, 0, 0));

    ASSERT_TRUE(xrandr({"--output", "DUMMY1", "--off"}));
    EXPECT_TRUE(processEventsUntil([&] { return overlays_.screenGeometry() == left; }));
    EXPECT_EQ(overlays_.workingScreenGeometry(), QRect()) << "one screen: the primary's";
    ASSERT_TRUE(lightBothOutputs());
    EXPECT_TRUE(processEventsUntil([&] { return overlays_.screenGeometry() == right; }));
}

// Without a compositor the translucent pictures are cut to what is more opaque than not, and the
// desktop shows around them; with one they are blended as drawn; and each compositor that starts
// or stops switches them over.
TEST_F(X11IndicatorScreensTest, TranslucentIndicatorsKeepTheirOutlineWithOrWithoutACompositor) {
    const PixelImage below = rootPixels(display_);
    ASSERT_FALSE(overlays_.compositing()) << "a compositor already runs on the private server";
    auto centre = overlays_.makeOverlay(centre_, OverlayPlacement::Centre, true);
    auto upperLeft = overlays_.makeOverlay(upperLeft_, OverlayPlacement::TopLeft, false);
    const QPoint centreAt(300, 200);
    const QPoint upperLeftAt(20, 20);
    centre->show(centreAt);
    upperLeft->show(upperLeftAt);
    const PixelImage shot = screenshot();
    EXPECT_EQ(wrongPixels(centre_, centreAt, shot, below, false), 0);
    EXPECT_EQ(wrongPixels(upperLeft_, upperLeftAt, shot, below, false), 0);

    // A cell lit later reshapes the window with it.
    upperLeft_.marks[1].argb = 0xFFC03030;
    upperLeft->repaint();
    EXPECT_EQ(wrongPixels(upperLeft_, upperLeftAt, screenshot(), below, false), 0);

    QProcess compositor;
    compositor.start(QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(compositor.waitForStarted());
    ASSERT_TRUE(processEventsUntil([&] { return overlays_.compositing(); }));
    ASSERT_TRUE(shownWithin(
        [&] { return wrongPixels(centre_, centreAt, screenshot(), below, true) == 0; }, 3s))
        << wrongPixels(centre_, centreAt, screenshot(), below, true) << " pixels not blended";
    EXPECT_EQ(wrongPixels(upperLeft_, upperLeftAt, screenshot(), below, true), 0);

    compositor.terminate();
    ASSERT_TRUE(compositor.waitForFinished());
    ASSERT_TRUE(processEventsUntil([&] { return !overlays_.compositing(); }));
    ASSERT_TRUE(shownWithin(
        [&] { return wrongPixels(centre_, centreAt, screenshot(), below, false) == 0; }, 3s));
    EXPECT_EQ(wrongPixels(upperLeft_, upperLeftAt, screenshot(), below, false), 0);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no server.
    QTemporaryDir folder;
    if (!GTEST_FLAG_GET(list_tests))
        startServer(folder);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
