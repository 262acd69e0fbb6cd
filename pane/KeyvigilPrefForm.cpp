#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "shared/SettingsKeys.h"

#include <limits>

using namespace Outlets;
namespace Keys = SettingsKeys;

namespace {

// The lock pop-ups' items: no warning, warn once, warn continuously.
constexpr int kWarnOnce = 1;
constexpr int kWarnContinuously = 2;

// Item i stands for the count i + 1; a count no item stands for selects nothing.
int itemForCount(std::uint32_t count) {
    const std::int64_t item = std::int64_t(std::int32_t(count)) - 1;
    return item >= 0 && item <= std::numeric_limits<int>::max() ? int(item) : -1;
}

} // namespace

void KeyvigilPref::readBoolPreferenceWithDefaultSetVariableSetSwitch(QLatin1StringView key,
                                                                     bool defaultValue,
                                                                     bool* variable, Sender box) {
    const PlistValue* value = gPrefs->find(key);
    *variable = value ? value->boolValue() : defaultValue;
    if (!box)
        return;
    platform.form.setState(*box, *variable);
    // An absent key gets its default written back through the control.
    if (!value)
        preferenceChanged(box);
}

// Reads a flag with the pane's default from the settings table, fallback keys applied.
void KeyvigilPref::readBool(QLatin1StringView key, bool* variable, Sender box) {
    const bool defaultValue = Keys::paneDefault(key, *gPrefs)->boolValue();
    readBoolPreferenceWithDefaultSetVariableSetSwitch(key, defaultValue, variable, box);
}

void KeyvigilPref::readLockPopup(QLatin1StringView popup, QLatin1StringView onKey,
                                 QLatin1StringView continuousKey) {
    bool on = false;
    bool continuous = false;
    readBool(onKey, &on, std::nullopt);
    readBool(continuousKey, &continuous, std::nullopt);
    platform.form.selectItemAtIndex(popup, int(on) + int(continuous));
    // Always: this rewrites a continuous flag without its lock flag as a single warning.
    preferenceChanged(popup);
}

void KeyvigilPref::readPreferences() {
    PaneForm& form = platform.form;
    bool ignored = false;

    readBool(Keys::excludeCommandControl, &ignored, excludeCommandControlSwitch);
    readBool(Keys::excludeNonGraphics, &ignored, excludeNonGraphicSwitch);
    readBool(Keys::excludeSHIFT, &ignored, excludeSHIFTSwitch);
    readBool(Keys::excludeWords, &excludeWords, excludeWordsSwitch);
    const PlistValue* words = gPrefs->find(Keys::excludeWordsArray);
    excludeWordsArray = words && words->isArray() ? words->toArray() : PlistValue::Array();
    const PlistValue* applications = gPrefs->find(Keys::excludeApplicationsArray);
    excludeApplicationsArray =
        applications && applications->isArray() ? applications->toArray() : PlistValue::Array();
    readBool(Keys::startAutomatically, &enabled, EnableKeyvigilSwitch);

    // The menu-bar and upper-left defaults come from the fallback keys, through the table.
    readBool(Keys::showCapsMenuBar, &ignored, showCapsMenuBarSwitch);
    readBool(Keys::showShiftMenuBar, &ignored, showShiftMenuBarSwitch);
    readBool(Keys::showNumMenuBar, &ignored, showNumMenuBarSwitch);
    readBool(Keys::showCapsCenter, &ignored, showCapsCenterSwitch);
    readBool(Keys::showNumCenter, &ignored, showNumCenterSwitch);
    readBool(Keys::showCapsUpperLeft, &ignored, showCapsUpperLeftSwitch);
    readBool(Keys::showNumUpperLeft, &ignored, showNumUpperLeftSwitch);
    readBool(Keys::showOtherUpperLeft, &ignored, showOtherUpperLeftSwitch);
    readBool(Keys::showOutlines, &ignored, showOutlinesSwitch);
    upperLeftChanged(std::nullopt);

    readBool(Keys::warnCaps, &ignored, WarnCapsSwitch);
    readBool(Keys::warnCapsLimit, &ignored, WarnCapsLimitSwitch);
    readLockPopup(WarnCapsLockPopup, Keys::warnCapsLock, Keys::warnCapsLockContinuously);
    readLockPopup(WarnNumLockPopup, Keys::warnNumLock, Keys::warnNumLockContinuously);

    const PlistValue* count = gPrefs->find(Keys::warnCount);
    warnCount =
        std::uint32_t((count ? *count : *Keys::paneDefault(Keys::warnCount, *gPrefs)).intValue());
    form.selectItemAtIndex(WarnCountPopup, itemForCount(warnCount));
    if (!count)
        preferenceChanged(WarnCountPopup);
    const PlistValue* limit = gPrefs->find(Keys::warnCapsLimitCount);
    WarnCapsLimit = std::uint32_t(
        (limit ? *limit : *Keys::paneDefault(Keys::warnCapsLimitCount, *gPrefs)).intValue());
    form.selectItemAtIndex(WarnCapsLimitPopup, itemForCount(WarnCapsLimit));
    if (!limit)
        preferenceChanged(WarnCapsLimitPopup);

    readBool(Keys::warnWithSound, &ignored, WarnWithSoundSwitch);
    readBool(Keys::warnWithFlash, &ignored, WarnWithFlashSwitch);
    readBool(Keys::warnWithGrowl, &ignored, WarnWithGrowlSwitch);

    const PlistValue* sound = gPrefs->find(Keys::warnSound);
    const QString soundName =
        (sound ? *sound : *Keys::paneDefault(Keys::warnSound, *gPrefs)).toString();
    form.selectItemAtIndex(soundPopup, int(form.itemTitles(soundPopup).indexOf(soundName)));
    if (!sound)
        preferenceChanged(soundPopup);

    const PlistValue* storedVolume = gPrefs->find(Keys::soundVolume);
    volume = (storedVolume ? *storedVolume : *Keys::paneDefault(Keys::soundVolume, *gPrefs))
                 .floatValue();
    setVolumeSliderForSound(soundName);
    if (!storedVolume)
        preferenceChanged(volumeSlider);

    readBool(Keys::checkForUpdates, &checkForUpdates, checkForUpdatesSwitch);
    readBool(Keys::preferencesForPrefPane, &preferencesForPrefPane, std::nullopt);
}

void KeyvigilPref::preferenceChanged(Sender sender) {
    if (!sender || !gPrefs)
        return;
    PaneForm& form = platform.form;
    const QLatin1StringView control = *sender;
    if (control == WarnWithSoundSwitch || control == soundPopup)
        configureContinuousSoundOption();

    if (control == WarnCountPopup || control == WarnCapsLimitPopup) {
        const int count = form.indexOfSelectedItem(control) + 1;
        const bool isWarnCount = control == WarnCountPopup;
        gPrefs->setObjectForKey(PlistValue::fromInt(count),
                                isWarnCount ? Keys::warnCount : Keys::warnCapsLimitCount);
        if (isWarnCount)
            warnCount = std::uint32_t(count); // new words are checked against it
    } else if (control == WarnCapsLockPopup || control == WarnNumLockPopup) {
        const int index = form.indexOfSelectedItem(control);
        const bool caps = control == WarnCapsLockPopup;
        gPrefs->setBoolForKey(index > 0, caps ? Keys::warnCapsLock : Keys::warnNumLock);
        gPrefs->setBoolForKey(index == kWarnContinuously, caps ? Keys::warnCapsLockContinuously
                                                               : Keys::warnNumLockContinuously);
    } else if (control == soundPopup) {
        const int index = form.indexOfSelectedItem(soundPopup);
        if (index < 0)
            return;
        const QString title = form.itemTitles(soundPopup).value(index);
        setVolumeSliderForSound(title);
        gPrefs->setObjectForKey(PlistValue::fromString(title), Keys::warnSound);
    } else if (control == volumeSlider) {
        volume = form.floatValue(volumeSlider);
        gPrefs->setObjectForKey(PlistValue::fromFloat(volume), Keys::soundVolume);
    } else {
        // A check box: the settings table names its key. Other senders are ignored.
        for (const Keys::KeyInfo& info : Keys::all()) {
            if (info.control == control && info.kind == Keys::Kind::Boolean) {
                gPrefs->setObjectForKey(PlistValue::fromBool(form.state(control)), info.key);
                return;
            }
        }
    }
}

bool KeyvigilPref::continuousWarningsPossible() const {
    // Item 0 is the system alert, which cannot loop.
    return platform.form.state(WarnWithSoundSwitch) &&
           platform.form.indexOfSelectedItem(soundPopup) > 0;
}

void KeyvigilPref::configureContinuousSoundOption() {
    PaneForm& form = platform.form;
    const int caps = form.indexOfSelectedItem(WarnCapsLockPopup);
    const int num = form.indexOfSelectedItem(WarnNumLockPopup);
    if (continuousWarningsPossible()) {
        form.setItemsFromMenu(WarnCapsLockPopup, continuousSoundMenu);
        form.selectItemAtIndex(WarnCapsLockPopup, caps);
        form.setItemsFromMenu(WarnNumLockPopup, continuousSoundMenu);
        form.selectItemAtIndex(WarnNumLockPopup, num);
        return;
    }
    // A lock set to warn continuously goes on warning once.
    form.setItemsFromMenu(WarnCapsLockPopup, notContinuousSoundMenu);
    form.selectItemAtIndex(WarnCapsLockPopup, caps == kWarnContinuously ? kWarnOnce : caps);
    gPrefs->setBoolForKey(false, Keys::warnCapsLockContinuously);
    form.setItemsFromMenu(WarnNumLockPopup, notContinuousSoundMenu);
    form.selectItemAtIndex(WarnNumLockPopup, num == kWarnContinuously ? kWarnOnce : num);
    gPrefs->setBoolForKey(false, Keys::warnNumLockContinuously);
}
