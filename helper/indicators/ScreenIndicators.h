#pragma once

#include "helper/indicators/CenterWindow.h"
#include "helper/indicators/KVObject.h"
#include "helper/indicators/StatusItem.h"
#include "helper/indicators/keyModifiersView.h"
#include "platform/Indicators.h"
#include "platform/OverlayWindows.h"
#include "platform/StatusIcons.h"

#include <QPointF>

#include <memory>

// The indicators: the status item in whichever of `statusHosts` takes it, and two centre windows
// and the upper-left window as the display server's overlay windows, drawn as plain pixels.
// Images are looked up by name in the helper bundle's resources folder. `statusHosts` and
// `overlays` must outlive this.
class ScreenIndicators : public Indicators {
public:
    ScreenIndicators(const QString& resourcesPath, KVObject& KVHelperObject,
                     OverlayWindows& overlays, StatusIconHost& statusHosts);
    ~ScreenIndicators() override;

    // True from the build on, whether or not a host has shown the icon yet.
    bool hasStatusItem() const override { return statusItem.built(); }
    void buildStatusItem() override;
    void removeStatusItem() override;
    void menuBar(std::uint32_t active) override;

    void closeCenterWindows() override;
    void buildCapsCenterWindow() override;
    void buildNumCenterWindow() override;
    void showCapsCenterWindow(bool show) override;
    void showNumCenterWindow(bool show) override;

    bool hasUpperLeftWindow() const override { return upperLHcorner != nullptr; }
    void closeUpperLeftWindow() override;
    void buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline, std::uint32_t modifiers,
                              int scale = 1) override;
    void setModifiers(std::uint32_t modifiers) override;
    void holdUpperLeftWindowInPlace() override;

    // "<resources>/<name>.svg", the way images are named in the bundle.
    static QString imageNamed(const QString& resourcesPath, const QString& name);

    StatusItem statusItem;
    std::unique_ptr<CenterWindow> capsCenterWindow;
    std::unique_ptr<CenterWindow> numCenterWindow;
    std::unique_ptr<keyModifiersView> upperLHView;
    std::unique_ptr<OverlayWindow> upperLHcorner; // after its view: gone first
    QPointF upperLHWindowOrigin;                  // bottom-up, as the window's bottom-left corner
    QPoint upperLHTopLeft;                        // the same place in the desktop's top-down terms
    float ourScreenHeight = 0.0f;

private:
    void showCentered(CenterWindow* window, bool show);

    const QString resourcesPath_;
    KVObject& KVHelperObject_;
    OverlayWindows& overlays_;
};
