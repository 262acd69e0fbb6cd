#pragma once

#include "tests/helper/HelperFixture.h"

#include <vector>

// A busy configuration: word exclusion with 50 words and 20 excluded applications, none of
// them in front, so that every key takes the whole path.
namespace MonitorWorkload {
void storeBusySettings(HelperFixture& fixture);
// Key-down events spelling `text`, each with the given modifier word.
std::vector<MonitorEvent> keyEvents(const QString& text, std::uint32_t modifiers);
// Text typed with Shift for capitals: runs end at lower-case letters.
std::vector<MonitorEvent> mixedTyping();
} // namespace MonitorWorkload
