#pragma once

#include <QLatin1StringView>

// The notifications the helper registers and posts, and the name it registers under.
namespace GrowlNames {
inline constexpr QLatin1StringView applicationName{"Keyvigil"};
inline constexpr QLatin1StringView capsLockOn{"CAPS LOCK On"};
inline constexpr QLatin1StringView capsLockOff{"CAPS LOCK Off"};
inline constexpr QLatin1StringView numLockOn{"NUM LOCK On"};
inline constexpr QLatin1StringView numLockOff{"NUM LOCK Off"};
inline constexpr QLatin1StringView tooManyCapsTyped{"Too Many CAPS Typed"};
inline constexpr QLatin1StringView capsCountWarningFormat{"%d CAPS typed."};
} // namespace GrowlNames
