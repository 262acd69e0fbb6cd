#pragma once

#include "tools/keyvigil-agent/AgentFile.h"

#include <QString>

#include <sys/types.h>

// Starting and stopping an agent's supervisor, from load and unload.
namespace SupervisorControl {

// The running supervisor of the agent file at `agentPath`, 0 when there is none.
pid_t runningSupervisor(const AgentFile& agent, const QString& agentPath);

// Starts `agentTool supervise AGENT_FILE` detached, unless a supervisor of the agent runs
// already, and waits until it has recorded itself. False with a one-line `error` otherwise.
bool start(const AgentFile& agent, const QString& agentPath, const QString& agentTool,
           QString& error);

// Stops the agent's supervisor, which stops its program, and waits until both are gone:
// about five seconds, then they are killed. Nothing to stop is no error.
bool stop(const AgentFile& agent, const QString& agentPath, QString& error);

// Whether the agent's supervisor runs its program now; `state` says so in one line, with the
// end of the log when the program is not running.
bool isProgramRunning(const AgentFile& agent, const QString& agentPath, QString& state);

} // namespace SupervisorControl
