#pragma once

#include "shared/PlistValue.h"

#include <QLatin1StringView>

#include <optional>
#include <span>
#include <vector>

class RVPrefs;

// Every key of the settings store, spelt once. Both programs read and write through these.
namespace SettingsKeys {

// Warning rules
inline constexpr QLatin1StringView warnCaps{"warnCaps"};
inline constexpr QLatin1StringView warnCount{"warnCount"};
inline constexpr QLatin1StringView warnCapsLimit{"warnCapsLimit"};
inline constexpr QLatin1StringView warnCapsLimitCount{"warnCapsLimitCount"};
inline constexpr QLatin1StringView warnCapsLock{"warnCapsLock"};
inline constexpr QLatin1StringView warnCapsLockContinuously{"warnCapsLockContinuously"};
inline constexpr QLatin1StringView warnNumLock{"warnNumLock"};
inline constexpr QLatin1StringView warnNumLockContinuously{"warnNumLockContinuously"};
// Exclusions
inline constexpr QLatin1StringView excludeWords{"excludeWords"};
inline constexpr QLatin1StringView excludeWordsArray{"excludeWordsArray"};
inline constexpr QLatin1StringView excludeApplicationsArray{"excludeApplicationsArray"};
inline constexpr QLatin1StringView excludeCommandControl{"excludeCommandControl"};
inline constexpr QLatin1StringView excludeNonGraphics{"excludeNonGraphics"};
inline constexpr QLatin1StringView excludeSHIFT{"excludeSHIFT"};
// Means of warning
inline constexpr QLatin1StringView warnWithSound{"warnWithSound"};
inline constexpr QLatin1StringView warnSound{"warnSound"};
inline constexpr QLatin1StringView soundVolume{"soundVolume"};
inline constexpr QLatin1StringView warnWithFlash{"warnWithFlash"};
inline constexpr QLatin1StringView warnWithGrowl{"warnWithGrowl"};
// Indicators
inline constexpr QLatin1StringView showCapsMenuBar{"showCapsMenuBar"};
inline constexpr QLatin1StringView showShiftMenuBar{"showShiftMenuBar"};
inline constexpr QLatin1StringView showNumMenuBar{"showNumMenuBar"};
inline constexpr QLatin1StringView showCapsCenter{"showCapsCenter"};
inline constexpr QLatin1StringView showNumCenter{"showNumCenter"};
inline constexpr QLatin1StringView showCapsUpperLeft{"showCapsUpperLeft"};
inline constexpr QLatin1StringView showNumUpperLeft{"showNumUpperLeft"};
inline constexpr QLatin1StringView showOtherUpperLeft{"showOtherUpperLeft"};
inline constexpr QLatin1StringView showOutlines{"showOutlines"};
inline constexpr QLatin1StringView upperLeftSize{"upperLeftSize"};
// Starting and housekeeping
inline constexpr QLatin1StringView startAutomatically{"startAutomatically"};
inline constexpr QLatin1StringView checkForUpdates{"checkForUpdates"};
inline constexpr QLatin1StringView preferencesForPrefPane{"preferencesForPrefPane"};
inline constexpr QLatin1StringView PrefPanePath{"PrefPanePath"};
// Fallback keys: read by the pane only, to derive another key's default
inline constexpr QLatin1StringView noMenuBar{"noMenuBar"};
inline constexpr QLatin1StringView showFnUpperLeft{"showFnUpperLeft"};
inline constexpr QLatin1StringView showCtrlUpperLeft{"showCtrlUpperLeft"};
inline constexpr QLatin1StringView showOptionUpperLeft{"showOptionUpperLeft"};
inline constexpr QLatin1StringView showCmdUpperLeft{"showCmdUpperLeft"};
// The store's own keys
inline constexpr QLatin1StringView convertedFromPlist{"convertedFromPlist"};
inline constexpr QLatin1StringView reconstructedAfterCorruption{"reconstructedAfterCorruption"};

// The value the helper's system-alert rule and the pane's sound menu share.
inline constexpr QLatin1StringView systemAlertSound{"System Alert Sound"};

enum class Kind { Boolean, Integer, Float, String, List };
enum class Role { Setting, Fallback, StoreOwn };
// How a fallback key decides the pane defaults of the settings it seeds.
enum class Seeding {
    None,     // not a fallback key
    Opposite, // when present, each seeded default is the opposite of its value
    AnyYes,   // when any key of the group is YES, each seeded default is YES
};

// The values a number setting is meant to hold; the programs still read any other.
struct Range {
    double lowest;
    double highest;
    bool contains(double value) const { return value >= lowest && value <= highest; }
};

struct KeyInfo {
    QLatin1StringView key;
    Kind kind;
    Role role;
    // nullopt: the side does not read the key, or has no default for it. For a seeded setting
    // this is the default the pane starts from before the fallback keys are looked at.
    std::optional<PlistValue> paneDefault;
    std::optional<PlistValue> helperDefault;
    // Fallback keys only: the settings whose pane default this key decides, and how.
    Seeding seeding = Seeding::None;
    std::vector<QLatin1StringView> seeds;
    // What the key means, in a sentence for people.
    QLatin1StringView meaning;
    // Number settings: the values the window offers and keyvigil-defaults expects.
    std::optional<Range> range = std::nullopt;
};

// The whole table, in the order the settings are documented.
std::span<const KeyInfo> all();
// Null for a key not in the table.
const KeyInfo* find(QLatin1StringView key);
const KeyInfo* find(const QString& key);

// The helper's value for an absent key; null when the helper has no default for it.
const PlistValue* helperDefault(QLatin1StringView key);
// The pane's value for an absent key, after the fallback keys `store` holds; nullopt when the
// pane has no default for it.
std::optional<PlistValue> paneDefault(QLatin1StringView key, const RVPrefs& store);

} // namespace SettingsKeys
