#pragma once

#include <QPointer>

#include <functional>
#include <memory>

class EpollEventDispatcher;
class QAbstractEventDispatcher;
class QSocketNotifier;

// Calls a function each time a descriptor turns readable, from the thread's event loop. On the
// helper's epoll loop the call comes straight from the wait; elsewhere through a socket notifier.
class ReadableWatch {
public:
    ReadableWatch(int fd, std::function<void()> onReadable);
    ~ReadableWatch();
    ReadableWatch(const ReadableWatch&) = delete;
    ReadableWatch& operator=(const ReadableWatch&) = delete;

private:
    int fd_;
    QPointer<EpollEventDispatcher> epoll_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Runs the hook each time the dispatcher's loop is about to sleep, for the dispatcher's life.
void runBeforeEachWait(QAbstractEventDispatcher* dispatcher, std::function<void()> hook);
