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

    // 6. Counting pass: only normal games count; bonus games are skipped whole.
    for (const PlayRecord& r : history) {
        if (r.isBonusGame()) continue;
        if (r.Outcome >= OutcomeCode::Bell && r.Outcome <= OutcomeCode::PureMiss)
            ++s.roleCount[static_cast<std::size_t>(r.Outcome)];
        else if (r.Outcome == OutcomeCode::BigRelease)
            ++s.bigCount;
        else if (r.Outcome == OutcomeCode::RegRelease)
            ++s.regCount;
        if (r.isRelease()) {
            if (r.RtTrigger >= 1 && r.RtTrigger <= 4)
                ++s.triggerCount[static_cast<std::size_t>(r.RtTrigger)];
            ++s.bonusCount;
        }
    }

    const PlayRecord& last = history.back();
    s.normalGames = last.TotalPlays;
    s.finalMedals = last.Medals;
    s.finalBigStock = last.BigStock;
    s.finalRegStock = last.RegStock;

    // 12. Derived values. The one-in values are whole numbers by integer division; the
    // payout rate's denominator is taken in floating point so that 3 × N cannot overflow
    // for a play count above 715,827,882.
    const std::int32_t n = s.normalGames;
    if (n >= 1) {
        s.bigOneIn = s.bigCount > 0 ? static_cast<float>(n / s.bigCount) : 0.0f;
        s.regOneIn = s.regCount > 0 ? static_cast<float>(n / s.regCount) : 0.0f;
        s.payoutRate = static_cast<float>(
            static_cast<double>(s.finalMedals) / (3.0 * static_cast<double>(n)) * 100.0 + 100.0);
    }
    // Yen at 20 per medal: up to 42.9 billion either way, so held in 64 bits.
    s.balance = static_cast<std::int64_t>(s.finalMedals) * 20;
    return s;
}

std::vector<BonusRecord> bonusRecords(const PlayHistory& history) {
    std::vector<BonusRecord> bonuses;
    std::size_t releases = 0;
    for (const PlayRecord& r : history)
        releases += r.isRelease();
    bonuses.reserve(releases);

    bool pending = false;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const PlayRecord& r = history[i];
        if (r.isBonusGame()) continue;
        // The first normal game after a bonus closes it: the entry before it is the bonus's
        // last game (or the release itself when no bonus game was recorded).
        if (pending && r.SinceBonus == 1) {
            BonusRecord& b = bonuses.back();
            b.medalsWon =
                static_cast<std::int64_t>(history[i - 1].Medals) - history[b.entry].Medals + 15;
            pending = false;
        }
        if (r.isRelease()) {
            bonuses.push_back({i, r.TotalPlays, r.SinceBonus, r.Outcome, r.RtTrigger, {}});
            pending = true;
        }
    }
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
