#pragma once

#include "platform/AlertSound.h"
#include "platform/DisplayReconfiguration.h"
#include "platform/EventMonitor.h"
#include "platform/MenuBarFlasher.h"
#include "platform/OverlayWindows.h"
#include "platform/ProcessInfo.h"
#include "platform/StatusIcons.h"

// The services that show things on the screens: the screens' changes, the flash, the system
// alert, indicator windows and the tray. A Wayland session may take them from X11 through
// Xwayland while its keyboard comes from Wayland.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    virtual DisplayReconfiguration& displays() = 0;
    virtual MenuBarFlasher& menuBarFlasher() = 0;
    // Null where the display server has no alert of its own: the sound theme's bell stands in.
    virtual AlertSound* alertSound() = 0;
    virtual OverlayWindows& overlayWindows() = 0;
    // The display server's own tray, for panels that host no status-notifier items.
    virtual StatusIconHost& trayHost() = 0;
};

// Everything that depends on the display server the session runs: the keyboard and the front
// application beside the window services. One implementation per display server;
// platform/backends/ picks the one for the session.
class DisplayBackend : public WindowServices {
public:
    virtual EventMonitor& eventMonitor() = 0;
    virtual ProcessInfo& processInfo() = 0;
};
