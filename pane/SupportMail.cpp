#include "pane/SupportMail.h"

#include "pane/PercentEscapes.h"
#include "shared/Identifiers.h"

#include <QDir>

#include <deque>

namespace {

constexpr char kIntroduction[] =
    "\n\nDebugging info is included below.  You can delete it if irrelevant to your email, or "
    "review it to assure that it contains no information that you do not want sent.  It contains "
    "your preferences, information from recent crashes (if any), and your OS version (%1).\n\n"
    "--------------------------   Preferences   --------------------------\n";
constexpr char kLaunchAgentsHeader[] =
    "\n\n--------------------------   LaunchAgents   --------------------------\n";
constexpr char kLogHeader[] =
    "\n\n--------------------------   Log Entries   --------------------------\n\n";
constexpr char kCrashReportHeader[] =
    "\n\n--------------------------   Crash Report   --------------------------\n";
constexpr char kLeftOut[] =
    "\n\n(Some log lines or crash reports were left out so that the mail fits in one link.)\n";

bool isSelectedLogLine(const QString& line) {
    return line.contains(QLatin1StringView("Keyvigil")) ||
           line.contains(QLatin1StringView("System Preferences"));
}

// A report down to its first thread listing.
QString beforeFirstThread(const QString& report) {
    const qsizetype marker = report.indexOf(QLatin1StringView("Thread 1::"));
    return marker < 0 ? report : report.left(marker);
}

qsizetype escapedLength(const QString& text) {
    return addingPercentEscapes(text).size();
}

} // namespace

QString SupportMail::mailto() const {
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + subject +
           QStringLiteral("&body=") + body;
}

QString SupportMail::plainText() const {
    return QStringLiteral("To: ") + address + QStringLiteral("\nSubject: ") + subject +
           QStringLiteral("\n") + QString(body).replace(u'\r', u'\n');
}

SupportMail composeSupportMail(const RVPrefs& prefs, SupportSources& sources,
                               qsizetype longestURL) {
    const std::optional<PlistValue::Dictionary> agentFolder =
        sources.attributesOfItemAtPath(QDir::homePath() + QStringLiteral("/Library/LaunchAgents"));

    SupportMail mail{kSupportAddress, QStringLiteral("KeyVigil v") + kPaneVersion, {}};
    QString head;
    head.reserve(50000);
    head += QString::fromLatin1(kIntroduction).arg(sources.operatingSystemVersionString());
    head += prefs.description();
    if (agentFolder)
        head += QLatin1StringView(kLaunchAgentsHeader) +
                PlistValue::fromDictionary(*agentFolder).description();
    head += QLatin1StringView(kLogHeader);

    std::deque<QString> logLines;
    sources.forEachSystemLogLine([&logLines](const QString& line) {
        if (isSelectedLogLine(line))
            logLines.push_back(line + u'\r');
    });

    std::deque<QString> crashParts;
    for (const QString& path : sources.crashReportPaths()) {
        if (!path.startsWith(QLatin1StringView("Keyvigil")))
            continue;
        if (const std::optional<QString> report = sources.readCrashReport(path))
            crashParts.push_back(QLatin1StringView(kCrashReportHeader) +
                                 beforeFirstThread(*report));
    }

    // Escaping works character by character, so the parts' escaped lengths add up.
    qsizetype length = escapedLength(mail.mailto()) + escapedLength(head);
    for (const QString& line : logLines)
        length += escapedLength(line);
    for (const QString& part : crashParts)
        length += escapedLength(part);
    // Too long a link opens nothing: crash reports go first, then the oldest log lines.
    const bool leftOut = length > longestURL;
    if (leftOut) {
        const qsizetype room = longestURL - escapedLength(QString::fromLatin1(kLeftOut));
        for (auto* parts : {&crashParts, &logLines}) {
            while (length > room && !parts->empty()) {
                length -= escapedLength(parts->front());
                parts->pop_front();
            }
        }
    }

    mail.body = head;
    for (const QString& line : logLines)
        mail.body += line;
    for (const QString& part : crashParts)
        mail.body += part;
    if (leftOut)
        mail.body += QLatin1StringView(kLeftOut);
    return mail;
}
