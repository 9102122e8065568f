#pragma once

#include "history/PlayHistory.h"
#include "machine/Slot.h"
#include "simfile/SimFile.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace zenoku {

/// One single run as the start command asks for it.
struct RunRequest {
    std::int32_t plays = 1;  ///< N, the normal games to play (1 or more)
    std::int32_t level = 1;  ///< 1..6, or kHiddenLevel to draw one
    bool clearStock = false; ///< empty the stock before the first game
};

/// What a run chose before its first game.
struct RunReport {
    std::int32_t level; ///< the level played, 1..6
    bool hidden;        ///< the level was drawn and is not to be shown
};

/// What a run played: everything a caller needs afterwards, so nobody reads the machine
/// back to describe the run.
struct PlayedRun {
    /// Every game of the run, in play order; shared and never changed once played.
    std::shared_ptr<const PlayHistory> history;
    /// The machine's level and `TotalPlays` after the run: the header a saved file gets.
    SimHeader header;
    /// The level was drawn and is not to be shown.
    bool hidden = false;
};

/// Plays one run on `slot`: sets the level (a hidden one is (Next mod 6) + 1 from the
/// machine's random source), calls `beforeGames` with that choice (where a window lets
/// pending events through once), resets the machine again, clears the stock when asked,
/// and plays until `TotalPlays` reaches N, recording every game. A bonus released on the
/// N-th normal game is not played.
///
/// The games are recorded into `storage`, whose old entries are dropped but whose memory
/// is reused (see `reclaimStorage`). Throws std::bad_alloc when the history cannot grow.
PlayedRun RunSimulation(TSlot& slot, const RunRequest& request, PlayHistory storage = {},
                        const std::function<void(const RunReport&)>& beforeGames = {});

/// The machine's nine recorded fields after a game.
inline PlayRecord recordOf(const TSlot& s) {
    return PlayRecord{s.SinceBonus, s.Medals,   s.TotalPlays, s.BonusKind, s.Outcome,
                      s.RtTrigger,  s.BigGames, s.BigStock,   s.RegStock};
}

} // namespace zenoku
