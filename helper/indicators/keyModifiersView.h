#pragma once

#include "platform/OverlayWindows.h"

#include <QRect>

#include <cstdint>

// The upper-left window's content: one cell per lock key on the top row and, when the other
// modifier keys are shown, one per modifier key on the bottom row. Rectangles are kept in the
// view's own bottom-up coordinates (y grows upwards from the bottom edge), in the smallest size's
// points, and flipped and scaled only when drawing.
class keyModifiersView final : public OverlayPicture {
public:
    static constexpr std::uint32_t splitTopMask = 0x10400;
    static constexpr QRect fnRect{1, 1, 3, 6};
    static constexpr QRect ctrlRect{5, 1, 3, 6};
    static constexpr QRect optionRect{9, 1, 3, 6};
    static constexpr QRect cmdRect{13, 1, 3, 6};

    static constexpr std::uint32_t lightGrayColor = PixelImage::argb(255, 170, 170, 170);
    static constexpr std::uint32_t clearColor = 0;

    // initWithFrame: nothing shown, clear outline. `frame` is in points, at the window's size.
    explicit keyModifiersView(const QRect& frame);

    // True when what is shown changed, and the window must be drawn again.
    bool setModifiers(std::uint32_t m);
    void setMaskAndOutlineColor(std::uint32_t mask, std::uint32_t color);
    // Draws every cell `s` times as large; the rectangles stay in the smallest size's units.
    void setScale(int s);

    QSize size() const override { return frame_.size(); }
    void draw(PixelImage& image, double screenScale) const override;

    std::uint32_t modifiers = 0;
    std::uint32_t modifiersMask = 0;
    std::uint32_t modifiersOutlineColor = clearColor;
    QRect capsRect;
    QRect numRect;
    int scale = 1;

private:
    QRect frame_;
};
