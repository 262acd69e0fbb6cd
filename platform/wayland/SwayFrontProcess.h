#pragma once

#include "platform/ProcessInfo.h"

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>

#include <memory>
#include <optional>

// The focused window's process on sway, from its IPC socket ($SWAYSOCK): the focused window
// once at start, then every focus change as sway reports it, so nothing is asked per key. A plain
// socket on the event loop: the toolkit's network module, with its chain of libraries, would be
// mapped by every helper for this one connection.
class SwayFrontProcess final : public ProcessInfo {
public:
    // socketPath: empty for $SWAYSOCK.
    explicit SwayFrontProcess(const QString& socketPath = QString());
    ~SwayFrontProcess() override;
    SwayFrontProcess(const SwayFrontProcess&) = delete;
    SwayFrontProcess& operator=(const SwayFrontProcess&) = delete;

    bool isConnected() const { return fd_ >= 0; }
    const QString* frontProcessName() const override { return frontName_ ? &*frontName_ : nullptr; }

    // The pid of the focused window in a reply to GET_TREE or a window event; nullopt when it
    // names none. Exposed for tests.
    static std::optional<qint64> focusedPid(const QByteArray& json, bool isEvent);

private:
    bool send(quint32 type, const QByteArray& payload);
    void readMessages();
    void disconnect();
    void setFront(std::optional<qint64> pid);

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QByteArray buffer_;
    std::optional<QString> frontName_;
};
