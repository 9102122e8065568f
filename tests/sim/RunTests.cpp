#include "sim/Run.h"
#include "sim/StartInputs.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>

namespace zenoku {
namespace {

/// FNV-1a over every value of the history, in record order.
std::uint64_t checksum(const PlayHistory& h) {
    std::uint64_t x = 1469598103934665603ull;
    for (const PlayRecord& r : h)
        for (std::size_t s = 0; s < kSeriesCount; ++s) {
            x ^= static_cast<std::uint32_t>(r.*kSeriesMembers[s]);
            x *= 1099511628211ull;
        }
    return x;
}

void expectRunInvariants(const PlayHistory& h, std::int32_t plays) {
    ASSERT_FALSE(h.empty());
    EXPECT_EQ(h.back().TotalPlays, plays);
    std::int32_t normal = 0;
    for (std::size_t k = 0; k < h.size(); ++k) {
        const PlayRecord& r = h[k];
        if (r.isNormalGame()) {
            ++normal;
            EXPECT_EQ(r.TotalPlays, normal) << "entry " << k;
        } else {
            // A bonus game repeats the release game's play count, which is below N.
            EXPECT_LT(r.TotalPlays, plays) << "entry " << k;
        }
    }
    EXPECT_EQ(normal, plays);
    EXPECT_TRUE(h[0].isNormalGame());
}

TEST(Run, InvariantsHoldAtEveryLevel) {
    TSlot slot(20261210);
    for (std::int32_t level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const PlayedRun run = RunSimulation(slot, {20000, level, false});
        EXPECT_EQ(run.header, (SimHeader{level, 20000}));
        EXPECT_FALSE(run.hidden);
        EXPECT_EQ(slot.GetFlevel(), level);
        const PlayHistory& h = *run.history;
        expectRunInvariants(h, 20000);
        EXPECT_GT(h.size(), 20000u); // bonuses were played
    }
}

TEST(Run, FixedSeedGivesAFixedHistory) {
    auto play = [] {
        TSlot slot(1);
        return *RunSimulation(slot, {100000, 6, false}).history;
    };
    const PlayHistory a = play();
    EXPECT_EQ(a.size(), 114920u);
    EXPECT_EQ(checksum(a), 4201294872557216907ull);
    EXPECT_TRUE(a == play());
}

TEST(Run, BonusReleasedOnTheLastGameIsNotPlayed) {
    // Find seeds whose one-game run releases a bonus at once: stock carried over with a
    // countdown of 1 left by Reset.
    TSlot slot(7);
    int found = 0;
    for (int i = 0; i < 200000 && found < 3; ++i) {
        const PlayedRun run = RunSimulation(slot, {1, 1, false});
        const PlayHistory& h = *run.history;
        ASSERT_FALSE(h.empty());
        EXPECT_EQ(h.back().TotalPlays, 1);
        if (h.back().BonusKind != 0) {
            ++found;
            ASSERT_EQ(h.size(), 1u);
            EXPECT_TRUE(h[0].Outcome == 8 || h[0].Outcome == 9);
            EXPECT_EQ(h[0].BigGames, 0);
        }
    }
    EXPECT_EQ(found, 3);
}

TEST(Run, StockCarriesOverUnlessCleared) {
    TSlot slot(99);
    // Play until a run ends with stock left.
    for (int i = 0; i < 100 && slot.BigStock + slot.RegStock == 0; ++i)
        RunSimulation(slot, {500, 6, false});
    ASSERT_GT(slot.BigStock + slot.RegStock, 0);
    const std::int32_t big = slot.BigStock;
    const std::int32_t reg = slot.RegStock;

    TSlot kept = slot;
    const PlayRecord keptFirst = (*RunSimulation(kept, {1, 6, false}).history)[0];
    EXPECT_GE(keptFirst.BigStock + keptFirst.RegStock, 1);
    EXPECT_LE(keptFirst.BigStock, big + 1);
    EXPECT_GE(keptFirst.BigStock + keptFirst.RegStock, big + reg - 1);

    const PlayRecord clearedFirst = (*RunSimulation(slot, {1, 6, true}).history)[0];
    // Only what the first game itself stocked.
    EXPECT_LE(clearedFirst.BigStock + clearedFirst.RegStock, 1);
}

TEST(Run, HiddenLevelIsTheFirstValueOfTheRunAndEvenlySpread) {
    // A fresh machine's first value is known from its seed (346 after seed 0, 1410184549
    // after seed 1): the hidden level is that value mod 6, plus 1.
    const std::pair<std::uint32_t, std::int32_t> firsts[] = {{0, 5}, {1, 2}};
    for (auto [seed, level] : firsts) {
        TSlot slot(seed);
        const PlayedRun run = RunSimulation(slot, {1, kHiddenLevel, true});
        EXPECT_TRUE(run.hidden);
        EXPECT_EQ(run.header.level, level) << seed;
        EXPECT_EQ(slot.GetFlevel(), level);
    }

    TSlot slot(5);
    std::array<int, kLevelCount> seen{};
    constexpr int kRuns = 6000;
    for (int i = 0; i < kRuns; ++i) {
        const PlayedRun run = RunSimulation(slot, {1, kHiddenLevel, true});
        ASSERT_TRUE(run.hidden);
        ASSERT_GE(run.header.level, 1);
        ASSERT_LE(run.header.level, kLevelCount);
        ++seen[static_cast<std::size_t>(run.header.level - 1)];
    }
    for (int level = 1; level <= kLevelCount; ++level)
        EXPECT_NEAR(seen[static_cast<std::size_t>(level - 1)], kRuns / 6, 150) << level;
}

TEST(Run, ARunInReusedStorageHoldsOnlyItsOwnGames) {
    TSlot slot(3);
    PlayedRun first = RunSimulation(slot, {5000, 1, false});
    PlayHistory reused = reclaimStorage(std::move(first.history));
    EXPECT_GE(reused.capacity(), 5000u); // the first run's memory comes back
    const PlayedRun second = RunSimulation(slot, {10, 1, false}, std::move(reused));
    expectRunInvariants(*second.history, 10);
}

TEST(Run, StorageStillSharedIsNotReclaimed) {
    TSlot slot(3);
    PlayedRun run = RunSimulation(slot, {100, 1, false});
    const std::shared_ptr<const PlayHistory> shown = run.history; // a window still shows it
    const PlayHistory copy = *shown;
    EXPECT_EQ(reclaimStorage(std::move(run.history)).capacity(), 0u);
    RunSimulation(slot, {50, 1, false});
    EXPECT_TRUE(*shown == copy);
}

} // namespace
} // namespace zenoku
