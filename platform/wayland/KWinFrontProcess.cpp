#include "platform/wayland/KWinFrontProcess.h"

#include "platform/desktop/ProcessName.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFile>

#include <unistd.h>

namespace {

const QString kObjectPath = QStringLiteral("/org/keyvigil/FrontWindow");
const QString kKWin = QStringLiteral("org.kde.KWin");

QDBusMessage scripting(const QString& method) {
    return QDBusMessage::createMethodCall(kKWin, QStringLiteral("/Scripting"),
                                          QStringLiteral("org.kde.kwin.Scripting"), method);
}

} // namespace

QString KWinFrontProcess::script(const QString& service) {
    // Plasma 6 names windows what Plasma 5 named clients.
    return QStringLiteral(R"(function report(window) {
    callDBus("%1", "%2", "org.keyvigil.FrontWindow", "Active", window ? window.pid : 0);
}
if (workspace.windowActivated) {
    workspace.windowActivated.connect(report);
    report(workspace.activeWindow);
} else {
    workspace.clientActivated.connect(report);
    report(workspace.activeClient);
}
)")
        .arg(service, kObjectPath);
}

KWinFrontProcess::KWinFrontProcess() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!bus.isConnected() || runtime.isEmpty() ||
        !bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return;
    const QString name = QStringLiteral("keyvigil-front-%1").arg(getpid());
    QFile file(runtime + u'/' + name + QStringLiteral(".js"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(script(bus.baseService()).toUtf8()) < 0)
        return;
    file.close();
    scriptPath_ = file.fileName();

    QDBusMessage load = scripting(QStringLiteral("loadScript"));
    load << scriptPath_ << name;
    const QDBusReply<int> loaded = bus.call(load, QDBus::Block, 2000);
    if (!loaded.isValid() || loaded.value() < 0)
        return;
    pluginName_ = name;
    bus.call(scripting(QStringLiteral("start")), QDBus::NoBlock);
}

KWinFrontProcess::~KWinFrontProcess() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!pluginName_.isEmpty()) {
        QDBusMessage unload = scripting(QStringLiteral("unloadScript"));
        unload << pluginName_;
        bus.call(unload, QDBus::NoBlock);
    }
    if (!scriptPath_.isEmpty())
        QFile::remove(scriptPath_);
    bus.unregisterObject(kObjectPath);
}

void KWinFrontProcess::Active(int pid) {
    // Anyone on the bus can call: only the compositor's word counts.
    if (calledFromDBus() &&
        message().service() != connection().interface()->serviceOwner(kKWin).value())
        return;
    const QString name = pid > 0 ? executableNameOfProcess(pid_t(pid)) : QString();
    frontName_ = name.isEmpty() ? std::nullopt : std::optional(name);
}
