#include "platform/desktop/SdlMixerDevice.h"

#include "platform/desktop/SdlMixerLibrary.h"
#include "shared/ProgramLog.h"

#include <QFile>

std::atomic<SdlMixerDevice*> SdlMixerDevice::current_{nullptr};

namespace {
// Frames per buffer: about 12 ms at 44.1 kHz, short enough for a prompt warning.
constexpr int kBufferFrames = 512;
} // namespace

SdlMixerDevice::SdlMixerDevice(std::chrono::milliseconds idleClose) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleClose);
    QObject::connect(&idleTimer_, &QTimer::timeout, &context_, [this] {
        if (!anyBusy())
            close();
    });
    current_.store(this);
}

SdlMixerDevice::~SdlMixerDevice() {
    close();
    current_.store(nullptr);
}

bool SdlMixerDevice::open() {
    if (open_)
        return true;
    if (!mix_) {
        QString problem;
        mix_ = SdlMixerLibrary::get(&problem);
        if (!mix_) {
            reportOpenFailure(problem);
            return false;
        }
    }
    if (mix_->InitSubSystem(SDL_INIT_AUDIO) < 0) {
        reportOpenFailure(QString::fromUtf8(mix_->GetError()));
        return false;
    }
    // No format changes allowed: SDL converts for the hardware, and chunks keep one layout.
    if (mix_->OpenAudioDevice(kFrequency, AUDIO_S16SYS, kOutputChannels, kBufferFrames, nullptr,
                              0) < 0) {
        reportOpenFailure(QString::fromUtf8(mix_->GetError()));
        mix_->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // No Mix_Init: the mixer starts a decoder when a file first needs it, and the usual sounds
    // (AIFF, WAV) need none.
    mix_->AllocateChannels(kChannels);
    mix_->ChannelFinished(&SdlMixerDevice::channelDone);
    open_ = true;
    idleTimer_.start();
    return true;
}

void SdlMixerDevice::reportOpenFailure(const QString& reason) {
    // Said once: the output is tried again at every warning, and may come back.
    if (openFailureReported_)
        return;
    openFailureReported_ = true;
    qCWarning(programLog, "no audio output (%s): warnings go on without sound",
              qUtf8Printable(reason));
}

void SdlMixerDevice::close() {
    idleTimer_.stop();
    if (!open_)
        return;
    mix_->CloseAudio();
    mix_->Quit();
    mix_->QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    for (auto& busy : busy_)
        busy.store(false);
}

Mix_Chunk* SdlMixerDevice::load(const QString& path) {
    if (!open_)
        return nullptr;
    SDL_RWops* file = mix_->RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return nullptr;
    // Closed here: the mixer leaves a file it does not recognise open even when asked to close it.
    Mix_Chunk* chunk = mix_->LoadWAV_RW(file, 0);
    mix_->RWclose(file);
    return chunk;
}

int SdlMixerDevice::play(Mix_Chunk* chunk, bool loop, const void* owner) {
    if (!open_ || !chunk)
        return -1;
    for (int channel = 0; channel < kChannels; ++channel) {
        if (busy_[channel].load())
            continue;
        // Marked before starting, so that the end of a very short chunk cannot come first.
        busy_[channel].store(true);
        if (mix_->PlayChannelTimed(channel, chunk, loop ? -1 : 0, -1) < 0) {
            busy_[channel].store(false);
            break;
        }
        owner_[channel] = owner;
        idleTimer_.stop();
        return channel;
    }
    if (!anyBusy())
        idleTimer_.start();
    return -1;
}

bool SdlMixerDevice::isPlaying(int channel, const void* owner) const {
    return channel >= 0 && channel < kChannels && owner_[channel] == owner && busy_[channel].load();
}

void SdlMixerDevice::halt(int channel) {
    if (open_ && channel >= 0 && channel < kChannels)
        mix_->HaltChannel(channel);
}

void SdlMixerDevice::expire(int channel, int ms) {
    if (open_ && channel >= 0 && channel < kChannels)
        mix_->ExpireChannel(channel, ms);
}

// Runs on the audio thread (or inside a halt on the main thread) with the mixer locked: it only
// records the end and hands the rest to the main thread.
void SdlMixerDevice::channelDone(int channel) {
    SdlMixerDevice* device = current_.load();
    if (!device || channel < 0 || channel >= kChannels)
        return;
    device->busy_[channel].store(false);
    QMetaObject::invokeMethod(
        &device->context_, [device] { device->channelsChanged(); }, Qt::QueuedConnection);
}

void SdlMixerDevice::channelsChanged() {
    if (finished_)
        finished_();
    if (open_ && !anyBusy())
        idleTimer_.start();
}

bool SdlMixerDevice::anyBusy() const {
    for (const auto& busy : busy_) {
        if (busy.load())
            return true;
    }
    return false;
}
