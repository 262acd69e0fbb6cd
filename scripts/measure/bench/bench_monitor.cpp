// MonitorHandler on key events in a busy configuration: word exclusion with 50 words,
// 20 excluded applications, a front application that is not excluded.
#include "tests/helper/AllocationCounter.h"
#include "tests/helper/MonitorWorkload.h"

#include <benchmark/benchmark.h>

namespace {

void runKeys(benchmark::State& state, const std::vector<MonitorEvent>& events) {
    HelperFixture fixture;
    MonitorWorkload::storeBusySettings(fixture);
    fixture.start();
    // Warm-up: the first run's warnings go through the fakes.
    for (const auto& event : events)
        fixture.helper.MonitorHandler(event);
    fixture.fakes.journal.clear();

    std::size_t next = 0;
    std::int64_t keys = 0;
    const std::uint64_t allocationsBefore = AllocationCounter::count();
    for (auto _ : state) {
        benchmark::DoNotOptimize(fixture.helper.MonitorHandler(events[next]));
        next = next + 1 == events.size() ? 0 : next + 1;
        ++keys;
    }
    const std::uint64_t allocations = AllocationCounter::count() - allocationsBefore;
    state.counters["allocs_per_key"] =
        AllocationCounter::available() ? double(allocations) / double(keys) : -1.0;
    state.counters["platform_calls"] = double(fixture.fakes.journal.entries().size());
}

// Caps Lock held: every key is a capital and goes through all 50 words.
void BM_MonitorHandler_CapsLockRun(benchmark::State& state) {
    runKeys(state,
            MonitorWorkload::keyEvents(
                QStringLiteral("THE NASA AND ESA TEAMS MET AT CERN WITH THE USA CEO "), 0x400));
}

// Ordinary typing: Shift capitals in short runs, lower case ending them.
void BM_MonitorHandler_MixedTyping(benchmark::State& state) {
    runKeys(state, MonitorWorkload::mixedTyping());
}

} // namespace

BENCHMARK(BM_MonitorHandler_CapsLockRun)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_MonitorHandler_MixedTyping)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
