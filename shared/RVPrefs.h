#pragma once

#include "shared/PlistValue.h"

#include <QString>

#include <cstdint>
#include <optional>

// A persistent key-value store: one dictionary in one keyed-archive file per identifier,
// ~/Library/Preferences/<identifier>.prefs. Setters change memory only; `synchronize` writes.
class RVPrefs {
public:
    // Makes the store: reads the file (an unreadable one gives an empty store marked
    // "reconstructedAfterCorruption"), then migrates the old preferences domain once.
    explicit RVPrefs(const QString& identifier);
    static RVPrefs initForApplicationID(const QString& identifier) { return RVPrefs(identifier); }

    std::optional<PlistValue> objectForKey(const QString& key) const;
    // Allocation-free lookup for hot paths; null when absent.
    const PlistValue* find(const QString& key) const;
    bool boolForKey(const QString& key) const;
    std::int32_t intForKey(const QString& key) const;
    float floatForKey(const QString& key) const;

    // A nullopt value removes the key, as a nil object does.
    void setObjectForKey(const std::optional<PlistValue>& value, const QString& key);
    void setBoolForKey(bool value, const QString& key);
    void setIntForKey(std::int32_t value, const QString& key);
    void setFloatForKey(float value, const QString& key);
    void removeObjectForKey(const QString& key);

    bool empty() const;
    QString description() const;
    // Replaces the file atomically; on failure returns false and changes nothing.
    bool synchronize();

    const QString& prefsPath() const { return prefsPath_; }
    // True when the file was there but could not be read, so that the store started empty.
    bool wasUnreadable() const { return wasUnreadable_; }
    const PlistValue::Dictionary& prefs() const { return prefs_; }

    // ~/Library/Preferences/<identifier>.prefs with the home directory expanded.
    static QString pathForIdentifier(const QString& identifier);

private:
    QString prefsPath_;
    bool wasUnreadable_ = false;
    PlistValue::Dictionary prefs_;
};
