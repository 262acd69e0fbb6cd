#include "tests/fakes/FakeSoundService.h"

void FakeSound::setVolume(float volume) {
    volume_ = volume;
    journal_.record(QStringLiteral("sound %1 setVolume %2").arg(name_).arg(volume));
}

void FakeSound::setLoops(bool loops) {
    loops_ = loops;
    journal_.record(QStringLiteral("sound %1 setLoops %2").arg(name_, yesNo(loops)));
}

bool FakeSound::play() {
    if (playing_) {
        journal_.record(QStringLiteral("sound %1 play (already playing)").arg(name_));
        return false;
    }
    playing_ = true;
    journal_.record(QStringLiteral("sound %1 play").arg(name_));
    return true;
}

bool FakeSound::stop() {
    const bool wasPlaying = std::exchange(playing_, false);
    journal_.record(QStringLiteral("sound %1 stop").arg(name_));
    return wasPlaying;
}

void FakeSound::finishPass() {
    if (!loops_)
        playing_ = false;
}

FakeSoundService::FakeSoundService(Journal& journal, const QStringList& available)
    : journal_(journal) {
    for (const QString& name : available)
        addSound(name);
}

Sound* FakeSoundService::soundNamed(const QString& name) {
    return sound(name);
}

void FakeSoundService::addSound(const QString& name) {
    sounds_.try_emplace(name, std::make_unique<FakeSound>(journal_, name));
}

FakeSound* FakeSoundService::sound(const QString& name) {
    const auto found = sounds_.find(name);
    return found == sounds_.end() ? nullptr : found->second.get();
}

const FakeSound* FakeSoundService::sound(const QString& name) const {
    const auto found = sounds_.find(name);
    return found == sounds_.end() ? nullptr : found->second.get();
}

void FakeSoundService::letTimePass() {
    for (auto& [name, sound] : sounds_)
        sound->finishPass();
}
