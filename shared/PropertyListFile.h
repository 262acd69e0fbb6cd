#pragma once

#include "shared/PlistValue.h"

#include <QString>

#include <sys/types.h>

#include <optional>
#include <utility>
#include <vector>

// A preferences domain kept as a property-list file (binary or XML).
namespace PropertyListFile {

using Entries = std::vector<std::pair<QString, PlistValue>>;

// The root dictionary's entries in the order the file lists them. A missing, oversized or
// unreadable file, or one whose root is not a dictionary, gives no entries.
Entries readDictionaryEntries(const QString& path);

enum class Format { Xml, Binary };

// The root dictionary and the form it was stored in; nullopt for a missing, oversized or
// unreadable file, or one whose root is not a dictionary.
struct Dictionary {
    PlistValue::Dictionary entries;
    Format format;
};
std::optional<Dictionary> readDictionary(const QString& path);

// Replaces the file atomically with `entries` in the given form; false when it cannot.
bool writeDictionary(const QString& path, const PlistValue::Dictionary& entries, Format format,
                     mode_t mode);

// Reads at most `limit` bytes; false when the file cannot be read or is larger.
bool readFileCapped(const QString& path, qint64 limit, QByteArray& contents);

} // namespace PropertyListFile
