// A minimal desktop-notifications server for end-to-end tests: it takes the well-known name on
// the session bus and prints each notification it receives as one JSON line on stdout.
#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

#include <chrono>
#include <cstdio>

class NotificationsAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationsAdaptor(QObject* parent) : QDBusAbstractAdaptor(parent) {}

public slots:
    // The helper asks for this to learn whether a server is there.
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = QStringLiteral("keyvigil-tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notify-recorder");
    }

    uint Notify(const QString& appName, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        // Wall-clock milliseconds, comparable with CLOCK_REALTIME stamps of other processes.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const QJsonObject line{
            {"time_ms",
             double(std::chrono::duration_cast<std::chrono::microseconds>(now).count()) / 1000.0},
            {"app_name", appName},
            {"summary", summary},
            {"body", body},
            {"urgency", hints.contains("urgency") ? hints.value("urgency").toInt() : -1}};
        std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
        return ++lastId_;
    }

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
