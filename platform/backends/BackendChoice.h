#pragma once

#include "platform/DisplayBackend.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <span>

// The display session a program starts in, as its environment describes it.
struct DisplaySession {
    QString sessionType;    // XDG_SESSION_TYPE: "x11", "wayland", "tty", … or empty
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display;     // DISPLAY
    QString currentDesktop; // XDG_CURRENT_DESKTOP, a hint only

    static DisplaySession fromEnvironment();
    // A Wayland session, or one that does not say and offers only a Wayland display.
    bool isWayland() const;
};

// What a program needs of the display server: the helper watches keys and shows indicators; the
// settings window and the help viewer only need a window.
enum class BackendUse { Helper, Window };

// One display server the build supports.
struct BackendEntry {
    enum class Server { X11, Wayland };

    QString name; // "X11"
    Server server;
    // The toolkit's platform plug-in for a program that shows a window on this server; empty
    // where none can. The helper draws its indicators itself and loads none.
    QByteArray windowPlatform;
    // Why the backend cannot run in the session, in a few words; empty when it can.
    std::function<QString(const DisplaySession&)> problem;
    // Made once the application object exists.
    std::function<std::unique_ptr<DisplayBackend>()> create;
};

struct BackendChoice {
    // Null when no backend can run.
    const BackendEntry* entry = nullptr;
    // Each backend passed over and why, then the one chosen and what it cannot do in this session;
    // or one line saying why none can run. Each a line for the program's log.
    QStringList lines;
};

// The first backend of `table` that can run in `session`: in a Wayland session the Wayland
// backends first and then X11 through Xwayland, elsewhere X11 alone.
BackendChoice chooseBackend(const DisplaySession& session, std::span<const BackendEntry> table,
                            BackendUse use);
