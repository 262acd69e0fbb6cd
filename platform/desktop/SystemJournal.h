#pragma once

#include <QString>

#include <cstdint>

#include <functional>
#include <memory>
#include <vector>

using sd_journal = struct sd_journal;

// The user's journal, read through libsystemd: this boot's lines in the system log's layout,
// and the text reports of the user's programs that dumped core.
class SystemJournal {
public:
    struct CoreDump {
        // The crashed program's executable name, e.g. "Keyvigil Helper".
        QString program;
        // When it crashed, in microseconds since the epoch.
        std::uint64_t timestamp = 0;
        QString report;
    };

    // nullptr when there is no journal to read, or it holds nothing of this boot.
    static std::unique_ptr<SystemJournal> open();
    ~SystemJournal();
    SystemJournal(const SystemJournal&) = delete;
    SystemJournal& operator=(const SystemJournal&) = delete;

    // "Dec  7 05:40:12 host Keyvigil Helper[1234]: message", oldest first; a message of several
    // lines gives several lines.
    void forEachLineOfThisBoot(const std::function<void(const QString&)>& visit);
    // The user's core dumps kept in the journal, oldest first.
    std::vector<CoreDump> coreDumps();

private:
    explicit SystemJournal(sd_journal* journal) : journal_(journal) {}
    sd_journal* journal_;
};
