#include "helper/GrowlNames.h"
#include "helper/KeyvigilHelper.h"

#include <algorithm>

namespace {

// What a key event that carries no character counts as: below the printable range, so the
// non-graphic exclusion skips it, and no letter of an excluded word.
constexpr std::uint8_t kNoCharacter = 0x00;

constexpr std::uint32_t kCommandOrControl = ModifierMask::command | ModifierMask::control;
constexpr std::uint32_t kCapsLockOrShift = ModifierMask::capsLock | ModifierMask::shift;

// Drops the oldest character in place. QString::remove(0, 1) would only move the start
// forward, and the next append would then reallocate.
void dropFirstCharacter(QString& buffer) {
    QChar* data = buffer.data();
    std::copy(data + 1, data + buffer.size(), data);
    buffer.resize(buffer.size() - 1);
}

} // namespace

OSStatus KeyvigilHelper::MonitorHandler(const MonitorEvent& event) {
    if (event.eventClass != kEventClassKeyboard)
        return eventNotHandledErr;
    switch (event.eventKind) {
    case kEventRawKeyDown:
    case kEventRawKeyRepeat:
        return keyPath(event);
    case kEventRawKeyModifiersChanged:
        return modifierPath(event);
    default:
        return eventNotHandledErr;
    }
}

OSStatus KeyvigilHelper::keyPath(const MonitorEvent& event) {
    if (!settings.warnCaps)
        return eventNotHandledErr;
    // In an excluded application the run is neither counted nor ended.
    if (const QString* front = frontProcessName();
        front && settings.excludeApplicationsArray.contains(*front))
        return eventNotHandledErr;

    if (event.hasModifiers)
        monitor.modifiers = event.kmod;
    const bool capital = (monitor.modifiers & settings.capsCountMask) != 0;
    if (!capital) {
        if (settings.excludeWords)
            settings.excludeWordsBuffer.resize(0); // keeps the reserved room
        monitor.capsCount = 0;
        monitor.warnCapsLimitCounter = 0;
    }
    if (settings.excludeCommandControl && (monitor.modifiers & kCommandOrControl))
        return noErr;

    const std::uint8_t character = event.hasCharacter ? event.kchr : kNoCharacter;
    if (settings.excludeNonGraphics && (character < 0x20 || character > 0x7E))
        return noErr;
    if (!capital)
        return eventNotHandledErr;

    if (settings.excludeWords) {
        QString& buffer = settings.excludeWordsBuffer;
        if (std::uint32_t(buffer.size()) >= settings.maxExcludeWordLength)
            dropFirstCharacter(buffer);
        buffer.append(QLatin1Char(char(character)));
        // The later entry of two matching words decides.
        const QStringList& words = settings.excludeWordsArray;
        const char16_t typed = buffer.back().toCaseFolded().unicode();
        for (qsizetype i = words.size() - 1; i >= 0; --i) {
            const QString& word = words[i];
            // An empty word is no suffix of anything; it must not swallow every key.
            if (settings.excludeWordsLastFolded[std::size_t(i)] != typed || word.isEmpty() ||
                !buffer.endsWith(word, Qt::CaseInsensitive))
                continue;
            const std::int64_t remaining =
                std::int64_t(monitor.capsCount) + 1 - std::int64_t(word.size());
            monitor.capsCount = std::uint32_t(std::max<std::int64_t>(remaining, 0));
            buffer.resize(0);
            return eventNotHandledErr;
        }
    }

    ++monitor.capsCount;
    if (monitor.capsCount < settings.warnCount)
        return eventNotHandledErr;
    if (monitor.warnCapsLimitCounter++ >= settings.warnCapsLimitCount)
        return eventNotHandledErr;
    warnUser(false);
    if (settings.warnWithGrowl && monitor.capsCount == settings.warnCount)
        post(GrowlNames::tooManyCapsTyped, settings.growlCAPSCountWarning);
    return eventNotHandledErr;
}

OSStatus KeyvigilHelper::modifierPath(const MonitorEvent& event) {
    Indicators& indicators = platform.indicators;
    if (event.hasModifiers)
        monitor.modifiers = event.kmod;
    const std::uint32_t modifiers = monitor.modifiers;

    if (settings.showCapsCenter)
        indicators.showCapsCenterWindow((modifiers & ModifierMask::capsLock) != 0);
    if (settings.showNumCenter)
        indicators.showNumCenterWindow((modifiers & ModifierMask::numLock) != 0);

    // Caps Lock counts as off only once Shift is up as well.
    if (modifiers & kCapsLockOrShift) {
        if (settings.warnCapsLock && !monitor.capsLockON && (modifiers & ModifierMask::capsLock)) {
            monitor.capsLockON = true;
            warnUser(settings.warnCapsLockContinuously);
            if (settings.warnWithGrowl)
                post(GrowlNames::capsLockOn);
        }
    } else {
        if (monitor.capsLockON) {
            if (settings.warnWithGrowl)
                post(GrowlNames::capsLockOff);
            soundOff();
        }
        monitor.capsLockON = false;
    }

    if (modifiers & ModifierMask::numLock) {
        if (settings.warnNumLock && !monitor.numLockON) {
            monitor.numLockON = true;
            warnUser(settings.warnNumLockContinuously);
            if (settings.warnWithGrowl)
                post(GrowlNames::numLockOn);
        }
    } else {
        if (monitor.numLockON) {
            if (settings.warnWithGrowl)
                post(GrowlNames::numLockOff);
            soundOff();
        }
        monitor.numLockON = false;
    }

    indicators.menuBar(modifiers & settings.menuBarMask);
    if (indicators.hasUpperLeftWindow())
        indicators.setModifiers(modifiers);
    return eventNotHandledErr;
}

void KeyvigilHelper::post(QLatin1StringView name, const QString& description) {
    GrowlNotification notification;
    notification.title = name;
    notification.description = description;
    notification.notificationName = name;
    notification.priority = 2;
    notification.isSticky = false;
    notification.hasClickContext = false;
    platform.notifier.notify(notification);
}
