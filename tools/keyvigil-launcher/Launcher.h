#pragma once

#include <string>
#include <string_view>
#include <vector>

// keyvigil-launcher opens the settings window for Keyvigil Helper. The helper starts it before
// it gives up the network and the right to gain privileges, which every program it started
// itself would inherit; the window needs both (links to the browser, the support mail, pkexec
// for keyboard access). The launcher opens its one target and nothing else, whatever it is
// asked. It lives as long as the helper, so it links no Qt: plain C++ and the C library.
struct LaunchTarget {
    std::string host; // the settings window's program
    std::string pane; // the pane bundle, its one argument
};

namespace Launcher {

// The command that opens the target. Inside a service of the user's service manager the
// window must live outside that service, whose sandbox it would share and whose stop would end
// it: the manager starts it as a service of its own.
std::vector<std::string> command(const LaunchTarget& target, bool insideService);

// Whether a request names the target's pane bundle: the same folder, however spelt.
bool namesPane(std::string_view request, const LaunchTarget& target);

// One line on stderr, "keyvigil.launcher: " and `message`, the helper's log format.
void warn(std::string_view message);

// Serves the requests that come on `socket` (a sequenced-packet socket, one pane path a
// request) until its other end closes; returns the exit status.
int serve(int socket, const LaunchTarget& target);

} // namespace Launcher
