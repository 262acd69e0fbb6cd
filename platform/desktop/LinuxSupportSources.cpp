#include "platform/desktop/LinuxSupportSources.h"

#include "platform/desktop/HostFolders.h"
#include "platform/desktop/SystemJournal.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QSysInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fcntl.h>

#include <algorithm>

namespace {

// The most of a crash report read.
constexpr qint64 kLongestReport = 1 << 20;

// Seconds from 1970 to Foundation's reference date, 2001-01-01.
constexpr double kReferenceDateUnix = 978307200.0;

PlistValue dateValue(const struct statx_timestamp& time) {
    return PlistValue::fromDate(double(time.tv_sec) - kReferenceDateUnix + time.tv_nsec / 1e9);
}

PlistValue integer(std::int64_t value) {
    return PlistValue::fromInt(value);
}

QString fileType(mode_t mode) {
    switch (mode & S_IFMT) {
    case S_IFDIR:
        return QStringLiteral("NSFileTypeDirectory");
    case S_IFREG:
        return QStringLiteral("NSFileTypeRegular");
    case S_IFLNK:
        return QStringLiteral("NSFileTypeSymbolicLink");
    case S_IFSOCK:
        return QStringLiteral("NSFileTypeSocket");
    case S_IFCHR:
        return QStringLiteral("NSFileTypeCharacterSpecial");
    case S_IFBLK:
        return QStringLiteral("NSFileTypeBlockSpecial");
    default:
        return QStringLiteral("NSFileTypeUnknown");
    }
}

std::optional<QString> userName(uid_t uid) {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) != 0 || !found)
        return std::nullopt;
    return QString::fromLocal8Bit(found->pw_name);
}

std::optional<QString> groupName(gid_t gid) {
    struct group entry {};
    struct group* found = nullptr;
    char buffer[4096];
    if (getgrgid_r(gid, &entry, buffer, sizeof buffer, &found) != 0 || !found)
        return std::nullopt;
    return QString::fromLocal8Bit(found->gr_name);
}

// Text in the encoding its byte-order mark names, else UTF-8; nullopt when it is neither.
std::optional<QString> decodeText(const QByteArray& bytes) {
    const auto marked = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(marked.value_or(QStringConverter::Utf8));
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString journalReportPath(const SystemJournal::CoreDump& dump) {
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(qint64(dump.timestamp / 1000));
    return dump.program + u'_' + when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) +
           QStringLiteral(".crash");
}

} // namespace

LinuxSupportSources::LinuxSupportSources()
    : LinuxSupportSources(HostFolders::path(HostFolders::Folder::SystemLog),
                          HostFolders::path(HostFolders::Folder::CrashReports), true) {}

LinuxSupportSources::LinuxSupportSources(QString systemLogPath, QString crashReportsFolder,
                                         bool useJournal)
    : systemLogPath_(std::move(systemLogPath)), crashReportsFolder_(std::move(crashReportsFolder)),
      useJournal_(useJournal) {}

QString LinuxSupportSources::operatingSystemVersionString() {
    return QStringLiteral("%1, %2 %3")
        .arg(QSysInfo::prettyProductName(),
             QSysInfo::kernelType() == u"linux" ? QStringLiteral("Linux") : QSysInfo::kernelType(),
             QSysInfo::kernelVersion());
}

std::optional<PlistValue::Dictionary>
LinuxSupportSources::attributesOfItemAtPath(const QString& path) {
    struct statx info {};
    const unsigned mask = STATX_BASIC_STATS | STATX_BTIME;
    if (statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW, mask, &info) != 0)
        return std::nullopt;
    PlistValue::Dictionary attributes;
    attributes.insert(QStringLiteral("NSFileType"),
                      PlistValue::fromString(fileType(mode_t(info.stx_mode))));
    attributes.insert(QStringLiteral("NSFilePosixPermissions"), integer(info.stx_mode & 07777));
    attributes.insert(QStringLiteral("NSFileOwnerAccountID"), integer(info.stx_uid));
    attributes.insert(QStringLiteral("NSFileGroupOwnerAccountID"), integer(info.stx_gid));
    if (const auto owner = userName(info.stx_uid))
        attributes.insert(QStringLiteral("NSFileOwnerAccountName"), PlistValue::fromString(*owner));
    if (const auto group = groupName(info.stx_gid))
        attributes.insert(QStringLiteral("NSFileGroupOwnerAccountName"),
                          PlistValue::fromString(*group));
    attributes.insert(QStringLiteral("NSFileModificationDate"), dateValue(info.stx_mtime));
    if (info.stx_mask & STATX_BTIME)
        attributes.insert(QStringLiteral("NSFileCreationDate"), dateValue(info.stx_btime));
    attributes.insert(QStringLiteral("NSFileSize"), integer(std::int64_t(info.stx_size)));
    attributes.insert(QStringLiteral("NSFileReferenceCount"), integer(info.stx_nlink));
    attributes.insert(QStringLiteral("NSFileSystemFileNumber"),
                      integer(std::int64_t(info.stx_ino)));
    attributes.insert(QStringLiteral("NSFileSystemNumber"),
                      integer(std::int64_t(makedev(info.stx_dev_major, info.stx_dev_minor))));
    return attributes;
}

void LinuxSupportSources::forEachSystemLogLine(
    const std::function<void(const QString& line)>& visit) {
    if (useJournal_) {
        if (const auto journal = SystemJournal::open()) {
            journal->forEachLineOfThisBoot(visit);
            return;
        }
    }
    QFile log(systemLogPath_);
    if (!log.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = log.readAll();
    // The log is read as ASCII text: a file with other bytes gives no lines.
    if (std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) != 0; }))
        return;
    for (const QByteArray& line : bytes.split('\n'))
        visit(QString::fromLatin1(line));
}

std::vector<QString> LinuxSupportSources::crashReportPaths() {
    std::vector<QString> paths;
    journalReports_.clear();
    if (useJournal_) {
        if (const auto journal = SystemJournal::open()) {
            for (SystemJournal::CoreDump& dump : journal->coreDumps()) {
                QString path = journalReportPath(dump);
                paths.push_back(path);
                journalReports_[path] = std::move(dump.report);
            }
            return paths;
        }
    }
    const QDir folder(crashReportsFolder_);
    QDirIterator it(crashReportsFolder_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.push_back(folder.relativeFilePath(it.next()));
    return paths;
}

std::optional<QString> LinuxSupportSources::readCrashReport(const QString& relativePath) {
    if (const auto found = journalReports_.find(relativePath); found != journalReports_.end())
        return found->second;
    QFile report(QDir(crashReportsFolder_).filePath(relativePath));
    if (QFileInfo(report).isDir() || !report.open(QIODevice::ReadOnly))
        return std::nullopt;
    // More than a mail can carry is never needed.
    return decodeText(report.read(kLongestReport));
}
