#pragma once

#include "pane/RVTableViewArray.h"

#include <QAbstractTableModel>
#include <QPointer>

class QAbstractButton;
class QLabel;
class QTableView;
class QtTableViewArray;

// The table array's rows as Qt's views read them: the display and decoration roles give each cell
// as the edit delegate decorates it, the edit role the value itself, so any item delegate draws
// it. The row count changes only when the table reloads, so that the view never sees rows come
// and go without being told.
class QtTableViewArrayModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit QtTableViewArrayModel(QtTableViewArray& owner);

    void reload();
    void setColumnEditable(int column, bool editable);
    // The cell as the edit delegate decorates it for drawing.
    RVTableViewArrayCell cellAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QtTableViewArray& owner;
    int rows = 0;
    QList<bool> editable;
};

// An RVTableViewArray shown in a QTableView, with the add and delete buttons and the error field
// beside it (any of those may be null). The columns' identifiers come from the view's dynamic
// property "identifiers" (a string list); without it the table has one column, identifier "".
// Header titles are the caller's, by column. Delete or Backspace deletes the selected rows;
// Enter, Return or F2 edits the current cell; a double-click edits an editable cell, or else
// sends the double-click action once the table has installed it.
//
// Destroy it before the widgets it was given.
class QtTableViewArray final : public QObject, public RVTableViewArrayView {
    Q_OBJECT

public:
    QtTableViewArray(QTableView& view, QAbstractButton* addButton, QAbstractButton* deleteButton,
                     QLabel* errorField, const QStringList& headerTitles,
                     QObject* parent = nullptr);
    ~QtTableViewArray() override;

    RVTableViewArray& table() { return table_; }
    // Columns are editable unless made otherwise here.
    void setColumnEditable(int column, bool editable);

    void reloadData() override;
    void selectRowAlone(int row) override;
    void deselectAll() override;
    QList<int> selectedRowIndexes() const override;
    void scrollRowToVisible(int row) override;
    void editColumnRow(int column, int row) override;
    void endEditing() override;
    int clickedRow() const override { return clickedRow_; }
    void installDoubleAction() override { doubleAction_ = true; }
    void setErrorFieldStringValue(const QString& text) override;
    void setErrorFieldHidden(bool hidden) override;
    void setDeleteButtonEnabled(bool enabled) override;
    void stopModalWithCode(int code) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class QtTableViewArrayModel;
    void setObjectValue(const QVariant& value, int column, int row);
    void storePendingEdits();
    void selectionChanged();
    QWidget* openEditor(QModelIndex* edited) const;
    bool keyPressed(int key);
    void doubleClicked(QPoint position);
    bool toolTip(QPoint position, QPoint globalPosition);

    QPointer<QTableView> view_;
    QPointer<QAbstractButton> deleteButton_;
    QPointer<QLabel> errorField_;
    RVTableViewArray table_;
    QtTableViewArrayModel* model_;
    struct PendingEdit {
        QString text;
        int column;
        int row;
    };
    QList<PendingEdit> pending_; // committed by an editor, not yet stored
    bool reloading_ = false;
    bool doubleAction_ = false;
    int clickedRow_ = -1;
};
