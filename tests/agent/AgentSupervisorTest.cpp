#include "tests/agent/AgentSandbox.h"
#include "tools/keyvigil-agent/ProcessInfo.h"

#include <QElapsedTimer>

#include <csignal>

namespace {

const QString kAgent = QStringLiteral(KEYVIGIL_AGENT_PROGRAM);
const QString kLabel = QStringLiteral("org.keyvigil.Keyvigil.helper");

class AgentSupervisor : public AgentSandbox {
protected:
    void SetUp() override {
        AgentSandbox::SetUp();
        folder = path("Keyvigil \"Helper\" it's");
        pids = folder + "/pids";
    }
    void TearDown() override {
        // A failed test must not leave a supervisor restarting its program for good.
        const pid_t supervisor = supervisorPid();
        if (supervisor > 0)
            ::kill(-supervisor, SIGKILL);
        AgentSandbox::TearDown();
    }

    // The program records each start's PID beside itself, then stays (or, with `body`, does
    // something else).
    QString writeProgram(const QByteArray& body = "exec sleep 600\n") {
        const QString program = folder + "/Keyvigil Helper";
        writeFile(program, "#!/bin/sh\necho $$ >> \"${0%/*}/pids\"\n" + body, true);
        return program;
    }

    QString pidFile() const { return path("runtime/keyvigil/") + kLabel + ".pid"; }
    QString autostartEntry() const { return path("home/.config/autostart/") + kLabel + ".desktop"; }
    pid_t supervisorPid() const {
        QFile file(pidFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
    }
    QList<pid_t> supervisorsOf(const QString& agentFile) const {
        QList<pid_t> found;
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs))
            if (const pid_t pid = entry.toInt();
                pid > 0 && ProcessInfo::isRunning(pid) &&
                ProcessInfo::commandLine(pid) == QStringList{kAgent, "supervise", agentFile})
                found.append(pid);
        return found;
    }
    pid_t lastStart() const {
        const QStringList started = lines(pids);
        return started.isEmpty() ? 0 : started.last().toInt();
    }

    QString folder, pids;
};

TEST_F(AgentSupervisor, KeepsOneProgramRunningUntilUnloaded) {
    const QString program = writeProgram();
    const QString agentFile = writeAgentFile(program);
    Result load = run(kAgent, {"load", agentFile});
    ASSERT_EQ(load.status, 0) << load.err.toStdString();
    EXPECT_TRUE(load.err.isEmpty()) << load.err.toStdString();
    ASSERT_TRUE(eventually([&] { return lines(pids).size() == 1; }));
    const pid_t supervisor = supervisorPid();
    const pid_t first = lastStart();
    EXPECT_TRUE(ProcessInfo::isRunning(first));
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{first});
    EXPECT_TRUE(QFile::exists(autostartEntry()));
    EXPECT_TRUE(QFile::exists(path("state/keyvigil/") + kLabel + ".log"));

    load = run(kAgent, {"load", agentFile});
    EXPECT_EQ(load.status, 0) << load.err.toStdString();
    EXPECT_EQ(supervisorsOf(agentFile), QList<pid_t>{supervisor});
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{first});

    // Restarted a second after it died.
    ASSERT_EQ(::kill(first, SIGKILL), 0);
    ASSERT_TRUE(eventually([&] { return lines(pids).size() == 2; }, 2500));
    const pid_t second = lastStart();
    EXPECT_TRUE(ProcessInfo::isRunning(second));
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{second});

    // A helper gone from the disk is still stopped.
    ASSERT_TRUE(QFile::remove(program));
    const Result unload = run(kAgent, {"unload", agentFile});
    EXPECT_EQ(unload.status, 0) << unload.err.toStdString();
    EXPECT_FALSE(ProcessInfo::isRunning(supervisor));
    EXPECT_FALSE(ProcessInfo::isRunning(second));
    EXPECT_FALSE(QFile::exists(pidFile()));
    EXPECT_FALSE(QFile::exists(autostartEntry()));
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
}

TEST_F(AgentSupervisor, StopsAtOnceWhileWaitingToRestart) {
    const QString agentFile = writeAgentFile(writeProgram("exit 3\n"));
    ASSERT_EQ(run(kAgent, {"load", agentFile}).status, 0);
    // The second start came after one second; the supervisor now waits two.
    const QString logFile = path("state/keyvigil/") + kLabel + ".log";
    ASSERT_TRUE(eventually([&] { return lines(logFile).size() == 2; }));
    const pid_t supervisor = supervisorPid();
    QElapsedTimer unloading;
    unloading.start();
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
    // Far below the five seconds after which unload kills what did not stop.
    EXPECT_LT(unloading.elapsed(), 3000);
    EXPECT_FALSE(ProcessInfo::isRunning(supervisor));
    EXPECT_EQ(lines(pids).size(), 2);
    const QStringList log = lines(logFile);
    ASSERT_EQ(log.size(), 2) << log.join('\n').toStdString();
    EXPECT_TRUE(log[0].endsWith("Helper exited with status 3; starting it again in 1 s"));
    EXPECT_TRUE(log[1].endsWith("starting it again in 2 s"));
}

TEST_F(AgentSupervisor, FailuresExitOneAndBadCommandLinesTwoWithOneLine) {
    const QString program = writeProgram();
    const QString agentFile = writeAgentFile(program);
    const QString notExecutable = folder + "/plain";
    writeFile(notExecutable, "");
    const QString noProgram = path("no-program.plist");
    writeFile(noProgram, "<plist version=\"1.0\"><dict><key>Label</key><string>x</string>"
                         "</dict></plist>");
    struct Case {
        QStringList arguments;
        int status;
        const char* said;
    };
    for (const auto& [arguments, status, said] :
         {Case{{"load", path("missing.plist")}, 1, "cannot read the agent file"},
          Case{{"unload", path("missing.plist")}, 1, "cannot read the agent file"},
          Case{{"load", noProgram}, 1, "has no Program string"},
          Case{{"load", writeAgentFile(notExecutable, "plain.plist")}, 1, "is no executable file"},
          Case{
              {"load", writeAgentFile("bin/relative", "relative.plist")}, 1, "is no absolute path"},
          Case{{}, 2, "usage:"}, Case{{"load"}, 2, "usage:"},
          Case{{"start", agentFile}, 2, "usage:"},
          Case{{"load", agentFile, "more"}, 2, "usage:"}}) {
        const Result result = run(kAgent, arguments);
        EXPECT_EQ(result.status, status) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("keyvigil.agent: ") && result.err.contains(said))
            << result.err.toStdString();
    }
    environment.insert("KEYVIGIL_AGENT_MODE", "bogus");
    EXPECT_EQ(run(kAgent, {"load", writeAgentFile(program)}).status, 1);
    EXPECT_FALSE(QFile::exists(pids));
}

} // namespace
