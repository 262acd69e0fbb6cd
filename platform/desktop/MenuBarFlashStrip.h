#pragma once

#include "platform/MenuBarFlasher.h"
#include "platform/OverlayWindows.h"

#include <QElapsedTimer>
#include <QTimer>

#include <chrono>
#include <memory>

// Flashes the top of the primary screen: the first call covers a bar-high strip with an inverted
// copy of what is there (black where the screen cannot be read), the second takes it away. A strip
// taken away right after it came up stays a little longer, so that the flash can be seen.
class MenuBarFlashStrip final : public MenuBarFlasher, OverlayPicture {
public:
    static constexpr int kHeight = 22;
    static constexpr std::chrono::milliseconds kMinimumVisible{120};

    explicit MenuBarFlashStrip(OverlayWindows& overlays);
    ~MenuBarFlashStrip() override;

    // Every call toggles; `menuID` is ignored: the strip always spans the whole screen width.
    void flashMenuBar(int menuID) override;

    const OverlayWindow& strip() const { return *strip_; }

private:
    QSize size() const override { return size_; }
    void draw(PixelImage& image, double scale) const override;
    void invert();
    void restore();

    OverlayWindows& overlays_;
    QSize size_;
    PixelImage inverted_; // what the strip shows, at the screen's pixels; null: black
    QTimer hideTimer_;
    QElapsedTimer shown_;
    bool flashed_ = false;
    std::unique_ptr<OverlayWindow> strip_; // last: gone before the picture it shows
};
