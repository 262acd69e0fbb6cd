#include "tests/helper/AllocationCounter.h"
#include "tests/helper/MonitorWorkload.h"

#include <gtest/gtest.h>

// Once running, judging a key allocates nothing, whatever path it takes.
TEST(MonitorAllocation, KeysAllocateNothingOnceRunning) {
    if (!AllocationCounter::available())
        GTEST_SKIP() << "allocations cannot be counted in this build";
    HelperFixture fixture;
    MonitorWorkload::storeBusySettings(fixture);
    fixture.start();
    const auto capsLockRun = MonitorWorkload::keyEvents(
        QStringLiteral("THE NASA AND ESA TEAMS MET AT CERN WITH THE USA CEO "), 0x400);
    // Warm-up: the warnings of the first run go through the fakes, which do allocate.
    for (const auto& event : capsLockRun)
        fixture.fakes.deliver(event);
    fixture.fakes.journal.clear();

    for (const auto& workload : {capsLockRun, MonitorWorkload::mixedTyping()}) {
        const std::uint64_t before = AllocationCounter::count();
        for (int round = 0; round < 100; ++round)
            for (const auto& event : workload)
                fixture.helper.MonitorHandler(event);
        EXPECT_EQ(AllocationCounter::count() - before, 0u);
    }
    EXPECT_TRUE(fixture.fakes.journal.entries().isEmpty()) << "the workload must not warn";
}

// Emptying the word buffer overwrites the letters it held, in the room it keeps.
TEST(MonitorAllocation, EmptiedWordBufferKeepsNoLetters) {
    HelperFixture fixture;
    MonitorWorkload::storeBusySettings(fixture);
    fixture.start();
    for (const auto& event : MonitorWorkload::keyEvents(QStringLiteral("UNES"), 0x400))
        fixture.helper.MonitorHandler(event);
    const QString& buffer = fixture.helper.monitorState().excludeWordsBuffer;
    ASSERT_EQ(buffer, QStringLiteral("UNES"));
    const QChar* letters = buffer.constData();
    // A key without Caps Lock ends the run.
    fixture.helper.MonitorHandler(MonitorWorkload::keyEvents(QStringLiteral("x"), 0).front());
    EXPECT_TRUE(buffer.isEmpty());
    ASSERT_EQ(buffer.constData(), letters);
    EXPECT_EQ(QStringView(letters, 4), QString(4, QChar()));
}
