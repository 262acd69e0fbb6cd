#pragma once

#include "platform/HelperAgent.h"

// The helper's agent through the agent tool carried in the pane bundle, run without a shell so
// that no path is ever read as a command. A failing run's problem is the tool's own line.
class AgentTool final : public HelperAgent {
public:
    explicit AgentTool(QString tool) : tool_(std::move(tool)) {}

    std::optional<QString> load(const QString& agentFile) override;
    std::optional<QString> stop(const QString& agentFile) override;
    std::optional<QString> unload(const QString& agentFile) override;
    std::optional<QString> whyNotRunning(const QString& agentFile) override;

private:
    struct Run {
        int status = -1;
        QString output;  // the first line of standard output
        QString problem; // why the verb failed; empty when it did its work
    };
    Run run(const QString& verb, const QString& agentFile) const;
    std::optional<QString> step(const QString& verb, const QString& agentFile) const;

    QString tool_;
};
