#pragma once

#include "platform/SoundService.h"
#include "platform/desktop/SoundPlayerProcess.h"

#include <QStringList>
#include <QTimer>

#include <chrono>
#include <memory>
#include <unordered_map>

class AlertSound;

// Named sounds played by the sound player program, so that the sound library, its decoders and
// the sound server's client never load into this process. The player starts at the first sound
// and is ended after a quiet spell; one that dies is started again at the next command, and a
// sound that was looping starts over in the new one, unless the player keeps dying at its start.
// Lookups are remembered, misses included.
class PlayerSoundService final : public SoundService {
public:
    struct Options {
        // The player program.
        QString player;
        // Searched in order for "<name>.<extension>", see SoundFiles.
        QStringList folders;
        // How long the player runs on after the last sound ended.
        std::chrono::milliseconds idleClose{3000};
        // The display server's system alert; when null, the sound named "bell" plays instead.
        AlertSound* alert = nullptr;
    };

    explicit PlayerSoundService(Options options);
    ~PlayerSoundService() override;
    PlayerSoundService(const PlayerSoundService&) = delete;
    PlayerSoundService& operator=(const PlayerSoundService&) = delete;

    Sound* soundNamed(const QString& name) override;
    void beep() override;

    bool isPlayerRunning() const { return player_.isRunning(); }

private:
    class PlayerSound;

    bool send(PlayerSound& sound, SoundPlayerProtocol::Command command);
    void playingChanged();
    void ended(SoundPlayerProtocol::Ended ended);
    void playerExited(bool asked);

    Options options_;
    SoundPlayerProcess player_;
    QTimer idleTimer_;
    std::unordered_map<QString, std::unique_ptr<PlayerSound>> sounds_;
    int nextId_ = 1;
    // Players in a row that died soon after their start.
    int quickEnds_ = 0;
    bool giveUpReported_ = false;
};
