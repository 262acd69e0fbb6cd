#pragma once

#include "platform/ProcessManager.h"

#include <sys/types.h>

#include <optional>
#include <vector>

// The user's processes from /proc, in PID order. A process's serial number is its start time
// (in clock ticks since boot, as /proc/PID/stat gives it) and its PID, so that a reused PID never
// names the process that had it before. Its creator code is the CFBundleSignature of the
// application bundle whose Contents/MacOS folder holds its executable.
//
// With KEYVIGIL_PROCESS_SCOPE set, only the processes started with the same value in their
// environment are listed: the end-to-end tests give each private desktop its own, so that a
// settings window there never stops a helper of another test run or of the user's session.
class ProcProcessManager final : public ProcessManager {
public:
    static constexpr char kProcessScopeVariable[] = "KEYVIGIL_PROCESS_SCOPE";

    OSErr GetNextProcess(ProcessSerialNumber& psn) override;
    std::optional<QString> fileCreator(const ProcessSerialNumber& psn) override;
    OSErr CopyProcessName(const ProcessSerialNumber& psn, QString* name) override;

    // The serial number of a running process; nullopt when there is none with that PID.
    static std::optional<ProcessSerialNumber> serialNumberOf(pid_t pid);

private:
    std::vector<pid_t> snapshot_;
};
