#include "platform/desktop/SignalPipe.h"

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

} // namespace

SignalPipe::SignalPipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(programLog, "no pipe for signals (%s): they keep their default action",
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

SignalPipe::~SignalPipe() {
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

void SignalPipe::handle(int signalNumber, std::function<void()> handler) {
    if (readFd_ < 0)
        return;
    handlers_[signalNumber] = std::move(handler);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

void SignalPipe::dispatchPendingSignals() {
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
