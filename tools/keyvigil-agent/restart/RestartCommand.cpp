#include "tools/keyvigil-agent/restart/RestartCommand.h"

#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/ProcessInfo.h"
#include "tools/keyvigil-agent/restart/ProcessEnd.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr int kQuitTimeoutMilliseconds = 30000;
} // namespace

int runRestartCommand(const QStringList& arguments) {
    static const QRegularExpression decimal(QStringLiteral("^[1-9][0-9]{0,9}$"));
    bool ok = false;
    const pid_t pid = arguments.size() == 2 && decimal.match(arguments[1]).hasMatch()
                          ? arguments[1].toInt(&ok)
                          : 0;
    if (!ok || arguments[0].isEmpty()) {
        qCCritical(programLog).noquote() << "usage: Restart PANE_BUNDLE PID (try --help)";
        return 2;
    }
    // Read now, while the host runs: the same program comes back wherever it is installed.
    const QString host = ProcessInfo::executable(pid);
    if (host.isEmpty()) {
        qCCritical(programLog).noquote()
            << QStringLiteral("cannot read the program of process %1").arg(pid);
        return 1;
    }
    if (!waitForProcessEnd(pid, kQuitTimeoutMilliseconds)) {
        qCCritical(programLog).noquote()
            << QStringLiteral("process %1 did not quit within %2 s; %3 not started again")
                   .arg(pid)
                   .arg(kQuitTimeoutMilliseconds / 1000)
                   .arg(host);
        return 1;
    }
    if (!QProcess::startDetached(host, {arguments[0]})) {
        qCCritical(programLog).noquote() << QStringLiteral("cannot start %1").arg(host);
        return 1;
    }
    return 0;
}
