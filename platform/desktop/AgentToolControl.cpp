#include "platform/desktop/AgentToolControl.h"

#include <QProcess>

void AgentToolControl::load(const QString& agentFile) {
    run(QStringLiteral("load"), agentFile);
}

void AgentToolControl::unload(const QString& agentFile) {
    run(QStringLiteral("unload"), agentFile);
}

void AgentToolControl::run(const QString& verb, const QString& agentFile) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.start(tool_, {verb, agentFile});
    // Bounded, so that a stuck tool cannot hang the window for good.
    if (tool.waitForStarted())
        tool.waitForFinished(15000);
}
