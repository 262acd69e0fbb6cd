// Loaded into a program through LD_PRELOAD, so that a test can act from inside it: on SIGUSR2 the
// program tries to connect to 127.0.0.1 at the port in KEYVIGIL_PROBE_PORT, and appends
// "PID SOCKET ERRNO CONNECT" to the file named by KEYVIGIL_PROBE_LOG.
#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int port = 0;
int logFile = -1;

void probe(int) {
    const int saved = errno;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const int error = errno;
    int connected = -1;
    if (fd >= 0) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(std::uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        close(fd);
    }
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%d %d %d %d\n", int(getpid()), fd,
                                     fd < 0 ? error : 0, connected);
    (void)!write(logFile, line, std::size_t(length));
    errno = saved;
}

__attribute__((constructor)) void install() {
    const char* portText = std::getenv("KEYVIGIL_PROBE_PORT");
    const char* logPath = std::getenv("KEYVIGIL_PROBE_LOG");
    if (!portText || !logPath)
        return;
    port = std::atoi(portText);
    logFile = open(logPath, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    struct sigaction action {};
    action.sa_handler = probe;
    action.sa_flags = SA_RESTART;
    sigaction(SIGUSR2, &action, nullptr);
}

} // namespace
