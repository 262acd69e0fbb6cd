#include "platform/desktop/SdlSoundService.h"

#include "platform/AlertSound.h"
#include "platform/desktop/HostFolders.h"

#include <QDir>
#include <QFileInfo>

SdlSoundService::SdlSoundService(Options options)
    : options_(std::move(options)), device_(options_.idleClose) {
    device_.setFinishedHandler([this] {
        for (const auto& [name, sound] : sounds_) {
            if (sound)
                sound->channelsChanged();
        }
    });
}

SdlSoundService::~SdlSoundService() {
    device_.setFinishedHandler({});
}

QStringList SdlSoundService::searchFolders(const QString& bundleResources) {
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

const QStringList& SdlSoundService::extensions() {
    static const QStringList list{
        QStringLiteral("aiff"), QStringLiteral("aif"),  QStringLiteral("aifc"),
        QStringLiteral("wav"),  QStringLiteral("oga"),  QStringLiteral("ogg"),
        QStringLiteral("opus"), QStringLiteral("flac"), QStringLiteral("mp3"),
        QStringLiteral("voc"),
    };
    return list;
}

Sound* SdlSoundService::soundNamed(const QString& name) {
    auto known = sounds_.find(name);
    if (known == sounds_.end())
        known = sounds_.emplace(name, find(name)).first;
    return known->second.get();
}

// The first file of a listed kind that decodes. Without an audio device nothing can be decoded:
// the first file found then stands, to be decoded once a device is there.
std::unique_ptr<SdlSound> SdlSoundService::find(const QString& name) {
    if (name.isEmpty())
        return nullptr;
    for (const QString& folder : std::as_const(options_.folders)) {
        for (const QString& extension : extensions()) {
            const QString path = folder + QLatin1Char('/') + name + QLatin1Char('.') + extension;
            if (!QFileInfo(path).isFile())
                continue;
            if (!device_.open())
                return std::make_unique<SdlSound>(device_, path, nullptr);
            if (Mix_Chunk* chunk = device_.load(path))
                return std::make_unique<SdlSound>(device_, path, chunk);
        }
    }
    return nullptr;
}

void SdlSoundService::beep() {
    if (options_.alert) {
        options_.alert->beep();
        return;
    }
    if (Sound* bell = soundNamed(QStringLiteral("bell")))
        bell->play();
}
