#include "tools/keyvigil-launcher/Launcher.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Launcher {

std::vector<std::string> command(const LaunchTarget& target, bool insideService) {
    if (!insideService)
        return {target.host, target.pane};
    return {"systemd-run", "--user",     "--quiet",
            "--collect",   "--no-block", "--description=Keyvigil settings window",
            "--",          target.host,  target.pane};
}

namespace {

// The file's path with no symbolic link, "." or ".." left; empty when it does not exist.
std::string canonicalPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

} // namespace

bool namesPane(std::string_view request, const LaunchTarget& target) {
    // A path holds no NUL: one that did would be cut short at it.
    if (request.find('\0') != std::string_view::npos)
        return false;
    const std::string requested = canonicalPath(std::string(request));
    return !requested.empty() && requested == canonicalPath(target.pane);
}

void warn(std::string_view message) {
    std::string line = "keyvigil.launcher: ";
    line.append(message);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

namespace {

std::vector<char*> argumentVector(std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return argv;
}

// Runs `arguments` to its end: its exit status, -1 when it crashed, -2 when it did not start.
int execute(std::vector<std::string> arguments) {
    const std::vector<char*> argv = argumentVector(arguments);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return -2;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts `arguments` in a session of its own, through a child that ends at once: the window
// outlives this launcher and the helper's process group, and leaves no process to wait for.
bool startDetached(std::vector<std::string> arguments) {
    const std::vector<char*> argv = argumentVector(arguments);
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        setsid();
        pid_t window = -1;
        // Whether the program started, in the child's exit status.
        _exit(posix_spawnp(&window, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? 0 : 1);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void open(const LaunchTarget& target) {
    // Set by the service manager in each of its services.
    const bool insideService = std::getenv("INVOCATION_ID") != nullptr;
    if (insideService) {
        const int status = execute(command(target, true));
        if (status == 0)
            return;
        warn("the service manager did not open the settings window (systemd-run ended with " +
             std::to_string(status) + "): it opens inside the helper's service");
    }
    if (!startDetached(command(target, false)))
        warn("cannot start the settings window " + target.host);
}

// At most `length` bytes of `text`, not cutting a character in two.
std::string_view prefix(std::string_view text, std::size_t length) {
    if (text.size() <= length)
        return text;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return text.substr(0, length);
}

} // namespace

int serve(int socket, const LaunchTarget& target) {
    // A pane path, with room to tell a longer request from one that fits.
    std::string request(4097, '\0');
    for (;;) {
        // With MSG_TRUNC the packet's whole length, even where it did not fit.
        const ssize_t length = recv(socket, request.data(), request.size(), MSG_TRUNC);
        if (length == 0)
            return 0; // the helper ended
        if (length < 0) {
            if (errno == EINTR)
                continue;
            warn(std::string("cannot read requests: ") + std::strerror(errno));
            return 1;
        }
        const std::size_t received = static_cast<std::size_t>(length);
        const std::string_view path(request.data(), std::min(received, request.size()));
        if (received < request.size() && namesPane(path, target))
            open(target);
        else
            warn("refused to open " + std::string(prefix(path, 256)) +
                 " - this launcher opens only " + target.pane);
    }
}

} // namespace Launcher
