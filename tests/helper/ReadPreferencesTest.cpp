#include "shared/SettingsKeys.h"
#include "tests/helper/HelperFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(ReadPreferences, LoadLeavesTheMonitorStateAlone) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::warnCount, PlistValue::fromInt(2));
    fixture.store(SettingsKeys::warnNumLock, PlistValue::fromBool(true));
    fixture.start();
    fixture.fakes.eventMonitor.deliver(
        {kEventClassKeyboard, kEventRawKeyModifiersChanged, true, 0x10600, false, 0});
    for (const char c : {'A', 'B', 'C'})
        fixture.fakes.eventMonitor.deliver(
            {kEventClassKeyboard, kEventRawKeyDown, true, 0x10600, true, std::uint8_t(c)});

    fixture.store(SettingsKeys::warnCount, PlistValue::fromInt(7));
    fixture.helper.Handle_ReopenApplication();
    const MonitorState& m = fixture.helper.monitorState();
    EXPECT_EQ(m.modifiers, 0x10600u);
    EXPECT_EQ(m.capsCount, 3u);
    EXPECT_EQ(m.warnCapsLimitCounter, 2u);
    EXPECT_TRUE(m.capsLockON && m.numLockON);
    EXPECT_EQ(fixture.helper.settings().warnCount, 7u);
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
