#include "helper/indicators/KVObject.h"
#include "helper/indicators/QtIndicators.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "tests/fakes/FakeOverlayWindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A store of its own under a scratch home, swapped the way the settings load swaps gPrefs.
class KVObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        gPrefs = std::make_unique<RVPrefs>("org.keyvigil.IndicatorsTest");
    }
    void TearDown() override { qputenv("HOME", savedHome); }
    void setPanePath(const QString& path) {
        gPrefs->setObjectForKey(PlistValue::fromString(path), SettingsKeys::PrefPanePath);
    }

    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    std::unique_ptr<RVPrefs> gPrefs;
    std::vector<QStringList> launches; // the arguments of each start
    KVObject kvObject{
        [this] { return gPrefs.get(); },
        [this](const QString&, const QStringList& arguments) { launches.push_back(arguments); }};
};

TEST_F(KVObjectTest, TheStatusItemsOnlyMenuItemOpensThePaneTheStoreNamesNow) {
    FakeOverlayWindows overlays;
    QtIndicators indicators(KEYVIGIL_TEST_IMAGES, kvObject, overlays);
    indicators.buildStatusItem();
    setPanePath("/first/Keyvigil.prefPane");
    gPrefs = std::make_unique<RVPrefs>("org.keyvigil.IndicatorsTest");
    setPanePath("/second/Keyvigil.prefPane");
    ASSERT_TRUE(indicators.menuBarIcon && indicators.menuBarIcon->contextMenu());
    const QList<QAction*> items = indicators.menuBarIcon->contextMenu()->actions();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first()->text(), "Open Preferences");
    items.first()->trigger();
    EXPECT_EQ(launches, std::vector<QStringList>{{"/second/Keyvigil.prefPane"}});
}

TEST_F(KVObjectTest, OpenPrefPaneDoesNothingWithoutAPath) {
    kvObject.openPrefPane();
    gPrefs->setObjectForKey(PlistValue::fromInt(7), SettingsKeys::PrefPanePath);
    kvObject.openPrefPane();
    gPrefs.reset();
    kvObject.openPrefPane();
    EXPECT_TRUE(launches.empty());
}

TEST_F(KVObjectTest, OpenPrefPaneStartsTheHostBesideThePaneWithoutAShell) {
    // A stand-in host beside the pane records how many arguments it got and the first one.
    const QString host = home.path() + "/keyvigil-preferences";
    const QString record = home.path() + "/record";
    QFile script(host);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n%s\\n' \"$#\" \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" '" +
                 record.toLocal8Bit() + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString pane = home.path() + "/it's \"my\" pane $HOME.prefPane";
    EXPECT_EQ(KVObject::preferencesHostFor(pane), host);

    KVObject real([this] { return gPrefs.get(); });
    setPanePath(pane);
    real.openPrefPane();

    QFile result(record);
    QDeadlineTimer deadline(10000);
    while (!result.exists() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLocal8Bit(result.readAll()), "1\n" + pane + "\n");
}

} // namespace
