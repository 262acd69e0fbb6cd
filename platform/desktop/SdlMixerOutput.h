#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <string>

struct Mix_Chunk;
struct SdlMixerLibrary;

// The process's one SDL2_mixer output, without any event loop: it opens on demand (the library
// too, at the first open), plays chunks on numbered channels and says on the audio thread when
// one ends. Plain C++, so that the sound player program links no Qt. The output format is fixed,
// so decoded chunks stay valid across a close and a reopen.
class SdlMixerOutput {
public:
    static constexpr int kChannels = 16;
    static constexpr int kFrequency = 44100;
    static constexpr int kOutputChannels = 2;
    static constexpr int kBytesPerFrame = 2 * kOutputChannels;

    struct Hooks {
        // Called on the audio thread (or inside a halt) with the mixer locked, after a channel
        // has ended: it may only hand the news to the program's own thread.
        std::function<void()> channelEnded;
        // Called after each open.
        std::function<void()> opened;
        // Says one line on the program's log; called once, at the first failed open.
        std::function<void(const std::string&)> warn;
    };

    explicit SdlMixerOutput(Hooks hooks);
    ~SdlMixerOutput();
    SdlMixerOutput(const SdlMixerOutput&) = delete;
    SdlMixerOutput& operator=(const SdlMixerOutput&) = delete;

    // Opens the output if it is closed; false when no audio device can be opened.
    bool open();
    // Stops every channel and closes the output (and its audio thread).
    void close();
    bool isOpen() const { return open_; }
    // The mixer's functions; null until the first open has loaded them.
    const SdlMixerLibrary* library() const { return mix_; }

    // Decodes a sound file (its name as the file system spells it) into the output format;
    // needs the output open. Null on failure.
    Mix_Chunk* load(const std::string& path);

    // Starts a chunk on a free channel for `owner`; the channel, or -1.
    int play(Mix_Chunk* chunk, bool loop, const void* owner);
    bool isPlaying(int channel, const void* owner) const;
    bool anyBusy() const;
    void halt(int channel);
    // Ends a looping channel after `ms` milliseconds; 0 lets it loop on again.
    void expire(int channel, int ms);

private:
    // Opens the device; what went wrong, or nothing.
    std::string start();
    static void channelDone(int channel);

    static std::atomic<SdlMixerOutput*> current_;

    const Hooks hooks_;
    const SdlMixerLibrary* mix_ = nullptr;
    bool open_ = false;
    bool openFailureReported_ = false;
    // Written by the audio thread when a channel ends, read on the program's thread.
    std::array<std::atomic<bool>, kChannels> busy_{};
    std::array<const void*, kChannels> owner_{};
};
