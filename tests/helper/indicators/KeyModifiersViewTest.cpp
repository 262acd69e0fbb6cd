#include "helper/indicators/QtIndicators.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t command = 0x100, shift = 0x200, capsLock = 0x400, option = 0x800,
                        control = 0x1000, numLock = 0x10000, function = 0x20000;
constexpr std::uint32_t otherKeys = function | control | option | shift | command;

const QColor grey{170, 170, 170}, red{255, 0, 0}, cyan{0, 255, 255}, black{0, 0, 0};

// The upper-left window as the settings load builds it, read back pixel by pixel.
class KeyModifiersView : public ::testing::Test {
protected:
    QImage draw(std::uint32_t mask, OutlineColor outline, std::uint32_t modifiers) {
        indicators.buildUpperLeftWindow(mask, outline, modifiers);
        return indicators.upperLHcorner->grab().toImage();
    }
    QImage redraw(std::uint32_t modifiers) {
        indicators.setModifiers(modifiers);
        return indicators.upperLHcorner->grab().toImage();
    }
    // A cell's middle pixel, the cell given in the view's bottom-up coordinates.
    static QColor cell(const QImage& image, QRect r) {
        return image.pixelColor(r.x() + r.width() / 2, image.height() - r.y() - r.height() / 2 - 1);
    }
    static bool clear(const QColor& c) { return c.alpha() == 0; }

    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    FakeStatusIconHost statusHosts;
    QtIndicators indicators{KEYVIGIL_TEST_IMAGES, kvObject, overlays, statusHosts};
};

TEST_F(KeyModifiersView, BothLocksAndTheOtherKeysSplitTheTopRow) {
    const QImage none = draw(capsLock | numLock | otherKeys, OutlineColor::LightGray, 0);
    keyModifiersView& view = *indicators.upperLHView;
    EXPECT_EQ(view.capsRect, QRect(1, 8, 7, 6));
    EXPECT_EQ(view.numRect, QRect(9, 8, 7, 6));
    ASSERT_EQ(none.size(), QSize(17, 15));

    // Outline and the one-point gaps are grey; every cell is a transparent hole.
    EXPECT_EQ(none.pixelColor(0, 0), grey);
    EXPECT_EQ(none.pixelColor(16, 14), grey);
    EXPECT_EQ(none.pixelColor(8, 3), grey);  // between the lock cells
    EXPECT_EQ(none.pixelColor(4, 10), grey); // between fn and ctrl
    EXPECT_EQ(none.pixelColor(8, 7), grey);  // between the rows
    for (QRect r :
         {view.capsRect, view.numRect, view.fnRect, view.ctrlRect, view.optionRect, view.cmdRect})
        EXPECT_TRUE(clear(cell(none, r)));

    const QImage all = redraw(capsLock | numLock | function | control | option | command);
    EXPECT_EQ(cell(all, view.capsRect), red);
    EXPECT_EQ(cell(all, view.numRect), red);
    EXPECT_EQ(cell(all, view.fnRect), black);
    EXPECT_EQ(cell(all, view.ctrlRect), cyan);
    EXPECT_EQ(cell(all, view.optionRect), black);
    EXPECT_EQ(cell(all, view.cmdRect), cyan);
    // Cells fill exactly their rectangles: the corners of the Caps Lock cell in Qt's rows 1-6.
    EXPECT_EQ(all.pixelColor(1, 1), red);
    EXPECT_EQ(all.pixelColor(7, 6), red);
    EXPECT_EQ(all.pixelColor(7, 0), grey);
    EXPECT_EQ(all.pixelColor(0, 6), grey);

    const QImage control_ = redraw(control);
    EXPECT_TRUE(clear(cell(control_, view.capsRect)));
    EXPECT_EQ(cell(control_, view.ctrlRect), cyan);
    EXPECT_TRUE(clear(cell(control_, view.cmdRect)));
    EXPECT_TRUE(clear(cell(redraw(shift), view.numRect))); // Shift lights only Caps Lock's
}

TEST_F(KeyModifiersView, OneLockAloneGetsTheWholeTopRow) {
    const QImage off = draw(capsLock, OutlineColor::LightGray, 0);
    keyModifiersView& view = *indicators.upperLHView;
    ASSERT_EQ(off.size(), QSize(17, 8));
    EXPECT_EQ(view.capsRect, QRect(1, 1, 15, 6));
    EXPECT_EQ(view.numRect, view.capsRect);
    EXPECT_TRUE(clear(off.pixelColor(1, 1)) && clear(off.pixelColor(15, 6)));
    const QImage on = redraw(capsLock);
    EXPECT_EQ(on.pixelColor(1, 1), red);
    EXPECT_EQ(on.pixelColor(15, 6), red);
    for (const QPoint outline : {QPoint(16, 6), QPoint(8, 7)})
        EXPECT_EQ(on.pixelColor(outline), grey);
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
        EXPECT_EQ(draw(mask, OutlineColor::LightGray, modifiers).pixelColor(4, 3) == red, lit)
            << std::hex << mask << " " << modifiers;
}

// A larger size makes every cell and gap as many times larger, and a screen's pixel ratio
// scales the whole drawing again, each edge on a whole pixel.
TEST_F(KeyModifiersView, LargerSizesAndPixelRatiosScaleEveryCell) {
    indicators.buildUpperLeftWindow(capsLock | numLock | otherKeys, OutlineColor::LightGray,
                                    capsLock, 2);
    const QImage twice = indicators.upperLHcorner->grab().toImage();
    ASSERT_EQ(twice.size(), QSize(34, 30));
    EXPECT_EQ(twice.pixelColor(2, 2), red); // Caps Lock's cell, Qt's columns 1-7 and rows 1-6
    EXPECT_EQ(twice.pixelColor(15, 13), red);
    EXPECT_EQ(twice.pixelColor(1, 2), grey);
    EXPECT_EQ(twice.pixelColor(16, 13), grey); // the gap between the locks, two pixels wide
    EXPECT_EQ(twice.pixelColor(17, 13), grey);
    EXPECT_TRUE(clear(twice.pixelColor(18, 13)));

    QImage device(twice.size() * 2, QImage::Format_ARGB32_Premultiplied);
    device.setDevicePixelRatio(2);
    device.fill(Qt::transparent);
    indicators.upperLHView->render(&device);
    EXPECT_EQ(device.pixelColor(4, 4), red);
    EXPECT_EQ(device.pixelColor(3, 4), grey);
    EXPECT_EQ(device.pixelColor(31, 27), red);
    EXPECT_EQ(device.pixelColor(32, 27), grey);
}

TEST_F(KeyModifiersView, WithoutOutlinesOnlyLitCellsShow) {
    const QImage image = draw(capsLock | numLock | otherKeys, OutlineColor::Clear, command);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += image.pixelColor(x, y).alpha() != 0;
    EXPECT_EQ(opaque, 3 * 6);
    EXPECT_EQ(cell(image, indicators.upperLHView->cmdRect), cyan);
}

} // namespace
