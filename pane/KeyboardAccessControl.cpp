#include "pane/KeyboardAccessControl.h"

#include "shared/ProgramLog.h"

#include <QStringList>

using Change = KeyboardAccessFacts::Change;

namespace {

const QString kAllow = QStringLiteral("Allow Keyboard Access…");
const QString kTakeBack = QStringLiteral("Take Keyboard Access Back…");
const QString kKeepsNothing = QStringLiteral("Keyvigil keeps nothing of what you type.");

KeyboardAccessTexts x11Texts(const KeyboardAccessFacts& facts, QStringList said) {
    said << QStringLiteral("In an X11 session Keyvigil sees every key typed: all its warnings "
                           "work, and nothing needs to be allowed.");
    if (facts.granted)
        said << QStringLiteral("Keyboard access, which only Wayland sessions need, is allowed; "
                               "take it back if you do not use them.");
    return {said.join(u' '), facts.granted ? kTakeBack : QString()};
}

KeyboardAccessTexts readableTexts(const KeyboardAccessFacts& facts, QStringList said) {
    const bool groupStays =
        facts.change == Change::Revoked && facts.method == KeyboardAccessMethod::InputGroup;
    if (groupStays) {
        // The group counts until the session ends.
        said = QStringList{QStringLiteral("Keyboard access is taken back from your next login; "
                                          "until then this session can still read the "
                                          "keyboards.")};
    } else if (facts.change == Change::Granted) {
        said << QStringLiteral("Keyboard access is allowed: from its next start, when you close "
                               "this window, Keyvigil reads the keyboards, and all its warnings "
                               "work.");
    } else if (facts.granted) {
        said << QStringLiteral("All warnings work: Keyvigil reads the keyboards to count capital "
                               "letters.");
    } else {
        said << QStringLiteral("All warnings work: this user can read the keyboards, so Keyvigil "
                               "counts capital letters too. That access was not given by Keyvigil, "
                               "so it is not taken back here.");
    }
    said << kKeepsNothing;
    return {said.join(u' '), facts.granted ? kTakeBack : QString()};
}

KeyboardAccessTexts unreadableTexts(const KeyboardAccessFacts& facts, QStringList said) {
    // KWin tells the helper; elsewhere it reads the lights, which anyone may.
    const bool locks = facts.session == DesktopSession::KdePlasma || facts.lockLights;
    if (locks)
        said << QStringLiteral("Caps Lock and Num Lock warnings work.");
    else
        said << QStringLiteral("No warnings work yet: %1 does not tell other programs about Caps "
                               "Lock and Num Lock.")
                    .arg(facts.session == DesktopSession::Gnome ? QStringLiteral("GNOME")
                                                                : QStringLiteral("this desktop"));
    const QString gains = locks ? QStringLiteral("counts capital letters too")
                                : QStringLiteral("all its warnings work");
    if (!facts.granted)
        said << (locks ? QStringLiteral("To count capital letters, Keyvigil must be allowed to "
                                        "read the keyboard.")
                       : QStringLiteral("To warn about them and count capital letters, Keyvigil "
                                        "must be allowed to read the keyboard."));
    else if (facts.method == KeyboardAccessMethod::InputGroup)
        said << QStringLiteral("Keyboard access is allowed from your next login: log out and back "
                               "in, and Keyvigil %1.")
                    .arg(gains);
    else
        said << QStringLiteral("Keyboard access is allowed, but this session cannot read the "
                               "keyboards yet; logging out and back in usually settles it.");
    return {said.join(u' '), facts.granted ? kTakeBack : kAllow};
}

Confirmation grantConfirmation(KeyboardAccessMethod method) {
    const QString who =
        method == KeyboardAccessMethod::SeatRule
            ? QStringLiteral("The same goes for anyone else who logs in at this computer.")
            : QStringLiteral("It takes effect from your next login.");
    return {QStringLiteral("Allow Keyvigil to Read the Keyboard?"),
            QStringLiteral("To count capital letters in a Wayland session, Keyvigil must read the "
                           "keyboards directly. Once this is allowed, every program you run, not "
                           "only Keyvigil, could read everything typed on this computer's "
                           "keyboards, passwords included. %1\n\nKeyvigil keeps nothing of what "
                           "you type: it never stores, logs or sends it. You can take the access "
                           "back here at any time.\n\nThe administrator's password is asked for "
                           "next.")
                .arg(who),
            QStringLiteral("Allow Access")};
}

Confirmation revokeConfirmation(KeyboardAccessMethod method) {
    const QString when = method == KeyboardAccessMethod::InputGroup
                             ? QStringLiteral(" This takes effect from your next login.")
                             : QString();
    return {QStringLiteral("Take Keyboard Access Back?"),
            QStringLiteral("Programs will no longer be able to read the keyboards directly, and "
                           "in Wayland sessions Keyvigil will no longer count capital letters.%1"
                           "\n\nThe administrator's password is asked for next.")
                .arg(when),
            QStringLiteral("Take Access Back")};
}

} // namespace

KeyboardAccessTexts keyboardAccessTexts(const KeyboardAccessFacts& facts) {
    QStringList said;
    if (facts.change == Change::Revoked)
        said << QStringLiteral("Keyboard access is taken back.");
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
        const QString title = takingBack ? QStringLiteral("Keyboard Access Not Taken Back")
                                         : QStringLiteral("Keyboard Access Not Allowed");
        const QString message = (takingBack ? QStringLiteral("Keyboard access was not taken back: ")
                                            : QStringLiteral("Keyboard access was not allowed: ")) +
                                *problem + u'.';
        qCWarning(programLog).noquote() << title + QStringLiteral(": ") + message;
        pane_.platform.host.runAlertPanel(title, message, QStringLiteral("OK"));
    } else {
        change_ = takingBack ? Change::Revoked : Change::Granted;
    }
    show();
}
