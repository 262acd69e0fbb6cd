#include "pane/HelpHandoff.h"

#include "pane/ProcessControl.h"
#include "shared/BundleLayout.h"
#include "shared/HelpHandoffKeys.h"
#include "shared/Identifiers.h"
#include "shared/RVPrefs.h"

#include <memory>

namespace {

// The hand-off store as last read, and the viewer's process as it recorded it there.
std::unique_ptr<RVPrefs> helpViewerPrefs;
ProcessSerialNumber PSN;

void readPSN() {
    PSN.highLongOfPSN = std::uint32_t(helpViewerPrefs->intForKey(HelpHandoffKeys::kPSNhigh));
    PSN.lowLongOfPSN = std::uint32_t(helpViewerPrefs->intForKey(HelpHandoffKeys::kPSNlow));
}

} // namespace

void showHelp(const QString& bookName, const std::optional<QString>& page,
              const std::optional<QString>& anchor, const QString& bundlePath,
              PanePlatform& platform) {
    const QString resources = BundleLayout::resources(bundlePath);
    const QString bookPath = resources + u'/' + bookName;

    helpViewerPrefs =
        std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kHelpViewerIdentifier));
    helpViewerPrefs->setObjectForKey(PlistValue::fromString(bookPath),
                                     HelpHandoffKeys::kHelpFolderPath);
    helpViewerPrefs->setObjectForKey(
        PlistValue::fromString(page.value_or(QStringLiteral("index.html"))),
        HelpHandoffKeys::kPath);
    if (anchor)
        helpViewerPrefs->setObjectForKey(PlistValue::fromString(*anchor), HelpHandoffKeys::kAnchor);
    else
        helpViewerPrefs->removeObjectForKey(HelpHandoffKeys::kAnchor);
    helpViewerPrefs->setObjectForKey(PlistValue::fromString(bookName),
                                     HelpHandoffKeys::kHelpBookFolder);
    // The viewer reads the request from the file: it must be there before the viewer wakes.
    helpViewerPrefs->synchronize();

    readPSN();
    if (PSN.lowLongOfPSN != 0) {
        QString name;
        if (platform.processes.CopyProcessName(PSN, &name) != procNotFound) {
            // Delivery failures are ignored: the viewer is then simply not raised.
            SendAppleEventToApplication(platform.appleEvents, kAEReopenApplication, PSN);
            return;
        }
    }
    platform.workspace.launchApplication(BundleLayout::helpViewerBundle(bundlePath));
}

void terminateHelp(const QString& bookName, PanePlatform& platform) {
    helpViewerPrefs.reset();
    helpViewerPrefs =
        std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kHelpViewerIdentifier));
    readPSN();
    if (PSN.lowLongOfPSN == 0)
        return;
    const std::optional<PlistValue> book =
        helpViewerPrefs->objectForKey(QStringLiteral("Help Book Folder"));
    if (book && book->isString() && book->toString() == bookName)
        SendAppleEventToApplication(platform.appleEvents, kAEQuitApplication, PSN);
}
