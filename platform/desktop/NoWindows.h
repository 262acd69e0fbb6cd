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
    // A window nobody sees: it keeps what it is told and draws nothing.
    class OffScreen final : public OverlayWindow {
        void show(QPoint) override { visible_ = true; }
        void hide() override { visible_ = false; }
        bool isVisible() const override { return visible_; }
        void repaint() override {}
        bool visible_ = false;
    };
    std::unique_ptr<OverlayWindow> makeOverlay(const OverlayPicture&, OverlayPlacement,
                                               bool) override {
        return std::make_unique<OffScreen>();
    }
    bool available() const override { return false; }
    void setAppearedHandler(std::function<void()>) override {}
    std::unique_ptr<StatusIcon> makeIcon() override { return nullptr; }
};
