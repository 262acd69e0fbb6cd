#include "helper/indicators/keyModifiersView.h"

#include "platform/MonitorEvent.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t redColor = PixelImage::argb(255, 255, 0, 0);
constexpr std::uint32_t cyanColor = PixelImage::argb(255, 0, 255, 255);
constexpr std::uint32_t blackColor = PixelImage::argb(255, 0, 0, 0);

} // namespace

keyModifiersView::keyModifiersView(const QRect& frame) : frame_(frame) {}

bool keyModifiersView::setModifiers(std::uint32_t m) {
    const std::uint32_t shown = m & modifiersMask;
    if (shown == modifiers)
        return false;
    modifiers = shown;
    return true;
}

void keyModifiersView::setMaskAndOutlineColor(std::uint32_t mask, std::uint32_t color) {
    modifiersMask = mask;
    modifiersOutlineColor = color;
    const int ty = (mask & ModifierMask::command) ? 8 : 1;
    if ((mask & splitTopMask) == splitTopMask) {
        capsRect = QRect(1, ty, 7, 6);
        numRect = QRect(9, ty, 7, 6);
    } else {
        numRect = QRect(1, ty, 15, 6);
        capsRect = numRect;
    }
}

void keyModifiersView::setScale(int s) {
    scale = std::max(s, 1);
}

void keyModifiersView::draw(PixelImage& image, double screenScale) const {
    // Every pixel is set: the clear cells are holes punched through the outline.
    image.fill(QRect(0, 0, image.width(), image.height()), modifiersOutlineColor);
    const double factor = scale * screenScale;
    const int unscaledHeight = frame_.height() / scale;
    // Edges rounded on their own, so that neighbouring cells keep their gap at any scale.
    const auto fill = [&](const QRect& cell, std::uint32_t color) {
        const int top = unscaledHeight - cell.y() - cell.height();
        const auto at = [factor](int points) { return int(std::lround(points * factor)); };
        image.fill(QRect(QPoint(at(cell.x()), at(top)),
                         QPoint(at(cell.x() + cell.width()) - 1, at(top + cell.height()) - 1)),
                   color);
    };

    constexpr std::uint32_t capsOrShift = ModifierMask::capsLock | ModifierMask::shift;
    if (modifiers & capsOrShift)
        fill(capsRect, redColor);
    else if (modifiersMask & capsOrShift)
        fill(capsRect, clearColor);

    if (modifiers & ModifierMask::numLock)
        fill(numRect, redColor);
    else if (modifiersMask & ModifierMask::numLock)
        fill(numRect, clearColor);

    if (modifiersMask & ModifierMask::command) {
        struct Cell {
            std::uint32_t bit;
            std::uint32_t color;
            QRect rect;
        };
        const Cell cells[] = {{ModifierMask::function, blackColor, fnRect},
                              {ModifierMask::control, cyanColor, ctrlRect},
                              {ModifierMask::option, blackColor, optionRect},
                              {ModifierMask::command, cyanColor, cmdRect}};
        for (const Cell& cell : cells)
            fill(cell.rect, (modifiers & cell.bit) ? cell.color : clearColor);
    }
}
