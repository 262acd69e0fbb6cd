#include "platform/desktop/ResumeWatcher.h"

#include <QDBusConnection>

ResumeWatcher::ResumeWatcher(std::function<void()> resumed) : resumed_(std::move(resumed)) {
    QDBusConnection bus = QDBusConnection::systemBus();
    watching_ = bus.isConnected() &&
                bus.connect(QStringLiteral("org.freedesktop.login1"),
                            QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"),
                            QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
}

void ResumeWatcher::prepareForSleep(bool sleeping) {
    if (!sleeping && resumed_)
        resumed_();
}
