#pragma once

#include "platform/AppleEventReceiver.h"
#include "platform/ApplicationEventLoop.h"
#include "platform/DisplayReconfiguration.h"
#include "platform/EventMonitor.h"
#include "platform/Indicators.h"
#include "platform/MenuBarFlasher.h"
#include "platform/Notifier.h"
#include "platform/ProcessInfo.h"
#include "platform/SoundService.h"

// The platform services and values the helper's logic works through. The program's main picks the
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
    double NSAppKitVersionNumber;
};
