#include "pane/RVTableViewArray.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Entries written "apple,,pear": the middle one blank.
PlistValue::Array strings(const QString& entries) {
    PlistValue::Array array;
    for (const QString& entry : entries.split(u','))
        array.append(PlistValue::fromString(entry));
    return array;
}

QString joined(const PlistValue::Array& array) {
    QStringList list;
    for (const PlistValue& entry : array)
        list << entry.toString();
    return list.join(u',');
}

} // namespace

#ifndef KEYVIGIL_TABLE_VIEW_WIDGET_TEST

namespace {

using M = RVTableViewArrayDelegate::Message;

// The view as the platform behaves: a selection that changes is reported, and ending editing
// stores what was typed into the open cell.
class FakeView final : public RVTableViewArrayView {
public:
    void reloadData() override {
        journal << "reload";
        QList<int> kept;
        for (int row : selection)
            if (row < table->numberOfRowsInTableView())
                kept << row;
        setSelection(kept);
    }
    void selectRowAlone(int row) override {
        journal << QStringLiteral("select %1").arg(row);
        setSelection({row});
    }
    void deselectAll() override { setSelection({}); }
    QList<int> selectedRowIndexes() const override { return selection; }
    void scrollRowToVisible(int row) override { journal << QStringLiteral("scroll %1").arg(row); }
    void editColumnRow(int column, int row) override {
        journal << QStringLiteral("edit %1 %2").arg(column).arg(row);
        editing = {column, row};
    }
    void endEditing() override {
        const auto cell = std::exchange(editing, std::nullopt);
        if (const auto value = std::exchange(typed, std::nullopt); cell && value)
            table->tableViewSetObjectValueForTableColumnRow(PlistValue::fromString(*value),
                                                            cell->first, cell->second);
    }
    int clickedRow() const override { return -1; }
    void installDoubleAction() override {}
    void setErrorFieldStringValue(const QString& text) override { error = text; }
    void setErrorFieldHidden(bool hidden) override { errorHidden = hidden; }
    void setDeleteButtonEnabled(bool enabled) override { deleteEnabled = enabled; }
    void stopModalWithCode(int) override {}

    void setSelection(const QList<int>& rows) {
        if (std::exchange(selection, rows) != rows)
            table->tableViewSelectionDidChange();
    }
    QString shownError() const { return errorHidden ? QString() : error; }
    QString selected() const {
        QStringList rows;
        for (int row : selection)
            rows << QString::number(row);
        return rows.join(u',');
    }

    RVTableViewArray* table = nullptr;
    QStringList journal;
    QList<int> selection;
    std::optional<std::pair<int, int>> editing;
    std::optional<QString> typed;
    QString error;
    bool errorHidden = false;
    bool deleteEnabled = true;
};

class RecordingDelegate final : public RVTableViewArrayDelegate {
public:
    // By name, in the order of the messages.
    bool respondsTo(M message) const override {
        static const char* const names[] = {"add", "addError", "editError", "edited", "changed"};
        return int(message) < 5 && answered.split(u',').contains(names[int(message)]);
    }
    bool RVTableViewArrayAddEntry(RVTableViewArray&) override {
        journal << "add entry";
        return addsEntries;
    }
    std::optional<QString> RVTableViewArrayAddEntryError(RVTableViewArray&,
                                                         const PlistValue& entry) override {
        journal << "add entry error " + entry.toString();
        return refusal;
    }
    std::optional<QString>
    RVTableViewArrayEditEntryErrorOldEntry(RVTableViewArray&,
                                           const std::optional<PlistValue>& newEntry,
                                           const PlistValue& oldEntry) override {
        journal << QStringLiteral("edit entry error %1 %2")
                       .arg(newEntry ? newEntry->toString() : "nil", oldEntry.toString());
        if (!newEntry)
            return oldEntry.toString() == vetoedDeletion ? std::optional<QString>("kept")
                                                         : std::nullopt;
        return refusal;
    }
    void RVTableViewArrayEditedEntryNewEntry(RVTableViewArray&, const PlistValue& oldEntry,
                                             const PlistValue& newEntry) override {
        journal << QStringLiteral("edited %1 %2").arg(oldEntry.toString(), newEntry.toString());
    }
    void RVTableViewArrayChanged(RVTableViewArray&) override { journal << "changed"; }

    QString answered = "changed";
    bool addsEntries = false;
    std::optional<QString> refusal;
    QString vetoedDeletion;
    QStringList journal;
};

struct Table {
    explicit Table(const QString& identifier = QString()) : table(view, {{identifier, "Word"}}) {
        view.table = &table;
    }
    void setUp(const QString& entries) {
        array = strings(entries);
        table.initWithArrayEditDelegateKeys(array, &delegate, std::nullopt);
        view.journal.clear();
        delegate.journal.clear();
    }
    QString entries() const { return joined(array); }

    FakeView view;
    RVTableViewArray table;
    RecordingDelegate delegate;
    PlistValue::Array array;
};

TEST(RVTableViewArray, PlacesEntriesIgnoringCaseAfterEqualOnes) {
    const struct {
        QString identifier, before, entry;
        int index;
        QString after;
    } cases[] = {
        {"", "apple,Pear", "banana", 1, "apple,banana,Pear"},
        {"", "apple,pear", "Apple", 1, "apple,Apple,pear"},
        {"", "apple,pear", "", 2, "apple,pear,"},
        {"WordsNonalphabetized", "pear,apple", "banana", 2, "pear,apple,banana"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.entry));
        Table t(c.identifier);
        t.setUp(c.before);
        EXPECT_EQ(t.table.addEntryToArray(PlistValue::fromString(c.entry)), c.index);
        EXPECT_EQ(t.entries(), c.after);
    }
}

TEST(RVTableViewArray, Edits) {
    const QString duplicate = "Error: Entry you specified already exists.";
    const struct {
        const char* name;
        QString identifier, before;
        int row;
        QString value, answered, after;
        QString error; // "earlier": the field was not even hidden
        QString messages, selection;
    } cases[] = {
        {"unique is case-sensitive", "Unique", "apple,pear", 1, "Apple", "changed", "apple,Apple",
         "", "changed", "1"},
        {"unique refuses", "Unique", "apple,pear", 1, "apple", "", "apple,pear", duplicate, "", ""},
        {"a refused new row goes", "Unique", "apple,pear,", 2, "pear", "", "apple,pear", duplicate,
         "", ""},
        {"unchanged", "", "apple,pear", 0, "apple", "changed,addError", "apple,pear", "earlier", "",
         ""},
        {"NOCHANGE", "NOCHANGE", "apple", 0, "plum", "changed", "apple", "earlier", "", ""},
        {"sorted", "", "apple,banana,cherry", 0, "date", "changed", "banana,cherry,date", "",
         "changed", "2"},
        {"not sorted", "Nonalphabetized", "pear,apple", 0, "zebra", "", "zebra,apple", "", "", "0"},
        {"blanks go, the edit follows its entry", "Nonalphabetized", ",a,,c,x", 3, "k", "edited",
         "a,k,x", "", "edited c k", "1"},
        {"the blank typed into stays", "Nonalphabetized", "a,,,c", 1, "b", "", "a,b,c", "", "",
         "1"},
        {"blanks go, sorted", "", ",apple,pear,", 2, "avocado", "", "apple,avocado", "", "", "1"},
        {"add-entry error asked first", "", "apple,pear", 1, "plum", "addError,editError,changed",
         "apple,pear", "no", "add entry error plum", ""},
        {"else edit-entry error", "", "apple,pear", 1, "plum", "editError,changed", "apple,pear",
         "no", "edit entry error plum pear", ""},
        {"the delegate's refusal of a new row", "", "apple,", 1, "plum", "addError", "apple", "no",
         "add entry error plum", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t(c.identifier);
        t.delegate.answered = c.answered;
        t.delegate.refusal = "no";
        t.setUp(c.before);
        t.view.error = "earlier";
        t.view.errorHidden = false;
        t.table.tableViewSetObjectValueForTableColumnRow(PlistValue::fromString(c.value), 0, c.row);
        EXPECT_EQ(t.entries(), c.after);
        EXPECT_EQ(t.view.shownError(), c.error);
        EXPECT_EQ(t.delegate.journal.join("; "), c.messages);
        EXPECT_EQ(t.view.selected(), c.selection);
    }
}

TEST(RVTableViewArray, Adds) {
    for (const bool answers : {false, true}) { // not answering, or answering NO
        SCOPED_TRACE(answers);
        Table t;
        t.delegate.answered = answers ? "add" : "";
        t.setUp("apple,pear");
        EXPECT_FALSE(t.view.deleteEnabled);
        t.table.addEntryToTable();
        EXPECT_EQ(t.entries(), "apple,pear,");
        EXPECT_EQ(t.view.journal, (QStringList{"reload", "select 2", "edit 0 2"}));
        EXPECT_TRUE(t.view.deleteEnabled);
        // Leaving the new row empty keeps it, unreported.
        t.view.typed = "";
        t.view.setSelection({0});
        EXPECT_EQ(t.entries(), "apple,pear,");
        EXPECT_FALSE(t.delegate.journal.contains("changed"));
    }

    Table t;
    t.delegate.answered = "add";
    t.delegate.addsEntries = true;
    t.setUp("apple");
    t.table.addEntryToTable();
    EXPECT_EQ(t.entries(), "apple");
    EXPECT_EQ(t.view.journal, QStringList{"reload"});
    EXPECT_TRUE(t.view.selection.isEmpty());
}

TEST(RVTableViewArray, Deletes) {
    const struct {
        const char* name;
        int first, second; // the selected rows
        QString vetoed, after, messages, selection, scroll, error;
    } cases[] = {
        {"rows 1 and 3", 1, 3, "", "a,c,e",
         "edit entry error nil d; edit entry error nil b; changed", "1", "scroll 0", ""},
        {"the last rows", 3, 4, "", "a,b,c",
         "edit entry error nil e; edit entry error nil d; changed", "2", "scroll 2", ""},
        {"vetoed after a removal", 1, 3, "b", "a,b,c,e",
         "edit entry error nil d; edit entry error nil b; changed", "1", "", "kept"},
        {"vetoed at once", 1, 3, "d", "a,b,c,d,e", "edit entry error nil d", "1,3", "", "kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        t.delegate.answered = "editError,changed";
        t.delegate.vetoedDeletion = c.vetoed;
        t.setUp("a,b,c,d,e");
        t.view.setSelection({c.first, c.second});
        t.view.journal.clear();
        t.table.deleteSelectedEntriesFromTable();
        EXPECT_EQ(t.entries(), c.after);
        EXPECT_EQ(t.delegate.journal.join("; "), c.messages);
        EXPECT_EQ(t.view.selected(), c.selection);
        EXPECT_EQ(t.view.journal.filter("scroll").value(0), c.scroll);
        EXPECT_EQ(t.view.shownError(), c.error);
    }
}

} // namespace

#else // the binding, on widgets

#include "pane/plugin/QtTableViewArray.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

TEST(QtTableViewArray, AddsTypesAndDeletes) {
    static int argc = 1;
    static char name[] = "table_view_array_widget_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);

    QWidget window;
    auto* view = new QTableView(&window);
    auto* add = new QPushButton(&window);
    auto* remove = new QPushButton(&window);
    auto* error = new QLabel(&window);
    QtTableViewArray binding(*view, add, remove, error, {"Word"});
    PlistValue::Array array = strings("pear");
    binding.table().initWithArrayEditDelegateKeys(array, nullptr, std::nullopt);
    window.show();
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_TRUE(error->isHidden());

    const auto editorAt = [&](int row) {
        return qobject_cast<QLineEdit*>(view->indexWidget(view->model()->index(row, 0)));
    };

    add->click();
    ASSERT_NE(editorAt(1), nullptr);
    EXPECT_TRUE(remove->isEnabled());
    QTest::keyClicks(editorAt(1), "apple");
    QTest::keyClick(editorAt(1), Qt::Key_Return);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(joined(array), "apple,pear");
    EXPECT_EQ(view->model()->data(view->model()->index(0, 0)).toString(), "apple");
    EXPECT_EQ(view->selectionModel()->selectedRows().value(0).row(), 0);

    // Adding again stores what is being typed first.
    add->click();
    QTest::keyClicks(editorAt(2), "fig");
    add->click();
    EXPECT_EQ(joined(array), "apple,fig,pear,");
    ASSERT_NE(editorAt(3), nullptr);
    QTest::keyClick(editorAt(3), Qt::Key_Escape);

    view->selectRow(0);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(joined(array), "fig,pear,");
    EXPECT_EQ(view->model()->rowCount(), 3);
}

#endif
