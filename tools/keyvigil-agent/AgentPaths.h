#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Where the tool keeps what it writes for an agent label, after the XDG base directories.
namespace AgentPaths {

QString unitFile(const QString& label);       // $XDG_CONFIG_HOME/systemd/user/LABEL.service
QString autostartEntry(const QString& label); // $XDG_CONFIG_HOME/autostart/LABEL.desktop
QString logFile(const QString& label);        // $XDG_STATE_HOME/keyvigil/LABEL.log

// The supervisor's record of itself, and the lock that keeps loads and unloads of one label
// from overlapping; both in the runtime folder.
QString pidFile(const QString& label);
QString lockFile(const QString& label);

// $XDG_RUNTIME_DIR/keyvigil, or /tmp/keyvigil-UID where the session names no runtime folder:
// pid and lock files.
QString runtimeFolder();
// Creates the runtime folder if need be, and makes sure that only we can write to it: in
// /tmp anyone could have made it first. False with a one-line `error` otherwise.
bool makeRuntimeFolder(QString& error);

// Writes a whole file atomically, making its folder first.
bool writeFile(const QString& path, const QByteArray& contents, mode_t mode);

} // namespace AgentPaths
