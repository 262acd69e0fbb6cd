#include "platform/desktop/SdlMixerOutput.h"

#include "platform/desktop/SdlMixerLibrary.h"

std::atomic<SdlMixerOutput*> SdlMixerOutput::current_{nullptr};

namespace {
// Frames per buffer: about 12 ms at 44.1 kHz, short enough for a prompt warning.
constexpr int kBufferFrames = 512;
} // namespace

SdlMixerOutput::SdlMixerOutput(Hooks hooks) : hooks_(std::move(hooks)) {
    current_.store(this);
}

SdlMixerOutput::~SdlMixerOutput() {
    close();
    current_.store(nullptr);
}

bool SdlMixerOutput::open() {
    if (open_)
        return true;
    std::string problem;
    if (!mix_)
        mix_ = SdlMixerLibrary::get(&problem);
    if (mix_)
        problem = start();
    if (open_) {
        if (hooks_.opened)
            hooks_.opened();
        return true;
    }
    // Said once: the output is tried again at every warning, and may come back.
    if (!openFailureReported_ && hooks_.warn)
        hooks_.warn("no audio output (" + problem + "): warnings go on without sound");
    openFailureReported_ = true;
    return false;
}

std::string SdlMixerOutput::start() {
    if (mix_->InitSubSystem(SDL_INIT_AUDIO) < 0)
        return mix_->GetError();
    // No format changes allowed: SDL converts for the hardware, and chunks keep one layout.
    if (mix_->OpenAudioDevice(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr,
                              0) < 0) {
        std::string problem = mix_->GetError();
        mix_->QuitSubSystem(SDL_INIT_AUDIO);
        return problem;
    }
    // No Mix_Init: the mixer starts a decoder when a file first needs it, and the usual sounds
    // (AIFF, WAV) need none.
    mix_->AllocateChannels(kChannels);
    mix_->ChannelFinished(&SdlMixerOutput::channelDone);
    open_ = true;
    return {};
}

void SdlMixerOutput::close() {
    if (!open_)
        return;
    mix_->CloseAudio();
    mix_->Quit();
    mix_->QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    for (auto& busy : busy_)
        busy.store(false);
}

Mix_Chunk* SdlMixerOutput::load(const std::string& path) {
    if (!open_)
        return nullptr;
    SDL_RWops* file = mix_->RWFromFile(path.c_str(), "rb");
    if (!file)
        return nullptr;
    // Closed here: the mixer leaves a file it does not recognise open even when asked to close it.
    Mix_Chunk* chunk = mix_->LoadWAV_RW(file, 0);
    mix_->RWclose(file);
    return chunk;
}

int SdlMixerOutput::play(Mix_Chunk* chunk, bool loop, const void* owner) {
    if (!open_ || !chunk)
        return -1;
    for (int channel = 0; channel < kChannels; ++channel) {
        if (busy_[channel].load())
            continue;
        // Marked before starting, so that the end of a very short chunk cannot come first.
        busy_[channel].store(true);
        if (mix_->PlayChannelTimed(channel, chunk, loop ? -1 : 0, -1) < 0) {
            busy_[channel].store(false);
            return -1;
        }
        owner_[channel] = owner;
        return channel;
    }
    return -1;
}

bool SdlMixerOutput::isPlaying(int channel, const void* owner) const {
    return channel >= 0 && channel < kChannels && owner_[channel] == owner && busy_[channel].load();
}

bool SdlMixerOutput::anyBusy() const {
    for (const auto& busy : busy_) {
        if (busy.load())
            return true;
    }
    return false;
}

void SdlMixerOutput::halt(int channel) {
    if (open_ && channel >= 0 && channel < kChannels)
        mix_->HaltChannel(channel);
}

void SdlMixerOutput::expire(int channel, int ms) {
    if (open_ && channel >= 0 && channel < kChannels)
        mix_->ExpireChannel(channel, ms);
}

void SdlMixerOutput::channelDone(int channel) {
    SdlMixerOutput* output = current_.load();
    if (!output || channel < 0 || channel >= kChannels)
        return;
    output->busy_[channel].store(false);
    if (output->hooks_.channelEnded)
        output->hooks_.channelEnded();
}
