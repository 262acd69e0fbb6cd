#include "pane/HelpHandoff.h"
#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "pane/ProcessControl.h"
#include "shared/AppKitVersion.h"
#include "shared/ApplicationBundle.h"
#include "shared/Identifiers.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

const QString KeyvigilPref::ourVersion = kPaneVersion;
int KeyvigilPref::classVersion = 0;

namespace {

struct AccessibilityTexts {
    const char* message;
    const char* button;
    const char* pane;
};

// By the toolkit version, rounded down: below 10.8, 10.8, and 10.9 on.
constexpr AccessibilityTexts kUniversalAccess{
    "For the above to work, you must first check \"Enable access for assistive devices\" in the "
    "Universal Access preference panel, and then come back here to enable Keyvigil.",
    "Disable & Go To Universal Access",
    "/System/Library/PreferencePanes/UniversalAccessPref.prefPane"};
constexpr AccessibilityTexts kAccessibility{
    "For the above to work, you must first check \"Enable access for assistive devices\" in the "
    "Accessibility preference panel, and then come back here to enable Keyvigil.",
    "Disable & Go To Accessibility",
    "/System/Library/PreferencePanes/UniversalAccessPref.prefPane"};
constexpr AccessibilityTexts kSecurityAndPrivacy{
    "For the above to work, you must first enable \"Keyvigil Helper\" in the Security & Privacy "
    "preference panel Privacy->Accessibility section, and then come back here to enable Keyvigil.",
    "Disable & Go To Security & Privacy", "/System/Library/PreferencePanes/Security.prefPane"};

} // namespace

bool KeyvigilPref::initWithBundle(const QString& bundlePath) {
    const auto bundle = ApplicationBundle::bundleWithPath(bundlePath);
    const std::optional<QString> bundleVersion =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleVersion") : std::nullopt;
    if (bundleVersion != ourVersion || classVersion != 0) {
        // An update is under way: the code loaded is not the bundle's, or an older copy of the
        // class is already in this process.
        const QString restart = bundlePath + QStringLiteral("/Contents/Resources/Restart");
        if (QFileInfo(restart).isFile()) {
            platform.workspace.launchTask(
                restart, {bundlePath, QString::number(platform.host.processIdentifier())});
            platform.host.runAlertPanel(
                QStringLiteral("Upgrading Keyvigil"),
                QStringLiteral(
                    "System Preferences will now restart to complete the update of Keyvigil."),
                QStringLiteral("OK"));
        } else {
            platform.host.runAlertPanel(
                QStringLiteral("Upgrading Keyvigil"),
                QStringLiteral("System Preferences will now quit.\r\rYou must restart System "
                               "Preferences and choose Keyvigil to complete the update."),
                QStringLiteral("OK"));
        }
        platform.host.terminate();
        return false;
    }
    classVersion = 1;
    bundlePath_ = bundlePath;
    return true;
}

void KeyvigilPref::willSelect() {
    PaneForm& form = platform.form;
    form.selectTabViewItem(Outlets::tabView, Outlets::configureTabViewItem);
    form.setHidden(Outlets::stoppedMsg, true);
    for (const QString& folder : platform.soundFolders)
        addSoundsFromDirectory(folder);

    gPrefs = std::make_unique<RVPrefs>(RVPrefs::initForApplicationID(kApplicationIdentifier));
    readPreferences();
    configureContinuousSoundOption();
    if (!preferencesForPrefPane) {
        enabled = false;
        form.setState(Outlets::EnableKeyvigilSwitch, false);
    }
    // The applications column shows an icon beside the name and is not edited in place; the view
    // sets that up once. Both tables work on lists of strings.
    platform.excludeApplicationsTable.initWithArrayEditDelegateKeys(excludeApplicationsArray, this,
                                                                    std::nullopt);
    platform.excludeWordsTable.initWithArrayEditDelegateKeys(excludeWordsArray, this, std::nullopt);

    const std::optional<PlistValue::Dictionary> domain =
        platform.domains.persistentDomainForName(QStringLiteral("loginwindow"));
    loginWindow = domain;
    autoStartItems.clear();
    if (domain) {
        const auto items = domain->find(QStringLiteral("AutoLaunchedApplicationDictionary"));
        if (items != domain->end() && items->isArray())
            autoStartItems = items->toArray();
    }

    const QString agents = QDir::homePath() + QStringLiteral("/Library/LaunchAgents");
    QDir().mkpath(agents);
    launchdPlistPath = agents + u'/' + kAgentLabel + QStringLiteral(".plist");

    form.setStringValue(Outlets::versionString, QStringLiteral("Version %1").arg(ourVersion));
    gPrefs->setObjectForKey(PlistValue::fromString(bundlePath_), SettingsKeys::PrefPanePath);
    setAccessibilityTexts();
    helperStatus = findProcess(platform.processes, kHelperCreatorCode, &helperProcessPSN);
    killHelper();
}

void KeyvigilPref::tabViewWillSelectTabViewItem() {
    killHelper();
}

void KeyvigilPref::willUnselect() {
    if (enabled)
        enable();
    if (gPrefs)
        gPrefs->synchronize();
    terminateHelp(kHelpBookName, platform);
    loginWindow.reset();
}

void KeyvigilPref::setAccessibilityTexts() {
    const double version = std::floor(platform.NSAppKitVersionNumber);
    const AccessibilityTexts& texts = version < AppKitVersion::v10_8   ? kUniversalAccess
                                      : version < AppKitVersion::v10_9 ? kAccessibility
                                                                       : kSecurityAndPrivacy;
    platform.form.setStringValue(Outlets::accessibilityMessage, QString::fromUtf8(texts.message));
    platform.form.setStringValue(Outlets::accessibilityButton, QString::fromUtf8(texts.button));
    accessibilityPrefPaneToOpen = QString::fromUtf8(texts.pane);
}

void KeyvigilPref::openUniversalAccess() {
    disable();
    platform.workspace.openFile(accessibilityPrefPaneToOpen);
}
