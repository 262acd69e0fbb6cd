#pragma once

#include "tools/keyvigil-agent/AgentFile.h"

#include <QString>

// Loading and unloading an agent as a unit of the user's systemd manager, through systemctl.
namespace SystemdUserManager {

// Whether a user manager answers; files alone say nothing about one running.
bool isRunning();

// Writes the unit, hands the session's display and bus to the manager, enables the unit and
// (re)starts it. False with a one-line `error` when a step fails.
bool load(const AgentFile& agent, QString& error);

// Stops and disables the unit and removes its file. No unit file is no error.
bool unload(const AgentFile& agent, QString& error);

// Stops the unit and leaves it enabled, so that the next login starts it again.
bool stop(const AgentFile& agent, QString& error);

// Whether the unit's program runs; `state` says how the unit is, in one line.
bool isActive(const AgentFile& agent, QString& state);

} // namespace SystemdUserManager
