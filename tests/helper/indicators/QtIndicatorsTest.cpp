#include "helper/indicators/QtIndicators.h"
#include "helper/indicators/IndicatorGeometry.h"
#include "tests/fakes/FakeOverlayWindows.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

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
    EXPECT_EQ(centeredOrigin(QRect(0, 30, 1440, 870), QSize(500, 500)), QPoint(470, 153));
    EXPECT_EQ(centeredOrigin(QRect(1440, 0, 1920, 1080), QSize(268, 335)), QPoint(2266, 248));
}

class QtIndicatorsTest : public ::testing::Test {
protected:
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    QtIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject, overlays};
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

// A tray that starts when the test says so.
struct StandInTrays final : TrayWatcher {
    bool available() const override { return running; }
    void setAppearedHandler(std::function<void()> handler) override { appeared = handler; }
    void start() {
        running = true;
        if (appeared)
            appeared();
    }
    bool running = false;
    std::function<void()> appeared;
};

class StatusItemTray : public ::testing::Test {
protected:
    qint64 icon() const { return indicators->menuBarIcon->icon().cacheKey(); }

    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    StandInTrays trays;
    FakeOverlayWindows overlays;
    std::optional<QtIndicators> indicators{std::in_place, KEYVIGIL_TEST_IMAGES, kvObject, overlays,
                                           &trays};
};

TEST_F(StatusItemTray, TheIconShowsWhetherAWatchedKeyIsActiveUntilRemoved) {
    for (const QIcon* image : {&indicators->openIcon, &indicators->closedIcon}) {
        const QImage picture = image->pixmap(22, 22).toImage();
        EXPECT_FALSE(picture.isNull());
        EXPECT_EQ(picture.pixelColor(11, 18).alpha(), 255); // the padlock's body
    }
    EXPECT_NE(indicators->openIcon.pixmap(22, 22).toImage(),
              indicators->closedIcon.pixmap(22, 22).toImage());

    trays.running = true;
    indicators->menuBar(0x400); // no status item yet: nothing happens
    EXPECT_FALSE(indicators->hasStatusItem());
    indicators->buildStatusItem();
    ASSERT_TRUE(indicators->menuBarIcon);
    EXPECT_EQ(icon(), indicators->openIcon.cacheKey());
    for (const auto& [active, image] : {std::pair{0x10000u, &indicators->closedIcon},
                                        {0x200u, &indicators->closedIcon},
                                        {0u, &indicators->openIcon},
                                        {0x400u, &indicators->closedIcon}}) {
        indicators->menuBar(active);
        EXPECT_EQ(icon(), image->cacheKey()) << active;
    }
    indicators->removeStatusItem();
    EXPECT_FALSE(indicators->hasStatusItem() || indicators->menuBarIcon);
    indicators->menuBar(0x400);
    indicators->buildStatusItem(); // a rebuild starts open
    EXPECT_EQ(icon(), indicators->openIcon.cacheKey());
}

TEST_F(StatusItemTray, ATrayStartingLaterShowsTheIconAsLastAskedForUnlessRemoved) {
    indicators->buildStatusItem();
    indicators->menuBar(0x10000);
    indicators->removeStatusItem();
    trays.start();
    EXPECT_FALSE(indicators->hasStatusItem() || indicators->menuBarIcon);

    trays.running = false;
    indicators->buildStatusItem();
    indicators->menuBar(0x10000);
    indicators->menuBar(0x400);
    EXPECT_TRUE(indicators->hasStatusItem());
    EXPECT_EQ(indicators->menuBarIcon, nullptr);
    trays.start();
    ASSERT_NE(indicators->menuBarIcon, nullptr);
    QSystemTrayIcon* item = indicators->menuBarIcon.get();
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(icon(), indicators->closedIcon.cacheKey());

    // A tray restarting later keeps the icon the toolkit already has.
    trays.running = false;
    trays.start();
    EXPECT_EQ(indicators->menuBarIcon.get(), item);

    // The watcher outlives the indicators and must not call into them once they are gone.
    indicators.reset();
    EXPECT_FALSE(trays.appeared);
}

} // namespace
