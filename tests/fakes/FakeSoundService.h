#pragma once

#include "platform/SoundService.h"
#include "tests/fakes/Journal.h"

#include <map>
#include <memory>

// A named sound shared like the toolkit's: playing one that is already playing starts
// nothing new. One that does not loop plays until the test lets time pass; a looping one
// until it is stopped.
class FakeSound : public Sound {
public:
    FakeSound(Journal& journal, QString name) : journal_(journal), name_(std::move(name)) {}

    void setVolume(float volume) override {
        journal_.record(QStringLiteral("sound %1 setVolume %2").arg(name_).arg(volume));
    }
    void setLoops(bool loops) override {
        loops_ = loops;
        journal_.record(QStringLiteral("sound %1 setLoops %2").arg(name_, yesNo(loops)));
    }
    bool play() override {
        journal_.record(
            QStringLiteral("sound %1 play%2").arg(name_, playing_ ? u" (already playing)" : u""));
        return !std::exchange(playing_, true);
    }
    bool stop() override {
        journal_.record(QStringLiteral("sound %1 stop").arg(name_));
        return std::exchange(playing_, false);
    }
    bool isPlaying() const override { return playing_; }
    void letTimePass() { playing_ = playing_ && loops_; }

private:
    Journal& journal_;
    QString name_;
    bool loops_ = false;
    bool playing_ = false;
};

// Only "CAPS" and the names a test adds have a sound behind them.
class FakeSoundService : public SoundService {
public:
    explicit FakeSoundService(Journal& journal) : journal_(journal) {
        addSound(QStringLiteral("CAPS"));
    }

    Sound* soundNamed(const QString& name) override { return sound(name); }
    void beep() override { journal_.record(QStringLiteral("beep")); }

    void addSound(const QString& name) {
        sounds_.try_emplace(name, std::make_unique<FakeSound>(journal_, name));
    }
    FakeSound* sound(const QString& name) const {
        const auto found = sounds_.find(name);
        return found == sounds_.end() ? nullptr : found->second.get();
    }
    // Every sound that does not loop comes to its end.
    void letTimePass() {
        for (auto& [name, sound] : sounds_)
            sound->letTimePass();
    }

private:
    Journal& journal_;
    std::map<QString, std::unique_ptr<FakeSound>> sounds_;
};
