#pragma once

#include <QAbstractEventDispatcher>

#include <atomic>
#include <chrono>
#include <functional>
#include <unordered_map>
#include <vector>

// The main thread's event dispatcher on epoll. Qt's own dispatcher rebuilds and polls the whole
// list of descriptors at every wake-up, so each descriptor the program watches costs at every key;
// here the kernel hands back only the descriptors that are ready. Timers, socket notifiers,
// posted events, wake-ups from other threads and nested event loops behave as with Qt's.
class EpollEventDispatcher final : public QAbstractEventDispatcher {
    Q_OBJECT

public:
    explicit EpollEventDispatcher(QObject* parent = nullptr);
    ~EpollEventDispatcher() override;

    // False when the kernel gave no epoll instance or event counter: use Qt's dispatcher then.
    bool isValid() const { return epoll_ >= 0 && wakeCounter_ >= 0; }

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;

    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;

    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                       QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;

    void wakeUp() override;
    void interrupt() override;

    // Straight calls from the wait, without a notifier's event and signals: for what runs at
    // every key. A descriptor is watched either so or by socket notifiers, not both.
    void watchReadable(int fd, std::function<void()> handler);
    void unwatchReadable(int fd);
    // Runs each time the loop is about to sleep, as aboutToBlock is emitted.
    void addBeforeWait(std::function<void()> hook);

private:
    using Clock = std::chrono::steady_clock;
    struct Timer {
        int id;
        qint64 interval;
        Qt::TimerType type;
        QObject* object;
        Clock::time_point due;
        // In its own timer event: a nested event loop must not deliver it again.
        bool delivering = false;
    };
    // The notifiers of one descriptor, by QSocketNotifier::Type.
    struct Watch {
        QSocketNotifier* notifiers[3] = {};
    };

    void updateWatch(int fd, bool existed);
    int waitMilliseconds(Clock::time_point now) const;
    int activateSocketNotifiers();
    int activateTimers();
    void queueActivation(QSocketNotifier* notifier);
    std::vector<Timer>::iterator findTimer(int timerId);

    int epoll_ = -1;
    int wakeCounter_ = -1;
    std::atomic<bool> wakePending_{false};
    std::atomic<bool> interrupted_{false};
    std::unordered_map<int, Watch> watches_;
    // Notifiers on descriptors epoll cannot watch (regular files): ready at every pass, as poll
    // reports them.
    std::vector<QSocketNotifier*> alwaysReady_;
    // Ready notifiers not yet activated; shared with nested loops, which carry on with it.
    std::vector<QSocketNotifier*> pending_;
    std::vector<Timer> timers_;
    std::unordered_map<int, std::function<void()>> readers_;
    std::vector<std::function<void()>> beforeWait_;
};
