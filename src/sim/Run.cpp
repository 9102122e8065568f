#include "sim/Run.h"

#include "sim/StartInputs.h"

#include <new>

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

RunReport RunSimulation(TSlot& slot, const RunRequest& request, PlayHistory& history,
                        const std::function<void()>& beforeGames) {
    history.clear();
    RunReport report{request.level, request.level == kHiddenLevel};
    if (report.hidden)
        report.level = slot.random().Next() % 6 + 1;
    slot.SetFlevel(report.level);
    if (beforeGames)
        beforeGames();
    // The machine is reset twice, in SetFlevel and here; with stock left each reset draws a
    // countdown, so this order fixes the random sequence a run consumes.
    slot.Reset();
    if (request.clearStock)
        slot.ClearStock();
    playGames(slot, request.plays, history);
    return report;
}

} // namespace zenoku
