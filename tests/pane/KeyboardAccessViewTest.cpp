#include "pane/Controls.h"
#include "pane/plugin/PanePlugin.h"
#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class NoHost : public PaneHost {
public:
    void runAlertPanel(const QString&, const QString&, const QString&) override {}
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
};

void writeFile(const QString& path, const QByteArray& text, QFile::Permissions permissions) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.setPermissions(permissions);
}

// The built plug-in in an X11 session, with the system's files under a folder of the test and a
// pkexec that only notes that it ran. (The plug-in's class loads once per process.)
TEST(KeyboardAccessView, TheGroupTellsTheX11SessionAndItsButtonAsksBeforeAnythingRuns) {
    static int argc = 1;
    static char name[] = "keyboard_access_view_tests";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString system = home.filePath(QStringLiteral("system"));
    const QString ran = home.filePath(QStringLiteral("pkexec ran"));
    writeFile(home.filePath(QStringLiteral("bin/pkexec")),
              "#!/bin/sh\ntouch '" + QFile::encodeName(ran) + "'\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_SESSION_TYPE", "x11");
    qputenv("KEYVIGIL_SYSTEM_ROOT", QFile::encodeName(system));
    qputenv("KEYVIGIL_PROCESS_SCOPE", QFile::encodeName(home.path()));
    qputenv("PATH",
            QFile::encodeName(home.filePath(QStringLiteral("bin"))) + ':' + qgetenv("PATH"));

    QPluginLoader loader(QStringLiteral(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so"));
    auto* pane = qobject_cast<PanePlugin*>(loader.instance());
    ASSERT_NE(pane, nullptr) << loader.errorString().toStdString();
    NoHost host;
    ASSERT_TRUE(pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host));
    QWidget* view = pane->mainView();
    const auto* message =
        view->findChild<QLabel*>(QString(Controls::name(Outlet::accessibilityMessage)));
    auto* button =
        view->findChild<QAbstractButton*>(QString(Controls::name(Outlet::accessibilityButton)));
    ASSERT_TRUE(message && button);

    pane->willSelect();
    EXPECT_TRUE(message->text().startsWith("In an X11 session Keyvigil sees every key typed"));
    EXPECT_TRUE(button->isHidden());
    pane->willUnselect();

    // Access allowed for Wayland sessions can be taken back here; Cancel is the default answer.
    writeFile(system + QLatin1String(KeyboardAccessFiles::kRule), {},
              QFile::ReadOwner | QFile::WriteOwner);
    pane->willSelect();
    EXPECT_FALSE(button->isHidden());
    EXPECT_EQ(button->text(), "&Take Keyboard Access Back…");
    QString asked;
    QTimer::singleShot(0, [&asked] {
        QWidget* box = QApplication::activeModalWidget();
        asked = box ? box->windowTitle() : QString();
        if (box)
            QTest::keyClick(box, Qt::Key_Return);
    });
    button->click();
    EXPECT_EQ(asked, "Take Keyboard Access Back?");
    EXPECT_FALSE(QFile::exists(ran));
    EXPECT_EQ(button->text(), "&Take Keyboard Access Back…");
    pane->willUnselect();
    loader.unload();
}

} // namespace
