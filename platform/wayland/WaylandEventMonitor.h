#pragma once

#include "platform/EventMonitor.h"
#include "platform/wayland/LockState.h"
#include "platform/wayland/WaylandCompositor.h"

#include <QStringList>

#include <memory>

class WaylandConnection;

// The keyboard monitor on a Wayland desktop. Caps Lock and Num Lock come from the session's
// state (KWin's keystate, else the keyboards' own lights), never from keys, so that remapped
// keys, several keyboards and a resume all show the state the desktop has. Every key comes from
// the keyboard devices where the user has allowed reading them, read through the compositor's
// own keymap and repeated at its rate: the same events, modifier word and characters as on X11.
class WaylandEventMonitor final : public EventMonitor {
public:
    WaylandEventMonitor(WaylandConnection& connection, WaylandCompositor compositor);
    ~WaylandEventMonitor() override;

    void installHandler(Handler handler, EventTypeSpec type) override;
    void addEventType(EventTypeSpec type) override;

    // One line each on what works in this session and what falls back.
    const QStringList& report() const;

    // Reads the lock state afresh (after a resume, a keyboard plugged in).
    void reread();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
