#include "tools/keyvigil-agent/PidFile.h"

#include "shared/AtomicFile.h"

#include <QFile>

namespace PidFile {

pid_t read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const int pid = file.read(32).trimmed().toInt(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool write(const QString& path, pid_t pid) {
    return writeFileAtomically(path, QByteArray::number(pid) + '\n', 0644);
}

void removeIfNames(const QString& path, pid_t pid) {
    if (read(path) == pid)
        QFile::remove(path);
}

} // namespace PidFile
