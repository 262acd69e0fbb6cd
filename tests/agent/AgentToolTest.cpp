// The agent tool end to end (its supervisor, and its systemctl steps against a recording
// stand-in) and the Restart tool's command line, each in a sandbox of its own. The end-to-end
// tests of the settings window run the Restart tool for real.
#include "tests/shared/TempHome.h"
#include "tools/keyvigil-agent/ProcessInfo.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/prctl.h>
#include <sys/wait.h>

namespace {

const QString kAgent = QStringLiteral(KEYVIGIL_AGENT_PROGRAM);
const QString kLabel = QStringLiteral("org.keyvigil.Keyvigil.helper");
const QString kUnit = kLabel + ".service";

// A private home, runtime and state folder for the programs a test starts, and nothing of the
// real session: the supervisor is forced, so no test installs a unit by accident.
class AgentSandbox : public ::testing::Test {
protected:
    struct Result {
        int status = -1;
        QString err;
    };

    void SetUp() override {
        // Detached processes come back to us when their parent ends, to be reaped here rather
        // than left to an init that may never do it.
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        ASSERT_TRUE(root_.isValid() && QDir().mkpath(path("home")) &&
                    QDir().mkpath(path("state")) && QDir().mkdir(path("runtime")));
        QFile::setPermissions(path("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert("HOME", path("home"));
        environment.insert("XDG_RUNTIME_DIR", path("runtime"));
        environment.insert("XDG_STATE_HOME", path("state"));
        environment.remove("XDG_CONFIG_HOME");
        environment.insert("KEYVIGIL_AGENT_MODE", "supervisor");
    }
    void TearDown() override {
        while (::waitpid(-1, nullptr, WNOHANG) > 0) {
        }
    }

    QString path(const QString& relative) const { return root_.path() + u'/' + relative; }

    Result run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(30000))
            ADD_FAILURE() << qPrintable(program) << " did not finish";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    static QStringList lines(const QString& path) {
        return QString::fromUtf8(readFile(path)).split(u'\n', Qt::SkipEmptyParts);
    }

    // Polls, so that a slow machine only makes a test slower.
    static bool eventually(const auto& condition, int milliseconds = 5000) {
        for (int waited = 0; !condition(); waited += 20) {
            if (waited >= milliseconds)
                return false;
            QThread::msleep(20);
        }
        return true;
    }

    // An agent file as the settings pane writes it, by default where it writes it.
    QString writeAgentFile(const QString& program, const QString& name = kLabel + ".plist") {
        const QString file = path("home/Library/LaunchAgents/") + name;
        writeFile(file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                        "<key>Label</key><string>" +
                            kLabel.toUtf8() + "</string><key>Program</key><string>" +
                            program.toHtmlEscaped().toUtf8() +
                            "</string><key>RunAtLoad</key><true/><key>KeepAlive</key><true/>"
                            "</dict></plist>\n");
        return file;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();

private:
    QTemporaryDir root_;
};

class AgentSupervisor : public AgentSandbox {
protected:
    void TearDown() override {
        // A failed test must not leave a supervisor restarting its program for good.
        if (const pid_t supervisor = supervisorPid(); supervisor > 0)
            ::kill(-supervisor, SIGKILL);
        AgentSandbox::TearDown();
    }

    // The program records each start's PID beside itself, then stays (or does `body`).
    QString writeProgram(const QByteArray& body = "exec sleep 600\n") {
        const QString program = folder() + "/Keyvigil Helper";
        writeFile(program, "#!/bin/sh\necho $$ >> \"${0%/*}/pids\"\n" + body, true);
        return program;
    }
    QString folder() const { return path("Keyvigil \"Helper\" it's"); }
    QStringList starts() const { return lines(folder() + "/pids"); }
    QString pidFile() const { return path("runtime/keyvigil/") + kLabel + ".pid"; }
    QString logFile() const { return path("state/keyvigil/") + kLabel + ".log"; }
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
};

TEST_F(AgentSupervisor, KeepsOneProgramRunningUntilUnloaded) {
    const QString program = writeProgram();
    const QString agentFile = writeAgentFile(program);
    Result load = run(kAgent, {"load", agentFile});
    ASSERT_EQ(load.status, 0) << load.err.toStdString();
    EXPECT_TRUE(load.err.isEmpty()) << load.err.toStdString();
    ASSERT_TRUE(eventually([&] { return starts().size() == 1; }));
    const pid_t supervisor = supervisorPid();
    const pid_t first = starts().last().toInt();
    // children() lists running processes only.
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{first});
    EXPECT_TRUE(QFile::exists(autostartEntry()));
    EXPECT_TRUE(QFile::exists(logFile()));

    load = run(kAgent, {"load", agentFile});
    EXPECT_EQ(load.status, 0) << load.err.toStdString();
    EXPECT_EQ(supervisorsOf(agentFile), QList<pid_t>{supervisor});
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{first});

    // Restarted a second after it died.
    ASSERT_EQ(::kill(first, SIGKILL), 0);
    ASSERT_TRUE(eventually([&] { return starts().size() == 2; }, 2500));
    const pid_t second = starts().last().toInt();
    EXPECT_EQ(ProcessInfo::children(supervisor), QList<pid_t>{second});

    // A helper gone from the disk is still stopped.
    ASSERT_TRUE(QFile::remove(program));
    const Result unload = run(kAgent, {"unload", agentFile});
    EXPECT_EQ(unload.status, 0) << unload.err.toStdString();
    EXPECT_FALSE(ProcessInfo::isRunning(supervisor) || ProcessInfo::isRunning(second));
    EXPECT_FALSE(QFile::exists(pidFile()) || QFile::exists(autostartEntry()));
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
}

TEST_F(AgentSupervisor, StopsAtOnceWhileWaitingToRestart) {
    const QString agentFile = writeAgentFile(writeProgram("exit 3\n"));
    ASSERT_EQ(run(kAgent, {"load", agentFile}).status, 0);
    // The second start came after one second; the supervisor now waits two.
    ASSERT_TRUE(eventually([&] { return lines(logFile()).size() == 2; }));
    const pid_t supervisor = supervisorPid();
    QElapsedTimer unloading;
    unloading.start();
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
    // Far below the five seconds after which unload kills what did not stop.
    EXPECT_LT(unloading.elapsed(), 3000);
    EXPECT_FALSE(ProcessInfo::isRunning(supervisor));
    EXPECT_EQ(starts().size(), 2);
    const QStringList log = lines(logFile());
    ASSERT_EQ(log.size(), 2) << log.join('\n').toStdString();
    EXPECT_TRUE(log[0].endsWith("Helper exited with status 3; starting it again in 1 s"));
    EXPECT_TRUE(log[1].endsWith("starting it again in 2 s"));
}

// The agent tool's and the Restart tool's failures.
TEST_F(AgentSupervisor, FailuresExitOneAndBadCommandLinesTwoWithOneLine) {
    const QString program = writeProgram();
    const QString agentFile = writeAgentFile(program);
    const QString notExecutable = folder() + "/plain";
    writeFile(notExecutable, "");
    const QString noProgram = path("no-program.plist");
    writeFile(noProgram, "<plist version=\"1.0\"><dict><key>Label</key><string>x</string>"
                         "</dict></plist>");
    const QString restart = QStringLiteral(KEYVIGIL_RESTART_PROGRAM);
    struct Case {
        QStringList arguments;
        int status;
        const char* said;
        const QString& tool = kAgent;
    };
    for (const auto& [arguments, status, said, tool] :
         {Case{{"load", path("missing.plist")}, 1, "cannot read the agent file"},
          Case{{"unload", path("missing.plist")}, 1, "cannot read the agent file"},
          Case{{"load", noProgram}, 1, "has no Program string"},
          Case{{"load", writeAgentFile(notExecutable, "plain.plist")}, 1, "is no executable file"},
          Case{
              {"load", writeAgentFile("bin/relative", "relative.plist")}, 1, "is no absolute path"},
          Case{{}, 2, "usage:"}, Case{{"load"}, 2, "usage:"},
          Case{{"start", agentFile}, 2, "usage:"}, Case{{"load", agentFile, "more"}, 2, "usage:"},
          Case{{"bundle", "999999999"}, 1, "cannot read the program of process 999999999", restart},
          Case{{}, 2, "usage:", restart}, Case{{"bundle"}, 2, "usage:", restart},
          Case{{"bundle", "12abc"}, 2, "usage:", restart},
          Case{{"bundle", "0"}, 2, "usage:", restart}, Case{{"bundle", "-5"}, 2, "usage:", restart},
          Case{{"", "1"}, 2, "usage:", restart},
          Case{{"bundle", "1", "more"}, 2, "usage:", restart}}) {
        const Result result = run(tool, arguments);
        const QString name = tool == kAgent ? "keyvigil.agent: " : "keyvigil.restart: ";
        EXPECT_EQ(result.status, status) << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith(name) && result.err.contains(said))
            << result.err.toStdString();
    }
    environment.insert("KEYVIGIL_AGENT_MODE", "bogus");
    EXPECT_EQ(run(kAgent, {"load", writeAgentFile(program)}).status, 1);
    EXPECT_TRUE(starts().isEmpty());
}

// The tool against a stand-in systemctl that records its arguments and answers as a user
// manager with a graphical session would; FAIL names a step that fails.
class AgentUserManager : public AgentSandbox {
protected:
    void SetUp() override {
        AgentSandbox::SetUp();
        writeFile(path("bin/systemctl"),
                  "#!/bin/sh\n"
                  "echo \"$*\" >> \"${0%/*}/calls\"\n"
                  "case \"$*\" in\n"
                  "\"--user show --property=Version\") echo Version=252 ;;\n"
                  "\"--user show --property=LoadState --value \"*) echo loaded ;;\n"
                  "\"--user show --property=ActiveState \"*)\n"
                  "  printf 'ActiveState=%s\\nSubState=%s\\n' \"$ACTIVE\" \"$SUB\" ;;\n"
                  "\"--user $FAIL \"*) echo 'Failed to do it: boom' >&2; exit 1 ;;\n"
                  "esac\n",
                  true);
        // The stand-in comes first or this test does not run: a real manager must not see it.
        ASSERT_EQ(QStandardPaths::findExecutable("systemctl", {path("bin")}),
                  path("bin/systemctl"));
        environment.insert("PATH", path("bin") + ":/usr/bin:/bin");
        environment.remove("KEYVIGIL_AGENT_MODE");
        environment.insert("DISPLAY", ":7");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        environment.remove("XAUTHORITY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("FAIL", "none");
        writeFile(path("Keyvigil Helper"), "#!/bin/sh\n", true);
        agentFile = writeAgentFile(path("Keyvigil Helper"));
    }
    QStringList takeCalls() {
        const QStringList calls = lines(path("bin/calls"));
        QFile::remove(path("bin/calls"));
        return calls;
    }

    QString agentFile;
};

// Stop leaves the unit enabled, so that the next login starts the helper again.
TEST_F(AgentUserManager, InstallsStartsStopsAndRemovesTheUnitAndNamesAFailingStep) {
    Result result = run(kAgent, {"load", agentFile});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(takeCalls(),
              (QStringList{"--user show --property=Version",
                           "--user show --property=LoadState --value graphical-session.target",
                           "--user import-environment DISPLAY DBUS_SESSION_BUS_ADDRESS",
                           "--user daemon-reload", "--user reset-failed " + kUnit,
                           "--user enable " + kUnit, "--user restart " + kUnit}));
    const QString unitFile = path("home/.config/systemd/user/") + kUnit;
    EXPECT_TRUE(lines(unitFile).contains("WantedBy=graphical-session.target"));
    EXPECT_FALSE(QFile::exists(path("home/.config/autostart")));

    EXPECT_EQ(run(kAgent, {"stop", agentFile}).status, 0);
    EXPECT_EQ(takeCalls(), (QStringList{"--user show --property=Version", "--user stop " + kUnit}));
    for (const auto& [active, sub, status] :
         {std::tuple{"active", "running", 0}, {"activating", "auto-restart", 3}}) {
        environment.insert("ACTIVE", active);
        environment.insert("SUB", sub);
        EXPECT_EQ(run(kAgent, {"status", agentFile}).status, status) << active;
    }
    takeCalls();

    result = run(kAgent, {"unload", agentFile});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(takeCalls(), (QStringList{"--user show --property=Version", "--user stop " + kUnit,
                                        "--user disable " + kUnit, "--user daemon-reload"}));
    EXPECT_FALSE(QFile::exists(unitFile));
    EXPECT_EQ(run(kAgent, {"unload", agentFile}).status, 0);
    EXPECT_EQ(takeCalls(), QStringList{"--user show --property=Version"});

    // A failing step exits 1, naming it, and the steps after it are not taken.
    environment.insert("FAIL", "enable");
    result = run(kAgent, {"load", agentFile});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "keyvigil.agent: systemctl --user enable " + kUnit +
                              " failed: Failed to do it: boom\n");
    EXPECT_FALSE(takeCalls().contains("--user restart " + kUnit));
}

} // namespace
