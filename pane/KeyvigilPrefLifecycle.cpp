#include "pane/HelpHandoff.h"
#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "pane/ProcessControl.h"
#include "shared/AppKitVersion.h"
#include "shared/ApplicationBundle.h"
#include "shared/BundleLayout.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>

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

// Where the bundle version for which "Restart" was last started is kept.
QString restartMarkerPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/keyvigil/restarted-for-version");
}

QString readRestartMarker() {
    QFile marker(restartMarkerPath());
    return marker.open(QIODevice::ReadOnly) ? QString::fromUtf8(marker.readAll()) : QString();
}

bool writeRestartMarker(const QString& version) {
    QDir().mkpath(QFileInfo(restartMarkerPath()).path());
    QFile marker(restartMarkerPath());
    return marker.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           marker.write(version.toUtf8()) == version.toUtf8().size();
}

} // namespace

bool KeyvigilPref::initWithBundle(const QString& bundlePath) {
    const auto bundle = ApplicationBundle::bundleWithPath(bundlePath);
    const std::optional<QString> bundleVersion =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleVersion") : std::nullopt;
    bundlePath_ = bundlePath;
    if (bundleVersion != ourVersion || classVersion != 0) {
        // An update is under way: the code loaded is not the bundle's, or an older copy of the
        // class is already in this process.
        alertUpgrade(bundleVersion);
        platform.host.terminate();
        return false;
    }
    classVersion = 1;
    QFile::remove(restartMarkerPath());
    return true;
}

void KeyvigilPref::alertUpgrade(const std::optional<QString>& bundleVersion) {
    const QString restart = BundleLayout::restartTool(bundlePath_);
    const QString version = bundleVersion.value_or(QStringLiteral("unknown"));
    qCWarning(programLog).noquote()
        << QStringLiteral("the bundle %1 is version %2, this settings window %3")
               .arg(bundlePath_, version, ourVersion);
    if (!QFileInfo(restart).isFile()) {
        platform.host.runAlertPanel(
            QStringLiteral("Upgrading Keyvigil"),
            QStringLiteral("System Preferences will now quit.\r\rYou must restart System "
                           "Preferences and choose Keyvigil to complete the update."),
            QStringLiteral("OK"));
        return;
    }
    // The plug-in and the bundle's version come from one folder here, so a restart helps only
    // when that folder was being replaced: it is tried once per bundle version, and after that
    // the window says what does help.
    if (readRestartMarker() != version && writeRestartMarker(version)) {
        platform.workspace.launchTask(
            restart, {bundlePath_, QString::number(platform.host.processIdentifier())});
        platform.host.runAlertPanel(
            QStringLiteral("Upgrading Keyvigil"),
            QStringLiteral(
                "System Preferences will now restart to complete the update of Keyvigil."),
            QStringLiteral("OK"));
        return;
    }
    platform.host.runAlertPanel(
        QStringLiteral("Reinstall Keyvigil"),
        QStringLiteral("This copy of Keyvigil is incomplete: its settings window is version %1, "
                       "but “%2” says it is version %3, and restarting did not change that."
                       "\r\rInstall Keyvigil again, then open this window.")
            .arg(ourVersion, bundlePath_, version),
        QStringLiteral("OK"));
}

void KeyvigilPref::willSelect() {
    PaneForm& form = platform.form;
    alerted_.clear();
    helperPaused = false;
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
    // Showing only paused the helper: with the switch off, what starts it goes now.
    if (enabled)
        enable();
    else
        removeAgent();
    if (gPrefs)
        saveSettings(Moment::Leaving);
    terminateHelp(kHelpBookName, platform);
    loginWindow.reset();
}

void KeyvigilPref::alert(const QString& title, const QString& message) {
    if (alerted_.contains(message))
        return;
    alerted_.append(message);
    qCWarning(programLog).noquote()
        << title + QStringLiteral(": ") +
               QString(message).replace(QStringLiteral("\r\r"), QStringLiteral(" "));
    platform.host.runAlertPanel(title, message, QStringLiteral("OK"));
}

bool KeyvigilPref::saveSettings(Moment moment) {
    if (gPrefs->synchronize())
        return true;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    const QString kept =
        moment == Moment::Visiting
            ? QStringLiteral("This window keeps your changes and saves them again when you change "
                             "something or close it.")
            : QStringLiteral("The changes made in this window are lost.");
    alert(QStringLiteral("Settings Not Saved"),
          QStringLiteral("Keyvigil could not save your settings in “%1”: %2.\r\rThe settings "
                         "saved there before are kept. %3")
              .arg(gPrefs->prefsPath(), reason, kept));
    return false;
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
