#include "platform/desktop/SoundPlayerProtocol.h"

#include <array>
#include <charconv>
#include <cmath>

namespace SoundPlayerProtocol {

namespace {

using Kind = Command::Kind;

constexpr std::array<std::pair<Kind, std::string_view>, 5> kWords{{
    {Kind::Sound, "sound"},
    {Kind::Volume, "volume"},
    {Kind::Loops, "loops"},
    {Kind::Play, "play"},
    {Kind::Stop, "stop"},
}};

bool keptAsIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

// Paths go percent-encoded, so that spaces and line breaks in them cannot split a line.
std::string encodePath(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : path) {
        if (keptAsIs(c)) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return encoded;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A '%' not followed by two hex digits stands for itself.
std::string decodePath(std::string_view word) {
    std::string decoded;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int high = i + 2 < word.size() && word[i] == '%' ? hexValue(word[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(word[i + 2]) : -1;
        if (low >= 0) {
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            decoded += word[i];
        }
    }
    return decoded;
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t space; (space = line.find(' ', start)) != std::string_view::npos;
         start = space + 1)
        words.push_back(line.substr(start, space - start));
    words.push_back(line.substr(start));
    return words;
}

// The whole word as a number; from_chars knows no locale, unlike the C library's conversions.
template <typename Number> bool toNumber(std::string_view word, Number& number) {
    if (word.empty() || word[0] == '+')
        return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    return error == std::errc() && end == word.data() + word.size();
}

template <typename Number> std::string toText(Number number) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), number);
    return std::string(text.data(), result.ptr);
}

Command make(Kind kind, int sound) {
    Command command;
    command.kind = kind;
    command.sound = sound;
    return command;
}

} // namespace

Command soundCommand(int sound, std::vector<std::string> paths) {
    Command command = make(Kind::Sound, sound);
    command.paths = std::move(paths);
    return command;
}

Command volumeCommand(int sound, float volume) {
    Command command = make(Kind::Volume, sound);
    command.volume = volume;
    return command;
}

Command loopsCommand(int sound, bool loops) {
    Command command = make(Kind::Loops, sound);
    command.loops = loops;
    return command;
}

Command playCommand(int sound, std::uint64_t play) {
    Command command = make(Kind::Play, sound);
    command.play = play;
    return command;
}

Command stopCommand(int sound) {
    return make(Kind::Stop, sound);
}

std::string encode(const Command& command) {
    std::string line;
    for (const auto& [kind, word] : kWords) {
        if (kind == command.kind)
            line = word;
    }
    line += ' ' + toText(command.sound);
    switch (command.kind) {
    case Kind::Sound:
        for (const std::string& path : command.paths)
            line += ' ' + encodePath(path);
        break;
    case Kind::Volume:
        line += ' ' + toText(command.volume);
        break;
    case Kind::Loops:
        line += command.loops ? " 1" : " 0";
        break;
    case Kind::Play:
        line += ' ' + toText(command.play);
        break;
    case Kind::Stop:
        break;
    }
    return line + '\n';
}

std::optional<Command> parseCommand(std::string_view line) {
    const std::vector<std::string_view> words = split(line);
    if (words.size() < 2)
        return std::nullopt;
    Command command;
    bool known = false;
    for (const auto& [kind, word] : kWords) {
        if (words[0] == word) {
            command.kind = kind;
            known = true;
        }
    }
    if (!known || !toNumber(words[1], command.sound))
        return std::nullopt;
    const std::size_t arguments = words.size() - 2;
    bool ok = false;
    switch (command.kind) {
    case Kind::Sound:
        for (std::size_t i = 2; i < words.size(); ++i)
            command.paths.push_back(decodePath(words[i]));
        ok = arguments > 0;
        break;
    case Kind::Volume:
        ok = arguments == 1 && toNumber(words[2], command.volume) && std::isfinite(command.volume);
        break;
    case Kind::Loops:
        command.loops = arguments == 1 && words[2] == "1";
        ok = arguments == 1 && (command.loops || words[2] == "0");
        break;
    case Kind::Play:
        ok = arguments == 1 && toNumber(words[2], command.play);
        break;
    case Kind::Stop:
        ok = arguments == 0;
        break;
    }
    return ok ? std::optional(command) : std::nullopt;
}

std::string encodeEnded(Ended ended) {
    return "ended " + toText(ended.sound) + ' ' + toText(ended.play) + '\n';
}

std::optional<Ended> parseEnded(std::string_view line) {
    const std::vector<std::string_view> words = split(line);
    Ended ended;
    if (words.size() != 3 || words[0] != "ended" || !toNumber(words[1], ended.sound) ||
        !toNumber(words[2], ended.play))
        return std::nullopt;
    return ended;
}

} // namespace SoundPlayerProtocol
