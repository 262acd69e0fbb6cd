#include "shared/PlistBounds.h"

#include <QByteArrayView>

#include <optional>
#include <vector>

namespace PlistBounds {
namespace {

constexpr QByteArrayView kBinaryMagic{"bplist00"};
constexpr qsizetype kTrailerSize = 32;

std::uint64_t readBigEndian(const unsigned char* p, int size) {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | p[i];
    return value;
}

// The object table of a binary property list, enough to walk its references.
class BinaryObjects {
public:
    explicit BinaryObjects(const QByteArray& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.constData())), size_(bytes.size()) {}

    bool readTrailer() {
        if (size_ < kBinaryMagic.size() + kTrailerSize)
            return false;
        const unsigned char* trailer = data_ + size_ - kTrailerSize;
        offsetSize_ = trailer[6];
        refSize_ = trailer[7];
        count_ = readBigEndian(trailer + 8, 8);
        top_ = readBigEndian(trailer + 16, 8);
        tableOffset_ = readBigEndian(trailer + 24, 8);
        const auto end = static_cast<std::uint64_t>(size_ - kTrailerSize);
        if (offsetSize_ < 1 || offsetSize_ > 8 || refSize_ < 1 || refSize_ > 8)
            return false;
        if (count_ == 0 || count_ > end || top_ >= count_)
            return false;
        if (tableOffset_ < std::uint64_t(kBinaryMagic.size()) || tableOffset_ > end)
            return false;
        return count_ * offsetSize_ <= end - tableOffset_;
    }

    std::uint64_t count() const { return count_; }
    std::uint64_t top() const { return top_; }

    // Where an object starts; nullopt when that is outside the object area.
    std::optional<std::uint64_t> offsetOf(std::uint64_t object) const {
        const std::uint64_t offset =
            readBigEndian(data_ + tableOffset_ + object * offsetSize_, offsetSize_);
        const auto end = static_cast<std::uint64_t>(size_ - kTrailerSize);
        if (offset < std::uint64_t(kBinaryMagic.size()) || offset >= end)
            return std::nullopt;
        return offset;
    }

    // Dictionary keys must be strings without NUL characters: the parser asserts on
    // anything else when the dictionary is walked.
    bool isUsableKey(std::uint64_t object) const {
        const std::optional<std::uint64_t> offset = offsetOf(object);
        if (!offset)
            return false;
        const int type = data_[*offset] >> 4;
        if (type != 0x5 && type != 0x6)
            return false;
        std::uint64_t position = *offset + 1;
        const std::optional<std::uint64_t> length = lengthOf(*offset, position);
        const std::uint64_t unit = type == 0x6 ? 2 : 1;
        const auto end = static_cast<std::uint64_t>(size_ - kTrailerSize);
        if (!length || *length > end || *length * unit > end - position)
            return false;
        for (std::uint64_t i = 0; i < *length; ++i) {
            const unsigned char* c = data_ + position + i * unit;
            if (c[0] == 0 && (unit == 1 || c[1] == 0))
                return false;
        }
        return true;
    }

    // The length field of the object at `offset`; `position` moves past it.
    std::optional<std::uint64_t> lengthOf(std::uint64_t offset, std::uint64_t& position) const {
        const auto end = static_cast<std::uint64_t>(size_ - kTrailerSize);
        const std::uint64_t length = data_[offset] & 0xF;
        if (length != 0xF)
            return length;
        if (position >= end || (data_[position] >> 4) != 0x1)
            return std::nullopt;
        const int lengthSize = 1 << (data_[position] & 0xF);
        if (lengthSize > 8 || position + 1 + lengthSize > end)
            return std::nullopt;
        const std::uint64_t value = readBigEndian(data_ + position + 1, lengthSize);
        position += 1 + lengthSize;
        return value;
    }

    // The objects an object refers to; false when the object does not fit the file.
    bool references(std::uint64_t object, std::vector<std::uint64_t>& out) const {
        out.clear();
        const auto end = static_cast<std::uint64_t>(size_ - kTrailerSize);
        const std::optional<std::uint64_t> start = offsetOf(object);
        if (!start)
            return false;
        const std::uint64_t offset = *start;
        const unsigned char marker = data_[offset];
        const int type = marker >> 4;
        if (type != 0xA && type != 0xC && type != 0xD)
            return true;
        std::uint64_t position = offset + 1;
        const std::optional<std::uint64_t> parsedLength = lengthOf(offset, position);
        if (!parsedLength)
            return false;
        const std::uint64_t length = *parsedLength;
        if (length > end)
            return false;
        const std::uint64_t refs = type == 0xD ? length * 2 : length;
        if (refs * refSize_ > end - position)
            return false;
        out.reserve(refs);
        for (std::uint64_t i = 0; i < refs; ++i) {
            const std::uint64_t ref = readBigEndian(data_ + position + i * refSize_, refSize_);
            if (ref >= count_ || (type == 0xD && i < length && !isUsableKey(ref)))
                return false;
            out.push_back(ref);
        }
        return true;
    }

private:
    const unsigned char* data_;
    qsizetype size_;
    int offsetSize_ = 0;
    int refSize_ = 0;
    std::uint64_t count_ = 0;
    std::uint64_t top_ = 0;
    std::uint64_t tableOffset_ = 0;
};

bool binaryWithinLimits(const QByteArray& bytes) {
    BinaryObjects objects(bytes);
    if (!objects.readTrailer())
        return false;

    enum class State : unsigned char { Unvisited, OnPath, Done };
    std::vector<State> state(objects.count(), State::Unvisited);
    std::vector<std::int64_t> expanded(objects.count(), 0);

    struct Frame {
        std::uint64_t object;
        std::vector<std::uint64_t> children;
        std::size_t next = 0;
        std::int64_t nodes = 1;
    };
    std::vector<Frame> path;
    auto enter = [&](std::uint64_t object) {
        if (static_cast<int>(path.size()) >= kMaxDepth)
            return false;
        Frame frame{object, {}};
        if (!objects.references(object, frame.children))
            return false;
        state[object] = State::OnPath;
        path.push_back(std::move(frame));
        return true;
    };

    if (!enter(objects.top()))
        return false;
    while (!path.empty()) {
        Frame& frame = path.back();
        if (frame.next < frame.children.size()) {
            const std::uint64_t child = frame.children[frame.next++];
            if (state[child] == State::OnPath)
                return false;
            if (state[child] == State::Done) {
                frame.nodes += expanded[child];
                if (frame.nodes > kMaxNodes)
                    return false;
                continue;
            }
            if (!enter(child))
                return false;
            continue;
        }
        const std::int64_t nodes = frame.nodes;
        state[frame.object] = State::Done;
        expanded[frame.object] = nodes;
        path.pop_back();
        if (!path.empty()) {
            path.back().nodes += nodes;
            if (path.back().nodes > kMaxNodes)
                return false;
        }
    }
    return true;
}

// A character reference to U+0000 (&#0; or &#x0;), which would put a NUL into a key.
bool hasNulReference(QByteArrayView text) {
    for (qsizetype i = text.indexOf("&#"); i >= 0; i = text.indexOf("&#", i + 2)) {
        qsizetype j = i + 2;
        if (j < text.size() && (text[j] == 'x' || text[j] == 'X'))
            ++j;
        const qsizetype digits = j;
        while (j < text.size() && text[j] == '0')
            ++j;
        if (j > digits && j < text.size() && text[j] == ';')
            return true;
    }
    return false;
}

// Element nesting of an XML document. Comments, CDATA, declarations and quoted attribute
// values are skipped; a closing tag must match the open element.
bool xmlWithinLimits(QByteArrayView text) {
    if (text.contains('\0') || hasNulReference(text))
        return false;
    std::vector<QByteArrayView> open;
    qsizetype i = 0;
    auto skipPast = [&](QByteArrayView terminator) {
        const qsizetype at = text.indexOf(terminator, i);
        if (at < 0)
            return false;
        i = at + terminator.size();
        return true;
    };
    while (true) {
        i = text.indexOf('<', i);
        if (i < 0)
            return true;
        const QByteArrayView rest = text.sliced(i);
        if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                return false;
            continue;
        }
        if (rest.startsWith("<![CDATA[")) {
            if (!skipPast("]]>"))
                return false;
            continue;
        }
        if (rest.startsWith("<?")) {
            if (!skipPast("?>"))
                return false;
            continue;
        }
        if (rest.startsWith("<!")) {
            if (!skipPast(">"))
                return false;
            continue;
        }
        // A tag: find its end outside quotes.
        qsizetype end = i + 1;
        char quote = 0;
        for (; end < text.size(); ++end) {
            const char c = text[end];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            }
        }
        if (end >= text.size())
            return false;
        const bool closing = text[i + 1] == '/';
        const bool selfClosing = text[end - 1] == '/';
        qsizetype nameStart = i + (closing ? 2 : 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < end) {
            const char c = text[nameEnd];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '/')
                break;
            ++nameEnd;
        }
        const QByteArrayView name = text.sliced(nameStart, nameEnd - nameStart);
        if (closing) {
            if (open.empty() || open.back() != name)
                return false;
            open.pop_back();
        } else if (!selfClosing) {
            open.push_back(name);
            if (static_cast<int>(open.size()) > kMaxDepth)
                return false;
        }
        i = end + 1;
    }
}

} // namespace

bool safeToParse(const QByteArray& bytes) {
    if (bytes.size() > kMaxFileSize)
        return false;
    if (QByteArrayView(bytes).startsWith(kBinaryMagic))
        return binaryWithinLimits(bytes);
    return xmlWithinLimits(bytes);
}

} // namespace PlistBounds
