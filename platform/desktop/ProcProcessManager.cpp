#include "platform/desktop/ProcProcessManager.h"

#include "shared/ApplicationBundle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The start time, field 22 of /proc/PID/stat. The command name before it may hold spaces and
// parentheses, so the fields are counted from its closing parenthesis.
std::optional<unsigned long long> startTime(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = stat.readAll();
    const qsizetype end = text.lastIndexOf(')');
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(end + 2).split(' ');
    // Fields from the third (state) on: the start time is the 20th of them.
    if (fields.size() < 20)
        return std::nullopt;
    bool ok = false;
    const unsigned long long ticks = fields[19].toULongLong(&ok);
    return ok ? std::optional(ticks) : std::nullopt;
}

// Whether the process was started with `entry` ("NAME=value") in its environment.
bool startedWith(pid_t pid, const QByteArray& entry) {
    QFile environment(QStringLiteral("/proc/%1/environ").arg(pid));
    return environment.open(QIODevice::ReadOnly) &&
           environment.readAll().split('\0').contains(entry);
}

std::vector<pid_t> ownProcesses() {
    std::vector<pid_t> pids;
    const uid_t self = getuid();
    const char* const variable = ProcProcessManager::kProcessScopeVariable;
    const QByteArray scope = qgetenv(variable);
    const QByteArray scopeEntry = variable + ('=' + scope);
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool ok = false;
        const pid_t pid = pid_t(entry.toInt(&ok));
        struct stat info {};
        if (ok && pid > 0 && ::stat(QFile::encodeName("/proc/" + entry).constData(), &info) == 0 &&
            info.st_uid == self && (scope.isEmpty() || startedWith(pid, scopeEntry)))
            pids.push_back(pid);
    }
    std::sort(pids.begin(), pids.end());
    return pids;
}

} // namespace

std::optional<ProcessSerialNumber> ProcProcessManager::serialNumberOf(pid_t pid) {
    const auto ticks = startTime(pid);
    if (!ticks)
        return std::nullopt;
    return ProcessSerialNumber{std::uint32_t(*ticks), std::uint32_t(pid)};
}

OSErr ProcProcessManager::GetNextProcess(ProcessSerialNumber& psn) {
    // A walk lists /proc once, at its start.
    if (psn.lowLongOfPSN == 0)
        snapshot_ = ownProcesses();
    const auto after =
        std::upper_bound(snapshot_.begin(), snapshot_.end(), pid_t(psn.lowLongOfPSN));
    for (auto it = after; it != snapshot_.end(); ++it) {
        const pid_t pid = *it;
        if (const auto next = serialNumberOf(pid)) {
            psn = *next;
            return noErr;
        }
    }
    return procNotFound;
}

std::optional<QString> ProcProcessManager::fileCreator(const ProcessSerialNumber& psn) {
    const pid_t pid = pid_t(psn.lowLongOfPSN);
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    // The process must still be the one the number names.
    if (executable.isEmpty() || serialNumberOf(pid) != psn)
        return std::nullopt;
    // .../Name.app/Contents/MacOS/executable
    const QDir macOS = QFileInfo(executable).dir();
    QDir contents = macOS;
    if (macOS.dirName() != u"MacOS" || !contents.cdUp() || contents.dirName() != u"Contents")
        return std::nullopt;
    QDir app = contents;
    if (!app.cdUp() || !app.dirName().endsWith(QStringLiteral(".app")))
        return std::nullopt;
    const auto bundle = ApplicationBundle::bundleWithPath(app.path());
    return bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleSignature") : std::nullopt;
}

OSErr ProcProcessManager::CopyProcessName(const ProcessSerialNumber& psn, QString* name) {
    const pid_t pid = pid_t(psn.lowLongOfPSN);
    if (pid <= 0 || serialNumberOf(pid) != psn)
        return procNotFound;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return procNotFound;
    if (name)
        *name = QString::fromLocal8Bit(comm.readAll().trimmed());
    return noErr;
}
