#include "platform/desktop/QtApplicationEventLoop.h"

#include <QCoreApplication>

#include <unistd.h>

void QtApplicationEventLoop::runApplicationEventLoop() {
    QCoreApplication::exec();
}

void QtApplicationEventLoop::exitToShell() {
    // No destructors, no atexit handlers, no buffered output: the process simply ends.
    _exit(0);
}
