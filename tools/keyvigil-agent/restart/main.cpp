#include "shared/CommandLine.h"
#include "shared/ProgramLog.h"
#include "tools/keyvigil-agent/restart/RestartCommand.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    setProgramLogName("keyvigil.restart");
    const ProgramDescription program{
        "Restart", "PANE_BUNDLE PID",
        "Waits (at most 30 s) for the preferences host with process ID PID to quit, then starts "
        "the same host program again with PANE_BUNDLE as its argument.",
        true};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    QCoreApplication app(argc, argv);
    return runRestartCommand(app.arguments().mid(1));
}
