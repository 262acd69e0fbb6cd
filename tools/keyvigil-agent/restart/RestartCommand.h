#pragma once

#include <QStringList>

// `Restart PANE_BUNDLE PID`: waits for the preferences host PID to quit, then starts the same
// host program again on the pane bundle. Returns the exit status: 0 started, 1 failed (one
// line logged), 2 bad command line.
int runRestartCommand(const QStringList& arguments);
