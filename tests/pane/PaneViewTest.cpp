#include "pane/Controls.h"
#include "pane/plugin/PanePlugin.h"
#include "shared/BundleLayout.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"
#include "shared/Translations.h"
#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPluginLoader>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class Host : public PaneHost {
public:
    void runAlertPanel(const QString& title, const QString&, const QString&) override {
        alerts << title;
    }
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
    QStringList alerts;
};

// The built pane bundle's plug-in, with its interface file, in a home of its own. The plug-in's
// class loads once per process, so each test shows its view once (ctest runs each test in a
// process of its own), after setting what its session needs.
class PaneView : public ::testing::Test {
protected:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "pane_view_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
    }
    void load() {
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
    template <typename Widget> Widget* control(Outlet outlet) {
        return control<Widget>(Controls::name(outlet));
    }

    QTemporaryDir home;
    QByteArray savedHome = qgetenv("HOME");
    QPluginLoader loader;
    Host host;
    PanePlugin* pane = nullptr;
    QWidget* view = nullptr;
};
using KeyboardAccessView = PaneView;
using TranslatedView = PaneView;

TEST_F(PaneView, EveryControlOfTheTableIsInTheInterfaceAndWiredToItsKey) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/share"));
    ASSERT_NO_FATAL_FAILURE(load());
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
    EXPECT_EQ(control<QComboBox>(Outlet::WarnCapsLockPopup)->count(), 3);

    // A sound of the user's own, listed last under its readable name.
    QDir().mkpath(home.path() + "/share/sounds");
    ASSERT_TRUE(QFile(home.path() + "/share/sounds/my-warning.oga").open(QIODevice::WriteOnly));

    // The user's changes reach the store when the window is left.
    pane->willSelect();
    EXPECT_TRUE(control<QAbstractButton>(Outlet::WarnCapsSwitch)->isChecked());
    EXPECT_EQ(control<QComboBox>(Outlet::WarnCountPopup)->currentText(), "5");
    EXPECT_FALSE(control<QSlider>(Outlet::volumeSlider)->isEnabled());

    auto* size = control<QComboBox>(Outlet::upperLeftSizePopup);
    EXPECT_EQ(size->count(), 3);
    EXPECT_EQ(size->currentText(), "1");

    control<QAbstractButton>(Outlet::WarnWithFlashSwitch)->click();
    control<QAbstractButton>(Outlet::showOtherUpperLeftSwitch)->click();
    QTest::keyClick(control<QComboBox>(Outlet::WarnCountPopup), Qt::Key_Down);
    QTest::keyClick(size, Qt::Key_Down);
    auto* sound = control<QComboBox>(Outlet::soundPopup);
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

// In an X11 session, with the system's files in the test's folder and no pkexec, whose absence
// would be said.
TEST_F(KeyboardAccessView, TheGroupTellsTheX11SessionAndItsButtonAsksFirst) {
    const QString rule = home.path() + QLatin1String(KeyboardAccessFiles::kRule);
    for (const char* name : {"KEYVIGIL_SYSTEM_ROOT", "KEYVIGIL_PROCESS_SCOPE", "PATH"})
        qputenv(name, QFile::encodeName(home.path()));
    qputenv("XDG_SESSION_TYPE", "x11");
    ASSERT_NO_FATAL_FAILURE(load());
    const auto* message = control<QLabel>(Outlet::accessibilityMessage);
    auto* button = control<QAbstractButton>(Outlet::accessibilityButton);
    ASSERT_TRUE(message && button);
    pane->willSelect();
    EXPECT_TRUE(message->text().startsWith("In an X11 session Keyvigil sees every key typed"));
    EXPECT_TRUE(button->isHidden());
    pane->willUnselect();

    // Access allowed for Wayland sessions is offered back; Cancel is the default answer.
    QDir().mkpath(QFileInfo(rule).path());
    QFile(rule).open(QIODevice::WriteOnly);
    pane->willSelect();
    EXPECT_EQ(button->text(), "&Take Keyboard Access Back…");
    QString asked;
    QTimer::singleShot(0, [&asked] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            asked = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    button->click();
    EXPECT_EQ(asked, "Take Keyboard Access Back?");
    EXPECT_EQ(host.alerts, QStringList());
    EXPECT_TRUE(QFile::exists(rule));
    pane->willUnselect();
}

// As keyvigil-preferences shows it to a user whose language is German (LANGUAGE=de in this
// executable's environment), with the translations the build put in its bundle.
TEST_F(TranslatedView, TheWindowComesUpInTheUsersLanguage) {
    ASSERT_EQ(Translations::install(BundleLayout::translations(KEYVIGIL_PANE_BUNDLE)), "de");
    ASSERT_NO_FATAL_FAILURE(load());
    const auto* capsLock = control<QLabel>(QLatin1StringView("capsLockLabel"));
    const auto* tabs = control<QTabWidget>(Outlet::tabView);
    ASSERT_TRUE(capsLock && tabs);
    EXPECT_EQ(QString(capsLock->text()).remove(u'&').toStdString(), "Feststelltaste:");
    EXPECT_EQ(QString(tabs->tabText(0)).remove(u'&').toStdString(), "Warnungen");
}

} // namespace
