#pragma once

#include "FakeAppleEventReceiver.h"
#include "FakeApplicationEventLoop.h"
#include "FakeDisplayReconfiguration.h"
#include "FakeEventMonitor.h"
#include "FakeIndicators.h"
#include "FakeMenuBarFlasher.h"
#include "FakeNotifier.h"
#include "FakeProcessInfo.h"
#include "FakeSoundService.h"
#include "Journal.h"

// Every platform fake, all recording into one journal.
struct FakePlatform {
    Journal journal;
    FakeEventMonitor eventMonitor{journal};
    FakeAppleEventReceiver appleEvents{journal};
    FakeDisplayReconfiguration displays{journal};
    FakeApplicationEventLoop eventLoop{journal};
    FakeProcessInfo processInfo;
    FakeSoundService sounds{journal};
    FakeMenuBarFlasher menuBarFlasher{journal};
    FakeNotifier notifier{journal};
    FakeIndicators indicators{journal};
};
