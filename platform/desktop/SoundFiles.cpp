#include "platform/desktop/SoundFiles.h"

#include "platform/desktop/HostFolders.h"

#include <QDir>
#include <QFileInfo>

namespace SoundFiles {

QStringList searchFolders(const QString& bundleResources) {
    QStringList folders{bundleResources};
    // <outer bundle>/Contents/Resources/<this>.app/Contents/Resources
    QDir up(bundleResources);
    if (up.cdUp() && up.dirName() == QLatin1String("Contents") && up.cdUp() &&
        up.dirName().endsWith(QLatin1String(".app")) && up.cdUp() &&
        up.dirName() == QLatin1String("Resources"))
        folders << up.path();
    folders << HostFolders::path(HostFolders::Folder::UserSounds)
            << HostFolders::path(HostFolders::Folder::LocalSounds)
            << HostFolders::path(HostFolders::Folder::SystemSounds);
    return folders;
}

const QStringList& extensions() {
    static const QStringList list{
        QStringLiteral("aiff"), QStringLiteral("aif"),  QStringLiteral("aifc"),
        QStringLiteral("wav"),  QStringLiteral("oga"),  QStringLiteral("ogg"),
        QStringLiteral("opus"), QStringLiteral("flac"), QStringLiteral("mp3"),
        QStringLiteral("voc"),
    };
    return list;
}

QStringList candidates(const QStringList& folders, const QString& name) {
    QStringList found;
    if (name.isEmpty())
        return found;
    for (const QString& folder : folders) {
        for (const QString& extension : extensions()) {
            const QString path = folder + QLatin1Char('/') + name + QLatin1Char('.') + extension;
            if (QFileInfo(path).isFile())
                found << path;
        }
    }
    return found;
}

} // namespace SoundFiles
