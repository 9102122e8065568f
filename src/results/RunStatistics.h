#pragma once

#include "history/PlayHistory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zenoku {

/// Yen a medal costs when it is lent, as the summary's balance counts it.
inline constexpr std::int64_t kYenPerMedal = 20;

/// Counts and derived values of one run, computed from its play history alone. Only normal
/// games count; every rate is per normal game.
struct RunStatistics {
    std::size_t entries = 0;      ///< E, entries of the history
    std::int32_t normalGames = 0; ///< N, TotalPlays of the last entry
    /// Normal games per small role, bell .. pure miss (index roleIndex(code)).
    std::array<std::int32_t, kRoleCount> roleCount{};
    std::int32_t bigCount = 0; ///< normal games with Outcome 8
    std::int32_t regCount = 0; ///< normal games with Outcome 9
    /// Release entries per RT trigger 1..4 (index triggerIndex(code)).
    std::array<std::int32_t, kTriggerCount> triggerCount{};
    std::int32_t bonusCount = 0; ///< release entries
    std::int32_t finalMedals = 0;
    std::int32_t finalBigStock = 0;
    std::int32_t finalRegStock = 0;

    float bigOneIn = 0;       ///< N / bigCount in integer division, 0 without BIGs
    float regOneIn = 0;       ///< the same for REGs
    float payoutRate = 0;     ///< 機械割: finalMedals / (3N) × 100 + 100, as a 32-bit float
    std::int64_t balance = 0; ///< 収支 in yen: finalMedals × 20, never wrapped
    friend bool operator==(const RunStatistics&, const RunStatistics&) = default;
};

/// One bonus of the run: its release entry and what followed it.
struct BonusRecord {
    std::size_t entry = 0;       ///< index of the release entry
    std::int32_t totalPlays = 0; ///< normal game number of the release
    std::int32_t sinceBonus = 0; ///< normal games since the previous bonus, release included
    std::int32_t outcome = 0;    ///< 8 BIG, 9 REG
    std::int32_t trigger = 0;    ///< RtTrigger of the release entry
    /// Net medals of the bonus games plus the 15 the release paid; absent when no normal
    /// game followed the bonus (released on the run's last normal game).
    std::optional<std::int64_t> medalsWon;
    friend bool operator==(const BonusRecord&, const BonusRecord&) = default;
};

/// Whether a history can be shown: at least one entry and a last TotalPlays of 1 or more.
bool isShowable(const PlayHistory& history);

/// The counting pass and the derived values. Requires a showable history.
RunStatistics computeStatistics(const PlayHistory& history);

/// Pairs each release with the normal game that closes its bonus, fed one entry at a time
/// in play order: the one place that works out the per-bonus values.
class BonusPairing {
public:
    explicit BonusPairing(std::vector<BonusRecord>& bonuses) : m_bonuses(bonuses) {}
    /// Feeds entry `i` of `history`; entries must come in order, from 0.
    void add(const PlayHistory& history, std::size_t i);

private:
    std::vector<BonusRecord>& m_bonuses;
    bool m_pending = false; ///< the last bonus still waits for its medals won
};

/// The per-bonus values, in play order.
std::vector<BonusRecord> bonusRecords(const PlayHistory& history);

/// The four-line summary shown in the result box, lines joined by "\n", no final line feed.
std::string summaryText(const RunStatistics& statistics);

} // namespace zenoku
