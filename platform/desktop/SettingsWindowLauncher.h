#pragma once

#include <QString>

#include <sys/types.h>

// Opens the settings window through the bundle's keyvigil-launcher. Make it before the process
// gives up the network and new privileges (NetworkSandbox): the launcher, started then, keeps
// both for the window it opens, while every program started later would inherit the loss.
class SettingsWindowLauncher {
public:
    // Starts `launcher`, which from then on opens `host` with `pane` as its argument, and
    // nothing else. The launcher ends when this object or the process does.
    SettingsWindowLauncher(const QString& launcher, const QString& host, const QString& pane);
    ~SettingsWindowLauncher();
    SettingsWindowLauncher(const SettingsWindowLauncher&) = delete;
    SettingsWindowLauncher& operator=(const SettingsWindowLauncher&) = delete;

    // Empty while the launcher can be asked; else why not.
    const QString& problem() const { return problem_; }
    pid_t pid() const { return pid_; }
    // Asks for the window of the pane bundle at `pane`; false, with problem() set, when the
    // launcher cannot be asked.
    bool open(const QString& pane);

private:
    int socket_ = -1;
    pid_t pid_ = -1;
    QString problem_;
};
