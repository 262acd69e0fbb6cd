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
                        black = PixelImage::argb(255, 0, 0, 0);

// The upper-left window as the settings load builds it, read back pixel by pixel.
class KeyModifiersView : public ::testing::Test {
protected:
    PixelImage draw(std::uint32_t mask, OutlineColor outline, std::uint32_t modifiers) {
        indicators.buildUpperLeftWindow(mask, outline, modifiers);
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
    static bool clear(std::uint32_t pixel) { return pixel >> 24 == 0; }

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

    // Outline and the one-point gaps are grey; every cell is a transparent hole.
    EXPECT_EQ(none.pixel(0, 0), grey);
    EXPECT_EQ(none.pixel(16, 14), grey);
    EXPECT_EQ(none.pixel(8, 3), grey);  // between the lock cells
    EXPECT_EQ(none.pixel(4, 10), grey); // between fn and ctrl
    EXPECT_EQ(none.pixel(8, 7), grey);  // between the rows
    for (QRect r :
         {view.capsRect, view.numRect, view.fnRect, view.ctrlRect, view.optionRect, view.cmdRect})
        EXPECT_TRUE(clear(cell(none, r)));

    const PixelImage all = redraw(capsLock | numLock | function | control | option | command);
    EXPECT_EQ(cell(all, view.capsRect), red);
    EXPECT_EQ(cell(all, view.numRect), red);
    EXPECT_EQ(cell(all, view.fnRect), black);
    EXPECT_EQ(cell(all, view.ctrlRect), cyan);
    EXPECT_EQ(cell(all, view.optionRect), black);
    EXPECT_EQ(cell(all, view.cmdRect), cyan);
    // Cells fill exactly their rectangles: the corners of the Caps Lock cell in Qt's rows 1-6.
    EXPECT_EQ(all.pixel(1, 1), red);
    EXPECT_EQ(all.pixel(7, 6), red);
    EXPECT_EQ(all.pixel(7, 0), grey);
    EXPECT_EQ(all.pixel(0, 6), grey);

    const PixelImage control_ = redraw(control);
    EXPECT_TRUE(clear(cell(control_, view.capsRect)));
    EXPECT_EQ(cell(control_, view.ctrlRect), cyan);
    EXPECT_TRUE(clear(cell(control_, view.cmdRect)));
    EXPECT_TRUE(clear(cell(redraw(shift), view.numRect))); // Shift lights only Caps Lock's
}

TEST_F(KeyModifiersView, OneLockAloneGetsTheWholeTopRow) {
    const PixelImage off = draw(capsLock, OutlineColor::LightGray, 0);
    keyModifiersView& view = *indicators.upperLHView;
    ASSERT_EQ(off.size(), QSize(17, 8));
    EXPECT_EQ(view.capsRect, QRect(1, 1, 15, 6));
    EXPECT_EQ(view.numRect, view.capsRect);
    EXPECT_TRUE(clear(off.pixel(1, 1)) && clear(off.pixel(15, 6)));
    const PixelImage on = redraw(capsLock);
    EXPECT_EQ(on.pixel(1, 1), red);
    EXPECT_EQ(on.pixel(15, 6), red);
    EXPECT_EQ(on.pixel(16, 6), grey);
    EXPECT_EQ(on.pixel(8, 7), grey);
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
    indicators.buildUpperLeftWindow(capsLock | numLock | otherKeys, OutlineColor::LightGray,
                                    capsLock, 2);
    const PixelImage twice = window().drawn;
    ASSERT_EQ(twice.size(), QSize(34, 30));
    EXPECT_EQ(twice.pixel(2, 2), red); // Caps Lock's cell, columns 1-7 and rows 1-6
    EXPECT_EQ(twice.pixel(15, 13), red);
    EXPECT_EQ(twice.pixel(1, 2), grey);
    EXPECT_EQ(twice.pixel(16, 13), grey); // the gap between the locks, two pixels wide
    EXPECT_EQ(twice.pixel(17, 13), grey);
    EXPECT_TRUE(clear(twice.pixel(18, 13)));

    overlays.scale = 2;
    indicators.buildUpperLeftWindow(capsLock | numLock | otherKeys, OutlineColor::LightGray,
                                    capsLock, 2);
    const PixelImage device = window().drawn;
    ASSERT_EQ(device.size(), QSize(68, 60));
    EXPECT_EQ(device.pixel(4, 4), red);
    EXPECT_EQ(device.pixel(3, 4), grey);
    EXPECT_EQ(device.pixel(31, 27), red);
    EXPECT_EQ(device.pixel(32, 27), grey);

    overlays.scale = 1.25; // 17 x 15 points, 21 x 19 pixels: the gaps stay
    indicators.buildUpperLeftWindow(capsLock | numLock | otherKeys, OutlineColor::LightGray,
                                    capsLock | numLock);
    const PixelImage fractional = window().drawn;
    ASSERT_EQ(fractional.size(), QSize(21, 19));
    EXPECT_EQ(fractional.pixel(9, 3), red);
    EXPECT_EQ(fractional.pixel(10, 3), grey);
    EXPECT_EQ(fractional.pixel(11, 3), red);

    const int repaints = window().repaints;
    indicators.setModifiers(capsLock | numLock | 0x80000000); // nothing shown changes
    EXPECT_EQ(window().repaints, repaints);
    indicators.setModifiers(numLock);
    EXPECT_EQ(window().repaints, repaints + 1);
    EXPECT_TRUE(clear(window().drawn.pixel(5, 3)));
}

TEST_F(KeyModifiersView, WithoutOutlinesOnlyLitCellsShow) {
    const PixelImage image = draw(capsLock | numLock | otherKeys, OutlineColor::Clear, command);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += !clear(image.pixel(x, y));
    EXPECT_EQ(opaque, 3 * 6);
    EXPECT_EQ(cell(image, indicators.upperLHView->cmdRect), cyan);
}

} // namespace
