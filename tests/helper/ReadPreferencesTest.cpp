#include "shared/SettingsKeys.h"
#include "tests/helper/HelperFixture.h"
#include "tests/shared/TempHome.h"

#include <gtest/gtest.h>

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
