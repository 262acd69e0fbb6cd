#include "helper/indicators/QtIndicators.h"
#include "helper/indicators/IndicatorGeometry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t otherKeys = 0x21B00;

class QtIndicatorsTest : public ::testing::Test {
protected:
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    QtIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject};
};

TEST_F(QtIndicatorsTest, TheImagesLoadFromTheResourcesFolder) {
    for (const QIcon* icon : {&indicators.openIcon, &indicators.closedIcon}) {
        const QImage image = icon->pixmap(22, 22).toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(11, 18).alpha(), 255); // the padlock's body
    }
    EXPECT_NE(indicators.openIcon.pixmap(22, 22).toImage(),
              indicators.closedIcon.pixmap(22, 22).toImage());
    indicators.buildCapsCenterWindow();
    indicators.buildNumCenterWindow();
    EXPECT_TRUE(indicators.capsCenterWindow->image().isValid());
    EXPECT_TRUE(indicators.numCenterWindow->image().isValid());
}

TEST_F(QtIndicatorsTest, StatusItemSwitchesBetweenItsTwoIconsUntilRemoved) {
    indicators.menuBar(0x400); // no status item yet: nothing happens
    EXPECT_FALSE(indicators.hasStatusItem());

    indicators.buildStatusItem();
    ASSERT_TRUE(indicators.hasStatusItem());
    QSystemTrayIcon& item = *indicators.menuBarIcon;
    EXPECT_EQ(item.icon().cacheKey(), indicators.openIcon.cacheKey());
    indicators.menuBar(0x10000);
    EXPECT_EQ(item.icon().cacheKey(), indicators.closedIcon.cacheKey());
    indicators.menuBar(0x200);
    EXPECT_EQ(item.icon().cacheKey(), indicators.closedIcon.cacheKey());
    indicators.menuBar(0);
    EXPECT_EQ(item.icon().cacheKey(), indicators.openIcon.cacheKey());

    indicators.removeStatusItem();
    EXPECT_FALSE(indicators.hasStatusItem());
    EXPECT_EQ(indicators.menuBarIcon, nullptr);
    indicators.menuBar(0x400);
}

TEST_F(QtIndicatorsTest, CentreWindowsAreBuiltHiddenAndShownCentredOnTheMainScreen) {
    indicators.buildCapsCenterWindow();
    indicators.buildNumCenterWindow();
    CenterWindow& caps = *indicators.capsCenterWindow;
    CenterWindow& num = *indicators.numCenterWindow;
    EXPECT_FALSE(caps.isVisible());
    EXPECT_FALSE(num.isVisible());
    EXPECT_EQ(caps.size(), QSize(500, 500));
    EXPECT_EQ(num.size(), QSize(268, 335));

    // Caps Lock: see-through and click-through; Num Lock: an ordinary opaque window.
    EXPECT_DOUBLE_EQ(caps.windowOpacity(), 0.4);
    EXPECT_TRUE(caps.windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_DOUBLE_EQ(num.windowOpacity(), 1.0);
    EXPECT_FALSE(num.windowFlags().testFlag(Qt::WindowTransparentForInput));

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    indicators.showCapsCenterWindow(true);
    indicators.showNumCenterWindow(true);
    EXPECT_TRUE(caps.isVisible());
    EXPECT_EQ(caps.pos(), centeredOrigin(available, caps.size()));
    EXPECT_EQ(num.pos(), centeredOrigin(available, num.size()));

    indicators.showCapsCenterWindow(false);
    EXPECT_FALSE(caps.isVisible());
    EXPECT_TRUE(num.isVisible());

    indicators.closeCenterWindows();
    EXPECT_EQ(indicators.capsCenterWindow, nullptr);
    EXPECT_EQ(indicators.numCenterWindow, nullptr);
    indicators.showCapsCenterWindow(true);
}

TEST_F(QtIndicatorsTest, UpperLeftWindowSitsOnTheTopBarOfTheMainScreen) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().height(), 900);

    indicators.buildUpperLeftWindow(0x400 | otherKeys, OutlineColor::LightGray, 0x400);
    ASSERT_TRUE(indicators.hasUpperLeftWindow());
    QWidget& window = *indicators.upperLHcorner;
    EXPECT_EQ(window.geometry(), QRect(0, 4, 17, 15));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_EQ(indicators.upperLHView->geometry(), QRect(0, 0, 17, 15));
    EXPECT_EQ(indicators.upperLHView->modifiers, 0x400u);
    EXPECT_EQ(indicators.upperLHView->modifiersOutlineColor, keyModifiersView::lightGrayColor);

    indicators.buildUpperLeftWindow(0x10000, OutlineColor::Clear, 0);
    EXPECT_EQ(indicators.upperLHcorner->geometry(), QRect(0, 7, 17, 8));
    EXPECT_EQ(indicators.upperLHView->modifiersOutlineColor.alpha(), 0);

    indicators.setModifiers(0x10400);
    EXPECT_EQ(indicators.upperLHView->modifiers, 0x10000u);

    indicators.closeUpperLeftWindow();
    EXPECT_FALSE(indicators.hasUpperLeftWindow());
    EXPECT_EQ(indicators.upperLHView, nullptr);
    EXPECT_EQ(kvObject.upperLHcornerWindow, nullptr);
    indicators.setModifiers(0x400);
}

TEST_F(QtIndicatorsTest, UpperLeftWindowMovesFreelyUntilHeldThenIsPutBack) {
    indicators.buildUpperLeftWindow(otherKeys, OutlineColor::LightGray, 0);
    QWidget& window = *indicators.upperLHcorner;
    EXPECT_EQ(kvObject.upperLHcornerWindow, nullptr);
    window.move(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(300, 200));

    indicators.holdUpperLeftWindowInPlace();
    EXPECT_EQ(kvObject.upperLHcornerWindow, &window);
    window.move(310, 210);
    QApplication::processEvents();
    EXPECT_EQ(window.pos(), QPoint(0, 4));
}

} // namespace
