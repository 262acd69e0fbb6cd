#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>

// The geometry of a table cell that draws a small image at its left edge and its text to the
// right of it. Only the image's size matters here; whoever draws holds the image itself.
//
// The arithmetic is in single precision, and the vertical centring is rounded up to a whole
// point so that the image never straddles a pixel row at scale 1.
class ImageAndTextCell {
public:
    static constexpr float kImageMargin = 3.0f;
    static constexpr float kCentringFactor = 0.5f;

    // A rectangle cut in two from its minimum-X edge.
    struct Division {
        QRectF slice;
        QRectF remainder;
    };

    // Where a cell's parts go, in the view's own coordinates.
    struct Drawing {
        QRectF imageSlice;                    // margin and image, left of the text; null without
        std::optional<QRectF> backgroundFill; // the image slice, when the cell draws its background
        std::optional<QPointF> imagePoint;    // the point the image is drawn from: its lower left
        std::optional<QRectF> imageRect;      // what the image covers
        QRectF textFrame;                     // where the text cell draws
    };

    ImageAndTextCell() = default;
    explicit ImageAndTextCell(std::optional<QSizeF> imageSize) : imageSize_(imageSize) {}

    const std::optional<QSizeF>& imageSize() const { return imageSize_; }
    void setImageSize(std::optional<QSizeF> size) { imageSize_ = size; }

    // Origin x + 3, y + ceil((h - ih) / 2), whichever way the view's y runs; the null rectangle
    // without an image.
    QRectF imageFrameForCellFrame(const QRectF& cellFrame) const;

    // The frame the text is edited and selected in: the cell less a slice of 3 + the image's
    // width, so 3 points in even without an image.
    QRectF editingFrameForCellFrame(const QRectF& cellFrame) const;

    // In a flipped view (y growing downwards, as in every Qt view) the image's lower-left point
    // is at y + ceil((h + ih) / 2); otherwise at y + ceil((h - ih) / 2). Without an image the
    // text takes the whole cell and nothing else is drawn.
    Drawing drawingForCellFrame(const QRectF& cellFrame, bool flipped, bool drawsBackground) const;

    // The text's own size, 3 + the image's width wider; the height unchanged.
    QSizeF cellSize(const QSizeF& textCellSize) const;

    // An amount wider than the rectangle takes all of it and leaves an empty remainder at its
    // right edge.
    static Division divideFromMinXEdge(const QRectF& rect, float amount);

private:
    float sliceWidth() const;

    std::optional<QSizeF> imageSize_;
};
