#include "helper/KeyvigilHelper.h"
#include "shared/SettingsKeys.h"

#include <cmath>

namespace {
// Toolkits up to this version play a sound at its own volume.
constexpr double kLastVersionWithoutSoundVolume = 824.0;
} // namespace

void KeyvigilHelper::warnUser(bool continuous) {
    if (settings.warnWithSound) {
        if (!settings.sound || *settings.sound == SettingsKeys::systemAlertSound) {
            platform.sounds.beep(); // the system alert never loops
        } else if (Sound* sound = platform.sounds.soundNamed(*settings.sound)) {
            if (std::floor(platform.processInfo.appKitVersionNumber()) >
                kLastVersionWithoutSoundVolume)
                sound->setVolume(settings.volume);
            if (continuous)
                sound->setLoops(true);
            // One object per name: a sound still playing is not started again.
            sound->play();
        }
    }
    if (settings.warnWithFlash) {
        platform.menuBarFlasher.flashMenuBar(0); // invert
        platform.menuBarFlasher.flashMenuBar(0); // restore
    }
}

void KeyvigilHelper::soundOff() {
    if (!settings.warnWithSound || !settings.sound)
        return;
    // The sound object is shared by name, so this also ends another lock's loop on it.
    if (Sound* sound = platform.sounds.soundNamed(*settings.sound)) {
        sound->setLoops(false);
        sound->stop();
    }
}

const QString* KeyvigilHelper::frontProcessName() const {
    // The service keeps the name current, so asking on every key costs no lookup.
    return platform.processInfo.frontProcessName();
}
