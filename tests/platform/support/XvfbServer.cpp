#include "tests/platform/support/XvfbServer.h"

#include <csignal>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

XvfbServer::XvfbServer()
    : XvfbServer({"Xvfb", "-nolisten", "tcp", "-noreset", "-screen", "0", "1280x1024x24"}) {}

XvfbServer::XvfbServer(const std::vector<std::string>& command) {
    int fds[2];
    if (command.empty() || pipe2(fds, O_CLOEXEC) != 0)
        return;
    // The server writes its display number to this descriptor once it accepts connections.
    fcntl(fds[1], F_SETFD, 0);
    const std::string fd = std::to_string(fds[1]);
    std::vector<const char*> argv{command[0].c_str(), "-displayfd", fd.c_str()};
    for (std::size_t i = 1; i < command.size(); ++i)
        argv.push_back(command[i].c_str());
    argv.push_back(nullptr);
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // The server goes when the test process goes, however that ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(devNull, 1);
        dup2(devNull, 2);
        execvp(argv[0], const_cast<char**>(argv.data()));
        _exit(127);
    }
    close(devNull);
    close(fds[1]);
    pid_ = pid;
    std::string number;
    char buffer[16];
    pollfd poller{fds[0], POLLIN, 0};
    while (pid > 0 && number.find('\n') == std::string::npos && poll(&poller, 1, 10000) > 0) {
        const ssize_t count = read(fds[0], buffer, sizeof buffer);
        if (count <= 0)
            break;
        number.append(buffer, std::size_t(count));
    }
    close(fds[0]);
    if (const auto end = number.find('\n'); end != std::string::npos && end > 0)
        displayName_ = ":" + number.substr(0, end);
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
