#pragma once

#include "platform/Sound.h"

#include <chrono>
#include <string>

class SdlMixerOutput;
struct Mix_Chunk;

// One sound file, decoded on first need and kept. Plays on at most one channel at a time.
class SdlSound final : public Sound {
public:
    // `path` as the file system spells it. `chunk` may be null: the file is then decoded when
    // it is first played.
    SdlSound(SdlMixerOutput& output, std::string path, Mix_Chunk* chunk);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void setVolume(float volume) override;
    void setLoops(bool loops) override;
    bool play() override;
    bool stop() override;
    bool isPlaying() const override;

    const std::string& path() const { return path_; }
    // Called after a channel has finished: a sound asked to loop while it played once starts over.
    void channelsChanged();

private:
    bool start();
    void applyVolume();
    int passMilliseconds() const;

    SdlMixerOutput& output_;
    std::string path_;
    Mix_Chunk* chunk_;
    float volume_ = 1.0f;
    bool loops_ = false;
    int channel_ = -1;
    bool playingLooped_ = false;
    bool restartLooping_ = false;
    bool undecodable_ = false;
    std::chrono::steady_clock::time_point started_;
};
