#include "pane/KeyvigilPref.h"

#include "pane/HelpHandoff.h"
#include "shared/ApplicationBundle.h"
#include "shared/BundleLayout.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString KeyvigilPref::ourVersion = kPaneVersion;
int KeyvigilPref::classVersion = 0;

namespace {

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

KeyvigilPref::KeyvigilPref(PanePlatform& platform) : pane_(platform) {}

bool KeyvigilPref::initWithBundle(const QString& bundlePath) {
    const auto bundle = ApplicationBundle::bundleWithPath(bundlePath);
    const std::optional<QString> bundleVersion =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleVersion") : std::nullopt;
    pane_.setBundlePath(bundlePath);
    if (bundleVersion != ourVersion || classVersion != 0) {
        // An update is under way: the code loaded is not the bundle's, or an older copy of the
        // class is already in this process.
        alertUpgrade(bundleVersion);
        pane_.platform.host.terminate();
        return false;
    }
    classVersion = 1;
    QFile::remove(restartMarkerPath());
    return true;
}

void KeyvigilPref::alertUpgrade(const std::optional<QString>& bundleVersion) {
    const QString restart = BundleLayout::restartTool(pane_.bundlePath());
    const QString version = bundleVersion.value_or(QStringLiteral("unknown"));
    qCWarning(programLog).noquote()
        << QStringLiteral("the bundle %1 is version %2, this settings window %3")
               .arg(pane_.bundlePath(), version, ourVersion);
    if (!QFileInfo(restart).isFile()) {
        pane_.platform.host.runAlertPanel(
            tr("Upgrading Keyvigil"),
            tr("System Preferences will now quit.\r\rYou must restart System Preferences and "
               "choose Keyvigil to complete the update."),
            tr("OK"));
        return;
    }
    // The plug-in and the bundle's version come from one folder here, so a restart helps only
    // when that folder was being replaced: it is tried once per bundle version, and after that
    // the window says what does help.
    if (readRestartMarker() != version && writeRestartMarker(version)) {
        pane_.platform.workspace.launchTask(
            restart,
            {pane_.bundlePath(), QString::number(pane_.platform.host.processIdentifier())});
        pane_.platform.host.runAlertPanel(
            tr("Upgrading Keyvigil"),
            tr("System Preferences will now restart to complete the update of Keyvigil."),
            tr("OK"));
        return;
    }
    pane_.platform.host.runAlertPanel(
        tr("Reinstall Keyvigil"),
        tr("This copy of Keyvigil is incomplete: its settings window is version %1, but “%2” "
           "says it is version %3, and restarting did not change that.\r\rInstall Keyvigil "
           "again, then open this window.")
            .arg(ourVersion, pane_.bundlePath(), version),
        tr("OK"));
}

void KeyvigilPref::willSelect() {
    PanePlatform& platform = pane_.platform;
    platform.form.selectTabViewItem(Outlet::tabView, Outlet::configureTabViewItem);
    platform.form.setHidden(Outlet::stoppedMsg, true);
    form_.fillSoundPopup();

    pane_.beginVisit();
    form_.readPreferences();
    form_.configureContinuousSoundOption();
    // Until the pane has taken the settings over, the switch shows off; the store keeps its value.
    if (!pane_.prefs().boolForKey(SettingsKeys::preferencesForPrefPane))
        platform.form.setState(Outlet::EnableKeyvigilSwitch, false);
    lists_.willSelect();
    helper_.readLoginItems();

    platform.form.setStringValue(Outlet::versionString, tr("Version %1").arg(ourVersion));
    pane_.prefs().setObjectForKey(PlistValue::fromString(pane_.bundlePath()),
                                  SettingsKeys::PrefPanePath);
    keyboardAccess_.willSelect();
    supportMail_.willSelect();
    helper_.findHelper();
    helper_.killHelper();
}

void KeyvigilPref::willUnselect() {
    if (!pane_.visiting())
        return;
    // Showing only paused the helper: with the switch off, what starts it goes now.
    if (enabled())
        helper_.enable();
    else
        helper_.removeAgent();
    pane_.save(PaneContext::Moment::Leaving);
    terminateHelp(kHelpBookName, pane_.platform);
    helper_.forgetLoginItems();
}

bool KeyvigilPref::enabled() const {
    return pane_.platform.form.state(Outlet::EnableKeyvigilSwitch);
}

void KeyvigilPref::userChanged(Outlet outlet, bool dragging) {
    // The window reaches the pane only once it has been shown.
    if (!pane_.visiting())
        return;
    const Control& control = Controls::of(outlet);
    switch (control.action) {
    case Action::Show:
        return;
    case Action::Tab:
        helper_.killHelper();
        return;
    case Action::Help:
        showHelp(outlet);
        return;
    case Action::KeyboardAccess:
        keyboardAccess_.buttonPressed();
        return;
    case Action::Support:
        supportMail_.buttonPressed(outlet);
        return;
    default:
        form_.userChanged(control, dragging);
    }
}

void KeyvigilPref::showHelp(Outlet button) {
    // A help button's title is the anchor of its topic on the book's start page.
    ::showHelp(kHelpBookName, std::nullopt, pane_.platform.form.title(button), pane_.bundlePath(),
               pane_.platform);
}
