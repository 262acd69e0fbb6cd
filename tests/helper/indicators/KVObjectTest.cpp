#include "helper/indicators/KVObject.h"
#include "helper/indicators/ScreenIndicators.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "tests/fakes/FakeOverlayWindows.h"
#include "tests/fakes/FakeStatusIcons.h"
#include "tests/shared/TempHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A store of its own under a scratch home, swapped the way the settings load swaps gPrefs.
class KVObjectTest : public TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        gPrefs = std::make_unique<RVPrefs>("org.keyvigil.IndicatorsTest");
    }
    void setPanePath(const QString& path) {
        gPrefs->setObjectForKey(PlistValue::fromString(path), SettingsKeys::PrefPanePath);
    }

    std::unique_ptr<RVPrefs> gPrefs;
    std::vector<QStringList> launches; // the arguments of each start
    KVObject kvObject{
        [this] { return gPrefs.get(); },
        [this](const QString&, const QStringList& arguments) { launches.push_back(arguments); }};
};

TEST_F(KVObjectTest, TheStatusItemsFirstEntryOpensThePaneTheStoreNamesNowIfAny) {
    FakeOverlayWindows overlays;
    FakeStatusIconHost hosts;
    ScreenIndicators indicators(KEYVIGIL_TEST_IMAGES, kvObject, overlays, hosts);
    indicators.buildStatusItem();
    kvObject.openPrefPane(); // no path yet, then no string
    gPrefs->setObjectForKey(PlistValue::fromInt(7), SettingsKeys::PrefPanePath);
    kvObject.openPrefPane();
    setPanePath("/first/Keyvigil.prefPane");
    gPrefs = std::make_unique<RVPrefs>("org.keyvigil.IndicatorsTest");
    setPanePath("/second/Keyvigil.prefPane");
    ASSERT_TRUE(hosts.last && !hosts.last->menu.empty());
    const StatusMenuEntry& open = hosts.last->menu.front();
    open.triggered();
    gPrefs.reset(); // no store at all
    open.triggered();
    EXPECT_EQ(launches, std::vector<QStringList>{{"/second/Keyvigil.prefPane"}});
}

TEST_F(KVObjectTest, OpenPrefPaneStartsTheHostBesideThePaneWithoutAShell) {
    // A stand-in host beside the pane records how many arguments it got and the first one.
    const QString host = home() + "/keyvigil-preferences";
    const QString record = home() + "/record";
    writeFile(host,
              "#!/bin/sh\nprintf '%s\\n%s\\n' \"$#\" \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" '" +
                  record.toLocal8Bit() + "'\n",
              true);
    const QString pane = home() + "/it's \"my\" pane $HOME.prefPane";
    EXPECT_EQ(KVObject::preferencesHostFor(pane), host);

    KVObject real([this] { return gPrefs.get(); });
    setPanePath(pane);
    real.openPrefPane();

    QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(QString::fromLocal8Bit(readFile(record)), "1\n" + pane + "\n");
}

} // namespace
