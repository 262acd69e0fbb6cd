#include "platform/desktop/HostFolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(HostFoldersTest, OriginalFoldersMapWithOrWithoutTheTildeAndNothingElseDoes) {
    qputenv("XDG_DATA_HOME", "/tmp/keyvigil-data");
    EXPECT_EQ(HostFolders::path(HostFolders::Folder::UserSounds), "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath("~/Library/Sounds"), "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath(QDir::homePath() + "/Library/Sounds"),
              "/tmp/keyvigil-data/sounds");
    EXPECT_EQ(HostFolders::hostPath("/Library/Sounds"), "/usr/local/share/sounds");
    EXPECT_EQ(HostFolders::hostPath("/System/Library/Sounds"),
              "/usr/share/sounds/freedesktop/stereo");
    EXPECT_EQ(HostFolders::hostPath("/Applications"), "/usr/share/applications");
    // Only the folders themselves are mapped.
    EXPECT_EQ(HostFolders::hostPath("/System/Library/Sounds/Ping.aiff"),
              "/System/Library/Sounds/Ping.aiff");
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
