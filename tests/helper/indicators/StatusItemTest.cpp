#include "helper/indicators/StatusItem.h"
#include "shared/PixelImage.h"
#include "tests/fakes/FakeStatusIcons.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

class StatusItemTest : public ::testing::Test {
protected:
    QStringList& calls() { return hosts.calls; }

    std::vector<bool> pauses;
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeStatusIconHost hosts;
    std::optional<StatusItem> item{std::in_place, "/bundle/Resources", kvObject, hosts};

    void SetUp() override {
        kvObject.pauseHandler = [this](bool paused) { pauses.push_back(paused); };
    }
};

TEST_F(StatusItemTest, PictureAndTooltipSayWhichWatchedKeysAreOnUntilRemoved) {
    item->show(0x400); // not built yet: nothing happens
    item->build();
    // Each change reaches the icon once it has been handled; changes within one come as the
    // last of them.
    for (const std::uint32_t active : {0x400u, 0x10000u, 0x10400u, 0x10200u, 0u}) {
        const qsizetype before = calls().size();
        item->show(active);
        EXPECT_EQ(calls().size(), before);
        QCoreApplication::processEvents();
        EXPECT_EQ(calls().size(), before + 1);
    }
    const QStringList handled = calls();
    item->show(0x400);
    item->show(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(calls(), handled + QStringList{"show KVOpen.svg No watched key is on"});
    EXPECT_EQ(handled,
              (QStringList{"makeIcon", "show KVOpen.svg No watched key is on",
                           "show KVClosed.svg Caps Lock is on", "show KVNumLock.svg Num Lock is on",
                           "show KVClosed.svg Caps Lock and Num Lock are on",
                           "show KVClosed.svg Num Lock is on / Shift is held down",
                           "show KVOpen.svg No watched key is on"}));
    item->remove();
    EXPECT_FALSE(item->built() || item->icon());
    calls().clear();
    item->show(0x400);
    item->build(); // a rebuild starts open
    EXPECT_EQ(calls(), (QStringList{"makeIcon", "show KVOpen.svg No watched key is on"}));
}

TEST_F(StatusItemTest, AHostStartingLaterShowsTheItemAsLastAskedForUnlessRemoved) {
    hosts.running = false;
    item->build();
    item->show(0x10000);
    item->remove();
    hosts.start();
    EXPECT_TRUE(calls().isEmpty());

    hosts.running = false;
    item->build();
    item->show(0x400);
    EXPECT_TRUE(item->built());
    EXPECT_EQ(item->icon(), nullptr);
    hosts.start();
    EXPECT_EQ(calls(), (QStringList{"makeIcon", "show KVClosed.svg Caps Lock is on"}));
    EXPECT_EQ(hosts.last->menuTexts(),
              (QStringList{"Open Keyvigil Settings…", "Pause Warnings for 5 Minutes"}));

    // The host outlives the item and must not call into it once it is gone.
    item.reset();
    EXPECT_FALSE(hosts.appeared);
}

TEST_F(StatusItemTest, PausingFromTheMenuTellsTheHelperAndEndsByHandOrAfterItsTime) {
    item->build();
    item->show(0x400);
    hosts.last->menu.at(1).triggered();
    EXPECT_EQ(pauses, std::vector<bool>{true});
    EXPECT_EQ(hosts.last->menuTexts(), (QStringList{"Open Keyvigil Settings…", "Resume Warnings"}));
    EXPECT_TRUE(calls().last().startsWith("show KVClosed.svg Caps Lock is on / Warnings paused "
                                          "until "))
        << calls().last().toStdString();

    hosts.last->menu.at(1).triggered();
    EXPECT_EQ(pauses, (std::vector<bool>{true, false}));
    EXPECT_EQ(calls().last(), "show KVClosed.svg Caps Lock is on");
    EXPECT_EQ(hosts.last->menu.at(1).text, "Pause Warnings for 5 Minutes");

    kvObject.pauseWarnings(std::chrono::milliseconds(20));
    QDeadlineTimer deadline(5000);
    while (pauses.size() < 4 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(pauses, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(kvObject.warningsPausedUntil().isValid());
}

// As the build draws them for the tray.
TEST(StatusItemPictures, EachPictureDrawsAnOpaquePadlockOfItsOwn) {
    std::vector<PixelImage> pictures;
    for (const char* name : {"KVOpen", "KVClosed", "KVNumLock"}) {
        const PixelImage picture =
            PixelImage::load(QStringLiteral(KEYVIGIL_TEST_IMAGES "/%1-22.pixels").arg(name));
        ASSERT_EQ(picture.size(), QSize(22, 22)) << name;
        EXPECT_EQ(picture.pixel(11, 18) >> 24, 255u) << name; // the padlock's body
        for (const PixelImage& other : pictures)
            EXPECT_NE(picture, other) << name;
        pictures.push_back(picture);
    }
}

} // namespace
