#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zenoku {

/// Outcome codes: what a game produced. The single definition of the codes, their labels,
/// the bets and payouts of the machine and the shape of its bonuses; the machine, the
/// results and the analyses all read them from here.
namespace OutcomeCode {
inline constexpr std::int32_t Miss = 0;         ///< ordinary miss (normal or BIG game)
inline constexpr std::int32_t Bell = 1;         ///< pays 8 in a normal game, 10 in a BIG
inline constexpr std::int32_t Orange = 2;       ///< pays 10
inline constexpr std::int32_t Cherry2 = 3;      ///< pays 2
inline constexpr std::int32_t Cherry4 = 4;      ///< pays 4 (normal game or BIG)
inline constexpr std::int32_t Replay = 5;       ///< pays 0; the next normal game is free
inline constexpr std::int32_t RareReplay = 6;   ///< pays 0; RT trigger
inline constexpr std::int32_t PureMiss = 7;     ///< pays 0; RT trigger
inline constexpr std::int32_t BigRelease = 8;   ///< "777": a stocked BIG is released, pays 15
inline constexpr std::int32_t RegRelease = 9;   ///< a stocked REG is released, pays 15
inline constexpr std::int32_t Frog = 10;        ///< BIG small-role game, pays 15
inline constexpr std::int32_t Jac = 11;         ///< JAC game, pays 15 for a bet of 1
inline constexpr std::int32_t ReplayDodge = 12; ///< a dodged JAC-IN, pays 0
inline constexpr std::int32_t JacIn = 13;       ///< a taken JAC-IN, pays 15
inline constexpr std::int32_t Count = 14;
} // namespace OutcomeCode
inline constexpr std::size_t kOutcomeCount = OutcomeCode::Count;

/// The label shown for each outcome code; codes outside 0..13 show the empty text.
inline constexpr std::array<std::string_view, kOutcomeCount> kOutcomeLabels{
    "",         "ベル", "オレンジ", "2枚チェリー", "4枚チェリー", "リプレイ",       "レアリプレイ",
    "純ハズレ", "777",  "REG",      "かえる",      "JAC",         "リプレイはずし", "JAC-IN",
};

constexpr std::string_view outcomeLabel(std::int32_t code) {
    return code >= 0 && code < OutcomeCode::Count ? kOutcomeLabels[static_cast<std::size_t>(code)]
                                                  : std::string_view{};
}

/// The small roles of a normal game are the outcome codes Bell (1) .. PureMiss (7): the
/// results count them per normal game, in this order.
inline constexpr std::int32_t kFirstRole = OutcomeCode::Bell;
inline constexpr std::int32_t kLastRole = OutcomeCode::PureMiss;
inline constexpr std::size_t kRoleCount = kLastRole - kFirstRole + 1;
/// Position of a small-role code in arrays of kRoleCount entries.
constexpr std::size_t roleIndex(std::int32_t code) {
    return static_cast<std::size_t>(code - kFirstRole);
}
constexpr bool isRole(std::int32_t code) {
    return code >= kFirstRole && code <= kLastRole;
}

/// What ended an RT countdown (`RtTrigger`): 0 nothing yet, then the four release triggers.
namespace RtTriggerCode {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Countdown = 1;  ///< the countdown ran out
inline constexpr std::int32_t RareReplay = 2; ///< a rare replay set the countdown to 1
inline constexpr std::int32_t PureMiss = 3;   ///< a pure miss set the countdown to 1
inline constexpr std::int32_t ReplayRun = 4;  ///< a run of replays drew a new countdown
} // namespace RtTriggerCode
inline constexpr std::size_t kTriggerCount = 4;
/// Position of a trigger code 1..4 in arrays of kTriggerCount entries.
constexpr std::size_t triggerIndex(std::int32_t code) {
    return static_cast<std::size_t>(code - RtTriggerCode::Countdown);
}
constexpr bool isTrigger(std::int32_t code) {
    return code >= RtTriggerCode::Countdown && code <= RtTriggerCode::ReplayRun;
}

/// The name of each release trigger 1..4, as the lists and pies show it.
inline constexpr std::array<std::string_view, kTriggerCount> kTriggerNames{
    "規定RT消化", "レアリプレイ", "純ハズレ", "リプ3連"};
/// Name of a trigger code; the empty text for 0 and any code outside 1..4.
constexpr std::string_view triggerName(std::int32_t code) {
    return isTrigger(code) ? kTriggerNames[triggerIndex(code)] : std::string_view{};
}

// ---- medals ------------------------------------------------------------------------------

/// Bets: a normal game (none after a replay), a BIG small-role game, a JAC game.
inline constexpr std::int32_t kNormalBet = 3;
inline constexpr std::int32_t kBigGameBet = 3;
inline constexpr std::int32_t kJacBet = 1;

/// What a normal game pays for its outcome.
inline constexpr std::int32_t kBellPay = 8;
inline constexpr std::int32_t kOrangePay = 10;
inline constexpr std::int32_t kCherry2Pay = 2;
inline constexpr std::int32_t kCherry4Pay = 4;
/// The release game of a BIG or REG.
inline constexpr std::int32_t kReleasePay = 15;
/// What a BIG small-role game pays: frog, 4-medal cherry, bell, taken JAC-IN.
inline constexpr std::int32_t kFrogPay = 15;
inline constexpr std::int32_t kBigCherryPay = 4;
inline constexpr std::int32_t kBigBellPay = 10;
inline constexpr std::int32_t kJacInPay = 15;
/// A JAC game (BIG or REG).
inline constexpr std::int32_t kJacPay = 15;

/// Medals a normal game pays for its outcome (codes 0..9 arise there).
inline constexpr std::array<std::int32_t, kOutcomeCount> kNormalPayout{
    0, kBellPay,    kOrangePay,  kCherry2Pay, kCherry4Pay, 0, 0,
    0, kReleasePay, kReleasePay, 0,           0,           0, 0};

// ---- the shape of a bonus ----------------------------------------------------------------

/// A JAC phase is 8 JAC games; a REG is one such phase.
inline constexpr std::int32_t kJacPhaseGames = 8;
/// A BIG: at most 3 JAC phases (24 JAC games) and 30 small-role games.
inline constexpr std::int32_t kBigJacPhases = 3;
inline constexpr std::int32_t kBigMaxJacGames = kBigJacPhases * kJacPhaseGames;
inline constexpr std::int32_t kBigSmallRoleGames = 30;
/// The first two JAC-INs of a BIG are always taken; a further one only after the 20th
/// small-role game, and dodged before that.
inline constexpr std::int32_t kAlwaysTakenJacIns = 2;
inline constexpr std::int32_t kDodgeUntilGame = 20;
/// A REG is 8 JAC games, each counted as BigGames 1.
inline constexpr std::int32_t kRegGames = kJacPhaseGames;
/// Net medals of a REG's games: 8 × (15 − 1) = 112.
inline constexpr std::int32_t kRegNetMedals = kRegGames * (kJacPay - kJacBet);

} // namespace zenoku
