#include "HelperFixture.h"
#include "SettingsKeys.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList entries(const Journal& journal) {
    return journal.entries();
}

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(ReadPreferences, EmptyStoreTakesTheHelperDefaultsAndBuildsNothing) {
    HelperFixture fixture;
    fixture.start();
    const HelperSettings& s = fixture.helper.settings;
    EXPECT_TRUE(s.warnCaps && s.warnCapsLimit && s.warnCapsLock && s.warnWithSound &&
                s.checkForUpdates);
    EXPECT_FALSE(s.warnNumLock || s.warnNumLockContinuously || s.warnCapsLockContinuously ||
                 s.warnWithFlash || s.warnWithGrowl || s.excludeWords || s.excludeSHIFT ||
                 s.excludeCommandControl || s.excludeNonGraphics || s.showCapsCenter ||
                 s.showNumCenter || s.showOutlines);
    EXPECT_EQ(s.warnCount, 5u);
    EXPECT_EQ(s.warnCapsLimitCount, 2u);
    EXPECT_EQ(s.volume, 1.0f);
    EXPECT_FALSE(s.sound.has_value());
    EXPECT_EQ(s.capsCountMask, 0x600u);
    EXPECT_EQ(s.menuBarMask, 0u);
    EXPECT_EQ(s.upperLHmask, 0u);
    EXPECT_EQ(s.growlCAPSCountWarning, QStringLiteral("5 CAPS typed."));
    EXPECT_TRUE(s.excludeWordsArray.isEmpty());
    EXPECT_TRUE(s.excludeApplicationsArray.isEmpty());
    EXPECT_EQ(entries(fixture.fakes.journal).mid(0, 3),
              QStringList({"indicators closeCenterWindows", "indicators closeUpperLeftWindow",
                           "monitor installHandler cmds 2"}));
}

TEST(ReadPreferences, IndicatorsAreTornDownAndBuiltInOrderWithTheirMasks) {
    HelperFixture fixture;
    for (const auto key : {SettingsKeys::showCapsMenuBar, SettingsKeys::showShiftMenuBar,
                           SettingsKeys::showNumMenuBar, SettingsKeys::showCapsCenter,
                           SettingsKeys::showNumCenter, SettingsKeys::showOtherUpperLeft,
                           SettingsKeys::showOutlines, SettingsKeys::warnWithGrowl})
        fixture.store(key, PlistValue::fromBool(true));
    fixture.start();
    fixture.helper.monitor.modifiers = 0x600;
    fixture.fakes.journal.clear();

    fixture.helper.readPreferences();
    EXPECT_EQ(entries(fixture.fakes.journal),
              QStringList({"indicators closeCenterWindows", "indicators buildCapsCenterWindow",
                           "indicators buildNumCenterWindow", "indicators closeUpperLeftWindow",
                           "indicators buildUpperLeftWindow 0x21b00 LightGray 0x600",
                           "setDelegate \"Keyvigil\""}))
        << "an existing status item is neither rebuilt nor refreshed";
    EXPECT_EQ(fixture.helper.settings.menuBarMask, 0x10600u);

    fixture.store(SettingsKeys::showCapsUpperLeft, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::showNumUpperLeft, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::showOutlines, PlistValue::fromBool(false));
    fixture.fakes.appleEvents.send(kCoreEventClass, kAEReopenApplication);
    EXPECT_TRUE(entries(fixture.fakes.journal)
                    .contains("indicators buildUpperLeftWindow 0x31f00 Clear 0x600"));
}

TEST(ReadPreferences, GrowlIsSetUpWithTheFiveNotificationsAtEveryLoad) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::warnWithGrowl, PlistValue::fromBool(true));
    fixture.start();
    fixture.helper.readPreferences();
    ASSERT_EQ(fixture.fakes.notifier.delegates.size(), 2u);
    const QStringList names = {"CAPS LOCK On", "CAPS LOCK Off", "NUM LOCK On", "NUM LOCK Off",
                               "Too Many CAPS Typed"};
    const GrowlDelegate& delegate = fixture.fakes.notifier.delegates.back();
    EXPECT_EQ(delegate.applicationName, QStringLiteral("Keyvigil"));
    EXPECT_EQ(delegate.allNotifications, names);
    EXPECT_EQ(delegate.defaultNotifications, names);
    EXPECT_TRUE(delegate.applicationIconData.isEmpty());
    EXPECT_EQ(delegate.referenceCount, 1);
}

TEST(ReadPreferences, WordExclusionNeedsAWordOfAtLeastOneCharacter) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::excludeWords, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::excludeWordsArray, PlistValue::fromStringList({"USA", "UNESCO"}));
    fixture.start();
    EXPECT_TRUE(fixture.helper.settings.excludeWords);
    EXPECT_EQ(fixture.helper.settings.maxExcludeWordLength, 6u);
    EXPECT_GE(fixture.helper.settings.excludeWordsBuffer.capacity(), 7);

    fixture.store(SettingsKeys::excludeWords, PlistValue::fromBool(false));
    fixture.helper.Handle_ReopenApplication();
    EXPECT_FALSE(fixture.helper.settings.excludeWords);
    EXPECT_EQ(fixture.helper.settings.maxExcludeWordLength, 6u) << "kept while unused";

    fixture.store(SettingsKeys::excludeWords, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::excludeWordsArray, PlistValue::fromStringList({"", ""}));
    fixture.helper.Handle_ReopenApplication();
    EXPECT_FALSE(fixture.helper.settings.excludeWords);
    EXPECT_EQ(fixture.helper.settings.maxExcludeWordLength, 0u);
}

TEST(ReadPreferences, LoadLeavesTheMonitorStateAlone) {
    HelperFixture fixture;
    fixture.start();
    fixture.helper.monitor = {0x10600, 4, 1, true, true};
    fixture.store(SettingsKeys::warnCount, PlistValue::fromInt(3));
    fixture.helper.Handle_ReopenApplication();
    const MonitorState& m = fixture.helper.monitor;
    EXPECT_EQ(m.modifiers, 0x10600u);
    EXPECT_EQ(m.capsCount, 4u);
    EXPECT_EQ(m.warnCapsLimitCounter, 1u);
    EXPECT_TRUE(m.capsLockON && m.numLockON);
    EXPECT_EQ(fixture.helper.settings.warnCount, 3u);
}

TEST(ReadPreferences, ApplicationNamesComeFromPathsBundlesAndDesktopEntries) {
    HelperFixture fixture;
    const QString apps = fixture.homePath() + QStringLiteral("/Applications");
    writeFile(apps + QStringLiteral("/TextEdit.app/Contents/Info.plist"),
              R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
<key>CFBundleName</key><string>Text Edit</string>
<key>CFBundleExecutable</key><string>TextEdit</string>
<key>CFBundleDisplayName</key><string>Editor</string>
<key>CFBundleSignature</key><string>ttxt</string>
</dict></plist>)");
    writeFile(apps + QStringLiteral("/org.example.Browser.desktop"),
              "[Desktop Entry]\nType=Application\nName[de]=Netzleser\nName=Editor\n"
              "Exec=\"/opt/web browser/browse\" %u\n\n[Desktop Action new]\nName=New\n"
              "Exec=other\n");
    fixture.store(
        SettingsKeys::excludeApplicationsArray,
        PlistValue::fromStringList({apps + "/TextEdit.app", apps + "/org.example.Browser.desktop",
                                    "/nowhere/TextEdit.app", "/nowhere/Tool"}));
    fixture.start();
    EXPECT_EQ(fixture.helper.settings.excludeApplicationsArray,
              QStringList({"TextEdit", "Text Edit", "Editor", "org.example.Browser", "browse",
                           "TextEdit", "Tool"}));
}
