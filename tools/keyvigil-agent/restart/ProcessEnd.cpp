#include "tools/keyvigil-agent/restart/ProcessEnd.h"

#include "tools/keyvigil-agent/ProcessInfo.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

bool waitForProcessEnd(pid_t pid, int timeoutMilliseconds) {
    const QDeadlineTimer deadline(timeoutMilliseconds);
    // By number: the C library's own declaration lacks C linkage in some releases.
    const int pidfd = int(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0 && errno == ESRCH)
        return true;
    if (pidfd >= 0) {
        // Readable once the process has exited, whether or not anyone has reaped it.
        pollfd watch{pidfd, POLLIN, 0};
        int ready;
        do
            ready = ::poll(&watch, 1, int(deadline.remainingTime()));
        while (ready < 0 && errno == EINTR);
        ::close(pidfd);
        return ready > 0;
    }
    // Kernels or sandboxes without pidfd_open.
    while (ProcessInfo::isRunning(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}
