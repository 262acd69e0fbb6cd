#pragma once

#include "platform/AgentControl.h"

// Loads and unloads agents with the agent tool carried in the pane bundle, run without a shell
// so that no path is ever read as a command. The tool's status is not looked at; its own line
// on stderr says what went wrong.
class AgentToolControl final : public AgentControl {
public:
    explicit AgentToolControl(QString tool) : tool_(std::move(tool)) {}

    void load(const QString& agentFile) override;
    void unload(const QString& agentFile) override;

private:
    void run(const QString& verb, const QString& agentFile);

    QString tool_;
};
