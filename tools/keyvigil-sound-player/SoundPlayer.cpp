#include "tools/keyvigil-sound-player/SoundPlayer.h"

using SoundPlayerProtocol::Command;

// The helper ends the player when it has been quiet long enough: the output stays open until then.
SoundPlayer::SoundPlayer(Hooks hooks)
    : say_(std::move(hooks.say)), output_({.channelEnded = std::move(hooks.channelEnded),
                                           .opened = {},
                                           .warn = std::move(hooks.warn)}) {}

SoundPlayer::~SoundPlayer() {
    // The sounds free their chunks before the output closes.
    entries_.clear();
}

void SoundPlayer::apply(const Command& command) {
    if (command.kind == Command::Kind::Sound) {
        Entry& entry = entries_[command.sound];
        if (!entry.sound && !entry.undecodable)
            entry.paths = command.paths;
        return;
    }
    const auto found = entries_.find(command.sound);
    if (found == entries_.end())
        return;
    Entry& entry = found->second;
    switch (command.kind) {
    case Command::Kind::Volume:
        entry.volume = command.volume;
        if (entry.sound)
            entry.sound->setVolume(entry.volume);
        break;
    case Command::Kind::Loops:
        entry.loops = command.loops;
        if (entry.sound)
            entry.sound->setLoops(entry.loops);
        break;
    case Command::Kind::Play:
        play(command.sound, entry, command.play);
        break;
    case Command::Kind::Stop:
        entry.play = 0;
        if (entry.sound)
            entry.sound->stop();
        break;
    case Command::Kind::Sound:
        break;
    }
}

void SoundPlayer::play(int id, Entry& entry, std::uint64_t play) {
    if (entry.sound && entry.sound->isPlaying()) {
        entry.play = play;
        return;
    }
    if (decode(entry) && entry.sound->play()) {
        entry.play = play;
        return;
    }
    // No output, or nothing that decodes: the play is over at once.
    entry.play = 0;
    say_(SoundPlayerProtocol::encodeEnded({id, play}));
}

// The first file that decodes. Nothing can be decoded without an output, and the files are tried
// again at the next play.
bool SoundPlayer::decode(Entry& entry) {
    if (entry.sound)
        return true;
    if (entry.undecodable || !output_.open())
        return false;
    for (const std::string& path : entry.paths) {
        if (Mix_Chunk* chunk = output_.load(path)) {
            entry.sound = std::make_unique<SdlSound>(output_, path, chunk);
            entry.sound->setVolume(entry.volume);
            entry.sound->setLoops(entry.loops);
            return true;
        }
    }
    entry.undecodable = true;
    return false;
}

void SoundPlayer::channelsChanged() {
    for (auto& [id, entry] : entries_) {
        if (!entry.sound)
            continue;
        // A sound asked to loop while it played once starts over first.
        entry.sound->channelsChanged();
        if (entry.play != 0 && !entry.sound->isPlaying()) {
            say_(SoundPlayerProtocol::encodeEnded({id, entry.play}));
            entry.play = 0;
        }
    }
}
