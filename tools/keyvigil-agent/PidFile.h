#pragma once

#include <QString>

#include <sys/types.h>

// A file holding one process ID in decimal, as the supervisor records itself.
namespace PidFile {

pid_t read(const QString& path); // 0 when missing or not a PID
bool write(const QString& path, pid_t pid);
// Removes the file only while it still names `pid`: a newer process may have replaced it.
void removeIfNames(const QString& path, pid_t pid);

} // namespace PidFile
