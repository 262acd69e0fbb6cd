#include "platform/desktop/SdlSound.h"

#include "platform/desktop/SdlMixerDevice.h"
#include "platform/desktop/SdlMixerLibrary.h"

#include <algorithm>
#include <cmath>

SdlSound::SdlSound(SdlMixerDevice& device, QString path, Mix_Chunk* chunk)
    : device_(device), path_(std::move(path)), chunk_(chunk) {
    applyVolume();
}

SdlSound::~SdlSound() {
    // A chunk exists only once the device has loaded the library.
    if (chunk_)
        device_.library()->FreeChunk(chunk_);
}

void SdlSound::setVolume(float volume) {
    volume_ = std::clamp(std::isnan(volume) ? 0.0f : volume, 0.0f, 1.0f);
    applyVolume();
}

// The chunk's own volume scales whichever channel plays it, at once, also mid-play.
void SdlSound::applyVolume() {
    if (chunk_)
        device_.library()->VolumeChunk(chunk_,
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
            device_.expire(channel_, 0);
        } else {
            const int pass = passMilliseconds();
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now() - started_)
                                     .count();
            device_.expire(channel_, pass > 0 ? pass - static_cast<int>(elapsed % pass) : 1);
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
    if (undecodable_ || !device_.open())
        return false;
    if (!chunk_) {
        chunk_ = device_.load(path_);
        undecodable_ = chunk_ == nullptr;
        if (!chunk_)
            return false;
        applyVolume();
    }
    channel_ = device_.play(chunk_, loops_, this);
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
    device_.halt(channel_);
    channel_ = -1;
    return true;
}

bool SdlSound::isPlaying() const {
    return device_.isPlaying(channel_, this);
}

void SdlSound::channelsChanged() {
    if (restartLooping_ && !isPlaying())
        start();
}

int SdlSound::passMilliseconds() const {
    if (!chunk_)
        return 0;
    constexpr int bytesPerSecond = SdlMixerDevice::kFrequency * SdlMixerDevice::kBytesPerFrame;
    return static_cast<int>(std::int64_t(chunk_->alen) * 1000 / bytesPerSecond);
}
