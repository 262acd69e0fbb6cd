#pragma once

#include <QLatin1StringView>

// The pane's controls, by the object names they carry in the interface file.
namespace Outlets {
inline constexpr QLatin1StringView EnableKeyvigilSwitch{"EnableKeyvigilSwitch"};
inline constexpr QLatin1StringView stoppedMsg{"stoppedMsg"};
inline constexpr QLatin1StringView versionString{"versionString"};
inline constexpr QLatin1StringView accessibilityMessage{"accessibilityMessage"};
inline constexpr QLatin1StringView accessibilityButton{"accessibilityButton"};
inline constexpr QLatin1StringView tabView{"tabView"};
inline constexpr QLatin1StringView configureTabViewItem{"configureTabViewItem"};
} // namespace Outlets
