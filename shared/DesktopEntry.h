#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

// The main group of a freedesktop desktop entry.
namespace DesktopEntry {

// The keys of the [Desktop Entry] group, values still escaped; the first of a repeated key
// counts. nullopt when the file cannot be read, is oversized or has no such group.
using Group = QHash<QString, QString>;
std::optional<Group> readGroup(const QString& path);

// A value with the format's escapes (\s, \n, \t, \r, \\) resolved; other backslashes stay for
// the Exec quoting rules.
QString unescape(QStringView value);

} // namespace DesktopEntry
