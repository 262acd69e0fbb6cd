#include "HostFolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(HostFoldersTest, OriginalFoldersMapWithOrWithoutTheTilde) {
    qputenv("XDG_DATA_HOME", "/tmp/keyvigil-data");
    EXPECT_EQ(HostFolders::path(HostFolders::Folder::UserSounds), "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath("~/Library/Sounds"), "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath(QDir::homePath() + "/Library/Sounds"),
              "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath("/Library/Sounds"), "/usr/local/share/sounds");
    EXPECT_EQ(HostFolders::hostPath("/System/Library/Sounds"),
              "/usr/share/sounds/freedesktop/stereo");
    EXPECT_EQ(HostFolders::hostPath("/Applications"), "/usr/share/applications");
    qunsetenv("XDG_DATA_HOME");
}

TEST(HostFoldersTest, OtherPathsStayAsTheyAre) {
    EXPECT_EQ(HostFolders::hostPath("~/Library/Preferences"), "~/Library/Preferences");
    EXPECT_EQ(HostFolders::hostPath("/System/Library/Sounds/Ping.aiff"),
              "/System/Library/Sounds/Ping.aiff");
    EXPECT_EQ(HostFolders::hostPath(""), "");
}

} // namespace
