// Runs under umockdev-run with tests/data/wayland/keyboard.umockdev: a keyboard with its two
// lock lights and a mouse, in a sysfs and /dev of umockdev's own.
#include "platform/wayland/KeyboardDevices.h"
#include "platform/wayland/KeyboardLeds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kLights = QStringLiteral("/sys/devices/platform/i8042/serio0/input/input3/input3::");

void setLight(const char* light, bool on) {
    QFile file(kLights + QLatin1String(light) + QStringLiteral("/brightness"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(on ? "1\n" : "0\n");
}

// The files this process has open; umockdev's device nodes are terminals.
QStringList openTerminals() {
    QStringList open;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        open << fd.symLinkTarget();
    return open.filter(QStringLiteral("/dev/pts/"));
}

TEST(KeyboardDevicesTest, OnlyKeyboardsAreOpenedAndTheirLightsRead) {
    setLight("capslock", true);
    const qsizetype openBefore = openTerminals().size();
    std::vector<LockState> lights;
    KeyboardDevices devices(
        {[](unsigned, bool) {}, [&lights](const LockState& state) { lights.push_back(state); }});
    EXPECT_EQ(devices.keyboardsFound(), 1);
    EXPECT_EQ(devices.keyboardsOpen(), 1);
    EXPECT_EQ(openTerminals().size(), openBefore + 1) << "a device other than the keyboard is open";
    ASSERT_FALSE(lights.empty());
    EXPECT_EQ(lights.back(), (LockState{true, false}));
    setLight("capslock", false);
}

TEST(KeyboardLedsTest, LightsAreReadFromSysfsWhenTheyChange) {
    std::vector<LockState> seen;
    KeyboardLeds leds([&seen](const LockState& state) { seen.push_back(state); });
    ASSERT_TRUE(leds.hasLights());
    leds.read();
    EXPECT_TRUE(seen.empty()) << "both lights are off, as at the start";
    setLight("numlock", true);
    leds.read();
    setLight("capslock", true);
    leds.read();
    leds.read();
    EXPECT_EQ(seen, (std::vector<LockState>{{false, true}, {true, true}}));
    setLight("capslock", false);
    setLight("numlock", false);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
