#pragma once

#include "platform/MenuBarFlasher.h"
#include "platform/OverlayWindows.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

#include <chrono>

// Flashes the top of the primary screen: the first call covers a bar-high strip with an inverted
// copy of what is there (black where the screen cannot be read), the second takes it away. A strip
// taken away right after it came up stays a little longer, so that the flash can be seen.
class MenuBarFlashStrip final : public MenuBarFlasher {
public:
    static constexpr int kHeight = 22;
    static constexpr std::chrono::milliseconds kMinimumVisible{120};

    explicit MenuBarFlashStrip(OverlayWindows& overlays);

    // Every call toggles; `menuID` is ignored: the strip always spans the whole screen width.
    void flashMenuBar(int menuID) override;

    const QWidget& strip() const { return strip_; }

private:
    void invert();
    void restore();

    QLabel strip_;
    QTimer hideTimer_;
    QElapsedTimer shown_;
    bool inverted_ = false;
};
