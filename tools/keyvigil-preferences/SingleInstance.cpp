#include "tools/keyvigil-preferences/SingleInstance.h"

#include "shared/ProgramLog.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

QString SingleInstance::socketPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath() + QStringLiteral("/keyvigil-%1").arg(getuid());
    return folder + QStringLiteral("/keyvigil-preferences");
}

bool SingleInstance::raiseRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    return true;
}

bool SingleInstance::listen(std::function<void()> raise) {
    // Nobody answered, so a socket file left there belongs to an instance that is gone.
    QLocalServer::removeServer(socketPath());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath())) {
        qCWarning(programLog).noquote()
            << "cannot listen on" << socketPath() << "(" << server_.errorString()
            << "): a second start opens a second window";
        return false;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_,
                     [this, raise = std::move(raise)] {
                         while (QLocalSocket* client = server_.nextPendingConnection()) {
                             QObject::connect(client, &QLocalSocket::disconnected, client,
                                              &QObject::deleteLater);
                             raise();
                         }
                     });
    return true;
}
