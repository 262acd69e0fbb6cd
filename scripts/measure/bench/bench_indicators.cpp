#include "helper/indicators/QtIndicators.h"
#include "tests/fakes/FakeOverlayWindows.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts heap allocations, to show what one modifier change costs beyond the drawing itself.
namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr std::uint32_t menuBarMask = 0x10600;
constexpr std::uint32_t upperLHmask = 0x31F00;
// A cycle of modifier words as a user produces them: Shift, Caps Lock, Command-Option, none.
constexpr std::uint32_t sequence[] = {0x200, 0x400, 0x10400, 0x900, 0x20000, 0x1000, 0};

// A panel that takes the status item and draws nothing.
struct QuietIcon final : StatusIcon {
    void show(const QString&, const QString&) override {}
    void setMenu(std::vector<StatusMenuEntry>) override {}
};
struct QuietPanel final : StatusIconHost {
    bool available() const override { return true; }
    void setAppearedHandler(std::function<void()>) override {}
    std::unique_ptr<StatusIcon> makeIcon() override { return std::make_unique<QuietIcon>(); }
};

struct Helper {
    KVObject kvObject{[] { return nullptr; }, [](const QString&, const QStringList&) {}};
    FakeOverlayWindows overlays;
    QuietPanel panel;
    QtIndicators indicators{KEYVIGIL_BENCH_IMAGES, kvObject, overlays, panel};
    Helper() {
        indicators.buildStatusItem();
        indicators.buildUpperLeftWindow(upperLHmask, OutlineColor::LightGray, 0);
    }
};

// One modifier change as the monitor delivers it: the status item's icon, the view's word,
// and one full paint of the view into a preallocated image.
void BM_ModifierChange(benchmark::State& state) {
    Helper helper;
    keyModifiersView& view = *helper.indicators.upperLHView;
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const qsizetype windows = QApplication::allWidgets().size();

    std::size_t i = 0;
    long updateAllocations = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        const std::uint32_t modifiers = sequence[i++ % std::size(sequence)];
        const long atStart = allocations.load();
        helper.indicators.menuBar(modifiers & menuBarMask);
        helper.indicators.setModifiers(modifiers);
        updateAllocations += allocations.load() - atStart;
        QPainter painter(&image);
        view.drawRect(painter);
        benchmark::DoNotOptimize(image.constBits());
    }
    const double iterations = double(state.iterations());
    // The painter's own bookkeeping allocates; switching the icon and the word should not.
    state.counters["allocs/change"] = double(allocations.load() - before) / iterations;
    state.counters["allocs/update"] = double(updateAllocations) / iterations;

    if (QApplication::allWidgets().size() != windows ||
        !helper.indicators.statusItem.imagePath().endsWith(".svg"))
        state.SkipWithError("a modifier change made a widget, or the status item lost its picture");
}
BENCHMARK(BM_ModifierChange);

// The same, painted through the widget machinery (paint event and all) into the image.
void BM_ModifierChangeRender(benchmark::State& state) {
    Helper helper;
    keyModifiersView& view = *helper.indicators.upperLHView;
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const qsizetype windows = QApplication::allWidgets().size();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::uint32_t modifiers = sequence[i++ % std::size(sequence)];
        helper.indicators.menuBar(modifiers & menuBarMask);
        helper.indicators.setModifiers(modifiers);
        view.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(image.constBits());
    }
    if (QApplication::allWidgets().size() != windows)
        state.SkipWithError("a modifier change made a widget");
}
BENCHMARK(BM_ModifierChangeRender);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
