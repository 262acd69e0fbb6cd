// Keyvigil Helper: picks the Linux implementations of the platform services and starts the
// helper's logic on them.
#include "helper/KeyvigilHelper.h"
#include "helper/indicators/KVObject.h"
#include "helper/indicators/ScreenIndicators.h"
#include "platform/backends/DisplayBackends.h"
#include "platform/desktop/AppKitVersionNumber.h"
#include "platform/desktop/CoreDumps.h"
#include "platform/desktop/DBusNotifier.h"
#include "platform/desktop/EpollEventDispatcher.h"
#include "platform/desktop/NetworkSandbox.h"
#include "platform/desktop/PlayerSoundService.h"
#include "platform/desktop/QtApplicationEventLoop.h"
#include "platform/desktop/SettingsWindowLauncher.h"
#include "platform/desktop/SignalAppleEventReceiver.h"
#include "platform/desktop/SoundFiles.h"
#include "platform/desktop/StatusIconHosts.h"
#include "platform/desktop/StatusNotifierHost.h"
#include "shared/BundleLayout.h"
#include "shared/CommandLine.h"
#include "shared/ProgramLog.h"
#include "shared/Translations.h"

#include <QCoreApplication>
#include <QFile>

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

    // What reads the keyboard keeps no network and no way to gain privileges, and leaves no core
    // dump. The settings window's launcher is started first, so that the window keeps all three.
    std::optional<SettingsWindowLauncher> windowLauncher;
    const std::optional<QString> ownPane =
        BundleLayout::paneBundleOfHelper(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    if (ownPane)
        windowLauncher.emplace(BundleLayout::launcherTool(*ownPane),
                               KVObject::preferencesHostFor(*ownPane), *ownPane);
    const std::optional<QString> coreDumpsKept = CoreDumps::disable();
    const NetworkSandbox::Outcome network = NetworkSandbox::restrictToLocalSockets();

    // The display server's backend; without one the toolkit would abort.
    const BackendEntry* backendEntry = DisplayBackends::chooseForSession(BackendUse::Helper);
    if (!backendEntry)
        return 1;
    // Said after the backend's line, the first of a helper that runs.
    if (network.active)
        qCInfo(programLog).noquote() << network.message;
    else
        qCWarning(programLog).noquote() << network.message;
    if (coreDumpsKept)
        qCWarning(programLog).noquote() << *coreDumpsKept;
    if (!windowLauncher)
        qCWarning(programLog, "the status item's menu opens the settings window without the "
                              "network: this helper is outside a pane bundle");
    else if (!windowLauncher->problem().isEmpty())
        qCWarning(programLog).noquote()
            << "the status item's menu opens the settings window without the network:"
            << windowLauncher->problem();
    // Threads Qt starts (the bus's) run the plain poll loop: the helper has no GLib sources, and
    // GLib's loop makes several passes over its sources at each wake-up.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    const QString sessionBus = DBusNotifier::useSessionBusOnly();

    // A wake-up costs the same however many descriptors the helper watches: the X connections,
    // the bus, the signal pipe.
    if (auto* dispatcher = new EpollEventDispatcher; dispatcher->isValid()) {
        QCoreApplication::setEventDispatcher(dispatcher);
    } else {
        qCWarning(programLog, "no epoll instance: the event loop polls every descriptor at each "
                              "wake-up");
        delete dispatcher;
    }

    // The event loop comes first: every connection's notifier needs the application object.
    // The helper draws its indicators itself, so it needs no graphical toolkit, fonts or GL.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Keyvigil Helper"));

    const QString resources =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources");
    // The tray menu and the notifications speak the user's language.
    Translations::install(BundleLayout::translations(
        BundleLayout::paneBundleAround(QCoreApplication::applicationDirPath())));

    const std::unique_ptr<DisplayBackend> backend = backendEntry->create();
    SignalAppleEventReceiver appleEvents;
    QtApplicationEventLoop eventLoop;
    // Sounds play in a program of their own, started at the first sound and ended after three
    // quiet seconds: the sound library and its decoders never load into the helper.
    PlayerSoundService sounds(
        {QCoreApplication::applicationDirPath() + QStringLiteral("/keyvigil-sound-player"),
         SoundFiles::searchFolders(resources), std::chrono::seconds(3), backend->alertSound()});
    DBusNotifier notifier(sessionBus);

    // The process-wide store: the helper makes it, and remakes it on every reopen; the status
    // item's menu reads whichever is in use.
    std::unique_ptr<RVPrefs> gPrefs;
    KVObject KVHelperObject([&gPrefs] { return gPrefs.get(); },
                            [&windowLauncher](const QString& host, const QStringList& arguments) {
                                if (!windowLauncher || !windowLauncher->open(arguments.value(0)))
                                    KVObject::startDetached(host, arguments);
                            });
    // Panels that host status-notifier items come first, on every display server; an X11 panel
    // with only a tray of its own takes the icon where there is none.
    StatusNotifierHost notifierHost(QDBusConnection::sessionBus(), QStringLiteral("Keyvigil"));
    StatusIconHosts statusHosts({{"the panel's status-notifier host", &notifierHost},
                                 {"the X11 panel's tray", &backend->trayHost()}});
    ScreenIndicators indicators(resources, KVHelperObject, backend->overlayWindows(), statusHosts);

    HelperPlatform platform{backend->eventMonitor(),
                            appleEvents,
                            backend->displays(),
                            eventLoop,
                            backend->processInfo(),
                            sounds,
                            backend->menuBarFlasher(),
                            notifier,
                            indicators,
                            kLinuxAppKitVersionNumber};
    KeyvigilHelper keyvigilHelper(platform, gPrefs);
    KVHelperObject.pauseHandler = [&keyvigilHelper](bool paused) {
        keyvigilHelper.pauseWarnings(paused);
    };
    return keyvigilHelper.helperMain();
}
