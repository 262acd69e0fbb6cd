// Making a store from a full settings file, and writing it back.
#include "shared/KeyedArchive.h"
#include "shared/RVPrefs.h"
#include "shared/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kId = QStringLiteral("org.keyvigil.Bench");

// A home whose store holds every settings key and 200 excluded words.
class FullStore {
public:
    explicit FullStore(const QString& parent = QDir::tempPath())
        : home_(parent + QStringLiteral("/bench-store-XXXXXX")) {
        qputenv("HOME", QFile::encodeName(home_.path()));
        RVPrefs prefs(kId);
        for (const SettingsKeys::KeyInfo& info : SettingsKeys::all()) {
            if (info.paneDefault)
                prefs.setObjectForKey(info.paneDefault, info.key);
            else
                prefs.setBoolForKey(true, info.key);
        }
        prefs.setObjectForKey(
            PlistValue::fromString(QStringLiteral("/usr/local/lib/keyvigil/Keyvigil.prefPane")),
            SettingsKeys::PrefPanePath);
        QStringList words;
        for (int i = 0; i < 200; ++i)
            words.append(QStringLiteral("WORD%1").arg(i));
        prefs.setObjectForKey(PlistValue::fromStringList(words), SettingsKeys::excludeWordsArray);
        if (!prefs.synchronize())
            qFatal("could not write the benchmark store");
    }

private:
    QTemporaryDir home_;
};

void BM_MakeStoreFromFile(benchmark::State& state) {
    FullStore store;
    for (auto _ : state) {
        RVPrefs prefs(kId);
        benchmark::DoNotOptimize(prefs.prefs().size());
    }
}
BENCHMARK(BM_MakeStoreFromFile)->Unit(benchmark::kMicrosecond);

void BM_Synchronize(benchmark::State& state) {
    FullStore store;
    RVPrefs prefs(kId);
    for (auto _ : state)
        benchmark::DoNotOptimize(prefs.synchronize());
}
BENCHMARK(BM_Synchronize)->Unit(benchmark::kMicrosecond);

// The same write where flushing to disk costs nothing (a memory file system), which shows
// how much of the time above is the disk's.
void BM_SynchronizeInMemory(benchmark::State& state) {
    if (!QFileInfo(QStringLiteral("/dev/shm")).isWritable()) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    FullStore store(QStringLiteral("/dev/shm"));
    RVPrefs prefs(kId);
    for (auto _ : state)
        benchmark::DoNotOptimize(prefs.synchronize());
}
BENCHMARK(BM_SynchronizeInMemory)->Unit(benchmark::kMicrosecond);

// The part of synchronize that is not waiting for the disk.
void BM_EncodeArchive(benchmark::State& state) {
    FullStore store;
    RVPrefs prefs(kId);
    for (auto _ : state)
        benchmark::DoNotOptimize(KeyedArchive::writeDictionary(prefs.prefs()));
}
BENCHMARK(BM_EncodeArchive)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
