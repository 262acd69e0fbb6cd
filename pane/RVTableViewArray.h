#pragma once

#include "shared/PlistValue.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>

class RVTableViewArray;

// One of the table's columns, as its interface file lays it out.
struct RVTableViewArrayColumn {
    QString identifier;
    QString headerTitle;
};

// What the delegate may change about a cell before it is drawn: its text, and an image named by a
// file path or an icon-theme name (empty: no image). The table fills `text` with the cell's value.
struct RVTableViewArrayCell {
    QString text;
    QString imagePath;
};

// The edit delegate. Every message is optional: the table sends one only when respondsTo() says
// the delegate answers it, and otherwise goes on with the default each method's comment gives.
// Not answering is not the same as answering with the default: ok() and the choice of error
// message ask only whether a message is answered. The table passes itself first.
//
// Drag and drop is left out: this system's delegate answers none of those messages, and the table
// registers no drag types of its own.
class RVTableViewArrayDelegate {
public:
    enum class Message {
        AddEntry,
        AddEntryError,
        EditEntryErrorOldEntry,
        EditedEntryNewEntry,
        Changed,
        EditEntryAtIndex,
        SelectionDidChange,
        WillDisplayCellForTableColumnRow,
        ToolTipForCellRectTableColumnRowMouseLocation,
    };

    virtual ~RVTableViewArrayDelegate() = default;

    virtual bool respondsTo(Message) const { return false; }

    // true when the delegate adds the entry itself. Default: false.
    virtual bool RVTableViewArrayAddEntry(RVTableViewArray&) { return false; }
    // An error message refusing the new entry, or nullopt to accept it.
    virtual std::optional<QString> RVTableViewArrayAddEntryError(RVTableViewArray&,
                                                                 const PlistValue& /*newEntry*/) {
        return std::nullopt;
    }
    // As above, for an edit or (with no new entry) a deletion of oldEntry.
    virtual std::optional<QString>
    RVTableViewArrayEditEntryErrorOldEntry(RVTableViewArray&,
                                           const std::optional<PlistValue>& /*newEntry*/,
                                           const PlistValue& /*oldEntry*/) {
        return std::nullopt;
    }
    virtual void RVTableViewArrayEditedEntryNewEntry(RVTableViewArray&,
                                                     const PlistValue& /*oldEntry*/,
                                                     const PlistValue& /*newEntry*/) {}
    virtual void RVTableViewArrayChanged(RVTableViewArray&) {}
    virtual void RVTableViewArrayEditEntryAtIndex(RVTableViewArray&, std::int32_t /*row*/) {}
    virtual void RVTableViewArraySelectionDidChange(RVTableViewArray&) {}
    virtual void RVTableViewArrayWillDisplayCellForTableColumnRow(RVTableViewArray&,
                                                                  RVTableViewArrayCell&,
                                                                  const RVTableViewArrayColumn&,
                                                                  int /*row*/) {}
    // The tool tip, or nullopt for none; rect is the area it belongs to, which may be changed.
    virtual std::optional<QString> RVTableViewArrayToolTipForCellRectTableColumnRowMouseLocation(
        RVTableViewArray&, RVTableViewArrayCell&, QRectF& /*rect*/, const RVTableViewArrayColumn&,
        int /*row*/, QPointF /*mouseLocation*/) {
        return std::nullopt;
    }
};

// What the table does to the view that shows it. The widgets implement it; tests record it.
// Rows and columns count from 0; -1 is no row.
class RVTableViewArrayView {
public:
    virtual ~RVTableViewArrayView() = default;

    // Reads the rows again. Selected rows that still exist stay selected; when some no longer do,
    // the selection changes and the view reports it like any other selection change.
    virtual void reloadData() = 0;
    // A selection that differs from the one before is reported to
    // RVTableViewArray::tableViewSelectionDidChange, whoever made it.
    virtual void selectRowAlone(int row) = 0;
    virtual void deselectAll() = 0;
    // Ascending.
    virtual QList<int> selectedRowIndexes() const = 0;
    virtual void scrollRowToVisible(int row) = 0;
    // Opens the cell for in-place editing with all its text selected.
    virtual void editColumnRow(int column, int row) = 0;
    // Ends in-place editing, storing what was typed through
    // RVTableViewArray::tableViewSetObjectValueForTableColumnRow.
    virtual void endEditing() = 0;
    // The row of the double-click being handled, -1 when it was on no row.
    virtual int clickedRow() const = 0;
    // Makes the table's own target and editWithDelegate its double-click action.
    virtual void installDoubleAction() = 0;
    virtual void setErrorFieldStringValue(const QString& text) = 0;
    virtual void setErrorFieldHidden(bool hidden) = 0;
    virtual void setDeleteButtonEnabled(bool enabled) = 0;
    // Ends the modal loop the table's window runs in.
    virtual void stopModalWithCode(int code) = 0;
};

// A table that edits a caller's array in place, one entry per row: strings in a single column, or
// dictionaries with one key per column. It keeps the entries in case-insensitive order unless the
// first column's identifier ends with "Nonalphabetized", refuses duplicates in columns whose
// identifier begins with "Unique", ignores edits in a "NOCHANGE" column, and reports every change
// to its edit delegate. A blank row whose first value is refused goes with the refusal.
class RVTableViewArray {
    Q_DECLARE_TR_FUNCTIONS(RVTableViewArray)

public:
    RVTableViewArray(RVTableViewArrayView& view, QList<RVTableViewArrayColumn> columns)
        : view(view), columns(std::move(columns)) {}
    RVTableViewArray(const RVTableViewArray&) = delete;
    RVTableViewArray& operator=(const RVTableViewArray&) = delete;

    // The array stays the caller's and must outlive the table's use of it, which ends with ok() or
    // cancel(). Without keys the table must have one column. Until set-up and after ok() or
    // cancel() the table shows no rows, and its actions do nothing but end the modal loop.
    void initWithArrayEditDelegateKeys(PlistValue::Array& array, RVTableViewArrayDelegate* delegate,
                                       const std::optional<QStringList>& keys);

    // Actions.
    void addEntryToTable();
    void deleteSelectedEntriesFromTable();
    void ok();
    void cancel();
    void editWithDelegate();

    // Places an entry and returns its index.
    std::int32_t addEntryToArray(const PlistValue& entry);
    void removeBlankEntries();

    // Data source and view delegate.
    int numberOfRowsInTableView() const;
    // nullopt where the entry has no value under the column's key.
    std::optional<PlistValue> tableViewObjectValueForTableColumnRow(int column, int row) const;
    void tableViewSetObjectValueForTableColumnRow(const PlistValue& value, int column, int row);
    void tableViewSelectionDidChange();
    void tableViewWillDisplayCellForTableColumnRow(RVTableViewArrayCell& cell, int column, int row);
    std::optional<QString> tableViewToolTipForCellRectTableColumnRowMouseLocation(
        RVTableViewArrayCell& cell, QRectF& rect, int column, int row, QPointF mouseLocation);

    // Shows the array as it is now, after its owner changed it.
    void reloadData() { view.reloadData(); }

    const QList<RVTableViewArrayColumn>& tableColumns() const { return columns; }
    RVTableViewArrayDelegate* editDelegate() const { return theEditDelegate; }

private:
    using Message = RVTableViewArrayDelegate::Message;

    bool answers(Message message) const {
        return theEditDelegate && theEditDelegate->respondsTo(message);
    }
    bool isBlank(const PlistValue& entry) const;
    QString keyForColumn(int column) const;
    static std::optional<PlistValue> valueUnderKey(const PlistValue& entry, const QString& key);
    QString sortingName(const PlistValue& entry) const;
    int removeBlankEntriesKeeping(int keep);
    void refuseEdit(const QString& message, bool blanksRemoved, int row);
    void showError(const QString& message);
    void forget();

    RVTableViewArrayView& view;
    const QList<RVTableViewArrayColumn> columns;

    PlistValue::Array* theArray = nullptr;
    PlistValue::Array theOriginalArray;
    std::uint32_t theNumberOfColumns = 0;
    PlistValue theEmptyItem;
    RVTableViewArrayDelegate* theEditDelegate = nullptr;
    // Column header title to the key the column shows; nullopt without keys.
    std::optional<QMap<QString, QString>> theKeys;
    QString theAlphabetizedKey;
    bool nonAlphabetized = false;
};
