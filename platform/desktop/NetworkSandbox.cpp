#include "platform/desktop/NetworkSandbox.h"

#include <QDir>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>

#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>

namespace NetworkSandbox {

namespace {

int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

Outcome notInstalled(const char* step, int error) {
    return {false, QStringLiteral("the network stays reachable: %1 failed: %2")
                       .arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(error)))};
}

} // namespace

Outcome restrictToLocalSockets() {
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0)
        return notInstalled("giving up new privileges", errno);
    const scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter)
        return notInstalled("making the system-call filter", ENOMEM);
    const auto release = qScopeGuard([filter] { seccomp_release(filter); });

    // The same answer as for a family the kernel lacks, which programs already expect.
    const std::uint32_t refuse = SCMP_ACT_ERRNO(EAFNOSUPPORT);
    // Every family below, between and above the two allowed; the domain is an int, so only
    // its low 32 bits count, as for the kernel.
    int result =
        seccomp_rule_add(filter, refuse, SCMP_SYS(socket), 1, SCMP_A0_32(SCMP_CMP_LT, AF_UNIX));
    for (int family = AF_UNIX + 1; family < AF_NETLINK && result == 0; ++family)
        result = seccomp_rule_add(filter, refuse, SCMP_SYS(socket), 1,
                                  SCMP_A0_32(SCMP_CMP_EQ, scmp_datum_t(family)));
    if (result == 0)
        result = seccomp_rule_add(filter, refuse, SCMP_SYS(socket), 1,
                                  SCMP_A0_32(SCMP_CMP_GT, AF_NETLINK));
    // io_uring makes sockets of its own, past any filter on socket().
    if (result == 0)
        result = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(io_uring_setup), 0);
    // Calls of another architecture (32-bit calls from a 64-bit process) go past these rules.
    if (result == 0)
        result = seccomp_attr_set(filter, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_ERRNO(ENOSYS));
    if (result != 0)
        return notInstalled("making the system-call filter", -result);
    // Threads that already run get the filter too. Where the seccomp() call is itself filtered
    // (a service's own system-call filter), only prctl() can load it, for this thread alone.
    if (const int synced = seccomp_attr_set(filter, SCMP_FLTATR_CTL_TSYNC, 1);
        synced != 0 && threadCount() > 1)
        return notInstalled("giving the system-call filter to every thread", -synced);
    if (const int loaded = seccomp_load(filter); loaded != 0)
        return notInstalled("installing the system-call filter", -loaded);
    return {true, QStringLiteral("network sockets refused: only Unix and netlink sockets can be "
                                 "made (system-call filter)")};
}

} // namespace NetworkSandbox
