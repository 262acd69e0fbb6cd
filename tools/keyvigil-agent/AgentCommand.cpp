#include "tools/keyvigil-agent/AgentCommand.h"

#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/AgentFile.h"
#include "tools/keyvigil-agent/AgentPaths.h"
#include "tools/keyvigil-agent/AutostartEntry.h"
#include "tools/keyvigil-agent/SupervisorControl.h"
#include "tools/keyvigil-agent/SystemdUserManager.h"

#include <QFile>
#include <QFileInfo>

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

bool run(bool load, const QString& agentPath, const QString& agentTool, QString& error) {
    const std::optional<AgentFile> agent = readAgentFile(agentPath, error);
    if (!agent || (load && !canRun(*agent, error)))
        return false;
    const std::optional<Mode> mode = chooseMode(error);
    if (!mode)
        return false;
    if (*mode == Mode::Supervisor)
        return load ? loadUnderSupervisor(*agent, agentPath, agentTool, error)
                    : stopSupervision(*agent, agentPath, error);
    if (load)
        return stopSupervision(*agent, agentPath, error) && SystemdUserManager::load(*agent, error);
    return SystemdUserManager::unload(*agent, error) && stopSupervision(*agent, agentPath, error);
}

} // namespace

int runAgentCommand(const QStringList& arguments, const QString& agentTool) {
    const bool known =
        arguments.size() == 2 && (arguments[0] == u"load" || arguments[0] == u"unload");
    if (!known) {
        qCCritical(programLog).noquote()
            << "usage: keyvigil-agent load|unload AGENT_FILE (try --help)";
        return 2;
    }
    QString error;
    if (!run(arguments[0] == u"load", QFileInfo(arguments[1]).absoluteFilePath(), agentTool,
             error)) {
        qCCritical(programLog).noquote() << error;
        return 1;
    }
    return 0;
}
