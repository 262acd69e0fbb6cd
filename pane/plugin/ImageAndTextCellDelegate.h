#pragma once

#include <QStyledItemDelegate>

// Draws an item's decoration as a 16 × 16 image at the cell's left edge and its text to the
// right, with ImageAndTextCell's geometry; edits the text in the text frame. The cell draws its
// background when the model gives the item a background brush.
class ImageAndTextCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kImageSide = 16;

    explicit ImageAndTextCellDelegate(QObject* parent = nullptr);

    bool isEditable() const { return editable_; }
    void setEditable(bool editable) { editable_ = editable; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    bool editable_ = true;
};
