#include "shared/CommandLine.h"
#include "tools/keyvigil-launcher/Launcher.h"

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    const ProgramDescription program{
        "keyvigil-launcher", "HOST PANE",
        "Started by Keyvigil Helper with a socket as its standard input: opens the settings "
        "window (HOST with PANE as its argument) whenever the helper asks for PANE, and refuses "
        "anything else. Ends when the helper does."};
    if (const auto status = handleStandardOptions(argc, argv, program))
        return *status;
    if (argc != 3) {
        Launcher::warn("usage: keyvigil-launcher HOST PANE");
        return 2;
    }
    // The socket moves off standard input, so that no program started here inherits it.
    const int socket = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (socket < 0 || null < 0 || dup2(null, STDIN_FILENO) < 0) {
        Launcher::warn("no request socket on standard input");
        return 1;
    }
    close(null);
    return Launcher::serve(socket, {argv[1], argv[2]});
}
