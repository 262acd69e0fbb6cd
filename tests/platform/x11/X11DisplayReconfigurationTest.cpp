#include "platform/linux/X11DisplayReconfiguration.h"

#include "tests/platform/x11/XvfbTest.h"

#include <utility>
#include <vector>

namespace {

class X11DisplayReconfigurationTest : public XvfbTest {};

TEST_F(X11DisplayReconfigurationTest, ModeChangeIsReportedOnceAsModeSet) {
    X11DisplayReconfiguration reconfiguration;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
    reconfiguration.registerReconfigurationCallback(
        [&](std::uint32_t display, std::uint32_t flags) { calls.emplace_back(display, flags); });

    ASSERT_EQ(runTool(QStringLiteral("xrandr"), {"--newmode", "800x600_test", "40", "800", "840",
                                                 "968", "1056", "600", "601", "605", "628"}),
              0);
    ASSERT_EQ(runTool(QStringLiteral("xrandr"), {"--addmode", "screen", "800x600_test"}), 0);
    processEventsFor(std::chrono::milliseconds(200));
    EXPECT_TRUE(calls.empty()); // a mode added to the list sets nothing

    ASSERT_EQ(runTool(QStringLiteral("xrandr"), {"--output", "screen", "--mode", "800x600_test"}),
              0);
    ASSERT_TRUE(processEventsUntil([&] { return !calls.empty(); }));
    processEventsFor(std::chrono::milliseconds(200));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].second & kCGDisplaySetModeFlag, 0u);
    EXPECT_NE(calls[0].first, 0u);

    ASSERT_EQ(runTool(QStringLiteral("xrandr"), {"--output", "screen", "--mode", "1280x1024"}), 0);
    ASSERT_TRUE(processEventsUntil([&] { return calls.size() == 2; }));
    EXPECT_EQ(calls[1].first, calls[0].first);
    EXPECT_NE(calls[1].second & kCGDisplaySetModeFlag, 0u);
}

} // namespace
