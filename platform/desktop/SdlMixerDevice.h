#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <atomic>
#include <chrono>
#include <functional>

struct Mix_Chunk;
struct SdlMixerLibrary;

// The process's one SDL2_mixer output. It opens lazily (the library too, at the first open) and
// closes after a quiet spell, so that an idle program keeps no audio stream (and no audio
// thread) running. The output format is fixed, so
// decoded chunks stay valid across a close and a reopen.
class SdlMixerDevice {
public:
    static constexpr int kChannels = 16;
    static constexpr int kFrequency = 44100;
    static constexpr int kOutputChannels = 2;
    static constexpr int kBytesPerFrame = 2 * kOutputChannels;

    explicit SdlMixerDevice(std::chrono::milliseconds idleClose);
    ~SdlMixerDevice();
    SdlMixerDevice(const SdlMixerDevice&) = delete;
    SdlMixerDevice& operator=(const SdlMixerDevice&) = delete;

    // Opens the output if it is closed; false when no audio device can be opened.
    bool open();
    bool isOpen() const { return open_; }
    // The mixer's functions; null until the first open has loaded them.
    const SdlMixerLibrary* library() const { return mix_; }

    // Decodes a sound file into the output format; needs the output open. Null on failure.
    Mix_Chunk* load(const QString& path);

    // Starts a chunk on a free channel for `owner`; the channel, or -1.
    int play(Mix_Chunk* chunk, bool loop, const void* owner);
    bool isPlaying(int channel, const void* owner) const;
    void halt(int channel);
    // Ends a looping channel after `ms` milliseconds; 0 lets it loop on again.
    void expire(int channel, int ms);

    // Called on the main thread after any channel has finished.
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

private:
    void reportOpenFailure(const QString& reason);
    static void channelDone(int channel);
    void channelsChanged();
    bool anyBusy() const;
    void close();

    static std::atomic<SdlMixerDevice*> current_;

    QObject context_;
    QTimer idleTimer_;
    const SdlMixerLibrary* mix_ = nullptr;
    bool open_ = false;
    bool openFailureReported_ = false;
    // Written by the audio thread when a channel ends, read on the main thread.
    std::array<std::atomic<bool>, kChannels> busy_{};
    std::array<const void*, kChannels> owner_{};
    std::function<void()> finished_;
};
