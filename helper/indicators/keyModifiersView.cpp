#include "helper/indicators/keyModifiersView.h"

#include "platform/MonitorEvent.h"

#include <QPainter>

#include <algorithm>

const QColor keyModifiersView::lightGrayColor{170, 170, 170};
const QColor keyModifiersView::clearColor{Qt::transparent};

namespace {
const QColor redColor{255, 0, 0};
const QColor cyanColor{0, 255, 255};
const QColor blackColor{0, 0, 0};
} // namespace

keyModifiersView::keyModifiersView(const QRect& frame, QWidget* parent) : QWidget(parent) {
    setGeometry(frame);
    // Every pixel is painted each time, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void keyModifiersView::setModifiers(std::uint32_t m) {
    const std::uint32_t shown = m & modifiersMask;
    if (shown == modifiers)
        return;
    modifiers = shown;
    // Painted and sent to the screen now, ahead of whatever else the change brings: a lock's
    // state is what this window is for.
    repaint();
}

void keyModifiersView::setMaskAndOutlineColor(std::uint32_t mask, const QColor& color) {
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
    update();
}

void keyModifiersView::setScale(int s) {
    scale = std::max(s, 1);
    update();
}

void keyModifiersView::fill(QPainter& painter, const QRect& cell, const QColor& color) const {
    // In the smallest size's units, which the painter scales.
    const int unscaledHeight = height() / scale;
    const QRect flipped(cell.x(), unscaledHeight - cell.y() - cell.height(), cell.width(),
                        cell.height());
    painter.fillRect(flipped, color);
}

void keyModifiersView::drawRect(QPainter& painter) const {
    // Source replaces what is there, so a clear fill punches a hole through the outline.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(0, 0, width(), height()), modifiersOutlineColor);
    painter.scale(scale, scale);

    constexpr std::uint32_t capsOrShift = ModifierMask::capsLock | ModifierMask::shift;
    if (modifiers & capsOrShift)
        fill(painter, capsRect, redColor);
    else if (modifiersMask & capsOrShift)
        fill(painter, capsRect, clearColor);

    if (modifiers & ModifierMask::numLock)
        fill(painter, numRect, redColor);
    else if (modifiersMask & ModifierMask::numLock)
        fill(painter, numRect, clearColor);

    if (modifiersMask & ModifierMask::command) {
        struct Cell {
            std::uint32_t bit;
            const QColor& color;
            QRect rect;
        };
        const Cell cells[] = {{ModifierMask::function, blackColor, fnRect},
                              {ModifierMask::control, cyanColor, ctrlRect},
                              {ModifierMask::option, blackColor, optionRect},
                              {ModifierMask::command, cyanColor, cmdRect}};
        for (const Cell& cell : cells)
            fill(painter, cell.rect, (modifiers & cell.bit) ? cell.color : clearColor);
    }
}

void keyModifiersView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawRect(painter);
}
