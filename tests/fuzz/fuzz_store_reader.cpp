// Feeds arbitrary bytes to the readers of store files and preferences domains.
#include "shared/KeyedArchive.h"
#include "shared/LibPlist.h"
#include "shared/PlistBounds.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > static_cast<std::size_t>(PlistBounds::kMaxFileSize) + 1)
        return -1;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    if (std::optional<PlistValue::Dictionary> dictionary = KeyedArchive::readDictionary(bytes)) {
        (void)PlistValue::fromDictionary(*dictionary).description();
        // Whatever reads must write, and what is written must read again.
        const std::optional<QByteArray> archive = KeyedArchive::writeDictionary(*dictionary);
        if (!archive)
            std::abort();
        if (archive->size() <= PlistBounds::kMaxFileSize && !KeyedArchive::readDictionary(*archive))
            std::abort();
    }

    if (LibPlist::Node root = LibPlist::parse(bytes)) {
        if (std::optional<PlistValue> value = LibPlist::toValue(root.get()))
            (void)value->description();
    }
    return 0;
}
