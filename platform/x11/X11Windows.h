#pragma once

#include "platform/DisplayBackend.h"
#include "platform/desktop/MenuBarFlashStrip.h"
#include "platform/x11/X11Bell.h"
#include "platform/x11/X11DisplayReconfiguration.h"
#include "platform/x11/X11OverlayWindows.h"
#include "platform/x11/XEmbedTray.h"

// Screens, flash, bell, indicator windows and tray on an X11 server ($DISPLAY), which may be
// Xwayland. The bell shares the indicator windows' connection.
class X11Windows final : public WindowServices {
public:
    DisplayReconfiguration& displays() override { return displays_; }
    MenuBarFlasher& menuBarFlasher() override { return flashStrip_; }
    AlertSound* alertSound() override { return &bell_; }
    OverlayWindows& overlayWindows() override { return overlays_; }
    StatusIconHost& trayHost() override { return tray_; }

private:
    X11DisplayReconfiguration displays_;
    X11OverlayWindows overlays_;
    MenuBarFlashStrip flashStrip_{overlays_};
    X11Bell bell_{overlays_.display()};
    XEmbedTray tray_;
};
