// Keyvigil Helper: picks the Linux implementations of the platform services and starts the
// helper's logic on them.
#include "helper/KeyvigilHelper.h"
#include "helper/indicators/KVObject.h"
#include "helper/indicators/QtIndicators.h"
#include "platform/linux/AppKitVersionNumber.h"
#include "platform/linux/DBusNotifier.h"
#include "platform/linux/MenuBarFlashStrip.h"
#include "platform/linux/QtApplicationEventLoop.h"
#include "platform/linux/SdlSoundService.h"
#include "platform/linux/SignalAppleEventReceiver.h"
#include "platform/linux/SystemTrayWatcher.h"
#include "platform/linux/X11Connection.h"
#include "platform/linux/X11DisplayReconfiguration.h"
#include "platform/linux/X11EventMonitor.h"
#include "platform/linux/X11FrontProcess.h"
#include "shared/CommandLine.h"
#include "shared/ProgramLog.h"

#include <QApplication>

#include <malloc.h>

int main(int argc, char** argv) {
    setProgramLogName("keyvigil.helper");
    const ProgramDescription program{
        "Keyvigil Helper", "",
        "Watches the keyboard and warns about Caps Lock, Num Lock and runs of capitals, as the "
        "settings in ~/Library/Preferences/org.keyvigil.Keyvigil.prefs say. Runs until it "
        "receives SIGTERM; SIGHUP makes it read the settings again."};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    // Large blocks always mapped on their own: by default malloc raises this threshold after the
    // first such block is freed, and from then on keeps every freed image and sound buffer.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);

    // Every part of the helper speaks X11; without a display the toolkit would abort.
    if (const QString problem = X11Connection::displayProblem(); !problem.isEmpty()) {
        qCCritical(programLog).noquote() << "Keyvigil Helper needs an X11 display;" << problem;
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The plain poll loop: the helper runs no GLib sources, and GLib's loop costs several
    // passes over its sources at every key.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    // Windows a few points across are sent as plain images: through shared memory each paint
    // waits twice for the server, which delays the upper-left window's change by about 0.2 ms.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    const QString sessionBus = DBusNotifier::useSessionBusOnly();

    // The toolkit comes first: the indicators, the flash strip and every X connection's event
    // notifier need the application object.
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Keyvigil Helper"));

    const QString resources =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources");

    _XDisplay* display = nullptr;
    if (auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>())
        display = x11->display();

    X11EventMonitor eventMonitor;
    SignalAppleEventReceiver appleEvents;
    X11DisplayReconfiguration displays;
    QtApplicationEventLoop eventLoop;
    X11FrontProcess processInfo;
    SdlSoundService sounds(
        {SdlSoundService::searchFolders(resources), std::chrono::seconds(3), display});
    MenuBarFlashStrip menuBarFlasher;
    DBusNotifier notifier(sessionBus);

    // The process-wide store: the helper makes it, and remakes it on every reopen; the status
    // item's menu reads whichever is in use.
    std::unique_ptr<RVPrefs> gPrefs;
    KVObject KVHelperObject([&gPrefs] { return gPrefs.get(); });
    SystemTrayWatcher trays;
    QtIndicators indicators(resources, KVHelperObject, &trays);

    HelperPlatform platform{
        eventMonitor, appleEvents,    displays, eventLoop,  processInfo,
        sounds,       menuBarFlasher, notifier, indicators, kLinuxAppKitVersionNumber};
    KeyvigilHelper keyvigilHelper(platform, gPrefs);
    return keyvigilHelper.helperMain();
}
