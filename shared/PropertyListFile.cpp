#include "shared/PropertyListFile.h"

#include "shared/AtomicFile.h"
#include "shared/LibPlist.h"
#include "shared/PlistBounds.h"

#include <QFile>

#include <cstdlib>

namespace PropertyListFile {

bool readFileCapped(const QString& path, qint64 limit, QByteArray& contents) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Read one byte past the limit so that a file that grew since it was opened is caught too.
    contents = file.read(limit + 1);
    return file.error() == QFileDevice::NoError && contents.size() <= limit;
}

Entries readDictionaryEntries(const QString& path) {
    QByteArray bytes;
    if (!readFileCapped(path, PlistBounds::kMaxFileSize, bytes))
        return {};
    LibPlist::Node root = LibPlist::parse(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return {};
    Entries entries;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(root.get(), &iter);
    if (!iter)
        return {};
    while (true) {
        char* key = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(root.get(), iter, &key, &item);
        if (!key || !item) {
            std::free(key);
            break;
        }
        // A value that has no property-list form (a stray UID) is left behind.
        if (std::optional<PlistValue> value = LibPlist::toValue(item))
            entries.emplace_back(QString::fromUtf8(key), std::move(*value));
        std::free(key);
    }
    std::free(iter);
    return entries;
}

std::optional<Dictionary> readDictionary(const QString& path) {
    QByteArray bytes;
    if (!readFileCapped(path, PlistBounds::kMaxFileSize, bytes))
        return std::nullopt;
    LibPlist::Node root = LibPlist::parse(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT)
        return std::nullopt;
    const std::optional<PlistValue> value = LibPlist::toValue(root.get());
    if (!value)
        return std::nullopt;
    const Format format = bytes.startsWith("bplist") ? Format::Binary : Format::Xml;
    return Dictionary{value->toDictionary(), format};
}

bool writeDictionary(const QString& path, const PlistValue::Dictionary& entries, Format format,
                     mode_t mode) {
    const LibPlist::Node root = LibPlist::fromValue(PlistValue::fromDictionary(entries));
    char* data = nullptr;
    uint32_t length = 0;
    if (format == Format::Binary)
        plist_to_bin(root.get(), &data, &length);
    else
        plist_to_xml(root.get(), &data, &length);
    if (!data)
        return false;
    const QByteArray bytes(data, qsizetype(length));
    std::free(data);
    return writeFileAtomically(path, bytes, mode);
}

} // namespace PropertyListFile
