#include "platform/desktop/MenuBarFlashStrip.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/platform/support/TestEventLoop.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A warning flashes twice in a row (invert, restore): the strip must stay up long enough to be
// seen, and an invert that comes while it is still up keeps it there.
TEST(MenuBarFlashStripTest, StripCoversTheTopOfTheScreenAndStaysUpLongEnoughToBeSeen) {
    ensureApplication();
    FakeOverlayWindows overlays;
    overlays.screen = QRect(-200, 10, 1280, 1024);
    MenuBarFlashStrip flasher(overlays);
    ASSERT_EQ(overlays.windows.size(), 1u);
    const FakeOverlayWindows::Window& strip = *overlays.windows[0];
    EXPECT_TRUE(strip.clickThrough);
    EXPECT_EQ(strip.placement, OverlayPlacement::TopEdge);
    flasher.flashMenuBar(0);
    ASSERT_TRUE(strip.isVisible());
    EXPECT_EQ(strip.topLeft, QPoint(-200, 10));
    EXPECT_EQ(strip.drawn.size(), QSize(1280, MenuBarFlashStrip::kHeight));
    EXPECT_EQ(strip.drawn.pixel(640, 5), PixelImage::argb(255, 0, 0, 0)) << "black, unread";

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

// What the screen shows along its top comes back inverted, at the screen's own pixels.
TEST(MenuBarFlashStripTest, StripShowsTheTopOfTheScreenInverted) {
    ensureApplication();
    FakeOverlayWindows overlays;
    overlays.scale = 2;
    overlays.screen = QRect(0, 0, 100, 80);
    overlays.topEdge = PixelImage(200, 44, PixelImage::argb(255, 255, 255, 255));
    overlays.topEdge.fill(QRect(0, 0, 10, 44), PixelImage::argb(255, 0, 128, 255));
    MenuBarFlashStrip flasher(overlays);
    flasher.flashMenuBar(0);
    const PixelImage& drawn = overlays.windows[0]->drawn;
    ASSERT_EQ(drawn.size(), QSize(200, 44));
    EXPECT_EQ(drawn.pixel(100, 20), PixelImage::argb(255, 0, 0, 0));
    EXPECT_EQ(drawn.pixel(5, 20), PixelImage::argb(255, 255, 127, 0));
    EXPECT_EQ(overlays.grabs, 1);
}

} // namespace
