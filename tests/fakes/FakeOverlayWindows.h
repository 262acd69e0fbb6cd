#pragma once

#include "platform/OverlayWindows.h"

#include <QWidget>

// Indicator windows as plain frameless windows, click-through where asked, on any platform; the
// screen the user works on is whatever the test sets, and each question is counted.
class FakeOverlayWindows final : public OverlayWindows {
public:
    void makeOverlay(QWidget& window, OverlayPlacement, bool clickThrough) override {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint |
                              (clickThrough ? Qt::WindowTransparentForInput : Qt::Widget));
        window.setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QRect workingScreenGeometry() override {
        ++workingScreenAsked;
        return workingScreen;
    }

    QRect workingScreen; // what the display server says; empty: it does not say
    int workingScreenAsked = 0;
};
