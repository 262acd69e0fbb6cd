#pragma once

#include "platform/SoundService.h"

#include <QString>

#include <chrono>

class SdlMixerDevice;
struct Mix_Chunk;

// One sound file, decoded on first need and kept. Plays on at most one channel at a time.
class SdlSound final : public Sound {
public:
    // `chunk` may be null: the file is then decoded when it is first played.
    SdlSound(SdlMixerDevice& device, QString path, Mix_Chunk* chunk);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void setVolume(float volume) override;
    void setLoops(bool loops) override;
    bool play() override;
    bool stop() override;
    bool isPlaying() const override;

    const QString& path() const { return path_; }
    // Called after a channel has finished: a sound asked to loop while it played once starts over.
    void channelsChanged();

private:
    bool start();
    void applyVolume();
    int passMilliseconds() const;

    SdlMixerDevice& device_;
    QString path_;
    Mix_Chunk* chunk_;
    float volume_ = 1.0f;
    bool loops_ = false;
    int channel_ = -1;
    bool playingLooped_ = false;
    bool restartLooping_ = false;
    bool undecodable_ = false;
    std::chrono::steady_clock::time_point started_;
};
