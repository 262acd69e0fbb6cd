#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace Files = KeyboardAccessFiles;

struct Outcome {
    int status;
    QStringList said; // the system's commands, in order
};

// keyvigil-keyboard-access, as nobody when the test runs as root unless `asRoot`.
Outcome run(const QStringList& arguments, const QString& pkexecUid = "0", bool asRoot = false) {
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PKEXEC_UID", pkexecUid);
    tool.setProcessEnvironment(environment);
    QStringList command{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    if (geteuid() != 0 || asRoot)
        command.clear();
    command << KEYVIGIL_KEYBOARD_ACCESS_PROGRAM << arguments;
    const QString program = command.takeFirst();
    tool.start(program, command);
    tool.waitForFinished();
    return {tool.exitCode(),
            QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)};
}

class KeyboardAccessTool : public ::testing::Test {
protected:
    void SetUp() override {
        for (const QString& folder : {dir.path(), root, root + "/etc"}) {
            QDir().mkpath(folder);
            QFile::setPermissions(folder, QFile::Permissions(0x7777));
        }
    }
    Outcome onRoot(const char* command, const QString& pkexecUid = "0") {
        return run({"--root", root, command}, pkexecUid);
    }

    QTemporaryDir dir;
    const QString root = dir.path() + "/system root";
};

const QStringList kUdev = {"run udevadm control --reload",
                           "run udevadm trigger --action=change --subsystem-match=input",
                           "run udevadm settle --timeout=10"};

TEST_F(KeyboardAccessTool, WithSeatsTheRuleIsWrittenOnceAndGoesWithTheAccessLists) {
    for (const char* folder : {Files::kSystemdRunning, Files::kSeats})
        QDir().mkpath(root + folder);
    const QString rule = root + Files::kRule;
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(onRoot("grant").said, kUdev);
        QFile file(rule);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().endsWith("SUBSYSTEM==\"input\", KERNEL==\"event*\", "
                                            "ENV{ID_INPUT_KEYBOARD}==\"1\", TAG+=\"uaccess\"\n"));
        struct stat st {};
        EXPECT_TRUE(stat(QFile::encodeName(rule).constData(), &st) == 0 &&
                    (st.st_mode & 07777) == 0644);
        EXPECT_EQ(QDir(root + "/etc/udev/rules.d").count(), 3u); // ".", ".." and the rule
    }
    for (int time = 0; time < 2; ++time) {
        EXPECT_EQ(onRoot("revoke").said,
                  QStringList({kUdev[0], "clear the access lists of /dev/input/event*", kUdev[1],
                               kUdev[2]}));
        EXPECT_FALSE(QFile::exists(rule));
    }
}

TEST_F(KeyboardAccessTool, WithoutSeatsTheUserWhoRanPkexecJoinsOrLeavesTheInputGroup) {
    const struct {
        const char* groups;
        const char* command;
        const char* pkexecUid;
        Outcome outcome;
    } rows[] = {
        {"input:x:104:alice\n", "grant", "0", {0, {"run gpasswd -a root input"}}},
        {"inputs:x:1:\ninput:x:104:alice,root\n", "grant", "0", {0, {}}},
        {"input:x:104:root,bob\n", "revoke", "0", {0, {"run gpasswd -d root input"}}},
        {"input:x:104:rooted\n", "revoke", "0", {0, {}}},
        {"audio:x:29:\n", "grant", "0", {1, {}}},
        // Only pkexec says whose access it is.
        {"input:x:104:\n", "grant", "", {1, {}}},
        {"input:x:104:\n", "grant", "0 ", {1, {}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.groups) + row.command + '/' + row.pkexecUid);
        QFile groups(root + Files::kGroupFile);
        ASSERT_TRUE(groups.open(QIODevice::WriteOnly));
        groups.write(row.groups);
        groups.close();
        const Outcome outcome = onRoot(row.command, row.pkexecUid);
        EXPECT_EQ(outcome.status, row.outcome.status);
        EXPECT_EQ(outcome.said, row.outcome.said);
    }
    EXPECT_FALSE(QFile::exists(root + "/etc/udev"));
}

TEST_F(KeyboardAccessTool, TakesOneCommandAndATestFolderNeverAsRoot) {
    for (const QStringList& arguments : {QStringList{},
                                         {"grant", "revoke"},
                                         {"allow"},
                                         {"--root", root},
                                         {"--root", root, "grant", "x"}})
        EXPECT_EQ(run(arguments).status, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run({"--root", "relative", "grant"}).status, 1);
    // Root would change the system's files through a folder someone else prepared.
    if (geteuid() == 0) {
        EXPECT_EQ(run({"--root", root, "grant"}, "0", true).status, 2);
    }
    EXPECT_EQ(run({"grant"}).status, 1); // the system itself, but not as root
}

} // namespace
