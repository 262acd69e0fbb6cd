#include "platform/desktop/EpollEventDispatcher.h"

#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace {

void drainCounter(int fd) {
    std::uint64_t count = 0;
    while (read(fd, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

} // namespace

EpollEventDispatcher::EpollEventDispatcher(QObject* parent)
    : QAbstractEventDispatcher(parent), epoll_(epoll_create1(EPOLL_CLOEXEC)),
      wakeCounter_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (epoll_ < 0 || wakeCounter_ < 0)
        return;
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = wakeCounter_;
    if (epoll_ctl(epoll_, EPOLL_CTL_ADD, wakeCounter_, &event) < 0) {
        close(wakeCounter_);
        wakeCounter_ = -1;
    }
}

EpollEventDispatcher::~EpollEventDispatcher() {
    if (wakeCounter_ >= 0)
        close(wakeCounter_);
    if (epoll_ >= 0)
        close(epoll_);
}

bool EpollEventDispatcher::processEvents(QEventLoop::ProcessEventsFlags flags) {
    interrupted_.store(false, std::memory_order_relaxed);
    emit awake();
    QCoreApplication::sendPostedEvents();

    const bool includeTimers = !(flags & QEventLoop::X11ExcludeTimers);
    const bool includeNotifiers = !(flags & QEventLoop::ExcludeSocketNotifiers);
    const bool canWait = (flags & QEventLoop::WaitForMoreEvents) && !wakePending_.load() &&
                         !interrupted_.load(std::memory_order_relaxed);
    if (canWait) {
        // By index and by copy: a hook may add another.
        for (std::size_t i = 0; i < beforeWait_.size(); ++i) {
            const auto hook = beforeWait_[i];
            hook();
        }
        emit aboutToBlock();
    }
    if (interrupted_.load(std::memory_order_relaxed))
        return false;

    int timeout = 0;
    if (canWait && !(includeNotifiers && !alwaysReady_.empty()))
        timeout = includeTimers ? waitMilliseconds(Clock::now()) : -1;

    int handled = 0;
    if (includeNotifiers) {
        epoll_event events[16];
        const int ready = epoll_wait(epoll_, events, int(std::size(events)), timeout);
        for (int i = 0; i < ready; ++i) {
            const int fd = events[i].data.fd;
            if (fd == wakeCounter_) {
                drainCounter(wakeCounter_);
                wakePending_.store(false);
                ++handled;
                continue;
            }
            if (const auto reader = readers_.find(fd); reader != readers_.end()) {
                // A copy: the handler may stop watching its own descriptor.
                const auto handler = reader->second;
                handler();
                ++handled;
                continue;
            }
            const auto watch = watches_.find(fd);
            if (watch == watches_.end())
                continue;
            const std::uint32_t what = events[i].events;
            QSocketNotifier* const* notifiers = watch->second.notifiers;
            if (what & (EPOLLIN | EPOLLHUP | EPOLLERR))
                queueActivation(notifiers[QSocketNotifier::Read]);
            if (what & (EPOLLOUT | EPOLLERR))
                queueActivation(notifiers[QSocketNotifier::Write]);
            if (what & EPOLLPRI)
                queueActivation(notifiers[QSocketNotifier::Exception]);
        }
        for (QSocketNotifier* notifier : alwaysReady_)
            queueActivation(notifier);
        handled += activateSocketNotifiers();
    } else {
        // Ready descriptors stay ready while their notifiers are left out: wait for a wake-up only.
        pollfd counter{wakeCounter_, POLLIN, 0};
        if (poll(&counter, 1, timeout) > 0) {
            drainCounter(wakeCounter_);
            wakePending_.store(false);
            ++handled;
        }
    }
    if (includeTimers)
        handled += activateTimers();
    return handled > 0;
}

void EpollEventDispatcher::queueActivation(QSocketNotifier* notifier) {
    if (notifier && std::find(pending_.begin(), pending_.end(), notifier) == pending_.end())
        pending_.push_back(notifier);
}

int EpollEventDispatcher::activateSocketNotifiers() {
    int activated = 0;
    while (!pending_.empty()) {
        QSocketNotifier* notifier = pending_.front();
        pending_.erase(pending_.begin());
        QEvent event(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &event);
        ++activated;
    }
    return activated;
}

void EpollEventDispatcher::registerSocketNotifier(QSocketNotifier* notifier) {
    const int fd = int(notifier->socket());
    Watch& watch = watches_[fd];
    const bool existed = std::any_of(std::begin(watch.notifiers), std::end(watch.notifiers),
                                     [](QSocketNotifier* n) { return n != nullptr; });
    watch.notifiers[notifier->type()] = notifier;
    updateWatch(fd, existed);
}

void EpollEventDispatcher::unregisterSocketNotifier(QSocketNotifier* notifier) {
    std::erase(pending_, notifier);
    std::erase(alwaysReady_, notifier);
    const int fd = int(notifier->socket());
    const auto watch = watches_.find(fd);
    if (watch == watches_.end() || watch->second.notifiers[notifier->type()] != notifier)
        return;
    watch->second.notifiers[notifier->type()] = nullptr;
    updateWatch(fd, true);
}

void EpollEventDispatcher::updateWatch(int fd, bool existed) {
    const Watch& watch = watches_.at(fd);
    epoll_event event{};
    event.data.fd = fd;
    if (watch.notifiers[QSocketNotifier::Read])
        event.events |= EPOLLIN;
    if (watch.notifiers[QSocketNotifier::Write])
        event.events |= EPOLLOUT;
    if (watch.notifiers[QSocketNotifier::Exception])
        event.events |= EPOLLPRI;
    if (event.events == 0) {
        // Fails harmlessly when the descriptor was closed first: the kernel dropped it then.
        epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
        watches_.erase(fd);
        return;
    }
    int result = epoll_ctl(epoll_, existed ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, fd, &event);
    // A descriptor closed and opened again under the same number left the set with the close.
    if (result < 0 && errno == ENOENT)
        result = epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event);
    else if (result < 0 && errno == EEXIST)
        result = epoll_ctl(epoll_, EPOLL_CTL_MOD, fd, &event);
    if (result == 0)
        return;
    if (errno == EPERM) {
        // A regular file: always readable and writable, as poll would say.
        for (QSocketNotifier* notifier :
             {watch.notifiers[QSocketNotifier::Read], watch.notifiers[QSocketNotifier::Write]})
            if (notifier &&
                std::find(alwaysReady_.begin(), alwaysReady_.end(), notifier) == alwaysReady_.end())
                alwaysReady_.push_back(notifier);
        return;
    }
    qCWarning(programLog, "descriptor %d cannot be watched: %s", fd, strerror(errno));
}

void EpollEventDispatcher::watchReadable(int fd, std::function<void()> handler) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    if (epoll_ctl(epoll_, EPOLL_CTL_ADD, fd, &event) < 0 &&
        (errno != EEXIST || epoll_ctl(epoll_, EPOLL_CTL_MOD, fd, &event) < 0)) {
        qCWarning(programLog, "descriptor %d cannot be watched: %s", fd, strerror(errno));
        return;
    }
    readers_[fd] = std::move(handler);
}

void EpollEventDispatcher::unwatchReadable(int fd) {
    if (readers_.erase(fd))
        epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
}

void EpollEventDispatcher::addBeforeWait(std::function<void()> hook) {
    beforeWait_.push_back(std::move(hook));
}

void EpollEventDispatcher::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                                         QObject* object) {
    // Coarse timers fire on time too: the helper has no timers that run while it is idle.
    timers_.push_back({timerId, std::max<qint64>(interval, 0), timerType, object,
                       Clock::now() + std::chrono::milliseconds(interval)});
}

std::vector<EpollEventDispatcher::Timer>::iterator EpollEventDispatcher::findTimer(int timerId) {
    return std::find_if(timers_.begin(), timers_.end(),
                        [timerId](const Timer& timer) { return timer.id == timerId; });
}

bool EpollEventDispatcher::unregisterTimer(int timerId) {
    const auto timer = findTimer(timerId);
    if (timer == timers_.end())
        return false;
    timers_.erase(timer);
    return true;
}

bool EpollEventDispatcher::unregisterTimers(QObject* object) {
    return std::erase_if(timers_, [object](const Timer& timer) { return timer.object == object; }) >
           0;
}

QList<QAbstractEventDispatcher::TimerInfo>
EpollEventDispatcher::registeredTimers(QObject* object) const {
    QList<TimerInfo> found;
    for (const Timer& timer : timers_)
        if (timer.object == object)
            found.append(TimerInfo(timer.id, int(timer.interval), timer.type));
    return found;
}

int EpollEventDispatcher::remainingTime(int timerId) {
    const auto timer = findTimer(timerId);
    if (timer == timers_.end())
        return -1;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(timer->due - Clock::now());
    return int(std::max<qint64>(left.count(), 0));
}

int EpollEventDispatcher::waitMilliseconds(Clock::time_point now) const {
    auto earliest = Clock::time_point::max();
    for (const Timer& timer : timers_)
        if (!timer.delivering)
            earliest = std::min(earliest, timer.due);
    if (earliest == Clock::time_point::max())
        return -1;
    if (earliest <= now)
        return 0;
    // Rounded up: a timer never fires early.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(earliest - now).count();
    return int(std::min<qint64>(left, 24 * 3600 * 1000));
}

int EpollEventDispatcher::activateTimers() {
    if (timers_.empty())
        return 0;
    const auto now = Clock::now();
    // Only the timers due now: one started or restarted by a timer event waits for the next pass,
    // so a zero-interval timer cannot starve the descriptors.
    std::vector<int> due;
    for (const Timer& timer : timers_)
        if (!timer.delivering && timer.due <= now)
            due.push_back(timer.id);
    int activated = 0;
    for (const int id : due) {
        auto timer = findTimer(id);
        if (timer == timers_.end() || timer->delivering || timer->due > now)
            continue;
        const auto interval = std::chrono::milliseconds(timer->interval);
        timer->due += interval;
        if (timer->due <= now)
            timer->due = now + interval;
        timer->delivering = true;
        QTimerEvent event(id);
        QCoreApplication::sendEvent(timer->object, &event);
        ++activated;
        // The event may have stopped the timer, or stopped it and started another under its id.
        timer = findTimer(id);
        if (timer != timers_.end())
            timer->delivering = false;
    }
    return activated;
}

void EpollEventDispatcher::wakeUp() {
    if (!wakePending_.exchange(true)) {
        const std::uint64_t one = 1;
        while (write(wakeCounter_, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
}

void EpollEventDispatcher::interrupt() {
    interrupted_.store(true, std::memory_order_relaxed);
    wakeUp();
}
