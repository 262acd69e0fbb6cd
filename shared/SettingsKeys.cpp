#include "shared/SettingsKeys.h"

#include "shared/RVPrefs.h"

#include <QCoreApplication>

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

// One row: a setting with each side's default. The pane's control table says which control
// edits it.
KeyInfo setting(QLatin1StringView key, Kind kind, std::optional<PlistValue> pane,
                std::optional<PlistValue> helper, QLatin1StringView meaning,
                std::optional<Range> range = std::nullopt) {
    return {key, kind,    Role::Setting, std::move(pane), std::move(helper), Seeding::None,
            {},  meaning, range};
}

KeyInfo fallback(QLatin1StringView key, Seeding seeding, std::vector<QLatin1StringView> seeds,
                 QLatin1StringView meaning) {
    return {key, Kind::Boolean, Role::Fallback, {}, {}, seeding, std::move(seeds), meaning};
}

std::vector<KeyInfo> makeTable() {
    using L = QLatin1StringView;
    const std::optional<PlistValue> none;
    const Kind boolean = Kind::Boolean;
    return {
        // Warning rules
        setting(warnCaps, boolean, yes(), yes(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn about a run of capital letters."))),
        setting(warnCount, Kind::Integer, integer(5), integer(5),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "How many capitals in a row make a warning.")),
                Range{1, 20}),
        setting(warnCapsLimit, boolean, yes(), yes(),
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "Warn at most warnCapsLimitCount times during one run of capitals; off, every "
                    "capital from warnCount on warns."))),
        setting(
            warnCapsLimitCount, Kind::Integer, integer(2), integer(2),
            L(QT_TRANSLATE_NOOP("SettingsKeys", "The most warnings during one run of capitals.")),
            Range{1, 20}),
        setting(warnCapsLock, boolean, yes(), yes(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn when Caps Lock goes on."))),
        setting(warnCapsLockContinuously, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Keep the sound looping while Caps Lock stays on."))),
        setting(warnNumLock, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn when Num Lock goes on."))),
        setting(warnNumLockContinuously, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Keep the sound looping while Num Lock stays on."))),
        // Exclusions. The two lists are kept by the pane's tables, not by a control.
        setting(excludeWords, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Capitals that spell an excluded word do not count."))),
        setting(excludeWordsArray, Kind::List, emptyList(), emptyList(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "The excluded words."))),
        setting(
            excludeApplicationsArray, Kind::List, emptyList(), emptyList(),
            L(QT_TRANSLATE_NOOP(
                "SettingsKeys",
                "Applications (desktop entries or .app folders) in which capitals do not count."))),
        setting(excludeCommandControl, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Keys typed with Control or Super held do not count."))),
        setting(excludeNonGraphics, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Keys that type no printable character do not count."))),
        setting(
            excludeSHIFT, boolean, no(), no(),
            L(QT_TRANSLATE_NOOP(
                "SettingsKeys",
                "Capitals typed with Shift do not count, only those typed with Caps Lock on."))),
        // Means of warning. Without a stored name the helper plays the system alert.
        setting(warnWithSound, boolean, yes(), yes(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn with a sound."))),
        setting(warnSound, Kind::String, PlistValue::fromString(systemAlertSound), none,
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "The sound's name, from Keyvigil's or the desktop's sounds."))),
        setting(soundVolume, Kind::Float, PlistValue::fromFloat(1.0f), PlistValue::fromFloat(1.0f),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "The sound's volume.")), Range{0, 1}),
        setting(warnWithFlash, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn by flashing the top of the screen."))),
        setting(warnWithGrowl, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "Warn with a desktop notification."))),
        // Indicators
        setting(showCapsMenuBar, boolean, yes(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "The tray icon shows Caps Lock."))),
        setting(showShiftMenuBar, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "The tray icon shows Shift."))),
        setting(showNumMenuBar, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys", "The tray icon shows Num Lock."))),
        setting(showCapsCenter, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "Show a large picture in the centre of the screen while Caps Lock is on."))),
        setting(showNumCenter, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "Show a large picture in the centre of the screen while Num Lock is on."))),
        setting(showCapsUpperLeft, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "The upper-left window has a cell for Caps Lock."))),
        setting(
            showNumUpperLeft, boolean, no(), no(),
            L(QT_TRANSLATE_NOOP("SettingsKeys", "The upper-left window has a cell for Num Lock."))),
        setting(showOtherUpperLeft, boolean, no(), no(),
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "The upper-left window has cells for Shift, Control, Alt, Super and Fn."))),
        setting(
            showOutlines, boolean, no(), no(),
            L(QT_TRANSLATE_NOOP("SettingsKeys", "Outline the upper-left window and its cells."))),
        setting(upperLeftSize, Kind::Integer, integer(1), integer(1),
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "How large the upper-left window is, in times its smallest "
                                    "size; the screen's scale comes on top.")),
                Range{1, 3}),
        // Starting and housekeeping
        setting(
            startAutomatically, boolean, no(), none,
            L(QT_TRANSLATE_NOOP("SettingsKeys",
                                "Run Keyvigil Helper in the background, now and at every login."))),
        setting(checkForUpdates, boolean, yes(), yes(),
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "Check for new versions (kept for other systems; no update service here)."))),
        setting(preferencesForPrefPane, boolean, no(), none,
                L(QT_TRANSLATE_NOOP("SettingsKeys",
                                    "Set once the settings window has taken the settings over."))),
        setting(PrefPanePath, Kind::String, none, none,
                L(QT_TRANSLATE_NOOP(
                    "SettingsKeys",
                    "Where the settings window's bundle is; written each time the window opens."))),
        // Fallback keys: written by no part of the system, read by the pane for other defaults.
        fallback(noMenuBar, Seeding::Opposite, {showCapsMenuBar, showShiftMenuBar},
                 L(QT_TRANSLATE_NOOP(
                     "SettingsKeys",
                     "Older setting: when set, the tray icon's Caps Lock and Shift default to its "
                     "opposite."))),
        fallback(
            showFnUpperLeft, Seeding::AnyYes, {showOtherUpperLeft},
            L(QT_TRANSLATE_NOOP(
                "SettingsKeys",
                "Older setting: any of these four on makes showOtherUpperLeft default to on."))),
        fallback(showCtrlUpperLeft, Seeding::AnyYes, {showOtherUpperLeft},
                 L(QT_TRANSLATE_NOOP("SettingsKeys", "Older setting, as showFnUpperLeft."))),
        fallback(showOptionUpperLeft, Seeding::AnyYes, {showOtherUpperLeft},
                 L(QT_TRANSLATE_NOOP("SettingsKeys", "Older setting, as showFnUpperLeft."))),
        fallback(showCmdUpperLeft, Seeding::AnyYes, {showOtherUpperLeft},
                 L(QT_TRANSLATE_NOOP("SettingsKeys", "Older setting, as showFnUpperLeft."))),
        // The store's own keys
        {convertedFromPlist,
         boolean,
         Role::StoreOwn,
         none,
         none,
         Seeding::None,
         {},
         L(QT_TRANSLATE_NOOP("SettingsKeys", "The store has taken over an older settings file."))},
        {reconstructedAfterCorruption,
         boolean,
         Role::StoreOwn,
         none,
         none,
         Seeding::None,
         {},
         L(QT_TRANSLATE_NOOP("SettingsKeys",
                             "The store file could not be read and was started afresh."))},
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
