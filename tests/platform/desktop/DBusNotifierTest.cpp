#include "platform/desktop/DBusNotifier.h"
#include "tests/platform/support/PrivateBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The desktop's notification service, recording each Notify call as
// "name|replaces|icon|summary|body|actions|urgency|timeout|the other hints".
class NotificationsServer : public QDBusVirtualObject {
public:
    std::vector<QString> received;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QVariantList a = message.arguments();
        if (message.member() == "Notify" && message.signature() == "susssasa{sv}i") {
            QVariantMap hints = qdbus_cast<QVariantMap>(a[6]);
            const QVariant urgency = hints.take("urgency");
            QStringList others;
            for (auto hint = hints.cbegin(); hint != hints.cend(); ++hint)
                others << hint.key() + '=' + hint.value().toString();
            received.push_back(
                QStringList{a[0].toString(), a[1].toString(), a[2].toString(), a[3].toString(),
                            a[4].toString(), a[5].toStringList().join(','),
                            QString("urgency %1 %2").arg(urgency.typeName()).arg(urgency.toInt()),
                            a[7].toString(), others.join(' ')}
                    .join('|'));
        }
        connection.send(message.createReply(uint(received.size())));
        return true;
    }
};

// The server on a connection of its own to the suite's bus.
class DBusNotifierTest : public PrivateBusTest {
protected:
    static void SetUpTestSuite() {
        PrivateBusTest::SetUpTestSuite();
        auto server = QDBusConnection::connectToBus(address, "keyvigil-test-server");
        recorder = new NotificationsServer;
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", recorder));
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
    }
    static void TearDownTestSuite() {
        QDBusConnection::disconnectFromBus("keyvigil-test-server");
        QDBusConnection::disconnectFromBus("keyvigil-test-client");
        delete recorder;
        PrivateBusTest::TearDownTestSuite();
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

    static inline NotificationsServer* recorder = nullptr;
};

// Only what the registered application enabled is sent, with its name and description. Even at
// the highest priority a bubble is normal and goes away by itself unless sticky; the state's
// bubble replaces the last one about it once the server has numbered that one.
TEST_F(DBusNotifierTest, SendsTheRegisteredApplicationsEnabledNotificationsAsBubblesThatGo) {
    DBusNotifier notifier(client());
    notifier.notify(notification("CAPS LOCK On")); // before the registration
    notifier.setDelegate(delegate());
    notifier.notify(notification("NUM LOCK On")); // not registered
    notifier.notify(notification("CAPS LOCK On", "Caps Lock is on."));
    // Calls on one connection arrive in order: the last one shows the others were dropped.
    ASSERT_TRUE(QTest::qWaitFor([] { return recorder->received.size() >= 1; }, 5000));
    QTest::qWait(200); // the bubble's number comes back
    GrowlNotification sticky = notification("CAPS LOCK Off");
    sticky.isSticky = true;
    notifier.notify(sticky);
    notifier.setDelegate({"Keyvigil", {"Too Many CAPS Typed"}, {"Too Many CAPS Typed"}, {}, 1});
    notifier.notify(notification("Too Many CAPS Typed", "5 CAPS typed."));
    ASSERT_TRUE(QTest::qWaitFor([] { return recorder->received.size() >= 3; }, 5000));
    // The urgency must be a byte; a timeout of -1 leaves it to the server, 0 keeps it up.
    const QString entry = "category=device desktop-entry=org.keyvigil.Keyvigil";
    EXPECT_EQ(recorder->received,
              (std::vector<QString>{
                  "Keyvigil|0|org.keyvigil.Keyvigil|CAPS LOCK On|Caps Lock is on.||urgency uchar "
                  "1|-1|" +
                      entry + " transient=true",
                  "Keyvigil|1|org.keyvigil.Keyvigil|CAPS LOCK Off|||urgency uchar 2|0|" + entry +
                      " transient=true",
                  "Keyvigil|0|org.keyvigil.Keyvigil|Too Many CAPS Typed|5 CAPS typed.||urgency "
                  "uchar 1|-1|" +
                      entry}));
}

TEST_F(DBusNotifierTest, WithoutABusNotifyingDoesNothing) {
    const QString nowhere = "unix:path=/nonexistent/keyvigil-bus";
    DBusNotifier notifier(QDBusConnection::connectToBus(nowhere, "keyvigil-test-nowhere"));
    DBusNotifier byAddress(nowhere);
    DBusNotifier none{QString()};
    for (DBusNotifier* each : {&notifier, &byAddress, &none}) {
        each->setDelegate(delegate());
        each->notify(notification("CAPS LOCK On"));
    }
    QDBusConnection::disconnectFromBus("keyvigil-test-nowhere");
    EXPECT_TRUE(recorder->received.empty());
}

// Without a session bus the process is pointed at none, so that nothing in it, the toolkit
// included, launches a bus of its own.
TEST_F(DBusNotifierTest, TheSessionBusIsTheEnvironmentsTheRuntimeFoldersOrNone) {
    const QByteArray savedAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString runtimeBus = runtime.path() + "/bus";
    QFile(runtimeBus).open(QIODevice::WriteOnly);

    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/somewhere/bus"); // ahead of the folder's
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), "unix:path=/somewhere/bus");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), "unix:path=" + runtimeBus);
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QFile::encodeName("unix:path=" + runtimeBus));

    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QFile::remove(runtimeBus);
    EXPECT_EQ(DBusNotifier::useSessionBusOnly(), QString());
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
    EXPECT_FALSE(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "keyvigil-test-none")
                     .isConnected());
    QDBusConnection::disconnectFromBus("keyvigil-test-none");
    qputenv("DBUS_SESSION_BUS_ADDRESS", savedAddress);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
}

} // namespace
