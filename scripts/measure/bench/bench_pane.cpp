// The settings window's showing: from willSelect to the form filled (every setting read, the
// three sound folders listed), with the real plug-in and its widgets, a user sound folder of 500
// files, and no helper running.
#include "pane/plugin/PanePlugin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class NoHost : public PaneHost {
public:
    void runAlertPanel(const QString&, const QString&, const QString&) override {}
    void terminate() override {}
    qint64 processIdentifier() const override { return 1; }
};

void BM_WillSelect(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    const QString sounds = home.path() + "/data/sounds";
    QDir().mkpath(sounds);
    for (int i = 0; i < qEnvironmentVariableIntValue("BENCH_SOUNDS"); ++i)
        QFile(sounds + QStringLiteral("/Sound %1.aiff").arg(i)).open(QIODevice::WriteOnly);

    static QPluginLoader loader(KEYVIGIL_PANE_BUNDLE "/Contents/MacOS/Keyvigil.so");
    static PanePlugin* pane = nullptr;
    static NoHost host;
    if (!pane) {
        pane = qobject_cast<PanePlugin*>(loader.instance());
        if (!pane || !pane->initWithBundle(KEYVIGIL_PANE_BUNDLE, host)) {
            state.SkipWithError("the pane plug-in did not load");
            return;
        }
    }
    for (auto _ : state) {
        pane->willSelect();
        state.PauseTiming();
        pane->willUnselect();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WillSelect)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("KEYVIGIL_AGENT_MODE", "supervisor");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
