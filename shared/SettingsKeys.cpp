#include "shared/SettingsKeys.h"

#include <vector>

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

std::vector<KeyInfo> makeTable() {
    const std::optional<PlistValue> none;
    const Role setting = Role::Setting;
    return {
        // Warning rules
        {warnCaps, Kind::Boolean, setting, yes(), yes()},
        {warnCount, Kind::Integer, setting, integer(5), integer(5)},
        {warnCapsLimit, Kind::Boolean, setting, no(), yes()},
        {warnCapsLimitCount, Kind::Integer, setting, integer(2), integer(2)},
        {warnCapsLock, Kind::Boolean, setting, yes(), yes()},
        {warnCapsLockContinuously, Kind::Boolean, setting, no(), no()},
        {warnNumLock, Kind::Boolean, setting, no(), no()},
        {warnNumLockContinuously, Kind::Boolean, setting, no(), no()},
        // Exclusions
        {excludeWords, Kind::Boolean, setting, no(), no()},
        {excludeWordsArray, Kind::List, setting, emptyList(), emptyList()},
        {excludeApplicationsArray, Kind::List, setting, emptyList(), emptyList()},
        {excludeCommandControl, Kind::Boolean, setting, no(), no()},
        {excludeNonGraphics, Kind::Boolean, setting, no(), no()},
        {excludeSHIFT, Kind::Boolean, setting, no(), no()},
        // Means of warning
        {warnWithSound, Kind::Boolean, setting, yes(), yes()},
        {warnSound, Kind::String, setting, PlistValue::fromString(systemAlertSound), none},
        {soundVolume, Kind::Float, setting, PlistValue::fromFloat(1.0f),
         PlistValue::fromFloat(1.0f)},
        {warnWithFlash, Kind::Boolean, setting, no(), no()},
        {warnWithGrowl, Kind::Boolean, setting, no(), no()},
        // Indicators. The pane derives the first two from "noMenuBar" and "showOtherUpperLeft"
        // from the four upper-left fallback keys when those are present; these are the plain
        // defaults it starts from.
        {showCapsMenuBar, Kind::Boolean, setting, yes(), no()},
        {showShiftMenuBar, Kind::Boolean, setting, no(), no()},
        {showNumMenuBar, Kind::Boolean, setting, no(), no()},
        {showCapsCenter, Kind::Boolean, setting, no(), no()},
        {showNumCenter, Kind::Boolean, setting, no(), no()},
        {showCapsUpperLeft, Kind::Boolean, setting, no(), no()},
        {showNumUpperLeft, Kind::Boolean, setting, no(), no()},
        {showOtherUpperLeft, Kind::Boolean, setting, no(), no()},
        {showOutlines, Kind::Boolean, setting, no(), no()},
        // Starting and housekeeping
        {startAutomatically, Kind::Boolean, setting, no(), none},
        {checkForUpdates, Kind::Boolean, setting, yes(), yes()},
        {preferencesForPrefPane, Kind::Boolean, setting, no(), none},
        {PrefPanePath, Kind::String, setting, none, none},
        // Fallback keys: only their presence and value matter, so they have no default.
        {noMenuBar, Kind::Boolean, Role::Fallback, none, none},
        {showFnUpperLeft, Kind::Boolean, Role::Fallback, none, none},
        {showCtrlUpperLeft, Kind::Boolean, Role::Fallback, none, none},
        {showOptionUpperLeft, Kind::Boolean, Role::Fallback, none, none},
        {showCmdUpperLeft, Kind::Boolean, Role::Fallback, none, none},
        // The store's own keys
        {convertedFromPlist, Kind::Boolean, Role::StoreOwn, none, none},
        {reconstructedAfterCorruption, Kind::Boolean, Role::StoreOwn, none, none},
    };
}

const std::vector<KeyInfo>& table() {
    static const std::vector<KeyInfo> keys = makeTable();
    return keys;
}

} // namespace

std::span<const KeyInfo> all() {
    return table();
}

const KeyInfo* find(QLatin1StringView key) {
    for (const KeyInfo& info : table()) {
        if (info.key == key)
            return &info;
    }
    return nullptr;
}

const KeyInfo* find(const QString& key) {
    for (const KeyInfo& info : table()) {
        if (info.key == key)
            return &info;
    }
    return nullptr;
}

} // namespace SettingsKeys
