#pragma once

#include "platform/desktop/SdlMixerOutput.h"
#include "platform/desktop/SdlSound.h"
#include "platform/desktop/SoundPlayerProtocol.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The sound player's state: the helper's sounds, decoded at their first play, played on the one
// mixer output. Says when each play is over, through `say`.
class SoundPlayer {
public:
    struct Hooks {
        // Writes one line to the helper.
        std::function<void(const std::string&)> say;
        // Called on the audio thread when a channel ends; channelsChanged() must follow on the
        // program's thread.
        std::function<void()> channelEnded;
        // Says one line on stderr.
        std::function<void(const std::string&)> warn;
    };

    explicit SoundPlayer(Hooks hooks);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void apply(const SoundPlayerProtocol::Command& command);
    // After a channel has ended: says which plays are over, and starts over a sound asked to loop
    // while it played once.
    void channelsChanged();

private:
    struct Entry {
        std::vector<std::string> paths;
        std::unique_ptr<SdlSound> sound;
        bool undecodable = false;
        float volume = 1.0f;
        bool loops = false;
        // The play under way, 0 when none.
        std::uint64_t play = 0;
    };

    void play(int id, Entry& entry, std::uint64_t play);
    bool decode(Entry& entry);

    std::function<void(const std::string&)> say_;
    SdlMixerOutput output_;
    std::map<int, Entry> entries_;
};
