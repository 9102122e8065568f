#pragma once

#include "history/PlayHistory.h"
#include "results/ChartData.h"
#include "results/ResultLists.h"
#include "results/RunStatistics.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zenoku {

/// A position the progress bar takes while a run is shown: after entry `entry` has been
/// shown, the bar stands at `position` (the whole part of (entry+1)/E × 100). Only the
/// entries where the position changes are listed; the last one is 100.
struct ProgressStep {
    std::size_t entry;
    int position;
    friend bool operator==(const ProgressStep&, const ProgressStep&) = default;
};

/// Everything the window shows for one run, as plain data.
struct Results {
    std::shared_ptr<const PlayHistory> history; ///< the shown run
    RunStatistics statistics;
    std::vector<BonusRecord> bonuses; ///< per-bonus values, in play order
    std::string summary;              ///< the four-line summary, no final line feed
    ResultListTexts gameList;         ///< per-game list, rows formatted on request
    std::vector<TextRow> bonusRows;   ///< 5 cells, or 4 while the medals won are unknown
    std::vector<TextRow> roleRows;    ///< 7 rows of 4 cells
    std::vector<TextRow> triggerRows; ///< 4 rows of 3 cells
    ChartData charts;
    std::vector<ProgressStep> progress; ///< at most 101 steps, the last at 100
};

/// Builds every result of the run that `history` holds. Returns nothing when the history
/// cannot be shown (no entry, or a last TotalPlays below 1). A pure function: the same
/// history gives the same results.
std::optional<Results> buildResults(std::shared_ptr<const PlayHistory> history);

} // namespace zenoku
