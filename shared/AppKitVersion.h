#pragma once

#include <cmath>

// The toolkit versions the rules of both programs compare against, each named once. The running
// system's own number is a platform value; these are the releases that changed behaviour.
namespace AppKitVersion {

inline constexpr double v10_4 = 824.0;
inline constexpr double v10_8 = 1187.0;
inline constexpr double v10_9 = 1265.0;

// Sounds take a volume, and the upper-left window can be held in place, only after 10.4.
inline bool isLaterThan10_4(double versionNumber) {
    return std::floor(versionNumber) > v10_4;
}

} // namespace AppKitVersion
