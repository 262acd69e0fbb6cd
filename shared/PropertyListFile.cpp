#include "shared/PropertyListFile.h"

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

} // namespace PropertyListFile
