#pragma once

#include "platform/Notifier.h"

#include <QString>
#include <QStringList>

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
    bool showOutlines = false;
    bool warnCaps = false;
    bool warnCapsLimit = false; // kept, but no rule consults it
    bool excludeCommandControl = false;
    bool excludeNonGraphics = false;
    bool excludeSHIFT = false;
    std::uint32_t capsCountMask = 0;
    bool excludeWords = false;
    std::uint32_t maxExcludeWordLength = 0;
    // The case-folded last character of each excluded word, in list order: a cheap first
    // test before the full case-insensitive suffix comparison.
    std::vector<char16_t> excludeWordsLastFolded;
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
