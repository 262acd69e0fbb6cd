#include "pane/ExclusionLists.h"

#include "pane/ApplicationEntries.h"
#include "pane/Controls.h"
#include "shared/SettingsKeys.h"

#include <algorithm>

namespace {

// A list as it is stored: an empty row left in a table is no entry.
PlistValue::Array withoutBlanks(PlistValue::Array list) {
    list.removeIf(
        [](const PlistValue& entry) { return entry.isString() && entry.toString().isEmpty(); });
    return list;
}

} // namespace

void ExclusionLists::willSelect() {
    const RVPrefs& prefs = pane_.prefs();
    const PlistValue* words = prefs.find(SettingsKeys::excludeWordsArray);
    excludeWordsArray =
        words && words->isArray() ? withoutBlanks(words->toArray()) : PlistValue::Array();
    const PlistValue* applications = prefs.find(SettingsKeys::excludeApplicationsArray);
    excludeApplicationsArray =
        applications && applications->isArray() ? applications->toArray() : PlistValue::Array();
    // The applications column shows an icon beside the name and is not edited in place; the
    // view sets that up once. Both tables work on lists of strings.
    pane_.platform.excludeApplicationsTable.initWithArrayEditDelegateKeys(excludeApplicationsArray,
                                                                          this, std::nullopt);
    pane_.platform.excludeWordsTable.initWithArrayEditDelegateKeys(excludeWordsArray, this,
                                                                   std::nullopt);
}

bool ExclusionLists::respondsTo(Message message) const {
    // No double-click, tool tips, drag and drop or veto of a deletion: edits are judged by the
    // add-entry error alone.
    return message == Message::AddEntry || message == Message::AddEntryError ||
           message == Message::Changed || message == Message::WillDisplayCellForTableColumnRow;
}

bool ExclusionLists::RVTableViewArrayAddEntry(RVTableViewArray& table) {
    if (&table != &pane_.platform.excludeApplicationsTable)
        return false; // a blank row opened for typing
    pane_.platform.applicationChooser.beginApplicationChooser(
        [this](int returnCode, const QStringList& filenames) {
            addEntryToTableDidEndReturnCodeContextInfo(returnCode, filenames);
        });
    return true;
}

std::optional<QString> ExclusionLists::RVTableViewArrayAddEntryError(RVTableViewArray& table,
                                                                     const PlistValue& newEntry) {
    // A word longer than the run that warns could never be typed within it.
    const auto warnCount = std::uint32_t(pane_.prefs().intForKey(SettingsKeys::warnCount));
    if (&table == &pane_.platform.excludeWordsTable &&
        newEntry.toString().size() > qsizetype(warnCount))
        return tr("“%1” is longer than the %n capitals in a row that warn, so excluding it "
                  "would change nothing.",
                  nullptr, int(warnCount))
            .arg(newEntry.toString());
    return std::nullopt;
}

void ExclusionLists::RVTableViewArrayChanged(RVTableViewArray& table) {
    if (&table == &pane_.platform.excludeWordsTable)
        storeList(excludeWordsArray, SettingsKeys::excludeWordsArray);
    else if (&table == &pane_.platform.excludeApplicationsTable)
        storeList(excludeApplicationsArray, SettingsKeys::excludeApplicationsArray);
}

void ExclusionLists::storeList(const PlistValue::Array& list, QLatin1StringView key) {
    // The lists reach the file at once, not only when the window is left.
    pane_.prefs().setObjectForKey(PlistValue::fromArray(withoutBlanks(list)), key);
    pane_.save(PaneContext::Moment::Visiting);
}

void ExclusionLists::RVTableViewArrayWillDisplayCellForTableColumnRow(RVTableViewArray& table,
                                                                      RVTableViewArrayCell& cell,
                                                                      const RVTableViewArrayColumn&,
                                                                      int row) {
    if (&table != &pane_.platform.excludeApplicationsTable || row < 0 ||
        row >= excludeApplicationsArray.size())
        return;
    const QString path = excludeApplicationsArray[row].toString();
    const QString icon = ApplicationEntries::iconName(path);
    cell.imagePath = icon.isEmpty() ? QStringLiteral("application-x-executable") : icon;
    cell.text = ApplicationEntries::displayName(path);
}

void ExclusionLists::addEntryToTableDidEndReturnCodeContextInfo(int returnCode,
                                                                const QStringList& filenames) {
    if (returnCode != 1)
        return;
    // Every new path is added, in the chooser's order, and the list written once; paths already
    // listed still get their message.
    QString message;
    int duplicates = 0;
    bool added = false;
    for (const QString& path : filenames) {
        const bool listed =
            std::any_of(excludeApplicationsArray.begin(), excludeApplicationsArray.end(),
                        [&](const PlistValue& entry) { return entry.toString() == path; });
        if (listed) {
            message = ++duplicates == 1
                          ? tr("Error: \"%1\" is already in the application list.")
                                .arg(ApplicationEntries::displayName(path))
                          : tr("Error: Multiple applications you chose are already in the "
                               "application list.");
            continue;
        }
        excludeApplicationsArray.append(PlistValue::fromString(path));
        added = true;
    }
    if (added) {
        pane_.platform.excludeApplicationsTable.reloadData();
        storeList(excludeApplicationsArray, SettingsKeys::excludeApplicationsArray);
    }
    if (duplicates > 0) {
        pane_.platform.form.setStringValue(Outlet::applicationErrorMsg, message);
        pane_.platform.form.setHidden(Outlet::applicationErrorMsg, false);
    }
}
