#include "tools/keyvigil-agent/Supervisor.h"

#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/AgentFile.h"
#include "tools/keyvigil-agent/AgentPaths.h"
#include "tools/keyvigil-agent/PidFile.h"
#include "tools/keyvigil-agent/RestartBackOff.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::seconds kStopGrace{3};

// Every signal the supervisor acts on stays blocked and is taken with sigtimedwait, so that
// none slips in between a check and the wait that follows it.
sigset_t watchedSignals() {
    sigset_t watched;
    sigemptyset(&watched);
    for (int signal : {SIGTERM, SIGINT, SIGCHLD})
        sigaddset(&watched, signal);
    return watched;
}

bool isStopSignal(int signal) {
    return signal == SIGTERM || signal == SIGINT;
}

// The next watched signal, or 0 once `deadline` has passed.
int waitForSignal(const sigset_t& watched, std::optional<Clock::time_point> deadline) {
    while (true) {
        int signal = 0;
        if (deadline) {
            const auto left = *deadline - Clock::now();
            if (left <= Clock::duration::zero())
                return 0;
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
            const auto nanoseconds =
                std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds);
            const timespec timeout{seconds.count(), nanoseconds.count()};
            signal = ::sigtimedwait(&watched, nullptr, &timeout);
        } else {
            signal = ::sigwaitinfo(&watched, nullptr);
        }
        if (signal > 0)
            return signal;
        if (errno != EINTR && errno != EAGAIN)
            return 0;
    }
}

// Whoever started us may have left descriptors open, a caller's pipes among them: holding
// one would keep its reader waiting for an end that never comes.
void closeInheritedDescriptors() {
    if (::close_range(3, ~0U, 0) != 0)
        for (int fd = 3; fd < 1024; ++fd)
            ::close(fd);
}

// The program's output and ours go to the log, begun afresh at each start.
void redirectOutput(const QString& log) {
    const int input = ::open("/dev/null", O_RDONLY);
    if (input > 0) {
        ::dup2(input, STDIN_FILENO);
        ::close(input);
    }
    QDir().mkpath(QFileInfo(log).path());
    const int output =
        ::open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (output < 0) {
        qCWarning(programLog).noquote()
            << QStringLiteral("cannot write the log %1: %2").arg(log, std::strerror(errno));
        return;
    }
    ::dup2(output, STDOUT_FILENO);
    ::dup2(output, STDERR_FILENO);
    if (output > STDERR_FILENO)
        ::close(output);
}

// The program starts with every signal at its default and none blocked, as a fresh process
// does, and stays in our process group, where unload can reach it should we hang.
pid_t startProgram(const QByteArray& program) {
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char* arguments[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = -1;
    const int error =
        ::posix_spawn(&pid, program.constData(), nullptr, &attributes, arguments, environ);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        qCWarning(programLog).noquote()
            << QStringLiteral("cannot start %1: %2")
                   .arg(QFile::decodeName(program), std::strerror(error));
        return -1;
    }
    return pid;
}

// The child's wait status once it has ended.
std::optional<int> reap(pid_t child) {
    int status = 0;
    pid_t result;
    do
        result = ::waitpid(child, &status, WNOHANG);
    while (result < 0 && errno == EINTR);
    if (result == 0)
        return std::nullopt;
    return result == child ? status : 0;
}

void stopProgram(pid_t child, const sigset_t& watched) {
    ::kill(child, SIGTERM);
    const Clock::time_point deadline = Clock::now() + kStopGrace;
    while (!reap(child)) {
        if (waitForSignal(watched, deadline) == 0 && !reap(child)) {
            ::kill(child, SIGKILL);
            while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
            return;
        }
    }
}

QString describeEnd(int status) {
    if (WIFSIGNALED(status))
        return QStringLiteral("was killed by signal %1 (%2)")
            .arg(WTERMSIG(status))
            .arg(QString::fromLocal8Bit(::strsignal(WTERMSIG(status))));
    return QStringLiteral("exited with status %1").arg(WEXITSTATUS(status));
}

} // namespace

int superviseAgent(const QString& agentPath) {
    closeInheritedDescriptors();
    ::setsid();
    const sigset_t watched = watchedSignals();
    ::sigprocmask(SIG_BLOCK, &watched, nullptr);
    // A caller may have ignored any of them, which an exec keeps.
    for (int signal : {SIGTERM, SIGINT, SIGCHLD})
        ::signal(signal, SIG_DFL);
    ::signal(SIGHUP, SIG_IGN);

    QString error;
    const std::optional<AgentFile> agent = readAgentFile(agentPath, error);
    if (!agent || !canRun(*agent, error)) {
        qCCritical(programLog).noquote() << error;
        return 1;
    }
    redirectOutput(AgentPaths::logFile(agent->label));
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-ddThh:mm:ss} %{category}: %{message}"));
    const QString pidFile = AgentPaths::pidFile(agent->label);
    if (!AgentPaths::makeRuntimeFolder(error) || !PidFile::write(pidFile, ::getpid())) {
        qCCritical(programLog).noquote()
            << (error.isEmpty() ? QStringLiteral("cannot write %1").arg(pidFile) : error);
        return 1;
    }
    ::chdir("/");

    const QByteArray program = QFile::encodeName(agent->program);
    const auto finish = [&] {
        PidFile::removeIfNames(pidFile, ::getpid());
        return 0;
    };
    std::chrono::seconds delay{0};
    while (true) {
        const Clock::time_point started = Clock::now();
        QString ended = QStringLiteral("could not be started");
        if (const pid_t child = startProgram(program); child > 0) {
            std::optional<int> status;
            while (!(status = reap(child)))
                if (isStopSignal(waitForSignal(watched, std::nullopt))) {
                    stopProgram(child, watched);
                    return finish();
                }
            ended = describeEnd(*status);
        }
        if (!agent->keepAlive) {
            qCInfo(programLog).noquote() << agent->program << ended;
            return finish();
        }
        const auto ran =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started);
        delay = nextRestartDelay(delay, ran);
        qCWarning(programLog).noquote() << QStringLiteral("%1 %2; starting it again in %3 s")
                                               .arg(agent->program, ended)
                                               .arg(delay.count());
        const Clock::time_point restart = Clock::now() + delay;
        while (const int signal = waitForSignal(watched, restart))
            if (isStopSignal(signal))
                return finish();
    }
}
