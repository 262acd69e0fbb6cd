#pragma once

#include "platform/AppleEventSender.h"
#include "platform/ProcessManager.h"

#include <QString>

// The first process, in the process manager's order, whose creator code is `creator`: 0 with
// `psn` on it, or the process manager's error (procNotFound) when none has it.
OSErr findProcess(ProcessManager& processes, const QString& creator, ProcessSerialNumber* psn);

// Sends a core event and returns the first error met; nobody waits for a reply.
OSErr SendAppleEventToApplication(AppleEventSender& sender, std::uint32_t eventID,
                                  ProcessSerialNumber psn);
