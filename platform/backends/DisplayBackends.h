#pragma once

#include "platform/backends/BackendChoice.h"

#include <memory>
#include <span>

namespace DisplayBackends {

// The display servers this build supports, in the order they are tried.
std::span<const BackendEntry> table();

// Chooses the backend for this process's session and writes each line of the choice to the
// program's log. For a window, points the toolkit at the chosen server unless QT_QPA_PLATFORM
// already names one. Null when none can run: the program then exits with status 1.
const BackendEntry* chooseForSession(BackendUse use);

// The system alert of the display server the toolkit runs on, for a program that makes no
// backend of its own; null where the server has none, and the sound theme's bell stands in.
std::unique_ptr<AlertSound> toolkitAlertSound();

} // namespace DisplayBackends
