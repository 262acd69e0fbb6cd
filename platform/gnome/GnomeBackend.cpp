#include "platform/gnome/GnomeBackend.h"

#include "platform/desktop/ProcessName.h"
#include "platform/gnome/CompanionVersion.h"
#include "platform/wayland/WaylandCompositor.h"
#include "platform/wayland/WaylandEventMonitor.h"
#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

GnomeBackend::GnomeBackend() {
    connection_.setLostHandler([] {
        qCCritical(programLog, "the Wayland compositor ended the connection");
        QCoreApplication::exit(1);
    });
    monitor_ = std::make_unique<WaylandEventMonitor>(connection_, WaylandCompositor::Gnome, true);
    QStringList lines{QStringLiteral("GNOME Shell session, through Keyvigil's GNOME Shell "
                                     "companion: Caps Lock, Num Lock and the application in "
                                     "front from the Shell, indicators drawn by it")};
    lines << monitor_->report();
    if (!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.kde.StatusNotifierWatcher")))
        lines << QStringLiteral("no status-notifier host yet: on GNOME the status item needs the "
                                "AppIndicator extension (Debian's "
                                "gnome-shell-extension-appindicator), enabled");
    const unsigned version = companion_.hello();
    const QString problem = companionVersionProblem(kCompanionInterfaceVersion, version);
    if (!problem.isEmpty())
        lines << problem;
    for (const QString& line : std::as_const(lines))
        qCInfo(programLog).noquote() << line;

    monitor_->setLocks(companion_.locks());
    frontChanged(companion_.frontPid());
    companion_.setLocksHandler([this](const LockState& state) { monitor_->setLocks(state); });
    companion_.setFrontHandler([this](int pid) { frontChanged(pid); });
    companion_.setPresenceHandler([this](bool present) {
        if (!present) {
            qCWarning(programLog, "the GNOME Shell companion went away: Caps Lock, Num Lock and "
                                  "the application in front are not followed until it is back");
            return;
        }
        qCInfo(programLog, "the GNOME Shell companion is back");
        const QString again =
            companionVersionProblem(kCompanionInterfaceVersion, companion_.hello());
        if (!again.isEmpty())
            qCWarning(programLog).noquote() << again;
        overlays_.showAgain();
    });
}

GnomeBackend::~GnomeBackend() = default;

QString GnomeBackend::sessionProblem() {
    if (const QString problem = WaylandConnection::displayProblem(); !problem.isEmpty())
        return problem;
    if (identifyCompositor(WaylandConnection::offeredInterfaces()) != WaylandCompositor::Gnome)
        return QStringLiteral("the compositor is not GNOME Shell");
    if (!ShellCompanion::answers())
        return QStringLiteral("Keyvigil's GNOME Shell companion (keyvigil@keyvigil.org) does not "
                              "answer on the session bus");
    return {};
}

EventMonitor& GnomeBackend::eventMonitor() {
    return *monitor_;
}

void GnomeBackend::frontChanged(int pid) {
    const QString name = pid > 0 ? executableNameOfProcess(pid_t(pid)) : QString();
    frontName_ = name.isEmpty() ? std::nullopt : std::optional(name);
}
