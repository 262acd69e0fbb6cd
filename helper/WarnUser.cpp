#include "helper/KeyvigilHelper.h"
#include "shared/AppKitVersion.h"
#include "shared/SettingsKeys.h"

void KeyvigilHelper::warnUser(bool continuous) {
    if (monitor_.warningsPaused)
        return;
    if (settings_.warnWithSound) {
        if (!settings_.sound || *settings_.sound == SettingsKeys::systemAlertSound) {
            platform.sounds.beep(); // the system alert never loops
        } else if (Sound* sound = platform.sounds.soundNamed(*settings_.sound)) {
            // Older toolkits play a sound at its own volume.
            if (AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber))
                sound->setVolume(settings_.volume);
            if (continuous)
                sound->setLoops(true);
            // One object per name: a sound still playing is not started again.
            sound->play();
        }
    }
    if (settings_.warnWithFlash) {
        platform.menuBarFlasher.flashMenuBar(0); // invert
        platform.menuBarFlasher.flashMenuBar(0); // restore
    }
}

void KeyvigilHelper::soundOff() {
    if (!settings_.warnWithSound || !settings_.sound)
        return;
    // The sound object is shared by name, so this also ends another lock's loop on it.
    if (Sound* sound = platform.sounds.soundNamed(*settings_.sound)) {
        sound->setLoops(false);
        sound->stop();
    }
}
