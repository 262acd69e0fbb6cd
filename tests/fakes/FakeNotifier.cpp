#include "tests/fakes/FakeNotifier.h"

void FakeNotifier::setDelegate(const GrowlDelegate& delegate) {
    delegates.push_back(delegate);
    journal_.record(QStringLiteral("setDelegate \"%1\"").arg(delegate.applicationName));
}

void FakeNotifier::notify(const GrowlNotification& notification) {
    notifications.push_back(notification);
    QString entry = QStringLiteral("notify \"%1\"").arg(notification.notificationName);
    if (!notification.description.isEmpty())
        entry += QStringLiteral(" \"%1\"").arg(notification.description);
    journal_.record(entry);
}
