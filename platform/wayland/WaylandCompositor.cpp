#include "platform/wayland/WaylandCompositor.h"

#include <algorithm>

WaylandCompositor identifyCompositor(const std::vector<QByteArray>& interfaces) {
    const auto offers = [&interfaces](const char* prefix) {
        return std::any_of(interfaces.begin(), interfaces.end(),
                           [prefix](const QByteArray& name) { return name.startsWith(prefix); });
    };
    // wlroots offers some of KWin's older interfaces too (idle, server decorations), and KWin
    // some of wlroots' (layer shell): only Plasma's own tell KWin.
    if (offers("org_kde_plasma_") || offers("kde_output_device_"))
        return WaylandCompositor::KWin;
    if (offers("gtk_shell1"))
        return WaylandCompositor::Gnome;
    if (offers("zwlr_"))
        return WaylandCompositor::Wlroots;
    return WaylandCompositor::Other;
}

QString compositorName(WaylandCompositor compositor) {
    switch (compositor) {
    case WaylandCompositor::KWin:
        return QStringLiteral("KDE Plasma (KWin)");
    case WaylandCompositor::Wlroots:
        return QStringLiteral("a wlroots compositor");
    case WaylandCompositor::Gnome:
        return QStringLiteral("GNOME Shell");
    case WaylandCompositor::Other:
        break;
    }
    return QStringLiteral("an unknown compositor");
}
