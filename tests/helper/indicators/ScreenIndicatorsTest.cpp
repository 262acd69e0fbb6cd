#include "helper/indicators/ScreenIndicators.h"
#include "helper/indicators/IndicatorGeometry.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

constexpr std::uint32_t capsOnly = 0x400, otherKeys = 0x21B00;

// The one place for the windows' arithmetic; the end-to-end test sees it on a real screen.
TEST(IndicatorGeometry, UpperLeftWindowSitsOnTheTopBarAndCentredOnesAThirdDown) {
    struct Case {
        QRect screen;
        std::uint32_t mask;
        QRect frame;
    };
    for (const auto& [screen, mask, frame] :
         {Case{{0, 0, 1440, 900}, otherKeys, {0, 4, 17, 15}}, // bottom at 881.5, cut to 881
          Case{{0, 0, 1440, 900}, capsOnly, {0, 7, 17, 8}},
          Case{{0, 0, 800, 599}, otherKeys, {0, 4, 17, 15}}, // 580.5 cut: the same margin
          Case{{-1280, 200, 1280, 1024}, capsOnly, {-1280, 207, 17, 8}}})
        EXPECT_EQ(upperLeftFrame(screen, mask).frame, frame) << screen.height();
    // Larger sizes: centred on the bar while the window fits it, else from the screen's top.
    for (const auto& [mask, scale, frame] : {std::tuple{capsOnly, 2, QRect(0, 3, 34, 16)},
                                             {otherKeys, 2, QRect(0, 0, 34, 30)},
                                             {capsOnly, 3, QRect(0, 0, 51, 24)},
                                             {capsOnly, 0, QRect(0, 7, 17, 8)}})
        EXPECT_EQ(upperLeftFrame({0, 0, 1440, 900}, mask, scale).frame, frame) << scale;
    EXPECT_EQ(centeredOrigin(QRect(0, 30, 1440, 870), QSize(500, 500)), QPoint(470, 153));
    EXPECT_EQ(centeredOrigin(QRect(1440, 0, 1920, 1080), QSize(268, 335)), QPoint(2266, 248));
}

class ScreenIndicatorsTest : public ::testing::Test {
protected:
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    FakeStatusIconHost statusHosts;
    ScreenIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject, overlays, statusHosts};
};

// The fake's windows, found by the picture they show.
FakeOverlayWindows::Window& windowOf(FakeOverlayWindows& overlays, const OverlayPicture* picture) {
    for (FakeOverlayWindows::Window* window : overlays.windows)
        if (&window->picture == picture)
            return *window;
    throw std::runtime_error("no such window");
}

TEST_F(ScreenIndicatorsTest, CentreWindowsAreBuiltHiddenAndShownCentredOnTheMainScreen) {
    overlays.available = QRect(0, 30, 1440, 870);
    indicators.buildCapsCenterWindow();
    indicators.buildNumCenterWindow();
    CenterWindow& capsPicture = *indicators.capsCenterWindow;
    CenterWindow& numPicture = *indicators.numCenterWindow;
    FakeOverlayWindows::Window& caps = windowOf(overlays, &capsPicture);
    FakeOverlayWindows::Window& num = windowOf(overlays, &numPicture);
    EXPECT_TRUE(capsPicture.hasImage() && numPicture.hasImage());
    EXPECT_FALSE(caps.isVisible() || num.isVisible());

    // Caps Lock: see-through and click-through; Num Lock: an ordinary opaque window.
    EXPECT_DOUBLE_EQ(capsPicture.opacity(), 0.4);
    EXPECT_TRUE(caps.clickThrough);
    EXPECT_DOUBLE_EQ(numPicture.opacity(), 1.0);
    EXPECT_FALSE(num.clickThrough);

    indicators.showCapsCenterWindow(true);
    indicators.showNumCenterWindow(true);
    EXPECT_FALSE(caps.isVisible()) << "shown only after the change has been handled";
    QCoreApplication::processEvents();
    EXPECT_TRUE(caps.isVisible());
    EXPECT_EQ(caps.topLeft, centeredOrigin(overlays.available, capsPicture.size()));
    EXPECT_EQ(num.topLeft, centeredOrigin(overlays.available, numPicture.size()));
    // Queued calls keep their order: shown and hidden again within one change ends hidden.
    indicators.showCapsCenterWindow(false);
    indicators.showNumCenterWindow(false);
    indicators.showNumCenterWindow(true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(caps.isVisible());
    EXPECT_TRUE(num.isVisible());

    // A window closed before its queued call takes the call with it.
    indicators.showCapsCenterWindow(true);
    indicators.closeCenterWindows();
    EXPECT_FALSE(indicators.capsCenterWindow || indicators.numCenterWindow);
    EXPECT_TRUE(overlays.windows.empty());
    QCoreApplication::processEvents();
    indicators.showCapsCenterWindow(true);
}

// Where the display server names the screen the user works on, the picture goes there, asked
// anew at each showing (not at a hiding); where it names none, to the main screen.
TEST_F(ScreenIndicatorsTest, CentreWindowsGoToTheScreenTheUserWorksOn) {
    indicators.buildCapsCenterWindow();
    FakeOverlayWindows::Window& caps = windowOf(overlays, indicators.capsCenterWindow.get());
    for (const QRect& screen : {QRect(1440, 120, 1280, 800), QRect(-1024, 0, 1024, 768), QRect()}) {
        overlays.workingScreen = screen;
        indicators.showCapsCenterWindow(false);
        indicators.showCapsCenterWindow(true);
        QCoreApplication::processEvents();
        const QRect expected = screen.isEmpty() ? overlays.screen : screen;
        EXPECT_EQ(caps.topLeft, centeredOrigin(expected, QSize(500, 500))) << screen.x();
    }
    EXPECT_EQ(overlays.workingScreenAsked, 3);
}

// The image drawn at build time is shown scaled to the window at the screen's scale, the sharper
// one where the screen has more than one pixel a point; without one, or with a damaged one, there
// is nothing to show.
TEST(CenterWindowTest, ShowsTheDrawnImageAtTheScreensScale) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, std::uint32_t colour) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(PixelImage(10, 10, colour).packed());
    };
    write(QStringLiteral("Sample.pixels"), PixelImage::argb(255, 0, 200, 0));
    write(QStringLiteral("Sample@2x.pixels"), PixelImage::argb(255, 0, 0, 200));
    FakeOverlayWindows overlays;
    CenterWindow window(dir.filePath(QStringLiteral("Sample.svg")), QSize(40, 40), 1.0, overlays,
                        false);
    EXPECT_TRUE(window.hasImage());
    overlays.windows[0]->show({});
    EXPECT_EQ(overlays.windows[0]->drawn.size(), QSize(40, 40));
    EXPECT_EQ(overlays.windows[0]->drawn.pixel(20, 20), PixelImage::argb(255, 0, 200, 0));
    overlays.scale = 1.5;
    overlays.windows[0]->show({});
    EXPECT_EQ(overlays.windows[0]->drawn.size(), QSize(60, 60));
    EXPECT_EQ(overlays.windows[0]->drawn.pixel(30, 30), PixelImage::argb(255, 0, 0, 200));

    overlays.scale = 1;
    write(QStringLiteral("Damaged.pixels"), 0);
    QFile damaged(dir.filePath(QStringLiteral("Damaged.pixels")));
    ASSERT_TRUE(damaged.resize(damaged.size() - 4));
    for (const char* name : {"Damaged.svg", "Missing.svg"}) {
        CenterWindow empty(dir.filePath(QLatin1String(name)), QSize(50, 50), 1.0, overlays, false);
        overlays.windows.back()->show({});
        EXPECT_EQ(overlays.windows.back()->drawn, PixelImage(50, 50)) << name;
    }
}

TEST_F(ScreenIndicatorsTest, UpperLeftWindowMovesFreelyUntilHeldThenIsPutBack) {
    indicators.buildUpperLeftWindow(otherKeys, OutlineColor::LightGray, 0);
    FakeOverlayWindows::Window& window = *overlays.windows.back();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.placement, OverlayPlacement::TopLeft);
    EXPECT_EQ(window.topLeft, QPoint(0, 4));
    window.moveBySomeoneElse(QPoint(300, 200));
    EXPECT_EQ(window.topLeft, QPoint(300, 200));

    indicators.holdUpperLeftWindowInPlace();
    window.moveBySomeoneElse(QPoint(310, 210));
    EXPECT_EQ(window.topLeft, QPoint(0, 4));

    indicators.closeUpperLeftWindow();
    EXPECT_FALSE(indicators.hasUpperLeftWindow());
    EXPECT_EQ(indicators.upperLHView, nullptr);
    EXPECT_TRUE(overlays.windows.empty());
    indicators.setModifiers(0x400);
}

} // namespace
