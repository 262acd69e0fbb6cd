#pragma once

#include "shared/SettingsKeys.h"

#include <QLatin1StringView>

#include <cstdint>
#include <span>

// The pane's controls, in one table: each row is a control's object name in the interface file
// (resources/ui/KeyvigilPref.ui), what the user's change to it does, and the store keys it
// edits. The enumeration, the names and the rows are all made from this list, so that a
// control is named once in the code.
//
// Actions: Show, shown only; Store, a check box storing its state; Count, a count pop-up
// storing its item plus one; Lock, a lock pop-up storing its two flags; SoundSwitch, the sound
// check box, which also decides whether the locks may warn continuously; Sound, the sound
// pop-up, which also sets the slider and plays the sound; Volume, the slider; Preview, an
// upper-left switch, which also changes the preview; Enable, the enable switch; Tab, the tab
// view; Help, a help button, whose title is its topic's anchor; KeyboardAccess, the keyboard
// access button; Support, the support mail's buttons.
#define KEYVIGIL_PANE_CONTROLS(X)                                                                  \
    X(EnableKeyvigilSwitch, Enable, Keys::startAutomatically, {})                                  \
    X(stoppedMsg, Show, {}, {})                                                                    \
    X(runningHelpButton, Help, {}, {})                                                             \
    X(tabView, Tab, {}, {})                                                                        \
    X(configureTabViewItem, Show, {}, {})                                                          \
    /* Warning rules */                                                                            \
    X(WarnCapsSwitch, Store, Keys::warnCaps, {})                                                   \
    X(WarnCountPopup, Count, Keys::warnCount, {})                                                  \
    X(WarnCapsLimitSwitch, Store, Keys::warnCapsLimit, {})                                         \
    X(WarnCapsLimitPopup, Count, Keys::warnCapsLimitCount, {})                                     \
    X(capitalsHelpButton, Help, {}, {})                                                            \
    X(WarnCapsLockPopup, Lock, Keys::warnCapsLock, Keys::warnCapsLockContinuously)                 \
    X(WarnNumLockPopup, Lock, Keys::warnNumLock, Keys::warnNumLockContinuously)                    \
    X(locksHelpButton, Help, {}, {})                                                               \
    /* Means of warning */                                                                         \
    X(WarnWithSoundSwitch, SoundSwitch, Keys::warnWithSound, {})                                   \
    X(soundPopup, Sound, Keys::warnSound, {})                                                      \
    X(volumeSlider, Volume, Keys::soundVolume, {})                                                 \
    X(WarnWithFlashSwitch, Store, Keys::warnWithFlash, {})                                         \
    X(WarnWithGrowlSwitch, Store, Keys::warnWithGrowl, {})                                         \
    X(howHelpButton, Help, {}, {})                                                                 \
    /* Indicators */                                                                               \
    X(showCapsMenuBarSwitch, Store, Keys::showCapsMenuBar, {})                                     \
    X(showShiftMenuBarSwitch, Store, Keys::showShiftMenuBar, {})                                   \
    X(showNumMenuBarSwitch, Store, Keys::showNumMenuBar, {})                                       \
    X(trayHelpButton, Help, {}, {})                                                                \
    X(showCapsCenterSwitch, Store, Keys::showCapsCenter, {})                                       \
    X(showNumCenterSwitch, Store, Keys::showNumCenter, {})                                         \
    X(centreHelpButton, Help, {}, {})                                                              \
    X(showCapsUpperLeftSwitch, Preview, Keys::showCapsUpperLeft, {})                               \
    X(showNumUpperLeftSwitch, Preview, Keys::showNumUpperLeft, {})                                 \
    X(showOtherUpperLeftSwitch, Preview, Keys::showOtherUpperLeft, {})                             \
    X(showOutlinesSwitch, Store, Keys::showOutlines, {})                                           \
    X(upperLeftSizePopup, Count, Keys::upperLeftSize, {})                                          \
    X(upperLeftGuide, Show, {}, {})                                                                \
    X(upperLeftHelpButton, Help, {}, {})                                                           \
    /* Exclusions; the two tables are bound to their lists by the plug-in */                       \
    X(excludeWordsSwitch, Store, Keys::excludeWords, {})                                           \
    X(wordsHelpButton, Help, {}, {})                                                               \
    X(applicationErrorMsg, Show, {}, {})                                                           \
    X(exclusionAplicationView, Show, {}, {})                                                       \
    X(applicationsHelpButton, Help, {}, {})                                                        \
    X(excludeSHIFTSwitch, Store, Keys::excludeSHIFT, {})                                           \
    X(excludeCommandControlSwitch, Store, Keys::excludeCommandControl, {})                         \
    X(excludeNonGraphicSwitch, Store, Keys::excludeNonGraphics, {})                                \
    X(exclusionsHelpButton, Help, {}, {})                                                          \
    /* General */                                                                                  \
    X(accessibilityMessage, Show, {}, {})                                                          \
    X(accessibilityButton, KeyboardAccess, {}, {})                                                 \
    X(accessHelpButton, Help, {}, {})                                                              \
    X(emailTheAuthorButton, Support, {}, {})                                                       \
    X(supportMailOffer, Show, {}, {})                                                              \
    X(supportMailOfferMsg, Show, {}, {})                                                           \
    X(copySupportMailButton, Support, {}, {})                                                      \
    X(saveSupportMailButton, Support, {}, {})                                                      \
    X(supportHelpButton, Help, {}, {})                                                             \
    /* The footer: hidden, the update check (there is no update service; its key is kept as */     \
    /* read) and the lock pop-ups' two menus; shown, the version */                                \
    X(checkForUpdatesSwitch, Store, Keys::checkForUpdates, {})                                     \
    X(continuousSoundMenu, Show, {}, {})                                                           \
    X(notContinuousSoundMenu, Show, {}, {})                                                        \
    X(versionString, Show, {}, {})

enum class Outlet : std::uint8_t {
#define KEYVIGIL_OUTLET(name, action, key, continuousKey) name,
    KEYVIGIL_PANE_CONTROLS(KEYVIGIL_OUTLET)
#undef KEYVIGIL_OUTLET
};

enum class Action : std::uint8_t {
    Show,
    Store,
    Count,
    Lock,
    SoundSwitch,
    Sound,
    Volume,
    Preview,
    Enable,
    Tab,
    Help,
    KeyboardAccess,
    Support
};

struct Control {
    Outlet outlet;
    QLatin1StringView name;
    Action action;
    // The store key the control edits (for a lock pop-up, whether it warns); empty for none.
    QLatin1StringView key;
    // A lock pop-up's second key: whether it warns continuously.
    QLatin1StringView continuousKey;
};

namespace Controls {
// Every control, in the order of the list above: the order in which the settings are read.
std::span<const Control> all();
const Control& of(Outlet outlet);
inline QLatin1StringView name(Outlet outlet) {
    return of(outlet).name;
}
} // namespace Controls
