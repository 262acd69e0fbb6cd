#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>

// The keyboard monitor's own state. The settings load leaves it alone, but for the word buffer,
// which each load empties.
struct MonitorState {
    std::uint32_t modifiers = 0;
    std::uint32_t capsCount = 0;
    std::uint32_t warnCapsLimitCounter = 0;
    bool capsLockON = false;
    bool numLockON = false;
    bool warningsPaused = false;
    // The only typed text the helper keeps: the last capitals typed, never more than the
    // longest excluded word, and only letters that occur in an excluded word. Room for
    // maxExcludeWordLength + 1 characters, so that typing never reallocates.
    QString excludeWordsBuffer;

    // Empties the buffer, overwriting what it held; its room stays.
    void clearWordBuffer() {
        if (excludeWordsBuffer.isEmpty())
            return; // nothing to overwrite, and a null string would allocate here
        std::fill(excludeWordsBuffer.begin(), excludeWordsBuffer.end(), QChar());
        excludeWordsBuffer.resize(0);
    }
    // Empties the buffer and gives its room back.
    void releaseWordBuffer() {
        clearWordBuffer();
        excludeWordsBuffer = QString();
    }
};
