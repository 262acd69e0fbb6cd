#pragma once

#include "platform/ProcessInfo.h"

#include <QByteArray>
#include <QLocalSocket>
#include <QString>

#include <optional>

// The focused window's process on sway, from its IPC socket ($SWAYSOCK): the focused window
// once at start, then every focus change as sway reports it, so nothing is asked per key.
class SwayFrontProcess final : public ProcessInfo {
public:
    // socketPath: empty for $SWAYSOCK.
    explicit SwayFrontProcess(const QString& socketPath = QString());

    bool isConnected() const { return socket_.state() == QLocalSocket::ConnectedState; }
    const QString* frontProcessName() const override { return frontName_ ? &*frontName_ : nullptr; }

    // The pid of the focused window in a reply to GET_TREE or a window event; nullopt when it
    // names none. Exposed for tests.
    static std::optional<qint64> focusedPid(const QByteArray& json, bool isEvent);

private:
    void send(quint32 type, const QByteArray& payload);
    void readMessages();
    void setFront(std::optional<qint64> pid);

    QLocalSocket socket_;
    QByteArray buffer_;
    std::optional<QString> frontName_;
};
