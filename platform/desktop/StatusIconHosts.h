#pragma once

#include "platform/StatusIcons.h"

#include <vector>

// The places a status icon can go, in order of preference: the first available one takes the
// icon, and one line says which, once.
class StatusIconHosts final : public StatusIconHost {
public:
    struct Entry {
        const char* name; // for the log: "the panel's status-notifier host"
        StatusIconHost* host;
    };
    explicit StatusIconHosts(std::vector<Entry> hosts);

    bool available() const override;
    // Runs each time some host turns available.
    void setAppearedHandler(std::function<void()> handler) override;
    std::unique_ptr<StatusIcon> makeIcon() override;

private:
    std::vector<Entry> hosts_;
    const char* said_ = nullptr;
};
