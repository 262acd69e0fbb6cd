#include "platform/desktop/SystemJournal.h"

#include <QDateTime>
#include <QLocale>
#include <QSysInfo>

#include <systemd/sd-id128.h>
#include <systemd/sd-journal.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

struct JournalCloser {
    void operator()(sd_journal* journal) const { sd_journal_close(journal); }
};
using JournalHandle = std::unique_ptr<sd_journal, JournalCloser>;

// The journal's message for "a process dumped core".
constexpr char kCoreDumpMessage[] = "MESSAGE_ID=fc2e22bc6ee647b6b90729ab34a250b1";

QString field(sd_journal* journal, const char* name) {
    const void* data = nullptr;
    size_t length = 0;
    if (sd_journal_get_data(journal, name, &data, &length) < 0)
        return {};
    const auto* text = static_cast<const char*>(data);
    const size_t prefix = std::strlen(name) + 1; // "NAME="
    if (length < prefix)
        return {};
    return QString::fromUtf8(text + prefix, qsizetype(length - prefix));
}

bool matchThisBoot(sd_journal* journal) {
    sd_id128_t boot;
    if (sd_id128_get_boot(&boot) < 0)
        return false;
    char match[sizeof("_BOOT_ID=") + SD_ID128_STRING_MAX];
    char id[SD_ID128_STRING_MAX];
    std::snprintf(match, sizeof match, "_BOOT_ID=%s", sd_id128_to_string(boot, id));
    return sd_journal_add_match(journal, match, 0) >= 0;
}

QString syslogTime(std::uint64_t microseconds) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(qint64(microseconds / 1000));
    // The system log's own layout: the day padded to two places with a space.
    return QLocale::c().toString(when, QStringLiteral("MMM")) + u' ' +
           QStringLiteral("%1").arg(when.date().day(), 2) + u' ' +
           when.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

std::unique_ptr<SystemJournal> SystemJournal::open() {
    sd_journal* journal = nullptr;
    if (sd_journal_open(&journal, SD_JOURNAL_LOCAL_ONLY | SD_JOURNAL_CURRENT_USER) < 0)
        return nullptr;
    // An empty journal (journald not running, or keeping nothing of this boot) is no journal.
    bool hasThisBoot = matchThisBoot(journal) && sd_journal_next(journal) > 0;
    if (!hasThisBoot) {
        sd_journal_close(journal);
        return nullptr;
    }
    return std::unique_ptr<SystemJournal>(new SystemJournal(journal));
}

SystemJournal::~SystemJournal() {
    sd_journal_close(journal_);
}

void SystemJournal::forEachLineOfThisBoot(const std::function<void(const QString&)>& visit) {
    sd_journal_flush_matches(journal_);
    if (!matchThisBoot(journal_))
        return;
    sd_journal_seek_head(journal_);
    const QString host = QSysInfo::machineHostName();
    while (sd_journal_next(journal_) > 0) {
        std::uint64_t microseconds = 0;
        sd_journal_get_realtime_usec(journal_, &microseconds);
        QString identifier = field(journal_, "SYSLOG_IDENTIFIER");
        if (identifier.isEmpty())
            identifier = field(journal_, "_COMM");
        const QString pid = field(journal_, "_PID");
        const QString head = syslogTime(microseconds) + u' ' + host + u' ' + identifier +
                             (pid.isEmpty() ? QString() : u'[' + pid + u']') +
                             QLatin1StringView(": ");
        const QStringList lines = field(journal_, "MESSAGE").split(u'\n');
        visit(head + lines.first());
        for (qsizetype i = 1; i < lines.size(); ++i)
            visit(lines[i]);
    }
}

std::vector<SystemJournal::CoreDump> SystemJournal::coreDumps() {
    std::vector<CoreDump> dumps;
    // The reports are written by a system service: where they land depends on the journal's
    // set-up, so every journal file the user may read is searched.
    sd_journal* opened = nullptr;
    if (sd_journal_open(&opened, SD_JOURNAL_LOCAL_ONLY) < 0)
        return dumps;
    const JournalHandle journal(opened);
    const QByteArray uid = "COREDUMP_UID=" + QByteArray::number(getuid());
    if (sd_journal_add_match(opened, kCoreDumpMessage, 0) < 0 ||
        sd_journal_add_match(opened, uid.constData(), 0) < 0)
        return dumps;
    while (sd_journal_next(opened) > 0) {
        CoreDump dump;
        dump.program = field(opened, "COREDUMP_EXE").section(u'/', -1);
        if (dump.program.isEmpty())
            dump.program = field(opened, "COREDUMP_COMM");
        sd_journal_get_realtime_usec(opened, &dump.timestamp);
        const QString when =
            QDateTime::fromMSecsSinceEpoch(qint64(dump.timestamp / 1000)).toString(Qt::ISODate);
        dump.report =
            QStringLiteral("Process: %1 [%2]\nPath: %3\nSignal: %4\nDate/Time: %5\n\n")
                .arg(dump.program, field(opened, "COREDUMP_PID"), field(opened, "COREDUMP_EXE"),
                     field(opened, "COREDUMP_SIGNAL"), when) +
            field(opened, "MESSAGE");
        dumps.push_back(std::move(dump));
    }
    return dumps;
}
