#include "platform/desktop/DBusMenu.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMetaType>
#include <QLocale>
#include <QMetaObject>

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayoutItem& child : item.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    item.children.clear();
    while (!argument.atEnd()) {
        QDBusVariant wrapped;
        argument >> wrapped;
        DBusMenuLayoutItem child;
        wrapped.variant().value<QDBusArgument>() >> child;
        item.children.append(child);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& item) {
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& item) {
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event) {
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event) {
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

namespace {

// The menu protocol's interface over a DBusMenu.
class DBusMenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenu* menu) : QDBusAbstractAdaptor(menu), menu_(menu) {
        connect(menu, &DBusMenu::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
    }

    uint version() const { return 3; }
    QString textDirection() const {
        return QLocale().textDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                            : QStringLiteral("ltr");
    }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout) {
        layout = menu_->layout(parentId, recursionDepth, propertyNames);
        return menu_->revision();
    }
    DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames) {
        return menu_->groupProperties(ids, propertyNames);
    }
    QDBusVariant GetProperty(int id, const QString& name) {
        return QDBusVariant(menu_->property(id, name));
    }
    void Event(int id, const QString& eventId, const QDBusVariant&, uint) {
        menu_->event(id, eventId);
    }
    QList<int> EventGroup(const DBusMenuEventList& events) {
        QList<int> unknown;
        for (const DBusMenuEvent& event : events)
            if (!menu_->event(event.id, event.eventId))
                unknown.append(event.id);
        return unknown;
    }
    bool AboutToShow(int) { return false; }
    QList<int> AboutToShowGroup(const QList<int>&, QList<int>& idErrors) {
        idErrors.clear();
        return {};
    }

signals:
    void ItemsPropertiesUpdated(const DBusMenuItemList& updated,
                                const DBusMenuItemKeysList& removed);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    DBusMenu* menu_;
};

} // namespace

DBusMenu::DBusMenu() {
    registerTypes();
    new DBusMenuAdaptor(this);
}

void DBusMenu::registerTypes() {
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<DBusMenuItemKeysList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
}

void DBusMenu::setEntries(std::vector<StatusMenuEntry> entries) {
    entries_ = std::move(entries);
    ++revision_;
    emit layoutUpdated(revision_, 0);
}

QVariantMap DBusMenu::propertiesOf(int id, const QStringList& names) const {
    QVariantMap all;
    if (id == 0) {
        all.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else {
        all.insert(QStringLiteral("label"), entries_[std::size_t(id - 1)].text);
        all.insert(QStringLiteral("enabled"), true);
        all.insert(QStringLiteral("visible"), true);
    }
    if (names.isEmpty())
        return all;
    QVariantMap asked;
    for (const QString& name : names)
        if (all.contains(name))
            asked.insert(name, all.value(name));
    return asked;
}

DBusMenuLayoutItem DBusMenu::layout(int parentId, int depth, const QStringList& names) const {
    DBusMenuLayoutItem item{parentId, {}, {}};
    if (parentId < 0 || std::size_t(parentId) > entries_.size())
        return item;
    item.properties = propertiesOf(parentId, names);
    // Only the root has children; a depth of 0 asks for the item alone.
    if (parentId == 0 && depth != 0)
        for (int id = 1; std::size_t(id) <= entries_.size(); ++id)
            item.children.append({id, propertiesOf(id, names), {}});
    return item;
}

DBusMenuItemList DBusMenu::groupProperties(const QList<int>& ids, const QStringList& names) const {
    DBusMenuItemList items;
    for (int id : ids)
        if (id >= 0 && std::size_t(id) <= entries_.size())
            items.append({id, propertiesOf(id, names)});
    return items;
}

QVariant DBusMenu::property(int id, const QString& name) const {
    if (id < 0 || std::size_t(id) > entries_.size())
        return {};
    return propertiesOf(id, {}).value(name);
}

bool DBusMenu::event(int id, const QString& eventId) {
    if (id <= 0 || std::size_t(id) > entries_.size())
        return false;
    if (eventId == u"clicked") {
        // Run from the event loop: the action may replace the entries, and with them itself.
        QMetaObject::invokeMethod(
            this,
            [this, id, revision = revision_] {
                if (revision == revision_ && entries_[std::size_t(id - 1)].triggered)
                    entries_[std::size_t(id - 1)].triggered();
            },
            Qt::QueuedConnection);
    }
    return true;
}

#include "DBusMenu.moc"
