#include "pane/Controls.h"
#include "pane/plugin/PanePlugin.h"
#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPluginLoader>
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

// The built plug-in in an X11 session, with the system's files in the test's folder and no
// pkexec, whose absence would be said. (The plug-in's class loads once per process.)
TEST(KeyboardAccessView, TheGroupTellsTheX11SessionAndItsButtonAsksFirst) {
    static int argc = 1;
    static char name[] = "keyboard_access_view_tests";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QTemporaryDir home;
    const QString rule = home.path() + QLatin1String(KeyboardAccessFiles::kRule);
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_SESSION_TYPE", "x11");
    qputenv("KEYVIGIL_SYSTEM_ROOT", QFile::encodeName(home.path()));
    qputenv("KEYVIGIL_PROCESS_SCOPE", QFile::encodeName(home.path()));
    qputenv("PATH", QFile::encodeName(home.path()));

    QPluginLoader loader(QStringLiteral(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so"));
    auto* pane = qobject_cast<PanePlugin*>(loader.instance());
    Host host;
    ASSERT_TRUE(pane && pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host));
    const auto* message =
        pane->mainView()->findChild<QLabel*>(QString(Controls::name(Outlet::accessibilityMessage)));
    auto* button = pane->mainView()->findChild<QAbstractButton*>(
        QString(Controls::name(Outlet::accessibilityButton)));
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
    loader.unload();
}

} // namespace
