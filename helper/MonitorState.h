#pragma once

#include <QString>

#include <cstdint>

// The keyboard monitor's own state. The settings load leaves it alone, but for the word buffer,
// which each load that turns word exclusion on makes afresh.
struct MonitorState {
    std::uint32_t modifiers = 0;
    std::uint32_t capsCount = 0;
    std::uint32_t warnCapsLimitCounter = 0;
    bool capsLockON = false;
    bool numLockON = false;
    bool warningsPaused = false;
    // The last capitals typed, with room for maxExcludeWordLength + 1 characters, so that
    // typing never reallocates.
    QString excludeWordsBuffer;
};
