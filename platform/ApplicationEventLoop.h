#pragma once

// The process's event loop and its immediate end.
class ApplicationEventLoop {
public:
    virtual ~ApplicationEventLoop() = default;
    // Dispatches events, callbacks and actions until the loop is quit.
    virtual void runApplicationEventLoop() = 0;
    // Ends the process at once: nothing is written, closed or stopped.
    [[noreturn]] virtual void exitToShell() = 0;
};
