#include "tools/keyvigil-agent/SystemdUnit.h"

#include <algorithm>

namespace SystemdUnit {

namespace {

// The helper reads the keyboard: it gets no network, writes only the runtime folder (the KWin
// script for the front application), gains nothing and keeps no core dump. A user manager sets
// up the namespaces behind the Protect*, PrivateTmp and path settings only inside a user
// namespace of its own, hence PrivateUsers. It cannot attach IPAddressDeny's firewall, which
// holds only where a system manager runs the unit; RestrictAddressFamilies and the helper's own
// filter keep IP out everywhere. The X11 sockets stay reachable through the private /tmp.
const QLatin1StringView kSandbox{"NoNewPrivileges=yes\n"
                                 "PrivateUsers=yes\n"
                                 "ProtectSystem=strict\n"
                                 "ProtectHome=read-only\n"
                                 "ReadWritePaths=%t\n"
                                 "PrivateTmp=yes\n"
                                 "PrivateMounts=yes\n"
                                 "BindReadOnlyPaths=-/tmp/.X11-unix\n"
                                 "ProtectKernelTunables=yes\n"
                                 "ProtectKernelModules=yes\n"
                                 "ProtectKernelLogs=yes\n"
                                 "ProtectControlGroups=yes\n"
                                 "ProtectClock=yes\n"
                                 "ProtectHostname=yes\n"
                                 "RestrictAddressFamilies=AF_UNIX AF_NETLINK\n"
                                 "IPAddressDeny=any\n"
                                 "RestrictNamespaces=yes\n"
                                 "LockPersonality=yes\n"
                                 "RestrictRealtime=yes\n"
                                 "RestrictSUIDSGID=yes\n"
                                 "MemoryDenyWriteExecute=yes\n"
                                 "SystemCallArchitectures=native\n"
                                 "SystemCallFilter=@system-service\n"
                                 "SystemCallFilter=~@privileged @resources\n"
                                 "SystemCallErrorNumber=EPERM\n"
                                 "CapabilityBoundingSet=\n"
                                 "AmbientCapabilities=\n"
                                 "UMask=0077\n"
                                 "LimitCORE=0\n"
                                 "KeyringMode=private\n"};

} // namespace

QString unitName(const AgentFile& agent) {
    return agent.label + QStringLiteral(".service");
}

QString quotedWord(const QString& word) {
    QString quoted = word;
    quoted.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'%', QStringLiteral("%%"))
        .replace(u'$', QStringLiteral("$$"));
    return u'"' + quoted + u'"';
}

// systemd refuses quotes and backslashes in the path of the program it runs, and expands no
// variables there (so a doubled '$' would stay doubled); in arguments it takes both. Such a
// path goes to a shell as its $0.
QString execStart(const QString& program) {
    const bool direct = std::none_of(program.begin(), program.end(), [](QChar c) {
        return c == u'"' || c == u'\'' || c == u'\\' || c == u'$';
    });
    if (direct)
        return quotedWord(program);
    return QStringLiteral("/bin/sh -c ") + quotedWord(QStringLiteral("exec \"$0\"")) + u' ' +
           quotedWord(program);
}

QString unitText(const AgentFile& agent, bool hasGraphicalSession) {
    QString text = QStringLiteral("[Unit]\nDescription=Keyvigil Helper\n");
    if (hasGraphicalSession)
        text += QStringLiteral("PartOf=graphical-session.target\n"
                               "After=graphical-session.target\n");
    // A helper that keeps crashing at start is given up after ten tries a minute rather than
    // restarted every second for good.
    text += QStringLiteral("StartLimitIntervalSec=60\nStartLimitBurst=10\n\n[Service]\n");
    text += QStringLiteral("ExecStart=") + execStart(agent.program) + u'\n';
    text += agent.keepAlive ? QStringLiteral("Restart=always\nRestartSec=1\n")
                            : QStringLiteral("Restart=no\n");
    text += kSandbox;
    text += QStringLiteral("\n[Install]\nWantedBy=");
    text += hasGraphicalSession ? QStringLiteral("graphical-session.target\n")
                                : QStringLiteral("default.target\n");
    return text;
}

} // namespace SystemdUnit
