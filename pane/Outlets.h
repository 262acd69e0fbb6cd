#pragma once

#include <QLatin1StringView>

// The pane's controls, by the object names they carry in the interface file.
namespace Outlets {
// Warning rules
inline constexpr QLatin1StringView WarnCapsSwitch{"WarnCapsSwitch"};
inline constexpr QLatin1StringView WarnCountPopup{"WarnCountPopup"};
inline constexpr QLatin1StringView WarnCapsLimitSwitch{"WarnCapsLimitSwitch"};
inline constexpr QLatin1StringView WarnCapsLimitPopup{"WarnCapsLimitPopup"};
inline constexpr QLatin1StringView WarnCapsLockPopup{"WarnCapsLockPopup"};
inline constexpr QLatin1StringView WarnNumLockPopup{"WarnNumLockPopup"};
// Means of warning
inline constexpr QLatin1StringView WarnWithSoundSwitch{"WarnWithSoundSwitch"};
inline constexpr QLatin1StringView soundPopup{"soundPopup"};
inline constexpr QLatin1StringView volumeSlider{"volumeSlider"};
inline constexpr QLatin1StringView WarnWithFlashSwitch{"WarnWithFlashSwitch"};
inline constexpr QLatin1StringView WarnWithGrowlSwitch{"WarnWithGrowlSwitch"};
// Indicators
inline constexpr QLatin1StringView showCapsMenuBarSwitch{"showCapsMenuBarSwitch"};
inline constexpr QLatin1StringView showShiftMenuBarSwitch{"showShiftMenuBarSwitch"};
inline constexpr QLatin1StringView showNumMenuBarSwitch{"showNumMenuBarSwitch"};
inline constexpr QLatin1StringView showCapsCenterSwitch{"showCapsCenterSwitch"};
inline constexpr QLatin1StringView showNumCenterSwitch{"showNumCenterSwitch"};
inline constexpr QLatin1StringView showCapsUpperLeftSwitch{"showCapsUpperLeftSwitch"};
inline constexpr QLatin1StringView showNumUpperLeftSwitch{"showNumUpperLeftSwitch"};
inline constexpr QLatin1StringView showOtherUpperLeftSwitch{"showOtherUpperLeftSwitch"};
inline constexpr QLatin1StringView showOutlinesSwitch{"showOutlinesSwitch"};
inline constexpr QLatin1StringView upperLeftGuide{"upperLeftGuide"};
// Exclusions
inline constexpr QLatin1StringView excludeWordsSwitch{"excludeWordsSwitch"};
inline constexpr QLatin1StringView excludeCommandControlSwitch{"excludeCommandControlSwitch"};
inline constexpr QLatin1StringView excludeNonGraphicSwitch{"excludeNonGraphicSwitch"};
inline constexpr QLatin1StringView excludeSHIFTSwitch{"excludeSHIFTSwitch"};
inline constexpr QLatin1StringView excludeWordsTable{"excludeWordsTable"};
inline constexpr QLatin1StringView excludeApplicationsTable{"excludeApplicationsTable"};
inline constexpr QLatin1StringView applicationErrorMsg{"applicationErrorMsg"};
inline constexpr QLatin1StringView exclusionAplicationView{"exclusionAplicationView"};
// Starting
inline constexpr QLatin1StringView EnableKeyvigilSwitch{"EnableKeyvigilSwitch"};
inline constexpr QLatin1StringView checkForUpdatesSwitch{"checkForUpdatesSwitch"};
inline constexpr QLatin1StringView stoppedMsg{"stoppedMsg"};
inline constexpr QLatin1StringView versionString{"versionString"};
inline constexpr QLatin1StringView accessibilityMessage{"accessibilityMessage"};
inline constexpr QLatin1StringView accessibilityButton{"accessibilityButton"};
// The tab view, and the menus the lock pop-ups get copies of
inline constexpr QLatin1StringView tabView{"tabView"};
inline constexpr QLatin1StringView configureTabViewItem{"configureTabViewItem"};
inline constexpr QLatin1StringView continuousSoundMenu{"continuousSoundMenu"};
inline constexpr QLatin1StringView notContinuousSoundMenu{"notContinuousSoundMenu"};
} // namespace Outlets
