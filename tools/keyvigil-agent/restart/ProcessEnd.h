#pragma once

#include <sys/types.h>

// Waits up to `timeoutMilliseconds` for the process `pid` to end; true once it has, or when
// it is not running at all.
bool waitForProcessEnd(pid_t pid, int timeoutMilliseconds);
