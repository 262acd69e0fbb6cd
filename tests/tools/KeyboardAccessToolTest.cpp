#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace Files = KeyboardAccessFiles;

struct Outcome {
    int status;
    QStringList said; // stdout's lines: the system commands, in order
    QString error;
};

// keyvigil-keyboard-access on a folder of the test's; as nobody when the test runs as root.
class KeyboardAccessTool : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(root + "/etc");
        QFile::setPermissions(dir.path(), QFile::Permissions(0x7777));
        QFile::setPermissions(root, QFile::Permissions(0x7777));
        QFile::setPermissions(root + "/etc", QFile::Permissions(0x7777));
    }
    Outcome run(const QStringList& arguments, bool asRoot = false,
                const QByteArray& pkexecUid = "0") {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PKEXEC_UID", QString::fromLatin1(pkexecUid));
        if (pkexecUid.isEmpty())
            environment.remove("PKEXEC_UID");
        tool.setProcessEnvironment(environment);
        QStringList command{KEYVIGIL_KEYBOARD_ACCESS_PROGRAM};
        if (geteuid() == 0 && !asRoot)
            command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"} +
                      command;
        const QString program = command.takeFirst();
        tool.start(program, command + arguments);
        tool.waitForFinished();
        const QString out = QString::fromLocal8Bit(tool.readAllStandardOutput());
        return {tool.exitCode(), out.split('\n', Qt::SkipEmptyParts),
                QString::fromLocal8Bit(tool.readAllStandardError()).trimmed()};
    }
    Outcome onRoot(const char* command, const QByteArray& pkexecUid = "0") {
        return run({"--root", root, command}, false, pkexecUid);
    }
    void seats() {
        for (const char* folder : {Files::kSystemdRunning, Files::kSeats})
            QDir().mkpath(root + folder);
    }
    void groups(const QByteArray& text) {
        QFile file(root + Files::kGroupFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray rule() {
        QFile file(root + Files::kRule);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    const QString root = dir.path() + "/system root";
};

const QStringList kUdev = {"run udevadm control --reload",
                           "run udevadm trigger --action=change --subsystem-match=input",
                           "run udevadm settle --timeout=10"};

TEST_F(KeyboardAccessTool, WithSeatsTheRuleIsWrittenOnceAndRemovedWithTheAccessLists) {
    seats();
    for (int time = 0; time < 2; ++time) {
        const Outcome granted = onRoot("grant");
        EXPECT_EQ(granted.status, 0) << granted.error.toStdString();
        EXPECT_EQ(granted.said, kUdev);
        EXPECT_TRUE(rule().endsWith("SUBSYSTEM==\"input\", KERNEL==\"event*\", "
                                    "ENV{ID_INPUT_KEYBOARD}==\"1\", TAG+=\"uaccess\"\n"));
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(root + Files::kRule).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0644u);
        EXPECT_EQ(QDir(root + "/etc/udev/rules.d").entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    for (int time = 0; time < 2; ++time) {
        const Outcome revoked = onRoot("revoke");
        EXPECT_EQ(revoked.status, 0) << revoked.error.toStdString();
        EXPECT_EQ(revoked.said,
                  QStringList({kUdev[0], "clear the access lists of /dev/input/event*", kUdev[1],
                               kUdev[2]}));
        EXPECT_FALSE(QFile::exists(root + Files::kRule));
    }
}

TEST_F(KeyboardAccessTool, WithoutSeatsTheUserWhoRanPkexecJoinsOrLeavesTheInputGroup) {
    const struct {
        const char* groupFile;
        const char* command;
        QByteArray pkexecUid;
        int status;
        QStringList said;
    } rows[] = {
        {"input:x:104:alice\n", "grant", "0", 0, {"run gpasswd -a root input"}},
        {"inputs:x:1:\ninput:x:104:alice,root\n", "grant", "0", 0, {}},
        {"input:x:104:root,bob\n", "revoke", "0", 0, {"run gpasswd -d root input"}},
        {"input:x:104:rooted\n", "revoke", "0", 0, {}},
        {"audio:x:29:\n", "grant", "0", 1, {}},
        // Only pkexec says whose access it is.
        {"input:x:104:\n", "grant", "", 1, {}},
        {"input:x:104:\n", "grant", "0 ", 1, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.groupFile) + row.command + row.pkexecUid.toStdString());
        groups(row.groupFile);
        const Outcome result = onRoot(row.command, row.pkexecUid);
        EXPECT_EQ(result.status, row.status) << result.error.toStdString();
        EXPECT_EQ(result.said, row.said);
    }
    EXPECT_FALSE(QFile::exists(root + "/etc/udev"));
}

TEST_F(KeyboardAccessTool, OnlyOneCommandIsTakenAndATestFolderNeverByRoot) {
    for (const QStringList& arguments : {QStringList{},
                                         {"grant", "revoke"},
                                         {"allow"},
                                         {"--root", root},
                                         {"--root", root, "grant", "x"}})
        EXPECT_EQ(run(arguments).status, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run({"--root", "relative", "grant"}).status, 1);
    if (geteuid() == 0) {
        const Outcome refused = run({"--root", root, "grant"}, true);
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(refused.error.contains("refused to root"));
    } else {
        EXPECT_EQ(run({"grant"}).status, 1); // the system itself, but not as root
    }
    EXPECT_FALSE(QFile::exists(root + "/etc/udev"));
}

} // namespace
