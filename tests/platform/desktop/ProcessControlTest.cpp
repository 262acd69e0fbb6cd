#include "pane/ProcessControl.h"
#include "platform/linux/PidfdAppleEventSender.h"
#include "platform/linux/ProcProcessManager.h"
#include "shared/PropertyListFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

TEST_F(ProcessControl, QuitReachesOnlyTheProcessTheSerialNumberNames) {
    QProcess& process = start();
    const ProcessSerialNumber live = psnOf(process);
    ProcessSerialNumber stale = live;
    stale.highLongOfPSN -= 1; // the same PID, started at another time: a reused PID
    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, stale), procNotFound);
    EXPECT_FALSE(process.waitForFinished(300));

    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, live), noErr);
    ASSERT_TRUE(process.waitForFinished(3000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit); // ended by SIGTERM
    EXPECT_EQ(sender.sendAppleEvent(kAEQuitApplication, live), procNotFound);
}

} // namespace
