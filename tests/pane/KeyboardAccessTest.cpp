#include "pane/KeyboardAccessControl.h"
#include "tests/fakes/FakePanePlatform.h"

#include <QRegularExpression>

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

// Nothing runs without the user's confirmation, which says what any program could then read.
TEST(KeyboardAccessGroup, ChangesOnlyAfterConfirmingAndSaysWhyNot) {
    FakePanePlatform fakes;
    FakeKeyboardAccess& access = fakes.keyboardAccess;
    PaneContext pane{fakes.platform};
    KeyboardAccessControl group{pane};
    access.desktop = Session::Wlroots;
    group.willSelect();
    access.confirms = false;
    group.buttonPressed();
    for (const char* told : {"every program you run", "passwords included", "keeps nothing"})
        EXPECT_TRUE(access.lastConfirmation.message.contains(told)) << told;
    access.confirms = true;
    group.buttonPressed();
    access.problem = QStringLiteral("the administrator's password was not given");
    group.buttonPressed();
    EXPECT_EQ(fakes.journal.entries().filter(QRegularExpression("^(confirm|keyboard|alert)")),
              QStringList({"confirm Allow Keyvigil to Read the Keyboard? | Allow Access",
                           "confirm Allow Keyvigil to Read the Keyboard? | Allow Access",
                           "keyboard access grant",
                           "confirm Take Keyboard Access Back? | Take Access Back",
                           "keyboard access revoke",
                           "alert Keyboard Access Not Taken Back | Keyboard access was not taken "
                           "back: the administrator's password was not given. | OK"}));
    EXPECT_EQ(fakes.form[Outlet::accessibilityButton].text, kTakeBack);
    EXPECT_TRUE(fakes.form[Outlet::accessibilityMessage].text.contains("from its next start"));
    group.willSelect(); // a new visit forgets the change
    EXPECT_FALSE(fakes.form[Outlet::accessibilityMessage].text.contains("next start"));
}

} // namespace
