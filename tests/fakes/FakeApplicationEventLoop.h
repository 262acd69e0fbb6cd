#pragma once

#include "platform/ApplicationEventLoop.h"
#include "tests/fakes/Journal.h"

#include <functional>

// Thrown by the fake's exitToShell, so that a test can observe the end of the process.
struct ExitToShellCalled {};

// The event loop returns at once unless a test gives it something to run inside the loop.
class FakeApplicationEventLoop : public ApplicationEventLoop {
public:
    explicit FakeApplicationEventLoop(Journal& journal) : journal_(journal) {}

    void runApplicationEventLoop() override;
    [[noreturn]] void exitToShell() override;

    std::function<void()> whileRunning;

private:
    Journal& journal_;
};
