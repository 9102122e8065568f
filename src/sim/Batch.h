#pragma once

#include "history/PlayHistory.h"
#include "machine/Slot.h"
#include "sim/Run.h"
#include "simfile/FileLayer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zenoku {

/// A batch: `runs` runs of the same request, each written to its own file.
struct BatchRequest {
    RunRequest run;
    std::int32_t runs = 2;
    std::string chosenName; ///< the name chosen once for the whole batch
};

/// What the batch reports while it works.
struct BatchCallbacks {
    /// Before run i (1-based) plays, at the point where the run lets pending events through.
    std::function<void(std::int32_t run, const RunReport&)> beforeGames;
    /// Run i has been played and its file `fileName` created; `progress` is 100·i/M, whole.
    std::function<void(const std::string& fileName, int progress)> saving;
};

struct BatchResult {
    bool completed = false;         ///< every run was played and written
    std::vector<std::string> files; ///< the files written, in run order
    PlayedRun lastRun;              ///< the last run played, written or not
};

/// The file name of run i: the chosen name with L_P_i (level, play count, run number)
/// inserted in front of the first "." of its file-name part, or appended when that part has
/// no ".". Folders are never renamed: runs/test.sim → runs/test6_8000_1.sim,
/// old.runs/a.sim → old.runs/a6_1000_1.sim, /data/runs/a → /data/runs/a6_1000_1.
std::string batchFileName(std::string_view chosenName, std::int32_t level, std::int32_t plays,
                          std::int32_t run);

/// Plays the runs one after another on one machine (the stock carries over unless the
/// request clears it) and writes each, in the batch variant, before the next one starts.
/// Ends at the first file that cannot be created or written; the files of earlier runs stay.
/// The runs record into `storage` (reused from run to run, see `RunSimulation`).
BatchResult RunBatch(TSlot& slot, const BatchRequest& request, const BatchCallbacks& callbacks = {},
                     FileLayer& files = realFileLayer(), PlayHistory storage = {});

} // namespace zenoku
