#include "shared/SettingsKeys.h"

#include "shared/RVPrefs.h"

#include <algorithm>

namespace SettingsKeys {
namespace {

PlistValue yes() {
    return PlistValue::fromBool(true);
}
PlistValue no() {
    return PlistValue::fromBool(false);
}
PlistValue integer(int value) {
    return PlistValue::fromInt(value);
}
PlistValue emptyList() {
    return PlistValue::fromArray({});
}

// One row: a setting edited by `control` (empty: none), with each side's default.
KeyInfo setting(QLatin1StringView key, Kind kind, QLatin1StringView control,
                std::optional<PlistValue> pane, std::optional<PlistValue> helper) {
    return {key,           kind, Role::Setting, control, std::move(pane), std::move(helper),
            Seeding::None, {}};
}

KeyInfo fallback(QLatin1StringView key, Seeding seeding, std::vector<QLatin1StringView> seeds) {
    return {key, Kind::Boolean, Role::Fallback, {}, {}, {}, seeding, std::move(seeds)};
}

std::vector<KeyInfo> makeTable() {
    using L = QLatin1StringView;
    const std::optional<PlistValue> none;
    const Kind boolean = Kind::Boolean;
    return {
        // Warning rules
        setting(warnCaps, boolean, L("WarnCapsSwitch"), yes(), yes()),
        setting(warnCount, Kind::Integer, L("WarnCountPopup"), integer(5), integer(5)),
        setting(warnCapsLimit, boolean, L("WarnCapsLimitSwitch"), no(), yes()),
        setting(warnCapsLimitCount, Kind::Integer, L("WarnCapsLimitPopup"), integer(2), integer(2)),
        setting(warnCapsLock, boolean, L("WarnCapsLockPopup"), yes(), yes()),
        setting(warnCapsLockContinuously, boolean, L("WarnCapsLockPopup"), no(), no()),
        setting(warnNumLock, boolean, L("WarnNumLockPopup"), no(), no()),
        setting(warnNumLockContinuously, boolean, L("WarnNumLockPopup"), no(), no()),
        // Exclusions. The two lists are kept by the pane's tables, not by a control.
        setting(excludeWords, boolean, L("excludeWordsSwitch"), no(), no()),
        setting(excludeWordsArray, Kind::List, {}, emptyList(), emptyList()),
        setting(excludeApplicationsArray, Kind::List, {}, emptyList(), emptyList()),
        setting(excludeCommandControl, boolean, L("excludeCommandControlSwitch"), no(), no()),
        setting(excludeNonGraphics, boolean, L("excludeNonGraphicSwitch"), no(), no()),
        setting(excludeSHIFT, boolean, L("excludeSHIFTSwitch"), no(), no()),
        // Means of warning. Without a stored name the helper plays the system alert.
        setting(warnWithSound, boolean, L("WarnWithSoundSwitch"), yes(), yes()),
        setting(warnSound, Kind::String, L("soundPopup"), PlistValue::fromString(systemAlertSound),
                none),
        setting(soundVolume, Kind::Float, L("volumeSlider"), PlistValue::fromFloat(1.0f),
                PlistValue::fromFloat(1.0f)),
        setting(warnWithFlash, boolean, L("WarnWithFlashSwitch"), no(), no()),
        setting(warnWithGrowl, boolean, L("WarnWithGrowlSwitch"), no(), no()),
        // Indicators
        setting(showCapsMenuBar, boolean, L("showCapsMenuBarSwitch"), yes(), no()),
        setting(showShiftMenuBar, boolean, L("showShiftMenuBarSwitch"), no(), no()),
        setting(showNumMenuBar, boolean, L("showNumMenuBarSwitch"), no(), no()),
        setting(showCapsCenter, boolean, L("showCapsCenterSwitch"), no(), no()),
        setting(showNumCenter, boolean, L("showNumCenterSwitch"), no(), no()),
        setting(showCapsUpperLeft, boolean, L("showCapsUpperLeftSwitch"), no(), no()),
        setting(showNumUpperLeft, boolean, L("showNumUpperLeftSwitch"), no(), no()),
        setting(showOtherUpperLeft, boolean, L("showOtherUpperLeftSwitch"), no(), no()),
        setting(showOutlines, boolean, L("showOutlinesSwitch"), no(), no()),
        // Starting and housekeeping
        setting(startAutomatically, boolean, L("EnableKeyvigilSwitch"), no(), none),
        setting(checkForUpdates, boolean, L("checkForUpdatesSwitch"), yes(), yes()),
        setting(preferencesForPrefPane, boolean, {}, no(), none),
        setting(PrefPanePath, Kind::String, {}, none, none),
        // Fallback keys: written by no part of the system, read by the pane for other defaults.
        fallback(noMenuBar, Seeding::Opposite, {showCapsMenuBar, showShiftMenuBar}),
        fallback(showFnUpperLeft, Seeding::AnyYes, {showOtherUpperLeft}),
        fallback(showCtrlUpperLeft, Seeding::AnyYes, {showOtherUpperLeft}),
        fallback(showOptionUpperLeft, Seeding::AnyYes, {showOtherUpperLeft}),
        fallback(showCmdUpperLeft, Seeding::AnyYes, {showOtherUpperLeft}),
        // The store's own keys
        {convertedFromPlist, boolean, Role::StoreOwn, {}, none, none, Seeding::None, {}},
        {reconstructedAfterCorruption, boolean, Role::StoreOwn, {}, none, none, Seeding::None, {}},
    };
}

const std::vector<KeyInfo>& table() {
    static const std::vector<KeyInfo> keys = makeTable();
    return keys;
}

template <typename Key> const KeyInfo* lookUp(const Key& key) {
    const auto& keys = table();
    const auto it = std::find_if(keys.begin(), keys.end(),
                                 [&](const KeyInfo& info) { return info.key == key; });
    return it == keys.end() ? nullptr : &*it;
}

} // namespace

std::span<const KeyInfo> all() {
    return table();
}

const KeyInfo* find(QLatin1StringView key) {
    return lookUp(key);
}

const KeyInfo* find(const QString& key) {
    return lookUp(key);
}

const PlistValue* helperDefault(QLatin1StringView key) {
    const KeyInfo* info = find(key);
    return info && info->helperDefault ? &*info->helperDefault : nullptr;
}

std::optional<PlistValue> paneDefault(QLatin1StringView key, const RVPrefs& store) {
    const KeyInfo* info = find(key);
    if (!info || !info->paneDefault)
        return std::nullopt;
    bool anyYesSeen = false;
    bool anyYesFound = false;
    for (const KeyInfo& source : table()) {
        if (std::find(source.seeds.begin(), source.seeds.end(), key) == source.seeds.end())
            continue;
        const PlistValue* value = store.find(source.key);
        if (source.seeding == Seeding::Opposite && value)
            return PlistValue::fromBool(!value->boolValue());
        if (source.seeding == Seeding::AnyYes) {
            anyYesSeen = true;
            anyYesFound = anyYesFound || (value && value->boolValue());
        }
    }
    if (anyYesSeen)
        return PlistValue::fromBool(anyYesFound);
    return info->paneDefault;
}

} // namespace SettingsKeys
