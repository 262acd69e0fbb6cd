#pragma once

#include "PlistValue.h"

#include <QByteArray>

#include <optional>

// The keyed-archive binary property list that holds a store's dictionary, in the layout
// NSKeyedArchiver uses, so that files are interchangeable with ones written elsewhere.
namespace KeyedArchive {

// Containers nested deeper than this make an archive unreadable.
inline constexpr int kMaxNesting = 64;

// The root dictionary of an archive; nullopt for anything that is not a well-formed
// archive whose root is a dictionary (oversized, cyclic, too deep, unknown classes, ...).
std::optional<PlistValue::Dictionary> readDictionary(const QByteArray& bytes);

// The archive of `dictionary` as a mutable dictionary; nullopt when it cannot be encoded.
std::optional<QByteArray> writeDictionary(const PlistValue::Dictionary& dictionary);

} // namespace KeyedArchive
