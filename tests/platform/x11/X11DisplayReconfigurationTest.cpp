#include "platform/x11/X11DisplayReconfiguration.h"

#include "tests/platform/x11/XvfbTest.h"

#include <vector>

using namespace std::chrono_literals;

namespace {

class X11DisplayReconfigurationTest : public XvfbTest {};

TEST_F(X11DisplayReconfigurationTest, EachModeChangeIsReportedOnceAsModeSet) {
    X11DisplayReconfiguration reconfiguration;
    std::vector<std::uint32_t> flags;
    reconfiguration.registerReconfigurationCallback(
        [&](std::uint32_t, std::uint32_t changeFlags) { flags.push_back(changeFlags); });

    const QString xrandr = QStringLiteral("xrandr");
    ASSERT_EQ(QProcess::execute(xrandr, {"--newmode", "800x600_test", "40", "800", "840", "968",
                                         "1056", "600", "601", "605", "628"}),
              0);
    ASSERT_EQ(QProcess::execute(xrandr, {"--addmode", "screen", "800x600_test"}), 0);
    processEventsFor(200ms);
    EXPECT_TRUE(flags.empty()); // a mode added to the list sets nothing

    for (const char* mode : {"800x600_test", "1280x1024"}) {
        SCOPED_TRACE(mode);
        const std::size_t before = flags.size();
        ASSERT_EQ(QProcess::execute(xrandr, {"--output", "screen", "--mode", mode}), 0);
        ASSERT_TRUE(processEventsUntil([&] { return flags.size() > before; }));
        processEventsFor(200ms);
        ASSERT_EQ(flags.size(), before + 1);
        EXPECT_NE(flags.back() & kCGDisplaySetModeFlag, 0u);
    }
}

} // namespace
