#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

#include <cstdint>

// The upper-left window's content: one cell per lock key on the top row and, when the other
// modifier keys are shown, one per modifier key on the bottom row. Rectangles are kept in the
// view's own bottom-up coordinates (y grows upwards from the bottom edge) and flipped only
// when painting.
class keyModifiersView : public QWidget {
    Q_OBJECT

public:
    static constexpr std::uint32_t splitTopMask = 0x10400;
    static constexpr QRect fnRect{1, 1, 3, 6};
    static constexpr QRect ctrlRect{5, 1, 3, 6};
    static constexpr QRect optionRect{9, 1, 3, 6};
    static constexpr QRect cmdRect{13, 1, 3, 6};

    static const QColor lightGrayColor;
    static const QColor clearColor;

    // initWithFrame: nothing shown, clear outline.
    explicit keyModifiersView(const QRect& frame, QWidget* parent = nullptr);

    void setModifiers(std::uint32_t m);
    void setMaskAndOutlineColor(std::uint32_t mask, const QColor& color);
    // Draws every cell `s` times as large; the rectangles stay in the smallest size's units.
    void setScale(int s);

    std::uint32_t modifiers = 0;
    std::uint32_t modifiersMask = 0;
    QColor modifiersOutlineColor = clearColor;
    QRect capsRect;
    QRect numRect;
    int scale = 1;

    // Draws the whole view into `painter`, whose device is the view's size.
    void drawRect(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fill(QPainter& painter, const QRect& cell, const QColor& color) const;
};
