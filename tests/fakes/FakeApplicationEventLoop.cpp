#include "tests/fakes/FakeApplicationEventLoop.h"

void FakeApplicationEventLoop::runApplicationEventLoop() {
    journal_.record(QStringLiteral("eventLoop run"));
    if (whileRunning)
        whileRunning();
}

void FakeApplicationEventLoop::exitToShell() {
    journal_.record(QStringLiteral("eventLoop exitToShell"));
    throw ExitToShellCalled{};
}
