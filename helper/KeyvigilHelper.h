#pragma once

#include "helper/HelperPlatform.h"
#include "helper/HelperSettings.h"
#include "helper/MonitorState.h"
#include "platform/MonitorEvent.h"
#include "shared/RVPrefs.h"

#include <QLatin1StringView>

#include <memory>

// Keyvigil Helper's logic: start-up and control events, the settings load, the keyboard
// monitor and its warnings. Everything runs on the thread of the platform's event loop.
class KeyvigilHelper {
public:
    explicit KeyvigilHelper(HelperPlatform& platform) : platform(platform) {}
    KeyvigilHelper(const KeyvigilHelper&) = delete;
    KeyvigilHelper& operator=(const KeyvigilHelper&) = delete;

    // Start-up after the toolkit is up: the store, the settings, the handlers, then the
    // event loop. Returns 0 should the loop ever return.
    int helperMain();
    void InstallMyEventHandlers();
    [[noreturn]] void Handle_QuitApplication();
    OSStatus Handle_ReopenApplication();
    void ScreenChangedCallback(std::uint32_t display, std::uint32_t changeFlags);

    void readPreferences();

    OSStatus MonitorHandler(const MonitorEvent& event);
    void warnUser(bool continuous);
    void soundOff();
    const QString* frontProcessName() const;

    HelperPlatform& platform;
    std::unique_ptr<RVPrefs> gPrefs;
    HelperSettings settings;
    MonitorState monitor;

private:
    void readExclusionLists();
    void readIndicatorSettings();
    void readWordExclusion();
    void setUpGrowl();
    void buildOrRemoveStatusItem();

    OSStatus keyPath(const MonitorEvent& event);
    OSStatus modifierPath(const MonitorEvent& event);
    void post(QLatin1StringView name, const QString& description = {});
};
