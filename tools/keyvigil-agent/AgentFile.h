#pragma once

#include <QString>

#include <optional>

// The agent file the settings pane writes: which program to keep running, and under what name.
struct AgentFile {
    QString label;   // names the unit, the pid file, the log and the autostart entry
    QString program; // absolute path of an executable file
    bool runAtLoad = false;
    bool keepAlive = false;
};

// The agent file at `path`, checked so that its label and program can be written into units,
// entries and file names as they are; nullopt with a one-line `error` when it cannot be read
// or lacks what the tool needs.
std::optional<AgentFile> readAgentFile(const QString& path, QString& error);

// Whether loading the agent can start anything. Unloading does not ask: a helper that has
// gone from the disk must still be stopped.
bool canRun(const AgentFile& agent, QString& error);
