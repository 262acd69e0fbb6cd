#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// What /proc says about other processes of ours. A zombie counts as ended: where nothing
// reaps orphans, an exited process keeps its PID for good.
namespace ProcessInfo {

bool isRunning(pid_t pid);
// The arguments the process was started with, argv[0] first; empty when it is gone.
QStringList commandLine(pid_t pid);
// The running processes of a process group, or those a process started.
QList<pid_t> groupMembers(pid_t group);
QList<pid_t> children(pid_t parent);
// The program file the process runs; empty when it cannot be read.
QString executable(pid_t pid);

} // namespace ProcessInfo
