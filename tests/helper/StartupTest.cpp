#include "shared/SettingsKeys.h"
#include "tests/helper/HelperFixture.h"

#include <gtest/gtest.h>

TEST(Startup, StoreSettingsAndHandlersAreReadyBeforeTheEventLoopRuns) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::showNumMenuBar, PlistValue::fromBool(true));
    bool readyInLoop = false;
    fixture.fakes.eventLoop.whileRunning = [&] {
        readyInLoop = fixture.gPrefs && fixture.fakes.eventMonitor.hasHandler() &&
                      fixture.helper.settings().menuBarMask == 0x10000;
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

// Every load registers the five notifications afresh; each one carries its name as title.
TEST(Startup, NotificationsAreRegisteredAtEveryLoadAndSentWithPriorityTwo) {
    HelperFixture fixture;
    fixture.store(SettingsKeys::warnWithGrowl, PlistValue::fromBool(true));
    fixture.start();
    fixture.helper.readPreferences();
    ASSERT_EQ(fixture.fakes.notifier.delegates.size(), 2u);
    const QStringList names = {"CAPS LOCK On", "CAPS LOCK Off", "NUM LOCK On", "NUM LOCK Off",
                               "Too Many CAPS Typed"};
    const GrowlDelegate& delegate = fixture.fakes.notifier.delegates.back();
    EXPECT_EQ(delegate.applicationName, QStringLiteral("Keyvigil"));
    EXPECT_EQ(delegate.allNotifications, names);
    EXPECT_EQ(delegate.defaultNotifications, names);
    EXPECT_TRUE(delegate.applicationIconData.isEmpty());
    EXPECT_EQ(delegate.referenceCount, 1);

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
