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

KeyboardAccessTexts unreadableTexts(const KeyboardAccessFacts& facts, QStringList said) {
    // KWin tells the helper; elsewhere it reads the lights, which anyone may.
    const bool locks = facts.session == DesktopSession::KdePlasma || facts.lockLights;
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

KeyboardAccessTexts keyboardAccessTexts(const KeyboardAccessFacts& facts) {
    QStringList said;
    if (facts.change == Change::Revoked)
        said << KeyboardAccessControl::tr("Keyboard access is taken back.");
    if (facts.session == DesktopSession::X11)
        return x11Texts(facts, said);
    return facts.readable ? readableTexts(facts, said) : unreadableTexts(facts, said);
}

void KeyboardAccessControl::willSelect() {
    change_ = Change::None;
    show();
}

void KeyboardAccessControl::show() {
    KeyboardAccess& access = pane_.platform.keyboardAccess;
    const KeyboardAccessFacts facts{access.session(),           access.method(),
                                    access.keyboardsReadable(), access.lockLightsReadable(),
                                    access.granted(),           change_};
    const KeyboardAccessTexts texts = keyboardAccessTexts(facts);
    PaneForm& form = pane_.platform.form;
    form.setStringValue(Outlet::accessibilityMessage, texts.message);
    form.setStringValue(Outlet::accessibilityButton, texts.button);
    form.setHidden(Outlet::accessibilityButton, texts.button.isEmpty());
}

void KeyboardAccessControl::buttonPressed() {
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
