#pragma once

#include "AppleEventReceiver.h"
#include "ApplicationEventLoop.h"
#include "DisplayReconfiguration.h"
#include "EventMonitor.h"
#include "Indicators.h"
#include "MenuBarFlasher.h"
#include "Notifier.h"
#include "ProcessInfo.h"
#include "SoundService.h"

// The platform services the helper's logic works through. The program's main picks the
// implementations; tests hand in fakes.
struct HelperPlatform {
    EventMonitor& eventMonitor;
    AppleEventReceiver& appleEvents;
    DisplayReconfiguration& displays;
    ApplicationEventLoop& eventLoop;
    ProcessInfo& processInfo;
    SoundService& sounds;
    MenuBarFlasher& menuBarFlasher;
    Notifier& notifier;
    Indicators& indicators;
};
