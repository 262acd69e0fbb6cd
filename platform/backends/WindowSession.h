#pragma once

#include "platform/KeyboardAccess.h"
#include "platform/ShellCompanionControl.h"

#include <QString>

#include <memory>

namespace DisplayBackends {

// The session the settings window runs in, for what it says about keyboard access: X11, or
// Wayland with the compositor told by the globals it offers, else by XDG_CURRENT_DESKTOP. Asks
// the compositor over a short connection of its own, so the application object must exist.
DesktopSession windowSession();

// The Wayland desktop XDG_CURRENT_DESKTOP names ("ubuntu:GNOME", "sway", …); a hint only, as the
// display manager sets it rather than the compositor.
DesktopSession waylandDesktopFromHint(const QString& currentDesktop);

// The GNOME Shell companion as the settings window shows and switches it; null where the build
// has no GNOME support.
std::unique_ptr<ShellCompanionControl> shellCompanionControl();

} // namespace DisplayBackends
