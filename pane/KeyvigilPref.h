#pragma once

#include "pane/PanePlatform.h"
#include "shared/PlistValue.h"
#include "shared/RVPrefs.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The Keyvigil pane's logic: its lifecycle in the host, the settings it reads into the form,
// and the control of the helper (finding, stopping, installing and starting it). The controls
// are reached through the form by outlet name; every other service through the platform.
class KeyvigilPref {
public:
    explicit KeyvigilPref(PanePlatform& platform) : platform(platform) {}
    KeyvigilPref(const KeyvigilPref&) = delete;
    KeyvigilPref& operator=(const KeyvigilPref&) = delete;

    // The pane's version, which its bundle's "CFBundleVersion" must equal.
    static const QString ourVersion;

    // Lifecycle. initWithBundle returns false when it has asked the host to terminate.
    bool initWithBundle(const QString& bundlePath);
    void willSelect();
    void willUnselect();

    // Actions.
    void openUniversalAccess();
    void enabledChanged();
    void preferenceChanged(std::optional<QLatin1StringView> sender);

    // The settings form.
    void readPreferences();
    void readBoolPreferenceWithDefaultSetVariableSetSwitch(QLatin1StringView key, bool defaultValue,
                                                           bool* variable,
                                                           std::optional<QLatin1StringView> box);
    void configureContinuousSoundOption();

    // Control of the helper.
    void killHelper();
    void enable();
    void disable();
    int findLoginItem(const QString& name) const;
    void removeLoginItem(const QString& name);

    // The agent file's contents for the pane bundle at `bundlePath`.
    static PlistValue::Dictionary agentDictionary(const QString& bundlePath);

    const QString& bundlePath() const { return bundlePath_; }
    const RVPrefs* prefs() const { return gPrefs.get(); }

    // Fields the steps set; kept public so that the form's widgets can show them.
    QString accessibilityPrefPaneToOpen;
    std::uint32_t warnCount = 0;
    bool enabled = false;
    bool preferencesForPrefPane = false;
    bool excludeWords = false;
    bool checkForUpdates = false;
    QStringList excludeWordsArray;
    QStringList excludeApplicationsArray;
    // This visit's copy of the login window's domain; nullopt when it has none, or before the
    // first showing and after each leaving, so that no visit writes back what another read.
    std::optional<PlistValue::Dictionary> loginWindow;
    PlistValue::Array autoStartItems;
    OSErr helperStatus = procNotFound;
    ProcessSerialNumber helperProcessPSN;
    QString launchdPlistPath;
    float volume = 1.0f;

private:
    void setAccessibilityTexts();
    void writeLoginItems();
    void quitHelperIfRunning();

    PanePlatform& platform;
    std::unique_ptr<RVPrefs> gPrefs;
    QString bundlePath_;

public:
    // The per-class version number: 0 until the class has loaded once in this process.
    static int classVersion;
};
