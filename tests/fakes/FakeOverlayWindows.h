#pragma once

#include "platform/OverlayWindows.h"

#include <QWidget>

// Indicator windows as plain frameless windows, click-through where asked, on any platform.
class FakeOverlayWindows final : public OverlayWindows {
public:
    void makeOverlay(QWidget& window, OverlayPlacement, bool clickThrough) override {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint |
                              (clickThrough ? Qt::WindowTransparentForInput : Qt::Widget));
        window.setAttribute(Qt::WA_ShowWithoutActivating);
    }
};
