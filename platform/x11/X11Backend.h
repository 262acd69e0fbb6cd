#pragma once

#include "platform/DisplayBackend.h"
#include "platform/x11/MenuBarFlashStrip.h"
#include "platform/x11/SystemTrayWatcher.h"
#include "platform/x11/X11Bell.h"
#include "platform/x11/X11DisplayReconfiguration.h"
#include "platform/x11/X11EventMonitor.h"
#include "platform/x11/X11FrontProcess.h"
#include "platform/x11/X11OverlayWindows.h"

#include <QString>

// The helper's display services on an X11 server ($DISPLAY). Made once the toolkit runs on the
// same server, whose connection the bell shares.
class X11Backend final : public DisplayBackend {
public:
    X11Backend();

    // Why $DISPLAY cannot be opened, in a few words; empty when it can.
    static QString displayProblem();

    EventMonitor& eventMonitor() override { return eventMonitor_; }
    ProcessInfo& processInfo() override { return frontProcess_; }
    DisplayReconfiguration& displays() override { return displays_; }
    MenuBarFlasher& menuBarFlasher() override { return flashStrip_; }
    AlertSound& alertSound() override { return bell_; }
    OverlayWindows& overlayWindows() override { return overlays_; }
    TrayWatcher& trayWatcher() override { return trays_; }

private:
    X11EventMonitor eventMonitor_;
    X11DisplayReconfiguration displays_;
    X11FrontProcess frontProcess_;
    X11OverlayWindows overlays_;
    MenuBarFlashStrip flashStrip_{overlays_};
    X11Bell bell_{X11Bell::toolkitDisplay()};
    SystemTrayWatcher trays_;
};
