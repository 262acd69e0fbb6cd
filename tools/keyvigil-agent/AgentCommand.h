#pragma once

#include <QStringList>

// `keyvigil-agent load|unload|stop|status AGENT_FILE`: a systemd user unit where a user
// manager runs, else a supervisor of our own with an autostart entry for the next login.
// `stop` stops the program until the next load or login; `status` prints its state in one
// line. `agentTool` is this program's own path, which the supervisor and the entry run again.
// Returns the exit status: 0 done (status: running), 1 failed (one line logged), 2 bad command
// line, kNotRunning from status when the program does not run.
inline constexpr int kNotRunning = 3;
int runAgentCommand(const QStringList& arguments, const QString& agentTool);
