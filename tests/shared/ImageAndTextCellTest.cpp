#include "shared/ImageAndTextCell.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
const QSizeF kIcon(16, 16);
} // namespace

// The lower-left point the image is drawn from, and the rectangle it covers, in the view's
// coordinates; the image frame is the same whichever way y runs.
TEST(ImageAndTextCell, ImageIsCentredRoundingUpInFlippedAndUnflippedViews) {
    struct Row {
        const char* what;
        QRectF cell;
        bool flipped;
        QPointF point;
        QRectF covered;
        QRectF frame;
    };
    for (const Row& row : {
             Row{"20 unflipped", {0, 0, 100, 20}, false, {3, 2}, {3, 2, 16, 16}, {3, 2, 16, 16}},
             Row{"20 flipped", {0, 0, 100, 20}, true, {3, 18}, {3, 2, 16, 16}, {3, 2, 16, 16}},
             Row{"19 unflipped", {0, 0, 100, 19}, false, {3, 2}, {3, 2, 16, 16}, {3, 2, 16, 16}},
             Row{"19 flipped", {0, 0, 100, 19}, true, {3, 18}, {3, 2, 16, 16}, {3, 2, 16, 16}},
             Row{"origin", {10, 40, 100, 20}, true, {13, 58}, {13, 42, 16, 16}, {13, 42, 16, 16}},
             // Taller than the cell: ceil(-1.5) is -1, not -2.
             Row{"13 unflipped", {0, 0, 100, 13}, false, {3, -1}, {3, -1, 16, 16}, {3, -1, 16, 16}},
             Row{"13 flipped", {0, 0, 100, 13}, true, {3, 15}, {3, -1, 16, 16}, {3, -1, 16, 16}},
         }) {
        SCOPED_TRACE(row.what);
        const ImageAndTextCell cell(kIcon);
        const auto drawing = cell.drawingForCellFrame(row.cell, row.flipped, false);
        EXPECT_EQ(drawing.imagePoint, row.point);
        EXPECT_EQ(drawing.imageRect, row.covered);
        EXPECT_EQ(cell.imageFrameForCellFrame(row.cell), row.frame);
    }
    EXPECT_TRUE(ImageAndTextCell().imageFrameForCellFrame({0, 0, 100, 20}).isNull());
}

// The text starts 3 in from the image slice, or 3 in from the edge without an image; only the
// slice is filled, and only when the cell draws its background.
TEST(ImageAndTextCell, TextFramesFillAndSizeWithAndWithoutImage) {
    const struct {
        const char* what;
        qreal imageWidth; // 16 high; 0: no image
        QRectF cell, editing, drawnText;
        std::optional<QRectF> fill;
        qreal width; // of the cell holding a 100 × 17 text, which keeps its height
    } rows[] = {
        {"image", 16, {10, 5, 200, 20}, {29, 5, 181, 20}, {29, 5, 181, 20}, {{10, 5, 19, 20}}, 119},
        {"wide", 32, {0, 0, 200, 20}, {35, 0, 165, 20}, {35, 0, 165, 20}, {{0, 0, 35, 20}}, 135},
        {"none", 0, {10, 5, 200, 20}, {13, 5, 197, 20}, {10, 5, 200, 20}, {}, 103},
        // Narrower than the slice: the text gets an empty frame at the right edge.
        {"narrow", 16, {10, 0, 12, 20}, {22, 0, 0, 20}, {22, 0, 0, 20}, {{10, 0, 12, 20}}, 119},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const ImageAndTextCell cell(row.imageWidth ? std::optional(QSizeF(row.imageWidth, 16))
                                                   : std::nullopt);
        EXPECT_EQ(cell.editingFrameForCellFrame(row.cell), row.editing);
        const auto drawn = cell.drawingForCellFrame(row.cell, true, true);
        EXPECT_EQ(drawn.textFrame, row.drawnText);
        EXPECT_EQ(drawn.backgroundFill, row.fill);
        EXPECT_EQ(drawn.imageRect.has_value(), row.imageWidth > 0);
        EXPECT_FALSE(cell.drawingForCellFrame(row.cell, true, false).backgroundFill);
        EXPECT_EQ(cell.cellSize({100, 17}), QSizeF(row.width, 17));
    }
}
