#pragma once

#include "platform/StatusIcons.h"

#include <QDBusArgument>
#include <QList>
#include <QObject>
#include <QVariantMap>

#include <vector>

// An entry of the menu as the menu protocol sends it: its id, its properties and its children,
// each child wrapped in a variant.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// An entry's id and properties, without children.
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

// An entry's id and the names of properties it no longer has.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList properties;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

// One event of a group: the entry, the event's name, its data and its time.
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

Q_DECLARE_METATYPE(DBusMenuLayoutItem)
Q_DECLARE_METATYPE(DBusMenuItem)
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(DBusMenuEvent)

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// A flat menu of plain entries, exported on the session bus under the menu protocol panels use
// for status icons. Entry k has id k + 1; id 0 is the root.
class DBusMenu : public QObject {
    Q_OBJECT
public:
    static constexpr auto interfaceName = "com.canonical.dbusmenu";

    DBusMenu();
    // Registers the types the protocol sends; safe to call more than once.
    static void registerTypes();

    // Replaces the entries; the panels are told the layout changed.
    void setEntries(std::vector<StatusMenuEntry> entries);
    const std::vector<StatusMenuEntry>& entries() const { return entries_; }
    uint revision() const { return revision_; }

    DBusMenuLayoutItem layout(int parentId, int depth, const QStringList& names) const;
    DBusMenuItemList groupProperties(const QList<int>& ids, const QStringList& names) const;
    QVariant property(int id, const QString& name) const;
    // Runs the entry's action on a click; false for an entry that does not exist.
    bool event(int id, const QString& eventId);

signals:
    void layoutUpdated(uint revision, int parent);

private:
    QVariantMap propertiesOf(int id, const QStringList& names) const;

    std::vector<StatusMenuEntry> entries_;
    uint revision_ = 1;
};
