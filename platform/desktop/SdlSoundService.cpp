#include "platform/desktop/SdlSoundService.h"

#include "platform/AlertSound.h"
#include "platform/desktop/SoundFiles.h"

#include <QFile>

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
    return SoundFiles::searchFolders(bundleResources);
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
    SdlMixerOutput& output = device_.output();
    for (const QString& candidate : SoundFiles::candidates(options_.folders, name)) {
        const std::string path = QFile::encodeName(candidate).toStdString();
        if (!output.open())
            return std::make_unique<SdlSound>(output, path, nullptr);
        if (Mix_Chunk* chunk = output.load(path))
            return std::make_unique<SdlSound>(output, path, chunk);
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
