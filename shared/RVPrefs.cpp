#include "shared/RVPrefs.h"

#include "shared/AtomicFile.h"
#include "shared/KeyedArchive.h"
#include "shared/PlistBounds.h"
#include "shared/PropertyListFile.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

#include <sys/stat.h>

namespace {

QString preferencesFolder() {
    return QDir::homePath() + QLatin1StringView("/Library/Preferences");
}

// The old preferences domain of the same identifier, where earlier versions kept settings.
QString domainPath(const QString& identifier) {
    return preferencesFolder() + u'/' + identifier + QLatin1StringView(".plist");
}

std::optional<PlistValue::Dictionary> readStoreFile(const QString& path) {
    try {
        QByteArray bytes;
        if (!PropertyListFile::readFileCapped(path, PlistBounds::kMaxFileSize, bytes))
            return std::nullopt;
        return KeyedArchive::readDictionary(bytes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Creates a missing folder private to the user; an existing one is left as it is.
bool ensureFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0700) == 0)
        return true;
    struct stat info {};
    return ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

RVPrefs::RVPrefs(const QString& identifier) : prefsPath_(pathForIdentifier(identifier)) {
    if (QFileInfo::exists(prefsPath_)) {
        if (std::optional<PlistValue::Dictionary> contents = readStoreFile(prefsPath_))
            prefs_ = std::move(*contents);
        else {
            wasUnreadable_ = true;
            prefs_.insert(SettingsKeys::reconstructedAfterCorruption, PlistValue::fromBool(true));
        }
    }
    if (!prefs_.contains(SettingsKeys::convertedFromPlist)) {
        for (auto& [key, value] : PropertyListFile::readDictionaryEntries(domainPath(identifier)))
            prefs_.insert(key, value);
        setBoolForKey(true, SettingsKeys::convertedFromPlist);
    }
}

QString RVPrefs::pathForIdentifier(const QString& identifier) {
    return preferencesFolder() + u'/' + identifier + QLatin1StringView(".prefs");
}

std::optional<PlistValue> RVPrefs::objectForKey(const QString& key) const {
    if (const PlistValue* value = find(key))
        return *value;
    return std::nullopt;
}

const PlistValue* RVPrefs::find(const QString& key) const {
    const auto it = prefs_.constFind(key);
    return it == prefs_.cend() ? nullptr : &it.value();
}

bool RVPrefs::boolForKey(const QString& key) const {
    const PlistValue* value = find(key);
    return value && value->boolValue();
}

std::int32_t RVPrefs::intForKey(const QString& key) const {
    const PlistValue* value = find(key);
    return value ? value->intValue() : 0;
}

float RVPrefs::floatForKey(const QString& key) const {
    const PlistValue* value = find(key);
    return value ? value->floatValue() : 0.0f;
}

void RVPrefs::setObjectForKey(const std::optional<PlistValue>& value, const QString& key) {
    if (value)
        prefs_.insert(key, *value);
    else
        prefs_.remove(key);
}

void RVPrefs::setBoolForKey(bool value, const QString& key) {
    prefs_.insert(key, PlistValue::fromBool(value));
}

void RVPrefs::setIntForKey(std::int32_t value, const QString& key) {
    prefs_.insert(key, PlistValue::fromInt(value));
}

void RVPrefs::setFloatForKey(float value, const QString& key) {
    prefs_.insert(key, PlistValue::fromFloat(value));
}

void RVPrefs::removeObjectForKey(const QString& key) {
    prefs_.remove(key);
}

bool RVPrefs::empty() const {
    return prefs_.isEmpty();
}

QString RVPrefs::description() const {
    return PlistValue::fromDictionary(prefs_).description();
}

bool RVPrefs::synchronize() {
    // A fresh home has no ~/Library/Preferences; make it before the first write.
    if (!ensureFolder(QDir::homePath() + QLatin1StringView("/Library")) ||
        !ensureFolder(preferencesFolder()))
        return false;
    const std::optional<QByteArray> archive = KeyedArchive::writeDictionary(prefs_);
    if (!archive)
        return false;
    // Private whatever mode an older file had.
    return writeFileAtomically(prefsPath_, *archive, 0600);
}
