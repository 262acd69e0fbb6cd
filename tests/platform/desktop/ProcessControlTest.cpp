#include "pane/ProcessControl.h"
#include "platform/desktop/DesktopWorkspace.h"
#include "platform/desktop/PidfdAppleEventSender.h"
#include "platform/desktop/ProcProcessManager.h"
#include "shared/PropertyListFile.h"
#include "tests/shared/TempHome.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Each test process has a code of its own: the tests run beside each other.
const QString kCreator = QStringLiteral("KV%1").arg(QCoreApplication::applicationPid());

// Programs started from an application bundle with a creator code of its own (the tests may run
// beside real helpers), in a folder whose name has a space and a quote.
class ProcessControl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        const QString contents = root.path() + QStringLiteral("/it's a.app/Contents");
        ASSERT_TRUE(QDir().mkpath(contents + QStringLiteral("/MacOS")));
        PropertyListFile::writeDictionary(
            contents + QStringLiteral("/Info.plist"),
            {{QStringLiteral("CFBundleSignature"), PlistValue::fromString(kCreator)}},
            PropertyListFile::Format::Xml, 0644);
        program = contents + QStringLiteral("/MacOS/waiting helper");
        ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    }
    void TearDown() override {
        for (auto& process : started) {
            process->kill();
            process->waitForFinished();
        }
    }
    QProcess& start() {
        auto& process = started.emplace_back(std::make_unique<QProcess>());
        process->start(program, {QStringLiteral("30")});
        EXPECT_TRUE(process->waitForStarted());
        return *process;
    }
    static ProcessSerialNumber psnOf(const QProcess& process) {
        return *ProcProcessManager::serialNumberOf(pid_t(process.processId()));
    }

    QTemporaryDir root;
    QString program;
    std::vector<std::unique_ptr<QProcess>> started;
    ProcProcessManager processes;
    PidfdAppleEventSender sender;
};

TEST_F(ProcessControl, TheFirstProcessOfTheBundleInPidOrderIsFound) {
    ProcessSerialNumber psn;
    EXPECT_EQ(findProcess(processes, kCreator, &psn), procNotFound);
    const QProcess& first = start();
    const QProcess& second = start();
    ASSERT_EQ(findProcess(processes, kCreator, &psn), noErr);
    const qint64 lower = std::min(first.processId(), second.processId());
    EXPECT_EQ(psn.lowLongOfPSN, std::uint32_t(lower));
    EXPECT_EQ(psn, *ProcProcessManager::serialNumberOf(pid_t(lower)));
}

// A serial number names one process: the same PID started at another time (a reused PID) is
// another process, and one that has ended is none.
TEST_F(ProcessControl, NamesAndQuitReachOnlyTheProcessTheSerialNumberNames) {
    QProcess& process = start();
    const ProcessSerialNumber live = psnOf(process);
    ProcessSerialNumber stale = live;
    stale.highLongOfPSN -= 1;
    QString name;
    EXPECT_EQ(processes.CopyProcessName(live, &name), noErr);
    EXPECT_EQ(name, QStringLiteral("waiting helper"));
    EXPECT_EQ(processes.CopyProcessName(stale, &name), procNotFound);
    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, stale), procNotFound);
    EXPECT_FALSE(process.waitForFinished(300));

    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, live), noErr);
    ASSERT_TRUE(process.waitForFinished(3000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit); // ended by SIGTERM
    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, live), procNotFound);
    EXPECT_EQ(processes.CopyProcessName(live, &name), procNotFound);
}

// Starting a bundle's executable is seen end to end (the help viewer, from a home whose path
// has a quote); one whose Info.plist names no executable is refused.
TEST_F(ProcessControl, ABundleThatNamesNoExecutableIsNotStarted) {
    EXPECT_FALSE(DesktopWorkspace().launchApplication(root.path() + QStringLiteral("/it's a.app")));
}

} // namespace
