#include "tools/keyvigil-agent/AgentCommand.h"

#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/AgentFile.h"
#include "tools/keyvigil-agent/AgentPaths.h"
#include "tools/keyvigil-agent/AutostartEntry.h"
#include "tools/keyvigil-agent/SupervisorControl.h"
#include "tools/keyvigil-agent/SystemdUserManager.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>

#include <optional>

namespace {

enum class Mode { UserManager, Supervisor };

std::optional<Mode> chooseMode(QString& error) {
    // Tests and debugging: never install a real unit on a developer's machine.
    const QByteArray forced = qgetenv("KEYVIGIL_AGENT_MODE");
    if (forced == "supervisor")
        return Mode::Supervisor;
    if (!forced.isEmpty()) {
        error = QStringLiteral("KEYVIGIL_AGENT_MODE=%1 is unknown; the one value is \"supervisor\"")
                    .arg(QString::fromLocal8Bit(forced));
        return std::nullopt;
    }
    return SystemdUserManager::isRunning() ? Mode::UserManager : Mode::Supervisor;
}

bool removeAutostartEntry(const AgentFile& agent, QString& error) {
    const QString entry = AgentPaths::autostartEntry(agent.label);
    if (QFile::exists(entry) && !QFile::remove(entry)) {
        error = QStringLiteral("cannot remove %1").arg(entry);
        return false;
    }
    return true;
}

// What the other mode may have left from an earlier session, so that one helper runs.
bool stopSupervision(const AgentFile& agent, const QString& agentPath, QString& error) {
    return SupervisorControl::stop(agent, agentPath, error) && removeAutostartEntry(agent, error);
}

bool loadUnderSupervisor(const AgentFile& agent, const QString& agentPath, const QString& agentTool,
                         QString& error) {
    const QString entry = AgentPaths::autostartEntry(agent.label);
    const QString text = AutostartEntry::entryText({agentTool, QStringLiteral("load"), agentPath});
    if (!AgentPaths::writeFile(entry, text.toUtf8(), 0644)) {
        error = QStringLiteral("cannot write %1").arg(entry);
        return false;
    }
    if (SupervisorControl::start(agent, agentPath, agentTool, error))
        return true;
    // An entry left behind would start at the next login what did not start now.
    QFile::remove(entry);
    return false;
}

enum class Verb { Load, Unload, Stop, Status };

struct Outcome {
    int status = 0;  // the exit status
    QString message; // the error, or for status the state
};

Outcome fail(const QString& error) {
    return {1, error};
}

Outcome run(Verb verb, const QString& agentPath, const QString& agentTool) {
    QString message;
    const std::optional<AgentFile> agent = readAgentFile(agentPath, message);
    if (!agent || (verb == Verb::Load && !canRun(*agent, message)))
        return fail(message);
    const std::optional<Mode> mode = chooseMode(message);
    if (!mode)
        return fail(message);
    const bool supervised = *mode == Mode::Supervisor;
    bool done = false;
    switch (verb) {
    case Verb::Load:
        done = supervised ? loadUnderSupervisor(*agent, agentPath, agentTool, message)
                          : stopSupervision(*agent, agentPath, message) &&
                                SystemdUserManager::load(*agent, message);
        break;
    case Verb::Unload:
        done = supervised ? stopSupervision(*agent, agentPath, message)
                          : SystemdUserManager::unload(*agent, message) &&
                                stopSupervision(*agent, agentPath, message);
        break;
    case Verb::Stop:
        // What starts the agent at login stays: the unit stays enabled, the autostart entry
        // stays. A supervisor left from a session without a manager goes too.
        done = (supervised || SystemdUserManager::stop(*agent, message)) &&
               SupervisorControl::stop(*agent, agentPath, message);
        break;
    case Verb::Status:
        done = supervised ? SupervisorControl::isProgramRunning(*agent, agentPath, message)
                          : SystemdUserManager::isActive(*agent, message);
        return {done ? 0 : kNotRunning, message};
    }
    return done ? Outcome{} : fail(message);
}

} // namespace

int runAgentCommand(const QStringList& arguments, const QString& agentTool) {
    static const QHash<QString, Verb> verbs = {{QStringLiteral("load"), Verb::Load},
                                               {QStringLiteral("unload"), Verb::Unload},
                                               {QStringLiteral("stop"), Verb::Stop},
                                               {QStringLiteral("status"), Verb::Status}};
    if (arguments.size() != 2 || !verbs.contains(arguments[0])) {
        qCCritical(programLog).noquote()
            << "usage: keyvigil-agent load|unload|stop|status AGENT_FILE (try --help)";
        return 2;
    }
    const Verb verb = verbs.value(arguments[0]);
    const Outcome outcome = run(verb, QFileInfo(arguments[1]).absoluteFilePath(), agentTool);
    if (outcome.status == 1)
        qCCritical(programLog).noquote() << outcome.message;
    else if (verb == Verb::Status)
        QTextStream(stdout) << outcome.message << '\n';
    return outcome.status;
}
