#include "tools/keyvigil-agent/AgentPaths.h"

#include "shared/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace AgentPaths {
namespace {

// The XDG rules: a relative value is to be ignored, as an unset one is.
QString baseFolder(const char* variable, const char* fallbackUnderHome) {
    const QString value = qEnvironmentVariable(variable);
    if (value.startsWith(u'/'))
        return value;
    return QDir::homePath() + u'/' + QLatin1StringView(fallbackUnderHome);
}

QString configHome() {
    return baseFolder("XDG_CONFIG_HOME", ".config");
}

} // namespace

QString unitFile(const QString& label) {
    return configHome() + QStringLiteral("/systemd/user/") + label + QStringLiteral(".service");
}

QString autostartEntry(const QString& label) {
    return configHome() + QStringLiteral("/autostart/") + label + QStringLiteral(".desktop");
}

QString logFile(const QString& label) {
    return baseFolder("XDG_STATE_HOME", ".local/state") + QStringLiteral("/keyvigil/") + label +
           QStringLiteral(".log");
}

QString pidFile(const QString& label) {
    return runtimeFolder() + u'/' + label + QStringLiteral(".pid");
}

QString lockFile(const QString& label) {
    return runtimeFolder() + u'/' + label + QStringLiteral(".lock");
}

QString runtimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(u'/'))
        return runtime + QStringLiteral("/keyvigil");
    return QStringLiteral("/tmp/keyvigil-%1").arg(::getuid());
}

bool makeRuntimeFolder(QString& error) {
    const QString folder = runtimeFolder();
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        error = QStringLiteral("cannot make the folder %1: %2").arg(folder, std::strerror(errno));
        return false;
    }
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != ::getuid() || (status.st_mode & 077) != 0) {
        error = QStringLiteral("%1 is no private folder of this user").arg(folder);
        return false;
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& contents, mode_t mode) {
    return QDir().mkpath(QFileInfo(path).path()) && writeFileAtomically(path, contents, mode);
}

} // namespace AgentPaths
