#pragma once

#include "platform/SoundService.h"
#include "platform/desktop/SdlMixerDevice.h"
#include "platform/desktop/SdlSound.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <unordered_map>

class AlertSound;

// Named sounds through SDL2_mixer, and the display server's alert (else the sound theme's bell).
// One per process, since the mixer is process-wide. Lookups are remembered, misses included, so
// that a warning never touches the disk after the first one for its name.
class SdlSoundService final : public SoundService {
public:
    struct Options {
        // Searched in order for "<name>.<extension>", see SoundFiles.
        QStringList folders;
        // How long the output stays open after the last sound ended.
        std::chrono::milliseconds idleClose{3000};
        // The display server's system alert; when null, the sound named "bell" plays instead,
        // as the freedesktop sound theme names it.
        AlertSound* alert = nullptr;
    };

    explicit SdlSoundService(Options options);
    ~SdlSoundService() override;
    SdlSoundService(const SdlSoundService&) = delete;
    SdlSoundService& operator=(const SdlSoundService&) = delete;

    // See SoundFiles::searchFolders.
    static QStringList searchFolders(const QString& bundleResources);

    Sound* soundNamed(const QString& name) override;
    void beep() override;

    bool isOutputOpen() const { return device_.isOpen(); }

private:
    std::unique_ptr<SdlSound> find(const QString& name);

    Options options_;
    SdlMixerDevice device_;
    std::unordered_map<QString, std::unique_ptr<SdlSound>> sounds_;
};
