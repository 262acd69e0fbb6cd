#include "helper/indicators/QtIndicators.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A tray that starts when the test says so.
struct StandInTrays final : TrayWatcher {
    bool available() const override { return running; }
    void setAppearedHandler(std::function<void()> handler) override { appeared = handler; }
    void start() {
        running = true;
        if (appeared)
            appeared();
    }
    bool running = false;
    std::function<void()> appeared;
};

class StatusItemTrayTest : public ::testing::Test {
protected:
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    StandInTrays trays;
    std::optional<QtIndicators> indicators{std::in_place, KEYVIGIL_TEST_IMAGES, kvObject, &trays};
};

TEST_F(StatusItemTrayTest, BuiltBeforeATrayTheIconWaitsAndShowsTheLastStateAskedFor) {
    indicators->buildStatusItem();
    indicators->menuBar(0x10000);
    indicators->menuBar(0x400);
    EXPECT_TRUE(indicators->hasStatusItem());
    EXPECT_EQ(indicators->menuBarIcon, nullptr);

    trays.start();
    ASSERT_NE(indicators->menuBarIcon, nullptr);
    QSystemTrayIcon* icon = indicators->menuBarIcon.get();
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->icon().cacheKey(), indicators->closedIcon.cacheKey());

    // A tray restarting later keeps the icon the toolkit already has.
    trays.running = false;
    trays.start();
    EXPECT_EQ(indicators->menuBarIcon.get(), icon);
}

TEST_F(StatusItemTrayTest, RemovedBeforeATrayStaysRemovedAndARebuildStartsOpen) {
    indicators->buildStatusItem();
    indicators->menuBar(0x10000);
    indicators->removeStatusItem();
    trays.start();
    EXPECT_FALSE(indicators->hasStatusItem());
    EXPECT_EQ(indicators->menuBarIcon, nullptr);

    indicators->buildStatusItem();
    ASSERT_NE(indicators->menuBarIcon, nullptr);
    EXPECT_EQ(indicators->menuBarIcon->icon().cacheKey(), indicators->openIcon.cacheKey());

    // The watcher outlives the indicators and must not call into them once they are gone.
    indicators.reset();
    EXPECT_FALSE(trays.appeared);
}

} // namespace
