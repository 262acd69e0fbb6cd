#include "helper/indicators/ScreenIndicators.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t command = 0x100, shift = 0x200, capsLock = 0x400, option = 0x800,
                        control = 0x1000, numLock = 0x10000, function = 0x20000;
constexpr std::uint32_t otherKeys = function | control | option | shift | command;

constexpr std::uint32_t grey = PixelImage::argb(255, 170, 170, 170),
                        red = PixelImage::argb(255, 255, 0, 0),
                        cyan = PixelImage::argb(255, 0, 255, 255),
                        black = PixelImage::argb(255, 0, 0, 0), hole = 0;

struct Pixel {
    int x, y;
    std::uint32_t colour;
};

void expectPixels(const PixelImage& image, std::initializer_list<Pixel> pixels) {
    for (const auto& [x, y, colour] : pixels)
        EXPECT_EQ(image.pixel(x, y), colour) << x << "," << y << " of " << image.width();
}

// The upper-left window as the settings load builds it, read back pixel by pixel.
class KeyModifiersView : public ::testing::Test {
protected:
    PixelImage draw(std::uint32_t mask, OutlineColor outline, std::uint32_t modifiers,
                    int size = 1) {
        indicators.buildUpperLeftWindow(mask, outline, modifiers, size);
        return window().drawn;
    }
    PixelImage redraw(std::uint32_t modifiers) {
        indicators.setModifiers(modifiers);
        return window().drawn;
    }
    FakeOverlayWindows::Window& window() { return *overlays.windows.back(); }
    // A cell's middle pixel, the cell given in the view's bottom-up coordinates.
    static std::uint32_t cell(const PixelImage& image, QRect r) {
        return image.pixel(r.x() + r.width() / 2, image.height() - r.y() - r.height() / 2 - 1);
    }

    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    FakeStatusIconHost statusHosts;
    ScreenIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject, overlays, statusHosts};
};

TEST_F(KeyModifiersView, BothLocksAndTheOtherKeysSplitTheTopRow) {
    const PixelImage none = draw(capsLock | numLock | otherKeys, OutlineColor::LightGray, 0);
    keyModifiersView& view = *indicators.upperLHView;
    EXPECT_EQ(view.capsRect, QRect(1, 8, 7, 6));
    EXPECT_EQ(view.numRect, QRect(9, 8, 7, 6));
    ASSERT_EQ(none.size(), QSize(17, 15));

    // Outline and the one-point gaps (between the lock cells, between fn and ctrl, between the
    // rows) are grey; every cell is a transparent hole.
    expectPixels(none, {{0, 0, grey}, {16, 14, grey}, {8, 3, grey}, {4, 10, grey}, {8, 7, grey}});
    const QRect cells[] = {view.capsRect, view.numRect,    view.fnRect,
                           view.ctrlRect, view.optionRect, view.cmdRect};
    for (QRect r : cells)
        EXPECT_EQ(cell(none, r), hole);

    const PixelImage all = redraw(capsLock | numLock | function | control | option | command);
    const std::uint32_t lit[] = {red, red, black, cyan, black, cyan};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cell(all, cells[i]), lit[i]) << i;
    // Cells fill exactly their rectangles: the corners of the Caps Lock cell in Qt's rows 1-6.
    expectPixels(all, {{1, 1, red}, {7, 6, red}, {7, 0, grey}, {0, 6, grey}});

    const PixelImage control_ = redraw(control);
    EXPECT_EQ(cell(control_, view.capsRect), hole);
    EXPECT_EQ(cell(control_, view.ctrlRect), cyan);
    EXPECT_EQ(cell(control_, view.cmdRect), hole);
    EXPECT_EQ(cell(redraw(shift), view.numRect), hole); // Shift lights only Caps Lock's
}

TEST_F(KeyModifiersView, OneLockAloneGetsTheWholeTopRow) {
    const PixelImage off = draw(capsLock, OutlineColor::LightGray, 0);
    keyModifiersView& view = *indicators.upperLHView;
    ASSERT_EQ(off.size(), QSize(17, 8));
    EXPECT_EQ(view.capsRect, QRect(1, 1, 15, 6));
    EXPECT_EQ(view.numRect, view.capsRect);
    expectPixels(off, {{1, 1, hole}, {15, 6, hole}});
    expectPixels(redraw(capsLock), {{1, 1, red}, {15, 6, red}, {16, 6, grey}, {8, 7, grey}});
}

// The top row's first cell, whichever lock it shows: Shift lights it with the other keys, Num
// Lock never lights it when not shown, and where both lock steps paint one shared cell the Num
// Lock step, coming second, decides.
TEST_F(KeyModifiersView, WhatLightsTheTopRow) {
    struct Case {
        std::uint32_t mask, modifiers;
        bool lit;
    };
    for (const auto& [mask, modifiers, lit] :
         {Case{numLock | otherKeys, shift, false}, Case{numLock | otherKeys, shift | numLock, true},
          Case{otherKeys, numLock, false}, Case{otherKeys, shift, true},
          Case{capsLock | numLock | otherKeys, shift, true}})
        EXPECT_EQ(draw(mask, OutlineColor::LightGray, modifiers).pixel(4, 3) == red, lit)
            << std::hex << mask << " " << modifiers;
}

// A larger size makes every cell and gap as many times larger, and a screen's scale scales the
// whole drawing again, each edge on a whole pixel; a change is drawn at once, and only a change.
TEST_F(KeyModifiersView, LargerSizesAndScreenScalesScaleEveryCell) {
    constexpr std::uint32_t everything = capsLock | numLock | otherKeys;
    const PixelImage twice = draw(everything, OutlineColor::LightGray, capsLock, 2);
    ASSERT_EQ(twice.size(), QSize(34, 30));
    // Caps Lock's cell is columns 1-7 and rows 1-6; the gap between the locks two pixels wide.
    expectPixels(
        twice,
        {{2, 2, red}, {15, 13, red}, {1, 2, grey}, {16, 13, grey}, {17, 13, grey}, {18, 13, hole}});

    overlays.scale = 2;
    const PixelImage device = draw(everything, OutlineColor::LightGray, capsLock, 2);
    ASSERT_EQ(device.size(), QSize(68, 60));
    expectPixels(device, {{4, 4, red}, {3, 4, grey}, {31, 27, red}, {32, 27, grey}});

    overlays.scale = 1.25; // 17 x 15 points, 21 x 19 pixels: the gaps stay
    const PixelImage fractional = draw(everything, OutlineColor::LightGray, capsLock | numLock);
    ASSERT_EQ(fractional.size(), QSize(21, 19));
    expectPixels(fractional, {{9, 3, red}, {10, 3, grey}, {11, 3, red}});

    const int repaints = window().repaints;
    indicators.setModifiers(capsLock | numLock | 0x80000000); // nothing shown changes
    EXPECT_EQ(window().repaints, repaints);
    EXPECT_EQ(redraw(numLock).pixel(5, 3), hole);
    EXPECT_EQ(window().repaints, repaints + 1);
}

TEST_F(KeyModifiersView, WithoutOutlinesOnlyLitCellsShow) {
    const PixelImage image = draw(capsLock | numLock | otherKeys, OutlineColor::Clear, command);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += image.pixel(x, y) != hole;
    EXPECT_EQ(opaque, 3 * 6);
    EXPECT_EQ(cell(image, indicators.upperLHView->cmdRect), cyan);
}

} // namespace
