#include "results/RunStatistics.h"

#include "machine/Outcome.h"
#include "results/NumberText.h"

namespace zenoku {

bool isShowable(const PlayHistory& history) {
    return !history.empty() && history.back().TotalPlays >= 1;
}

RunStatistics computeStatistics(const PlayHistory& history) {
    RunStatistics s;
    s.entries = history.size();
    if (history.empty()) return s;

    // Counting pass: only normal games count; bonus games are skipped whole.
    for (const PlayRecord& r : history) {
        if (r.isBonusGame()) continue;
        if (isRole(r.Outcome))
            ++s.roleCount[roleIndex(r.Outcome)];
        else if (r.Outcome == OutcomeCode::BigRelease)
            ++s.bigCount;
        else if (r.Outcome == OutcomeCode::RegRelease)
            ++s.regCount;
        if (r.isRelease()) {
            if (isTrigger(r.RtTrigger)) ++s.triggerCount[triggerIndex(r.RtTrigger)];
            ++s.bonusCount;
        }
    }

    const PlayRecord& last = history.back();
    s.normalGames = last.TotalPlays;
    s.finalMedals = last.Medals;
    s.finalBigStock = last.BigStock;
    s.finalRegStock = last.RegStock;

    // Derived values. The one-in values are whole numbers by integer division; the
    // payout rate's denominator is taken in floating point so that 3 × N cannot overflow
    // for a play count above 715,827,882.
    const std::int32_t n = s.normalGames;
    if (n >= 1) {
        s.bigOneIn = s.bigCount > 0 ? static_cast<float>(n / s.bigCount) : 0.0f;
        s.regOneIn = s.regCount > 0 ? static_cast<float>(n / s.regCount) : 0.0f;
        s.payoutRate =
            static_cast<float>(static_cast<double>(s.finalMedals) /
                                   (double{kNormalBet} * static_cast<double>(n)) * 100.0 +
                               100.0);
    }
    // Yen at 20 per medal: up to 42.9 billion either way, so held in 64 bits.
    s.balance = static_cast<std::int64_t>(s.finalMedals) * kYenPerMedal;
    return s;
}

void BonusPairing::add(const PlayHistory& history, std::size_t i) {
    const PlayRecord& r = history[i];
    if (r.isBonusGame()) return;
    // The first normal game after a bonus closes it: the entry before it is the bonus's last
    // game (or the release itself when no bonus game was recorded). It comes before a
    // release on that same game adds the next bonus.
    if (m_pending && r.SinceBonus == 1) {
        BonusRecord& b = m_bonuses.back();
        b.medalsWon = static_cast<std::int64_t>(history[i - 1].Medals) - history[b.entry].Medals +
                      kReleasePay;
        m_pending = false;
    }
    if (r.isRelease()) {
        m_bonuses.push_back({i, r.TotalPlays, r.SinceBonus, r.Outcome, r.RtTrigger, {}});
        m_pending = true;
    }
}

std::vector<BonusRecord> bonusRecords(const PlayHistory& history) {
    std::vector<BonusRecord> bonuses;
    BonusPairing pairing(bonuses);
    for (std::size_t i = 0; i < history.size(); ++i)
        pairing.add(history, i);
    return bonuses;
}

std::string summaryText(const RunStatistics& s) {
    std::string t;
    t.reserve(200);
    t += "BIG回数:";
    t += integerText(s.bigCount);
    t += "\u3000REG回数:";
    t += integerText(s.regCount);
    t += "\nBIG確率:1/";
    t += generalText(s.bigOneIn);
    t += "  REG確率:1/";
    t += generalText(s.regOneIn);
    t += "  機械割:";
    t += fixed2Text(s.payoutRate);
    t += "%\nBIGストック:";
    t += integerText(s.finalBigStock);
    t += "\u3000REGストック:";
    t += integerText(s.finalRegStock);
    t += "\n収支:";
    t += integerText(s.balance);
    t += "円";
    return t;
}

} // namespace zenoku
