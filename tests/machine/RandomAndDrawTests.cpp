#include "machine/LotteryTables.h"
#include "machine/RandomSource.h"
#include "machine/ScriptedRandom.h"

#include <gtest/gtest.h>
#include <vector>

namespace zenoku {
namespace {

using test::ScriptedSlot;

TEST(RandomSource, SeedVectors) {
    struct Case {
        std::uint32_t seed;
        std::uint32_t low;
        std::vector<std::int32_t> first;
    };
    const Case cases[] = {
        {0, 1, {346, 13854878, 1621890440, 816282396, 1778554774}},
        {1, 22695478, {1410184549, 672584604, 1915668986, 576821944, 167078712}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        RandomSource r;
        r.Seed(c.seed);
        EXPECT_EQ(r.low(), c.low);
        EXPECT_EQ(r.high(), 0u);
        for (std::int32_t expected : c.first)
            EXPECT_EQ(r.Next(), expected);
    }
}

TEST(LotteryDraw, IntervalsAreHalfOpenAndBeyondIsTheEntryCount) {
    const std::array<std::int32_t, 3> w{5, 0, 3};
    const std::pair<std::int32_t, std::int32_t> cases[] = {{-1, 3}, {0, 0}, {4, 0},   {5, 2},
                                                           {7, 2},  {8, 3}, {1000, 3}};
    for (auto [v, index] : cases) {
        SCOPED_TRACE(v);
        EXPECT_EQ(LotteryDraw(w, v), index);
    }
}

struct DrawCase {
    const char* name;
    std::int32_t level;
    std::int32_t value;
    std::int32_t expected;
};

// Boundary values of every table, checked through the machine's draw operations so the
// index-to-result mapping is covered too.
TEST(Draws, BonusAndRoleBoundaries) {
    const DrawCase bonus[] = {
        {"L1 last BIG", 1, 151, 0}, {"L1 first REG", 1, 152, 1},
        {"L1 last REG", 1, 227, 1}, {"L1 beyond", 1, 228, 2},
        {"L1 top", 1, 65535, 2},    {"L4 last REG", 4, 255, 1},
        {"L4 beyond", 4, 256, 2},   {"L6 last REG", 6, 291, 1},
        {"L6 beyond", 6, 292, 2},   {"reduced mod 65536", 1, 65536 + 151, 0},
    };
    for (const DrawCase& c : bonus) {
        SCOPED_TRACE(c.name);
        ScriptedSlot slot(0);
        slot.Flevel = c.level;
        slot.SetFlevel(c.level);
        slot.random().push({c.value});
        EXPECT_EQ(slot.DrawBonus(), c.expected);
    }
    const DrawCase role[] = {
        {"bell", 1, 0, 1},
        {"orange", 1, 3808676, 2},
        {"last rare replay", 1, 8839548, 6},
        {"first pure miss", 1, 8839549, 7},
        {"last pure miss", 1, 8841596, 7},
        {"beyond", 1, 8841597, 0},
        {"L6 last rare replay", 6, 8839540, 6},
        {"L6 first pure miss", 6, 8839541, 7},
        {"L6 last pure miss", 6, 8841588, 7},
        {"L6 beyond", 6, 8841589, 0},
        {"reduced mod 2^25", 1, 33554432 + 3808676, 2},
    };
    for (const DrawCase& c : role) {
        SCOPED_TRACE(c.name);
        ScriptedSlot slot(0);
        slot.SetFlevel(c.level);
        slot.random().push({c.value});
        EXPECT_EQ(slot.DrawRole(), c.expected);
    }
    const DrawCase big[] = {
        {"frog", 1, 0, 1},        {"last frog", 1, 13551, 1},
        {"cherry", 1, 13552, 2},  {"last cherry", 1, 13556, 2},
        {"bell", 1, 13557, 3},    {"last bell", 1, 13622, 3},
        {"JAC-IN", 1, 13623, 4},  {"last JAC-IN", 1, 16382, 4},
        {"no role", 1, 16383, 0},
    };
    for (const DrawCase& c : big) {
        SCOPED_TRACE(c.name);
        ScriptedSlot slot(0);
        slot.random().push({c.value});
        EXPECT_EQ(slot.DrawBigRole(), c.expected);
    }
}

// Countdown draws: class from the first value, range from a second one; fixed classes take
// one value only.
TEST(Draws, CountdownClassesAndValuesConsumed) {
    struct Case {
        const char* name;
        int kind; // 0 first release, 1 post-bonus release, 2 replay run
        std::int32_t level;
        std::vector<std::int32_t> values;
        std::int32_t expected;
    };
    const Case cases[] = {
        {"first: class 0 low", 0, 1, {0, 0}, 1},
        {"first: class 0 high", 0, 1, {17, 149}, 150},
        {"first: class 1 fixed", 0, 1, {18}, 151},
        {"first: class 3 fixed", 0, 1, {56}, 248},
        {"first: class 4 spans 73", 0, 1, {104, 72}, 321},
        {"first: class 5 fixed", 0, 1, {108}, 313},
        {"first: class 7 fixed", 0, 1, {174}, 378},
        {"first: L1 v=511 is class 15", 0, 1, {511, 31}, 1498},
        {"first: L2 v=510 is class 14", 0, 2, {510, 0}, 1211},
        {"first: L2 v=511 is class 14", 0, 2, {511, 255}, 1466},
        {"post: L1 v=0 is class 0", 1, 1, {0, 21}, 22},
        {"post: L1 v=53 is class 0", 1, 1, {53, 0}, 1},
        {"post: L1 v=502 is class 19", 1, 1, {502, 0}, 1819},
        {"post: L1 v=511 is class 19", 1, 1, {511, 31}, 1850},
        {"post: class 8 spans 128", 1, 1, {54 + 112 + 124 + 52 + 28 + 18 + 12 + 20, 127}, 634},
        {"post: remainder of the whole value", 1, 1, {0, 22 * 1000 + 5}, 6},
        {"replay: v=47 is class 0", 2, 1, {47, 7}, 8},
        {"replay: v=48 is class 1", 2, 1, {48, 0}, 9},
        {"replay: v=63 is class 1", 2, 1, {63, 7}, 16},
        {"replay: v=64 is class 2", 2, 1, {64, 15}, 32},
        {"replay: v=223 is class 2", 2, 1, {223, 0}, 17},
        {"replay: v=224 is class 3", 2, 1, {224, 31}, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedSlot slot(0);
        slot.SetFlevel(c.level);
        for (std::int32_t v : c.values)
            slot.random().push({v});
        const std::int32_t got = c.kind == 0   ? slot.DrawFirstRelease()
                                 : c.kind == 1 ? slot.DrawPostBonusRelease()
                                               : slot.DrawReplayRunRelease();
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(slot.random().left(), 0u);
    }
}

TEST(Draws, QuarterDrawUsesTheLowTwoBits) {
    ScriptedSlot slot(0);
    slot.random().push({0, 1, 2, 3, 4, 2147483644});
    const std::int32_t expected[] = {0, 1, 1, 1, 0, 0};
    for (std::int32_t e : expected)
        EXPECT_EQ(slot.QuarterDraw(), e);
}

TEST(Draws, EveryCountdownIsAtLeastOne) {
    TSlot slot(12345);
    for (int level = 1; level <= 6; ++level) {
        slot.SetFlevel(level);
        for (int i = 0; i < 20000; ++i) {
            ASSERT_GE(slot.DrawFirstRelease(), 1);
            ASSERT_LE(slot.DrawFirstRelease(), 1498);
            ASSERT_GE(slot.DrawPostBonusRelease(), 1);
            ASSERT_LE(slot.DrawPostBonusRelease(), 1850);
            const std::int32_t r = slot.DrawReplayRunRelease();
            ASSERT_TRUE(r >= 1 && r <= 64);
        }
    }
}

TEST(Tables, PostBonusTablesTotalTheirModulus) {
    for (const auto& t : PostBonusReleaseTable)
        EXPECT_EQ(tableTotal(t), 512);
    const std::int32_t firstTotals[] = {512, 514, 512, 512, 512, 512};
    for (int l = 0; l < 6; ++l)
        EXPECT_EQ(tableTotal(FirstReleaseTable[l]), firstTotals[l]);
    const std::int32_t bonusTotals[] = {228, 228, 248, 256, 276, 292};
    for (int l = 0; l < 6; ++l)
        EXPECT_EQ(tableTotal(BonusDrawTable[l]), bonusTotals[l]);
}

} // namespace
} // namespace zenoku
