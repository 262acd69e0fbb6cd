#include "platform/desktop/SoundPlayerProtocol.h"

#include <QFile>

#include <array>
#include <cmath>

namespace SoundPlayerProtocol {

namespace {

using Kind = Command::Kind;

constexpr std::array<std::pair<Kind, const char*>, 5> kWords{{
    {Kind::Sound, "sound"},
    {Kind::Volume, "volume"},
    {Kind::Loops, "loops"},
    {Kind::Play, "play"},
    {Kind::Stop, "stop"},
}};

// Paths go percent-encoded, so that spaces and line breaks in them cannot split a line.
QByteArray encodePath(const QString& path) {
    return QFile::encodeName(path).toPercentEncoding("/");
}

Command make(Kind kind, int sound) {
    Command command;
    command.kind = kind;
    command.sound = sound;
    return command;
}

} // namespace

Command soundCommand(int sound, const QStringList& paths) {
    Command command = make(Kind::Sound, sound);
    command.paths = paths;
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

Command playCommand(int sound, quint64 play) {
    Command command = make(Kind::Play, sound);
    command.play = play;
    return command;
}

Command stopCommand(int sound) {
    return make(Kind::Stop, sound);
}

QByteArray encode(const Command& command) {
    QByteArray line;
    for (const auto& [kind, word] : kWords) {
        if (kind == command.kind)
            line = word;
    }
    line += ' ' + QByteArray::number(command.sound);
    switch (command.kind) {
    case Kind::Sound:
        for (const QString& path : command.paths)
            line += ' ' + encodePath(path);
        break;
    case Kind::Volume:
        line += ' ' + QByteArray::number(command.volume, 'g', 6);
        break;
    case Kind::Loops:
        line += command.loops ? " 1" : " 0";
        break;
    case Kind::Play:
        line += ' ' + QByteArray::number(command.play);
        break;
    case Kind::Stop:
        break;
    }
    return line + '\n';
}

std::optional<Command> parseCommand(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
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
    bool ok = false;
    command.sound = words[1].toInt(&ok);
    if (!known || !ok)
        return std::nullopt;
    const qsizetype arguments = words.size() - 2;
    switch (command.kind) {
    case Kind::Sound:
        for (qsizetype i = 2; i < words.size(); ++i)
            command.paths << QFile::decodeName(QByteArray::fromPercentEncoding(words[i]));
        ok = arguments > 0;
        break;
    case Kind::Volume:
        command.volume = arguments == 1 ? words[2].toFloat(&ok) : 0.0f;
        ok = arguments == 1 && ok && std::isfinite(command.volume);
        break;
    case Kind::Loops:
        command.loops = words.value(2) == "1";
        ok = arguments == 1 && (command.loops || words[2] == "0");
        break;
    case Kind::Play:
        command.play = arguments == 1 ? words[2].toULongLong(&ok) : 0;
        ok = arguments == 1 && ok;
        break;
    case Kind::Stop:
        ok = arguments == 0;
        break;
    }
    return ok ? std::optional(command) : std::nullopt;
}

QByteArray encodeEnded(Ended ended) {
    return "ended " + QByteArray::number(ended.sound) + ' ' + QByteArray::number(ended.play) + '\n';
}

std::optional<Ended> parseEnded(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() != 3 || words[0] != "ended")
        return std::nullopt;
    bool soundOk = false, playOk = false;
    const Ended ended{words[1].toInt(&soundOk), words[2].toULongLong(&playOk)};
    return soundOk && playOk ? std::optional(ended) : std::nullopt;
}

} // namespace SoundPlayerProtocol
