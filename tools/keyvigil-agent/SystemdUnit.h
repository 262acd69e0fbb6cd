#pragma once

#include "tools/keyvigil-agent/AgentFile.h"

#include <QString>

// The user unit that keeps an agent's program running under a systemd user manager.
namespace SystemdUnit {

QString unitName(const AgentFile& agent); // LABEL.service

// The unit file's text. With a graphical-session.target the unit runs with the graphical
// session and ends with it; without one it is wanted at the manager's start.
QString unitText(const AgentFile& agent, bool hasGraphicalSession);

// ExecStart's command for the program: its path as one quoted word, or, for a path systemd
// will not run directly, a shell given the path to run.
QString execStart(const QString& program);

// One word of a command line, as ExecStart reads it back: in double quotes, with backslashes
// and quotes escaped, and specifiers ('%') and variables ('$') doubled so that none expands.
QString quotedWord(const QString& word);

} // namespace SystemdUnit
