#include "shared/SettingsKeys.h"
#include "shared/RVPrefs.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

using namespace SettingsKeys;

TEST(SettingsKeys, TheTableHoldsExactlyTheStoreKeysWithTheirKinds) {
    using enum Kind;
    using Row = std::pair<const char*, Kind>;
    std::map<std::string, Kind> expected, actual;
    for (const auto& [key, kind] :
         {Row{"warnCount", Integer}, Row{"warnCapsLimitCount", Integer}, Row{"soundVolume", Float},
          Row{"warnSound", String}, Row{"PrefPanePath", String}, Row{"excludeWordsArray", List},
          Row{"excludeApplicationsArray", List}})
        expected[key] = kind;
    for (const char* key :
         {"warnCaps", "warnCapsLimit", "warnCapsLock", "warnCapsLockContinuously", "warnNumLock",
          "warnNumLockContinuously", "excludeWords", "excludeCommandControl", "excludeNonGraphics",
          "excludeSHIFT", "warnWithSound", "warnWithFlash", "warnWithGrowl"})
        expected[key] = Boolean;
    for (const char* key :
         {"showCapsMenuBar", "showShiftMenuBar", "showNumMenuBar", "showCapsCenter",
          "showNumCenter", "showCapsUpperLeft", "showNumUpperLeft", "showOtherUpperLeft",
          "showOutlines", "startAutomatically", "checkForUpdates", "preferencesForPrefPane",
          "noMenuBar", "showFnUpperLeft", "showCtrlUpperLeft", "showOptionUpperLeft",
          "showCmdUpperLeft", "convertedFromPlist", "reconstructedAfterCorruption"})
        expected[key] = Boolean;
    for (const KeyInfo& info : all()) {
        const std::string key(info.key.data(), info.key.size());
        EXPECT_TRUE(actual.emplace(key, info.kind).second) << "listed twice: " << key;
    }
    EXPECT_EQ(actual, expected);
}

// The fallback keys decide the pane's defaults of the settings they seed, and only those.
class PaneDefaults : public TempHome {
protected:
    bool paneFlag(QLatin1StringView key) { return paneDefault(key, prefs)->boolValue(); }
    void set(QLatin1StringView key, bool value) { prefs.setBoolForKey(value, key); }
    RVPrefs prefs{QStringLiteral("org.keyvigil.SettingsKeysTest")};
};

TEST_F(PaneDefaults, FallbackKeysSeedTheMenuBarAndUpperLeftDefaults) {
    EXPECT_TRUE(paneFlag(showCapsMenuBar));
    EXPECT_FALSE(paneFlag(showShiftMenuBar));
    EXPECT_FALSE(paneFlag(showOtherUpperLeft));
    EXPECT_EQ(paneDefault(warnSound, prefs), PlistValue::fromString(systemAlertSound));
    EXPECT_FALSE(paneDefault(PrefPanePath, prefs).has_value());

    set(noMenuBar, true);
    EXPECT_FALSE(paneFlag(showCapsMenuBar));
    EXPECT_FALSE(paneFlag(showShiftMenuBar));
    set(noMenuBar, false);
    EXPECT_TRUE(paneFlag(showCapsMenuBar));
    EXPECT_TRUE(paneFlag(showShiftMenuBar));

    set(showFnUpperLeft, false);
    EXPECT_FALSE(paneFlag(showOtherUpperLeft));
    set(showCtrlUpperLeft, true);
    EXPECT_TRUE(paneFlag(showOtherUpperLeft));
    EXPECT_FALSE(paneFlag(showCapsUpperLeft));
}

} // namespace
