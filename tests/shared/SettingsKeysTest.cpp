#include "shared/SettingsKeys.h"
#include "shared/RVPrefs.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace SettingsKeys;

// Every key the store holds, with its kind: a key spelt otherwise misses the settings users have.
TEST(SettingsKeys, TheTableHoldsExactlyTheStoreKeysWithTheirKinds) {
    const QString expected = QStringLiteral(
        "i:warnCount i:warnCapsLimitCount i:upperLeftSize f:soundVolume s:warnSound s:PrefPanePath "
        "l:excludeWordsArray l:excludeApplicationsArray b:warnCaps b:warnCapsLimit b:warnCapsLock "
        "b:warnCapsLockContinuously b:warnNumLock b:warnNumLockContinuously b:excludeWords "
        "b:excludeCommandControl b:excludeNonGraphics b:excludeSHIFT b:warnWithSound "
        "b:warnWithFlash b:warnWithGrowl b:showCapsMenuBar b:showShiftMenuBar b:showNumMenuBar "
        "b:showCapsCenter b:showNumCenter b:showCapsUpperLeft b:showNumUpperLeft "
        "b:showOtherUpperLeft b:showOutlines b:startAutomatically b:checkForUpdates "
        "b:preferencesForPrefPane b:noMenuBar b:showFnUpperLeft b:showCtrlUpperLeft "
        "b:showOptionUpperLeft b:showCmdUpperLeft b:convertedFromPlist "
        "b:reconstructedAfterCorruption");
    const std::map<Kind, char> letters{{Kind::Boolean, 'b'},
                                       {Kind::Integer, 'i'},
                                       {Kind::Float, 'f'},
                                       {Kind::String, 's'},
                                       {Kind::List, 'l'}};
    QStringList actual;
    for (const KeyInfo& info : all())
        actual.append(QString(QLatin1Char(letters.at(info.kind))) + u':' + info.key);
    QStringList sorted = expected.split(u' ');
    sorted.sort();
    actual.sort();
    EXPECT_EQ(actual, sorted);
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
