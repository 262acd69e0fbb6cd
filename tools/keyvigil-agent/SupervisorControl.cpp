#include "tools/keyvigil-agent/SupervisorControl.h"

#include "tools/keyvigil-agent/AgentPaths.h"
#include "tools/keyvigil-agent/PidFile.h"
#include "tools/keyvigil-agent/ProcessInfo.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace SupervisorControl {
namespace {

constexpr int kPollMilliseconds = 20;

// Loads and unloads of one label take turns: the login's autostart and the pane may overlap.
class LabelLock {
public:
    explicit LabelLock(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~LabelLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    LabelLock(const LabelLock&) = delete;
    LabelLock& operator=(const LabelLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_;
};

bool sameFile(const QString& a, const QString& b) {
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty())
        return canonicalA == QFileInfo(b).canonicalFilePath();
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// The supervisor leads its own process group, which its program and what that starts share.
bool supervisionEnded(pid_t supervisor) {
    return !ProcessInfo::isRunning(supervisor) && ProcessInfo::groupMembers(supervisor).isEmpty();
}

bool waitUntil(int milliseconds, const auto& done) {
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kPollMilliseconds);
    }
    return true;
}

// The last two lines of the log: the program's own last word and how it ended.
QString endOfLog(const QString& log) {
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    file.seek(std::max<qint64>(0, file.size() - 4096));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines.mid(std::max<qsizetype>(0, lines.size() - 2)).join(QStringLiteral(" / "));
}

} // namespace

pid_t runningSupervisor(const AgentFile& agent, const QString& agentPath) {
    const pid_t pid = PidFile::read(AgentPaths::pidFile(agent.label));
    if (!ProcessInfo::isRunning(pid))
        return 0;
    // A stale file may name a PID that another process has been given since.
    const QStringList arguments = ProcessInfo::commandLine(pid);
    const bool ours = arguments.size() == 3 &&
                      QFileInfo(arguments[0]).fileName() == u"keyvigil-agent" &&
                      arguments[1] == u"supervise" && sameFile(arguments[2], agentPath);
    return ours ? pid : 0;
}

bool start(const AgentFile& agent, const QString& agentPath, const QString& agentTool,
           QString& error) {
    if (!AgentPaths::makeRuntimeFolder(error))
        return false;
    const LabelLock lock(AgentPaths::lockFile(agent.label));
    if (!lock.held()) {
        error = QStringLiteral("cannot lock %1").arg(AgentPaths::lockFile(agent.label));
        return false;
    }
    if (runningSupervisor(agent, agentPath) != 0)
        return true;

    // Detached: a child of no one here, in a session of its own, with no terminal.
    QProcess process;
    process.setProgram(agentTool);
    process.setArguments({QStringLiteral("supervise"), agentPath});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        error = QStringLiteral("cannot start %1: %2").arg(agentTool, process.errorString());
        return false;
    }
    // Once it has recorded itself, an unload that follows at once finds it.
    const QString pidFile = AgentPaths::pidFile(agent.label);
    const bool recorded =
        waitUntil(5000,
                  [&] { return PidFile::read(pidFile) == pid || !ProcessInfo::isRunning(pid); }) &&
        PidFile::read(pidFile) == pid;
    if (!recorded) {
        error = QStringLiteral("the supervisor of %1 did not start; see %2")
                    .arg(agent.label, AgentPaths::logFile(agent.label));
        ::kill(-pid_t(pid), SIGKILL);
        ::kill(pid_t(pid), SIGKILL);
    }
    return recorded;
}

bool stop(const AgentFile& agent, const QString& agentPath, QString& error) {
    if (!QFileInfo::exists(AgentPaths::runtimeFolder()))
        return true;
    // Files in a folder someone else controls prove nothing.
    if (!AgentPaths::makeRuntimeFolder(error))
        return false;
    const LabelLock lock(AgentPaths::lockFile(agent.label));
    if (!lock.held()) {
        error = QStringLiteral("cannot lock %1").arg(AgentPaths::lockFile(agent.label));
        return false;
    }
    if (const pid_t supervisor = runningSupervisor(agent, agentPath); supervisor != 0) {
        ::kill(supervisor, SIGTERM);
        const auto ended = [supervisor] { return supervisionEnded(supervisor); };
        if (!waitUntil(5000, ended)) {
            ::kill(-supervisor, SIGKILL);
            ::kill(supervisor, SIGKILL);
            if (!waitUntil(1000, ended)) {
                error = QStringLiteral("the supervisor %1 of %2 did not end")
                            .arg(supervisor)
                            .arg(agent.label);
                return false;
            }
        }
    }
    QFile::remove(AgentPaths::pidFile(agent.label));
    return true;
}

bool isProgramRunning(const AgentFile& agent, const QString& agentPath, QString& state) {
    const QString name = QFileInfo(agent.program).fileName();
    const pid_t supervisor = runningSupervisor(agent, agentPath);
    if (supervisor == 0) {
        state = QStringLiteral("%1 is not running, and no supervisor of %2 runs")
                    .arg(name, agent.label);
        return false;
    }
    // The program is the supervisor's one child.
    if (!ProcessInfo::children(supervisor).isEmpty()) {
        state = QStringLiteral("%1 is running").arg(name);
        return true;
    }
    const QString log = AgentPaths::logFile(agent.label);
    state = QStringLiteral("%1 is not running; its supervisor starts it again shortly. The end of "
                           "%2: %3")
                .arg(name, log, endOfLog(log));
    return false;
}

} // namespace SupervisorControl
