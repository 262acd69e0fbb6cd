#include "pane/Controls.h"
#include "pane/plugin/PanePlugin.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPluginLoader>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NoHost : public PaneHost {
public:
    void runAlertPanel(const QString&, const QString&, const QString&) override {}
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
};

// The built pane bundle's plug-in, with its interface file, in a home of its own.
class PaneView : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "pane_view_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/share"));
        loader.setFileName(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so");
        pane = qobject_cast<PanePlugin*>(loader.instance());
        ASSERT_NE(pane, nullptr) << loader.errorString().toStdString();
        ASSERT_TRUE(pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host));
        view = pane->mainView();
    }
    void TearDown() override {
        loader.unload();
        qputenv("HOME", savedHome);
    }
    template <typename Widget> Widget* control(QLatin1StringView name) {
        return view->findChild<Widget*>(QString(name));
    }

    QTemporaryDir home;
    QByteArray savedHome = qgetenv("HOME");
    QPluginLoader loader;
    NoHost host;
    PanePlugin* pane = nullptr;
    QWidget* view = nullptr;
};

TEST_F(PaneView, EveryControlOfTheTableIsInTheInterfaceAndWiredToItsKey) {
    // The table and the interface file name the same controls; those the user changes say what
    // they are to a screen reader and in a tip.
    for (const Control& control : Controls::all()) {
        QWidget* widget = this->control<QWidget>(control.name);
        ASSERT_NE(widget, nullptr) << control.name.data();
        if (control.action != Action::Show && control.action != Action::Tab) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << control.name.data();
            EXPECT_FALSE(widget->toolTip().isEmpty()) << control.name.data();
        }
    }
    // The lock pop-ups offer all three choices before the first reading.
    EXPECT_EQ(control<QComboBox>(Controls::name(Outlet::WarnCapsLockPopup))->count(), 3);

    // A sound of the user's own, listed last under its readable name.
    QDir().mkpath(home.path() + "/share/sounds");
    ASSERT_TRUE(QFile(home.path() + "/share/sounds/my-warning.oga").open(QIODevice::WriteOnly));

    // The user's changes reach the store when the window is left. (The plug-in's class loads
    // once per process, so this is one test.)
    pane->willSelect();
    EXPECT_TRUE(control<QAbstractButton>(Controls::name(Outlet::WarnCapsSwitch))->isChecked());
    EXPECT_EQ(control<QComboBox>(Controls::name(Outlet::WarnCountPopup))->currentText(), "5");
    EXPECT_FALSE(control<QSlider>(Controls::name(Outlet::volumeSlider))->isEnabled());

    auto* size = control<QComboBox>(Controls::name(Outlet::upperLeftSizePopup));
    EXPECT_EQ(size->count(), 3);
    EXPECT_EQ(size->currentText(), "1");

    control<QAbstractButton>(Controls::name(Outlet::WarnWithFlashSwitch))->click();
    control<QAbstractButton>(Controls::name(Outlet::showOtherUpperLeftSwitch))->click();
    QTest::keyClick(control<QComboBox>(Controls::name(Outlet::WarnCountPopup)), Qt::Key_Down);
    QTest::keyClick(size, Qt::Key_Down);
    auto* sound = control<QComboBox>(Controls::name(Outlet::soundPopup));
    QTest::keyClick(sound, Qt::Key_End);
    EXPECT_EQ(sound->currentText(), "My warning");
    // The keys pass over a group's separator and heading to the sound before.
    QTest::keyClick(sound, Qt::Key_Up);
    EXPECT_TRUE(sound->model()->index(sound->currentIndex(), 0).flags() & Qt::ItemIsEnabled);
    QTest::keyClick(sound, Qt::Key_End);
    pane->willUnselect();

    RVPrefs written(kApplicationIdentifier);
    EXPECT_TRUE(written.boolForKey(SettingsKeys::warnWithFlash));
    EXPECT_TRUE(written.boolForKey(SettingsKeys::showOtherUpperLeft));
    EXPECT_EQ(written.intForKey(SettingsKeys::warnCount), 6);
    EXPECT_EQ(written.intForKey(SettingsKeys::upperLeftSize), 2);
    EXPECT_EQ(written.objectForKey(SettingsKeys::warnSound).value_or(PlistValue()).toString(),
              "my-warning");
}

} // namespace
