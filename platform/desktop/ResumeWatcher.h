#pragma once

#include <QObject>

#include <functional>

// Says when the computer wakes from suspend or hibernation (logind's PrepareForSleep on the
// system bus), so that state kept from before, such as the lock lights, is read again.
class ResumeWatcher final : public QObject {
    Q_OBJECT
public:
    explicit ResumeWatcher(std::function<void()> resumed);

    bool isWatching() const { return watching_; }

private slots:
    void prepareForSleep(bool sleeping);

private:
    std::function<void()> resumed_;
    bool watching_ = false;
};
