#pragma once

#include "shared/PlistValue.h"

#include <QByteArray>
#include <QString>

#include <plist/plist.h>

#include <memory>
#include <optional>
#include <vector>

// Thin ownership and conversion helpers over libplist's C nodes.
namespace LibPlist {

struct NodeDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

// Binary or XML; null when the bytes are over the limits or do not parse.
Node parse(const QByteArray& bytes);

// A scalar node's value; nullopt for containers, UIDs and unknown kinds.
std::optional<PlistValue> scalarValue(plist_t node);
// Any node's value, containers included; nullopt when some part has no value (a UID).
std::optional<PlistValue> toValue(plist_t node);

// The text of a string or key node; nullopt for other kinds.
std::optional<QString> stringValue(plist_t node);
// The items of an array in order, gathered in one pass (indexing a libplist array walks
// it from the start); empty for anything that is not an array.
std::vector<plist_t> arrayItems(plist_t array);

// A dictionary's item by key; null when absent or when `dict` is not a dictionary.
plist_t dictItem(plist_t dict, const char* key);

// Nodes for a value's scalar kinds; null for containers and dates.
plist_t newScalar(const PlistValue& value);
// A node for any value, containers and dates included.
Node fromValue(const PlistValue& value);

} // namespace LibPlist
