#pragma once

#include <QString>
#include <QStringList>

// The XDG autostart entry that loads the agent file again at the next login, where no user
// manager does it.
namespace AutostartEntry {

// The entry's text: a hidden application whose Exec runs `command`.
QString entryText(const QStringList& command);

// One Exec argument as the desktop-entry rules read it back: quoted where it holds a reserved
// character, '%' doubled, and the key file's own backslash escape applied over the quoting.
QString execArgument(const QString& argument);

} // namespace AutostartEntry
