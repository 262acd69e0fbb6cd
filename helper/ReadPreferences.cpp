#include "helper/GrowlNames.h"
#include "helper/KeyvigilHelper.h"
#include "shared/AppKitVersion.h"
#include "shared/ApplicationBundle.h"
#include "shared/SettingsKeys.h"

#include <algorithm>

namespace {

// Every reader takes its default from the settings table, so the helper and the table cannot
// drift apart. A key the helper reads always has a helper default there.
const PlistValue& helperDefault(QLatin1StringView key) {
    const PlistValue* value = SettingsKeys::helperDefault(key);
    if (!value)
        qFatal("the settings table has no helper default for %s", key.data());
    return *value;
}

bool flag(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    return (value ? *value : helperDefault(key)).boolValue();
}

// Counts go through the store's signed conversion and are kept unsigned from then on.
std::uint32_t count(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    return std::uint32_t((value ? *value : helperDefault(key)).intValue());
}

// A number outside the range the settings table gives the key is taken as the nearest in it.
int numberInRange(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    const SettingsKeys::Range range = *SettingsKeys::find(key)->range;
    return int(std::clamp(double((value ? *value : helperDefault(key)).intValue()), range.lowest,
                          range.highest));
}

float number(const RVPrefs& prefs, QLatin1StringView key) {
    const PlistValue* value = prefs.find(key);
    return (value ? *value : helperDefault(key)).floatValue();
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

    settings_.menuBarMask = 0;
    if (flag(prefs, SettingsKeys::showCapsMenuBar))
        settings_.menuBarMask |= ModifierMask::capsLock;
    if (flag(prefs, SettingsKeys::showShiftMenuBar))
        settings_.menuBarMask |= ModifierMask::shift;
    if (flag(prefs, SettingsKeys::showNumMenuBar))
        settings_.menuBarMask |= ModifierMask::numLock;

    readIndicatorSettings();

    settings_.warnCaps = flag(prefs, SettingsKeys::warnCaps);
    settings_.warnCapsLimit = flag(prefs, SettingsKeys::warnCapsLimit);
    settings_.excludeCommandControl = flag(prefs, SettingsKeys::excludeCommandControl);
    settings_.excludeNonGraphics = flag(prefs, SettingsKeys::excludeNonGraphics);
    settings_.excludeSHIFT = flag(prefs, SettingsKeys::excludeSHIFT);
    settings_.capsCountMask = settings_.excludeSHIFT ? ModifierMask::capsLock
                                                     : ModifierMask::capsLock | ModifierMask::shift;

    readWordExclusion();

    settings_.warnCount = count(prefs, SettingsKeys::warnCount);
    settings_.warnCapsLimitCount = count(prefs, SettingsKeys::warnCapsLimitCount);
    settings_.growlCAPSCountWarning = GrowlNames::capsCountWarning(int(settings_.warnCount));

    settings_.warnNumLock = flag(prefs, SettingsKeys::warnNumLock);
    settings_.warnNumLockContinuously = flag(prefs, SettingsKeys::warnNumLockContinuously);
    settings_.warnCapsLock = flag(prefs, SettingsKeys::warnCapsLock);
    settings_.warnCapsLockContinuously = flag(prefs, SettingsKeys::warnCapsLockContinuously);
    settings_.warnWithFlash = flag(prefs, SettingsKeys::warnWithFlash);
    settings_.warnWithSound = flag(prefs, SettingsKeys::warnWithSound);
    const PlistValue* sound = prefs.find(SettingsKeys::warnSound);
    settings_.sound = sound ? std::optional<QString>(sound->toString()) : std::nullopt;
    settings_.volume = number(prefs, SettingsKeys::soundVolume);

    // Turning notifications off withdraws nothing an earlier load registered.
    settings_.warnWithGrowl = flag(prefs, SettingsKeys::warnWithGrowl);
    if (settings_.warnWithGrowl)
        setUpGrowl();

    settings_.checkForUpdates = flag(prefs, SettingsKeys::checkForUpdates);

    buildOrRemoveStatusItem();
}

void KeyvigilHelper::readExclusionLists() {
    const RVPrefs& prefs = *gPrefs;
    settings_.excludeWordsArray = stringList(prefs, SettingsKeys::excludeWordsArray);

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
    settings_.excludeApplicationsArray = std::move(applications);
    frontChecked_.reset();
}

void KeyvigilHelper::readIndicatorSettings() {
    const RVPrefs& prefs = *gPrefs;
    Indicators& indicators = platform.indicators;

    settings_.showCapsCenter = flag(prefs, SettingsKeys::showCapsCenter);
    settings_.showNumCenter = flag(prefs, SettingsKeys::showNumCenter);
    indicators.closeCenterWindows();
    if (settings_.showCapsCenter)
        indicators.buildCapsCenterWindow();
    if (settings_.showNumCenter)
        indicators.buildNumCenterWindow();

    settings_.upperLHmask = 0;
    if (flag(prefs, SettingsKeys::showCapsUpperLeft))
        settings_.upperLHmask |= ModifierMask::capsLock;
    if (flag(prefs, SettingsKeys::showNumUpperLeft))
        settings_.upperLHmask |= ModifierMask::numLock;
    if (flag(prefs, SettingsKeys::showOtherUpperLeft))
        settings_.upperLHmask |= ModifierMask::function | ModifierMask::control |
                                 ModifierMask::option | ModifierMask::shift | ModifierMask::command;
    settings_.showOutlines = flag(prefs, SettingsKeys::showOutlines);
    settings_.upperLeftSize = numberInRange(prefs, SettingsKeys::upperLeftSize);
    indicators.closeUpperLeftWindow();
    if (settings_.upperLHmask != 0) {
        indicators.buildUpperLeftWindow(settings_.upperLHmask,
                                        settings_.showOutlines ? OutlineColor::LightGray
                                                               : OutlineColor::Clear,
                                        monitor_.modifiers, settings_.upperLeftSize);
        if (AppKitVersion::isLaterThan10_4(platform.NSAppKitVersionNumber))
            indicators.holdUpperLeftWindowInPlace();
    }
}

void KeyvigilHelper::readWordExclusion() {
    // Typed text is kept no longer than one load: nothing from before this one stays.
    monitor_.releaseWordBuffer();
    settings_.excludeWords = flag(*gPrefs, SettingsKeys::excludeWords);
    if (!settings_.excludeWords)
        return; // the old length stays; nothing uses it
    const QStringList& words = settings_.excludeWordsArray;
    qsizetype longest = 0;
    std::vector<char16_t> lastFolded;
    std::vector<char16_t> letters;
    for (const QString& word : words) {
        longest = std::max(longest, word.size());
        // An empty word is no suffix of anything; it must not swallow every key.
        lastFolded.push_back(word.isEmpty() ? char16_t(0xFFFF)
                                            : word.back().toCaseFolded().unicode());
        for (const QChar letter : word)
            letters.push_back(letter.toCaseFolded().unicode());
    }
    std::sort(letters.begin(), letters.end());
    settings_.excludeWordsByLastByte.clear();
    for (int byte = 0; byte < 256; ++byte) {
        settings_.excludeWordsEndingIn[std::size_t(byte)] =
            std::uint32_t(settings_.excludeWordsByLastByte.size());
        const char16_t typed = QChar(char16_t(byte)).toCaseFolded().unicode();
        settings_.excludeWordsHaveByte[std::size_t(byte)] =
            std::binary_search(letters.begin(), letters.end(), typed);
        for (qsizetype i = words.size() - 1; i >= 0; --i) {
            if (lastFolded[std::size_t(i)] == typed)
                settings_.excludeWordsByLastByte.push_back(std::uint32_t(i));
        }
    }
    settings_.excludeWordsEndingIn[256] = std::uint32_t(settings_.excludeWordsByLastByte.size());
    settings_.maxExcludeWordLength = std::uint32_t(longest);
    if (settings_.maxExcludeWordLength == 0) {
        settings_.excludeWords = false;
        return;
    }
    // A fresh buffer with all the room typing will need: keys never allocate.
    monitor_.excludeWordsBuffer.reserve(qsizetype(settings_.maxExcludeWordLength) + 1);
}

void KeyvigilHelper::setUpGrowl() {
    const QStringList names = {GrowlNames::capsLockOn, GrowlNames::capsLockOff,
                               GrowlNames::numLockOn, GrowlNames::numLockOff,
                               GrowlNames::tooManyCapsTyped};
    settings_.delegate = GrowlDelegate{};
    settings_.delegate.applicationName = GrowlNames::applicationName;
    settings_.delegate.allNotifications = names;
    settings_.delegate.defaultNotifications = names;
    settings_.delegate.referenceCount = 1;
    platform.notifier.setDelegate(settings_.delegate);
}

void KeyvigilHelper::buildOrRemoveStatusItem() {
    // An existing status item keeps its icon; the reopen handler refreshes it.
    Indicators& indicators = platform.indicators;
    if (settings_.menuBarMask == 0) {
        if (indicators.hasStatusItem())
            indicators.removeStatusItem();
    } else if (!indicators.hasStatusItem()) {
        indicators.buildStatusItem();
    }
}
