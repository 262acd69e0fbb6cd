#pragma once

#include "platform/Notifier.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The working state readPreferences makes from the store; the keyboard monitor only reads it.
// Counts are kept unsigned: a negative stored count acts as a very large one.
struct HelperSettings {
    QStringList excludeWordsArray;
    QStringList excludeApplicationsArray;
    std::uint32_t menuBarMask = 0;
    bool showCapsCenter = false;
    bool showNumCenter = false;
    std::uint32_t upperLHmask = 0;
    int upperLeftSize = 1; // times its smallest size
    bool showOutlines = false;
    bool warnCaps = false;
    bool warnCapsLimit = false; // off: no limit to the warnings of one run
    bool excludeCommandControl = false;
    bool excludeNonGraphics = false;
    bool excludeSHIFT = false;
    std::uint32_t capsCountMask = 0;
    bool excludeWords = false;
    std::uint32_t maxExcludeWordLength = 0;
    // For each typed byte, the excluded words whose last letter it is once case-folded, later
    // entries first: indices into excludeWordsArray, those for byte b from
    // excludeWordsEndingIn[b] to excludeWordsEndingIn[b + 1]. A key compares only the words it
    // can end, never all of them.
    std::array<std::uint32_t, 257> excludeWordsEndingIn{};
    std::vector<std::uint32_t> excludeWordsByLastByte;
    // For each typed byte, whether it occurs in an excluded word once case-folded: one that
    // does not ends every word the buffer could still complete.
    std::array<bool, 256> excludeWordsHaveByte{};
    std::uint32_t warnCount = 0;
    std::uint32_t warnCapsLimitCount = 0;
    QString growlCAPSCountWarning;
    bool warnNumLock = false;
    bool warnNumLockContinuously = false;
    bool warnCapsLock = false;
    bool warnCapsLockContinuously = false;
    bool warnWithFlash = false;
    bool warnWithSound = false;
    bool warnWithGrowl = false;
    std::optional<QString> sound; // nullopt: no name stored, the system alert is used
    float volume = 1.0f;
    bool checkForUpdates = false;
    GrowlDelegate delegate;
};
