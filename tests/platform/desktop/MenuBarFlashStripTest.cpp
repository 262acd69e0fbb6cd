#include "platform/desktop/MenuBarFlashStrip.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/platform/support/TestFiles.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A warning flashes twice in a row (invert, restore): the strip must stay up long enough to be
// seen, and an invert that comes while it is still up keeps it there.
TEST(MenuBarFlashStripTest, StripCoversTheTopOfTheScreenAndStaysUpLongEnoughToBeSeen) {
    ensureApplication();
    FakeOverlayWindows overlays;
    MenuBarFlashStrip flasher(overlays);
    const QWidget& strip = flasher.strip();
    flasher.flashMenuBar(0);
    ASSERT_TRUE(strip.isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(strip.geometry(),
              QRect(screen.topLeft(), QSize(screen.width(), MenuBarFlashStrip::kHeight)));

    flasher.flashMenuBar(0);
    EXPECT_TRUE(strip.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !strip.isVisible(); }, 2000));

    flasher.flashMenuBar(0);
    flasher.flashMenuBar(0);
    flasher.flashMenuBar(0); // the next warning, while the strip waits to go
    QTest::qWait(300);
    EXPECT_TRUE(strip.isVisible());
    flasher.flashMenuBar(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !strip.isVisible(); }, 2000));
}

} // namespace
