#include "platform/desktop/PlayerSoundService.h"

#include "platform/AlertSound.h"
#include "platform/desktop/SoundFiles.h"
#include "shared/ProgramLog.h"

#include <QFile>

#include <algorithm>
#include <cmath>

using SoundPlayerProtocol::Command;
using namespace SoundPlayerProtocol;

namespace {
// A player that dies this soon after its start twice in a row is not started again for a looping
// sound, so that a player that cannot run is not restarted in a loop.
constexpr qint64 kSteadyRunMs = 5000;
constexpr int kQuickEndsToGiveUp = 2;

// The player takes file names as the file system spells them.
std::vector<std::string> encodedPaths(const QStringList& paths) {
    std::vector<std::string> encoded;
    for (const QString& path : paths)
        encoded.push_back(QFile::encodeName(path).toStdString());
    return encoded;
}
} // namespace

// What the helper knows of one sound: the player holds the rest, and says when a play is over.
class PlayerSoundService::PlayerSound final : public Sound {
public:
    PlayerSound(PlayerSoundService& service, int id, const QStringList& paths)
        : service_(service), id_(id), paths_(encodedPaths(paths)) {}

    void setVolume(float volume) override {
        volume_ = std::clamp(std::isnan(volume) ? 0.0f : volume, 0.0f, 1.0f);
        tellIfKnown(volumeCommand(id_, volume_));
    }
    void setLoops(bool loops) override {
        if (loops == loops_)
            return;
        loops_ = loops;
        tellIfKnown(loopsCommand(id_, loops_));
    }
    bool play() override {
        if (playing_)
            return false;
        ++play_;
        if (!service_.send(*this, playCommand(id_, play_)))
            return false;
        playing_ = true;
        service_.playingChanged();
        return true;
    }
    bool stop() override {
        if (!playing_)
            return false;
        playing_ = false;
        // Never a player started just to be told to stop: a finishing one stops every sound.
        tellIfKnown(stopCommand(id_));
        service_.playingChanged();
        return true;
    }
    bool isPlaying() const override { return playing_; }

    // The commands that bring a new player up to date with this sound.
    QList<Command> introduction() const {
        return {soundCommand(id_, paths_), volumeCommand(id_, volume_), loopsCommand(id_, loops_)};
    }
    int id() const { return id_; }
    bool loops() const { return loops_; }
    // Known to the player of that generation.
    int knownTo = 0;

    void ended(std::uint64_t play) {
        if (playing_ && play == play_)
            playing_ = false;
    }
    void playerGone() { playing_ = false; }

private:
    void tellIfKnown(const Command& command) {
        if (knownTo == service_.player_.generation() && service_.player_.isRunning())
            service_.player_.send(command);
    }

    PlayerSoundService& service_;
    const int id_;
    const std::vector<std::string> paths_;
    float volume_ = 1.0f;
    bool loops_ = false;
    bool playing_ = false;
    std::uint64_t play_ = 0;
};

PlayerSoundService::PlayerSoundService(Options options)
    : options_(std::move(options)), player_(options_.player) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(options_.idleClose);
    QObject::connect(&idleTimer_, &QTimer::timeout, &idleTimer_, [this] { player_.finish(); });
    player_.setEndedHandler([this](SoundPlayerProtocol::Ended e) { ended(e); });
    player_.setExitedHandler([this](bool asked) { playerExited(asked); });
}

PlayerSoundService::~PlayerSoundService() {
    player_.setEndedHandler({});
    player_.setExitedHandler({});
}

Sound* PlayerSoundService::soundNamed(const QString& name) {
    auto known = sounds_.find(name);
    if (known == sounds_.end()) {
        const QStringList paths = SoundFiles::candidates(options_.folders, name);
        known = sounds_
                    .emplace(name, paths.isEmpty()
                                       ? nullptr
                                       : std::make_unique<PlayerSound>(*this, nextId_++, paths))
                    .first;
    }
    return known->second.get();
}

void PlayerSoundService::beep() {
    if (options_.alert) {
        options_.alert->beep();
        return;
    }
    if (Sound* bell = soundNamed(QStringLiteral("bell")))
        bell->play();
}

// Starts the player if needed and tells it of the sound first.
bool PlayerSoundService::send(PlayerSound& sound, Command command) {
    if (!player_.start())
        return false;
    if (sound.knownTo != player_.generation()) {
        for (const Command& introduction : sound.introduction())
            player_.send(introduction);
        sound.knownTo = player_.generation();
    }
    player_.send(command);
    return true;
}

void PlayerSoundService::playingChanged() {
    const bool anyPlaying = std::any_of(sounds_.begin(), sounds_.end(), [](const auto& entry) {
        return entry.second && entry.second->isPlaying();
    });
    if (anyPlaying)
        idleTimer_.stop();
    else if (player_.isRunning())
        idleTimer_.start();
}

void PlayerSoundService::ended(SoundPlayerProtocol::Ended ended) {
    for (auto& [name, sound] : sounds_) {
        if (sound && sound->id() == ended.sound)
            sound->ended(ended.play);
    }
    playingChanged();
}

void PlayerSoundService::playerExited(bool asked) {
    idleTimer_.stop();
    quickEnds_ = !asked && player_.runningMs() < kSteadyRunMs ? quickEnds_ + 1 : 0;
    const bool restartLoops = !asked && quickEnds_ < kQuickEndsToGiveUp;
    std::vector<PlayerSound*> looping;
    for (auto& [name, sound] : sounds_) {
        if (!sound)
            continue;
        if (sound->isPlaying() && sound->loops() && restartLoops)
            looping.push_back(sound.get());
        sound->playerGone();
    }
    if (!asked && !restartLoops && !giveUpReported_) {
        giveUpReported_ = true;
        qCWarning(programLog, "the sound player keeps ending as it starts: looping sounds stop");
    }
    for (PlayerSound* sound : looping)
        sound->play();
    playingChanged();
}
