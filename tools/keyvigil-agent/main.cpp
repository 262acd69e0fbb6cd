#include "shared/CommandLine.h"
#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/AgentCommand.h"
#include "tools/keyvigil-agent/Supervisor.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

int main(int argc, char* argv[]) {
    setProgramLogName("keyvigil.agent");
    const ProgramDescription program{
        "keyvigil-agent", "load|unload|stop|status AGENT_FILE",
        "Starts the program an agent file names and keeps it running, now and at each login "
        "(load), stops it for good (unload), stops it until the next load or login (stop), or "
        "says whether it runs (status: exit status 0 when it does, 3 when not). Under a running "
        "systemd user manager it becomes "
        "a user unit (~/.config/systemd/user/LABEL.service) of the graphical session; elsewhere "
        "a supervisor of this tool's own keeps it running (its output in "
        "~/.local/state/keyvigil/LABEL.log) and an autostart entry "
        "(~/.config/autostart/LABEL.desktop) loads it at login.\n\n"
        "Environment: KEYVIGIL_AGENT_MODE=supervisor uses the supervisor even where a user "
        "manager runs (for tests and debugging).",
        true};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    // The supervisor sets up its signals and descriptors before anything else exists.
    if (argc == 3 && std::strcmp(argv[1], "supervise") == 0)
        return superviseAgent(QFile::decodeName(argv[2]));
    QCoreApplication app(argc, argv);
    return runAgentCommand(app.arguments().mid(1), QCoreApplication::applicationFilePath());
}
