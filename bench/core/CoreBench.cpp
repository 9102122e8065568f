// Speed of the machine and of ".sim" files: normal games per second for play + recording,
// and file write/read throughput.
#include "sim/Run.h"
#include "simfile/SimFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>

namespace zenoku {
namespace {

constexpr std::int32_t kLongRun = 10'000'000;

/// Play + recording of a 10-million-game run at each level, the history reused from run to
/// run as the window and the batch reuse theirs.
void BM_PlayAndRecord(benchmark::State& state) {
    const auto level = static_cast<std::int32_t>(state.range(0));
    TSlot slot(1);
    // The first run touches the memory; every later one records into it again.
    PlayedRun run = RunSimulation(slot, {kLongRun, level, false});
    for (auto _ : state) {
        run = RunSimulation(slot, {kLongRun, level, false}, reclaimStorage(std::move(run.history)));
        benchmark::DoNotOptimize(run.history->data());
    }
    state.SetItemsProcessed(state.iterations() * kLongRun);
    state.counters["entries_per_game"] =
        static_cast<double>(run.history->size()) / static_cast<double>(kLongRun);
}
BENCHMARK(BM_PlayAndRecord)
    ->DenseRange(1, 6)
    ->MinTime(1.0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

/// The same at level 6 into a new history every time: includes the first touch of memory.
void BM_PlayAndRecordFreshHistory(benchmark::State& state) {
    TSlot slot(1);
    for (auto _ : state) {
        const PlayedRun run = RunSimulation(slot, {kLongRun, 6, false});
        benchmark::DoNotOptimize(run.history->data());
    }
    state.SetItemsProcessed(state.iterations() * kLongRun);
}
BENCHMARK(BM_PlayAndRecordFreshHistory)->MinTime(1.0)->UseRealTime()->Unit(benchmark::kMillisecond);

const PlayHistory& sampleHistory() {
    static const PlayHistory history = [] {
        TSlot slot(2);
        return *RunSimulation(slot, {1'000'000, 6, false}).history;
    }();
    return history;
}

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / "zenoku-bench.sim").string();
}

void BM_WriteSimFile(benchmark::State& state) {
    const PlayHistory& h = sampleHistory();
    const std::string path = benchFile();
    for (auto _ : state) {
        if (writeSimFile(path, SimVariant::Saved, {6, 1'000'000}, h) != WriteStatus::Ok)
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(12 + 36 * h.size()));
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteSimFile)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ReadSimFile(benchmark::State& state) {
    const PlayHistory& h = sampleHistory();
    const std::string path = benchFile();
    writeSimFile(path, SimVariant::Saved, {6, 1'000'000}, h);
    for (auto _ : state) {
        SimFileContents c;
        if (readSimFile(path, c) != ReadStatus::Ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(c.history.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(12 + 36 * h.size()));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadSimFile)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zenoku

BENCHMARK_MAIN();
