#pragma once

#include "machine/Slot.h"
#include "sim/PlayHistory.h"

#include <cstdint>
#include <functional>

namespace zenoku {

/// One single run as the start command asks for it.
struct RunRequest {
    std::int32_t plays = 1;      ///< N, the normal games to play (1 or more)
    std::int32_t level = 1;      ///< 1..6, or kHiddenLevel to draw one
    bool clearStock = false;     ///< empty the stock before the first game
};

/// What a run chose.
struct RunReport {
    std::int32_t level;  ///< the level played
    bool hidden;         ///< the level was drawn and is not to be shown
};

/// Plays one run on `slot` into `history`: empties the history, sets the level (a hidden one
/// is (Next mod 6) + 1 from the machine's random source), calls `beforeGames` (where a window
/// lets pending events through once), resets the machine again, clears the stock when asked,
/// and plays until `TotalPlays` reaches N, recording every game. A bonus released on the N-th
/// normal game is not played.
RunReport RunSimulation(TSlot& slot, const RunRequest& request, PlayHistory& history,
                        const std::function<void()>& beforeGames = {});

/// The machine's nine recorded fields after a game.
inline PlayRecord recordOf(const TSlot& s) {
    return PlayRecord{s.SinceBonus, s.Medals,   s.TotalPlays, s.BonusKind, s.Outcome,
                      s.RtTrigger,  s.BigGames, s.BigStock,   s.RegStock};
}

} // namespace zenoku
