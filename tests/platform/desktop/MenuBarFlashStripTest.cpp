#include "platform/linux/MenuBarFlashStrip.h"
#include "tests/platform/support/TestFiles.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class MenuBarFlashStripTest : public ::testing::Test {
protected:
    // Before the fixture: the strip needs the application.
    static void SetUpTestSuite() { ensureApplication(); }
    MenuBarFlashStrip flasher;
};

TEST_F(MenuBarFlashStripTest, FirstCallCoversTheTopOfThePrimaryScreen) {
    flasher.flashMenuBar(0);
    const QWidget& strip = flasher.strip();
    EXPECT_TRUE(strip.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(strip.geometry(),
              QRect(screen.topLeft(), QSize(screen.width(), MenuBarFlashStrip::kHeight)));
}

TEST_F(MenuBarFlashStripTest, SecondCallRightAfterTheFirstHidesOnlyAfterAWhile) {
    flasher.flashMenuBar(0);
    flasher.flashMenuBar(0);
    EXPECT_TRUE(flasher.strip().isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flasher.strip().isVisible(); }, 2000));
}

TEST_F(MenuBarFlashStripTest, ThirdCallKeepsTheStripUpUntilTheFourth) {
    flasher.flashMenuBar(0);
    flasher.flashMenuBar(0);
    flasher.flashMenuBar(0);
    QTest::qWait(300);
    EXPECT_TRUE(flasher.strip().isVisible());
    flasher.flashMenuBar(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flasher.strip().isVisible(); }, 2000));
}

} // namespace
