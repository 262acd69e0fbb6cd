#pragma once

#include "pane/PaneContext.h"
#include "platform/KeyboardAccess.h"
#include "platform/ShellCompanionControl.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

// What the General tab's keyboard-access group is told: the session, the access found now, and
// the change the user made during this visit, if any.
struct KeyboardAccessFacts {
    enum class Change : std::uint8_t { None, Granted, Revoked };

    DesktopSession session = DesktopSession::X11;
    KeyboardAccessMethod method = KeyboardAccessMethod::SeatRule;
    bool readable = false;
    bool lockLights = false;
    bool granted = false;
    Change change = Change::None;
    // On GNOME: the Shell companion, and whether the user turned it on during this visit.
    CompanionStatus companion{};
    bool companionTurnedOn = false;
};

struct KeyboardAccessTexts {
    QString message;
    QString button; // empty: the button is hidden
    // The button turns the GNOME Shell companion on rather than changing keyboard access.
    bool buttonTurnsOnCompanion = false;
};

// Which warnings work in the session, what keyboard access adds, and what the button offers; on
// GNOME also where the Shell companion stands, against the interface version given.
KeyboardAccessTexts keyboardAccessTexts(const KeyboardAccessFacts& facts,
                                        unsigned companionVersion = kCompanionInterfaceVersion);

// The keyboard-access group: its texts at each showing, and its button, which allows reading the
// keyboards or takes that back, each only after the user confirms and the administrator's
// password is given; on GNOME it first turns on the Shell companion, where that is off. The
// helper is left as it is: it reads the keyboards and uses the companion from its next start.
class KeyboardAccessControl {
    Q_DECLARE_TR_FUNCTIONS(KeyboardAccessControl)

public:
    explicit KeyboardAccessControl(PaneContext& pane) : pane_(pane) {}

    void willSelect();
    void buttonPressed();

private:
    void show();

    void turnOnCompanion(ShellCompanionControl& companion);

    PaneContext& pane_;
    KeyboardAccessFacts::Change change_ = KeyboardAccessFacts::Change::None;
    bool companionTurnedOn_ = false;
    bool buttonTurnsOnCompanion_ = false;
};
