#pragma once

#include <QString>

#include <optional>

// The helper's agent, run by the agent tool: `load` registers it to start at login and starts it
// now, `stop` stops the running helper and keeps the registration, `unload` stops it and removes
// the registration. Each waits until done and gives nullopt, or one line saying why not.
class HelperAgent {
public:
    virtual ~HelperAgent() = default;
    virtual std::optional<QString> load(const QString& agentFile) = 0;
    virtual std::optional<QString> stop(const QString& agentFile) = 0;
    virtual std::optional<QString> unload(const QString& agentFile) = 0;
    // After a load, watches the helper for a moment: nullopt when it keeps running, else the
    // state it is in instead.
    virtual std::optional<QString> whyNotRunning(const QString& agentFile) = 0;
};
