#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zenoku {

/// Outcome codes: what a game produced. The single definition of the codes, their labels
/// and what a normal game pays for them.
namespace OutcomeCode {
inline constexpr std::int32_t Miss = 0;        ///< ordinary miss (normal or BIG game)
inline constexpr std::int32_t Bell = 1;        ///< pays 8 in a normal game, 10 in a BIG
inline constexpr std::int32_t Orange = 2;      ///< pays 10
inline constexpr std::int32_t Cherry2 = 3;     ///< pays 2
inline constexpr std::int32_t Cherry4 = 4;     ///< pays 4
inline constexpr std::int32_t Replay = 5;      ///< pays 0; the next normal game is free
inline constexpr std::int32_t RareReplay = 6;  ///< pays 0; RT trigger
inline constexpr std::int32_t PureMiss = 7;    ///< pays 0; RT trigger
inline constexpr std::int32_t BigRelease = 8;  ///< "777": a stocked BIG is released, pays 15
inline constexpr std::int32_t RegRelease = 9;  ///< a stocked REG is released, pays 15
inline constexpr std::int32_t Frog = 10;       ///< BIG small-role game, pays 15
inline constexpr std::int32_t Jac = 11;        ///< JAC game, pays 15 for a bet of 1
inline constexpr std::int32_t ReplayDodge = 12; ///< a dodged JAC-IN, pays 0
inline constexpr std::int32_t JacIn = 13;      ///< a taken JAC-IN, pays 15
inline constexpr std::int32_t Count = 14;
} // namespace OutcomeCode

/// The label shown for each outcome code; codes outside 0..13 show the empty text.
inline constexpr std::array<std::string_view, OutcomeCode::Count> kOutcomeLabels{
    "",         "ベル",  "オレンジ", "2枚チェリー", "4枚チェリー", "リプレイ",       "レアリプレイ",
    "純ハズレ", "777",   "REG",      "かえる",      "JAC",         "リプレイはずし", "JAC-IN",
};

constexpr std::string_view outcomeLabel(std::int32_t code) {
    return code >= 0 && code < OutcomeCode::Count ? kOutcomeLabels[static_cast<std::size_t>(code)]
                                                  : std::string_view{};
}

/// Medals a normal game pays for its outcome (codes 0..9 arise there).
inline constexpr std::array<std::int32_t, OutcomeCode::Count> kNormalPayout{
    0, 8, 10, 2, 4, 0, 0, 0, 15, 15, 0, 0, 0, 0};

} // namespace zenoku
