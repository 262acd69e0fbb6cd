#include "helper/indicators/ScreenIndicators.h"
#include "tests/fakes/FakeOverlayWindows.h"

#include <QCoreApplication>

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
    ScreenIndicators indicators{KEYVIGIL_BENCH_IMAGES, kvObject, overlays, panel};
    Helper() {
        indicators.buildStatusItem();
        indicators.buildUpperLeftWindow(upperLHmask, OutlineColor::LightGray, 0);
    }
};

// One modifier change as the monitor delivers it: the status item's icon, the view's word, and,
// when the view changes, one full drawing of the window's pixels (the fake window draws into a
// buffer of its own, as a display server's backend does).
void BM_ModifierChange(benchmark::State& state) {
    Helper helper;
    const auto& window = *helper.overlays.windows.back();
    std::size_t i = 0;
    long updateAllocations = 0;
    const long before = allocations.load();
    for (auto _ : state) {
        const std::uint32_t modifiers = sequence[i++ % std::size(sequence)];
        const long atStart = allocations.load();
        helper.indicators.menuBar(modifiers & menuBarMask);
        helper.indicators.setModifiers(modifiers);
        updateAllocations += allocations.load() - atStart;
        benchmark::DoNotOptimize(window.drawn.bits());
    }
    const double iterations = double(state.iterations());
    state.counters["allocs/change"] = double(allocations.load() - before) / iterations;
    state.counters["allocs/update"] = double(updateAllocations) / iterations;
    if (window.repaints == 0 || !helper.indicators.statusItem.imagePath().endsWith(".svg"))
        state.SkipWithError("the view was never drawn, or the status item lost its picture");
}
BENCHMARK(BM_ModifierChange);

// Only the drawing of the view's pixels, at two pixels a point.
void BM_DrawUpperLeft(benchmark::State& state) {
    Helper helper;
    const keyModifiersView& view = *helper.indicators.upperLHView;
    PixelImage image(view.size().width() * 2, view.size().height() * 2);
    for (auto _ : state) {
        view.draw(image, 2.0);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_DrawUpperLeft);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
