#pragma once

#include <QLocalServer>
#include <QObject>

#include <functional>

// One preferences window per user session: the first start listens on a socket in the user's
// runtime folder, and a later start only asks it to raise its window.
class SingleInstance {
public:
    // The socket's path for this user.
    static QString socketPath();

    // True when another instance answered and was asked to raise its window.
    static bool raiseRunningInstance();

    // Starts listening; `raise` runs whenever a later start asks.
    bool listen(std::function<void()> raise);

private:
    QLocalServer server_;
};
