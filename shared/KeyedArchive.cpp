#include "shared/KeyedArchive.h"

#include "shared/LibPlist.h"

#include <QHash>
#include <QStringList>

#include <cstdlib>
#include <vector>

namespace KeyedArchive {
namespace {

constexpr const char* kArchiver = "NSKeyedArchiver";
constexpr uint64_t kVersion = 100000;

// A reference to an archived object: a UID node, or its XML spelling {CF$UID = n}.
std::optional<uint64_t> uidOf(plist_t node) {
    if (!node)
        return std::nullopt;
    if (plist_get_node_type(node) == PLIST_UID) {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return value;
    }
    if (plist_get_node_type(node) == PLIST_DICT && plist_dict_get_size(node) == 1) {
        plist_t inner = plist_dict_get_item(node, "CF$UID");
        if (inner && plist_get_node_type(inner) == PLIST_UINT) {
            uint64_t value = 0;
            plist_get_uint_val(inner, &value);
            return value;
        }
    }
    return std::nullopt;
}

enum class ClassKind { Dictionary, Array, String, Data, Date };

class Decoder {
public:
    explicit Decoder(plist_t objects)
        : objects_(LibPlist::arrayItems(objects)), count_(objects_.size()), state_(count_),
          values_(count_), sizes_(count_, 0) {}

    std::optional<PlistValue> decodeReference(plist_t reference, int depth) {
        const std::optional<uint64_t> index = uidOf(reference);
        if (!index)
            return std::nullopt;
        return decodeObject(*index, depth);
    }

private:
    enum class State : unsigned char { Unvisited, Decoding, Done };

    std::optional<PlistValue> decodeObject(uint64_t index, int depth) {
        // Index 0 is "$null": a nil object has no place in a property list.
        if (index == 0 || index >= count_ || depth > kMaxNesting)
            return std::nullopt;
        if (state_[index] == State::Decoding)
            return std::nullopt; // a cycle
        if (state_[index] == State::Unvisited) {
            state_[index] = State::Decoding;
            const std::int64_t before = nodes_;
            std::optional<PlistValue> value = decodeEntry(objects_[index], depth);
            if (!value)
                return std::nullopt;
            state_[index] = State::Done;
            values_[index] = std::move(value);
            sizes_[index] = nodes_ - before + 1;
            if (++nodes_ > kMaxValues)
                return std::nullopt;
            return values_[index];
        }
        // A shared object counts every time it appears, so that a small file cannot
        // describe an enormous value.
        nodes_ += sizes_[index];
        if (nodes_ > kMaxValues)
            return std::nullopt;
        return values_[index];
    }

    std::optional<PlistValue> decodeEntry(plist_t entry, int depth) {
        if (plist_get_node_type(entry) != PLIST_DICT)
            return LibPlist::scalarValue(entry);
        const std::optional<ClassKind> kind = classOf(entry);
        if (!kind)
            return std::nullopt;
        switch (*kind) {
        case ClassKind::Dictionary:
            return decodeDictionary(entry, depth);
        case ClassKind::Array:
            return decodeArray(entry, depth);
        case ClassKind::String:
            return stringOrReference(LibPlist::dictItem(entry, "NS.string"), depth);
        case ClassKind::Data:
            return dataOrReference(LibPlist::dictItem(entry, "NS.data"), depth);
        case ClassKind::Date:
            return decodeDate(entry);
        }
        return std::nullopt;
    }

    // The class chain of an object names the first class we know how to read.
    std::optional<ClassKind> classOf(plist_t entry) const {
        const std::optional<uint64_t> classIndex = uidOf(LibPlist::dictItem(entry, "$class"));
        if (!classIndex || *classIndex == 0 || *classIndex >= count_)
            return std::nullopt;
        plist_t classEntry = objects_[*classIndex];
        QStringList names;
        for (plist_t item : LibPlist::arrayItems(LibPlist::dictItem(classEntry, "$classes"))) {
            if (auto name = LibPlist::stringValue(item))
                names.append(*name);
        }
        if (auto name = LibPlist::stringValue(LibPlist::dictItem(classEntry, "$classname")))
            names.prepend(*name);
        static const QHash<QString, ClassKind> known = {
            {QStringLiteral("NSMutableDictionary"), ClassKind::Dictionary},
            {QStringLiteral("NSDictionary"), ClassKind::Dictionary},
            {QStringLiteral("NSMutableArray"), ClassKind::Array},
            {QStringLiteral("NSArray"), ClassKind::Array},
            {QStringLiteral("NSMutableString"), ClassKind::String},
            {QStringLiteral("NSString"), ClassKind::String},
            {QStringLiteral("NSMutableData"), ClassKind::Data},
            {QStringLiteral("NSData"), ClassKind::Data},
            {QStringLiteral("NSDate"), ClassKind::Date},
        };
        for (const QString& name : names) {
            if (auto it = known.constFind(name); it != known.cend())
                return *it;
        }
        return std::nullopt;
    }

    std::optional<std::vector<PlistValue>> decodeReferences(plist_t list, int depth) {
        if (!list || plist_get_node_type(list) != PLIST_ARRAY)
            return std::nullopt;
        const std::vector<plist_t> items = LibPlist::arrayItems(list);
        std::vector<PlistValue> values;
        values.reserve(items.size());
        for (plist_t item : items) {
            std::optional<PlistValue> value = decodeReference(item, depth + 1);
            if (!value)
                return std::nullopt;
            values.push_back(std::move(*value));
        }
        return values;
    }

    std::optional<PlistValue> decodeDictionary(plist_t entry, int depth) {
        auto keys = decodeReferences(LibPlist::dictItem(entry, "NS.keys"), depth);
        auto objects = decodeReferences(LibPlist::dictItem(entry, "NS.objects"), depth);
        if (!keys || !objects || keys->size() != objects->size())
            return std::nullopt;
        PlistValue::Dictionary dictionary;
        for (std::size_t i = 0; i < keys->size(); ++i) {
            if (!(*keys)[i].isString())
                return std::nullopt;
            dictionary.insert((*keys)[i].toString(), (*objects)[i]);
        }
        return PlistValue::fromDictionary(dictionary);
    }

    std::optional<PlistValue> decodeArray(plist_t entry, int depth) {
        auto objects = decodeReferences(LibPlist::dictItem(entry, "NS.objects"), depth);
        if (!objects)
            return std::nullopt;
        return PlistValue::fromArray(PlistValue::Array(objects->begin(), objects->end()));
    }

    // NS.string and NS.data hold the contents inline, or as a reference to them.
    std::optional<PlistValue> stringOrReference(plist_t item, int depth) {
        std::optional<PlistValue> value = inlineOrReference(item, depth);
        if (!value || !value->isString())
            return std::nullopt;
        return value;
    }

    std::optional<PlistValue> dataOrReference(plist_t item, int depth) {
        std::optional<PlistValue> value = inlineOrReference(item, depth);
        if (!value || value->kind() != PlistValue::Kind::Data)
            return std::nullopt;
        return value;
    }

    std::optional<PlistValue> inlineOrReference(plist_t item, int depth) {
        if (!item)
            return std::nullopt;
        if (uidOf(item))
            return decodeReference(item, depth + 1);
        return LibPlist::scalarValue(item);
    }

    static std::optional<PlistValue> decodeDate(plist_t entry) {
        std::optional<PlistValue> time =
            LibPlist::scalarValue(LibPlist::dictItem(entry, "NS.time"));
        if (!time || !time->isNumber() || time->kind() == PlistValue::Kind::Boolean)
            return std::nullopt;
        return PlistValue::fromDate(time->doubleValue());
    }

    std::vector<plist_t> objects_;
    std::size_t count_;
    std::vector<State> state_;
    std::vector<std::optional<PlistValue>> values_;
    std::vector<std::int64_t> sizes_;
    std::int64_t nodes_ = 0;
};

class Encoder {
public:
    Encoder() : objects_(plist_new_array()) { append(plist_new_string("$null")); }

    // Takes ownership of the object table.
    plist_t release() { return std::exchange(objects_, nullptr); }
    ~Encoder() {
        if (objects_)
            plist_free(objects_);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    uint64_t encodeDictionary(const PlistValue::Dictionary& dictionary, bool isMutable) {
        plist_t object = plist_new_dict();
        const uint64_t index = append(object);
        plist_t keys = plist_new_array();
        plist_t values = plist_new_array();
        for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it)
            plist_array_append_item(keys, plist_new_uid(encode(PlistValue::fromString(it.key()))));
        for (auto it = dictionary.cbegin(); it != dictionary.cend(); ++it)
            plist_array_append_item(values, plist_new_uid(encode(it.value())));
        plist_dict_set_item(object, "NS.keys", keys);
        plist_dict_set_item(object, "NS.objects", values);
        const uint64_t cls = isMutable
                                 ? classObject({"NSMutableDictionary", "NSDictionary", "NSObject"})
                                 : classObject({"NSDictionary", "NSObject"});
        plist_dict_set_item(object, "$class", plist_new_uid(cls));
        return index;
    }

private:
    uint64_t append(plist_t node) {
        plist_array_append_item(objects_, node);
        return next_++;
    }

    // A container that appears in several places is archived once and referenced from each,
    // as the archiver does for one object held twice.
    uint64_t encode(const PlistValue& value) {
        const void* identity = value.identity();
        if (identity) {
            if (auto it = written_.constFind(identity); it != written_.cend())
                return *it;
        }
        const uint64_t index = encodeContents(value);
        if (identity)
            written_.insert(identity, index);
        return index;
    }

    uint64_t encodeContents(const PlistValue& value) {
        switch (value.kind()) {
        case PlistValue::Kind::Dictionary:
            return encodeDictionary(value.toDictionary(), false);
        case PlistValue::Kind::Array: {
            plist_t object = plist_new_dict();
            const uint64_t index = append(object);
            plist_t values = plist_new_array();
            for (const PlistValue& element : value.toArray())
                plist_array_append_item(values, plist_new_uid(encode(element)));
            plist_dict_set_item(object, "NS.objects", values);
            plist_dict_set_item(object, "$class",
                                plist_new_uid(classObject({"NSArray", "NSObject"})));
            return index;
        }
        case PlistValue::Kind::Date: {
            plist_t object = plist_new_dict();
            const uint64_t index = append(object);
            plist_dict_set_item(object, "NS.time", plist_new_real(value.toDate()));
            plist_dict_set_item(object, "$class",
                                plist_new_uid(classObject({"NSDate", "NSObject"})));
            return index;
        }
        default:
            return append(LibPlist::newScalar(value));
        }
    }

    // One class object per class name, as the archiver shares them.
    uint64_t classObject(std::initializer_list<const char*> chain) {
        const QString name = QString::fromLatin1(*chain.begin());
        if (auto it = classes_.constFind(name); it != classes_.cend())
            return *it;
        plist_t object = plist_new_dict();
        plist_t names = plist_new_array();
        for (const char* c : chain)
            plist_array_append_item(names, plist_new_string(c));
        plist_dict_set_item(object, "$classes", names);
        plist_dict_set_item(object, "$classname", plist_new_string(*chain.begin()));
        const uint64_t index = append(object);
        classes_.insert(name, index);
        return index;
    }

    plist_t objects_;
    uint64_t next_ = 0;
    QHash<QString, uint64_t> classes_;
    QHash<const void*, uint64_t> written_;
};

} // namespace

std::optional<PlistValue::Dictionary> readDictionary(const QByteArray& bytes) {
    LibPlist::Node root = LibPlist::parse(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;
    const std::optional<QString> archiver =
        LibPlist::stringValue(LibPlist::dictItem(root.get(), "$archiver"));
    if (archiver != QLatin1StringView(kArchiver))
        return std::nullopt;
    plist_t objects = LibPlist::dictItem(root.get(), "$objects");
    plist_t top = LibPlist::dictItem(root.get(), "$top");
    if (!objects || plist_get_node_type(objects) != PLIST_ARRAY || !top)
        return std::nullopt;
    Decoder decoder(objects);
    std::optional<PlistValue> value = decoder.decodeReference(LibPlist::dictItem(top, "root"), 0);
    if (!value || !value->isDictionary())
        return std::nullopt;
    return value->toDictionary();
}

std::optional<QByteArray> writeDictionary(const PlistValue::Dictionary& dictionary) {
    Encoder encoder;
    const uint64_t rootIndex = encoder.encodeDictionary(dictionary, true);
    LibPlist::Node root(plist_new_dict());
    plist_dict_set_item(root.get(), "$version", plist_new_uint(kVersion));
    plist_dict_set_item(root.get(), "$archiver", plist_new_string(kArchiver));
    plist_t top = plist_new_dict();
    plist_dict_set_item(top, "root", plist_new_uid(rootIndex));
    plist_dict_set_item(root.get(), "$top", top);
    plist_dict_set_item(root.get(), "$objects", encoder.release());

    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root.get(), &bytes, &length);
    if (!bytes || length == 0) {
        std::free(bytes);
        return std::nullopt;
    }
    QByteArray archive(bytes, static_cast<qsizetype>(length));
    plist_to_bin_free(bytes);
    return archive;
}

} // namespace KeyedArchive
