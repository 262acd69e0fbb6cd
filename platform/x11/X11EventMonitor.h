#pragma once

#include "platform/EventMonitor.h"

#include <memory>

// The keyboard monitor on X11: every application's key presses from XInput2 raw events on the
// root window, modifier and lock changes from XKB state notifications, characters from
// libxkbcommon kept in step with the server's keyboard state, repeats from the keyboard's
// repeat controls. The connection is read through XCB, every queued event at each wake-up. Events
// arrive on the main thread from Qt's event loop, through a connection of the monitor's own.
// Without a display the monitor never calls its handler.
class X11EventMonitor final : public EventMonitor {
public:
    // displayName null: $DISPLAY.
    explicit X11EventMonitor(const char* displayName = nullptr);
    ~X11EventMonitor() override;

    void installHandler(Handler handler, EventTypeSpec type) override;
    void addEventType(EventTypeSpec type) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
