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
    if (!settings_.warnCaps || monitor_.warningsPaused)
        return eventNotHandledErr;
    // In an excluded application the run is neither counted nor ended.
    if (frontIsExcluded())
        return eventNotHandledErr;

    if (event.hasModifiers)
        monitor_.modifiers = event.kmod;
    const bool capital = (monitor_.modifiers & settings_.capsCountMask) != 0;
    if (!capital) {
        if (settings_.excludeWords)
            monitor_.clearWordBuffer();
        monitor_.capsCount = 0;
        monitor_.warnCapsLimitCounter = 0;
    }
    if (settings_.excludeCommandControl && (monitor_.modifiers & kCommandOrControl))
        return noErr;

    const std::uint8_t character = event.hasCharacter ? event.kchr : kNoCharacter;
    if (settings_.excludeNonGraphics && (character < 0x20 || character > 0x7E))
        return noErr;
    if (!capital)
        return eventNotHandledErr;

    // A character that occurs in no excluded word ends any word the buffer could complete, so
    // neither it nor what came before is kept.
    if (settings_.excludeWords && !settings_.excludeWordsHaveByte[character]) {
        monitor_.clearWordBuffer();
    } else if (settings_.excludeWords) {
        QString& buffer = monitor_.excludeWordsBuffer;
        if (std::uint32_t(buffer.size()) >= settings_.maxExcludeWordLength)
            dropFirstCharacter(buffer);
        buffer.append(QLatin1Char(char(character)));
        // The later entry of two matching words decides.
        const QStringList& words = settings_.excludeWordsArray;
        const std::uint32_t* byLast = settings_.excludeWordsByLastByte.data();
        for (std::uint32_t k = settings_.excludeWordsEndingIn[character],
                           end = settings_.excludeWordsEndingIn[character + 1u];
             k < end; ++k) {
            const QString& word = words[qsizetype(byLast[k])];
            if (!buffer.endsWith(word, Qt::CaseInsensitive))
                continue;
            const std::int64_t remaining =
                std::int64_t(monitor_.capsCount) + 1 - std::int64_t(word.size());
            monitor_.capsCount = std::uint32_t(std::max<std::int64_t>(remaining, 0));
            monitor_.clearWordBuffer();
            return eventNotHandledErr;
        }
    }

    ++monitor_.capsCount;
    if (monitor_.capsCount < settings_.warnCount)
        return eventNotHandledErr;
    // Each capital from the threshold on counts towards the limit, which holds while it is on.
    const bool overLimit = monitor_.warnCapsLimitCounter++ >= settings_.warnCapsLimitCount;
    if (overLimit && settings_.warnCapsLimit)
        return eventNotHandledErr;
    warnUser(false);
    if (settings_.warnWithGrowl && monitor_.capsCount == settings_.warnCount)
        post(GrowlNames::tooManyCapsTyped, settings_.growlCAPSCountWarning);
    return eventNotHandledErr;
}

OSStatus KeyvigilHelper::modifierPath(const MonitorEvent& event) {
    Indicators& indicators = platform.indicators;
    if (event.hasModifiers)
        monitor_.modifiers = event.kmod;
    const std::uint32_t modifiers = monitor_.modifiers;

    if (settings_.showCapsCenter)
        indicators.showCapsCenterWindow((modifiers & ModifierMask::capsLock) != 0);
    if (settings_.showNumCenter)
        indicators.showNumCenterWindow((modifiers & ModifierMask::numLock) != 0);

    // Caps Lock counts as off only once Shift is up as well.
    if (modifiers & kCapsLockOrShift) {
        if (settings_.warnCapsLock && !monitor_.capsLockON &&
            (modifiers & ModifierMask::capsLock)) {
            monitor_.capsLockON = true;
            warnUser(settings_.warnCapsLockContinuously);
            if (settings_.warnWithGrowl)
                post(GrowlNames::capsLockOn);
        }
    } else {
        if (monitor_.capsLockON) {
            if (settings_.warnWithGrowl)
                post(GrowlNames::capsLockOff);
            soundOff();
        }
        monitor_.capsLockON = false;
    }

    if (modifiers & ModifierMask::numLock) {
        if (settings_.warnNumLock && !monitor_.numLockON) {
            monitor_.numLockON = true;
            warnUser(settings_.warnNumLockContinuously);
            if (settings_.warnWithGrowl)
                post(GrowlNames::numLockOn);
        }
    } else {
        if (monitor_.numLockON) {
            if (settings_.warnWithGrowl)
                post(GrowlNames::numLockOff);
            soundOff();
        }
        monitor_.numLockON = false;
    }

    indicators.menuBar(modifiers & settings_.menuBarMask);
    if (indicators.hasUpperLeftWindow())
        indicators.setModifiers(modifiers);
    return eventNotHandledErr;
}

void KeyvigilHelper::post(QLatin1StringView name, const QString& description) {
    if (monitor_.warningsPaused)
        return;
    GrowlNotification notification;
    notification.title = GrowlNames::title(name);
    notification.description = description;
    notification.notificationName = name;
    notification.priority = 2;
    notification.isSticky = false;
    notification.hasClickContext = false;
    platform.notifier.notify(notification);
}

const QString* KeyvigilHelper::frontProcessName() const {
    // The service keeps the name current, so asking on every key costs no lookup.
    return platform.processInfo.frontProcessName();
}

bool KeyvigilHelper::frontIsExcluded() {
    const QString* front = frontProcessName();
    if (!front)
        return false;
    // The front application changes far less often than keys come. The copy shares the name's
    // data, which therefore cannot be freed and reused while it is kept: the same data means the
    // same name, and the list is not searched again.
    if (!frontChecked_ || frontChecked_->name.constData() != front->constData() ||
        frontChecked_->name.size() != front->size()) {
        // Another application: what was typed into the last one is not kept for this one.
        monitor_.clearWordBuffer();
        frontChecked_ = FrontCheck{*front, settings_.excludeApplicationsArray.contains(*front)};
    }
    return frontChecked_->excluded;
}
