#pragma once

#include "platform/MonitorEvent.h"

#include <QString>

#include <cstdint>
#include <optional>

using OSErr = std::int32_t;
inline constexpr OSErr procNotFound = -600;

// A process as the process manager names it: the two halves never name another process, even
// after its identifier is reused.
struct ProcessSerialNumber {
    std::uint32_t highLongOfPSN = 0;
    std::uint32_t lowLongOfPSN = 0;
    bool operator==(const ProcessSerialNumber&) const = default;
};

// The user's processes, walked in the process manager's order.
class ProcessManager {
public:
    virtual ~ProcessManager() = default;
    // Moves `psn` to the process after it ({0, 0}: the first); procNotFound after the last.
    virtual OSErr GetNextProcess(ProcessSerialNumber& psn) = 0;
    // The "FileCreator" of the process's information: the creator code of the application
    // bundle it runs from. nullopt when it has none or is gone.
    virtual std::optional<QString> fileCreator(const ProcessSerialNumber& psn) = 0;
    // The process's name; procNotFound when the process is gone.
    virtual OSErr CopyProcessName(const ProcessSerialNumber& psn, QString* name) = 0;
};
