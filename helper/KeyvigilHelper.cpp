#include "helper/KeyvigilHelper.h"
#include "shared/Identifiers.h"

int KeyvigilHelper::helperMain() {
    // The toolkit is already up: the program's main made the application object and the
    // delegate object the status item and the upper-left window use.
    gPrefs = std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kApplicationIdentifier));
    readPreferences();
    monitor_.warnCapsLimitCounter = 0;
    if (settings_.checkForUpdates) {
        // There is no update service to ask: the check does nothing.
    }
    InstallMyEventHandlers();
    platform.eventLoop.runApplicationEventLoop();
    return 0;
}

void KeyvigilHelper::InstallMyEventHandlers() {
    // The command event type is asked for with the handler but never acted on.
    platform.eventMonitor.installHandler(
        [this](const MonitorEvent& event) { return MonitorHandler(event); },
        {kEventClassCommand, kEventCommandProcess});
    platform.eventMonitor.addEventType({kEventClassKeyboard, kEventRawKeyDown});
    platform.eventMonitor.addEventType({kEventClassKeyboard, kEventRawKeyRepeat});
    platform.eventMonitor.addEventType({kEventClassKeyboard, kEventRawKeyModifiersChanged});

    platform.appleEvents.installEventHandler(kCoreEventClass, kAEReopenApplication,
                                             [this] { return Handle_ReopenApplication(); });
    platform.appleEvents.installEventHandler(kCoreEventClass, kAEQuitApplication,
                                             [this]() -> OSStatus { Handle_QuitApplication(); });

    platform.displays.registerReconfigurationCallback(
        [this](std::uint32_t display, std::uint32_t changeFlags) {
            ScreenChangedCallback(display, changeFlags);
        });
}
