#pragma once

#include "machine/LotteryTables.h"
#include "machine/Outcome.h"
#include "machine/RandomSource.h"

#include <array>
#include <cstdint>

namespace zenoku {

/// The simulated pachislot machine: a stock machine with replay time (RT). Each call of
/// `Play` plays exactly one game, normal or bonus. Callers read the public fields after
/// every game; `SinceBonus` .. `RegStock` are the nine values a run records.
///
/// All chance comes from the machine's own random source (`RandomSource` in the program, a
/// scripted one in tests), seeded once at construction.
/// `Play` allocates nothing and calls nothing virtual.
template <class Random> class BasicSlot {
public:
    /// Stock ring of 512 entries (0 = BIG, 1 = REG), then the write index, the read index
    /// and the count of replays in a row.
    static constexpr int kRingSize = 512;
    static constexpr int kWriteIndex = 512;
    static constexpr int kReadIndex = 513;
    static constexpr int kReplayRunCount = 514;
    /// Bonuses of one kind beyond this count are dropped when drawn.
    static constexpr std::int32_t kStockCap = 255;
    /// `ReleaseCountdown` while nothing is stocked.
    static constexpr std::int32_t kNoCountdown = 65535;

    /// Builds the machine in its initial state (level 1, no stock) and seeds its random
    /// source. No draw is made here.
    explicit BasicSlot(std::uint32_t seed) { m_random.Seed(seed); }

    /// Sets the setting level and resets the run; the countdown that `Reset` draws uses the
    /// new level's table. Levels outside 1..6 play the nearest level's tables (the start
    /// command refuses them before they get here).
    void SetFlevel(std::int32_t level);
    /// Clears the per-run counters and the bonus state; stock, `Outcome` and the replay run
    /// survive. With stock left, draws a new release countdown.
    void Reset();
    /// Empties the stock queue and the stock counts; the countdown and the replay run stay.
    void ClearStock();
    /// Plays one game.
    inline void Play();
    std::int32_t GetFlevel() const { return Flevel; }

    Random& random() { return m_random; }

    /// Draw operations: each takes one fresh value (countdown ranges a second one).
    inline std::int32_t DrawBonus();
    inline std::int32_t DrawRole();
    inline std::int32_t DrawFirstRelease();
    inline std::int32_t DrawPostBonusRelease();
    inline std::int32_t DrawReplayRunRelease();
    inline std::int32_t QuarterDraw();
    inline std::int32_t DrawBigRole();

    // Machine state, all 32-bit signed, in declaration order.
    std::int32_t Flevel = 1;
    std::int32_t JacGames = 0;
    std::int32_t JacIns = 0;
    std::int32_t InJac = 0;
    std::int32_t BonusEnded = 0;
    std::array<std::int32_t, kRingSize + 3> StockQueue{};
    std::int32_t SinceBonus = 0;
    std::int32_t BigGames = 0;
    std::int32_t TotalPlays = 0;
    std::int32_t Medals = 0;
    std::int32_t ReleaseCountdown = kNoCountdown;
    std::int32_t RtTrigger = 0;
    std::int32_t Outcome = 0;
    std::int32_t BonusKind = 0;
    std::int32_t BigStock = 0;
    std::int32_t RegStock = 0;

private:
    inline void NormalGame();
    inline void BonusGame();
    inline void PushStock(std::int32_t kind);
    inline std::int32_t PopStock();
    inline std::int32_t drawCountdown(std::span<const std::int32_t> table,
                                      const CountdownClass* classes, std::int32_t modulus);
    bool hasStock() const { return (BigStock | RegStock) != 0; }
    /// Ends the bonus state: no bonus in progress, no JAC phase, nothing counted.
    void clearBonus() {
        BigGames = 0;
        JacGames = 0;
        JacIns = 0;
        BonusKind = 0;
        BonusEnded = 0;
        InJac = 0;
    }

    Random m_random;
    int m_table = 0; ///< index of the per-level tables, 0..5
};

// ---- draws ------------------------------------------------------------------------------

template <class Random> inline std::int32_t BasicSlot<Random>::DrawBonus() {
    const std::int32_t v = m_random.Next() & (kBonusModulus - 1);
    const auto& t = BonusDrawTable[m_table];
    // Almost every draw falls beyond the two weights: test that first.
    if (v >= t[0] + t[1]) return 2;
    return v < t[0] ? 0 : 1;
}

template <class Random> inline std::int32_t BasicSlot<Random>::DrawRole() {
    const std::int32_t v = m_random.Next() & (kRoleModulus - 1);
    // Three draws in four fall beyond the seven weights: an ordinary miss.
    if (v >= kRoleTotals[m_table]) return OutcomeCode::Miss;
    const std::int32_t i = LotteryDraw(RoleDrawTable[m_table], v);
    return i == 7 ? OutcomeCode::Miss : i + 1;
}

template <class Random>
inline std::int32_t BasicSlot<Random>::drawCountdown(std::span<const std::int32_t> table,
                                                     const CountdownClass* classes,
                                                     std::int32_t modulus) {
    const std::int32_t v = m_random.Next() & (modulus - 1);
    const CountdownClass c = classes[LotteryDraw(table, v)];
    if (c.size == 0) return c.base;
    return c.base + m_random.Next() % c.size;
}

template <class Random> inline std::int32_t BasicSlot<Random>::DrawFirstRelease() {
    return drawCountdown(FirstReleaseTable[m_table], FirstReleaseClasses.data(), kReleaseModulus);
}

template <class Random> inline std::int32_t BasicSlot<Random>::DrawPostBonusRelease() {
    return drawCountdown(PostBonusReleaseTable[m_table], PostBonusReleaseClasses.data(),
                         kReleaseModulus);
}

template <class Random> inline std::int32_t BasicSlot<Random>::DrawReplayRunRelease() {
    return drawCountdown(ReplayRunReleaseTable, ReplayRunReleaseClasses.data(), kReplayRunModulus);
}

template <class Random> inline std::int32_t BasicSlot<Random>::QuarterDraw() {
    return (m_random.Next() & 3) == 0 ? 0 : 1;
}

template <class Random> inline std::int32_t BasicSlot<Random>::DrawBigRole() {
    const std::int32_t i = LotteryDraw(BigRoleDrawTable, m_random.Next() & (kBigRoleModulus - 1));
    return i == 4 ? 0 : i + 1;
}

// ---- game cycle -------------------------------------------------------------------------

template <class Random> inline void BasicSlot<Random>::PushStock(std::int32_t kind) {
    std::int32_t& count = kind == 0 ? BigStock : RegStock;
    // The cap keeps the ring from ever filling: at most 510 of its 512 slots are in use.
    if (count >= kStockCap) return;
    ++count;
    std::int32_t& write = StockQueue[kWriteIndex];
    StockQueue[static_cast<std::size_t>(write)] = kind;
    if (write == StockQueue[kReadIndex]) ReleaseCountdown = DrawFirstRelease();
    write = (write + 1) & (kRingSize - 1);
}

template <class Random> inline std::int32_t BasicSlot<Random>::PopStock() {
    std::int32_t& read = StockQueue[kReadIndex];
    const std::int32_t entry = StockQueue[static_cast<std::size_t>(read)];
    read = (read + 1) & (kRingSize - 1);
    return entry;
}

template <class Random> inline void BasicSlot<Random>::NormalGame() {
    // 1. Countdown, only while something is stocked.
    if (hasStock()) --ReleaseCountdown;

    // 2. Bonus lottery.
    const std::int32_t k = DrawBonus();
    if (k == 0 || k == 1) PushStock(k);

    // 3. Bet, unless the previous game was a replay.
    std::int32_t& replayRun = StockQueue[kReplayRunCount];
    if (Outcome != OutcomeCode::Replay) {
        Medals -= kNormalBet;
        replayRun = 0;
    }

    // 4., 5. Small role.
    Outcome = OutcomeCode::Miss;
    const std::int32_t a = DrawRole();

    // 6. RT release triggers. A bonus stocked in step 2 of this game already counts.
    if (RtTrigger == 0 && hasStock()) {
        if (a == OutcomeCode::Replay) {
            if (++replayRun >= 3 && QuarterDraw() == 0) {
                ReleaseCountdown = DrawReplayRunRelease();
                RtTrigger = RtTriggerCode::ReplayRun;
            }
        } else if (a == OutcomeCode::RareReplay) {
            ReleaseCountdown = 1;
            RtTrigger = RtTriggerCode::RareReplay;
        } else if (a == OutcomeCode::PureMiss) {
            ReleaseCountdown = 1;
            RtTrigger = RtTriggerCode::PureMiss;
        }
    }

    // 7. Release. Order matters: a trigger drawn in this game may postpone a release that
    //    the countdown just reached.
    if (ReleaseCountdown != 0) {
        Outcome = a;
    } else {
        if (hasStock()) {
            if (PopStock() == 0) {
                BonusKind = 1;
                --BigStock;
            } else {
                BonusKind = 2;
                --RegStock;
            }
        }
        if (BonusKind != 0) {
            if (RtTrigger == RtTriggerCode::None) RtTrigger = RtTriggerCode::Countdown;
            // The small role of a release game is dropped: neither recorded nor paid.
            Outcome = BonusKind == 1 ? OutcomeCode::BigRelease : OutcomeCode::RegRelease;
        } else {
            Outcome = a;
        }
    }

    // 8. Payout.
    Medals += kNormalPayout[static_cast<std::size_t>(Outcome)];
}

template <class Random> inline void BasicSlot<Random>::BonusGame() {
    Outcome = OutcomeCode::Miss;
    if (BonusKind == 1) {
        if (InJac != 0) {
            ++JacGames;
            Medals += kJacPay - kJacBet;
            Outcome = OutcomeCode::Jac;
            if (JacGames % kJacPhaseGames == 0) {
                InJac = 0;
                if (JacGames == kBigMaxJacGames || BigGames == kBigSmallRoleGames) BonusEnded = 1;
            }
        } else {
            ++BigGames;
            Medals -= kBigGameBet;
            switch (DrawBigRole()) {
            case 1:
                Medals += kFrogPay;
                Outcome = OutcomeCode::Frog;
                break;
            case 2:
                Medals += kBigCherryPay;
                Outcome = OutcomeCode::Cherry4;
                break;
            case 3:
                Medals += kBigBellPay;
                Outcome = OutcomeCode::Bell;
                break;
            case 4:
                // The first two JAC-INs are always taken, a third only from game 21 on.
                if (BigGames > kDodgeUntilGame || JacIns < kAlwaysTakenJacIns) {
                    Medals += kJacInPay;
                    InJac = 1;
                    ++JacIns;
                    Outcome = OutcomeCode::JacIn;
                } else {
                    Outcome = OutcomeCode::ReplayDodge;
                }
                break;
            default:
                break;
            }
            if (BigGames == kBigSmallRoleGames && Outcome != OutcomeCode::JacIn) BonusEnded = 1;
        }
        if (BonusEnded != 0) ReleaseCountdown = hasStock() ? DrawPostBonusRelease() : kNoCountdown;
    } else {
        InJac = 1;
        BigGames = 1;
        ++JacGames;
        if (JacGames <= kRegGames) {
            Medals += kJacPay - kJacBet;
            Outcome = OutcomeCode::Jac;
        }
        if (JacGames == kRegGames) {
            BonusEnded = 1;
            ReleaseCountdown = hasStock() ? DrawPostBonusRelease() : kNoCountdown;
        }
    }
}

template <class Random> inline void BasicSlot<Random>::Play() {
    // 1. A bonus that ended on the last game is closed now, so its last record still shows it.
    if (BonusEnded != 0) {
        clearBonus();
        SinceBonus = 0;
    }
    if (BonusKind != 0) {
        // 2. Bonus game.
        RtTrigger = 0;
        BonusGame();
    } else {
        // 3. Normal game.
        ++SinceBonus;
        ++TotalPlays;
        NormalGame();
    }
}

template <class Random> void BasicSlot<Random>::SetFlevel(std::int32_t level) {
    Flevel = level;
    m_table = (level < 1 ? 1 : level > kLevelCount ? kLevelCount : level) - 1;
    Reset();
}

template <class Random> void BasicSlot<Random>::Reset() {
    SinceBonus = 0;
    TotalPlays = 0;
    Medals = 0;
    ReleaseCountdown = hasStock() ? DrawPostBonusRelease() : kNoCountdown;
    RtTrigger = RtTriggerCode::None;
    clearBonus();
}

template <class Random> void BasicSlot<Random>::ClearStock() {
    StockQueue[kReadIndex] = 0;
    StockQueue[kWriteIndex] = 0;
    BigStock = 0;
    RegStock = 0;
}

/// The machine of the program.
using TSlot = BasicSlot<RandomSource>;
extern template class BasicSlot<RandomSource>;
static_assert(sizeof(TSlot::StockQueue) == (512 + 3) * sizeof(std::int32_t),
              "the stock ring and its three words");

} // namespace zenoku
