// The indicators on a real X server: on which screen each goes, and what the user sees of them
// with and without a compositing manager, read back from the screen.
//
// The server is Xorg with its dummy driver, whose outputs switch on and off like monitors; where
// it cannot start (not installed, no permission), Xvfb with one screen, and the cases that need
// two are skipped. KEYVIGIL_SCREENSHOTS names a folder to keep the screenshots in.
#include "helper/indicators/IndicatorGeometry.h"
#include "helper/indicators/QtIndicators.h"
#include "platform/MonitorEvent.h"
#include "platform/x11/X11DisplayReconfiguration.h"
#include "platform/x11/X11OverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbServer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// After the test framework, whose names Xlib's macros (None, Bool) would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
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

// The whole screen as the user sees it.
QImage screenshot(Display* display) {
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    XImage* shot = XGetImage(display, root, 0, 0, unsigned(attributes.width),
                             unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!shot)
        return {};
    QImage image(attributes.width, attributes.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000 | QRgb(XGetPixel(shot, x, y)));
    XDestroyImage(shot);
    return image;
}

void keep(const QImage& image, const QString& name) {
    const QByteArray folder = qgetenv("KEYVIGIL_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
}

// What the window paints, premultiplied, at its size.
QImage painted(QWidget& window) {
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// The pixels of `window` on `shot` that differ from what it should look like over `below`:
// without a compositor, its more-than-half-opaque pixels as painted and the rest as below; with
// one, blended over what is below at the window's opacity.
int wrongPixels(QWidget& window, const QImage& shot, const QImage& below, bool compositing) {
    const QImage picture = painted(window);
    const double opacity = window.windowOpacity();
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint at = window.pos() + QPoint(x, y);
            const QRgb p = picture.pixel(x, y);
            const QRgb under = below.pixel(at);
            QRgb expected = under;
            if (compositing) {
                const auto blend = [&](int own, int back) {
                    return qRound(own * opacity + back * (1.0 - qAlpha(p) / 255.0 * opacity));
                };
                expected = qRgb(blend(qRed(p), qRed(under)), blend(qGreen(p), qGreen(under)),
                                blend(qBlue(p), qBlue(under)));
            } else if (qAlpha(p) >= 128) {
                expected = p;
            }
            if (distance(shot.pixel(at), expected) > 3)
                ++wrong;
        }
    return wrong;
}

class X11IndicatorScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server || !server->isRunning())
            GTEST_SKIP() << "no X server to test on";
        ASSERT_NE(display_, nullptr);
        // A desktop with each screen framed and named, so that a screenshot tells them apart.
        const QRect everything = QGuiApplication::primaryScreen()->virtualGeometry();
        QPixmap wallpaper(everything.size());
        wallpaper.fill(QColor(0x3a, 0x6e, 0xa5));
        QPainter painter(&wallpaper);
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->geometry().translated(-everything.topLeft());
            painter.setPen(QPen(QColor(0x1d, 0x3a, 0x5c), 2));
            painter.drawRect(area.adjusted(1, 1, -1, -1));
            painter.setPen(Qt::white);
            painter.drawText(area.adjusted(16, 16, -16, -16), Qt::AlignRight | Qt::AlignBottom,
                             screen == QGuiApplication::primaryScreen()
                                 ? screen->name() + QStringLiteral(", primary")
                                 : screen->name());
        }
        painter.end();
        desktop_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        desktop_.setPixmap(wallpaper);
        desktop_.setGeometry(everything);
        desktop_.show();
        // An editor with some text, for the pictures to show over.
        application_.setWindowFlags(desktop_.windowFlags());
        application_.setStyleSheet(QStringLiteral("background: white; font-size: 18px"));
        application_.setAlignment(Qt::AlignTop | Qt::AlignLeft);
        application_.setWordWrap(true);
        application_.setText(QStringLiteral("Dear Sam,\n\n") +
                             QStringLiteral("THE MINUTES OF TUESDAY'S MEETING ARE ATTACHED. PLEASE "
                                            "READ THEM BEFORE THURSDAY. ")
                                 .repeated(12));
        application_.setGeometry(40, 40, 900, 640);
        application_.show();
        ASSERT_TRUE(processEventsUntil([&] { return application_.isVisible(); }));
        setActiveWindow(application_.winId());
    }

    ~X11IndicatorScreensTest() override {
        if (display_)
            XCloseDisplay(display_);
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

    CenterWindow& showCaps() {
        indicators_.showCapsCenterWindow(false);
        indicators_.showCapsCenterWindow(true);
        processEventsFor(100ms);
        return *indicators_.capsCenterWindow;
    }

    Display* const display_ = XOpenDisplay(nullptr);
    QLabel desktop_;
    QLabel application_;
    KVObject kvObject_{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeStatusIconHost statusHosts_;
    X11OverlayWindows overlays_;
    QtIndicators indicators_{KEYVIGIL_TEST_IMAGES, kvObject_, overlays_, statusHosts_};
};

// The picture goes to the screen of the active window, else of the pointer, and the upper-left
// window to the primary; a screen switched off or on is a mode set, after which the helper makes
// the windows anew for the screens there are then.
TEST_F(X11IndicatorScreensTest, OnTwoScreensThePictureGoesWhereTheUserWorks) {
    if (!twoOutputs)
        GTEST_SKIP() << "Xorg's dummy outputs are needed for two screens";
    ASSERT_TRUE(processEventsUntil([] { return QGuiApplication::screens().size() == 2; }));
    const QScreen* right = QGuiApplication::primaryScreen();
    const QScreen* left = QGuiApplication::screens().at(right == QGuiApplication::screens()[0]);
    ASSERT_EQ(right->geometry(), QRect(1024, 0, 800, 600));
    const auto centreOf = [](const QScreen* screen) {
        return centeredOrigin(screen->availableGeometry(), QSize(500, 500));
    };
    X11DisplayReconfiguration reconfiguration;
    std::vector<std::uint32_t> flags;
    const auto build = [&] {
        indicators_.closeCenterWindows();
        indicators_.buildCapsCenterWindow();
        indicators_.buildUpperLeftWindow(ModifierMask::capsLock | ModifierMask::numLock,
                                         OutlineColor::LightGray, ModifierMask::capsLock);
    };
    reconfiguration.registerReconfigurationCallback([&](std::uint32_t, std::uint32_t changed) {
        flags.push_back(changed);
        if (changed & kCGDisplaySetModeFlag)
            build();
    });
    build();

    pointerTo({1500, 400});
    EXPECT_EQ(showCaps().pos(), centreOf(left)) << "the active window's screen, not the pointer's";
    EXPECT_TRUE(right->geometry().contains(indicators_.upperLHcorner->geometry()));
    const QImage shot = screenshot(display_);
    keep(shot, QStringLiteral("x11-two-screens.png"));
    // The upper-left window eight times its size, with the corner of the screen it is in.
    keep(shot.copy(QRect(right->geometry().topLeft(), QSize(40, 24))).scaled(320, 192),
         QStringLiteral("x11-upper-left-no-compositor.png"));
    application_.move(700, 100); // mostly on the right
    processEventsFor(100ms);
    EXPECT_EQ(showCaps().pos(), centreOf(right));
    setActiveWindow(None);
    pointerTo({300, 300});
    EXPECT_EQ(showCaps().pos(), centreOf(left));

    ASSERT_TRUE(xrandr({"--output", "DUMMY1", "--off"}));
    ASSERT_TRUE(processEventsUntil([&] { return !flags.empty(); }));
    EXPECT_EQ(flags.back(), kCGDisplayRemoveFlag | kCGDisplaySetModeFlag);
    ASSERT_EQ(QGuiApplication::screens().size(), 1);
    const QRect remaining(0, 0, 1024, 768);
    EXPECT_TRUE(remaining.contains(indicators_.upperLHcorner->geometry()));
    EXPECT_TRUE(remaining.contains(showCaps().geometry()));

    flags.clear();
    ASSERT_TRUE(lightBothOutputs());
    ASSERT_TRUE(processEventsUntil([&] { return !flags.empty(); }));
    EXPECT_EQ(flags.back(), kCGDisplayAddFlag | kCGDisplaySetModeFlag);
    EXPECT_TRUE(QRect(1024, 0, 800, 600).contains(indicators_.upperLHcorner->geometry()));
}

// Without a compositor the translucent pictures are shaped from what they paint, and the desktop
// shows around them; with one they are blended as painted; and each compositor that starts or
// stops switches them over.
TEST_F(X11IndicatorScreensTest, TranslucentIndicatorsKeepTheirOutlineWithOrWithoutACompositor) {
    processEventsFor(200ms);
    const QImage below = screenshot(display_);
    indicators_.buildCapsCenterWindow();
    // Every cell, lit and unlit, and the outline between them.
    indicators_.buildUpperLeftWindow(0x21B00 | ModifierMask::capsLock | ModifierMask::numLock,
                                     OutlineColor::LightGray,
                                     ModifierMask::capsLock | ModifierMask::control);
    CenterWindow& caps = showCaps();
    QWidget& upperLeft = *indicators_.upperLHcorner;
    ASSERT_FALSE(overlays_.compositing()) << "a compositor already runs on the private server";

    QImage shot = screenshot(display_);
    keep(shot.copy(caps.geometry().adjusted(-60, -60, 60, 60)),
         QStringLiteral("x11-no-compositor.png"));
    EXPECT_EQ(wrongPixels(caps, shot, below, false), 0);
    EXPECT_EQ(wrongPixels(upperLeft, shot, below, false), 0);

    // A cell lit later reshapes the window with it.
    indicators_.setModifiers(ModifierMask::numLock);
    processEventsFor(100ms);
    EXPECT_EQ(wrongPixels(upperLeft, screenshot(display_), below, false), 0);

    QProcess compositor;
    compositor.start(QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(compositor.waitForStarted());
    ASSERT_TRUE(processEventsUntil([&] { return overlays_.compositing(); }));
    ASSERT_TRUE(processEventsUntil(
        [&] { return wrongPixels(caps, screenshot(display_), below, true) == 0; }, 3s))
        << wrongPixels(caps, screenshot(display_), below, true) << " pixels not blended";
    shot = screenshot(display_);
    keep(shot.copy(caps.geometry().adjusted(-60, -60, 60, 60)),
         QStringLiteral("x11-compositor.png"));
    EXPECT_EQ(wrongPixels(upperLeft, shot, below, true), 0);

    compositor.terminate();
    ASSERT_TRUE(compositor.waitForFinished());
    ASSERT_TRUE(processEventsUntil([&] { return !overlays_.compositing(); }));
    processEventsFor(200ms);
    shot = screenshot(display_);
    EXPECT_EQ(wrongPixels(caps, shot, below, false), 0);
    EXPECT_EQ(wrongPixels(upperLeft, shot, below, false), 0);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no server.
    QTemporaryDir folder;
    if (!GTEST_FLAG_GET(list_tests)) {
        startServer(folder);
        if (server->isRunning())
            qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
