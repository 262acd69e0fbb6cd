#include "pane/KeyboardAccessControl.h"
#include "tests/fakes/FakePanePlatform.h"
#include "tests/fakes/FakeShellCompanionControl.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using Change = KeyboardAccessFacts::Change;
using Method = KeyboardAccessMethod;
using Session = DesktopSession;

const QString kAllow = QStringLiteral("Allow Keyboard Access…");
const QString kTakeBack = QStringLiteral("Take Keyboard Access Back…");

// The group says what works in each session and offers only what the user can change. On GNOME
// it says where the Shell companion stands before what keyboard access adds, and its button turns
// the companion on wherever that is what is missing.
TEST(KeyboardAccessTexts, SayWhatWorksInEachSessionAndOfferOnlyWhatTheUserCanChange) {
    const QString turnOn = QStringLiteral("Turn On the GNOME Shell Companion");
    using State = CompanionState;
    const auto gnome = [](CompanionStatus companion, bool readable = false) {
        KeyboardAccessFacts facts{Session::Gnome, Method::SeatRule, readable};
        facts.companion = std::move(companion);
        return facts;
    };
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
        // Where the Shell companion stands comes first.
        {gnome({State::Missing}),
         "not installed; installing Keyvigil again installs it. No warnings work yet: GNOME",
         kAllow},
        {gnome({State::NotLoaded}), "turn it on here, then log out and back in", turnOn},
        {gnome({State::NotLoaded, true}),
         "is turned on, but GNOME starts a newly installed extension only when you log in", kAllow},
        {gnome({State::Disabled}), "installed but turned off", turnOn},
        {gnome({State::Disabled}, true), "All warnings work", turnOn},
        {gnome({State::Failed, true, 0, QStringLiteral("TypeError: x is undefined")}),
         "could not start Keyvigil's companion (TypeError: x is undefined)", kAllow},
        // Running, the locks work without keyboard access.
        {gnome({State::Running, true, 1}),
         "shows the indicators. Caps Lock and Num Lock warnings work. To count capital letters",
         kAllow},
        {gnome({State::Running, true, 2}),
         "does not match this Keyvigil (interface version 2, Keyvigil's 1)", kAllow},
    };
    for (const auto& row : rows) {
        const KeyboardAccessTexts texts = keyboardAccessTexts(row.facts, 1);
        SCOPED_TRACE(texts.message.toStdString());
        EXPECT_TRUE(texts.message.contains(QString::fromUtf8(row.says)));
        EXPECT_EQ(texts.button, row.button);
        EXPECT_EQ(texts.buttonTurnsOnCompanion, row.button == turnOn);
    }
    // Other desktops never hear of it.
    KeyboardAccessFacts kde{Session::KdePlasma};
    kde.companion = {State::Disabled};
    EXPECT_FALSE(keyboardAccessTexts(kde).message.contains("companion"));
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

// The companion is turned on only by the button, without touching keyboard access; a failure is
// said, and the group then tells the truth again.
TEST(KeyboardAccessGroup, TurnsTheCompanionOnOnlyOnTheButton) {
    FakePanePlatform fakes;
    FakeShellCompanionControl companion{fakes.journal};
    PanePlatform platform = fakes.platform;
    platform.shellCompanion = &companion;
    PaneContext pane{platform};
    KeyboardAccessControl group{pane};
    fakes.keyboardAccess.desktop = Session::Gnome;
    companion.current = {CompanionState::Disabled};
    group.willSelect();
    EXPECT_TRUE(fakes.journal.entries().filter("companion").isEmpty());
    companion.problem = QStringLiteral("GNOME's settings cannot be changed (gsettings)");
    group.buttonPressed();
    companion.problem.reset();
    group.buttonPressed();
    EXPECT_EQ(fakes.journal.entries().filter(QRegularExpression("^(confirm|keyboard|alert|comp)")),
              QStringList({"companion enable",
                           "alert GNOME Shell Companion Not Turned On | Keyvigil's GNOME Shell "
                           "companion was not turned on: GNOME's settings cannot be changed "
                           "(gsettings). | OK",
                           "companion enable"}));
    EXPECT_TRUE(fakes.form[Outlet::accessibilityMessage].text.contains(
        "is running: it tells Keyvigil about Caps Lock, Num Lock and the application in front, "
        "and shows the indicators. Keyvigil uses it from its next start"));
    // Running, the button is keyboard access's again.
    EXPECT_EQ(fakes.form[Outlet::accessibilityButton].text, kAllow);
    group.buttonPressed();
    EXPECT_TRUE(fakes.journal.entries().contains(
        "confirm Allow Keyvigil to Read the Keyboard? | Allow Access"));
}

} // namespace
