#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <ostream>

// The one application object of a test process, made on first use (offscreen when unset).
void ensureApplication();

// Runs the event loop until done() holds or the time is up; returns done().
bool processEventsUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = std::chrono::seconds(5));
void processEventsFor(std::chrono::milliseconds duration);

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
