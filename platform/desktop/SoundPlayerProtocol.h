#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines the helper and its sound player exchange, one a line. The helper sends commands on
// the player's input; the player answers on its output when a play is over. Sounds are numbered
// by the helper; each play of a sound has its own number, so that the end of an earlier play is
// never taken for the end of a later one. Plain C++: the player links no Qt.
namespace SoundPlayerProtocol {

struct Command {
    enum class Kind {
        Sound,  // the files of `sound`, the first that decodes plays
        Volume, // its volume, 0 to 1, also mid-play
        Loops,  // whether it loops, also mid-play
        Play,   // play number `play`
        Stop,   // stop it
    };
    Kind kind = Kind::Play;
    int sound = 0;
    // File names as the file system spells them (bytes, not text).
    std::vector<std::string> paths;
    float volume = 1.0f;
    bool loops = false;
    std::uint64_t play = 0;

    bool operator==(const Command&) const = default;
};

Command soundCommand(int sound, std::vector<std::string> paths);
Command volumeCommand(int sound, float volume);
Command loopsCommand(int sound, bool loops);
Command playCommand(int sound, std::uint64_t play);
Command stopCommand(int sound);

// One line, newline included.
std::string encode(const Command& command);
// The command of a line (without its newline), or nothing when it is not one.
std::optional<Command> parseCommand(std::string_view line);

struct Ended {
    int sound = 0;
    std::uint64_t play = 0;
};
// The player's line saying that a play is over (or never started).
std::string encodeEnded(Ended ended);
std::optional<Ended> parseEnded(std::string_view line);

} // namespace SoundPlayerProtocol
