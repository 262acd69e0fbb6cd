#pragma once

#include <QString>
#include <QStringList>

// Starting programs and opening URLs on the user's desktop.
class Workspace {
public:
    virtual ~Workspace() = default;
    // Starts a program with its arguments, without a shell, and does not wait for it.
    virtual bool launchTask(const QString& program, const QStringList& arguments) = 0;
    // Starts an application bundle (a ".app" folder) without arguments.
    virtual bool launchApplication(const QString& applicationPath) = 0;
    // Hands a URL, already escaped, to the desktop's handler for its scheme.
    virtual bool openURL(const QString& url) = 0;
};
