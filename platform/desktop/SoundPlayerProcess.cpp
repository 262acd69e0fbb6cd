#include "platform/desktop/SoundPlayerProcess.h"

#include "shared/ProgramLog.h"

#include <QFileInfo>
#include <QTimer>

#include <cstdio>

SoundPlayerProcess::SoundPlayerProcess(QString program) : program_(std::move(program)) {}

SoundPlayerProcess::~SoundPlayerProcess() {
    if (!process_)
        return;
    process_->disconnect();
    process_->closeWriteChannel();
    if (!process_->waitForFinished(500)) {
        process_->kill();
        process_->waitForFinished(500);
    }
}

bool SoundPlayerProcess::start() {
    if (process_)
        return true;
    if (!QFileInfo(program_).isExecutable()) {
        reportFailure(QStringLiteral("%1 is missing").arg(program_));
        return false;
    }
    process_ = std::make_unique<QProcess>();
    QProcess* process = process_.get();
    finishing_ = false;
    errors_.clear();
    ++generation_;
    QObject::connect(process, &QProcess::readyReadStandardOutput, &context_,
                     [this] { readOutput(); });
    QObject::connect(process, &QProcess::readyReadStandardError, &context_,
                     [this] { forwardErrors(); });
    QObject::connect(process, &QProcess::finished, &context_, [this] { gone(finishing_); });
    QObject::connect(process, &QProcess::errorOccurred, &context_,
                     [this, process](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         reportFailure(process->errorString());
                         gone(false);
                     });
    running_.start();
    process->start(program_, {});
    return process_ != nullptr;
}

void SoundPlayerProcess::send(const SoundPlayerProtocol::Command& command) {
    if (process_)
        process_->write(SoundPlayerProtocol::encode(command));
}

void SoundPlayerProcess::finish() {
    if (!process_ || finishing_)
        return;
    finishing_ = true;
    process_->closeWriteChannel();
}

void SoundPlayerProcess::readOutput() {
    while (process_ && process_->canReadLine()) {
        const QByteArray line = process_->readLine().chopped(1);
        if (const auto ended = SoundPlayerProtocol::parseEnded(line); ended && ended_)
            ended_(*ended);
    }
}

// A player started at each warning after a quiet spell would repeat its start-up complaints.
void SoundPlayerProcess::forwardErrors() {
    if (!process_)
        return;
    errors_ += process_->readAllStandardError();
    qsizetype end;
    while ((end = errors_.indexOf('\n')) >= 0) {
        const QByteArray line = errors_.left(end + 1);
        errors_.remove(0, end + 1);
        if (said_.contains(line))
            continue;
        said_.insert(line);
        std::fputs(line.constData(), stderr);
    }
}

void SoundPlayerProcess::gone(bool asked) {
    if (!process_)
        return;
    // Deleted later: this runs inside the process object's own signal.
    process_->disconnect(&context_);
    process_.release()->deleteLater();
    if (exited_)
        exited_(asked);
}

void SoundPlayerProcess::reportFailure(const QString& reason) {
    if (failureReported_)
        return;
    failureReported_ = true;
    qCWarning(programLog, "the sound player cannot start (%s): warnings go on without sound",
              qUtf8Printable(reason));
}
