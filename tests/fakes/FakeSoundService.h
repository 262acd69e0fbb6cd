#pragma once

#include "platform/SoundService.h"
#include "tests/fakes/Journal.h"

#include <map>
#include <memory>

// A named sound with the shared-object behaviour of the toolkit's sounds: playing one that
// is already playing starts nothing new. A sound that does not loop plays until the test
// lets time pass (FakeSoundService::letTimePass); a looping one until it is stopped.
class FakeSound : public Sound {
public:
    FakeSound(Journal& journal, QString name) : journal_(journal), name_(std::move(name)) {}

    void setVolume(float volume) override;
    void setLoops(bool loops) override;
    bool play() override;
    bool stop() override;
    bool isPlaying() const override { return playing_; }

    float volume() const { return volume_; }
    bool loops() const { return loops_; }
    void finishPass();

private:
    Journal& journal_;
    QString name_;
    float volume_ = 1.0f;
    bool loops_ = false;
    bool playing_ = false;
};

class FakeSoundService : public SoundService {
public:
    // Only the names given here have a sound behind them.
    FakeSoundService(Journal& journal, const QStringList& available = {QStringLiteral("CAPS")});

    Sound* soundNamed(const QString& name) override;
    void beep() override { journal_.record(QStringLiteral("beep")); }

    void addSound(const QString& name);
    FakeSound* sound(const QString& name);
    const FakeSound* sound(const QString& name) const;
    // Every sound that does not loop comes to its end.
    void letTimePass();

private:
    Journal& journal_;
    std::map<QString, std::unique_ptr<FakeSound>> sounds_;
};
