#include "sim/Run.h"
#include "sim/StartInputs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

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
    PlayHistory h;
    for (std::int32_t level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        const RunReport report = RunSimulation(slot, {20000, level, false}, h);
        EXPECT_EQ(report.level, level);
        EXPECT_FALSE(report.hidden);
        EXPECT_EQ(slot.GetFlevel(), level);
        expectRunInvariants(h, 20000);
        EXPECT_GT(h.size(), 20000u); // bonuses were played
    }
}

TEST(Run, FixedSeedGivesAFixedHistory) {
    auto play = [] {
        TSlot slot(1);
        PlayHistory h;
        RunSimulation(slot, {100000, 6, false}, h);
        return h;
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
    PlayHistory h;
    int found = 0;
    for (int i = 0; i < 200000 && found < 3; ++i) {
        RunSimulation(slot, {1, 1, false}, h);
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
    PlayHistory h;
    // Play until a run ends with stock left.
    for (int i = 0; i < 100 && slot.BigStock + slot.RegStock == 0; ++i)
        RunSimulation(slot, {500, 6, false}, h);
    ASSERT_GT(slot.BigStock + slot.RegStock, 0);
    const std::int32_t big = slot.BigStock;
    const std::int32_t reg = slot.RegStock;

    TSlot kept = slot;
    RunSimulation(kept, {1, 6, false}, h);
    EXPECT_GE(h[0].BigStock + h[0].RegStock, 1);
    EXPECT_LE(h[0].BigStock, big + 1);
    EXPECT_GE(h[0].BigStock + h[0].RegStock, big + reg - 1);

    RunSimulation(slot, {1, 6, true}, h);
    EXPECT_LE(h[0].BigStock + h[0].RegStock, 1); // only what the first game itself stocked
}

TEST(Run, HiddenLevelIsDrawnFromTheSameSourceAndEvenlySpread) {
    TSlot slot(5);
    PlayHistory h;
    std::array<int, 7> seen{};
    constexpr int kRuns = 6000;
    for (int i = 0; i < kRuns; ++i) {
        // The draw is (Next mod 6) + 1 taken right before SetFlevel.
        RandomSource probe = slot.random();
        const std::int32_t expected = probe.Next() % 6 + 1;
        const RunReport report = RunSimulation(slot, {1, kHiddenLevel, true}, h);
        ASSERT_TRUE(report.hidden);
        ASSERT_EQ(report.level, expected);
        ASSERT_EQ(slot.GetFlevel(), expected);
        ++seen[static_cast<std::size_t>(report.level)];
    }
    for (int level = 1; level <= 6; ++level)
        EXPECT_NEAR(seen[static_cast<std::size_t>(level)], kRuns / 6, 150) << level;
}

TEST(Run, SecondRunReplacesTheFirst) {
    TSlot slot(3);
    PlayHistory h;
    RunSimulation(slot, {5000, 1, false}, h);
    RunSimulation(slot, {10, 1, false}, h);
    expectRunInvariants(h, 10);
}

} // namespace
} // namespace zenoku
