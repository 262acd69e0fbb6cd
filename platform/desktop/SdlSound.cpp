#include "platform/desktop/SdlSound.h"

#include "platform/desktop/SdlMixerLibrary.h"
#include "platform/desktop/SdlMixerOutput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

SdlSound::SdlSound(SdlMixerOutput& output, std::string path, Mix_Chunk* chunk)
    : output_(output), path_(std::move(path)), chunk_(chunk) {
    applyVolume();
}

SdlSound::~SdlSound() {
    // A chunk exists only once the output has loaded the library.
    if (chunk_)
        output_.library()->FreeChunk(chunk_);
}

void SdlSound::setVolume(float volume) {
    volume_ = std::clamp(std::isnan(volume) ? 0.0f : volume, 0.0f, 1.0f);
    applyVolume();
}

// The chunk's own volume scales whichever channel plays it, at once, also mid-play.
void SdlSound::applyVolume() {
    if (chunk_)
        output_.library()->VolumeChunk(chunk_,
                                       static_cast<int>(std::lround(volume_ * MIX_MAX_VOLUME)));
}

void SdlSound::setLoops(bool loops) {
    if (loops == loops_)
        return;
    loops_ = loops;
    if (!isPlaying())
        return;
    if (playingLooped_) {
        // Looping off lets the pass under way finish; on again cancels that end.
        if (loops) {
            output_.expire(channel_, 0);
        } else {
            const int pass = passMilliseconds();
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now() - started_)
                                     .count();
            output_.expire(channel_, pass > 0 ? pass - static_cast<int>(elapsed % pass) : 1);
        }
    } else {
        restartLooping_ = loops;
    }
}

bool SdlSound::play() {
    if (isPlaying())
        return false;
    return start();
}

bool SdlSound::start() {
    restartLooping_ = false;
    if (undecodable_ || !output_.open())
        return false;
    if (!chunk_) {
        chunk_ = output_.load(path_);
        undecodable_ = chunk_ == nullptr;
        if (!chunk_)
            return false;
        applyVolume();
    }
    channel_ = output_.play(chunk_, loops_, this);
    if (channel_ < 0)
        return false;
    playingLooped_ = loops_;
    started_ = std::chrono::steady_clock::now();
    return true;
}

bool SdlSound::stop() {
    restartLooping_ = false;
    if (!isPlaying())
        return false;
    output_.halt(channel_);
    channel_ = -1;
    return true;
}

bool SdlSound::isPlaying() const {
    return output_.isPlaying(channel_, this);
}

void SdlSound::channelsChanged() {
    if (restartLooping_ && !isPlaying())
        start();
}

int SdlSound::passMilliseconds() const {
    if (!chunk_)
        return 0;
    constexpr int bytesPerSecond = SdlMixerOutput::kFrequency * SdlMixerOutput::kBytesPerFrame;
    return static_cast<int>(std::int64_t(chunk_->alen) * 1000 / bytesPerSecond);
}
