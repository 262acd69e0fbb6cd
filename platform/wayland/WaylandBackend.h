#pragma once

#include "platform/DisplayBackend.h"
#include "platform/wayland/WaylandCompositor.h"
#include "platform/wayland/WaylandConnection.h"

#include <QString>

#include <memory>

class WaylandEventMonitor;

// The helper's display services in a Wayland session: the keyboard and the front application
// from the compositor and the keyboard devices, the windows from whatever the session offers
// for them. Says in one line each what works and what falls back.
class WaylandBackend final : public DisplayBackend {
public:
    // windows: where indicators are shown where the compositor offers no layer shell;
    // windowsNote: one line on it.
    WaylandBackend(std::unique_ptr<WindowServices> windows, const QString& windowsNote);
    ~WaylandBackend() override;

    // Why the compositor cannot be reached, in a few words; empty when it can.
    static QString displayProblem();
    // Whether the compositor offers the layer shell, where the indicators are drawn as our own
    // surfaces.
    static bool offersLayerShell();

    EventMonitor& eventMonitor() override;
    ProcessInfo& processInfo() override { return *front_; }
    DisplayReconfiguration& displays() override { return windows_->displays(); }
    MenuBarFlasher& menuBarFlasher() override { return windows_->menuBarFlasher(); }
    AlertSound* alertSound() override { return windows_->alertSound(); }
    OverlayWindows& overlayWindows() override { return windows_->overlayWindows(); }
    StatusIconHost& trayHost() override { return windows_->trayHost(); }

private:
    WaylandConnection connection_;
    WaylandCompositor compositor_ = WaylandCompositor::Other;
    std::unique_ptr<WaylandEventMonitor> monitor_;
    std::unique_ptr<ProcessInfo> front_;
    std::unique_ptr<WindowServices> windows_;
};
