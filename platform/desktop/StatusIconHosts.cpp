#include "platform/desktop/StatusIconHosts.h"

#include "shared/ProgramLog.h"

#include <algorithm>

StatusIconHosts::StatusIconHosts(std::vector<Entry> hosts) : hosts_(std::move(hosts)) {}

bool StatusIconHosts::available() const {
    return std::any_of(hosts_.begin(), hosts_.end(),
                       [](const Entry& entry) { return entry.host->available(); });
}

void StatusIconHosts::setAppearedHandler(std::function<void()> handler) {
    for (const Entry& entry : hosts_)
        entry.host->setAppearedHandler(handler);
}

std::unique_ptr<StatusIcon> StatusIconHosts::makeIcon() {
    for (const Entry& entry : hosts_) {
        if (!entry.host->available())
            continue;
        if (said_ != entry.name) {
            said_ = entry.name;
            qCInfo(programLog, "the status item is shown by %s", entry.name);
        }
        return entry.host->makeIcon();
    }
    return nullptr;
}
