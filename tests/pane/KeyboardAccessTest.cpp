#include "pane/KeyboardAccessControl.h"
#include "tests/fakes/FakePanePlatform.h"

#include <gtest/gtest.h>

namespace {

using Change = KeyboardAccessFacts::Change;
using Method = KeyboardAccessMethod;
using Session = DesktopSession;

const QString kAllow = QStringLiteral("Allow Keyboard Access…");
const QString kTakeBack = QStringLiteral("Take Keyboard Access Back…");

TEST(KeyboardAccessTexts, SayWhatWorksInEachSessionAndOfferOnlyWhatTheUserCanChange) {
    const struct {
        KeyboardAccessFacts facts;
        const char* says;
        QString button; // empty: hidden
    } rows[] = {
        {{Session::X11}, "nothing needs to be allowed.", {}},
        {{Session::X11, Method::SeatRule, false, false, true},
         "only Wayland sessions need",
         kTakeBack},
        // KWin tells the locks; elsewhere the lights do, when there are any.
        {{Session::KdePlasma},
         "Caps Lock and Num Lock warnings work. To count capital letters, Keyvigil must be "
         "allowed to read the keyboard.",
         kAllow},
        {{Session::Wlroots, Method::SeatRule, false, true},
         "Num Lock warnings work. To count",
         kAllow},
        {{Session::Wlroots}, "this desktop does not tell", kAllow},
        {{Session::Gnome},
         "GNOME does not tell other programs about Caps Lock and Num Lock. To "
         "warn about them and count capital letters",
         kAllow},
        {{Session::Gnome, Method::SeatRule, true, false, true}, "All warnings work", kTakeBack},
        // Access the user had before is not Keyvigil's to take back.
        {{Session::Wlroots, Method::SeatRule, true}, "not given by Keyvigil", {}},
        {{Session::KdePlasma, Method::SeatRule, false, false, true},
         "cannot read the keyboards yet",
         kTakeBack},
        {{Session::KdePlasma, Method::InputGroup, false, false, true},
         "allowed from your next login: log out and back in, and Keyvigil counts capital letters",
         kTakeBack},
        {{Session::Wlroots, Method::SeatRule, true, false, true, Change::Granted},
         "from its next start, when you close this window",
         kTakeBack},
        // The group stays with the session until it ends.
        {{Session::Gnome, Method::InputGroup, true, false, false, Change::Revoked},
         "taken back from your next login; until then",
         {}},
        {{Session::Wlroots, Method::SeatRule, false, true, false, Change::Revoked},
         "Keyboard access is taken back. Caps Lock",
         kAllow},
    };
    for (const auto& row : rows) {
        const KeyboardAccessTexts texts = keyboardAccessTexts(row.facts);
        SCOPED_TRACE(texts.message.toStdString());
        EXPECT_TRUE(texts.message.contains(QString::fromUtf8(row.says)));
        EXPECT_EQ(texts.button, row.button);
    }
}

class KeyboardAccessGroup : public ::testing::Test {
protected:
    KeyboardAccessGroup() { access.desktop = Session::Wlroots; }
    const FakePaneForm::Control& button() { return fakes.form[Outlet::accessibilityButton]; }
    QString message() { return fakes.form[Outlet::accessibilityMessage].text; }

    FakePanePlatform fakes;
    FakeKeyboardAccess& access = fakes.keyboardAccess;
    PaneContext pane{fakes.platform};
    KeyboardAccessControl group{pane};
};

TEST_F(KeyboardAccessGroup, NothingChangesWithoutTheUsersConfirmation) {
    group.willSelect();
    access.confirms = false;
    group.buttonPressed();
    EXPECT_EQ(fakes.journal.entries().filter("confirm").join(""),
              "confirm Allow Keyvigil to Read the Keyboard? | Allow Access");
    EXPECT_TRUE(fakes.journal.entries().filter("keyboard access").isEmpty());
    EXPECT_EQ(button().text, kAllow);
    // The user is told what any program could then read, and that it can be taken back.
    for (const char* told : {"every program you run", "passwords included", "keeps nothing",
                             "take the access back", "administrator's password"})
        EXPECT_TRUE(access.lastConfirmation.message.contains(told)) << told;
}

TEST_F(KeyboardAccessGroup, AGrantChangesTheGroupAndAFailedRevokeIsSaidAndChangesNothing) {
    group.willSelect();
    group.buttonPressed();
    EXPECT_EQ(fakes.journal.take().filter("keyboard access"), QStringList{"keyboard access grant"});
    EXPECT_TRUE(message().contains("from its next start"));
    EXPECT_EQ(button().text, kTakeBack);
    EXPECT_FALSE(button().hidden);

    access.problem = QStringLiteral("the administrator's password was not given");
    group.buttonPressed();
    EXPECT_EQ(fakes.journal.take(),
              QStringList({"confirm Take Keyboard Access Back? | Take Access Back",
                           "keyboard access revoke",
                           "alert Keyboard Access Not Taken Back | Keyboard access was not taken "
                           "back: the administrator's password was not given. | OK",
                           "form setHidden accessibilityButton NO"}));
    EXPECT_EQ(button().text, kTakeBack);

    // The next showing forgets this visit's change.
    group.willSelect();
    EXPECT_FALSE(message().contains("next start"));
}

} // namespace
