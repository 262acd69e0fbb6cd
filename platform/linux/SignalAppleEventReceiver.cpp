#include "platform/linux/SignalAppleEventReceiver.h"

#include "shared/ProgramLog.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::atomic<int> signalWriteFd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "written from a signal handler");

void forwardSignal(int signalNumber) {
    const int savedErrno = errno;
    const int fd = signalWriteFd.load();
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signalNumber);
        // A full pipe drops the byte: the same signals are already waiting to be handled.
        [[maybe_unused]] ssize_t written = write(fd, &byte, 1);
    }
    errno = savedErrno;
}

int signalFor(std::uint32_t eventClass, std::uint32_t eventID) {
    if (eventClass != kCoreEventClass)
        return 0;
    if (eventID == kAEQuitApplication)
        return SIGTERM;
    if (eventID == kAEReopenApplication)
        return SIGHUP;
    return 0;
}

} // namespace

SignalAppleEventReceiver::SignalAppleEventReceiver() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(programLog,
                  "no pipe for SIGTERM and SIGHUP (%s): they end the process "
                  "without any handling",
                  std::strerror(errno));
        return;
    }
    readFd_ = fds[0];
    writeFd_ = fds[1];
    signalWriteFd.store(writeFd_);
    notifier_ = std::make_unique<QSocketNotifier>(readFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { dispatchPendingSignals(); });
}

SignalAppleEventReceiver::~SignalAppleEventReceiver() {
    for (const auto& entry : handlers_)
        std::signal(entry.first, SIG_DFL);
    int expected = writeFd_;
    signalWriteFd.compare_exchange_strong(expected, -1);
    notifier_.reset();
    if (readFd_ >= 0)
        close(readFd_);
    if (writeFd_ >= 0)
        close(writeFd_);
}

void SignalAppleEventReceiver::installEventHandler(std::uint32_t eventClass, std::uint32_t eventID,
                                                   Handler handler) {
    const int signalNumber = signalFor(eventClass, eventID);
    if (signalNumber == 0 || readFd_ < 0)
        return;
    handlers_[signalNumber] = std::move(handler);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

void SignalAppleEventReceiver::dispatchPendingSignals() {
    unsigned char pending[64];
    ssize_t count;
    while ((count = read(readFd_, pending, sizeof pending)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            const auto found = handlers_.find(pending[i]);
            if (found != handlers_.end() && found->second)
                found->second();
        }
    }
}
