#include "platform/desktop/HostFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <array>

namespace HostFolders {
namespace {

struct Entry {
    Folder folder;
    const char* original;
};

constexpr std::array kEntries{
    Entry{Folder::SystemSounds, "/System/Library/Sounds"},
    Entry{Folder::LocalSounds, "/Library/Sounds"},
    Entry{Folder::UserSounds, "~/Library/Sounds"},
    Entry{Folder::SystemLog, "/private/var/log/system.log"},
    Entry{Folder::CrashReports, "~/Library/Logs/DiagnosticReports"},
    Entry{Folder::Applications, "/Applications"},
};

QString expandTilde(const QString& path) {
    if (path == QLatin1String("~"))
        return QDir::homePath();
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

} // namespace

QString path(Folder folder) {
    switch (folder) {
    case Folder::SystemSounds:
        return QStringLiteral("/usr/share/sounds/freedesktop/stereo");
    case Folder::LocalSounds:
        return QStringLiteral("/usr/local/share/sounds");
    case Folder::UserSounds:
        // GenericDataLocation honours XDG_DATA_HOME and falls back to ~/.local/share.
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/sounds");
    case Folder::SystemLog:
        return QStringLiteral("/var/log/syslog");
    case Folder::CrashReports:
        return QStringLiteral("/var/crash");
    case Folder::Applications:
        return QStringLiteral("/usr/share/applications");
    }
    return {};
}

QStringList applicationFolders() {
    return {path(Folder::Applications), QStringLiteral("/usr/local/share/applications"),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                QStringLiteral("/applications")};
}

QString hostPath(const QString& originalPath) {
    const QString expanded = expandTilde(originalPath);
    for (const Entry& entry : kEntries) {
        if (expanded == expandTilde(QString::fromLatin1(entry.original)))
            return path(entry.folder);
    }
    return originalPath;
}

} // namespace HostFolders
