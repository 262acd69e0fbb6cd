#pragma once

#include "platform/DisplayBackend.h"
#include "platform/desktop/MenuBarFlashStrip.h"
#include "platform/wayland/LayerShellOverlays.h"

// Window services on a compositor with the layer shell: the indicators and the flash as layer
// surfaces. The screens' changes are the compositor's to follow (it places the surfaces), there
// is no tray but the status-notifier hosts', and the sound theme's bell is the alert.
class LayerShellWindows final : public WindowServices, DisplayReconfiguration, StatusIconHost {
public:
    explicit LayerShellWindows(WaylandConnection& connection) : overlays_(connection) {}

    DisplayReconfiguration& displays() override { return *this; }
    MenuBarFlasher& menuBarFlasher() override { return flashStrip_; }
    AlertSound* alertSound() override { return nullptr; }
    OverlayWindows& overlayWindows() override { return overlays_; }
    StatusIconHost& trayHost() override { return *this; }

private:
    void registerReconfigurationCallback(Callback) override {}
    bool available() const override { return false; }
    void setAppearedHandler(std::function<void()>) override {}
    std::unique_ptr<StatusIcon> makeIcon() override { return nullptr; }

    LayerShellOverlays overlays_;
    MenuBarFlashStrip flashStrip_{overlays_};
};
