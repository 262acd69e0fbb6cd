#pragma once

#include <QString>

#include <sys/types.h>

// The name of a process's executable, as the front-process services report it: the executable's
// file name, or the kernel's short name when the executable is out of reach (another user's
// process). Empty when the process is gone.
QString executableNameOfProcess(pid_t pid);
