#pragma once

#include "platform/StatusIcons.h"
#include "platform/desktop/DBusMenu.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

// A picture as status-notifier hosts take it: ARGB32 pixels in network byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps icon;
    QString title;
    QString text;
};

Q_DECLARE_METATYPE(StatusNotifierPixmap)
Q_DECLARE_METATYPE(StatusNotifierToolTip)

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

// A status icon exported on the session bus as a status-notifier item, with its menu, and
// registered with the status-notifier watcher: now, and again whenever a watcher starts (a
// panel restarting brings a new one). The panels that host these items draw the picture, show
// the tooltip and the menu, on X11 and Wayland alike.
class StatusNotifierItem final : public QObject, public StatusIcon {
    Q_OBJECT
public:
    static constexpr auto itemPath = "/StatusNotifierItem";
    static constexpr auto menuPath = "/MenuBar";

    // `title` names the item in the panel's lists and heads its tooltip.
    StatusNotifierItem(const QDBusConnection& bus, const QString& title);
    ~StatusNotifierItem() override;

    void show(const QString& imagePath, const QString& toolTip) override;
    void setMenu(std::vector<StatusMenuEntry> entries) override;

    const QString& serviceName() const { return serviceName_; }
    const QString& title() const { return title_; }
    const StatusNotifierPixmaps& iconPixmap() const { return pixmaps_; }
    StatusNotifierToolTip toolTip() const { return {{}, {}, title_, toolTip_}; }
    // A click on the icon where the host shows no menu: the first entry's action.
    void activate();

    // The picture at the sizes the build bakes, for panels at one pixel per point and at HiDPI.
    static StatusNotifierPixmaps pixmapsOf(const QString& imagePath);

signals:
    void newIcon();
    void newToolTip();

private:
    void registerWithWatcher();

    QDBusConnection bus_;
    const QString title_;
    QString serviceName_;
    DBusMenu menu_;
    QString imagePath_;
    StatusNotifierPixmaps pixmaps_;
    QHash<QString, StatusNotifierPixmaps> pixmapCache_;
    QString toolTip_;
    bool shown_ = false;
};
