// Cost of showing a run: the time to build every result of a 1-million-game history, and the
// bytes those results hold per history entry on top of the history itself.
#include "results/Results.h"
#include "sim/Run.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <memory>
#include <new>

// Live heap bytes, counted by the global allocation functions: what a result holds is what it
// allocated and has not given back. The history grows with realloc and is not counted.
namespace {
std::size_t g_liveBytes = 0;
}

void* operator new(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    g_liveBytes += malloc_usable_size(p);
    return p;
}
void operator delete(void* p) noexcept {
    if (p != nullptr) g_liveBytes -= malloc_usable_size(p);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace zenoku {
namespace {

constexpr std::int32_t kPlays = 1'000'000;

/// A 1-million-game run at the given level, shared as the window shares the shown run.
std::shared_ptr<const PlayHistory> sampleRun(std::int32_t level) {
    TSlot slot(2);
    return RunSimulation(slot, {kPlays, level, false}).history;
}

void BM_BuildResults(benchmark::State& state) {
    const auto history = sampleRun(static_cast<std::int32_t>(state.range(0)));
    const double entries = static_cast<double>(history->size());

    const std::size_t before = g_liveBytes;
    auto held = buildResults(history);
    const std::size_t heldBytes = g_liveBytes - before;
    held.reset();

    for (auto _ : state) {
        auto results = buildResults(history);
        benchmark::DoNotOptimize(results);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(history->size()));
    state.counters["entries"] = entries;
    state.counters["bytes_per_entry"] = static_cast<double>(heldBytes) / entries;
}
BENCHMARK(BM_BuildResults)->Arg(1)->Arg(6)->UseRealTime()->Unit(benchmark::kMillisecond);

/// One screen of the per-game list (30 rows of seven texts) formatted on request.
void BM_GameListScreen(benchmark::State& state) {
    const auto results = buildResults(sampleRun(6));
    const ResultListTexts& texts = results->gameList;
    std::size_t first = 0;
    for (auto _ : state) {
        for (std::size_t k = first; k < first + 30; ++k)
            benchmark::DoNotOptimize(texts.row(k));
        first = (first + 7919) % (texts.rowCount() - 30);
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_GameListScreen)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace zenoku

BENCHMARK_MAIN();
