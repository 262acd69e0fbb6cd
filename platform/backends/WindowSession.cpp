#include "platform/backends/WindowSession.h"

#include "platform/backends/BackendChoice.h"

#ifdef KEYVIGIL_HAVE_GNOME
#include "platform/gnome/GnomeCompanionControl.h"
#endif
#ifdef KEYVIGIL_HAVE_WAYLAND
#include "platform/wayland/WaylandCompositor.h"
#include "platform/wayland/WaylandConnection.h"
#endif

#include <vector>

namespace DisplayBackends {

DesktopSession windowSession() {
    const DisplaySession session = DisplaySession::fromEnvironment();
    if (!session.isWayland())
        return DesktopSession::X11;
#ifdef KEYVIGIL_HAVE_WAYLAND
    if (WaylandConnection::displayProblem().isEmpty()) {
        const WaylandConnection connection;
        std::vector<QByteArray> interfaces;
        for (const WaylandConnection::Global& global : connection.globals())
            interfaces.push_back(global.interface);
        switch (identifyCompositor(interfaces)) {
        case WaylandCompositor::KWin:
            return DesktopSession::KdePlasma;
        case WaylandCompositor::Wlroots:
            return DesktopSession::Wlroots;
        case WaylandCompositor::Gnome:
            return DesktopSession::Gnome;
        case WaylandCompositor::Other:
            break;
        }
    }
#endif
    return waylandDesktopFromHint(session.currentDesktop);
}

DesktopSession waylandDesktopFromHint(const QString& currentDesktop) {
    const QStringList names = currentDesktop.toLower().split(u':', Qt::SkipEmptyParts);
    const auto named = [&names](std::initializer_list<const char*> candidates) {
        for (const char* candidate : candidates)
            if (names.contains(QLatin1String(candidate)))
                return true;
        return false;
    };
    if (named({"kde"}))
        return DesktopSession::KdePlasma;
    if (named({"gnome"}))
        return DesktopSession::Gnome;
    if (named({"sway", "hyprland", "labwc", "river", "wayfire", "wlroots"}))
        return DesktopSession::Wlroots;
    return DesktopSession::OtherWayland;
}

std::unique_ptr<ShellCompanionControl> shellCompanionControl() {
#ifdef KEYVIGIL_HAVE_GNOME
    return std::make_unique<GnomeCompanionControl>();
#else
    return nullptr;
#endif
}

} // namespace DisplayBackends
