#include "platform/linux/DesktopWorkspace.h"

#include "platform/linux/HostFolders.h"
#include "shared/ProgramLog.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

bool DesktopWorkspace::openFile(const QString& path) {
    if (path.endsWith(QStringLiteral(".prefPane"))) {
        QStringList command = HostFolders::settingsPanelCommand(path);
        if (command.isEmpty()) {
            qCWarning(programLog, "no accessibility settings panel found to open");
            return false;
        }
        const QString program = command.takeFirst();
        return launchTask(program, command);
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopWorkspace::launchTask(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
