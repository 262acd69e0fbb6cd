#pragma once

#include <QStringList>

// `keyvigil-agent load AGENT_FILE` and `unload AGENT_FILE`: a systemd user unit where a user
// manager runs, else a supervisor of our own with an autostart entry for the next login.
// `agentTool` is this program's own path, which the supervisor and the entry run again.
// Returns the exit status: 0 done, 1 failed (one line logged), 2 bad command line.
int runAgentCommand(const QStringList& arguments, const QString& agentTool);
