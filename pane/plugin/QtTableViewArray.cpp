#include "pane/plugin/QtTableViewArray.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTableView>
#include <QToolTip>

#include <algorithm>

namespace {

QList<RVTableViewArrayColumn> columnsOf(const QTableView& view, const QStringList& headerTitles) {
    QStringList identifiers = view.property("identifiers").toStringList();
    if (identifiers.isEmpty())
        identifiers.append(QString());
    QList<RVTableViewArrayColumn> columns;
    for (qsizetype i = 0; i < identifiers.size(); ++i)
        columns.append({identifiers[i], headerTitles.value(i)});
    return columns;
}

QString textOf(const PlistValue& value) {
    return value.isString() ? value.toString() : value.description();
}

} // namespace

QtTableViewArrayModel::QtTableViewArrayModel(QtTableViewArray& owner)
    : QAbstractTableModel(&owner), owner(owner),
      editable(owner.table().tableColumns().size(), true) {}

void QtTableViewArrayModel::reload() {
    beginResetModel();
    rows = owner.table().numberOfRowsInTableView();
    endResetModel();
}

void QtTableViewArrayModel::setColumnEditable(int column, bool isEditable) {
    if (column >= 0 && column < editable.size())
        editable[column] = isEditable;
}

int QtTableViewArrayModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int QtTableViewArrayModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(owner.table().tableColumns().size());
}

RVTableViewArrayCell QtTableViewArrayModel::cellAt(const QModelIndex& index) const {
    RVTableViewArrayCell cell{data(index, Qt::EditRole).toString(), QString()};
    owner.table().tableViewWillDisplayCellForTableColumnRow(cell, index.column(), index.row());
    return cell;
}

QVariant QtTableViewArrayModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::EditRole: {
        const auto value =
            owner.table().tableViewObjectValueForTableColumnRow(index.column(), index.row());
        return value ? textOf(*value) : QString();
    }
    case Qt::DisplayRole:
        return cellAt(index).text;
    case Qt::DecorationRole: {
        const QString image = cellAt(index).imagePath;
        if (image.isEmpty())
            return QVariant();
        const QIcon icon = QFileInfo::exists(image) ? QIcon(image) : QIcon::fromTheme(image);
        // An icon the theme does not have still shows as a file, so the rows line up.
        return icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_FileIcon) : icon;
    }
    default:
        return QVariant();
    }
}

QVariant QtTableViewArrayModel::headerData(int section, Qt::Orientation orientation,
                                           int role) const {
    const auto& columns = owner.table().tableColumns();
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns.size())
        return columns[section].headerTitle;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags QtTableViewArrayModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (editable.value(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool QtTableViewArrayModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    // The table reloads when it stores the value, so no dataChanged here.
    owner.setObjectValue(value, index.column(), index.row());
    return true;
}

QtTableViewArray::QtTableViewArray(QTableView& view, QAbstractButton* addButton,
                                   QAbstractButton* deleteButton, QLabel* errorField,
                                   const QStringList& headerTitles, QObject* parent)
    : QObject(parent), view_(&view), deleteButton_(deleteButton), errorField_(errorField),
      table_(*this, columnsOf(view, headerTitles)), model_(new QtTableViewArrayModel(*this)) {
    view.setModel(model_);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The keys that edit are handled below, so that Enter and Return edit as F2 does.
    view.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    view.setIconSize(QSize(16, 16));
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
    connect(view.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &QtTableViewArray::selectionChanged);
    if (addButton)
        connect(addButton, &QAbstractButton::clicked, this, [this] { table_.addEntryToTable(); });
    if (deleteButton)
        connect(deleteButton, &QAbstractButton::clicked, this,
                [this] { table_.deleteSelectedEntriesFromTable(); });
    if (errorField)
        errorField->setTextFormat(Qt::PlainText);
}

QtTableViewArray::~QtTableViewArray() {
    if (!view_)
        return;
    view_->removeEventFilter(this);
    view_->viewport()->removeEventFilter(this);
    QItemSelectionModel* selection = view_->selectionModel();
    view_->setModel(nullptr);
    delete selection;
}

void QtTableViewArray::setColumnEditable(int column, bool editable) {
    model_->setColumnEditable(column, editable);
}

void QtTableViewArray::setObjectValue(const QVariant& value, int column, int row) {
    // Stored once the editor has closed: the table reloads when it stores, and a reload while
    // the editor is still committing leaves the view closing an editor it no longer knows.
    pending_.append({value.toString(), column, row});
    QMetaObject::invokeMethod(this, &QtTableViewArray::storePendingEdits, Qt::QueuedConnection);
}

void QtTableViewArray::storePendingEdits() {
    while (!pending_.isEmpty()) {
        const PendingEdit edit = pending_.takeFirst();
        table_.tableViewSetObjectValueForTableColumnRow(PlistValue::fromString(edit.text),
                                                        edit.column, edit.row);
    }
}

void QtTableViewArray::reloadData() {
    if (!view_) {
        model_->reload();
        return;
    }
    // A reset forgets the selection; the rows that still exist get it back without a report.
    const QList<int> before = selectedRowIndexes();
    const QModelIndex current = view_->currentIndex();
    const int currentRow = current.row();
    const int currentColumn = current.column();
    {
        const QScopedValueRollback quiet(reloading_, true);
        model_->reload();
        QItemSelection kept;
        for (int row : before) {
            if (row < model_->rowCount())
                kept.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
        }
        view_->selectionModel()->select(kept, QItemSelectionModel::ClearAndSelect);
        if (currentRow >= 0 && currentRow < model_->rowCount())
            view_->selectionModel()->setCurrentIndex(model_->index(currentRow, currentColumn),
                                                     QItemSelectionModel::NoUpdate);
    }
    if (selectedRowIndexes() != before)
        table_.tableViewSelectionDidChange();
}

void QtTableViewArray::selectionChanged() {
    if (!reloading_)
        table_.tableViewSelectionDidChange();
}

void QtTableViewArray::selectRowAlone(int row) {
    if (!view_ || row < 0 || row >= model_->rowCount())
        return;
    view_->selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QtTableViewArray::deselectAll() {
    if (view_)
        view_->selectionModel()->clearSelection();
}

QList<int> QtTableViewArray::selectedRowIndexes() const {
    QList<int> rows;
    if (!view_)
        return rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void QtTableViewArray::scrollRowToVisible(int row) {
    const QModelIndex index = model_->index(row, 0);
    if (view_ && index.isValid())
        view_->scrollTo(index);
}

void QtTableViewArray::editColumnRow(int column, int row) {
    const QModelIndex index = model_->index(row, column);
    if (!view_ || !index.isValid() || !(model_->flags(index) & Qt::ItemIsEditable))
        return;
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    view_->scrollTo(index);
    view_->edit(index);
    if (auto* line = qobject_cast<QLineEdit*>(view_->indexWidget(index)))
        line->selectAll();
}

QWidget* QtTableViewArray::openEditor(QModelIndex* edited) const {
    if (!view_)
        return nullptr;
    // The editor is at the current cell unless something moved it; the tables are short.
    const QModelIndex current = view_->currentIndex();
    if (QWidget* editor = current.isValid() ? view_->indexWidget(current) : nullptr) {
        *edited = current;
        return editor;
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        for (int column = 0; column < model_->columnCount(); ++column) {
            const QModelIndex index = model_->index(row, column);
            if (QWidget* editor = view_->indexWidget(index)) {
                *edited = index;
                return editor;
            }
        }
    }
    return nullptr;
}

void QtTableViewArray::endEditing() {
    QModelIndex edited;
    if (QWidget* editor = openEditor(&edited)) {
        QAbstractItemDelegate* delegate = view_->itemDelegateForIndex(edited);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    storePendingEdits();
}

void QtTableViewArray::setErrorFieldStringValue(const QString& text) {
    if (errorField_)
        errorField_->setText(text);
}

void QtTableViewArray::setErrorFieldHidden(bool hidden) {
    if (errorField_)
        errorField_->setHidden(hidden);
}

void QtTableViewArray::setDeleteButtonEnabled(bool enabled) {
    if (deleteButton_)
        deleteButton_->setEnabled(enabled);
}

void QtTableViewArray::stopModalWithCode(int code) {
    auto* dialog = view_ ? qobject_cast<QDialog*>(view_->window()) : nullptr;
    if (!dialog)
        dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog)
        dialog->done(code);
}

bool QtTableViewArray::eventFilter(QObject* watched, QEvent* event) {
    if (!view_)
        return false;
    if (watched == view_.data() && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && keyPressed(key->key()))
            return true;
    } else if (watched == view_->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick)
            doubleClicked(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::ToolTip)
            return toolTip(static_cast<QHelpEvent*>(event)->pos(),
                           static_cast<QHelpEvent*>(event)->globalPos());
    }
    return false;
}

bool QtTableViewArray::keyPressed(int key) {
    // Keys the open editor did not take come up to the view: they are the editor's still.
    QModelIndex edited;
    if (openEditor(&edited))
        return false;
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (!selectedRowIndexes().isEmpty())
            table_.deleteSelectedEntriesFromTable();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2: {
        QModelIndex index = view_->currentIndex();
        if (!index.isValid()) {
            const QList<int> rows = selectedRowIndexes();
            if (rows.isEmpty())
                return false;
            index = model_->index(rows.first(), 0);
        }
        editColumnRow(index.column(), index.row());
        return true;
    }
    default:
        return false;
    }
}

void QtTableViewArray::doubleClicked(QPoint position) {
    if (!doubleAction_)
        return;
    const QModelIndex index = view_->indexAt(position);
    if (index.isValid() && (model_->flags(index) & Qt::ItemIsEditable))
        return; // the view edits the cell instead
    const QScopedValueRollback clicked(clickedRow_, index.isValid() ? index.row() : -1);
    table_.editWithDelegate();
}

bool QtTableViewArray::toolTip(QPoint position, QPoint globalPosition) {
    const QModelIndex index = view_->indexAt(position);
    std::optional<QString> tip;
    QRectF rect;
    if (index.isValid()) {
        RVTableViewArrayCell cell = model_->cellAt(index);
        rect = view_->visualRect(index);
        tip = table_.tableViewToolTipForCellRectTableColumnRowMouseLocation(
            cell, rect, index.column(), index.row(), QPointF(position));
    }
    if (tip && !tip->isEmpty())
        QToolTip::showText(globalPosition, *tip, view_->viewport(), rect.toAlignedRect());
    else
        QToolTip::hideText();
    return true;
}
