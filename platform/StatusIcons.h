#pragma once

#include "platform/TrayWatcher.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// One entry of a status icon's menu.
struct StatusMenuEntry {
    QString text;
    std::function<void()> triggered;
};

// An icon in the desktop's status area, with a tooltip and a menu.
class StatusIcon {
public:
    virtual ~StatusIcon() = default;
    // The picture (an image file's path) and the tooltip's text; the icon appears at the first
    // call.
    virtual void show(const QString& imagePath, const QString& toolTip) = 0;
    virtual void setMenu(std::vector<StatusMenuEntry> entries) = 0;
};

// A place status icons go, such as a panel's tray, followed as it comes and goes.
class StatusIconHost : public TrayWatcher {
public:
    // Null when no host is available.
    virtual std::unique_ptr<StatusIcon> makeIcon() = 0;
};
