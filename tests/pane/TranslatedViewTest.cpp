#include "pane/plugin/PanePlugin.h"
#include "shared/BundleLayout.h"
#include "shared/Translations.h"

#include <QApplication>
#include <QLabel>
#include <QPluginLoader>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class NoHost : public PaneHost {
public:
    void runAlertPanel(const QString&, const QString&, const QString&) override {}
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
};

// The built plug-in as keyvigil-preferences shows it to a user whose language is German
// (LANGUAGE=de in this test's environment), with the translations the build put in its bundle.
TEST(TranslatedView, TheWindowComesUpInTheUsersLanguage) {
    int argc = 1;
    char name[] = "translated_view_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("HOME", QFile::encodeName(home.path()));

    ASSERT_EQ(Translations::install(BundleLayout::translations(KEYVIGIL_PANE_BUNDLE)), "de");
    QPluginLoader loader(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so");
    auto* pane = qobject_cast<PanePlugin*>(loader.instance());
    ASSERT_NE(pane, nullptr) << loader.errorString().toStdString();
    NoHost host;
    ASSERT_TRUE(pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host));
    const QWidget* view = pane->mainView();

    const auto* capsLock = view->findChild<QLabel*>(QStringLiteral("capsLockLabel"));
    ASSERT_NE(capsLock, nullptr);
    EXPECT_EQ(QString(capsLock->text()).remove(u'&').toStdString(), "Feststelltaste:");
    const auto* tabs = view->findChild<QTabWidget*>(QStringLiteral("tabView"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(QString(tabs->tabText(0)).remove(u'&').toStdString(), "Warnungen");
    loader.unload();
}

} // namespace
