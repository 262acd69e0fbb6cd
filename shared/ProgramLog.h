#pragma once

#include <QLoggingCategory>

// The running program's one logging category: "keyvigil.helper", "keyvigil.preferences", ….
// Each start-up step that fails or falls back writes one line to it, on stderr, where the
// journal keeps it when the program runs as a service. Nothing is written per key or warning.
//
// Call setProgramLogName first thing in main, before anything logs.
void setProgramLogName(const char* name);
const QLoggingCategory& programLog();
