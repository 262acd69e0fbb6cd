#include "platform/desktop/DesktopWorkspace.h"

#include "shared/ApplicationBundle.h"
#include "shared/BundleLayout.h"
#include "shared/ProgramLog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSocketNotifier>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// A failure within this time is the opener's; later, the mail program ending badly is not.
constexpr std::chrono::seconds kOpenerGrace(10);

// The desktop file of the program set to open links of `scheme`; empty for none.
std::optional<QString> handlerForScheme(const QString& scheme, QString* reason) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit) {
        *reason = QCoreApplication::translate(
                      "DesktopWorkspace", "xdg-mime, which finds the program for %1 links, could "
                                          "not be run (%2)")
                      .arg(scheme, query.errorString());
        return std::nullopt;
    }
    const QString handler = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (handler.isEmpty()) {
        *reason =
            QCoreApplication::translate("DesktopWorkspace", "no program is set to open %1 links")
                .arg(scheme);
        return std::nullopt;
    }
    return handler;
}

// Starts xdg-open on `url` with its output thrown away; its PID, or -1 with errno set.
pid_t spawnOpener(const QByteArray& url) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_WRONLY, 0);
    char program[] = "xdg-open";
    QByteArray argument = url;
    char* argv[] = {program, argument.data(), nullptr};
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        errno = error;
        return -1;
    }
    return pid;
}

} // namespace

// An xdg-open that was started, watched through a pidfd until it ends.
struct DesktopWorkspace::Opener {
    pid_t pid = -1;
    int pidfd = -1;
    QSocketNotifier* notifier = nullptr;
    QElapsedTimer started;
    OpenFailed failed;
};

DesktopWorkspace::DesktopWorkspace() = default;

DesktopWorkspace::~DesktopWorkspace() {
    // An opener still running may be the mail program itself: it is left to run.
    for (const auto& opener : openers_) {
        delete opener->notifier;
        close(opener->pidfd);
    }
}

bool DesktopWorkspace::launchTask(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopWorkspace::launchApplication(const QString& applicationPath) {
    const auto bundle = ApplicationBundle::bundleWithPath(applicationPath);
    const auto executable =
        bundle ? bundle->objectForInfoDictionaryKey(u"CFBundleExecutable") : std::nullopt;
    if (!executable || executable->isEmpty() || executable->contains(u'/'))
        return false;
    return launchTask(BundleLayout::executable(applicationPath, *executable), {});
}

void DesktopWorkspace::openURL(const QString& url, OpenFailed failed) {
    // The text is already escaped: it is taken as it stands, and refused if it is no URL.
    const QUrl parsed = QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty()) {
        failed(QCoreApplication::translate("DesktopWorkspace", "the link is not a valid URL"));
        return;
    }
    // Without a program set for the scheme, xdg-open would try web browsers in turn.
    QString reason;
    if (!handlerForScheme(parsed.scheme(), &reason)) {
        failed(reason);
        return;
    }
    auto opener = std::make_unique<Opener>();
    opener->pid = spawnOpener(url.toUtf8());
    if (opener->pid < 0) {
        failed(QCoreApplication::translate("DesktopWorkspace", "xdg-open could not be started (%1)")
                   .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return;
    }
    opener->pidfd = int(syscall(SYS_pidfd_open, opener->pid, 0));
    if (opener->pidfd < 0) {
        // Nothing to watch it by: it is taken to have worked.
        qCWarning(programLog, "cannot watch xdg-open (process %d): %s", int(opener->pid),
                  std::strerror(errno));
        return;
    }
    opener->failed = std::move(failed);
    opener->started.start();
    opener->notifier = new QSocketNotifier(opener->pidfd, QSocketNotifier::Read);
    Opener& watched = *opener;
    QObject::connect(opener->notifier, &QSocketNotifier::activated, opener->notifier,
                     [this, &watched] { finished(watched); });
    openers_.push_back(std::move(opener));
}

void DesktopWorkspace::finished(Opener& opener) {
    int status = 0;
    if (waitpid(opener.pid, &status, WNOHANG) == 0)
        return; // not ended yet
    const bool soon = opener.started.elapsed() < std::chrono::milliseconds(kOpenerGrace).count();
    OpenFailed failed = std::move(opener.failed);
    opener.notifier->setEnabled(false);
    opener.notifier->deleteLater();
    close(opener.pidfd);
    std::erase_if(openers_, [&](const auto& entry) { return entry.get() == &opener; });
    if (!soon)
        return;
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        failed(QCoreApplication::translate("DesktopWorkspace", "xdg-open ended with status %1")
                   .arg(WEXITSTATUS(status)));
    else if (WIFSIGNALED(status))
        failed(QCoreApplication::translate("DesktopWorkspace", "xdg-open ended by signal %1")
                   .arg(WTERMSIG(status)));
}
