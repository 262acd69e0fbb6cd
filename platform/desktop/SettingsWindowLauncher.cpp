#include "platform/desktop/SettingsWindowLauncher.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

QString systemError(const char* what, int error) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

SettingsWindowLauncher::SettingsWindowLauncher(const QString& launcher, const QString& host,
                                               const QString& pane) {
    int ends[2];
    // One request a packet: no framing, and the launcher sees the end of the helper.
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
        problem_ = systemError("no socket for the launcher", errno);
        return;
    }
    const QByteArray program = QFile::encodeName(launcher);
    const QByteArray hostArgument = QFile::encodeName(host);
    const QByteArray paneArgument = QFile::encodeName(pane);
    char* const argv[] = {const_cast<char*>(program.constData()),
                          const_cast<char*>(hostArgument.constData()),
                          const_cast<char*>(paneArgument.constData()), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, ends[1], STDIN_FILENO);
    // Signals as a freshly started program has them, whatever this process set up before.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t set;
    sigemptyset(&set);
    posix_spawnattr_setsigmask(&attributes, &set);
    sigfillset(&set);
    posix_spawnattr_setsigdefault(&attributes, &set);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    const int spawned = posix_spawn(&pid_, program.constData(), &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    close(ends[1]);
    if (spawned != 0) {
        pid_ = -1;
        close(ends[0]);
        problem_ =
            systemError(qPrintable(QStringLiteral("cannot start %1").arg(launcher)), spawned);
        return;
    }
    socket_ = ends[0];
}

SettingsWindowLauncher::~SettingsWindowLauncher() {
    if (socket_ >= 0)
        close(socket_); // the launcher reads the end and exits
    if (pid_ > 0)
        waitpid(pid_, nullptr, 0);
}

bool SettingsWindowLauncher::open(const QString& pane) {
    if (socket_ < 0)
        return false;
    const QByteArray request = QFile::encodeName(pane);
    if (send(socket_, request.constData(), std::size_t(request.size()), MSG_NOSIGNAL) ==
        ssize_t(request.size()))
        return true;
    problem_ = systemError("the launcher cannot be asked", errno);
    return false;
}
