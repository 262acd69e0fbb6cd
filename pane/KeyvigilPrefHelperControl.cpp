#include "pane/KeyvigilPref.h"
#include "pane/Outlets.h"
#include "pane/ProcessControl.h"
#include "shared/Identifiers.h"
#include "shared/PropertyListFile.h"
#include "shared/SettingsKeys.h"

#include <QFile>

namespace {
const QString kLoginItemsKey = QStringLiteral("AutoLaunchedApplicationDictionary");
} // namespace

void KeyvigilPref::quitHelperIfRunning() {
    // Whatever the send gives, the helper counts as stopped from now on: it is told at most
    // once per visit.
    if (helperStatus == noErr) {
        SendAppleEventToApplication(platform.appleEvents, kAEQuitApplication, helperProcessPSN);
        helperStatus = procNotFound;
    }
}

void KeyvigilPref::killHelper() {
    quitHelperIfRunning();
    // The helper's file name in earlier releases, and now.
    removeLoginItem(QStringLiteral("KeyVigil Helper.app"));
    removeLoginItem(QStringLiteral("Keyvigil Helper.app"));
    writeLoginItems();
    // The quit goes out before the unload, and the file goes only after it.
    if (!launchdPlistPath.isEmpty() && QFile::exists(launchdPlistPath)) {
        platform.agents.unload(launchdPlistPath);
        QFile::remove(launchdPlistPath);
    }
    platform.form.setHidden(Outlets::stoppedMsg, false);
}

void KeyvigilPref::enable() {
    enabled = platform.form.state(Outlets::EnableKeyvigilSwitch);
    gPrefs->setBoolForKey(enabled, SettingsKeys::startAutomatically);
    if (!enabled) {
        disable();
        return;
    }
    if (!preferencesForPrefPane) {
        quitHelperIfRunning();
        preferencesForPrefPane = true;
        gPrefs->setBoolForKey(true, SettingsKeys::preferencesForPrefPane);
    }
    removeLoginItem(QStringLiteral("Keyvigil.app"));
    writeLoginItems();
    PropertyListFile::writeDictionary(launchdPlistPath, agentDictionary(bundlePath_),
                                      PropertyListFile::Format::Xml, 0644);
    // The helper reads this visit's settings when it starts.
    gPrefs->synchronize();
    platform.agents.load(launchdPlistPath);
}

void KeyvigilPref::disable() {
    killHelper();
    enabled = false;
    platform.form.setState(Outlets::EnableKeyvigilSwitch, false);
    gPrefs->setBoolForKey(false, SettingsKeys::startAutomatically);
}

void KeyvigilPref::enabledChanged() {
    preferenceChanged(Outlets::EnableKeyvigilSwitch);
    enabled = platform.form.state(Outlets::EnableKeyvigilSwitch);
}

int KeyvigilPref::findLoginItem(const QString& name) const {
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

void KeyvigilPref::removeLoginItem(const QString& name) {
    if (const int index = findLoginItem(name); index >= 0)
        autoStartItems.removeAt(index);
}

void KeyvigilPref::writeLoginItems() {
    // Only a domain read during this visit is written back.
    if (!loginWindow)
        return;
    (*loginWindow)[kLoginItemsKey] = PlistValue::fromArray(autoStartItems);
    platform.domains.setPersistentDomainForName(*loginWindow, QStringLiteral("loginwindow"));
}

PlistValue::Dictionary KeyvigilPref::agentDictionary(const QString& bundlePath) {
    return {
        {QStringLiteral("Label"), PlistValue::fromString(kAgentLabel)},
        {QStringLiteral("Program"),
         PlistValue::fromString(bundlePath + QStringLiteral("/Contents/Resources/Keyvigil "
                                                            "Helper.app/Contents/MacOS/Keyvigil "
                                                            "Helper"))},
        {QStringLiteral("RunAtLoad"), PlistValue::fromBool(true)},
        {QStringLiteral("KeepAlive"), PlistValue::fromBool(true)},
    };
}
