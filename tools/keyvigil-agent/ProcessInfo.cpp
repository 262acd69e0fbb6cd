#include "tools/keyvigil-agent/ProcessInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <optional>

#include <unistd.h>

namespace ProcessInfo {
namespace {

struct Status {
    char state;
    pid_t parent;
    pid_t group;
};

QByteArray readProcFile(pid_t pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1StringView(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::optional<Status> readStatus(pid_t pid) {
    // The command name is in parentheses and may hold spaces and parentheses itself.
    const QByteArray text = readProcFile(pid, "stat");
    const qsizetype close = text.lastIndexOf(')');
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 3 || fields[0].isEmpty())
        return std::nullopt;
    return Status{fields[0][0], fields[1].toInt(), fields[2].toInt()};
}

bool isLive(const std::optional<Status>& status) {
    return status && status->state != 'Z' && status->state != 'X';
}

template <typename Predicate> QList<pid_t> processesWhere(Predicate predicate) {
    QList<pid_t> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool ok = false;
        const pid_t pid = entry.toInt(&ok);
        if (!ok)
            continue;
        const std::optional<Status> status = readStatus(pid);
        if (isLive(status) && predicate(*status))
            found.append(pid);
    }
    return found;
}

} // namespace

bool isRunning(pid_t pid) {
    return pid > 0 && isLive(readStatus(pid));
}

QStringList commandLine(pid_t pid) {
    QByteArray text = readProcFile(pid, "cmdline");
    if (text.endsWith('\0'))
        text.chop(1);
    QStringList arguments;
    if (!text.isEmpty())
        for (const QByteArray& argument : text.split('\0'))
            arguments.append(QFile::decodeName(argument));
    return arguments;
}

QList<pid_t> groupMembers(pid_t group) {
    return processesWhere([group](const Status& status) { return status.group == group; });
}

QList<pid_t> children(pid_t parent) {
    return processesWhere([parent](const Status& status) { return status.parent == parent; });
}

QString executable(pid_t pid) {
    const QByteArray link = QFile::encodeName(QStringLiteral("/proc/%1/exe").arg(pid));
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0 || length == ssize_t(sizeof target))
        return {};
    QString path = QFile::decodeName(QByteArray(target, length));
    // A program replaced on disk since it started (an update) is marked so; its successor at
    // the same path is the one to run.
    const QLatin1StringView deleted(" (deleted)");
    if (path.endsWith(deleted) && !QFileInfo::exists(path))
        path.chop(deleted.size());
    return path;
}

} // namespace ProcessInfo
