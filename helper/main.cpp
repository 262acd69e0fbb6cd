// Keyvigil Helper: picks the Linux implementations of the platform services and starts the
// helper's logic on them.
#include "helper/KeyvigilHelper.h"
#include "helper/indicators/KVObject.h"
#include "helper/indicators/QtIndicators.h"
#include "platform/linux/DBusNotifier.h"
#include "platform/linux/MenuBarFlashStrip.h"
#include "platform/linux/QtApplicationEventLoop.h"
#include "platform/linux/SdlSoundService.h"
#include "platform/linux/SignalAppleEventReceiver.h"
#include "platform/linux/X11DisplayReconfiguration.h"
#include "platform/linux/X11EventMonitor.h"
#include "platform/linux/X11FrontProcess.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char** argv) {
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
    DBusNotifier notifier;

    // The status item's menu opens the pane recorded in the store in use at that moment; the
    // helper replaces its store on every reopen.
    KeyvigilHelper* helper = nullptr;
    KVObject KVHelperObject(
        [&helper]() -> const RVPrefs* { return helper ? helper->gPrefs.get() : nullptr; });
    QtIndicators indicators(resources, KVHelperObject, processInfo);

    HelperPlatform platform{eventMonitor, appleEvents,    displays, eventLoop, processInfo,
                            sounds,       menuBarFlasher, notifier, indicators};
    KeyvigilHelper keyvigilHelper(platform);
    helper = &keyvigilHelper;
    return keyvigilHelper.helperMain();
}
