#pragma once

#include "platform/DisplayBackend.h"
#include "platform/x11/X11EventMonitor.h"
#include "platform/x11/X11FrontProcess.h"
#include "platform/x11/X11Windows.h"

#include <QString>

// The helper's display services on an X11 server ($DISPLAY).
class X11Backend final : public DisplayBackend {
public:
    // Why $DISPLAY cannot be opened, in a few words; empty when it can.
    static QString displayProblem();

    EventMonitor& eventMonitor() override { return eventMonitor_; }
    ProcessInfo& processInfo() override { return frontProcess_; }
    DisplayReconfiguration& displays() override { return windows_.displays(); }
    MenuBarFlasher& menuBarFlasher() override { return windows_.menuBarFlasher(); }
    AlertSound* alertSound() override { return windows_.alertSound(); }
    OverlayWindows& overlayWindows() override { return windows_.overlayWindows(); }
    StatusIconHost& trayHost() override { return windows_.trayHost(); }

private:
    X11EventMonitor eventMonitor_;
    X11FrontProcess frontProcess_;
    X11Windows windows_;
};
