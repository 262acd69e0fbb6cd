// The XEmbed tray icon on a private Xvfb, docked in a tray the test plays itself.
#include "platform/x11/XEmbedTrayIcon.h"
#include "platform/desktop/StatusPictures.h"
#include "tests/platform/support/TestEventLoop.h"
#include "tests/platform/support/XvfbTest.h"
#include "tests/shared/TempHome.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// After the test framework, whose names Xlib's macros (None, Bool) would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <memory>

namespace {

constexpr std::uint32_t kRed = PixelImage::argb(255, 255, 0, 0);
constexpr std::uint32_t kHalfBlue = PixelImage::argb(128, 0, 0, 128);
constexpr unsigned long kPanelGrey = 0x808080;

// A tray: owns the screen's tray selection, offers an alpha visual or not, and embeds the icon
// that asks to dock into its own window, `side` pixels square.
class FakeTray {
public:
    FakeTray(Display* display, bool alphaVisual) : display_(display) {
        XSetWindowAttributes attributes{};
        attributes.background_pixel = kPanelGrey;
        tray_ =
            XCreateWindow(display_, DefaultRootWindow(display_), 10, 10, 100, 40, 0, CopyFromParent,
                          InputOutput, CopyFromParent, CWBackPixel, &attributes);
        XMapWindow(display_, tray_);
        XVisualInfo alpha{};
        if (alphaVisual &&
            XMatchVisualInfo(display_, DefaultScreen(display_), 32, TrueColor, &alpha)) {
            const unsigned long id = alpha.visualid;
            XChangeProperty(display_, tray_, atom("_NET_SYSTEM_TRAY_VISUAL"), XA_VISUALID, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&id), 1);
        }
        XSetSelectionOwner(display_, atom("_NET_SYSTEM_TRAY_S0"), tray_, CurrentTime);
        XEvent manager{};
        manager.xclient.type = ClientMessage;
        manager.xclient.window = DefaultRootWindow(display_);
        manager.xclient.message_type = atom("MANAGER");
        manager.xclient.format = 32;
        manager.xclient.data.l[1] = long(atom("_NET_SYSTEM_TRAY_S0"));
        manager.xclient.data.l[2] = long(tray_);
        XSendEvent(display_, DefaultRootWindow(display_), False, StructureNotifyMask, &manager);
        XSync(display_, False);
    }
    ~FakeTray() {
        XDestroyWindow(display_, tray_);
        XSync(display_, False);
    }

    // The window that asked to dock, embedded; 0 if none asked.
    Window embedIcon(int side) {
        Window icon = 0;
        const bool asked = QTest::qWaitFor([&] {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type == ClientMessage &&
                    event.xclient.message_type == atom("_NET_SYSTEM_TRAY_OPCODE") &&
                    event.xclient.data.l[1] == 0)
                    icon = Window(event.xclient.data.l[2]);
            }
            return icon != 0;
        });
        if (asked) {
            XReparentWindow(display_, icon, tray_, 4, 4);
            XResizeWindow(display_, icon, unsigned(side), unsigned(side));
            XMapWindow(display_, icon);
            XSync(display_, False);
        }
        return icon;
    }

private:
    Atom atom(const char* name) { return XInternAtom(display_, name, False); }

    Display* display_;
    Window tray_ = 0;
};

class XEmbedTrayIconTest : public XvfbTest {
protected:
    void SetUp() override {
        XvfbTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // The pictures as the build bakes them: a red square with one half-transparent blue
        // pixel at its top-left corner, on clear ground.
        for (const int size : StatusPictures::bakedSizes) {
            PixelImage picture(size, size);
            picture.fill(QRect(size / 4, size / 4, size / 2, size / 2), kRed);
            picture.fill(QRect(size / 4, size / 4, 1, 1), kHalfBlue);
            writeFile(folder_.filePath(QStringLiteral("KVClosed-%1.pixels").arg(size)),
                      picture.packed());
        }
        // The popup: says how it was started, and for the menu chooses the second entry.
        writeFile(folder_.filePath("popup"),
                  "#!/bin/sh\necho \"$$ $*\" >>\"$(dirname \"$0\")/started\"\n"
                  "[ \"$1\" = menu ] && echo 1 && exit 0\nexec sleep 30\n",
                  true);
    }

    std::uint32_t pixel(Window window, int x, int y) {
        XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return 0;
        const auto value = std::uint32_t(XGetPixel(image, 0, 0));
        XDestroyImage(image);
        return value;
    }
    QStringList started() {
        return QString::fromUtf8(readFile(folder_.filePath("started")))
            .split('\n', Qt::SkipEmptyParts);
    }
    void send(Window icon, int type, int rootX, int rootY, int mode = NotifyNormal) {
        XEvent event{};
        event.type = type;
        if (type == ButtonPress) {
            event.xbutton.window = icon;
            event.xbutton.button = Button3;
            event.xbutton.x_root = rootX;
            event.xbutton.y_root = rootY;
        } else {
            event.xcrossing.window = icon;
            event.xcrossing.mode = mode;
            event.xcrossing.x_root = rootX;
            event.xcrossing.y_root = rootY;
        }
        XSendEvent(display_, icon, False, 0, &event);
        XSync(display_, False);
    }

    QTemporaryDir folder_;
};

TEST_F(XEmbedTrayIconTest, DocksDrawsItsPictureAtTheTraysSizeAndDocksAgainInTheNextTray) {
    auto tray = std::make_unique<FakeTray>(display_, true);
    XEmbedTrayIcon icon(folder_.filePath("popup"));
    icon.show(folder_.filePath("KVClosed.svg"), "Caps Lock is on");
    const Window first = tray->embedIcon(20);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(first, icon.window());
    // The alpha visual takes the picture as it is: the 22 scaled down to 20.
    const PixelImage expected = StatusPictures::atSize(folder_.filePath("KVClosed.svg"), 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pixel(first, 10, 10) == kRed; }));
    EXPECT_EQ(pixel(first, 0, 0), 0u);
    EXPECT_EQ(pixel(first, 5, 5), expected.pixel(5, 5));

    // The panel restarts without an alpha visual: the picture is blended onto its background.
    tray.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return icon.window() == 0; }));
    tray = std::make_unique<FakeTray>(display_, false);
    const Window second = tray->embedIcon(24);
    ASSERT_NE(second, 0u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pixel(second, 12, 12) == 0xFF0000; }));
    EXPECT_EQ(pixel(second, 0, 0), kPanelGrey);
    const std::uint32_t half = pixel(second, 6, 6);
    EXPECT_NEAR(int(half & 0xFF), 192, 1) << std::hex << half;
    EXPECT_NEAR(int(half >> 16), 64, 1) << std::hex << half;
}

TEST_F(XEmbedTrayIconTest, AClickRunsTheChosenEntryAndTheTooltipGoesWithThePointer) {
    FakeTray tray(display_, true);
    XEmbedTrayIcon icon(folder_.filePath("popup"));
    int opened = 0, paused = 0;
    icon.setMenu({{"Open Keyvigil Settings…", [&] { ++opened; }},
                  {"Pause Warnings for 5 Minutes", [&] { ++paused; }}});
    icon.show(folder_.filePath("KVClosed.svg"), "Caps Lock is on");
    const Window window = tray.embedIcon(22);
    ASSERT_NE(window, 0u);

    send(window, ButtonPress, 40, 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return paused == 1; }));
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(started().size(), 1);
    EXPECT_TRUE(
        started()[0].endsWith(" menu 40 30 Open Keyvigil Settings… Pause Warnings for 5 Minutes"))
        << started()[0].toStdString();

    // Resting on the icon brings the tooltip, leaving it ends it.
    send(window, EnterNotify, 41, 31);
    QTest::qWait(300);
    EXPECT_EQ(started().size(), 1); // not yet
    ASSERT_TRUE(QTest::qWaitFor([&] { return started().size() == 2; }));
    EXPECT_TRUE(started()[1].endsWith(" tooltip 41 31 Caps Lock is on"))
        << started()[1].toStdString();
    const pid_t tooltip = started()[1].section(' ', 0, 0).toInt();
    ASSERT_GT(tooltip, 0);
    EXPECT_EQ(kill(tooltip, 0), 0);
    // A leave for another client's grab too, which would leave the tooltip up for good.
    send(window, LeaveNotify, 0, 0, NotifyGrab);
    EXPECT_TRUE(QTest::qWaitFor([&] { return kill(tooltip, 0) != 0; }));
}

// The popup program goes when the helper does, however it ended: its input reaches its end.
TEST_F(XEmbedTrayIconTest, ThePopupEndsWithTheHelpersPipe) {
    for (const QString mode : {"tooltip", "menu"}) {
        SCOPED_TRACE(mode.toStdString());
        QProcess popup;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        popup.setProcessEnvironment(environment);
        popup.start(KEYVIGIL_TRAY_POPUP, {mode, "40", "30", "Caps Lock is on"});
        ASSERT_TRUE(popup.waitForStarted());
        EXPECT_FALSE(popup.waitForFinished(1000)) << "shown until ended";
        popup.closeWriteChannel();
        ASSERT_TRUE(popup.waitForFinished(3000));
        EXPECT_EQ(popup.exitStatus(), QProcess::NormalExit);
        EXPECT_TRUE(popup.readAllStandardOutput().isEmpty()) << "nothing chosen";
    }
}

} // namespace
