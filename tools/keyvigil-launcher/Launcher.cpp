#include "tools/keyvigil-launcher/Launcher.h"

#include "shared/ProgramLog.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>

namespace Launcher {

QStringList command(const LaunchTarget& target, bool insideService) {
    if (!insideService)
        return {target.host, target.pane};
    return {QStringLiteral("systemd-run"),
            QStringLiteral("--user"),
            QStringLiteral("--quiet"),
            QStringLiteral("--collect"),
            QStringLiteral("--no-block"),
            QStringLiteral("--description=Keyvigil settings window"),
            QStringLiteral("--"),
            target.host,
            target.pane};
}

bool namesPane(const QByteArray& request, const LaunchTarget& target) {
    const QString requested = QFileInfo(QFile::decodeName(request)).canonicalFilePath();
    return !requested.isEmpty() && requested == QFileInfo(target.pane).canonicalFilePath();
}

namespace {

void open(const LaunchTarget& target) {
    // Set by the service manager in each of its services.
    const bool insideService = qEnvironmentVariableIsSet("INVOCATION_ID");
    QStringList arguments = command(target, insideService);
    const QString program = arguments.takeFirst();
    if (insideService) {
        const int status = QProcess::execute(program, arguments);
        if (status == 0)
            return;
        qCWarning(programLog).noquote()
            << QStringLiteral("the service manager did not open the settings window (systemd-run "
                              "ended with %1): it opens inside the helper's service")
                   .arg(status);
        arguments = command(target, false);
        arguments.removeFirst();
    }
    // A session of its own: the window outlives this launcher and the helper's process group.
    if (!QProcess::startDetached(target.host, arguments))
        qCWarning(programLog).noquote() << "cannot start the settings window" << target.host;
}

} // namespace

int serve(int socket, const LaunchTarget& target) {
    // A pane path, with room to tell a longer request from one that fits.
    QByteArray request(4097, '\0');
    for (;;) {
        const ssize_t length = recv(socket, request.data(), std::size_t(request.size()), MSG_TRUNC);
        if (length == 0)
            return 0; // the helper ended
        if (length < 0) {
            if (errno == EINTR)
                continue;
            qCWarning(programLog).noquote()
                << "cannot read requests:" << QString::fromLocal8Bit(std::strerror(errno));
            return 1;
        }
        const QByteArray path = request.left(length);
        if (length < request.size() && namesPane(path, target))
            open(target);
        else
            qCWarning(programLog).noquote()
                << "refused to open" << QFile::decodeName(path.left(256))
                << "- this launcher opens only" << target.pane;
    }
}

} // namespace Launcher
