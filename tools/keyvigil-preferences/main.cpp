// keyvigil-preferences: shows a pane bundle in a window of its own, as the settings host does,
// once per user session.
#include "pane/plugin/PanePlugin.h"
#include "platform/backends/DisplayBackends.h"
#include "platform/desktop/ApplicationIcon.h"
#include "platform/desktop/SignalPipe.h"
#include "shared/ApplicationBundle.h"
#include "shared/BundleLayout.h"
#include "shared/CommandLine.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"
#include "shared/Translations.h"
#include "tools/keyvigil-preferences/PreferencesWindow.h"
#include "tools/keyvigil-preferences/QtPaneHost.h"
#include "tools/keyvigil-preferences/SingleInstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QPluginLoader>

#include <csignal>

namespace {

// The bundle named on the command line, else the one this program is installed or built with.
QString paneBundle(const QStringList& arguments) {
    if (arguments.size() > 1)
        return QFileInfo(arguments.at(1)).absoluteFilePath();
    return BundleLayout::paneBundleNear(QCoreApplication::applicationDirPath());
}

PanePlugin* loadPlugin(const QString& bundlePath, QPluginLoader& loader) {
    const auto bundle = ApplicationBundle::bundleWithPath(bundlePath);
    const QString executable =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleExecutable").value_or(QString())
               : QString();
    if (executable.isEmpty()) {
        qCCritical(programLog).noquote() << bundlePath << "is no pane bundle";
        return nullptr;
    }
    loader.setFileName(BundleLayout::executable(bundlePath, executable) + QStringLiteral(".so"));
    auto* plugin = qobject_cast<PanePlugin*>(loader.instance());
    if (!plugin)
        qCCritical(programLog).noquote() << "cannot load the pane:" << loader.errorString();
    return plugin;
}

} // namespace

int main(int argc, char** argv) {
    setProgramLogName("keyvigil.preferences");
    const ProgramDescription program{
        "keyvigil-preferences", "[PANE.prefPane]",
        "Opens Keyvigil's settings window. While it is open Keyvigil is paused; closing it "
        "starts Keyvigil again if it is switched on. A second start raises the open window."};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    // A display server that cannot be used is said in one line, where the toolkit would abort;
    // a platform set by hand (offscreen, vnc) is the toolkit's to open.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "xcb" || platform.startsWith("wayland")) &&
        !DisplayBackends::chooseForSession(BackendUse::Window))
        return 1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvigil"));
    QApplication::setOrganizationName(QStringLiteral("Keyvigil"));
    QApplication::setApplicationVersion(kPaneVersion);
    // Keyvigil's icon and desktop entry, for the window list, the task bar and the title bar.
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setDesktopFileName(QString(kApplicationIdentifier));

    if (SingleInstance::raiseRunningInstance())
        return 0;

    const QString bundlePath = paneBundle(app.arguments());
    if (bundlePath.isEmpty()) {
        qCCritical(programLog, "no Keyvigil.prefPane beside this program, and none given");
        return 1;
    }
    // Before the pane is loaded: its window takes its texts as it is made.
    Translations::install(BundleLayout::translations(bundlePath));
    QPluginLoader loader;
    PanePlugin* pane = loadPlugin(bundlePath, loader);
    if (!pane)
        return 1;

    QtPaneHost host([] { QCoreApplication::exit(0); });
    if (!pane->initWithBundle(bundlePath, host) || host.terminateRequested()) {
        loader.unload();
        return 0; // the pane was never shown: nothing to leave
    }

    PreferencesWindow window(pane->mainView(), [pane] { pane->willUnselect(); });
    SingleInstance instance;
    instance.listen([&window] { window.raiseToFront(); });
    SignalPipe signalPipe;
    for (const int signalNumber : {SIGTERM, SIGINT})
        signalPipe.handle(signalNumber, [&window] { window.close(); });
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QCoreApplication::quit);

    pane->willSelect();
    window.show();
    const int status = app.exec();
    // The pane and its view go while the application still exists.
    window.releasePaneView();
    loader.unload();
    return status;
}
