#pragma once

#include <QByteArray>

#include <cstdint>

// Limits checked before a property list reaches the parser, which recurses once per level
// of nesting and expands shared sub-objects into copies.
namespace PlistBounds {

inline constexpr std::int64_t kMaxFileSize = 1 << 20;
inline constexpr int kMaxDepth = 128;
inline constexpr std::int64_t kMaxNodes = std::int64_t(1) << 19;

// True when the bytes are within the size cap and, binary or XML, nest no deeper than
// kMaxDepth, have no reference cycle and expand to at most kMaxNodes nodes.
bool safeToParse(const QByteArray& bytes);

} // namespace PlistBounds
