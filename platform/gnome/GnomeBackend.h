#pragma once

#include "platform/DisplayBackend.h"
#include "platform/desktop/MenuBarFlashStrip.h"
#include "platform/gnome/ShellCompanion.h"
#include "platform/gnome/ShellOverlays.h"
#include "platform/wayland/WaylandConnection.h"

#include <QString>

#include <memory>
#include <optional>

class WaylandEventMonitor;

// The helper's display services on GNOME, through the GNOME Shell companion: Caps Lock, Num
// Lock and the application in front from the Shell, the indicators and the flash drawn by it;
// keys from the keyboard devices as on other Wayland desktops. The tray is the status-notifier
// hosts' (GNOME's AppIndicator extension). Says in one line each what works and what falls back.
class GnomeBackend final : public DisplayBackend,
                           DisplayReconfiguration,
                           StatusIconHost,
                           ProcessInfo {
public:
    GnomeBackend();
    ~GnomeBackend() override;

    // Why this backend cannot run in the session, in a few words; empty when it can: the
    // compositor must answer and the companion must answer on the session bus.
    static QString sessionProblem();

    EventMonitor& eventMonitor() override;
    ProcessInfo& processInfo() override { return *this; }
    DisplayReconfiguration& displays() override { return *this; }
    MenuBarFlasher& menuBarFlasher() override { return flashStrip_; }
    AlertSound* alertSound() override { return nullptr; }
    OverlayWindows& overlayWindows() override { return overlays_; }
    StatusIconHost& trayHost() override { return *this; }

    const QString* frontProcessName() const override { return frontName_ ? &*frontName_ : nullptr; }

private:
    // The companion places each picture on the monitor the user works on when it is shown.
    void registerReconfigurationCallback(Callback) override {}
    bool available() const override { return false; }
    void setAppearedHandler(std::function<void()>) override {}
    std::unique_ptr<StatusIcon> makeIcon() override { return nullptr; }

    void frontChanged(int pid);

    WaylandConnection connection_;
    std::unique_ptr<WaylandEventMonitor> monitor_;
    ShellCompanion companion_;
    ShellOverlays overlays_{companion_};
    MenuBarFlashStrip flashStrip_{overlays_};
    std::optional<QString> frontName_;
};
