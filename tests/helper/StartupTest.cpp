#include "HelperFixture.h"
#include "SettingsKeys.h"

#include <gtest/gtest.h>

TEST(Startup, StoreSettingsAndHandlersAreReadyBeforeTheEventLoopRuns) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::showNumMenuBar, PlistValue::fromBool(true));
    fixture.helper.monitor.warnCapsLimitCounter = 3;
    bool readyInLoop = false;
    fixture.fakes.eventLoop.whileRunning = [&] {
        readyInLoop = fixture.helper.gPrefs && fixture.fakes.eventMonitor.hasHandler() &&
                      fixture.helper.settings.menuBarMask == 0x10000 &&
                      fixture.helper.monitor.warnCapsLimitCounter == 0;
    };
    EXPECT_EQ(fixture.helper.helperMain(), 0);
    EXPECT_TRUE(readyInLoop);
    EXPECT_EQ(fixture.fakes.journal.entries(),
              QStringList({"indicators closeCenterWindows", "indicators closeUpperLeftWindow",
                           "indicators buildStatusItem", "monitor installHandler cmds 2",
                           "monitor addEventType keyb 1", "monitor addEventType keyb 2",
                           "monitor addEventType keyb 4", "appleEvent install aevt rapp",
                           "appleEvent install aevt quit",
                           "display registerReconfigurationCallback", "eventLoop run"}));
}

TEST(Startup, ReopenReloadsThenRefreshesTheIconAndQuitEndsAtOnce) {
    HelperFixture fixture;
    fixture.start();
    fixture.helper.monitor.modifiers = 0x10200;
    fixture.store(SettingsKeys::showShiftMenuBar, PlistValue::fromBool(true));
    fixture.fakes.journal.clear();

    EXPECT_EQ(fixture.fakes.appleEvents.send(kCoreEventClass, kAEReopenApplication), noErr);
    EXPECT_EQ(fixture.fakes.journal.take(),
              QStringList({"indicators closeCenterWindows", "indicators closeUpperLeftWindow",
                           "indicators buildStatusItem", "indicators menuBar 0x200"}));

    EXPECT_THROW(fixture.fakes.appleEvents.send(kCoreEventClass, kAEQuitApplication),
                 ExitToShellCalled);
    EXPECT_EQ(fixture.fakes.journal.take(), QStringList({"eventLoop exitToShell"}));
}

TEST(Startup, NotificationsCarryTheirNameAsTitleAndPriorityTwo) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::warnWithGrowl, PlistValue::fromBool(true));
    fixture.start();
    fixture.fakes.eventMonitor.deliver(
        {kEventClassKeyboard, kEventRawKeyModifiersChanged, true, 0x400, false, 0});
    for (int i = 0; i < 5; ++i)
        fixture.fakes.eventMonitor.deliver(
            {kEventClassKeyboard, kEventRawKeyDown, true, 0x400, true, 'A'});
    ASSERT_EQ(fixture.fakes.notifier.notifications.size(), 2u);
    for (const GrowlNotification& n : fixture.fakes.notifier.notifications) {
        EXPECT_EQ(n.title, n.notificationName);
        EXPECT_EQ(n.priority, 2);
        EXPECT_FALSE(n.isSticky);
        EXPECT_FALSE(n.hasClickContext);
        EXPECT_TRUE(n.iconData.isEmpty());
    }
    EXPECT_TRUE(fixture.fakes.notifier.notifications[0].description.isEmpty());
    EXPECT_EQ(fixture.fakes.notifier.notifications[1].description, "5 CAPS typed.");
}
