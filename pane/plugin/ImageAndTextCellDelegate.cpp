#include "pane/plugin/ImageAndTextCellDelegate.h"

#include "shared/ImageAndTextCell.h"

#include <QApplication>
#include <QPainter>

namespace {

QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

bool hasImage(const QStyleOptionViewItem& option) {
    return option.features.testFlag(QStyleOptionViewItem::HasDecoration) && !option.icon.isNull();
}

ImageAndTextCell cellFor(const QStyleOptionViewItem& option) {
    constexpr qreal side = ImageAndTextCellDelegate::kImageSide;
    return ImageAndTextCell(hasImage(option) ? std::optional(QSizeF(side, side)) : std::nullopt);
}

// The option the style draws and measures the text with: the image is ours to draw.
QStyleOptionViewItem textOnly(QStyleOptionViewItem option) {
    option.features &= ~QStyleOptionViewItem::HasDecoration;
    option.icon = QIcon();
    option.decorationSize = QSize();
    return option;
}

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& option) {
    if (!option.state.testFlag(QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state.testFlag(QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
}

} // namespace

ImageAndTextCellDelegate::ImageAndTextCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void ImageAndTextCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    // The image arrives as a QIcon, implicitly shared: every copy of the option, of the model's
    // value or of the pixmap holds its own reference to one picture, released once each.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const bool drawsBackground = item.backgroundBrush.style() != Qt::NoBrush;
    const ImageAndTextCell::Drawing drawing =
        cellFor(item).drawingForCellFrame(item.rect, true, drawsBackground);

    // A table highlights the whole row, image slice included, whatever the view's style says.
    QStyleOptionViewItem text = textOnly(item);
    text.showDecorationSelected = true;
    text.rect = drawing.textFrame.toRect();

    if (drawing.imageRect) {
        painter->save();
        if (item.state.testFlag(QStyle::State_Selected))
            painter->fillRect(drawing.imageSlice,
                              item.palette.brush(colorGroup(item), QPalette::Highlight));
        if (drawing.backgroundFill)
            painter->fillRect(*drawing.backgroundFill, item.backgroundBrush);
        const QIcon::Mode mode =
            item.state.testFlag(QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled;
        const QPixmap image = item.icon.pixmap(QSize(kImageSide, kImageSide),
                                               painter->device()->devicePixelRatio(), mode);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(*drawing.imageRect, image, QRectF(image.rect()));
        painter->restore();
    }
    styleOf(item)->drawControl(QStyle::CE_ItemViewItem, &text, painter, item.widget);
}

QSize ImageAndTextCellDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    if (const QVariant hint = index.data(Qt::SizeHintRole); hint.isValid())
        return hint.toSize();
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyleOptionViewItem text = textOnly(item);
    const QSize textSize =
        styleOf(item)->sizeFromContents(QStyle::CT_ItemViewItem, &text, QSize(), item.widget);
    return cellFor(item).cellSize(textSize).toSize();
}

QWidget* ImageAndTextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                                const QModelIndex& index) const {
    return editable_ ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
}

void ImageAndTextCellDelegate::updateEditorGeometry(QWidget* editor,
                                                    const QStyleOptionViewItem& option,
                                                    const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    editor->setGeometry(cellFor(item).editingFrameForCellFrame(item.rect).toRect());
}
