#pragma once

#include "platform/DisplayBackend.h"

// Window services where the session offers none that Keyvigil can use yet: indicators are
// kept off screen, nothing flashes, there is no tray but the status-notifier hosts', and the sound
// theme's bell is the alert. Screens are not watched, since nothing is placed on them.
class NoWindows final : public WindowServices,
                        DisplayReconfiguration,
                        MenuBarFlasher,
                        OverlayWindows,
                        StatusIconHost {
public:
    DisplayReconfiguration& displays() override { return *this; }
    MenuBarFlasher& menuBarFlasher() override { return *this; }
    AlertSound* alertSound() override { return nullptr; }
    OverlayWindows& overlayWindows() override { return *this; }
    StatusIconHost& trayHost() override { return *this; }

private:
    void registerReconfigurationCallback(Callback) override {}
    void flashMenuBar(int) override {}
    void makeOverlay(QWidget&, OverlayPlacement, bool) override {}
    bool available() const override { return false; }
    void setAppearedHandler(std::function<void()>) override {}
    std::unique_ptr<StatusIcon> makeIcon() override { return nullptr; }
};
