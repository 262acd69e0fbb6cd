#include "pane/ApplicationEntries.h"
#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "shared/SettingsKeys.h"

#include <QFileInfo>

bool KeyvigilPref::respondsTo(Message message) const {
    // No double-click, tool tips, drag and drop or veto of a deletion: edits are judged by the
    // add-entry error alone.
    return message == Message::AddEntry || message == Message::AddEntryError ||
           message == Message::Changed || message == Message::WillDisplayCellForTableColumnRow;
}

bool KeyvigilPref::RVTableViewArrayAddEntry(RVTableViewArray& table) {
    if (&table != &platform.excludeApplicationsTable)
        return false; // a blank row opened for typing
    platform.applicationChooser.beginApplicationChooser(
        [this](int returnCode, const QStringList& filenames) {
            addEntryToTableDidEndReturnCodeContextInfo(returnCode, filenames);
        });
    return true;
}

std::optional<QString> KeyvigilPref::RVTableViewArrayAddEntryError(RVTableViewArray& table,
                                                                   const PlistValue& newEntry) {
    // A word longer than the run that warns could never be typed within it.
    if (&table == &platform.excludeWordsTable && newEntry.toString().size() > qsizetype(warnCount))
        return QStringLiteral("Error: Word was longer than warn count; it would have no effect.");
    return std::nullopt;
}

void KeyvigilPref::RVTableViewArrayChanged(RVTableViewArray& table) {
    if (&table == &platform.excludeWordsTable)
        storeList(excludeWordsArray, SettingsKeys::excludeWordsArray);
    else if (&table == &platform.excludeApplicationsTable)
        storeList(excludeApplicationsArray, SettingsKeys::excludeApplicationsArray);
}

void KeyvigilPref::storeList(const PlistValue::Array& list, QLatin1StringView key) {
    // The lists reach the file at once, not only when the window is left.
    gPrefs->setObjectForKey(PlistValue::fromArray(list), key);
    saveSettings(Moment::Visiting);
}

void KeyvigilPref::RVTableViewArrayWillDisplayCellForTableColumnRow(RVTableViewArray& table,
                                                                    RVTableViewArrayCell& cell,
                                                                    const RVTableViewArrayColumn&,
                                                                    int row) {
    if (&table != &platform.excludeApplicationsTable || row < 0 ||
        row >= excludeApplicationsArray.size())
        return;
    const QString path = excludeApplicationsArray[row].toString();
    const QString icon = ApplicationEntries::iconName(path);
    cell.imagePath = icon.isEmpty() ? QStringLiteral("application-x-executable") : icon;
    cell.text = ApplicationEntries::displayName(path);
}

void KeyvigilPref::addEntryToTableDidEndReturnCodeContextInfo(int returnCode,
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
                          ? QStringLiteral("Error: \"%1\" is already in the application list.")
                                .arg(ApplicationEntries::displayName(path))
                          : QStringLiteral("Error: Multiple applications you chose are already "
                                           "in the application list.");
            continue;
        }
        excludeApplicationsArray.append(PlistValue::fromString(path));
        added = true;
    }
    if (added) {
        platform.excludeApplicationsTable.reloadData();
        storeList(excludeApplicationsArray, SettingsKeys::excludeApplicationsArray);
    }
    if (duplicates > 0) {
        platform.form.setStringValue(Outlets::applicationErrorMsg, message);
        platform.form.setHidden(Outlets::applicationErrorMsg, false);
    }
}
