#include "helper/GrowlNames.h"
#include "helper/KeyvigilHelper.h"
#include "shared/ApplicationBundle.h"
#include "shared/SettingsKeys.h"

#include <algorithm>

namespace {

// A flag whose absence reads NO.
bool flag(const RVPrefs& prefs, QLatin1StringView key) {
    return prefs.boolForKey(key);
}

// A flag whose absence reads YES.
bool flagOnByDefault(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    return value ? value->boolValue() : true;
}

// Counts go through the store's signed conversion and are kept unsigned from then on.
std::uint32_t count(const RVPrefs& prefs, QLatin1StringView key, std::int32_t absent) {
    const PlistValue* value = prefs.find(key);
    return std::uint32_t(value ? value->intValue() : absent);
}

QStringList stringList(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    return value ? value->toStringList() : QStringList();
}

void appendIfNew(QStringList& list, const std::optional<QString>& name) {
    if (name && !list.contains(*name))
        list.append(*name);
}

} // namespace

void KeyvigilHelper::readPreferences() {
    const RVPrefs& prefs = *gPrefs;

    readExclusionLists();

    settings.menuBarMask = 0;
    if (flag(prefs, SettingsKeys::showCapsMenuBar))
        settings.menuBarMask |= ModifierMask::capsLock;
    if (flag(prefs, SettingsKeys::showShiftMenuBar))
        settings.menuBarMask |= ModifierMask::shift;
    if (flag(prefs, SettingsKeys::showNumMenuBar))
        settings.menuBarMask |= ModifierMask::numLock;

    readIndicatorSettings();

    settings.warnCaps = flagOnByDefault(prefs, SettingsKeys::warnCaps);
    settings.warnCapsLimit = flagOnByDefault(prefs, SettingsKeys::warnCapsLimit);
    settings.excludeCommandControl = flag(prefs, SettingsKeys::excludeCommandControl);
    settings.excludeNonGraphics = flag(prefs, SettingsKeys::excludeNonGraphics);
    settings.excludeSHIFT = flag(prefs, SettingsKeys::excludeSHIFT);
    settings.capsCountMask = settings.excludeSHIFT ? ModifierMask::capsLock
                                                   : ModifierMask::capsLock | ModifierMask::shift;

    readWordExclusion();

    settings.warnCount = count(prefs, SettingsKeys::warnCount, 5);
    settings.warnCapsLimitCount = count(prefs, SettingsKeys::warnCapsLimitCount, 2);
    // Shows the threshold, printed as the signed number that was stored.
    settings.growlCAPSCountWarning =
        QString::asprintf(GrowlNames::capsCountWarningFormat.data(), int(settings.warnCount));

    settings.warnNumLock = flag(prefs, SettingsKeys::warnNumLock);
    settings.warnNumLockContinuously = flag(prefs, SettingsKeys::warnNumLockContinuously);
    settings.warnCapsLock = flagOnByDefault(prefs, SettingsKeys::warnCapsLock);
    settings.warnCapsLockContinuously = flag(prefs, SettingsKeys::warnCapsLockContinuously);
    settings.warnWithFlash = flag(prefs, SettingsKeys::warnWithFlash);
    settings.warnWithSound = flagOnByDefault(prefs, SettingsKeys::warnWithSound);
    const PlistValue* sound = prefs.find(SettingsKeys::warnSound);
    settings.sound = sound ? std::optional<QString>(sound->toString()) : std::nullopt;
    const PlistValue* volume = prefs.find(SettingsKeys::soundVolume);
    settings.volume = volume ? volume->floatValue() : 1.0f;

    // Turning notifications off withdraws nothing an earlier load registered.
    settings.warnWithGrowl = flag(prefs, SettingsKeys::warnWithGrowl);
    if (settings.warnWithGrowl)
        setUpGrowl();

    settings.checkForUpdates = flagOnByDefault(prefs, SettingsKeys::checkForUpdates);

    buildOrRemoveStatusItem();
}

void KeyvigilHelper::readExclusionLists() {
    const RVPrefs& prefs = *gPrefs;
    settings.excludeWordsArray = stringList(prefs, SettingsKeys::excludeWordsArray);

    // Every name the application may show as the front process under.
    QStringList applications;
    for (const QString& path : stringList(prefs, SettingsKeys::excludeApplicationsArray)) {
        applications.append(ApplicationBundle::nameFromPath(path));
        if (const auto bundle = ApplicationBundle::bundleWithPath(path)) {
            appendIfNew(applications, bundle->objectForInfoDictionaryKey(u"CFBundleName"));
            appendIfNew(applications, bundle->objectForInfoDictionaryKey(u"CFBundleExecutable"));
            appendIfNew(applications, bundle->objectForInfoDictionaryKey(u"CFBundleDisplayName"));
        }
    }
    settings.excludeApplicationsArray = std::move(applications);
}

void KeyvigilHelper::readIndicatorSettings() {
    const RVPrefs& prefs = *gPrefs;
    Indicators& indicators = platform.indicators;

    settings.showCapsCenter = flag(prefs, SettingsKeys::showCapsCenter);
    settings.showNumCenter = flag(prefs, SettingsKeys::showNumCenter);
    indicators.closeCenterWindows();
    if (settings.showCapsCenter)
        indicators.buildCapsCenterWindow();
    if (settings.showNumCenter)
        indicators.buildNumCenterWindow();

    settings.upperLHmask = 0;
    if (flag(prefs, SettingsKeys::showCapsUpperLeft))
        settings.upperLHmask |= ModifierMask::capsLock;
    if (flag(prefs, SettingsKeys::showNumUpperLeft))
        settings.upperLHmask |= ModifierMask::numLock;
    if (flag(prefs, SettingsKeys::showOtherUpperLeft))
        settings.upperLHmask |= ModifierMask::function | ModifierMask::control |
                                ModifierMask::option | ModifierMask::shift | ModifierMask::command;
    settings.showOutlines = flag(prefs, SettingsKeys::showOutlines);
    indicators.closeUpperLeftWindow();
    if (settings.upperLHmask != 0)
        indicators.buildUpperLeftWindow(settings.upperLHmask,
                                        settings.showOutlines ? OutlineColor::LightGray
                                                              : OutlineColor::Clear,
                                        monitor.modifiers);
}

void KeyvigilHelper::readWordExclusion() {
    settings.excludeWords = flag(*gPrefs, SettingsKeys::excludeWords);
    if (!settings.excludeWords)
        return; // the old length and buffer stay; nothing uses them
    qsizetype longest = 0;
    settings.excludeWordsLastFolded.clear();
    for (const QString& word : settings.excludeWordsArray) {
        longest = std::max(longest, word.size());
        settings.excludeWordsLastFolded.push_back(
            word.isEmpty() ? char16_t(0) : word.back().toCaseFolded().unicode());
    }
    settings.maxExcludeWordLength = std::uint32_t(longest);
    if (settings.maxExcludeWordLength == 0) {
        settings.excludeWords = false;
        return;
    }
    // A fresh buffer with all the room typing will need: keys never allocate.
    settings.excludeWordsBuffer = QString();
    settings.excludeWordsBuffer.reserve(qsizetype(settings.maxExcludeWordLength) + 1);
}

void KeyvigilHelper::setUpGrowl() {
    const QStringList names = {GrowlNames::capsLockOn, GrowlNames::capsLockOff,
                               GrowlNames::numLockOn, GrowlNames::numLockOff,
                               GrowlNames::tooManyCapsTyped};
    settings.delegate = GrowlDelegate{};
    settings.delegate.applicationName = GrowlNames::applicationName;
    settings.delegate.allNotifications = names;
    settings.delegate.defaultNotifications = names;
    settings.delegate.referenceCount = 1;
    platform.notifier.setDelegate(settings.delegate);
}

void KeyvigilHelper::buildOrRemoveStatusItem() {
    // An existing status item keeps its icon; the reopen handler refreshes it.
    Indicators& indicators = platform.indicators;
    if (settings.menuBarMask == 0) {
        if (indicators.hasStatusItem())
            indicators.removeStatusItem();
    } else if (!indicators.hasStatusItem()) {
        indicators.buildStatusItem();
    }
}
