#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zenoku {

/// Weighted draw over `weights` with the draw value `v`: the index of the first entry whose
/// half-open interval [S, S + w) holds v, or the entry count when v lies at or beyond the
/// total (or is negative). Weights are positive; a zero weight never matches.
constexpr std::int32_t LotteryDraw(std::span<const std::int32_t> weights, std::int32_t v) {
    const auto n = static_cast<std::int32_t>(weights.size());
    if (v < 0) return n;
    std::int32_t upper = 0;
    for (std::int32_t i = 0; i < n; ++i) {
        upper += weights[static_cast<std::size_t>(i)];
        if (v < upper) return i;
    }
    return n;
}

/// A countdown class of a release table: a fixed countdown (`size` 0) or the range
/// base + (r' mod size), where r' is a second value taken from the random source.
struct CountdownClass {
    std::int32_t base;
    std::int32_t size;
};

inline constexpr int kLevelCount = 6;

/// BIG and REG weights of the bonus lottery, per setting level (modulus 65536).
inline constexpr std::array<std::array<std::int32_t, 2>, kLevelCount> BonusDrawTable{{
    {152, 76},
    {152, 76},
    {164, 84},
    {168, 88},
    {180, 96},
    {188, 104},
}};
inline constexpr std::int32_t kBonusModulus = 65536;

/// Small-role weights of a normal game, per setting level (modulus 2^25): bell, orange,
/// 2-medal cherry, 4-medal cherry, replay, rare replay, pure miss. Only the rare replay
/// differs between levels.
inline constexpr std::array<std::array<std::int32_t, 7>, kLevelCount> RoleDrawTable{{
    {3808676, 258051, 83968, 83968, 4597757, 7129, 2048},
    {3808676, 258051, 83968, 83968, 4597757, 7129, 2048},
    {3808676, 258051, 83968, 83968, 4597757, 7127, 2048},
    {3808676, 258051, 83968, 83968, 4597757, 7126, 2048},
    {3808676, 258051, 83968, 83968, 4597757, 7123, 2048},
    {3808676, 258051, 83968, 83968, 4597757, 7121, 2048},
}};
inline constexpr std::int32_t kRoleModulus = 33554432;

/// Countdown classes set by a run of replays, one table for all levels (modulus 256).
inline constexpr std::array<std::int32_t, 4> ReplayRunReleaseTable{48, 16, 160, 32};
inline constexpr std::array<CountdownClass, 4> ReplayRunReleaseClasses{{
    {1, 8},
    {9, 8},
    {17, 16},
    {33, 32},
}};
inline constexpr std::int32_t kReplayRunModulus = 256;

/// Countdown classes drawn when a bonus enters an empty stock, per level (modulus 512).
/// Level 2 totals 514: index 15 is never reached there.
inline constexpr std::array<std::array<std::int32_t, 16>, kLevelCount> FirstReleaseTable{{
    {18, 32, 6, 48, 4, 64, 2, 64, 2, 128, 4, 72, 4, 48, 2, 14},
    {18, 48, 6, 48, 4, 64, 2, 128, 4, 128, 4, 48, 4, 4, 2, 2},
    {18, 32, 6, 48, 4, 64, 2, 64, 2, 128, 4, 72, 4, 48, 2, 14},
    {18, 48, 6, 48, 4, 64, 2, 128, 2, 128, 4, 48, 4, 4, 2, 2},
    {18, 32, 6, 48, 4, 64, 2, 128, 2, 128, 4, 48, 4, 16, 2, 6},
    {18, 24, 6, 32, 4, 48, 2, 48, 2, 128, 4, 128, 4, 48, 2, 14},
}};
/// Index 4 spans 73 values and so overlaps the fixed 313 of index 5: the ranges are as the
/// machine has them.
inline constexpr std::array<CountdownClass, 16> FirstReleaseClasses{{
    {1, 150},
    {151, 0},
    {152, 96},
    {248, 0},
    {249, 73},
    {313, 0},
    {314, 64},
    {378, 0},
    {379, 128},
    {507, 64},
    {571, 256},
    {827, 64},
    {891, 256},
    {1147, 64},
    {1211, 256},
    {1467, 32},
}};
inline constexpr std::int32_t kReleaseModulus = 512;

/// Countdown classes drawn when a bonus ends (or a run resets) with stock left, per level
/// (modulus 512). Index 8 spans 128 values and overlaps index 9, as the machine has it.
inline constexpr std::array<std::array<std::int32_t, 20>, kLevelCount> PostBonusReleaseTable{{
    {54, 112, 124, 52, 28, 18, 12, 20, 20, 14, 10, 10, 6, 4, 6, 4, 2, 2, 4, 10},
    {56, 116, 128, 56, 32, 18, 12, 18, 20, 12, 8, 10, 4, 4, 4, 4, 2, 2, 2, 4},
    {54, 112, 124, 52, 28, 18, 12, 20, 20, 14, 10, 10, 6, 4, 6, 4, 2, 2, 4, 10},
    {60, 116, 128, 56, 32, 18, 12, 16, 20, 10, 8, 10, 4, 4, 4, 4, 2, 2, 2, 4},
    {68, 124, 132, 56, 24, 14, 10, 16, 18, 10, 6, 8, 4, 4, 4, 4, 2, 2, 2, 4},
    {54, 112, 124, 54, 36, 22, 14, 20, 20, 12, 8, 10, 4, 4, 4, 4, 2, 2, 2, 4},
}};
inline constexpr std::array<CountdownClass, 20> PostBonusReleaseClasses{{
    {1, 22},    {23, 32},    {55, 64},   {119, 65},   {184, 64},  {248, 65},  {313, 65},
    {378, 129}, {507, 128},  {571, 128}, {699, 128},  {827, 64},  {891, 128}, {1019, 128},
    {1147, 64}, {1211, 256}, {1467, 32}, {1499, 256}, {1755, 64}, {1819, 32},
}};

/// Small-role weights of a BIG small-role game, one table for all levels (modulus 16384):
/// frog, 4-medal cherry, bell, JAC-IN attempt. The total is 16383: one value yields no role.
inline constexpr std::array<std::int32_t, 4> BigRoleDrawTable{13552, 5, 66, 2760};
inline constexpr std::int32_t kBigRoleModulus = 16384;

template <std::size_t N> constexpr std::int32_t tableTotal(const std::array<std::int32_t, N>& t) {
    std::int32_t s = 0;
    for (auto w : t)
        s += w;
    return s;
}

inline constexpr std::array<std::int32_t, kLevelCount> kRoleTotals{
    tableTotal(RoleDrawTable[0]), tableTotal(RoleDrawTable[1]), tableTotal(RoleDrawTable[2]),
    tableTotal(RoleDrawTable[3]), tableTotal(RoleDrawTable[4]), tableTotal(RoleDrawTable[5])};

// A release table must cover its whole modulus, or a draw could select no countdown.
static_assert(tableTotal(ReplayRunReleaseTable) == kReplayRunModulus);
static_assert([] {
    for (const auto& t : FirstReleaseTable)
        if (tableTotal(t) < kReleaseModulus) return false;
    for (const auto& t : PostBonusReleaseTable)
        if (tableTotal(t) < kReleaseModulus) return false;
    return true;
}());
static_assert(tableTotal(BonusDrawTable[0]) == 228 && tableTotal(BonusDrawTable[5]) == 292);
static_assert(tableTotal(RoleDrawTable[0]) == 8841597 && tableTotal(RoleDrawTable[5]) == 8841589);
static_assert(tableTotal(FirstReleaseTable[1]) == 514);
static_assert(tableTotal(BigRoleDrawTable) == 16383);

} // namespace zenoku
