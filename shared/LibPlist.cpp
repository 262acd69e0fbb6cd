#include "shared/LibPlist.h"

#include <cmath>

#include "shared/FoundationConversions.h"
#include "shared/PlistBounds.h"

#include <cstdlib>

namespace LibPlist {
namespace {

std::optional<PlistValue> convert(plist_t node, int depth) {
    if (depth > PlistBounds::kMaxDepth)
        return std::nullopt;
    switch (plist_get_node_type(node)) {
    case PLIST_ARRAY: {
        PlistValue::Array array;
        const std::vector<plist_t> items = arrayItems(node);
        array.reserve(static_cast<qsizetype>(items.size()));
        for (plist_t item : items) {
            std::optional<PlistValue> element = convert(item, depth + 1);
            if (!element)
                return std::nullopt;
            array.append(std::move(*element));
        }
        return PlistValue::fromArray(array);
    }
    case PLIST_DICT: {
        PlistValue::Dictionary dictionary;
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        bool ok = iter != nullptr;
        while (ok) {
            char* key = nullptr;
            plist_t item = nullptr;
            plist_dict_next_item(node, iter, &key, &item);
            if (!key || !item) {
                std::free(key);
                break;
            }
            std::optional<PlistValue> value = convert(item, depth + 1);
            if (value)
                dictionary.insert(QString::fromUtf8(key), std::move(*value));
            else
                ok = false;
            std::free(key);
        }
        std::free(iter);
        if (!ok)
            return std::nullopt;
        return PlistValue::fromDictionary(dictionary);
    }
    default:
        return scalarValue(node);
    }
}

} // namespace

Node parse(const QByteArray& bytes) {
    if (bytes.isEmpty() || !PlistBounds::safeToParse(bytes))
        return nullptr;
    plist_t root = nullptr;
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &root);
    return Node(root);
}

std::optional<PlistValue> scalarValue(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return PlistValue::fromBool(value != 0);
    }
    case PLIST_UINT: {
        // Negative integers come back in two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return PlistValue::fromInt(static_cast<std::int64_t>(value));
    }
    case PLIST_REAL: {
        // The parser widens every real to a double; one that a float holds exactly was
        // most likely written as a float.
        double value = 0;
        plist_get_real_val(node, &value);
        const float narrow = FoundationConversions::realToFloat(value);
        if (static_cast<double>(narrow) == value)
            return PlistValue::fromFloat(narrow);
        return PlistValue::fromDouble(value);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        std::optional<QString> text = stringValue(node);
        if (!text)
            return std::nullopt;
        return PlistValue::fromString(*text);
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return PlistValue::fromData(QByteArray(bytes, bytes ? static_cast<qsizetype>(length) : 0));
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        return PlistValue::fromDate(seconds + microseconds / 1e6);
    }
    default:
        return std::nullopt;
    }
}

std::optional<PlistValue> toValue(plist_t node) {
    return convert(node, 0);
}

std::optional<QString> stringValue(plist_t node) {
    const plist_type type = plist_get_node_type(node);
    if (type != PLIST_STRING && type != PLIST_KEY)
        return std::nullopt;
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (!text)
        return QString();
    return QString::fromUtf8(text, static_cast<qsizetype>(length));
}

std::vector<plist_t> arrayItems(plist_t array) {
    std::vector<plist_t> items;
    if (!array || plist_get_node_type(array) != PLIST_ARRAY)
        return items;
    items.reserve(plist_array_get_size(array));
    plist_array_iter iter = nullptr;
    plist_array_new_iter(array, &iter);
    if (!iter)
        return items;
    while (true) {
        plist_t item = nullptr;
        plist_array_next_item(array, iter, &item);
        if (!item)
            break;
        items.push_back(item);
    }
    std::free(iter);
    return items;
}

plist_t dictItem(plist_t dict, const char* key) {
    if (!dict || plist_get_node_type(dict) != PLIST_DICT)
        return nullptr;
    return plist_dict_get_item(dict, key);
}

plist_t newScalar(const PlistValue& value) {
    switch (value.kind()) {
    case PlistValue::Kind::Boolean:
        return plist_new_bool(value.boolValue() ? 1 : 0);
    case PlistValue::Kind::Integer:
        return plist_new_uint(static_cast<uint64_t>(value.integerValue()));
    case PlistValue::Kind::Real32:
    case PlistValue::Kind::Real64:
        // The writer picks four bytes for a real a float holds exactly, eight otherwise.
        return plist_new_real(value.doubleValue());
    case PlistValue::Kind::String:
        return plist_new_string(value.toString().toUtf8().constData());
    case PlistValue::Kind::Data: {
        const QByteArray data = value.toData();
        return plist_new_data(data.constData(), static_cast<uint64_t>(data.size()));
    }
    default:
        return nullptr;
    }
}

Node fromValue(const PlistValue& value) {
    switch (value.kind()) {
    case PlistValue::Kind::Array: {
        Node array(plist_new_array());
        for (const PlistValue& item : value.toArray())
            plist_array_append_item(array.get(), fromValue(item).release());
        return array;
    }
    case PlistValue::Kind::Dictionary: {
        Node dict(plist_new_dict());
        const PlistValue::Dictionary& entries = value.toDictionary();
        for (auto it = entries.begin(); it != entries.end(); ++it)
            plist_dict_set_item(dict.get(), it.key().toUtf8().constData(),
                                fromValue(it.value()).release());
        return dict;
    }
    case PlistValue::Kind::Date: {
        const double seconds = value.toDate();
        const double whole = std::floor(seconds);
        return Node(plist_new_date(int32_t(whole), int32_t((seconds - whole) * 1e6)));
    }
    default:
        return Node(newScalar(value));
    }
}

} // namespace LibPlist
