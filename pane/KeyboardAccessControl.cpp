#include "pane/KeyboardAccessControl.h"

#include "shared/ProgramLog.h"

#include <QStringList>

using Change = KeyboardAccessFacts::Change;

namespace {

QString allowButton() {
    return KeyboardAccessControl::tr("Allow Keyboard Access…");
}

QString takeBackButton() {
    return KeyboardAccessControl::tr("Take Keyboard Access Back…");
}

KeyboardAccessTexts x11Texts(const KeyboardAccessFacts& facts, QStringList said) {
    said << KeyboardAccessControl::tr(
        "In an X11 session Keyvigil sees every key typed: all its warnings work, and "
        "nothing needs to be allowed.");
    if (facts.granted)
        said << KeyboardAccessControl::tr(
            "Keyboard access, which only Wayland sessions need, is allowed; take it back "
            "if you do not use them.");
    return {said.join(u' '), facts.granted ? takeBackButton() : QString()};
}

KeyboardAccessTexts readableTexts(const KeyboardAccessFacts& facts, QStringList said) {
    const bool groupStays =
        facts.change == Change::Revoked && facts.method == KeyboardAccessMethod::InputGroup;
    if (groupStays) {
        // The group counts until the session ends.
        said = QStringList{KeyboardAccessControl::tr(
            "Keyboard access is taken back from your next login; until then "
            "this session can still read the keyboards.")};
    } else if (facts.change == Change::Granted) {
        said << KeyboardAccessControl::tr(
            "Keyboard access is allowed: from its next start, when you close this "
            "window, Keyvigil reads the keyboards, and all its warnings work.");
    } else if (facts.granted) {
        said << KeyboardAccessControl::tr(
            "All warnings work: Keyvigil reads the keyboards to count capital letters.");
    } else {
        said << KeyboardAccessControl::tr(
            "All warnings work: this user can read the keyboards, so Keyvigil counts "
            "capital letters too. That access was not given by Keyvigil, so it is not "
            "taken back here.");
    }
    said << KeyboardAccessControl::tr("Keyvigil keeps nothing of what you type.");
    return {said.join(u' '), facts.granted ? takeBackButton() : QString()};
}

bool companionRuns(const KeyboardAccessFacts& facts) {
    return facts.session == DesktopSession::Gnome &&
           facts.companion.state == CompanionState::Running;
}

// What the GNOME Shell companion does for Keyvigil, and what it needs.
QStringList companionSentences(const KeyboardAccessFacts& facts, unsigned ourVersion) {
    const CompanionStatus& companion = facts.companion;
    QStringList said;
    switch (companion.state) {
    case CompanionState::Unsupported:
        break;
    case CompanionState::Missing:
        said << KeyboardAccessControl::tr(
            "Keyvigil's GNOME Shell companion is not installed; installing Keyvigil again "
            "installs it.");
        break;
    case CompanionState::NotLoaded:
        said << (companion.enabled
                     ? KeyboardAccessControl::tr(
                           "Keyvigil's GNOME Shell companion is turned on, but GNOME starts a "
                           "newly installed extension only when you log in: log out and back in.")
                     : KeyboardAccessControl::tr(
                           "Keyvigil's GNOME Shell companion is installed, but GNOME starts a "
                           "newly installed extension only when you log in: turn it on here, "
                           "then log out and back in."));
        break;
    case CompanionState::Disabled:
        said << KeyboardAccessControl::tr(
            "Keyvigil's GNOME Shell companion is installed but turned off; turned on, it tells "
            "Keyvigil about Caps Lock, Num Lock and the application in front, and shows the "
            "indicators.");
        break;
    case CompanionState::Failed:
        said << KeyboardAccessControl::tr(
                    "GNOME Shell could not start Keyvigil's companion (%1); installing Keyvigil "
                    "again, then logging out and back in, usually settles it.")
                    .arg(companion.error.isEmpty() ? KeyboardAccessControl::tr("no reason given")
                                                   : companion.error);
        break;
    case CompanionState::Running:
        said << KeyboardAccessControl::tr(
            "Keyvigil's GNOME Shell companion is running: it tells Keyvigil about Caps Lock, "
            "Num Lock and the application in front, and shows the indicators.");
        if (facts.companionTurnedOn)
            said << KeyboardAccessControl::tr(
                "Keyvigil uses it from its next start, when you close this window.");
        if (companion.version != 0 && companion.version != ourVersion)
            said << KeyboardAccessControl::tr(
                        "It does not match this Keyvigil (interface version %1, Keyvigil's %2): "
                        "install them together, then log out and back in.")
                        .arg(companion.version)
                        .arg(ourVersion);
        break;
    }
    return said;
}

bool offersCompanion(const CompanionStatus& companion) {
    return companion.state == CompanionState::Disabled ||
           (companion.state == CompanionState::NotLoaded && !companion.enabled);
}

KeyboardAccessTexts unreadableTexts(const KeyboardAccessFacts& facts, QStringList said) {
    // KWin and the GNOME Shell companion tell the helper; elsewhere it reads the lights, which
    // anyone may.
    const bool locks =
        facts.session == DesktopSession::KdePlasma || facts.lockLights || companionRuns(facts);
    if (locks)
        said << KeyboardAccessControl::tr("Caps Lock and Num Lock warnings work.");
    else if (facts.session == DesktopSession::Gnome)
        said << KeyboardAccessControl::tr(
            "No warnings work yet: GNOME does not tell other programs about Caps Lock and "
            "Num Lock.");
    else
        said << KeyboardAccessControl::tr(
            "No warnings work yet: this desktop does not tell other programs about Caps "
            "Lock and Num Lock.");
    if (!facts.granted)
        said << (locks ? KeyboardAccessControl::tr(
                             "To count capital letters, Keyvigil must be allowed to read the "
                             "keyboard.")
                       : KeyboardAccessControl::tr(
                             "To warn about them and count capital letters, Keyvigil must be "
                             "allowed to read the keyboard."));
    else if (facts.method == KeyboardAccessMethod::InputGroup)
        said << (locks ? KeyboardAccessControl::tr(
                             "Keyboard access is allowed from your next login: log out and back "
                             "in, and Keyvigil counts capital letters too.")
                       : KeyboardAccessControl::tr(
                             "Keyboard access is allowed from your next login: log out and back "
                             "in, and all of Keyvigil's warnings work."));
    else
        said << KeyboardAccessControl::tr(
            "Keyboard access is allowed, but this session cannot read the keyboards yet; "
            "logging out and back in usually settles it.");
    return {said.join(u' '), facts.granted ? takeBackButton() : allowButton()};
}

Confirmation grantConfirmation(KeyboardAccessMethod method) {
    const QString who = method == KeyboardAccessMethod::SeatRule
                            ? KeyboardAccessControl::tr(
                                  "The same goes for anyone else who logs in at this computer.")
                            : KeyboardAccessControl::tr("It takes effect from your next login.");
    return {KeyboardAccessControl::tr("Allow Keyvigil to Read the Keyboard?"),
            KeyboardAccessControl::tr(
                "To count capital letters in a Wayland session, Keyvigil must read the keyboards "
                "directly. Once this is allowed, every program you run, not only Keyvigil, could "
                "read everything typed on this computer's keyboards, passwords included. "
                "%1\n\nKeyvigil keeps nothing of what you type: it never stores, logs or sends "
                "it. You can take the access back here at any time.\n\nThe administrator's "
                "password is asked for next.")
                .arg(who),
            KeyboardAccessControl::tr("Allow Access")};
}

Confirmation revokeConfirmation(KeyboardAccessMethod method) {
    return {KeyboardAccessControl::tr("Take Keyboard Access Back?"),
            method == KeyboardAccessMethod::InputGroup
                ? KeyboardAccessControl::tr(
                      "Programs will no longer be able to read the keyboards directly, and in "
                      "Wayland sessions Keyvigil will no longer count capital letters. This takes "
                      "effect from your next login.\n\nThe administrator's password is asked for "
                      "next.")
                : KeyboardAccessControl::tr(
                      "Programs will no longer be able to read the keyboards directly, and in "
                      "Wayland sessions Keyvigil will no longer count capital letters.\n\nThe "
                      "administrator's password is asked for next."),
            KeyboardAccessControl::tr("Take Access Back")};
}

} // namespace

KeyboardAccessTexts keyboardAccessTexts(const KeyboardAccessFacts& facts,
                                        unsigned companionVersion) {
    QStringList said;
    if (facts.session == DesktopSession::Gnome)
        said << companionSentences(facts, companionVersion);
    if (facts.change == Change::Revoked)
        said << KeyboardAccessControl::tr("Keyboard access is taken back.");
    if (facts.session == DesktopSession::X11)
        return x11Texts(facts, said);
    KeyboardAccessTexts texts =
        facts.readable ? readableTexts(facts, said) : unreadableTexts(facts, said);
    // The companion comes first: without it GNOME tells nothing of the locks.
    if (facts.session == DesktopSession::Gnome && offersCompanion(facts.companion))
        texts = {texts.message, KeyboardAccessControl::tr("Turn On the GNOME Shell Companion"),
                 true};
    return texts;
}

void KeyboardAccessControl::willSelect() {
    change_ = Change::None;
    companionTurnedOn_ = false;
    show();
}

void KeyboardAccessControl::show() {
    KeyboardAccess& access = pane_.platform.keyboardAccess;
    KeyboardAccessFacts facts{access.session(),           access.method(),
                              access.keyboardsReadable(), access.lockLightsReadable(),
                              access.granted(),           change_};
    if (facts.session == DesktopSession::Gnome && pane_.platform.shellCompanion) {
        facts.companion = pane_.platform.shellCompanion->status();
        facts.companionTurnedOn = companionTurnedOn_;
    }
    const KeyboardAccessTexts texts = keyboardAccessTexts(facts, kCompanionInterfaceVersion);
    buttonTurnsOnCompanion_ = texts.buttonTurnsOnCompanion;
    PaneForm& form = pane_.platform.form;
    form.setStringValue(Outlet::accessibilityMessage, texts.message);
    form.setStringValue(Outlet::accessibilityButton, texts.button);
    form.setHidden(Outlet::accessibilityButton, texts.button.isEmpty());
}

void KeyboardAccessControl::buttonPressed() {
    if (buttonTurnsOnCompanion_ && pane_.platform.shellCompanion) {
        turnOnCompanion(*pane_.platform.shellCompanion);
        return;
    }
    KeyboardAccess& access = pane_.platform.keyboardAccess;
    const bool takingBack = access.granted();
    const Confirmation confirmation =
        takingBack ? revokeConfirmation(access.method()) : grantConfirmation(access.method());
    if (!pane_.platform.confirmations.confirm(confirmation))
        return;
    if (const auto problem = takingBack ? access.revoke() : access.grant()) {
        const QString title = takingBack
                                  ? KeyboardAccessControl::tr("Keyboard Access Not Taken Back")
                                  : KeyboardAccessControl::tr("Keyboard Access Not Allowed");
        const QString message =
            (takingBack ? KeyboardAccessControl::tr("Keyboard access was not taken back: %1.")
                        : KeyboardAccessControl::tr("Keyboard access was not allowed: %1."))
                .arg(*problem);
        qCWarning(programLog).noquote() << title + QStringLiteral(": ") + message;
        pane_.platform.host.runAlertPanel(title, message, KeyboardAccessControl::tr("OK"));
    } else {
        change_ = takingBack ? Change::Revoked : Change::Granted;
    }
    show();
}

void KeyboardAccessControl::turnOnCompanion(ShellCompanionControl& companion) {
    if (const auto problem = companion.enable()) {
        const QString title = KeyboardAccessControl::tr("GNOME Shell Companion Not Turned On");
        const QString message =
            KeyboardAccessControl::tr("Keyvigil's GNOME Shell companion was not turned on: %1.")
                .arg(*problem);
        qCWarning(programLog).noquote() << title + QStringLiteral(": ") + message;
        pane_.platform.host.runAlertPanel(title, message, KeyboardAccessControl::tr("OK"));
    } else {
        companionTurnedOn_ = true;
    }
    show();
}
