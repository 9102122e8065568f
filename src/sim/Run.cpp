#include "sim/Run.h"

#include "sim/StartInputs.h"

#include <new>
#include <utility>

namespace zenoku {

namespace {

void playGames(TSlot& slot, std::int32_t plays, PlayHistory& history) {
    // Room for the expected run up front, so the history rarely has to grow mid-run; pages
    // that stay unused are never touched.
    try {
        history.reserve(expectedHistoryBytes(plays) / sizeof(PlayRecord) + 64);
    } catch (const std::bad_alloc&) {
        history.reserve(static_cast<std::size_t>(plays));
    }
    while (slot.TotalPlays < plays) {
        slot.Play();
        history.append(recordOf(slot));
    }
}

} // namespace

PlayedRun RunSimulation(TSlot& slot, const RunRequest& request, PlayHistory storage,
                        const std::function<void(const RunReport&)>& beforeGames) {
    storage.clear();
    RunReport report{request.level, request.level == kHiddenLevel};
    if (report.hidden) report.level = slot.random().Next() % kLevelCount + 1;
    slot.SetFlevel(report.level);
    if (beforeGames) beforeGames(report);
    // The machine is reset twice, in SetFlevel and here; with stock left each reset draws a
    // countdown, so this order fixes the random sequence a run consumes.
    slot.Reset();
    if (request.clearStock) slot.ClearStock();
    playGames(slot, request.plays, storage);
    return PlayedRun{shareHistory(std::move(storage)), SimHeader{slot.GetFlevel(), slot.TotalPlays},
                     report.hidden};
}

} // namespace zenoku
