#pragma once

#include "pane/PaneForm.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sound pop-up's items. Each keeps the title the helper finds its sound by (a file's name
// without its last extension, or one of the two fixed names), which is what the store holds;
// the user reads a name made from it. The system alert and Keyvigil's own sound come first,
// then each folder's sounds under its heading, those meant to alert first, then by name.
namespace SoundMenu {

// The title of Keyvigil's own sound, item 1, which the sound service finds in the pane bundle.
inline constexpr QLatin1StringView ownSound{"CAPS"};

// The titles of a folder's entries, in the order the file system lists them: each name without
// its last extension, hidden entries left out. A folder that cannot be read gives none.
QStringList titlesInFolder(const QString& path);

// "dialog-warning" gives "Dialog warning": dashes and underscores as spaces, the first letter
// capitalised, the rest as written.
QString readableName(const QString& title);

// Whether the name says the sound is meant to get attention (a bell, an alarm, a warning, an
// error, a question, ...), word by word.
bool isAlertLike(const QString& title);

struct Folder {
    QString heading;
    QStringList titles;
};

// Every item, in order. A title in several folders is listed once, in the last of them; one that
// is a fixed item's title is not listed again.
QList<PopupItem> items(const QList<Folder>& folders);

} // namespace SoundMenu
