#include "platform/x11/WorkingScreen.h"
#include "platform/x11/OpaqueRectangles.h"

#include <QPainter>

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
    QImage image(8, 7, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(1, 0, 2, 3, Qt::red);                    // rows 0-2: two runs
    painter.fillRect(5, 0, 3, 3, QColor(0, 0, 0, 128));       // just more opaque than not
    painter.fillRect(0, 3, 8, 1, QColor(255, 255, 255, 127)); // row 3: just less
    painter.fillRect(1, 4, 2, 2, Qt::blue); // rows 4-5: the run of rows 0-2, a row apart
    painter.fillRect(1, 6, 3, 1, Qt::blue); // row 6: one pixel wider, a band of its own
    painter.end();
    const std::vector<QRect> expected{{1, 0, 2, 3}, {5, 0, 3, 3}, {1, 4, 2, 2}, {1, 6, 3, 1}};
    EXPECT_EQ(opaqueRectangles(image), expected);

    QImage opaque(5, 4, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    EXPECT_EQ(opaqueRectangles(opaque), std::vector<QRect>{opaque.rect()});
}

} // namespace
