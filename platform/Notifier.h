#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The registration handed over before notifying: application name and notification names.
struct GrowlDelegate {
    QString applicationName;
    QStringList allNotifications;
    QStringList defaultNotifications;
    QByteArray applicationIconData; // empty: none
    int referenceCount = 1;
    bool operator==(const GrowlDelegate&) const = default;
};

struct GrowlNotification {
    QString title;
    QString description; // empty: none
    QString notificationName;
    QByteArray iconData; // empty: none
    int priority = 0;
    bool isSticky = false;
    bool hasClickContext = false;
    bool operator==(const GrowlNotification&) const = default;
};

// Desktop notifications. Failures (no bus, no server) are ignored by the implementation.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void setDelegate(const GrowlDelegate& delegate) = 0;
    virtual void notify(const GrowlNotification& notification) = 0;
};
