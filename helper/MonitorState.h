#pragma once

#include <cstdint>

// The keyboard monitor's own state. The settings load never touches it.
struct MonitorState {
    std::uint32_t modifiers = 0;
    std::uint32_t capsCount = 0;
    std::uint32_t warnCapsLimitCounter = 0;
    bool capsLockON = false;
    bool numLockON = false;
};
