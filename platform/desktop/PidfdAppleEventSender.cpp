#include "platform/desktop/PidfdAppleEventSender.h"

#include "platform/desktop/ProcProcessManager.h"

#include <cerrno>
#include <csignal>

#include <sys/syscall.h>
#include <unistd.h>

namespace {
// Process-manager errors a failed send reports.
constexpr OSErr kEventNotHandled = -1708; // no such event for the process
constexpr OSErr kConnectionInvalid = -609;
} // namespace

OSErr PidfdAppleEventSender::sendAppleEvent(std::uint32_t eventID,
                                            const ProcessSerialNumber& target) {
    int signal = 0;
    if (eventID == kAEQuitApplication)
        signal = SIGTERM;
    else if (eventID == kAEReopenApplication)
        signal = SIGHUP;
    else
        return kEventNotHandled;
    const pid_t pid = pid_t(target.lowLongOfPSN);
    if (pid <= 0)
        return procNotFound;
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        return procNotFound;
    // Held open, the pidfd keeps naming this process even if it ends now.
    OSErr result = noErr;
    if (ProcProcessManager::serialNumberOf(pid) != target)
        result = procNotFound;
    else if (syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0) != 0)
        result = errno == ESRCH ? procNotFound : kConnectionInvalid;
    close(pidfd);
    return result;
}
