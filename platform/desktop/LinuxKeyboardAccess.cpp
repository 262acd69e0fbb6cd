#include "platform/desktop/LinuxKeyboardAccess.h"

#include "tools/keyvigil-keyboard-access/KeyboardAccessFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <systemd/sd-device.h>

#include <cstring>

#include <pwd.h>
#include <unistd.h>

namespace Files = KeyboardAccessFiles;

namespace {

// pkexec's own exit statuses: the dialog was dismissed; no authorisation was obtained.
constexpr int kDismissed = 126;
constexpr int kNotAuthorized = 127;

QString lastLine(const QByteArray& text) {
    return QString::fromLocal8Bit(text).trimmed().section(u'\n', -1).trimmed();
}

} // namespace

LinuxKeyboardAccess::LinuxKeyboardAccess(DesktopSession session, const QString& program,
                                         const QString& systemRoot)
    : session_(session), program_(program), root_(systemRoot) {}

KeyboardAccessMethod LinuxKeyboardAccess::method() const {
    const bool seats = QFileInfo(root_ + QLatin1String(Files::kSystemdRunning)).isDir() &&
                       QFileInfo(root_ + QLatin1String(Files::kSeats)).isDir();
    return seats ? KeyboardAccessMethod::SeatRule : KeyboardAccessMethod::InputGroup;
}

bool LinuxKeyboardAccess::keyboardsReadable() {
    sd_device_enumerator* enumerator = nullptr;
    if (sd_device_enumerator_new(&enumerator) < 0)
        return false;
    bool readable = false;
    if (sd_device_enumerator_add_match_subsystem(enumerator, "input", 1) >= 0 &&
        sd_device_enumerator_add_match_property(enumerator, "ID_INPUT_KEYBOARD", "1") >= 0) {
        for (sd_device* device = sd_device_enumerator_get_device_first(enumerator);
             device && !readable; device = sd_device_enumerator_get_device_next(enumerator)) {
            const char* name = nullptr;
            const char* node = nullptr;
            if (sd_device_get_sysname(device, &name) >= 0 && std::strncmp(name, "event", 5) == 0 &&
                sd_device_get_devname(device, &node) >= 0)
                readable = access(node, R_OK) == 0;
        }
    }
    sd_device_enumerator_unref(enumerator);
    return readable;
}

bool LinuxKeyboardAccess::lockLightsReadable() {
    const QDir leds(QStringLiteral("/sys/class/leds"));
    for (const QString& name : leds.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        if (name.startsWith(QLatin1String("input")) &&
            (name.endsWith(QLatin1String("::capslock")) ||
             name.endsWith(QLatin1String("::numlock"))) &&
            QFileInfo(leds.filePath(name) + QLatin1String("/brightness")).isReadable())
            return true;
    }
    return false;
}

bool LinuxKeyboardAccess::granted() {
    return QFileInfo::exists(root_ + QLatin1String(Files::kRule)) ||
           (method() == KeyboardAccessMethod::InputGroup && listedInInputGroup());
}

bool LinuxKeyboardAccess::listedInInputGroup() const {
    const passwd* user = getpwuid(getuid());
    QFile groups(root_ + QLatin1String(Files::kGroupFile));
    if (!user || !groups.open(QIODevice::ReadOnly))
        return false;
    const QByteArray prefix = QByteArray(Files::kInputGroup) + ':';
    while (!groups.atEnd()) {
        const QByteArray line = groups.readLine().trimmed();
        // input:x:GID:user,user
        if (line.startsWith(prefix))
            return line.split(':').value(3).split(',').contains(QByteArray(user->pw_name));
    }
    return false;
}

std::optional<QString> LinuxKeyboardAccess::grant() {
    return run(QStringLiteral("grant"));
}

std::optional<QString> LinuxKeyboardAccess::revoke() {
    return run(QStringLiteral("revoke"));
}

std::optional<QString> LinuxKeyboardAccess::run(const QString& command) {
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return QCoreApplication::translate("LinuxKeyboardAccess",
                                           "pkexec, which asks for the administrator's password, "
                                           "is not installed (Debian's package pkexec)");
    if (!QFileInfo(program_).isExecutable())
        return QCoreApplication::translate("LinuxKeyboardAccess",
                                           "its program %1 is missing from this installation")
            .arg(program_);
    QProcess process;
    process.start(pkexec, {program_, command});
    if (!process.waitForStarted())
        return QCoreApplication::translate("LinuxKeyboardAccess", "pkexec cannot be run: %1")
            .arg(process.errorString());
    // The password dialog stays as long as the user likes; the program itself is bounded.
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return QCoreApplication::translate("LinuxKeyboardAccess", "pkexec ended unexpectedly");
    const QString said = lastLine(process.readAllStandardError());
    switch (process.exitCode()) {
    case 0:
        return std::nullopt;
    case kDismissed:
        return QCoreApplication::translate("LinuxKeyboardAccess",
                                           "the administrator's password was not given");
    case kNotAuthorized:
        return said.isEmpty()
                   ? QCoreApplication::translate(
                         "LinuxKeyboardAccess",
                         "the password was not accepted, or nobody could be asked for it")
                   : QCoreApplication::translate(
                         "LinuxKeyboardAccess",
                         "the password was not accepted, or nobody could be asked for it (%1)")
                         .arg(said);
    default:
        // The program says what failed in one line, after its name.
        const QString prefix = QLatin1String(Files::kProgramName) + QStringLiteral(": ");
        return said.startsWith(prefix) ? said.mid(prefix.size())
               : said.isEmpty()        ? QCoreApplication::translate("LinuxKeyboardAccess",
                                                                     "%1 ended with exit status %2")
                                      .arg(QLatin1String(Files::kProgramName))
                                      .arg(process.exitCode())
                                : said;
    }
}
