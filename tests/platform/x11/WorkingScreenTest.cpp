#include "platform/x11/WorkingScreen.h"
#include "platform/x11/OpaqueRectangles.h"

#include <gtest/gtest.h>

namespace {

// Two screens side by side, the right one smaller and lower, and a third one below the left.
const std::vector<QRect> screens{{0, 0, 1920, 1080}, {1920, 200, 1280, 800}, {0, 1080, 1920, 1080}};

TEST(WorkingScreen, TheActiveWindowsScreenElseThePointersElseNone) {
    const struct {
        const char* what;
        std::optional<QRect> window;
        std::optional<QPoint> pointer;
        int screen;
    } rows[] = {
        {"window on the right screen, pointer on the left", QRect(2000, 300, 600, 400),
         QPoint(10, 10), 1},
        {"window across two, mostly on the left", QRect(1500, 300, 600, 400), QPoint(2500, 500), 0},
        {"window across two, mostly below", QRect(100, 1000, 600, 400), std::nullopt, 2},
        {"window across two, half on each: the pointer's", QRect(1720, 300, 400, 400),
         QPoint(2500, 500), 1},
        {"window across two, half on each, pointer on neither: the first",
         QRect(1720, 300, 400, 400), QPoint(10, 1500), 0},
        {"a desktop covering every screen: the pointer's", QRect(0, 0, 3200, 2160),
         QPoint(500, 1500), 2},
        {"a desktop, pointer off every screen: the first", QRect(0, 0, 3200, 2160),
         QPoint(3000, 50), 0},
        {"window off every screen: the pointer's", QRect(-900, -900, 300, 300), QPoint(3000, 900),
         1},
        {"no active window: the pointer's", std::nullopt, QPoint(100, 2000), 2},
        {"pointer in the hole beside the smaller screen", std::nullopt, QPoint(3000, 50), -1},
        {"nothing known", std::nullopt, std::nullopt, -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(workingScreen(screens, row.window, row.pointer), row.screen) << row.what;
    EXPECT_EQ(workingScreen({}, QRect(0, 0, 10, 10), QPoint(1, 1)), -1);
}

// A window's shape: what is more opaque than not, identical rows folded into one band.
TEST(OpaqueRectangles, RunsOfOpaquePixelsFoldedIntoBands) {
    PixelImage image(8, 7);
    image.fill({1, 0, 2, 3}, 0xFFFF0000);                           // rows 0-2: two runs
    image.fill({5, 0, 3, 3}, PixelImage::argb(128, 0, 0, 0));       // just more opaque than not
    image.fill({0, 3, 8, 1}, PixelImage::argb(127, 127, 127, 127)); // row 3: just less
    image.fill({1, 4, 2, 2}, 0xFF0000FF); // rows 4-5: the run of rows 0-2, a row apart
    image.fill({1, 6, 3, 1}, 0xFF0000FF); // row 6: one pixel wider, a band of its own
    const std::vector<QRect> expected{{1, 0, 2, 3}, {5, 0, 3, 3}, {1, 4, 2, 2}, {1, 6, 3, 1}};
    EXPECT_EQ(opaqueRectangles(image), expected);

    const PixelImage opaque(5, 4, 0xFFFFFFFF);
    EXPECT_EQ(opaqueRectangles(opaque), std::vector<QRect>{QRect(0, 0, 5, 4)});
}

} // namespace
