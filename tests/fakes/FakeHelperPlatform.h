#pragma once

#include "tests/fakes/FakeAppleEventReceiver.h"
#include "tests/fakes/FakeApplicationEventLoop.h"
#include "tests/fakes/FakeDisplayReconfiguration.h"
#include "tests/fakes/FakeEventMonitor.h"
#include "tests/fakes/FakeIndicators.h"
#include "tests/fakes/FakeMenuBarFlasher.h"
#include "tests/fakes/FakeNotifier.h"
#include "tests/fakes/FakeProcessInfo.h"
#include "tests/fakes/FakeSoundService.h"
#include "tests/fakes/Journal.h"

// Every platform fake, all recording into one journal.
struct FakeHelperPlatform {
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
