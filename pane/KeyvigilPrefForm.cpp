#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "shared/SettingsKeys.h"

void KeyvigilPref::readBoolPreferenceWithDefaultSetVariableSetSwitch(
    QLatin1StringView key, bool defaultValue, bool* variable,
    std::optional<QLatin1StringView> box) {
    const PlistValue* value = gPrefs->find(key);
    *variable = value ? value->boolValue() : defaultValue;
    if (!box)
        return;
    platform.form.setState(*box, *variable);
    // An absent key gets its default written back through the control.
    if (!value)
        preferenceChanged(*box);
}

void KeyvigilPref::readPreferences() {
    // The rest of the form's settings are read with their controls; these two steer the
    // helper's control and are read already.
    readBoolPreferenceWithDefaultSetVariableSetSwitch(
        SettingsKeys::startAutomatically,
        SettingsKeys::paneDefault(SettingsKeys::startAutomatically, *gPrefs)->boolValue(), &enabled,
        Outlets::EnableKeyvigilSwitch);
    readBoolPreferenceWithDefaultSetVariableSetSwitch(
        SettingsKeys::preferencesForPrefPane,
        SettingsKeys::paneDefault(SettingsKeys::preferencesForPrefPane, *gPrefs)->boolValue(),
        &preferencesForPrefPane, std::nullopt);
}

void KeyvigilPref::configureContinuousSoundOption() {
    // The lock pop-ups' menus come with the sound pop-up.
}

void KeyvigilPref::preferenceChanged(std::optional<QLatin1StringView> sender) {
    if (!sender || !gPrefs)
        return;
    // The settings table names the key each check box edits; other senders are ignored.
    for (const SettingsKeys::KeyInfo& info : SettingsKeys::all()) {
        if (info.control == *sender && info.kind == SettingsKeys::Kind::Boolean) {
            gPrefs->setBoolForKey(platform.form.state(*sender), info.key);
            return;
        }
    }
}
