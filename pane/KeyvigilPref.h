#pragma once

#include "pane/PanePlatform.h"
#include "shared/PlistValue.h"
#include "shared/RVPrefs.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

// The Keyvigil pane's logic: its lifecycle in the host, the settings form, the sound and
// upper-left previews, and the control of the helper (finding, stopping, installing and starting
// it). The controls are reached through the form by outlet name; every other service through the
// platform.
class KeyvigilPref : public RVTableViewArrayDelegate {
public:
    using Sender = std::optional<QLatin1StringView>;

    explicit KeyvigilPref(PanePlatform& platform) : platform(platform) {}
    KeyvigilPref(const KeyvigilPref&) = delete;
    KeyvigilPref& operator=(const KeyvigilPref&) = delete;

    // The pane's version, which its bundle's "CFBundleVersion" must equal.
    static const QString ourVersion;

    // Lifecycle. initWithBundle returns false when it has asked the host to terminate.
    bool initWithBundle(const QString& bundlePath);
    void willSelect();
    void willUnselect();
    void tabViewWillSelectTabViewItem();

    // The settings form.
    void readPreferences();
    void readBoolPreferenceWithDefaultSetVariableSetSwitch(QLatin1StringView key, bool defaultValue,
                                                           bool* variable, Sender box);
    void preferenceChanged(Sender sender);
    void configureContinuousSoundOption();

    // Sounds and the upper-left preview.
    void addSoundsFromDirectory(const QString& path);
    void playSound(Sender sender);
    void setVolumeSliderForSound(const QString& name);
    void flashScreen(Sender sender);
    void upperLeftChanged(Sender sender);

    // The exclusion lists: the pane is both tables' edit delegate.
    bool respondsTo(Message message) const override;
    bool RVTableViewArrayAddEntry(RVTableViewArray& table) override;
    std::optional<QString> RVTableViewArrayAddEntryError(RVTableViewArray& table,
                                                         const PlistValue& newEntry) override;
    void RVTableViewArrayChanged(RVTableViewArray& table) override;
    void RVTableViewArrayWillDisplayCellForTableColumnRow(RVTableViewArray& table,
                                                          RVTableViewArrayCell& cell,
                                                          const RVTableViewArrayColumn& column,
                                                          int row) override;
    void addEntryToTableDidEndReturnCodeContextInfo(int returnCode, const QStringList& filenames);

    // Help and the support mail.
    void showHelp(Sender sender);
    void emailTheAuthor();

    // Control of the helper.
    void openUniversalAccess();
    void enabledChanged();
    void killHelper();
    void enable();
    void disable();
    // Unloads the agent and removes its file, which stays when the unload fails.
    void removeAgent();
    int findLoginItem(const QString& name) const;
    void removeLoginItem(const QString& name);

    // The agent file's contents for the pane bundle at `bundlePath`.
    static PlistValue::Dictionary agentDictionary(const QString& bundlePath);

    const QString& bundlePath() const { return bundlePath_; }
    const RVPrefs* prefs() const { return gPrefs.get(); }

    // The names of the eight preview pictures, by the bits Caps Lock 1, Num Lock 2, other 4.
    static const std::array<QLatin1StringView, 8> upperLeftPictures;

    // Fields the steps set.
    QString accessibilityPrefPaneToOpen;
    std::uint32_t warnCount = 0;
    std::uint32_t WarnCapsLimit = 0;
    bool enabled = false;
    bool preferencesForPrefPane = false;
    bool excludeWords = false;
    bool checkForUpdates = false;
    // Shared with the tables, which edit them in place.
    PlistValue::Array excludeWordsArray;
    PlistValue::Array excludeApplicationsArray;
    // This visit's copy of the login window's domain; nullopt when it has none, or before the
    // first showing and after each leaving, so that no visit writes back what another read.
    std::optional<PlistValue::Dictionary> loginWindow;
    PlistValue::Array autoStartItems;
    OSErr helperStatus = procNotFound;
    ProcessSerialNumber helperProcessPSN;
    QString launchdPlistPath;
    // The helper has been stopped for this visit, its login registration kept.
    bool helperPaused = false;
    // One slot per preview picture, in the order of upperLeftPictures; loaded on first use.
    std::array<std::unique_ptr<PaneImage>, 8> upperLeftSlots;
    float volume = 1.0f;

    // The per-class version number: 0 until the class has loaded once in this process.
    static int classVersion;

private:
    // Says what failed, once per visit: on stderr, for the journal, and in an alert.
    void alert(const QString& title, const QString& message);
    enum class Moment { Visiting, Leaving };
    // Writes the settings file; says so when it cannot.
    bool saveSettings(Moment moment);
    void alertUpgrade(const std::optional<QString>& bundleVersion);
    void setAccessibilityTexts();
    void storeList(const PlistValue::Array& list, QLatin1StringView key);
    void writeLoginItems();
    void quitHelperIfRunning();
    void readBool(QLatin1StringView key, bool* variable, Sender box);
    void readLockPopup(QLatin1StringView popup, QLatin1StringView onKey,
                       QLatin1StringView continuousKey);
    void upperLeftImageFile(std::unique_ptr<PaneImage>& slot, QLatin1StringView name);
    bool continuousWarningsPossible() const;

    PanePlatform& platform;
    std::unique_ptr<RVPrefs> gPrefs;
    QString bundlePath_;
    QStringList alerted_;
};
