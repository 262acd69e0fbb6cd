#pragma once

#include "shared/PlistValue.h"

#include <QString>

#include <utility>
#include <vector>

// A preferences domain kept as a property-list file (binary or XML).
namespace PropertyListFile {

using Entries = std::vector<std::pair<QString, PlistValue>>;

// The root dictionary's entries in the order the file lists them. A missing, oversized or
// unreadable file, or one whose root is not a dictionary, gives no entries.
Entries readDictionaryEntries(const QString& path);

// Reads at most `limit` bytes; false when the file cannot be read or is larger.
bool readFileCapped(const QString& path, qint64 limit, QByteArray& contents);

} // namespace PropertyListFile
