#include "helper/indicators/QtIndicators.h"
#include "helper/indicators/IndicatorGeometry.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScreen>
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

class QtIndicatorsTest : public ::testing::Test {
protected:
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    FakeStatusIconHost statusHosts;
    QtIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject, overlays, statusHosts};
};

TEST_F(QtIndicatorsTest, CentreWindowsAreBuiltHiddenAndShownCentredOnTheMainScreen) {
    indicators.buildCapsCenterWindow();
    indicators.buildNumCenterWindow();
    CenterWindow& caps = *indicators.capsCenterWindow;
    CenterWindow& num = *indicators.numCenterWindow;
    EXPECT_TRUE(caps.hasImage() && num.hasImage());
    EXPECT_FALSE(caps.isVisible() || num.isVisible());

    // Caps Lock: see-through and click-through; Num Lock: an ordinary opaque window.
    EXPECT_DOUBLE_EQ(caps.windowOpacity(), 0.4);
    EXPECT_TRUE(caps.windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_DOUBLE_EQ(num.windowOpacity(), 1.0);
    EXPECT_FALSE(num.windowFlags().testFlag(Qt::WindowTransparentForInput));

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    indicators.showCapsCenterWindow(true);
    indicators.showNumCenterWindow(true);
    EXPECT_FALSE(caps.isVisible()) << "shown only after the change has been handled";
    QApplication::processEvents();
    EXPECT_TRUE(caps.isVisible());
    EXPECT_EQ(caps.pos(), centeredOrigin(available, caps.size()));
    EXPECT_EQ(num.pos(), centeredOrigin(available, num.size()));
    // Queued calls keep their order: shown and hidden again within one change ends hidden.
    indicators.showCapsCenterWindow(false);
    indicators.showNumCenterWindow(false);
    indicators.showNumCenterWindow(true);
    QApplication::processEvents();
    EXPECT_FALSE(caps.isVisible());
    EXPECT_TRUE(num.isVisible());

    // A window closed before its queued call takes the call with it.
    indicators.showCapsCenterWindow(true);
    indicators.closeCenterWindows();
    EXPECT_FALSE(indicators.capsCenterWindow || indicators.numCenterWindow);
    QApplication::processEvents();
    indicators.showCapsCenterWindow(true);
}

// Where the display server names the screen the user works on, the picture goes there, asked
// anew at each showing (not at a hiding); where it names none, to the main screen.
TEST_F(QtIndicatorsTest, CentreWindowsGoToTheScreenTheUserWorksOn) {
    indicators.buildCapsCenterWindow();
    CenterWindow& caps = *indicators.capsCenterWindow;
    for (const QRect& screen : {QRect(1440, 120, 1280, 800), QRect(-1024, 0, 1024, 768), QRect()}) {
        overlays.workingScreen = screen;
        indicators.showCapsCenterWindow(false);
        indicators.showCapsCenterWindow(true);
        QApplication::processEvents();
        const QRect expected =
            screen.isEmpty() ? QGuiApplication::primaryScreen()->availableGeometry() : screen;
        EXPECT_EQ(caps.pos(), centeredOrigin(expected, caps.size())) << screen.x();
    }
    EXPECT_EQ(overlays.workingScreenAsked, 3);
}

// The image drawn at build time beside the vectors is shown instead of them, scaled to the
// window; without one the vectors are drawn, and without either there is nothing to show.
TEST(CenterWindowTest, ShowsTheDrawnImageWhenThereIsOneElseTheVectors) {
    QTemporaryDir dir;
    QImage drawn(QSize(10, 10), QImage::Format_ARGB32);
    drawn.fill(QColor(0, 200, 0));
    QFile file(dir.filePath(QStringLiteral("Sample.pixels")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(CenterWindow::pack(drawn));
    file.close();
    CenterWindow window(dir.filePath(QStringLiteral("Sample.svg")), QSize(40, 40));
    EXPECT_TRUE(window.hasImage());
    EXPECT_FALSE(window.drawsVectors());
    EXPECT_EQ(window.grab().toImage().pixelColor(20, 20), QColor(0, 200, 0));

    CenterWindow vectors(QStringLiteral(KEYVIGIL_TEST_IMAGES "/CapsLockCenter.svg"), QSize(50, 50));
    EXPECT_TRUE(vectors.hasImage() && vectors.drawsVectors());
    CenterWindow missing(dir.filePath(QStringLiteral("Missing.svg")), QSize(50, 50));
    EXPECT_FALSE(missing.hasImage());

    // A damaged or short file gives nothing rather than garbage.
    const QByteArray packed = CenterWindow::pack(drawn);
    const auto unpack = [](const QByteArray& bytes) {
        return CenterWindow::unpack(reinterpret_cast<const uchar*>(bytes.constData()),
                                    bytes.size());
    };
    EXPECT_EQ(unpack(packed).pixelColor(5, 5), QColor(0, 200, 0));
    EXPECT_TRUE(unpack(packed.left(packed.size() - 4)).isNull());
    EXPECT_TRUE(unpack(QByteArrayLiteral("not an image")).isNull());
}

TEST_F(QtIndicatorsTest, UpperLeftWindowMovesFreelyUntilHeldThenIsPutBack) {
    indicators.buildUpperLeftWindow(otherKeys, OutlineColor::LightGray, 0);
    QWidget& window = *indicators.upperLHcorner;
    EXPECT_TRUE(window.isVisible());
    window.move(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(300, 200));

    indicators.holdUpperLeftWindowInPlace();
    EXPECT_EQ(kvObject.upperLHcornerWindow, &window);
    window.move(310, 210);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(0, 4));

    indicators.closeUpperLeftWindow();
    EXPECT_FALSE(indicators.hasUpperLeftWindow());
    EXPECT_EQ(indicators.upperLHView, nullptr);
    EXPECT_EQ(kvObject.upperLHcornerWindow, nullptr);
    indicators.setModifiers(0x400);
}

} // namespace
