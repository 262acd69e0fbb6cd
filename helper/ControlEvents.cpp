#include "helper/KeyvigilHelper.h"
#include "shared/Identifiers.h"

#include <cstdlib>

void KeyvigilHelper::Handle_QuitApplication() {
    // Nothing is written, closed or stopped: the process just ends.
    platform.eventLoop.exitToShell();
    std::abort(); // not reached: the compiler cannot see that through the interface
}

OSStatus KeyvigilHelper::Handle_ReopenApplication() {
    gPrefs.reset();
    gPrefs = std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kApplicationIdentifier));
    readPreferences();
    // The load leaves an existing status item's icon alone; show the keys held now.
    platform.indicators.menuBar(monitor_.modifiers & settings_.menuBarMask);
    return noErr;
}

void KeyvigilHelper::ScreenChangedCallback(std::uint32_t, std::uint32_t changeFlags) {
    // Only a mode change moves the menu bar; the reload rebuilds the upper-left window for
    // the new screen height. The store is not re-read.
    if (changeFlags & kCGDisplaySetModeFlag)
        readPreferences();
}

void KeyvigilHelper::pauseWarnings(bool paused) {
    if (paused == monitor_.warningsPaused)
        return;
    if (paused) {
        // A looping sound ends with the pause, and a run of capitals begun before it is over.
        soundOff();
        monitor_.capsCount = 0;
        monitor_.clearWordBuffer();
        monitor_.warningsPaused = true;
        return;
    }
    monitor_.warningsPaused = false;
    // A lock still on when the pause ends warns again as it would when switched on now, so a
    // continuous warning goes on where it was stopped; the notifications said their piece.
    if (monitor_.capsLockON && settings_.warnCapsLockContinuously)
        warnUser(true);
    else if (monitor_.numLockON && settings_.warnNumLockContinuously)
        warnUser(true);
}
