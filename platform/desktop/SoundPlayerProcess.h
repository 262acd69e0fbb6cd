#pragma once

#include "platform/desktop/ChildErrors.h"
#include "platform/desktop/SoundPlayerProtocol.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

// The sound player program, run while sounds play: started on demand, fed commands on its
// input, ended by closing that input. Its lines on stderr reach the helper's stderr once each,
// however often it is started again.
class SoundPlayerProcess {
public:
    explicit SoundPlayerProcess(QString program);
    ~SoundPlayerProcess();
    SoundPlayerProcess(const SoundPlayerProcess&) = delete;
    SoundPlayerProcess& operator=(const SoundPlayerProcess&) = delete;

    // Starts the player unless one runs that still reads its input; false when it cannot be
    // started.
    bool start();
    bool isRunning() const { return process_ != nullptr; }
    // Counts the starts: what a player was told is lost with it.
    int generation() const { return generation_; }
    // How long the running player has run.
    qint64 runningMs() const { return running_.elapsed(); }
    void send(const SoundPlayerProtocol::Command& command);
    // Closes the player's input: it stops every sound and exits.
    void finish();

    void setEndedHandler(std::function<void(SoundPlayerProtocol::Ended)> handler) {
        ended_ = std::move(handler);
    }
    // Called when the player has gone, with whether finish() asked it to.
    void setExitedHandler(std::function<void(bool asked)> handler) { exited_ = std::move(handler); }

private:
    void readOutput();
    void forwardErrors();
    void gone(bool asked);
    // Lets a finishing player end on its own, out of this object's way.
    void letGo();
    // Said once: a player that keeps dying would fill the log.
    void reportUnaskedEnd(int code, QProcess::ExitStatus status);
    void reportFailure(const QString& reason);

    QString program_;
    QObject context_;
    std::unique_ptr<QProcess> process_;
    QElapsedTimer running_;
    int generation_ = 0;
    bool finishing_ = false;
    bool failureReported_ = false;
    bool unaskedEndReported_ = false;
    ChildErrors errors_;
    std::function<void(SoundPlayerProtocol::Ended)> ended_;
    std::function<void(bool)> exited_;
};
