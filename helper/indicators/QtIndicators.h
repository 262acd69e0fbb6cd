#pragma once

#include "helper/indicators/CenterWindow.h"
#include "helper/indicators/KVObject.h"
#include "helper/indicators/keyModifiersView.h"
#include "platform/Indicators.h"
#include "platform/OverlayWindows.h"
#include "platform/TrayWatcher.h"

#include <QIcon>
#include <QMenu>
#include <QPointF>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

// The indicators as Qt Widgets: a tray icon for the status item, two centre windows and the
// upper-left window. Images are looked up by name in the helper bundle's resources folder.
//
// The status item's tray icon is made once `trays` says a tray is running, at once or when one
// starts: the toolkit settles how to reach a tray at the first icon, so an icon made before the
// panel would never show. Without `trays` the icon is made at once. `trays` must outlive this.
class QtIndicators : public Indicators {
public:
    QtIndicators(const QString& resourcesPath, KVObject& KVHelperObject, OverlayWindows& overlays,
                 TrayWatcher* trays = nullptr);
    ~QtIndicators() override;

    // True from the build on, whether or not a tray has shown the icon yet.
    bool hasStatusItem() const override { return statusItemBuilt_; }
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
    void buildUpperLeftWindow(std::uint32_t mask, OutlineColor outline,
                              std::uint32_t modifiers) override;
    void setModifiers(std::uint32_t modifiers) override;
    void holdUpperLeftWindowInPlace() override;

    // "<resources>/<name>.svg", the way images are named in the bundle.
    static QString imageNamed(const QString& resourcesPath, const QString& name);

    std::unique_ptr<QSystemTrayIcon> menuBarIcon; // null until a tray is running
    std::unique_ptr<QMenu> menuBarMenu;
    std::unique_ptr<CenterWindow> capsCenterWindow;
    std::unique_ptr<CenterWindow> numCenterWindow;
    std::unique_ptr<QWidget> upperLHcorner;
    keyModifiersView* upperLHView = nullptr; // owned by upperLHcorner
    QPointF upperLHWindowOrigin;             // bottom-up, as the window's bottom-left corner
    QPoint upperLHTopLeft;                   // the same place in the desktop's top-down terms
    float ourScreenHeight = 0.0f;

    // Loaded once, so that switching the status item's icon costs no image work.
    const QIcon openIcon;
    const QIcon closedIcon;

private:
    static void showCentered(QWidget* window, bool show);
    void makeMenuBarIcon();
    const QIcon& menuBarImage() const { return menuBarActive_ ? closedIcon : openIcon; }

    const QString resourcesPath_;
    KVObject& KVHelperObject_;
    OverlayWindows& overlays_;
    TrayWatcher* const trays_;
    bool statusItemBuilt_ = false;
    bool menuBarActive_ = false; // the icon the last menuBar asked for, kept for a late tray
    bool trayChecked_ = false;
};
