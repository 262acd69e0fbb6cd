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
