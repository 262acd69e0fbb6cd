#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Which compositor runs the session, told by the globals it offers: compositors do not set
// XDG_CURRENT_DESKTOP for their clients (a display manager does), so that is a hint only.
enum class WaylandCompositor { KWin, Wlroots, Gnome, Other };

WaylandCompositor identifyCompositor(const std::vector<QByteArray>& interfaces);
QString compositorName(WaylandCompositor compositor);
