#include "platform/desktop/ReadableWatch.h"

#include "platform/desktop/EpollEventDispatcher.h"

#include <QSocketNotifier>

ReadableWatch::ReadableWatch(int fd, std::function<void()> onReadable)
    : fd_(fd), epoll_(qobject_cast<EpollEventDispatcher*>(QAbstractEventDispatcher::instance())) {
    if (epoll_) {
        epoll_->watchReadable(fd, std::move(onReadable));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [handler = std::move(onReadable)] { handler(); });
}

ReadableWatch::~ReadableWatch() {
    if (epoll_)
        epoll_->unwatchReadable(fd_);
}

void runBeforeEachWait(QAbstractEventDispatcher* dispatcher, std::function<void()> hook) {
    if (auto* epoll = qobject_cast<EpollEventDispatcher*>(dispatcher)) {
        epoll->addBeforeWait(std::move(hook));
        return;
    }
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                     std::move(hook));
}
