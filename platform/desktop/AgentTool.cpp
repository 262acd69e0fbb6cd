#include "platform/desktop/AgentTool.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

namespace {

constexpr int kToolTimeoutMilliseconds = 30000;
// The status the tool's `status` gives when the helper does not run.
constexpr int kNotRunning = 3;
// A helper that ends at start-up does so within a fraction of a second, and both the user unit
// and the supervisor wait a second at least before starting it again: a helper seen running
// throughout this long has started.
constexpr int kWatchMilliseconds = 1000;
constexpr int kWatchIntervalMilliseconds = 100;

QString firstLine(const QByteArray& text) {
    return QString::fromLocal8Bit(text).trimmed().section(u'\n', 0, 0);
}

} // namespace

AgentTool::Run AgentTool::run(const QString& verb, const QString& agentFile) const {
    QProcess tool;
    tool.start(tool_, {verb, agentFile});
    Run result;
    if (!tool.waitForStarted()) {
        result.problem = QStringLiteral("cannot run %1: %2").arg(tool_, tool.errorString());
        return result;
    }
    // Bounded, so that a stuck tool cannot hang the window for good.
    if (!tool.waitForFinished(kToolTimeoutMilliseconds)) {
        tool.kill();
        tool.waitForFinished();
        result.problem = QStringLiteral("%1 %2 did not finish within %3 s")
                             .arg(tool_, verb)
                             .arg(kToolTimeoutMilliseconds / 1000);
        return result;
    }
    result.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    result.output = firstLine(tool.readAllStandardOutput());
    const bool answered = result.status == 0 || (verb == u"status" && result.status == kNotRunning);
    if (!answered) {
        // The tool says what went wrong in one line, after its category's name.
        QString said = QString::fromLocal8Bit(tool.readAllStandardError()).trimmed();
        said = said.section(u'\n', -1).section(QStringLiteral(": "), 1);
        result.problem = !said.isEmpty()     ? said
                         : result.status < 0 ? QStringLiteral("%1 %2 crashed").arg(tool_, verb)
                                             : QStringLiteral("%1 %2 ended with exit status %3")
                                                   .arg(tool_, verb)
                                                   .arg(result.status);
    }
    return result;
}

std::optional<QString> AgentTool::step(const QString& verb, const QString& agentFile) const {
    const Run result = run(verb, agentFile);
    return result.problem.isEmpty() ? std::nullopt : std::optional(result.problem);
}

std::optional<QString> AgentTool::load(const QString& agentFile) {
    return step(QStringLiteral("load"), agentFile);
}

std::optional<QString> AgentTool::stop(const QString& agentFile) {
    return step(QStringLiteral("stop"), agentFile);
}

std::optional<QString> AgentTool::unload(const QString& agentFile) {
    return step(QStringLiteral("unload"), agentFile);
}

std::optional<QString> AgentTool::whyNotRunning(const QString& agentFile) {
    // Not yet running is starting up; not running once it has been seen is ended.
    QElapsedTimer watch;
    watch.start();
    bool seenRunning = false;
    while (true) {
        const Run state = run(QStringLiteral("status"), agentFile);
        if (!state.problem.isEmpty())
            return state.problem;
        const bool running = state.status == 0;
        if (!running && (seenRunning || watch.elapsed() >= kWatchMilliseconds))
            return state.output;
        seenRunning = seenRunning || running;
        if (watch.elapsed() >= kWatchMilliseconds)
            return std::nullopt;
        QThread::msleep(kWatchIntervalMilliseconds);
    }
}
