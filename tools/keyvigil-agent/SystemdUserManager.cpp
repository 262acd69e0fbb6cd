#include "tools/keyvigil-agent/SystemdUserManager.h"

#include "tools/keyvigil-agent/AgentPaths.h"
#include "tools/keyvigil-agent/SystemdUnit.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

namespace SystemdUserManager {
namespace {

constexpr int kTimeoutMilliseconds = 30000;

struct Outcome {
    bool ok = false;
    QString output;  // standard output, trimmed
    QString problem; // the first line systemctl wrote on stderr, or what kept it from running
};

Outcome systemctl(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForFinished(kTimeoutMilliseconds)) {
        const QString problem = process.errorString();
        process.kill();
        process.waitForFinished();
        return {false, {}, problem};
    }
    Outcome outcome;
    outcome.output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    outcome.problem =
        QString::fromLocal8Bit(process.readAllStandardError()).trimmed().section(u'\n', 0, 0);
    outcome.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!outcome.ok && outcome.problem.isEmpty())
        outcome.problem = QStringLiteral("exit status %1").arg(process.exitCode());
    return outcome;
}

bool step(const QStringList& arguments, QString& error) {
    const Outcome outcome = systemctl(arguments);
    if (!outcome.ok)
        error = QStringLiteral("systemctl --user %1 failed: %2")
                    .arg(arguments.join(u' '), outcome.problem);
    return outcome.ok;
}

QString loadState(const QString& unit) {
    return systemctl({QStringLiteral("show"), QStringLiteral("--property=LoadState"),
                      QStringLiteral("--value"), unit})
        .output;
}

} // namespace

bool isRunning() {
    const Outcome outcome =
        systemctl({QStringLiteral("show"), QStringLiteral("--property=Version")});
    return outcome.ok && outcome.output.startsWith(u"Version=") && outcome.output.size() > 8;
}

bool load(const AgentFile& agent, QString& error) {
    const bool graphical = loadState(QStringLiteral("graphical-session.target")) == u"loaded";
    const QString file = AgentPaths::unitFile(agent.label);
    if (!AgentPaths::writeFile(file, SystemdUnit::unitText(agent, graphical).toUtf8(), 0644)) {
        error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    // The manager may have started before the session had a display or a bus.
    QStringList variables;
    for (const char* name :
         {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
        if (qEnvironmentVariableIsSet(name))
            variables.append(QLatin1StringView(name));
    // Given no names, import-environment would take our whole environment.
    if (!variables.isEmpty() &&
        !step(QStringList{QStringLiteral("import-environment")} + variables, error))
        return false;
    const QString unit = SystemdUnit::unitName(agent);
    if (!step({QStringLiteral("daemon-reload")}, error))
        return false;
    // A unit that hit its start limit refuses even a start by hand until this; should it
    // fail, the restart below says why.
    systemctl({QStringLiteral("reset-failed"), unit});
    // restart starts a stopped unit too, and a running one comes back with the new file.
    return step({QStringLiteral("enable"), unit}, error) &&
           step({QStringLiteral("restart"), unit}, error);
}

bool unload(const AgentFile& agent, QString& error) {
    const QString file = AgentPaths::unitFile(agent.label);
    if (!QFileInfo::exists(file))
        return true;
    const QString unit = SystemdUnit::unitName(agent);
    // A unit file the manager never read has nothing to stop.
    if (!step({QStringLiteral("stop"), unit}, error) && loadState(unit) == u"loaded")
        return false;
    if (!step({QStringLiteral("disable"), unit}, error))
        return false;
    if (!QFile::remove(file)) {
        error = QStringLiteral("cannot remove %1").arg(file);
        return false;
    }
    return step({QStringLiteral("daemon-reload")}, error);
}

bool stop(const AgentFile& agent, QString& error) {
    if (!QFileInfo::exists(AgentPaths::unitFile(agent.label)))
        return true;
    const QString unit = SystemdUnit::unitName(agent);
    return step({QStringLiteral("stop"), unit}, error) || loadState(unit) != u"loaded";
}

bool isActive(const AgentFile& agent, QString& state) {
    const QString unit = SystemdUnit::unitName(agent);
    const Outcome outcome =
        systemctl({QStringLiteral("show"), QStringLiteral("--property=ActiveState"),
                   QStringLiteral("--property=SubState"), QStringLiteral("--property=ExecMainCode"),
                   QStringLiteral("--property=ExecMainStatus"), unit});
    if (!outcome.ok) {
        state = QStringLiteral("systemctl --user show %1 failed: %2").arg(unit, outcome.problem);
        return false;
    }
    QHash<QString, QString> properties;
    for (const QString& line : outcome.output.split(u'\n'))
        properties.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
    const QString active = properties.value(QStringLiteral("ActiveState"));
    const QString sub = properties.value(QStringLiteral("SubState"));
    if (active == u"active" && sub == u"running") {
        state = QStringLiteral("%1 is running").arg(unit);
        return true;
    }
    // ExecMainCode is how the last run ended: 1 exited, 2 killed, 3 dumped core.
    const QString code = properties.value(QStringLiteral("ExecMainCode"));
    const QString status = properties.value(QStringLiteral("ExecMainStatus"));
    QString ended;
    if (code == u"1")
        ended = QStringLiteral("; %1 exited with status %2")
                    .arg(QFileInfo(agent.program).fileName(), status);
    else if (code == u"2" || code == u"3")
        ended = QStringLiteral("; %1 was killed by signal %2")
                    .arg(QFileInfo(agent.program).fileName(), status);
    state = QStringLiteral("%1 is %2 (%3)%4; journalctl --user -u %1 says why")
                .arg(unit, active, sub, ended);
    return false;
}

} // namespace SystemdUserManager
