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
    // locksFromOutside: Caps Lock and Num Lock come only through setLocks (the GNOME Shell
    // companion's word), and the report says nothing about them.
    WaylandEventMonitor(WaylandConnection& connection, WaylandCompositor compositor,
                        bool locksFromOutside = false);
    ~WaylandEventMonitor() override;

    void installHandler(Handler handler, EventTypeSpec type) override;
    void addEventType(EventTypeSpec type) override;

    // One line each on what works in this session and what falls back.
    const QStringList& report() const;

    // Reads the lock state afresh (after a resume, a keyboard plugged in).
    void reread();
    // The session's Caps Lock and Num Lock, where they come from outside.
    void setLocks(const LockState& state);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
