#include "machine/ScriptedRandom.h"
#include "sim/Run.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace zenoku {
namespace {

using namespace test;

/// The nine recorded values after a game, in record order.
std::vector<std::int32_t> recorded(const ScriptedSlot& s) {
    return {s.SinceBonus, s.Medals,   s.TotalPlays, s.BonusKind, s.Outcome,
            s.RtTrigger,  s.BigGames, s.BigStock,   s.RegStock};
}

ScriptedSlot freshSlot() {
    ScriptedSlot slot(0);
    slot.SetFlevel(1); // no stock: no draw
    return slot;
}

TEST(Slot, WorkedTraceOfABigReleasedByARareReplay) {
    ScriptedSlot slot = freshSlot();
    struct Game {
        std::vector<std::int32_t> draws;
        std::vector<std::int32_t> record;
    };
    const Game games[] = {
        // BIG stocked into an empty queue: countdown class 1 (151); bell pays 8.
        {{kBonusBig, 18, kRoleBell}, {1, 5, 1, 0, 1, 0, 0, 1, 0}},
        {{kBonusNone, kRoleReplay}, {2, 2, 2, 0, 5, 0, 0, 1, 0}},
        // Free game after the replay; the rare replay sets the countdown to 1.
        {{kBonusNone, kRoleRareReplay}, {3, 2, 3, 0, 6, 2, 0, 1, 0}},
        // Countdown reaches 0: the BIG is released, the small role is dropped.
        {{kBonusNone, kRoleBell}, {4, 14, 4, 1, 8, 2, 0, 0, 0}},
        {{kBigFrog}, {4, 26, 4, 1, 10, 0, 1, 0, 0}},
        {{kBigJacIn}, {4, 38, 4, 1, 13, 0, 2, 0, 0}},
    };
    for (std::size_t g = 0; g < std::size(games); ++g) {
        SCOPED_TRACE(g + 1);
        slot.random().push({});
        for (std::int32_t v : games[g].draws)
            slot.random().push({v});
        slot.Play();
        EXPECT_EQ(recorded(slot), games[g].record);
        EXPECT_EQ(slot.random().left(), 0u);
    }
    for (int jac = 1; jac <= 8; ++jac) {
        SCOPED_TRACE(jac);
        slot.Play(); // JAC games draw nothing
        EXPECT_EQ(recorded(slot),
                  (std::vector<std::int32_t>{4, 38 + 14 * jac, 4, 1, 11, 0, 2, 0, 0}));
    }
    EXPECT_EQ(slot.InJac, 0);
    EXPECT_EQ(slot.BonusEnded, 0); // the BIG goes on after its first JAC phase
}

TEST(Slot, BonusAtTheCapIsLostWithoutAnyEffect) {
    ScriptedSlot slot = freshSlot();
    slot.BigStock = 255;
    slot.StockQueue[TSlot::kWriteIndex] = 255;
    slot.ReleaseCountdown = 700;
    slot.Outcome = OutcomeCode::Replay; // no bet, keeps the example simple
    slot.random().push({kBonusBig, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.BigStock, 255);
    EXPECT_EQ(slot.StockQueue[TSlot::kWriteIndex], 255);
    EXPECT_EQ(slot.ReleaseCountdown, 699); // lowered, not redrawn
    // The other kind can still be stocked.
    slot.random().push({kBonusReg, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.RegStock, 1);
    EXPECT_EQ(slot.StockQueue[255], 1);
}

TEST(Slot, QueueWrapsAndReleasesOldestFirst) {
    ScriptedSlot slot = freshSlot();
    slot.StockQueue[TSlot::kWriteIndex] = 511;
    slot.StockQueue[TSlot::kReadIndex] = 511;
    // REG into the empty queue at slot 511, countdown 1 + 1 mod 150 = 2.
    slot.random().push({kBonusReg, 0, 1, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.StockQueue[511], 1);
    EXPECT_EQ(slot.StockQueue[TSlot::kWriteIndex], 0);
    EXPECT_EQ(slot.ReleaseCountdown, 2);
    // BIG behind it, written to slot 0 after the wrap; no new countdown.
    slot.random().push({kBonusBig, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.StockQueue[0], 0);
    EXPECT_EQ(slot.StockQueue[TSlot::kWriteIndex], 1);
    EXPECT_EQ(slot.ReleaseCountdown, 1);
    // The REG stocked first is released first.
    slot.random().push({kBonusNone, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.Outcome, OutcomeCode::RegRelease);
    EXPECT_EQ(slot.BonusKind, 2);
    EXPECT_EQ(slot.RtTrigger, 1);
    EXPECT_EQ(slot.BigStock, 1);
    EXPECT_EQ(slot.RegStock, 0);
    EXPECT_EQ(slot.StockQueue[TSlot::kReadIndex], 0);
}

TEST(Slot, RegPlaysEightJacGamesThenDrawsAPostBonusCountdown) {
    ScriptedSlot slot = freshSlot();
    slot.random().push({kBonusReg, 18, kRoleMiss}); // stocked, countdown 151
    slot.Play();
    slot.random().push({kBonusBig, kRoleMiss}); // a BIG waits behind it
    slot.Play();
    slot.ReleaseCountdown = 1;
    slot.random().push({kBonusNone, kRoleMiss});
    slot.Play();
    ASSERT_EQ(slot.Outcome, OutcomeCode::RegRelease);
    const std::int32_t medals = slot.Medals;
    for (int g = 1; g <= 8; ++g) {
        SCOPED_TRACE(g);
        if (g == 8) slot.random().push({0, 4}); // post-bonus class 0: 1 + 4 = 5
        slot.Play();
        EXPECT_EQ(slot.Outcome, OutcomeCode::Jac);
        EXPECT_EQ(slot.BigGames, 1);
        EXPECT_EQ(slot.Medals, medals + 14 * g);
        EXPECT_EQ(slot.BonusKind, 2);
    }
    EXPECT_EQ(slot.BonusEnded, 1);
    EXPECT_EQ(slot.ReleaseCountdown, 5);
    // The next game is normal again: SinceBonus 1, a bet, and the countdown runs.
    slot.random().push({kBonusNone, kRoleMiss});
    slot.Play();
    EXPECT_EQ(recorded(slot),
              (std::vector<std::int32_t>{1, medals + 112 - 3, 4, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(slot.ReleaseCountdown, 4);
}

/// Plays a BIG whose small-role games draw `roles` in turn (JAC games draw nothing) and
/// returns the outcome of every game until the BIG ends.
std::vector<std::int32_t> playBig(const std::vector<std::int32_t>& roles) {
    ScriptedSlot slot = freshSlot();
    slot.random().push({kBonusBig, 18, kRoleMiss});
    slot.Play();
    slot.ReleaseCountdown = 1;
    slot.random().push({kBonusNone, kRoleMiss});
    slot.Play();
    std::vector<std::int32_t> outcomes;
    std::size_t next = 0;
    while (slot.BonusEnded == 0) {
        if (slot.InJac == 0) slot.random().push({next < roles.size() ? roles[next++] : kBigMiss});
        slot.Play();
        outcomes.push_back(slot.Outcome);
    }
    EXPECT_EQ(slot.ReleaseCountdown, TSlot::kNoCountdown); // nothing left in stock
    return outcomes;
}

TEST(Slot, BigJacInRules) {
    auto count = [](const std::vector<std::int32_t>& v, std::int32_t code) {
        return std::count(v.begin(), v.end(), code);
    };
    {
        SCOPED_TRACE("JAC-INs on games 3, 5 and 10: the third is dodged");
        std::vector<std::int32_t> roles(30, kBigMiss);
        roles[2] = roles[4] = roles[9] = kBigJacIn;
        const auto out = playBig(roles);
        EXPECT_EQ(count(out, OutcomeCode::JacIn), 2);
        EXPECT_EQ(count(out, OutcomeCode::ReplayDodge), 1);
        EXPECT_EQ(count(out, OutcomeCode::Jac), 16);
        EXPECT_EQ(out.size(), 30u + 16u); // ends on the 30th small-role game
    }
    {
        SCOPED_TRACE("a third JAC-IN on game 21 is taken: 24 JAC games end the BIG");
        std::vector<std::int32_t> roles(30, kBigMiss);
        roles[0] = roles[1] = roles[20] = kBigJacIn;
        const auto out = playBig(roles);
        EXPECT_EQ(count(out, OutcomeCode::JacIn), 3);
        EXPECT_EQ(count(out, OutcomeCode::Jac), 24);
        EXPECT_EQ(out.back(), OutcomeCode::Jac);
        EXPECT_EQ(out.size(), 21u + 24u);
    }
    {
        SCOPED_TRACE("a JAC-IN on the 30th game ends the BIG after its JAC phase");
        std::vector<std::int32_t> roles(30, kBigMiss);
        roles[0] = roles[29] = kBigJacIn;
        const auto out = playBig(roles);
        EXPECT_EQ(count(out, OutcomeCode::Jac), 16);
        EXPECT_EQ(out.size(), 30u + 16u);
        EXPECT_EQ(out.back(), OutcomeCode::Jac);
    }
}

TEST(Slot, TriggerOnTheGameTheCountdownReachesZeroPostponesTheRelease) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> draws; // after the bonus draw of the game at countdown 1
        std::int32_t trigger;
        std::int32_t countdown;
    };
    const Case cases[] = {
        {"rare replay", {kRoleRareReplay}, 2, 1},
        {"pure miss", {kRolePureMiss}, 3, 1},
        // Third replay in a row with a successful one-in-four test: class 2, 17 + 3.
        {"replay run", {kRoleReplay, 0, 64, 3}, 4, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSlot slot = freshSlot();
        slot.random().push({kBonusBig, 18, kRoleMiss});
        slot.Play();
        slot.StockQueue[TSlot::kReplayRunCount] = 2;
        slot.Outcome = OutcomeCode::Replay;
        slot.ReleaseCountdown = 1;
        slot.random().push({kBonusNone});
        for (std::int32_t v : c.draws)
            slot.random().push({v});
        slot.Play();
        EXPECT_EQ(slot.BonusKind, 0);
        EXPECT_EQ(slot.RtTrigger, c.trigger);
        EXPECT_EQ(slot.ReleaseCountdown, c.countdown);
        EXPECT_EQ(slot.random().left(), 0u);
    }
}

TEST(Slot, ReplayWithoutStockDoesNotCountAndResetKeepsOutcomeAndStock) {
    ScriptedSlot slot = freshSlot();
    slot.random().push({kBonusNone, kRoleReplay});
    slot.Play();
    EXPECT_EQ(slot.StockQueue[TSlot::kReplayRunCount], 0);
    EXPECT_EQ(slot.ReleaseCountdown, TSlot::kNoCountdown); // never lowered without stock

    // Stock a BIG, then reset: the stock survives and a post-bonus countdown is drawn.
    slot.random().push({kBonusBig, 18, kRoleReplay});
    slot.Play();
    EXPECT_EQ(slot.Medals, -3); // the second game was free after the replay
    EXPECT_EQ(slot.StockQueue[TSlot::kReplayRunCount], 1);
    slot.random().push({0, 0}); // post-bonus class 0: countdown 1
    slot.Reset();
    EXPECT_EQ(slot.BigStock, 1);
    EXPECT_EQ(slot.ReleaseCountdown, 1);
    EXPECT_EQ(slot.Outcome, OutcomeCode::Replay);
    EXPECT_EQ(slot.TotalPlays, 0);
    EXPECT_EQ(slot.Medals, 0);
    // The first game after Reset is free, since the last one was a replay.
    slot.random().push({kBonusNone, kRoleMiss});
    slot.Play();
    EXPECT_EQ(slot.Medals, 15); // released at once: no bet, pays 15
    EXPECT_EQ(slot.Outcome, OutcomeCode::BigRelease);

    // ClearStock empties the queue but keeps the countdown and the replay run.
    ScriptedSlot other = freshSlot();
    other.random().push({kBonusReg, 18, kRoleMiss});
    other.Play();
    other.StockQueue[TSlot::kReplayRunCount] = 2;
    other.ClearStock();
    EXPECT_EQ(other.RegStock, 0);
    EXPECT_EQ(other.StockQueue[TSlot::kReadIndex], 0);
    EXPECT_EQ(other.StockQueue[TSlot::kWriteIndex], 0);
    EXPECT_EQ(other.ReleaseCountdown, 151);
    EXPECT_EQ(other.StockQueue[TSlot::kReplayRunCount], 2);
    other.random().push({kBonusNone, kRoleMiss});
    other.Play();
    EXPECT_EQ(other.ReleaseCountdown, 151); // not counted down without stock
}

} // namespace
} // namespace zenoku
