// The applications chooser's opening: from its construction to the first paint of its list, with
// 300 generated desktop entries in a temporary data folder, alone ("generated") and after the
// host's own applications folders ("host"). One opening per repetition, so the first is cold.
#include "pane/plugin/ApplicationChooser.h"
#include "platform/desktop/HostFolders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

namespace {

constexpr int kEntries = 300;

class PaintWatch : public QObject {
    Q_OBJECT

public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// Entries the size of real ones: a few translations, and a theme icon for one in ten.
void writeEntries(const QString& folder) {
    QDir().mkpath(folder);
    for (int i = 0; i < kEntries; ++i) {
        QFile file(folder + QStringLiteral("/org.example.App%1.desktop").arg(i));
        if (!file.open(QIODevice::WriteOnly))
            return;
        QByteArray entry = "[Desktop Entry]\nType=Application\n";
        entry += QStringLiteral("Name=Application %1\nName[de]=Anwendung %1\nName[fr]=Application "
                                "%1\nComment=Does thing number %1\nExec=app%1 %U\n")
                     .arg(i)
                     .toUtf8();
        entry += i % 10 == 0 ? "Icon=utilities-terminal\n"
                             : QStringLiteral("Icon=org.example.App%1\n").arg(i).toUtf8();
        entry += "Categories=Utility;\n[Desktop Action new]\nName=New Window\nExec=app --new\n";
        file.write(entry);
    }
}

void BM_OpenChooser(benchmark::State& state, bool withHostFolders) {
    QTemporaryDir root;
    qputenv("XDG_DATA_HOME", QFile::encodeName(root.path() + "/data"));
    writeEntries(root.path() + "/data/applications");
    const QString empty = root.path() + "/empty";
    QDir().mkpath(empty);
    const QStringList folders = withHostFolders
                                    ? HostFolders::applicationFolders()
                                    : QStringList{empty, empty, root.path() + "/data/applications"};
    for (auto _ : state) {
        std::optional<ApplicationChooser> chooser;
        chooser.emplace(QStringLiteral("Typing in these applications is not counted."), folders);
        PaintWatch watch;
        chooser->findChild<QAbstractItemView*>(QStringLiteral("applicationList"))
            ->viewport()
            ->installEventFilter(&watch);
        chooser->show();
        QElapsedTimer waited;
        waited.start();
        while (!watch.painted && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        if (!watch.painted)
            state.SkipWithError("the list was never painted");
        chooser.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

double worst(const std::vector<double>& times) {
    return times.empty() ? 0.0 : *std::max_element(times.begin(), times.end());
}

BENCHMARK_CAPTURE(BM_OpenChooser, generated, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ComputeStatistics("worst", worst);
BENCHMARK_CAPTURE(BM_OpenChooser, host, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ComputeStatistics("worst", worst);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

#include "bench_chooser.moc"
