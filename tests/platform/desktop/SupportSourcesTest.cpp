#include "platform/desktop/LinuxSupportSources.h"
#include "tests/shared/TempHome.h"

#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

class SupportSources : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    void write(const QString& relative, const QByteArray& bytes) {
        writeFile(root.filePath(relative), bytes);
    }
    QStringList logLines() {
        QStringList lines;
        sources.forEachSystemLogLine([&lines](const QString& line) { lines.append(line); });
        return lines;
    }

    QTemporaryDir root;
    LinuxSupportSources sources{root.filePath("syslog"), root.filePath("crash"), false};
};

TEST_F(SupportSources, TheLogFileIsReadAsAsciiOrNotAtAll) {
    EXPECT_TRUE(logLines().isEmpty());
    write("syslog", "one Keyvigil\ntwo\n");
    EXPECT_EQ(logLines(), (QStringList{"one Keyvigil", "two", ""}));
    write("syslog", "one Keyvigil\nna\xc3\xafve\n");
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(SupportSources, ReportsAreListedByRelativePathAndReadAsText) {
    write("crash/Keyvigil Helper.crash", "report\nThread 1::\n");
    write("crash/Keyvigil dir/inner.crash", "inner");
    write("crash/bad.crash", "not \xc3\x28 UTF-8");
    write("crash/wide.crash", QByteArray("\xff\xfeh\0i\0", 6));
    std::vector<QString> paths = sources.crashReportPaths();
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<QString>{"Keyvigil Helper.crash", "Keyvigil dir",
                                           "Keyvigil dir/inner.crash", "bad.crash", "wide.crash"}));
    EXPECT_EQ(sources.readCrashReport("Keyvigil dir/inner.crash"), "inner");
    EXPECT_EQ(sources.readCrashReport("wide.crash"), "hi");
    EXPECT_EQ(sources.readCrashReport("Keyvigil dir"), std::nullopt);
    EXPECT_EQ(sources.readCrashReport("bad.crash"), std::nullopt);
    EXPECT_EQ(sources.readCrashReport("gone.crash"), std::nullopt);
}

TEST_F(SupportSources, AttributesNameTheTypeOwnerPermissionsAndDatesWithoutFollowingLinks) {
    const QString folder = root.filePath("LaunchAgents");
    ASSERT_TRUE(QDir().mkpath(folder));
    ::chmod(QFile::encodeName(folder).constData(), 0750);
    const auto attributes = sources.attributesOfItemAtPath(folder);
    ASSERT_TRUE(attributes);
    EXPECT_EQ(attributes->value("NSFileType").toString(), "NSFileTypeDirectory");
    EXPECT_EQ(attributes->value("NSFilePosixPermissions").intValue(), 0750);
    EXPECT_EQ(attributes->value("NSFileOwnerAccountID").intValue(), int(getuid()));
    EXPECT_FALSE(attributes->value("NSFileOwnerAccountName").toString().isEmpty());
    EXPECT_EQ(attributes->value("NSFileModificationDate").kind(), PlistValue::Kind::Date);
    EXPECT_TRUE(attributes->contains("NSFileSize"));

    ASSERT_TRUE(QFile::link(folder, root.filePath("link")));
    EXPECT_EQ(sources.attributesOfItemAtPath(root.filePath("link"))->value("NSFileType").toString(),
              "NSFileTypeSymbolicLink");
    EXPECT_EQ(sources.attributesOfItemAtPath(root.filePath("missing")), std::nullopt);
    EXPECT_TRUE(sources.operatingSystemVersionString().contains(QSysInfo::kernelVersion()));
}

} // namespace
