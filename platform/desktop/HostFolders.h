#pragma once

#include <QString>
#include <QStringList>

// The host platform's folders that the original system names, and their Linux equivalents. This
// is the one place that maps them; everything else asks here.
//
//   original                              Linux
//   /System/Library/Sounds                /usr/share/sounds/freedesktop/stereo (the desktop theme)
//   /Library/Sounds                       /usr/local/share/sounds
//   ~/Library/Sounds                      $XDG_DATA_HOME/sounds (~/.local/share/sounds)
//   /private/var/log/system.log           /var/log/syslog
//   ~/Library/Logs/DiagnosticReports      /var/crash (text crash reports, where a reporter runs)
//   /Applications                         /usr/share/applications
//
// Each level maps to one folder only: ~/Library/Sounds itself is not searched, so that a sound
// shows up in the same place for the named-sound lookup and for the lists of sounds.
namespace HostFolders {

enum class Folder {
    SystemSounds,
    LocalSounds,
    UserSounds,
    SystemLog,
    CrashReports,
    Applications,
};

// The Linux path of a host folder (or file, for the system log), "~" already expanded.
QString path(Folder folder);

// The folders installed applications' desktop entries are read from, each overriding the ones
// before it: the system's, /usr/local/share/applications and $XDG_DATA_HOME/applications.
QStringList applicationFolders();

// The Linux path for a path the original system names, matched exactly as listed above (with
// "~" or with the expanded home folder); any other path comes back unchanged.
QString hostPath(const QString& originalPath);

} // namespace HostFolders
