#include "platform/backends/DisplayBackends.h"

#include "shared/ProgramLog.h"

#include "platform/desktop/NoWindows.h"

#ifdef KEYVIGIL_HAVE_X11
#include "platform/x11/X11Backend.h"
#include "platform/x11/X11Bell.h"
#include "platform/x11/X11Windows.h"
#endif
#ifdef KEYVIGIL_HAVE_WAYLAND
#include "platform/wayland/WaylandBackend.h"
#endif
#ifdef KEYVIGIL_HAVE_GNOME
#include "platform/gnome/GnomeBackend.h"
#endif

#include <QFileInfo>
#include <QLibraryInfo>

#include <vector>

namespace DisplayBackends {

namespace {

#ifdef KEYVIGIL_HAVE_WAYLAND
// Indicator windows in a Wayland session: X11 windows through Xwayland where it runs, else none
// yet. Decided when the table is made, before the toolkit starts on the chosen platform.
bool useXwaylandWindows() {
#ifdef KEYVIGIL_HAVE_X11
    return !qEnvironmentVariableIsEmpty("DISPLAY") && X11Backend::displayProblem().isEmpty();
#else
    return false;
#endif
}

// Windows are native where the toolkit's Wayland plug-in is installed.
QByteArray windowPlatformForWayland(bool xwayland) {
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    if (QFileInfo::exists(plugin))
        return "wayland";
    return xwayland ? "xcb" : "";
}

std::unique_ptr<DisplayBackend> makeWaylandBackend(bool xwayland) {
#ifdef KEYVIGIL_HAVE_X11
    if (xwayland)
        return std::make_unique<WaylandBackend>(
            std::make_unique<X11Windows>(),
            QStringLiteral("indicators shown as X11 windows through Xwayland"));
#endif
    return std::make_unique<WaylandBackend>(
        std::make_unique<NoWindows>(),
        QStringLiteral("no Xwayland: the indicators, the flash and the status item are off"));
}
#endif

} // namespace

std::span<const BackendEntry> table() {
    static const std::vector<BackendEntry> entries = [] {
        std::vector<BackendEntry> list;
#ifdef KEYVIGIL_HAVE_WAYLAND
        // Indicators as layer surfaces of our own where the compositor offers them.
        const bool xwaylandRuns = useXwaylandWindows();
        const bool xwayland = xwaylandRuns && !WaylandBackend::offersLayerShell();
#ifdef KEYVIGIL_HAVE_GNOME
        // GNOME Shell draws the indicators for its companion.
        list.push_back({QStringLiteral("GNOME Shell"), BackendEntry::Server::Wayland,
                        windowPlatformForWayland(xwaylandRuns),
                        [](const DisplaySession&) { return GnomeBackend::sessionProblem(); },
                        [] { return std::unique_ptr<DisplayBackend>(new GnomeBackend); }});
#endif
        list.push_back({QStringLiteral("Wayland"), BackendEntry::Server::Wayland,
                        windowPlatformForWayland(xwaylandRuns),
                        [](const DisplaySession&) { return WaylandBackend::displayProblem(); },
                        [xwayland] { return makeWaylandBackend(xwayland); }});
#endif
#ifdef KEYVIGIL_HAVE_X11
        list.push_back({QStringLiteral("X11"), BackendEntry::Server::X11, "xcb",
                        [](const DisplaySession&) { return X11Backend::displayProblem(); },
                        [] { return std::unique_ptr<DisplayBackend>(new X11Backend); }});
#endif
        return list;
    }();
    return entries;
}

const BackendEntry* chooseForSession(BackendUse use) {
    BackendChoice choice = chooseBackend(DisplaySession::fromEnvironment(), table(), use);
    if (choice.entry && use == BackendUse::Window && choice.entry->windowPlatform.isEmpty()) {
        choice.lines = QStringList{QStringLiteral(
            "a window in this Wayland session needs the toolkit's Wayland plug-in (Debian's "
            "qt6-wayland) or Xwayland")};
        choice.entry = nullptr;
    }
    for (const QString& line : choice.lines) {
        if (choice.entry)
            qCInfo(programLog).noquote() << line;
        else
            qCCritical(programLog).noquote() << line;
    }
    if (choice.entry && use == BackendUse::Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", choice.entry->windowPlatform);
    return choice.entry;
}

std::unique_ptr<AlertSound> toolkitAlertSound() {
#ifdef KEYVIGIL_HAVE_X11
    // The platform chosen for the toolkit, or its own default outside a Wayland session; the
    // bell opens its own connection at the first beep.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = platform.isEmpty() ? qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                                              !qEnvironmentVariableIsEmpty("DISPLAY")
                                        : platform.startsWith("xcb");
    if (x11)
        return std::make_unique<X11Bell>();
#endif
    return nullptr;
}

} // namespace DisplayBackends
