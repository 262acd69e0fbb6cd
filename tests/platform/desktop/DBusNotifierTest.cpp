#include "platform/linux/DBusNotifier.h"
#include "tests/platform/support/TestFiles.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace {

struct Received {
    QString appName;
    uint replacesId;
    QString appIcon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int expireTimeout;
};

// The notification service as the desktop offers it, recording what it is asked to show.
class NotificationsServer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit NotificationsServer(QObject* parent) : QDBusAbstractAdaptor(parent) {}
    std::vector<Received> received;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout) {
        received.push_back(
            {appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout});
        return uint(received.size());
    }
};

// A private session bus for the test program, with the server on its own connection.
class DBusNotifierTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ensureApplication();
        daemon = new QProcess;
        daemon->start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        ASSERT_TRUE(daemon->waitForReadyRead(10000)) << "dbus-daemon did not start";
        address = QString::fromUtf8(daemon->readLine()).trimmed();
        auto server = QDBusConnection::connectToBus(address, "keyvigil-test-server");
        ASSERT_TRUE(server.isConnected());
        host = new QObject;
        recorder = new NotificationsServer(host);
        ASSERT_TRUE(server.registerObject("/org/freedesktop/Notifications", host));
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
    }

    static void TearDownTestSuite() {
        QDBusConnection::disconnectFromBus("keyvigil-test-server");
        QDBusConnection::disconnectFromBus("keyvigil-test-client");
        delete host;
        daemon->kill();
        daemon->waitForFinished();
        delete daemon;
    }

    void SetUp() override { recorder->received.clear(); }

    static QDBusConnection client() {
        return QDBusConnection::connectToBus(address, "keyvigil-test-client");
    }

    static GrowlDelegate delegate() {
        const QStringList names{"CAPS LOCK On", "CAPS LOCK Off", "Too Many CAPS Typed"};
        return {"Keyvigil", names, names.mid(0, 2), {}, 1};
    }

    static GrowlNotification notification(const QString& name, const QString& description = {}) {
        return {name, description, name, {}, 2, false, false};
    }

    static inline QProcess* daemon = nullptr;
    static inline QString address;
    static inline QObject* host = nullptr;
    static inline NotificationsServer* recorder = nullptr;
};

TEST_F(DBusNotifierTest, SendsNameDescriptionAndUrgencyOfTheRegisteredApplication) {
    DBusNotifier notifier(client());
    GrowlDelegate withCount = delegate();
    withCount.defaultNotifications = withCount.allNotifications;
    notifier.setDelegate(withCount);
    notifier.notify(notification("Too Many CAPS Typed", "5 CAPS typed."));
    ASSERT_TRUE(QTest::qWaitFor([] { return recorder->received.size() == 1; }, 5000));

    const Received& got = recorder->received.front();
    EXPECT_EQ(got.appName, "Keyvigil");
    EXPECT_EQ(got.replacesId, 0u);
    EXPECT_EQ(got.appIcon, "");
    EXPECT_EQ(got.summary, "Too Many CAPS Typed");
    EXPECT_EQ(got.body, "5 CAPS typed.");
    EXPECT_TRUE(got.actions.isEmpty());
    EXPECT_EQ(got.hints.value("urgency").userType(), QMetaType::UChar);
    EXPECT_EQ(got.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(got.expireTimeout, -1);

    GrowlNotification low = notification("CAPS LOCK Off");
    low.priority = 0;
    low.isSticky = true;
    notifier.notify(low);
    ASSERT_TRUE(QTest::qWaitFor([] { return recorder->received.size() == 2; }, 5000));
    EXPECT_EQ(recorder->received.back().body, "");
    EXPECT_EQ(recorder->received.back().hints.value("urgency").toInt(), 1);
    EXPECT_EQ(recorder->received.back().expireTimeout, 0);
}

TEST_F(DBusNotifierTest, ShowsNothingUnregisteredOrNotEnabled) {
    DBusNotifier notifier(client());
    notifier.notify(notification("CAPS LOCK On"));
    notifier.setDelegate(delegate());
    notifier.notify(notification("Too Many CAPS Typed")); // registered, not enabled
    notifier.notify(notification("NUM LOCK On"));         // not registered
    notifier.notify(notification("CAPS LOCK On"));
    // Calls on one connection arrive in order: the last one shows the others were dropped.
    ASSERT_TRUE(QTest::qWaitFor([] { return !recorder->received.empty(); }, 5000));
    ASSERT_EQ(recorder->received.size(), 1u);
    EXPECT_EQ(recorder->received.front().summary, "CAPS LOCK On");
}

TEST_F(DBusNotifierTest, WithoutABusNotifyingDoesNothing) {
    DBusNotifier notifier(QDBusConnection::connectToBus("unix:path=/nonexistent/keyvigil-bus",
                                                        "keyvigil-test-nowhere"));
    notifier.setDelegate(delegate());
    notifier.notify(notification("CAPS LOCK On"));
    QDBusConnection::disconnectFromBus("keyvigil-test-nowhere");

    // A session bus address pointing nowhere, or none at all: the same.
    for (const QString& address :
         {QStringLiteral("unix:path=/nonexistent/keyvigil-bus"), QString()}) {
        DBusNotifier session(address);
        session.setDelegate(delegate());
        session.notify(notification("CAPS LOCK On"));
    }
    EXPECT_TRUE(recorder->received.empty());
}

// Without a session bus the process is pointed at none, so that nothing in it, the toolkit
// included, launches a bus of its own.
TEST_F(DBusNotifierTest, TheSessionBusIsTheEnvironmentsTheRuntimeFoldersOrNone) {
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus");
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), "unix:path=/somewhere/bus");

    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), QString());
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
    EXPECT_FALSE(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "keyvigil-test-none")
                     .isConnected());
    QDBusConnection::disconnectFromBus("keyvigil-test-none");

    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QFile(runtime.path() + "/bus").open(QIODevice::WriteOnly);
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), "unix:path=" + runtime.path() + "/bus");
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"),
              QFile::encodeName("unix:path=" + runtime.path() + "/bus"));

    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

} // namespace

#include "DBusNotifierTest.moc"
