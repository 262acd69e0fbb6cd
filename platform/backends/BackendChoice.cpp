#include "platform/backends/BackendChoice.h"

namespace {

using Server = BackendEntry::Server;

QString serverName(Server server) {
    return server == Server::X11 ? QStringLiteral("X11") : QStringLiteral("Wayland");
}

QString displayOf(const DisplaySession& session, Server server) {
    const QString& name = server == Server::X11 ? session.x11Display : session.waylandDisplay;
    return name.isEmpty() ? QString() : QStringLiteral(" (display %1)").arg(name);
}

} // namespace

DisplaySession DisplaySession::fromEnvironment() {
    return {qEnvironmentVariable("XDG_SESSION_TYPE"), qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("XDG_CURRENT_DESKTOP")};
}

bool DisplaySession::isWayland() const {
    if (sessionType == QLatin1String("wayland"))
        return true;
    if (sessionType == QLatin1String("x11"))
        return false;
    return !waylandDisplay.isEmpty() && x11Display.isEmpty();
}

BackendChoice chooseBackend(const DisplaySession& session, std::span<const BackendEntry> table,
                            BackendUse use) {
    const bool wayland = session.isWayland();
    QList<Server> order;
    if (wayland)
        order << Server::Wayland;
    order << Server::X11;

    BackendChoice choice;
    QStringList problems;
    for (const Server server : order) {
        bool any = false;
        for (const BackendEntry& entry : table) {
            if (entry.server != server)
                continue;
            any = true;
            const QString problem = entry.problem ? entry.problem(session) : QString();
            if (problem.isEmpty()) {
                choice.entry = &entry;
                break;
            }
            choice.lines
                << QStringLiteral("cannot use the %1 backend: %2").arg(entry.name, problem);
            problems << QStringLiteral("%1: %2").arg(entry.name, problem);
        }
        if (choice.entry)
            break;
        if (!any) {
            const QString missing =
                QStringLiteral("this build has no %1 backend").arg(serverName(server));
            if (wayland && server == Server::Wayland)
                choice.lines << missing + QStringLiteral("; trying X11 through Xwayland");
            problems << missing;
        }
    }

    if (!choice.entry) {
        // One line then: what each backend lacked is in it.
        choice.lines = QStringList{QStringLiteral("no display server can be used (%1)")
                                       .arg(problems.join(QStringLiteral("; ")))};
        return choice;
    }
    choice.lines << QStringLiteral("using the %1 backend%2")
                        .arg(choice.entry->name, displayOf(session, choice.entry->server));
    if (wayland && choice.entry->server == Server::X11 && use == BackendUse::Helper)
        choice.lines << QStringLiteral(
            "this is a Wayland session: only keys typed into X11 (Xwayland) windows are seen, "
            "and Caps Lock and Num Lock only while such a window has the focus");
    return choice;
}
