#pragma once

#include <QString>

// Loads and unloads the per-user agent an agent file describes: loading starts its program and
// keeps it running, unloading stops it. Both wait until done; failures are not reported.
class AgentControl {
public:
    virtual ~AgentControl() = default;
    virtual void load(const QString& agentFile) = 0;
    virtual void unload(const QString& agentFile) = 0;
};
