#pragma once

#include "history/PlayHistory.h"
#include "machine/Outcome.h"

#include <cstdint>
#include <memory>

namespace zenoku::test {

/// Builds histories entry by entry for the result tests, one call per game.
class HistoryBuilder {
public:
    /// A normal game; `kind` is the BonusKind it records (1 or 2 on a release).
    HistoryBuilder& normal(std::int32_t sinceBonus, std::int32_t medals, std::int32_t totalPlays,
                           std::int32_t outcome, std::int32_t trigger = 0, std::int32_t kind = 0) {
        return add({sinceBonus, medals, totalPlays, kind, outcome, trigger, 0, m_big, m_reg});
    }
    /// A bonus game: it repeats SinceBonus and TotalPlays of the release before it.
    HistoryBuilder& bonus(std::int32_t bigGames, std::int32_t medals, std::int32_t outcome,
                          std::int32_t kind = 1) {
        const PlayRecord& last = m_history.back();
        return add(
            {last.SinceBonus, medals, last.TotalPlays, kind, outcome, 0, bigGames, m_big, m_reg});
    }
    /// Stock counts recorded from the next entry on.
    HistoryBuilder& stock(std::int32_t big, std::int32_t reg) {
        m_big = big;
        m_reg = reg;
        return *this;
    }
    HistoryBuilder& add(const PlayRecord& r) {
        m_history.append(r);
        return *this;
    }

    const PlayHistory& history() const { return m_history; }
    std::shared_ptr<const PlayHistory> shared() const {
        return std::make_shared<const PlayHistory>(m_history);
    }

private:
    PlayHistory m_history;
    std::int32_t m_big = 0;
    std::int32_t m_reg = 0;
};

/// A short run with every case of the bonus list: a BIG released by a rare replay and
/// played; a REG released on the very first normal game after it (a pure-miss trigger);
/// and a REG released on the run's last normal game, never played. N = 7, E = 12.
inline HistoryBuilder shortRun() {
    using namespace OutcomeCode;
    HistoryBuilder b;
    b.stock(1, 1)
        .normal(1, -3, 1, Miss)
        .normal(2, 5, 2, Bell)
        .normal(3, 2, 3, RareReplay, 2)
        .stock(0, 1)
        .normal(4, 14, 4, BigRelease, 2, 1) // entry 3
        .bonus(1, 26, Frog)
        .bonus(2, 33, Bell)     // a bell inside the BIG: marker, not counted
        .bonus(3, 40, PureMiss) // BonusKind 1: no Hazure marker
        .stock(0, 0)
        .normal(1, 37, 5, RegRelease, 3, 2) // entry 7: closes the BIG, opens a REG
        .bonus(1, 51, Jac, 2)
        .bonus(1, 65, Jac, 2)
        .normal(1, 62, 6, PureMiss, 3) // entry 10: closes the REG
        .stock(0, 2)
        .normal(2, 74, 7, RegRelease, 1, 2); // entry 11: the last normal game
    return b;
}

} // namespace zenoku::test
