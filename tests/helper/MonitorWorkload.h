#pragma once

#include "shared/SettingsKeys.h"
#include "tests/helper/HelperFixture.h"

#include <vector>

// A busy configuration and the keys typed at it, for the allocation test and the benchmark.
namespace MonitorWorkload {

// Word exclusion with 50 words and 20 excluded applications, none of them in front, so that
// every key takes the whole path.
inline void storeBusySettings(HelperFixture& fixture) {
    const QStringList words =
        QStringLiteral("NASA USA SA ESA IBM CERN NATO FBI CIA HTML CSS JSON XML HTTP HTTPS URL "
                       "CPU GPU RAM ROM USB PDF FAQ ASAP DIY ETA CEO CFO CTO HR IT PR QA UI UX "
                       "API SDK IDE OS TCP UDP IP DNS VPN LAN WAN SQL RGB LED UNESCO")
            .split(u' ');
    QStringList applications;
    for (int i = 0; i < 20; ++i)
        applications.append(QStringLiteral("/Applications/Application %1.app").arg(i));
    fixture.store(SettingsKeys::excludeWords, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::excludeWordsArray, PlistValue::fromStringList(words));
    fixture.store(SettingsKeys::excludeApplicationsArray, PlistValue::fromStringList(applications));
    fixture.fakes.front = QStringLiteral("Terminal");
}

// Key-down events spelling `text`, each with the given modifier word.
inline std::vector<MonitorEvent> keyEvents(const QString& text, std::uint32_t modifiers) {
    std::vector<MonitorEvent> events;
    for (const QChar c : text)
        events.push_back({kEventClassKeyboard, kEventRawKeyDown, true, modifiers, true,
                          std::uint8_t(c.unicode())});
    return events;
}

// Text typed with Shift for capitals: runs end at lower-case letters.
inline std::vector<MonitorEvent> mixedTyping() {
    auto events = keyEvents(QStringLiteral("The NASA and ESA teams met the USA CEO at CERN to talk "
                                           "about JSON, HTTP and the IBM API; the FAQ is a PDF. "),
                            0);
    for (MonitorEvent& event : events)
        event.kmod = QChar(event.kchr).isUpper() ? ModifierMask::shift : 0u;
    return events;
}

} // namespace MonitorWorkload
