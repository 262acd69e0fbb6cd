#include "shared/SettingsKeys.h"
#include "tests/helper/HelperFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

MonitorEvent keyboard(std::uint32_t kind, std::uint32_t modifiers, char character = 0) {
    return {kEventClassKeyboard, kind, true, modifiers, character != 0, std::uint8_t(character)};
}

} // namespace

TEST(Startup, StoreSettingsAndHandlersAreReadyBeforeTheEventLoopRuns) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::showNumMenuBar, PlistValue::fromBool(true));
    bool readyInLoop = false;
    fixture.fakes.whileRunning = [&] {
        readyInLoop = fixture.gPrefs && fixture.fakes.hasHandler() &&
                      fixture.helper.settings().menuBarMask == 0x10000;
    };
    EXPECT_EQ(fixture.helper.helperMain(), 0);
    EXPECT_TRUE(readyInLoop);
    EXPECT_EQ(fixture.fakes.journal.entries(),
              QStringList({"indicators closeCenterWindows", "indicators closeUpperLeftWindow",
                           "indicators buildStatusItem", "monitor installHandler cmds 2",
                           "monitor addEventType keyb 1", "monitor addEventType keyb 2",
                           "monitor addEventType keyb 4", "appleEvent install aevt rapp",
                           "appleEvent install aevt quit",
                           "display registerReconfigurationCallback", "eventLoop run"}));
}

// Every load registers the five notifications afresh; each one carries its name as title.
TEST(Startup, NotificationsAreRegisteredAtEveryLoadAndSentWithPriorityTwo) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::warnWithGrowl, PlistValue::fromBool(true));
    fixture.start();
    fixture.helper.readPreferences();
    const QStringList names = {"CAPS LOCK On", "CAPS LOCK Off", "NUM LOCK On", "NUM LOCK Off",
                               "Too Many CAPS Typed"};
    const GrowlDelegate registration{"Keyvigil", names, names, {}, 1};
    EXPECT_EQ(fixture.fakes.delegates, (std::vector<GrowlDelegate>{registration, registration}));

    fixture.fakes.deliver(keyboard(kEventRawKeyModifiersChanged, 0x400));
    for (int i = 0; i < 5; ++i)
        fixture.fakes.deliver(keyboard(kEventRawKeyDown, 0x400, 'A'));
    const auto notification = [](const char* name, const char* description) {
        return GrowlNotification{name, description, name, {}, 2, false, false};
    };
    EXPECT_EQ(
        fixture.fakes.notifications,
        (std::vector<GrowlNotification>{notification("CAPS LOCK On", ""),
                                        notification("Too Many CAPS Typed", "5 CAPS typed.")}));
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
    EXPECT_EQ(fixture.helper.settings().excludeApplicationsArray,
              QStringList({"TextEdit", "Text Edit", "Editor", "org.example.Browser", "browse",
                           "TextEdit", "Tool"}));
}
