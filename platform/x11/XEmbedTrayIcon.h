#pragma once

#include "platform/StatusIcons.h"

#include <QHash>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

// A status icon in an X11 panel's XEmbed tray: the toolkit's tray icon, with its menu opened by
// either button, as a menu-bar item's is.
class XEmbedTrayIcon final : public StatusIcon {
public:
    XEmbedTrayIcon();

    void show(const QString& imagePath, const QString& toolTip) override;
    void setMenu(std::vector<StatusMenuEntry> entries) override;

    QSystemTrayIcon& trayIcon() { return icon_; }
    QMenu& menu() { return menu_; }

private:
    QMenu menu_;
    QSystemTrayIcon icon_;
    // Loaded once per picture, so that switching pictures costs no image work.
    QHash<QString, QIcon> pictures_;
    QString imagePath_;
};
