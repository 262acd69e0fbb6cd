#include "platform/desktop/SoundPlayerProcess.h"

#include "shared/ProgramLog.h"

#include <QFileInfo>
#include <QTimer>

#include <cstdio>

SoundPlayerProcess::SoundPlayerProcess(QString program) : program_(std::move(program)) {}

SoundPlayerProcess::~SoundPlayerProcess() {
    if (process_)
        letGo();
    // Players still closing their output get a moment to end before they are killed.
    for (QProcess* leaving : context_.findChildren<QProcess*>()) {
        leaving->disconnect();
        if (!leaving->waitForFinished(500)) {
            leaving->kill();
            leaving->waitForFinished(500);
        }
    }
}

bool SoundPlayerProcess::start() {
    if (process_ && !finishing_)
        return true;
    // A finishing player no longer reads its input: a new one takes the commands.
    if (process_)
        letGo();
    if (!QFileInfo(program_).isExecutable()) {
        reportFailure(QStringLiteral("%1 is missing").arg(program_));
        return false;
    }
    process_ = std::make_unique<QProcess>();
    QProcess* process = process_.get();
    finishing_ = false;
    errors_.restarted();
    ++generation_;
    QObject::connect(process, &QProcess::readyReadStandardOutput, &context_,
                     [this] { readOutput(); });
    QObject::connect(process, &QProcess::readyReadStandardError, &context_,
                     [this] { forwardErrors(); });
    QObject::connect(process, &QProcess::finished, &context_,
                     [this](int code, QProcess::ExitStatus status) {
                         if (!finishing_)
                             reportUnaskedEnd(code, status);
                         gone(finishing_);
                     });
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
        process_->write(QByteArray::fromStdString(SoundPlayerProtocol::encode(command)));
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
        if (const auto ended = SoundPlayerProtocol::parseEnded(
                std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
            ended && ended_)
            ended_(*ended);
    }
}

void SoundPlayerProcess::forwardErrors() {
    if (process_)
        errors_.forward(process_->readAllStandardError());
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

void SoundPlayerProcess::letGo() {
    QProcess* leaving = process_.release();
    leaving->disconnect(&context_);
    leaving->closeWriteChannel();
    leaving->setParent(&context_);
    QObject::connect(leaving, &QProcess::finished, leaving, &QObject::deleteLater);
}

void SoundPlayerProcess::reportUnaskedEnd(int code, QProcess::ExitStatus status) {
    if (unaskedEndReported_)
        return;
    unaskedEndReported_ = true;
    if (status == QProcess::CrashExit)
        qCWarning(programLog, "the sound player ended unasked (%s)",
                  qUtf8Printable(process_->errorString()));
    else
        qCWarning(programLog, "the sound player ended unasked with exit code %d", code);
}

void SoundPlayerProcess::reportFailure(const QString& reason) {
    if (failureReported_)
        return;
    failureReported_ = true;
    qCWarning(programLog, "the sound player cannot start (%s): warnings go on without sound",
              qUtf8Printable(reason));
}
