// A minimal desktop-notifications server for end-to-end tests: it takes the well-known name on
// the session bus and prints each notification it receives as one JSON line on stdout.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QVariantMap>

#include <chrono>
#include <cstdio>

// Wall-clock time in milliseconds with microseconds as the fraction, comparable with
// CLOCK_REALTIME stamps taken by other processes.
static double receivedMs() {
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return double(std::chrono::duration_cast<std::chrono::microseconds>(since).count()) / 1000.0;
}

class NotificationsAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationsAdaptor(QObject* parent) : QDBusAbstractAdaptor(parent) {}

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }

    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("keyvigil-tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notify-recorder");
    }

    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout) {
        QJsonObject line{
            {"time_ms", receivedMs()},
            {"app_name", appName},
            {"replaces_id", double(replacesId)},
            {"app_icon", appIcon},
            {"summary", summary},
            {"body", body},
            {"actions", QJsonValue::fromVariant(actions)},
            {"urgency", hints.contains("urgency") ? hints.value("urgency").toInt() : -1},
            {"expire_timeout", expireTimeout},
        };
        std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        return ++lastId_;
    }

    void CloseNotification(uint) {}

private:
    uint lastId_ = 0;
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QObject service;
    new NotificationsAdaptor(&service);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notify-recorder: cannot register on the session bus\n");
        return 1;
    }
    std::fputs("{\"ready\":true}\n", stdout);
    std::fflush(stdout);
    return app.exec();
}

#include "notify_recorder.moc"
