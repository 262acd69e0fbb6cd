#include "pane/SoundMenu.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundMenu, NamesAreReadableAndAlertsAreKnownByTheirWords) {
    for (const auto& [title, name] : {std::pair{"dialog-warning", "Dialog warning"},
                                      {"alarm-clock-elapsed", "Alarm clock elapsed"},
                                      {"my_own  sound", "My own sound"},
                                      {"Glass", "Glass"},
                                      {"--", "--"}})
        EXPECT_EQ(SoundMenu::readableName(title), name) << title;

    for (const char* alert : {"dialog-warning", "bell", "window-attention", "Suspend_Error"})
        EXPECT_TRUE(SoundMenu::isAlertLike(alert)) << alert;
    // Whole words only: a doorbell or bellows is no bell.
    for (const char* other :
         {"audio-channel-side-left", "phone-outgoing-busy", "doorbell", "bellows", "Glass"})
        EXPECT_FALSE(SoundMenu::isAlertLike(other)) << other;
}

TEST(SoundMenu, FixedItemsFirstThenEachFolderAlertsFirstEachTitleOnceInItsLastFolder) {
    const QList<SoundMenu::Folder> folders{
        {"Desktop",
         {"phone-outgoing-busy", "dialog-warning", "Ping", "bell", "CAPS", "trash-empty"}},
        {"Local", {}},
        {"Yours", {"Ping", "System Alert Sound", "zebra", "alarm"}},
    };
    QStringList shown;
    for (const PopupItem& item : SoundMenu::items(folders))
        shown.append(item.group + u'/' + item.title + u'=' + item.label);
    EXPECT_EQ(shown,
              QStringList({"/System Alert Sound=System Alert Sound", "/CAPS=Keyvigil’s own sound",
                           "Desktop/bell=Bell", "Desktop/dialog-warning=Dialog warning",
                           "Desktop/phone-outgoing-busy=Phone outgoing busy",
                           "Desktop/trash-empty=Trash empty", "Yours/alarm=Alarm",
                           "Yours/Ping=Ping", "Yours/zebra=Zebra"}));
}

} // namespace
