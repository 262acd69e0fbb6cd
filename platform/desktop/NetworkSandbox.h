#pragma once

#include <QString>

// Takes the network away from this process and from every program it starts afterwards: from
// then on only Unix and netlink sockets can be made, which is all the session bus, the display
// server, the sound server and udev need. A system-call filter does it, so it holds on every
// kernel and whoever started the process; the process also gives up gaining privileges, which
// installing the filter without privileges requires.
//
// Install it before any thread is started, and after anything that must keep the network (a
// process that starts other programs for the user) has been forked off.
namespace NetworkSandbox {

struct Outcome {
    bool active = false;
    // The one line that says which protection is active, or why none is.
    QString message;
};

Outcome restrictToLocalSockets();

} // namespace NetworkSandbox
