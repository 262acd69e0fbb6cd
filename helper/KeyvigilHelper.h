#pragma once

#include "helper/HelperPlatform.h"
#include "helper/HelperSettings.h"
#include "helper/MonitorState.h"
#include "platform/MonitorEvent.h"
#include "shared/RVPrefs.h"

#include <QLatin1StringView>

#include <memory>
#include <optional>

// Keyvigil Helper's logic: start-up and control events, the settings load, the keyboard
// monitor and its warnings. Everything runs on the thread of the platform's event loop, which
// calls in through the entry points below.
class KeyvigilHelper {
public:
    // `gPrefs` is the process-wide store reference: the helper makes the store at start-up and
    // anew on every reopen; the status item's menu reads the one in use.
    KeyvigilHelper(HelperPlatform& platform, std::unique_ptr<RVPrefs>& gPrefs)
        : platform(platform), gPrefs(gPrefs) {}
    KeyvigilHelper(const KeyvigilHelper&) = delete;
    KeyvigilHelper& operator=(const KeyvigilHelper&) = delete;

    // Start-up after the toolkit is up: the store, the settings, the handlers, then the
    // event loop. Returns 0 should the loop ever return.
    int helperMain();
    [[noreturn]] void Handle_QuitApplication();
    OSStatus Handle_ReopenApplication();
    void ScreenChangedCallback(std::uint32_t display, std::uint32_t changeFlags);
    // While paused, nothing warns: no sound, flash or notification, and no capitals are counted;
    // the indicators still show the keys.
    void pauseWarnings(bool paused);
    OSStatus MonitorHandler(const MonitorEvent& event);
    void readPreferences();

    // What the load and the monitor have made of the settings and the keys, for inspection.
    const HelperSettings& settings() const { return settings_; }
    const MonitorState& monitorState() const { return monitor_; }

private:
    void InstallMyEventHandlers();

    void readExclusionLists();
    void readIndicatorSettings();
    void readWordExclusion();
    void setUpGrowl();
    void buildOrRemoveStatusItem();

    OSStatus keyPath(const MonitorEvent& event);
    OSStatus modifierPath(const MonitorEvent& event);
    const QString* frontProcessName() const;
    bool frontIsExcluded();
    void warnUser(bool continuous);
    void soundOff();
    void post(QLatin1StringView name, const QString& description = {});

    HelperPlatform& platform;
    std::unique_ptr<RVPrefs>& gPrefs;
    HelperSettings settings_;
    MonitorState monitor_;
    // The last front application looked up in the exclusion list, and the answer.
    struct FrontCheck {
        QString name;
        bool excluded = false;
    };
    std::optional<FrontCheck> frontChecked_;
};
