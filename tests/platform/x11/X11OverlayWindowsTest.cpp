#include "platform/x11/X11OverlayWindows.h"
#include "tests/platform/support/TestEventLoop.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Indicators bypass the window manager, stay above, never take the focus, and let clicks through
// only where asked: the Num Lock picture may be clicked away, the flash may not be.
TEST(X11OverlayWindowsTest, IndicatorsBypassTheWindowManagerAndLetClicksThroughWhereAsked) {
    ensureApplication();
    X11OverlayWindows overlays;
    for (const bool clickThrough : {true, false}) {
        QWidget window;
        overlays.makeOverlay(window, OverlayPlacement::Centre, clickThrough);
        for (const Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::BypassWindowManagerHint,
                                          Qt::WindowStaysOnTopHint, Qt::WindowDoesNotAcceptFocus})
            EXPECT_TRUE(window.windowFlags().testFlag(flag)) << flag;
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowTransparentForInput), clickThrough);
        EXPECT_EQ(window.testAttribute(Qt::WA_TransparentForMouseEvents), clickThrough);
        EXPECT_TRUE(window.testAttribute(Qt::WA_ShowWithoutActivating));
    }
}

} // namespace
