#pragma once

#include "platform/AlertSound.h"
#include "platform/DisplayReconfiguration.h"
#include "platform/EventMonitor.h"
#include "platform/MenuBarFlasher.h"
#include "platform/OverlayWindows.h"
#include "platform/ProcessInfo.h"
#include "platform/TrayWatcher.h"

// The services that depend on the display server the session runs: the keyboard, the front
// application, the screens, the flash, the system alert, indicator windows and the tray. One
// implementation per display server; platform/backends/ picks the one for the session.
class DisplayBackend {
public:
    virtual ~DisplayBackend() = default;
    virtual EventMonitor& eventMonitor() = 0;
    virtual ProcessInfo& processInfo() = 0;
    virtual DisplayReconfiguration& displays() = 0;
    virtual MenuBarFlasher& menuBarFlasher() = 0;
    virtual AlertSound& alertSound() = 0;
    virtual OverlayWindows& overlayWindows() = 0;
    virtual TrayWatcher& trayWatcher() = 0;
};
