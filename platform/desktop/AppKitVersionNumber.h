#pragma once

#include "shared/AppKitVersion.h"

// The toolkit version this system reports: the newest release the rules know about. A value of
// its own, so that a program can read it without a display connection.
inline constexpr double kLinuxAppKitVersionNumber = AppKitVersion::v10_9;
