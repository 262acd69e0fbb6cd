#include "pane/RVTableViewArray.h"

#include <QLatin1StringView>

#include <algorithm>

namespace {

bool isSameString(const std::optional<PlistValue>& value, const QString& text) {
    return value && value->isString() && value->toString() == text;
}

} // namespace

void RVTableViewArray::initWithArrayEditDelegateKeys(PlistValue::Array& array,
                                                     RVTableViewArrayDelegate* delegate,
                                                     const std::optional<QStringList>& keys) {
    theEditDelegate = delegate;
    if (answers(Message::EditEntryAtIndex))
        view.installDoubleAction();

    theArray = &array;
    theOriginalArray = array;

    nonAlphabetized = !columns.isEmpty() &&
                      columns.first().identifier.endsWith(QLatin1StringView("Nonalphabetized"));
    theNumberOfColumns = std::uint32_t(columns.size());

    theKeys.reset();
    if (keys) {
        // From the last column to the first, so that where two columns share a title the first
        // one's key wins.
        QMap<QString, QString> byTitle;
        for (qsizetype i = columns.size() - 1; i >= 0; --i)
            byTitle.insert(columns[i].headerTitle, keys->value(i));
        theKeys = std::move(byTitle);
    }

    if (theNumberOfColumns > 1 || keys) {
        theAlphabetizedKey = keys ? keys->value(0) : QString();
        PlistValue::Dictionary empty;
        if (keys) {
            for (const QString& key : *keys)
                empty.insert(key, PlistValue::fromString(QString()));
        }
        theEmptyItem = PlistValue::fromDictionary(empty);
    } else {
        theAlphabetizedKey.clear();
        theEmptyItem = PlistValue::fromString(QString());
    }

    view.setErrorFieldHidden(true);
    view.reloadData();
    view.deselectAll();
    view.scrollRowToVisible(0);
    view.setDeleteButtonEnabled(false);
}

std::int32_t RVTableViewArray::addEntryToArray(const PlistValue& entry) {
    if (!theArray)
        return -1;
    // theEmptyItem is the empty string or the all-empty dictionary, whichever the mode uses.
    if (nonAlphabetized || entry == theEmptyItem) {
        theArray->append(entry);
        return std::int32_t(theArray->size() - 1);
    }
    const QString name = sortingName(entry);
    for (qsizetype i = 0; i < theArray->size(); ++i) {
        if (QString::compare(sortingName(theArray->at(i)), name, Qt::CaseInsensitive) > 0) {
            theArray->insert(i, entry);
            return std::int32_t(i);
        }
    }
    theArray->append(entry);
    return std::int32_t(theArray->size() - 1);
}

void RVTableViewArray::addEntryToTable() {
    if (!theArray)
        return;
    view.setErrorFieldHidden(true);
    view.endEditing();

    const bool delegateAdds =
        answers(Message::AddEntry) && theEditDelegate->RVTableViewArrayAddEntry(*this);
    if (!theArray) // the delegate ended the table's use
        return;
    int row = -1;
    if (!delegateAdds) {
        theArray->append(theEmptyItem); // values are immutable, so sharing it is harmless
        row = int(theArray->size() - 1);
    }

    view.reloadData();
    if (row >= 0) {
        view.selectRowAlone(row);
        view.editColumnRow(0, row);
    }
}

void RVTableViewArray::tableViewSetObjectValueForTableColumnRow(const PlistValue& value, int column,
                                                                int row) {
    if (!theArray || column < 0 || column >= columns.size() || row < 0 || row >= theArray->size())
        return;
    const RVTableViewArrayColumn& tableColumn = columns[column];
    if (tableColumn.identifier == QLatin1StringView("NOCHANGE"))
        return;
    const PlistValue entry = theArray->at(row);
    if (tableViewObjectValueForTableColumnRow(column, row) == value)
        return;

    view.setErrorFieldHidden(true);

    // Removing the blanks moves the entries after them, and a blank being typed into must
    // survive its own edit: the edited entry is kept and its index followed.
    bool blanksRemoved = false;
    if (row != theArray->size() - 1) {
        const qsizetype before = theArray->size();
        row = removeBlankEntriesKeeping(row);
        blanksRemoved = theArray->size() != before;
    }

    const QString key = keyForColumn(column);
    const QString text = value.toString();
    if (tableColumn.identifier.startsWith(QLatin1StringView("Unique")) && !text.isEmpty()) {
        for (qsizetype i = theArray->size() - 1; i >= 0; --i) {
            const PlistValue& other = theArray->at(i);
            if (isSameString(theKeys ? valueUnderKey(other, key) : std::optional(other), text)) {
                refuseEdit(tr("Error: Entry you specified already exists."), blanksRemoved, row);
                return;
            }
        }
    }

    PlistValue newEntry = value;
    if (theKeys) {
        PlistValue::Dictionary changed = entry.toDictionary();
        changed.insert(key, value);
        newEntry = PlistValue::fromDictionary(changed);
    }

    std::optional<QString> error;
    if (answers(Message::AddEntryError))
        error = theEditDelegate->RVTableViewArrayAddEntryError(*this, newEntry);
    else if (answers(Message::EditEntryErrorOldEntry))
        error = theEditDelegate->RVTableViewArrayEditEntryErrorOldEntry(*this, newEntry, entry);
    if (error) {
        refuseEdit(*error, blanksRemoved, row);
        return;
    }
    if (!theArray || row >= theArray->size()) // the delegate changed the array under us
        return;

    int newRow = row;
    if (!nonAlphabetized && (!theKeys || key == theAlphabetizedKey)) {
        theArray->removeAt(row);
        newRow = addEntryToArray(newEntry);
    } else {
        theArray->replace(row, newEntry);
    }

    if (answers(Message::EditedEntryNewEntry))
        theEditDelegate->RVTableViewArrayEditedEntryNewEntry(*this, entry, newEntry);
    view.reloadData();
    view.selectRowAlone(newRow);
    view.scrollRowToVisible(newRow);
    if (answers(Message::Changed))
        theEditDelegate->RVTableViewArrayChanged(*this);
}

void RVTableViewArray::refuseEdit(const QString& message, bool blanksRemoved, int row) {
    // A new row refused what was typed into it: it goes, rather than stay blank and be kept
    // with the entries.
    if (isBlank(theArray->at(row))) {
        theArray->removeAt(row);
        view.reloadData();
        showError(message);
        return;
    }
    // The rows moved: show them as they are now, with the edited entry still selected, before
    // the message (a selection change hides it).
    if (blanksRemoved) {
        view.reloadData();
        view.selectRowAlone(row);
    }
    showError(message);
}

void RVTableViewArray::deleteSelectedEntriesFromTable() {
    if (!theArray)
        return;
    view.setErrorFieldHidden(true);
    view.endEditing();

    const int rows = numberOfRowsInTableView();
    const QList<int> selected = view.selectedRowIndexes();
    int lowest = rows;
    bool removedAny = false;
    for (int row = rows - 1; row >= 0; --row) {
        if (!selected.contains(row))
            continue;
        lowest = std::min(lowest, row);
        if (answers(Message::EditEntryErrorOldEntry)) {
            if (const auto error = theEditDelegate->RVTableViewArrayEditEntryErrorOldEntry(
                    *this, std::nullopt, theArray->at(row))) {
                // What was removed stays removed, so the caller must still hear of it.
                if (removedAny)
                    view.selectRowAlone(row);
                showError(*error);
                if (removedAny && answers(Message::Changed))
                    theEditDelegate->RVTableViewArrayChanged(*this);
                return;
            }
            if (!theArray || row >= theArray->size())
                return;
        }
        theArray->removeAt(row);
        removedAny = true;
        view.reloadData();
    }

    // With nothing selected nothing moves, but the caller still hears of the action: an edit it
    // committed may have changed the array.
    if (const int remaining = numberOfRowsInTableView(); remaining > 0 && removedAny) {
        view.selectRowAlone(std::min(lowest, remaining - 1));
        view.scrollRowToVisible(lowest > 0 ? lowest - 1 : 0);
    }
    tableViewSelectionDidChange();
    if (answers(Message::Changed))
        theEditDelegate->RVTableViewArrayChanged(*this);
}

void RVTableViewArray::editWithDelegate() {
    if (!theArray)
        return;
    view.setErrorFieldHidden(true);
    const int row = view.clickedRow();
    if (answers(Message::EditEntryAtIndex) && row != -1) {
        theEditDelegate->RVTableViewArrayEditEntryAtIndex(*this, row);
        view.reloadData();
    }
}

void RVTableViewArray::tableViewSelectionDidChange() {
    view.setErrorFieldHidden(true);
    view.endEditing();
    view.setDeleteButtonEnabled(!view.selectedRowIndexes().isEmpty());
    if (answers(Message::SelectionDidChange))
        theEditDelegate->RVTableViewArraySelectionDidChange(*this);
}

void RVTableViewArray::ok() {
    view.endEditing();
    if (theArray && !answers(Message::AddEntry))
        removeBlankEntries();
    forget();
    view.stopModalWithCode(1);
}

void RVTableViewArray::cancel() {
    if (theArray)
        *theArray = theOriginalArray;
    forget();
    view.stopModalWithCode(0);
}

void RVTableViewArray::forget() {
    theArray = nullptr;
    theOriginalArray.clear();
    theKeys.reset();
    theEmptyItem = PlistValue();
    theAlphabetizedKey.clear();
}

void RVTableViewArray::removeBlankEntries() {
    removeBlankEntriesKeeping(-1);
}

int RVTableViewArray::removeBlankEntriesKeeping(int keep) {
    if (!theArray)
        return keep;
    for (qsizetype i = theArray->size() - 1; i >= 0; --i) {
        if (i == keep || !isBlank(theArray->at(i)))
            continue;
        theArray->removeAt(i);
        if (i < keep)
            --keep;
    }
    return keep;
}

int RVTableViewArray::numberOfRowsInTableView() const {
    return theArray ? int(theArray->size()) : 0;
}

std::optional<PlistValue> RVTableViewArray::tableViewObjectValueForTableColumnRow(int column,
                                                                                  int row) const {
    if (!theArray || row < 0 || row >= theArray->size())
        return std::nullopt;
    const PlistValue& entry = theArray->at(row);
    if (!theKeys)
        return entry;
    return valueUnderKey(entry, keyForColumn(column));
}

void RVTableViewArray::tableViewWillDisplayCellForTableColumnRow(RVTableViewArrayCell& cell,
                                                                 int column, int row) {
    if (column >= 0 && column < columns.size() && row >= 0 && row < numberOfRowsInTableView() &&
        answers(Message::WillDisplayCellForTableColumnRow))
        theEditDelegate->RVTableViewArrayWillDisplayCellForTableColumnRow(*this, cell,
                                                                          columns[column], row);
}

std::optional<QString> RVTableViewArray::tableViewToolTipForCellRectTableColumnRowMouseLocation(
    RVTableViewArrayCell& cell, QRectF& rect, int column, int row, QPointF mouseLocation) {
    if (column < 0 || column >= columns.size() || row < 0 || row >= numberOfRowsInTableView() ||
        !answers(Message::ToolTipForCellRectTableColumnRowMouseLocation))
        return std::nullopt;
    return theEditDelegate->RVTableViewArrayToolTipForCellRectTableColumnRowMouseLocation(
        *this, cell, rect, columns[column], row, mouseLocation);
}

bool RVTableViewArray::isBlank(const PlistValue& entry) const {
    if (theEmptyItem.isDictionary()) {
        // A missing value counts as empty; a value that is no string has no length to test.
        const auto value = valueUnderKey(entry, theAlphabetizedKey);
        return !value || (value->isString() && value->toString().isEmpty());
    }
    return entry.isString() && entry.toString().isEmpty();
}

QString RVTableViewArray::keyForColumn(int column) const {
    if (!theKeys || column < 0 || column >= columns.size())
        return QString();
    return theKeys->value(columns[column].headerTitle);
}

std::optional<PlistValue> RVTableViewArray::valueUnderKey(const PlistValue& entry,
                                                          const QString& key) {
    if (key.isNull())
        return std::nullopt;
    const PlistValue::Dictionary& dictionary = entry.toDictionary();
    const auto found = dictionary.constFind(key);
    if (found == dictionary.constEnd())
        return std::nullopt;
    return *found;
}

QString RVTableViewArray::sortingName(const PlistValue& entry) const {
    if (theEmptyItem.isDictionary())
        return valueUnderKey(entry, theAlphabetizedKey).value_or(PlistValue()).toString();
    return entry.toString();
}

void RVTableViewArray::showError(const QString& message) {
    view.setErrorFieldStringValue(message);
    view.setErrorFieldHidden(false);
}
