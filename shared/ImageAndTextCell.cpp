#include "shared/ImageAndTextCell.h"

#include <algorithm>
#include <cmath>

namespace {

float centringOffset(float freeHeight) {
    return std::ceil(freeHeight * ImageAndTextCell::kCentringFactor);
}

} // namespace

float ImageAndTextCell::sliceWidth() const {
    return kImageMargin + (imageSize_ ? float(imageSize_->width()) : 0.0f);
}

ImageAndTextCell::Division ImageAndTextCell::divideFromMinXEdge(const QRectF& rect, float amount) {
    const float width = float(rect.width());
    const float sliceWidth = std::clamp(amount, 0.0f, std::max(width, 0.0f));
    const float x = float(rect.x());
    return {QRectF(x, rect.y(), sliceWidth, rect.height()),
            QRectF(x + sliceWidth, rect.y(), std::max(width - sliceWidth, 0.0f), rect.height())};
}

QRectF ImageAndTextCell::imageFrameForCellFrame(const QRectF& cellFrame) const {
    if (!imageSize_)
        return {};
    const float ih = float(imageSize_->height());
    return {float(cellFrame.x()) + kImageMargin,
            float(cellFrame.y()) + centringOffset(float(cellFrame.height()) - ih),
            imageSize_->width(), imageSize_->height()};
}

QRectF ImageAndTextCell::editingFrameForCellFrame(const QRectF& cellFrame) const {
    return divideFromMinXEdge(cellFrame, sliceWidth()).remainder;
}

ImageAndTextCell::Drawing ImageAndTextCell::drawingForCellFrame(const QRectF& cellFrame,
                                                                bool flipped,
                                                                bool drawsBackground) const {
    Drawing drawing;
    if (!imageSize_) {
        drawing.textFrame = cellFrame;
        return drawing;
    }
    const auto [slice, text] = divideFromMinXEdge(cellFrame, sliceWidth());
    drawing.imageSlice = slice;
    if (drawsBackground)
        drawing.backgroundFill = slice;
    const float h = float(cellFrame.height());
    const float iw = float(imageSize_->width());
    const float ih = float(imageSize_->height());
    const float x = float(slice.x()) + kImageMargin;
    const float y = float(slice.y()) + (flipped ? centringOffset(h + ih) : centringOffset(h - ih));
    drawing.imagePoint = QPointF(x, y);
    // Drawn from its lower left: in a flipped view that corner has the larger y.
    drawing.imageRect = QRectF(x, flipped ? y - ih : y, iw, ih);
    drawing.textFrame = text;
    return drawing;
}

QSizeF ImageAndTextCell::cellSize(const QSizeF& textCellSize) const {
    return {float(textCellSize.width()) + sliceWidth(), textCellSize.height()};
}
