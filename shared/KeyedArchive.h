#pragma once

#include "shared/PlistValue.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// The keyed-archive binary property list that holds a store's dictionary, in the layout
// NSKeyedArchiver uses, so that files are interchangeable with ones written elsewhere.
namespace KeyedArchive {

// Containers nested deeper than this make an archive unreadable.
inline constexpr int kMaxNesting = 32;
// Values in the decoded dictionary, a shared object counted at each place it appears: far
// above any store, low enough that a small file cannot describe a huge value.
inline constexpr std::int64_t kMaxValues = std::int64_t(1) << 17;

// The root dictionary of an archive; nullopt for anything that is not a well-formed
// archive whose root is a dictionary (oversized, cyclic, too deep, unknown classes, ...).
std::optional<PlistValue::Dictionary> readDictionary(const QByteArray& bytes);

// The archive of `dictionary` as a mutable dictionary; nullopt when it cannot be encoded.
std::optional<QByteArray> writeDictionary(const PlistValue::Dictionary& dictionary);

} // namespace KeyedArchive
