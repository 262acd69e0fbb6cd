#pragma once

#include <QStringList>

#include <chrono>
#include <functional>

// The one application object of a test process, made on first use.
void ensureCoreApplication();

// Runs the event loop until done() holds or the time is up; returns done().
bool processEventsUntil(const std::function<bool()>& done,
                        std::chrono::milliseconds timeout = std::chrono::seconds(5));
void processEventsFor(std::chrono::milliseconds duration);

// Runs a command-line tool to its end; returns its exit code (negative when it did not run).
int runTool(const QString& program, const QStringList& arguments);
