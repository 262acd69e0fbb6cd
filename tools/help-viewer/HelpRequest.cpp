#include "tools/help-viewer/HelpRequest.h"

#include "shared/HelpHandoffKeys.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"

#include <QDir>
#include <QFileInfo>

namespace HelpHandoffStore {
namespace {

QString text(const RVPrefs& store, const QString& key) {
    const PlistValue* value = store.find(key);
    return value && value->isString() ? value->toString() : QString();
}

} // namespace

HelpRequest read() {
    const RVPrefs store(kHelpViewerIdentifier);
    HelpRequest request{text(store, HelpHandoffKeys::kHelpFolderPath),
                        text(store, HelpHandoffKeys::kPath), std::nullopt};
    if (const PlistValue* anchor = store.find(HelpHandoffKeys::kAnchor);
        anchor && anchor->isString())
        request.anchor = anchor->toString();
    if (request.page.isEmpty())
        request.page = QStringLiteral("index.html");
    return request;
}

bool recordViewer(const ProcessSerialNumber& self) {
    RVPrefs store(kHelpViewerIdentifier);
    // Both halves are kept as the store's 32-bit integers; the reader takes the bits back.
    store.setIntForKey(std::int32_t(self.highLongOfPSN), HelpHandoffKeys::kPSNhigh);
    store.setIntForKey(std::int32_t(self.lowLongOfPSN), HelpHandoffKeys::kPSNlow);
    return store.synchronize();
}

bool clearViewer(const ProcessSerialNumber& self) {
    RVPrefs store(kHelpViewerIdentifier);
    if (std::uint32_t(store.intForKey(HelpHandoffKeys::kPSNhigh)) != self.highLongOfPSN ||
        std::uint32_t(store.intForKey(HelpHandoffKeys::kPSNlow)) != self.lowLongOfPSN)
        return true;
    store.removeObjectForKey(HelpHandoffKeys::kPSNhigh);
    store.removeObjectForKey(HelpHandoffKeys::kPSNlow);
    return store.synchronize();
}

} // namespace HelpHandoffStore

std::optional<QString> resolveInBook(const QString& bookFolder, const QString& fromFolder,
                                     const QString& target) {
    const QString book = QFileInfo(bookFolder).canonicalFilePath();
    if (book.isEmpty() || target.isEmpty())
        return std::nullopt;
    const QFileInfo file(QDir(fromFolder).absoluteFilePath(target));
    const QString canonical = file.canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isFile() || !canonical.startsWith(book + u'/'))
        return std::nullopt;
    return canonical;
}
