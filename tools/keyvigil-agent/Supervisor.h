#pragma once

#include <QString>

// `keyvigil-agent supervise AGENT_FILE`: keeps the agent's program running where no user
// manager does. Called first thing in main, before any Qt object exists, in a process started
// detached; returns once SIGTERM or SIGINT has stopped it and its program, or, without
// KeepAlive, once the program has ended.
int superviseAgent(const QString& agentPath);
