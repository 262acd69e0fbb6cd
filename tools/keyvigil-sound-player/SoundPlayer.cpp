#include "tools/keyvigil-sound-player/SoundPlayer.h"

using SoundPlayerProtocol::Command;

namespace {
// The helper ends the player when it has been quiet long enough; the output stays open until then.
constexpr std::chrono::hours kNoIdleClose{24};
} // namespace

SoundPlayer::SoundPlayer(std::function<void(const QByteArray&)> say)
    : say_(std::move(say)), device_(kNoIdleClose) {
    device_.setFinishedHandler([this] { channelsChanged(); });
}

SoundPlayer::~SoundPlayer() {
    device_.setFinishedHandler({});
    // The sounds free their chunks before the device closes.
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

void SoundPlayer::play(int id, Entry& entry, quint64 play) {
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
    if (entry.undecodable || !device_.open())
        return false;
    for (const QString& path : std::as_const(entry.paths)) {
        if (Mix_Chunk* chunk = device_.load(path)) {
            entry.sound = std::make_unique<SdlSound>(device_, path, chunk);
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
