#include "platform/desktop/StatusIconHosts.h"
#include "platform/desktop/StatusNotifierHost.h"
#include "platform/desktop/StatusNotifierItem.h"
#include "platform/desktop/StatusPictures.h"
#include "shared/PixelImage.h"
#include "tests/platform/support/PrivateBus.h"
#include "tests/shared/TempHome.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kWatcher = "org.kde.StatusNotifierWatcher";

// Baked pictures as the build leaves them beside "<name>.svg": a clear corner, a red body, and
// one half-transparent red pixel at the top right.
QString bakePadlock(const QTemporaryDir& folder, const QString& name) {
    for (const int size : StatusPictures::bakedSizes) {
        PixelImage picture(size, size);
        picture.fill(QRect(size / 8, size / 2, size * 3 / 4, size / 2),
                     PixelImage::argb(255, 220, 30, 30));
        picture.fill(QRect(size - 1, 0, 1, 1), PixelImage::argb(128, 100, 0, 0));
        writeFile(folder.filePath(QStringLiteral("%1-%2.pixels").arg(name).arg(size)),
                  picture.packed());
    }
    return folder.filePath(name + ".svg");
}

// The panel's watcher: says whether a host is registered, and records each item registered.
class Watcher : public QDBusVirtualObject {
public:
    bool hostRegistered = true;
    QStringList registered;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() == "RegisterStatusNotifierItem") {
            registered << message.arguments().value(0).toString();
            connection.send(message.createReply());
        } else if (message.member() == "Get") {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(hostRegistered))));
        } else {
            connection.send(message.createErrorReply(QDBusError::UnknownMethod, "no"));
        }
        return true;
    }
};

// The watcher on a connection of its own to the suite's bus, which also plays the panel.
class StatusNotifierTest : public PrivateBusTest {
protected:
    void SetUp() override { startWatcher(); }
    void TearDown() override {
        stopWatcher();
        QDBusConnection::disconnectFromBus("keyvigil-test-helper");
    }

    void startWatcher() {
        panel().registerVirtualObject("/StatusNotifierWatcher", &watcher);
        panel().registerService(kWatcher);
    }
    void stopWatcher() {
        panel().unregisterService(kWatcher);
        panel().unregisterObject("/StatusNotifierWatcher");
    }
    void hostAppears() {
        watcher.hostRegistered = true;
        panel().send(QDBusMessage::createSignal("/StatusNotifierWatcher", kWatcher,
                                                "StatusNotifierHostRegistered"));
    }

    static QDBusConnection panel() { return QDBusConnection::connectToBus(address, "panel"); }
    static QDBusConnection helper() {
        return QDBusConnection::connectToBus(address, "keyvigil-test-helper");
    }

    // What the panel reads of the item, through the bus; the local loop keeps the item answering.
    static QVariant property(const QString& service, const QString& name) {
        QDBusMessage get = QDBusMessage::createMethodCall(service, "/StatusNotifierItem",
                                                          "org.freedesktop.DBus.Properties", "Get");
        get << "org.kde.StatusNotifierItem" << name;
        const QDBusMessage reply = panel().call(get, QDBus::BlockWithGui, 5000);
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    template <typename T> static T demarshalled(const QVariant& value) {
        return qdbus_cast<T>(value.value<QDBusArgument>());
    }
    static QDBusMessage menuCall(const QString& service, const QString& method,
                                 const QVariantList& arguments) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(service, "/MenuBar", "com.canonical.dbusmenu", method);
        call.setArguments(arguments);
        return panel().call(call, QDBus::BlockWithGui, 5000);
    }

    Watcher watcher;
};

TEST_F(StatusNotifierTest, AHostCountsOnlyOnceTheWatcherHasOneAndSaysSoWhenOneRegisters) {
    watcher.hostRegistered = false;
    StatusNotifierHost host(helper(), "Keyvigil");
    EXPECT_FALSE(host.available());
    EXPECT_EQ(host.makeIcon(), nullptr);
    int appeared = 0;
    host.setAppearedHandler([&] { ++appeared; });
    hostAppears();
    ASSERT_TRUE(QTest::qWaitFor([&] { return appeared == 1; }, 5000));
    EXPECT_TRUE(host.available());

    // The panel restarts: its new watcher answers for itself.
    stopWatcher();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !host.available(); }, 5000));
    startWatcher();
    ASSERT_TRUE(QTest::qWaitFor([&] { return appeared == 2; }, 5000));

    StatusNotifierHost noBus(QDBusConnection::connectToBus("unix:path=/nonexistent", "none"),
                             "Keyvigil");
    EXPECT_FALSE(noBus.available());
}

TEST_F(StatusNotifierTest, TheItemShowsItsPictureTooltipAndMenuToThePanelAndReregisters) {
    StatusNotifierHost host(helper(), "Keyvigil");
    // The watcher answers from this thread, so only after the start-up's wait gave up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.available(); }, 5000));
    StatusIconHosts hosts({{"the panel", &host}});
    std::unique_ptr<StatusIcon> icon = hosts.makeIcon();
    ASSERT_TRUE(icon);
    const QString service = static_cast<StatusNotifierItem&>(*icon).serviceName();
    int opened = 0, paused = 0;
    icon->setMenu({{"Open Keyvigil Settings…", [&] { ++opened; }},
                   {"Pause Warnings for 5 Minutes", [&] { ++paused; }}});
    EXPECT_TRUE(watcher.registered.isEmpty()); // nothing to show yet
    QTemporaryDir pictures;
    icon->show(bakePadlock(pictures, "KVClosed"), "Caps Lock is on");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watcher.registered.isEmpty(); }, 5000));
    EXPECT_EQ(watcher.registered, QStringList{service});

    const auto toolTip = demarshalled<StatusNotifierToolTip>(property(service, "ToolTip"));
    EXPECT_EQ(toolTip.title, "Keyvigil");
    EXPECT_EQ(toolTip.text, "Caps Lock is on");
    EXPECT_TRUE(property(service, "ItemIsMenu").toBool());
    EXPECT_EQ(property(service, "Menu").value<QDBusObjectPath>().path(), "/MenuBar");
    const auto pixmaps = demarshalled<StatusNotifierPixmaps>(property(service, "IconPixmap"));
    ASSERT_EQ(pixmaps.size(), qsizetype(StatusPictures::bakedSizes.size()));
    for (const StatusNotifierPixmap& pixmap : pixmaps) {
        ASSERT_EQ(pixmap.argb.size(), pixmap.width * pixmap.height * 4) << pixmap.width;
        // Alpha first in each pixel: the corner is clear, the padlock's red body opaque.
        const auto* bytes = reinterpret_cast<const uchar*>(pixmap.argb.constData());
        EXPECT_EQ(bytes[0], 0);
        const int body = ((pixmap.height * 3 / 4) * pixmap.width + pixmap.width / 4) * 4;
        EXPECT_EQ(bytes[body], 255);
        EXPECT_GT(bytes[body + 1], 200); // red
        // Colours whole, not premultiplied: the half-transparent pixel's red is twice its share.
        const int corner = (pixmap.width - 1) * 4;
        EXPECT_EQ(bytes[corner], 128);
        EXPECT_EQ(bytes[corner + 1], 199);
    }

    // The menu: two entries under the root; a click runs the entry's action.
    const QDBusMessage layout = menuCall(service, "GetLayout", {0, -1, QStringList()});
    ASSERT_EQ(layout.type(), QDBusMessage::ReplyMessage) << layout.errorMessage().toStdString();
    const auto root = demarshalled<DBusMenuLayoutItem>(layout.arguments().value(1));
    ASSERT_EQ(root.children.size(), 2);
    EXPECT_EQ(root.children[0].properties.value("label"), "Open Keyvigil Settings…");
    EXPECT_EQ(root.children[1].properties.value("label"), "Pause Warnings for 5 Minutes");
    menuCall(service, "Event",
             {root.children[1].id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
    ASSERT_TRUE(QTest::qWaitFor([&] { return paused == 1; }, 5000));
    EXPECT_EQ(opened, 0);

    // A new picture and tooltip are announced; a new watcher gets the item again.
    int announced = 0;
    QObject counter;
    QObject::connect(static_cast<StatusNotifierItem*>(icon.get()), &StatusNotifierItem::newIcon,
                     &counter, [&] { ++announced; });
    icon->show(bakePadlock(pictures, "KVOpen"), "No watched key is on");
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(demarshalled<StatusNotifierToolTip>(property(service, "ToolTip")).text,
              "No watched key is on");
    stopWatcher();
    startWatcher();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.registered.size() == 2; }, 5000));
}

} // namespace
