#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

// Where the indicator windows go, as plain arithmetic so that it can be checked for any screen.

struct UpperLeftFrame {
    int scale = 1;   // times the smallest size
    int height = 0;  // 15 with the modifier row, 8 without, times the scale
    int originY = 0; // bottom edge, measured upwards from the screen's bottom
    QRect frame;     // the same window in the screen's top-down coordinates
};

// The upper-left window for `mask` on a screen of `screen` geometry, `scale` times its smallest
// size (at least once): 17 wide, centred on the
// 22-point top bar. The bottom edge is computed in single precision and cut toward zero so the
// window lands on the same whole point for every screen height. A window taller than the bar
// starts at the screen's top edge rather than above it.
UpperLeftFrame upperLeftFrame(const QRect& screen, std::uint32_t mask, int scale = 1);

// The top-left corner that centres a window of `size` in `available`: centred horizontally,
// and with a third of the spare height above it and two thirds below, so that it sits a little
// above the middle where the eye rests.
QPoint centeredOrigin(const QRect& available, const QSize& size);
