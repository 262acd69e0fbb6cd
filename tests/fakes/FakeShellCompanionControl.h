#pragma once

#include "platform/ShellCompanionControl.h"
#include "tests/fakes/Journal.h"

// The GNOME Shell companion as a test sets it. Turning it on records itself and answers
// `problem`; when that is empty the companion runs where the Shell has it, and is listed to run
// from the next login where it does not.
class FakeShellCompanionControl : public ShellCompanionControl {
public:
    explicit FakeShellCompanionControl(Journal& journal) : journal_(journal) {}

    CompanionStatus status() override { return current; }
    std::optional<QString> enable() override {
        journal_.record(QStringLiteral("companion enable"));
        if (problem)
            return problem;
        if (current.state == CompanionState::Disabled)
            current.state = CompanionState::Running;
        current.enabled = true;
        return std::nullopt;
    }

    CompanionStatus current;
    std::optional<QString> problem;

private:
    Journal& journal_;
};
