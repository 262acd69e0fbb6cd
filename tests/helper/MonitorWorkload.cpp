#include "tests/helper/MonitorWorkload.h"

#include "shared/SettingsKeys.h"

void MonitorWorkload::storeBusySettings(HelperFixture& fixture) {
    const QStringList words = {"NASA", "USA", "SA",   "ESA", "IBM",   "CERN",  "NATO", "FBI", "CIA",
                               "HTML", "CSS", "JSON", "XML", "HTTP",  "HTTPS", "URL",  "CPU", "GPU",
                               "RAM",  "ROM", "USB",  "PDF", "FAQ",   "ASAP",  "DIY",  "ETA", "CEO",
                               "CFO",  "CTO", "HR",   "IT",  "PR",    "QA",    "UI",   "UX",  "API",
                               "SDK",  "IDE", "OS",   "TCP", "UDP",   "IP",    "DNS",  "VPN", "LAN",
                               "WAN",  "SQL", "RGB",  "LED", "UNESCO"};
    QStringList applications;
    for (int i = 0; i < 20; ++i)
        applications.append(QStringLiteral("/Applications/Application %1.app").arg(i));
    fixture.store(SettingsKeys::excludeWords, PlistValue::fromBool(true));
    fixture.store(SettingsKeys::excludeWordsArray, PlistValue::fromStringList(words));
    fixture.store(SettingsKeys::excludeApplicationsArray, PlistValue::fromStringList(applications));
    fixture.fakes.processInfo.front = QStringLiteral("Terminal");
}

std::vector<MonitorEvent> MonitorWorkload::keyEvents(const QString& text, std::uint32_t modifiers) {
    std::vector<MonitorEvent> events;
    for (const QChar c : text)
        events.push_back({kEventClassKeyboard, kEventRawKeyDown, true, modifiers, true,
                          std::uint8_t(c.unicode())});
    return events;
}

std::vector<MonitorEvent> MonitorWorkload::mixedTyping() {
    const QString text =
        QStringLiteral("The NASA and ESA teams met the USA CEO at CERN to talk about JSON, "
                       "HTTP and the IBM API; the FAQ is a PDF. ");
    std::vector<MonitorEvent> events;
    for (const QChar c : text)
        events.push_back({kEventClassKeyboard, kEventRawKeyDown, true,
                          c.isUpper() ? ModifierMask::shift : 0u, true, std::uint8_t(c.unicode())});
    return events;
}
