#pragma once

#include "platform/OverlayWindows.h"

#include <QString>

#include <memory>
#include <vector>

class ShellCompanion;

// Indicator windows drawn by the GNOME Shell companion: GNOME offers no way for another program
// to put a window above the others without taking the keyboard. Each showing and repaint draws
// the picture at the scale of the monitor the user works on and sends it to the companion, which
// shows it there, click-through and above everything; hidden, the companion takes it away.
class ShellOverlays final : public OverlayWindows {
public:
    explicit ShellOverlays(ShellCompanion& companion);
    ~ShellOverlays() override;

    std::unique_ptr<OverlayWindow> makeOverlay(const OverlayPicture& picture,
                                               OverlayPlacement placement,
                                               bool clickThrough) override;
    // The monitor the user works on, from its top-left corner: the companion places top-left
    // windows from there.
    QRect screenGeometry() override;
    // Shows again what is on screen, after the Shell (and so the companion) restarted.
    void showAgain();

private:
    class Window;

    ShellCompanion& companion_;
    std::vector<Window*> windows_; // alive
    int made_ = 0;
};
