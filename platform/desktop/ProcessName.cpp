#include "platform/desktop/ProcessName.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <climits>

#include <unistd.h>

QString executableNameOfProcess(pid_t pid) {
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    char target[PATH_MAX];
    const ssize_t length = readlink(QFile::encodeName(proc + QStringLiteral("exe")).constData(),
                                    target, sizeof target);
    if (length > 0) {
        QString executable = QFile::decodeName(QByteArray(target, length));
        const QString deleted = QStringLiteral(" (deleted)");
        if (executable.endsWith(deleted))
            executable.chop(deleted.size());
        return QFileInfo(executable).fileName();
    }
    QFile comm(proc + QStringLiteral("comm"));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.readAll()).trimmed();
    return {};
}
