#include "pane/HelperControl.h"

#include "pane/ProcessControl.h"
#include "shared/AgentFileKeys.h"
#include "shared/BundleLayout.h"
#include "shared/Identifiers.h"
#include "shared/ProgramLog.h"
#include "shared/PropertyListFile.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

namespace {
const QString kLoginWindow = QStringLiteral("loginwindow");
const QString kLoginItemsKey = QStringLiteral("AutoLaunchedApplicationDictionary");
} // namespace

void HelperControl::readLoginItems() {
    loginWindow = pane_.platform.domains.persistentDomainForName(kLoginWindow);
    autoStartItems.clear();
    if (loginWindow) {
        const auto items = loginWindow->find(kLoginItemsKey);
        if (items != loginWindow->end() && items->isArray())
            autoStartItems = items->toArray();
    }
    const QString agents = QDir::homePath() + QStringLiteral("/Library/LaunchAgents");
    QDir().mkpath(agents);
    launchdPlistPath = agents + u'/' + kAgentLabel + QStringLiteral(".plist");
    helperPaused = false;
}

void HelperControl::findHelper() {
    helperStatus = findProcess(pane_.platform.processes, kHelperCreatorCode, &helperProcessPSN);
}

void HelperControl::quitHelperIfRunning() {
    // Whatever the send gives, the helper counts as stopped from now on: it is told at most
    // once per visit.
    if (helperStatus == noErr) {
        SendAppleEventToApplication(pane_.platform.appleEvents, kAEQuitApplication,
                                    helperProcessPSN);
        helperStatus = procNotFound;
    }
}

void HelperControl::killHelper() {
    PanePlatform& platform = pane_.platform;
    quitHelperIfRunning();
    // The helper's file name in earlier releases, and now.
    removeLoginItem(QStringLiteral("KeyVigil Helper.app"));
    removeLoginItem(BundleLayout::kHelperBundleName);
    writeLoginItems();
    // The quit goes out before the agent is stopped. What starts the helper at login stays, so
    // that a window that ends without being closed leaves Keyvigil as the user set it.
    if (!helperPaused && !launchdPlistPath.isEmpty() && QFile::exists(launchdPlistPath)) {
        helperPaused = true;
        if (const std::optional<QString> problem = platform.agents.stop(launchdPlistPath)) {
            const QString message = tr("Keyvigil could not be paused while this window is "
                                       "open: %1. It may warn you while you try settings.")
                                        .arg(*problem);
            qCWarning(programLog).noquote() << message;
            platform.form.setStringValue(Outlet::stoppedMsg, message);
        }
    }
    platform.form.setHidden(Outlet::stoppedMsg, false);
}

void HelperControl::enable() {
    RVPrefs& prefs = pane_.prefs();
    prefs.setBoolForKey(true, SettingsKeys::startAutomatically);
    if (!prefs.boolForKey(SettingsKeys::preferencesForPrefPane)) {
        quitHelperIfRunning();
        prefs.setBoolForKey(true, SettingsKeys::preferencesForPrefPane);
    }
    removeLoginItem(QStringLiteral("Keyvigil.app"));
    writeLoginItems();
    if (!PropertyListFile::writeDictionary(launchdPlistPath, agentDictionary(pane_.bundlePath()),
                                           PropertyListFile::Format::Xml, 0644)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        // An earlier file, left as it was, still starts the helper.
        const bool earlier = QFile::exists(launchdPlistPath);
        pane_.alert(tr("Keyvigil Not Started"),
                    (earlier ? tr("Keyvigil could not write the file that starts it, “%1”: %2. "
                                  "It starts with the file written before.")
                             : tr("Keyvigil could not write the file that starts it, “%1”: %2."))
                        .arg(launchdPlistPath, reason));
        if (!earlier) {
            pane_.save(PaneContext::Moment::Leaving);
            return;
        }
    }
    // The helper reads this visit's settings when it starts.
    pane_.save(PaneContext::Moment::Leaving);
    HelperAgent& agents = pane_.platform.agents;
    if (const std::optional<QString> problem = agents.load(launchdPlistPath)) {
        pane_.alert(tr("Keyvigil Not Started"),
                    tr("Keyvigil Helper could not be started: %1.").arg(*problem));
    } else if (const std::optional<QString> state = agents.whyNotRunning(launchdPlistPath)) {
        pane_.alert(tr("Keyvigil Not Started"),
                    tr("Keyvigil Helper was started but does not keep running: %1.").arg(*state));
    }
}

void HelperControl::removeAgent() {
    if (launchdPlistPath.isEmpty() || !QFile::exists(launchdPlistPath))
        return;
    // The file goes only after the unload, and stays when it fails, so that another unload can
    // read it.
    if (const std::optional<QString> problem = pane_.platform.agents.unload(launchdPlistPath)) {
        pane_.alert(tr("Keyvigil Not Switched Off"),
                    tr("Keyvigil could not be switched off: %1.\r\rIt may start again at the "
                       "next login. To try again, open this window and close it with “Start "
                       "Keyvigil” off.")
                        .arg(*problem));
        return;
    }
    QFile file(launchdPlistPath);
    if (!file.remove())
        pane_.alert(tr("Keyvigil Not Switched Off"),
                    tr("Keyvigil was stopped, but the file that starts it, “%1”, could not be "
                       "removed: %2.")
                        .arg(launchdPlistPath, file.errorString()));
}

int HelperControl::findLoginItem(const QString& name) const {
    for (qsizetype i = autoStartItems.size() - 1; i >= 0; --i) {
        const PlistValue& item = autoStartItems[i];
        if (!item.isDictionary())
            continue;
        const auto path = item.toDictionary().find(QStringLiteral("Path"));
        if (path != item.toDictionary().end() && path->isString() &&
            path->toString().contains(name, Qt::CaseSensitive))
            return int(i);
    }
    return -1;
}

void HelperControl::removeLoginItem(const QString& name) {
    if (const int index = findLoginItem(name); index >= 0)
        autoStartItems.removeAt(index);
}

void HelperControl::writeLoginItems() {
    // Only a domain read during this visit is written back.
    if (!loginWindow)
        return;
    (*loginWindow)[kLoginItemsKey] = PlistValue::fromArray(autoStartItems);
    pane_.platform.domains.setPersistentDomainForName(*loginWindow, kLoginWindow);
}

PlistValue::Dictionary HelperControl::agentDictionary(const QString& bundlePath) {
    return {
        {AgentFileKeys::kLabel, PlistValue::fromString(kAgentLabel)},
        {AgentFileKeys::kProgram,
         PlistValue::fromString(BundleLayout::helperExecutable(bundlePath))},
        {AgentFileKeys::kRunAtLoad, PlistValue::fromBool(true)},
        {AgentFileKeys::kKeepAlive, PlistValue::fromBool(true)},
    };
}
