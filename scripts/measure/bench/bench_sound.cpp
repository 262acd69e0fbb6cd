// How long a warning takes to be heard: from the play() call to the first audible output buffer,
// for the first sound of a fresh service (lookup, decoding and opening the output included), for a
// sound after the output closed when idle, and with the output already open. Also the memory the
// service takes with the pane's sound loaded. Run with SDL_AUDIODRIVER set to the driver to
// measure (the dummy driver when unset).
#include "platform/desktop/SdlSoundService.h"
#include "tests/platform/support/TestFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> armed{false};
std::atomic<Clock::rep> heardAt{0};

// Runs on the audio thread after each buffer is mixed.
void notePostMix(void*, Uint8* stream, int length) {
    if (!armed.load())
        return;
    for (int i = 0; i < length; ++i) {
        if (stream[i] != 0) {
            heardAt.store(Clock::now().time_since_epoch().count());
            armed.store(false);
            return;
        }
    }
}

// Plays and waits for the first non-silent buffer; the seconds from the call, or -1.
double playAndListen(Sound* sound) {
    heardAt.store(0);
    armed.store(true);
    // Set again after the call, which may have opened the output.
    Mix_SetPostMix(&notePostMix, nullptr);
    const auto start = Clock::now();
    if (!sound || !sound->play())
        return -1;
    Mix_SetPostMix(&notePostMix, nullptr);
    while (heardAt.load() == 0) {
        if (Clock::now() - start > std::chrono::seconds(2))
            return -1;
        std::this_thread::yield();
    }
    const Clock::time_point heard{Clock::duration(heardAt.load())};
    return std::chrono::duration<double>(heard - start).count();
}

struct Fixture {
    Fixture() { QFile::copy(KEYVIGIL_CAPS_SOUND, dir.filePath("CAPS.aiff")); }
    SdlSoundService::Options options(std::chrono::milliseconds idleClose) const {
        return {{dir.path()}, idleClose, nullptr};
    }
    QTemporaryDir dir;
};

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// First, so that it runs in a process that has not played anything yet.
void BM_MemoryWithThePanesSoundLoaded(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        const long before = residentKiB();
        SdlSoundService sounds(fixture.options(std::chrono::milliseconds(1)));
        Sound* caps = sounds.soundNamed("CAPS");
        if (!caps || !caps->play()) {
            state.SkipWithError("no sound");
            return;
        }
        state.counters["open_KiB"] = double(residentKiB() - before);
        caps->stop();
        while (sounds.isOutputOpen())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        state.counters["idle_KiB"] = double(residentKiB() - before);
    }
}
BENCHMARK(BM_MemoryWithThePanesSoundLoaded)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FirstWarningOfAFreshService(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        SdlSoundService sounds(fixture.options(std::chrono::seconds(10)));
        const auto start = Clock::now();
        Sound* caps = sounds.soundNamed("CAPS");
        const double lookup = std::chrono::duration<double>(Clock::now() - start).count();
        const double heard = playAndListen(caps);
        if (heard < 0) {
            state.SkipWithError("no audible output");
            return;
        }
        state.SetIterationTime(lookup + heard);
        caps->stop();
    }
}
BENCHMARK(BM_FirstWarningOfAFreshService)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WarningAfterTheOutputClosed(benchmark::State& state) {
    Fixture fixture;
    SdlSoundService sounds(fixture.options(std::chrono::milliseconds(1)));
    Sound* caps = sounds.soundNamed("CAPS");
    for (auto _ : state) {
        while (sounds.isOutputOpen())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        const double heard = playAndListen(caps);
        if (heard < 0) {
            state.SkipWithError("no audible output");
            return;
        }
        state.SetIterationTime(heard);
        caps->stop();
    }
}
BENCHMARK(BM_WarningAfterTheOutputClosed)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_WarningWithTheOutputOpen(benchmark::State& state) {
    Fixture fixture;
    SdlSoundService sounds(fixture.options(std::chrono::seconds(10)));
    Sound* caps = sounds.soundNamed("CAPS");
    for (auto _ : state) {
        const double heard = playAndListen(caps);
        if (heard < 0) {
            state.SkipWithError("no audible output");
            return;
        }
        state.SetIterationTime(heard);
        caps->stop();
    }
}
BENCHMARK(BM_WarningWithTheOutputOpen)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    ensureApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
