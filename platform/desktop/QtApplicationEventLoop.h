#pragma once

#include "platform/ApplicationEventLoop.h"

// The application's event loop is Qt's; a QCoreApplication (or subclass) must exist.
class QtApplicationEventLoop final : public ApplicationEventLoop {
public:
    void runApplicationEventLoop() override;
    [[noreturn]] void exitToShell() override;
};
