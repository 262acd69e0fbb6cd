#pragma once

#include "pane/ConfirmationService.h"
#include "platform/KeyboardAccess.h"
#include "tests/fakes/Journal.h"

// Keyboard access as a test sets it, and the user's answer to a confirmation. A grant or revoke
// records itself and answers `problem`; when that is empty it changes `isGranted` as the real
// one would, and reading follows it.
class FakeKeyboardAccess : public KeyboardAccess, public ConfirmationService {
public:
    explicit FakeKeyboardAccess(Journal& journal) : journal_(journal) {}

    DesktopSession session() const override { return desktop; }
    KeyboardAccessMethod method() const override { return how; }
    bool keyboardsReadable() override { return readable; }
    bool lockLightsReadable() override { return lights; }
    bool granted() override { return isGranted; }
    std::optional<QString> grant() override { return change(QStringLiteral("grant"), true); }
    std::optional<QString> revoke() override { return change(QStringLiteral("revoke"), false); }

    bool confirm(const Confirmation& confirmation) override {
        journal_.record(
            QStringLiteral("confirm %1 | %2").arg(confirmation.title, confirmation.confirmButton));
        lastConfirmation = confirmation;
        return confirms;
    }

    DesktopSession desktop = DesktopSession::X11;
    KeyboardAccessMethod how = KeyboardAccessMethod::SeatRule;
    bool readable = false;
    bool lights = false;
    bool isGranted = false;
    std::optional<QString> problem;
    bool confirms = true;
    Confirmation lastConfirmation;

private:
    std::optional<QString> change(const QString& verb, bool grants) {
        journal_.record(QStringLiteral("keyboard access ") + verb);
        if (problem)
            return problem;
        isGranted = grants;
        readable = grants;
        return std::nullopt;
    }

    Journal& journal_;
};
