#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starting programs and opening URLs on the user's desktop.
class Workspace {
public:
    // Why a URL was not opened, in words for the user.
    using OpenFailed = std::function<void(const QString& reason)>;

    virtual ~Workspace() = default;
    // Starts a program with its arguments, without a shell, and does not wait for it.
    virtual bool launchTask(const QString& program, const QStringList& arguments) = 0;
    // Starts an application bundle (a ".app" folder) without arguments.
    virtual bool launchApplication(const QString& applicationPath) = 0;
    // Hands a URL, already escaped, to the desktop's handler for its scheme. When no program is
    // set to open the scheme, or the opener cannot start or soon ends with a failure, `failed`
    // runs with the reason: at once, or later from the event loop.
    virtual void openURL(const QString& url, OpenFailed failed) = 0;
};
