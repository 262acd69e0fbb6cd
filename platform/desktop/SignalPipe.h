#pragma once

#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;

// Signals handled on the main thread: the signal handler only writes the signal's number to a
// pipe, and the handlers run from Qt's event loop. A signal keeps its default action until its
// handler is set. One per process: signal dispositions are process-wide.
class SignalPipe {
public:
    SignalPipe();
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    void handle(int signalNumber, std::function<void()> handler);

private:
    void dispatchPendingSignals();

    int readFd_ = -1;
    int writeFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, std::function<void()>> handlers_;
};
