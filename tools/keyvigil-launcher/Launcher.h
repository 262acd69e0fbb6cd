#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// keyvigil-launcher opens the settings window for Keyvigil Helper. The helper starts it before
// it gives up the network and the right to gain privileges, which every program it started
// itself would inherit; the window needs both (links to the browser, the support mail, pkexec
// for keyboard access). The launcher opens its one target and nothing else, whatever it is
// asked.
struct LaunchTarget {
    QString host; // the settings window's program
    QString pane; // the pane bundle, its one argument
};

namespace Launcher {

// The command that opens the target. Inside a service of the user's service manager the
// window must live outside that service, whose sandbox it would share and whose stop would end
// it: the manager starts it as a service of its own.
QStringList command(const LaunchTarget& target, bool insideService);

// Whether a request names the target's pane bundle: the same folder, however spelt.
bool namesPane(const QByteArray& request, const LaunchTarget& target);

// Serves the requests that come on `socket` (a sequenced-packet socket, one pane path a
// request) until its other end closes; returns the exit status.
int serve(int socket, const LaunchTarget& target);

} // namespace Launcher
