#include "results/ResultLists.h"

#include "machine/Outcome.h"
#include "results/NumberText.h"

#include <utility>

namespace zenoku {

std::string rtText(std::int32_t trigger) {
    if (trigger == 0) return {};
    std::string s = "RT解除[";
    s += triggerName(trigger);
    s += ']';
    return s;
}

ResultListTexts::ResultListTexts(std::shared_ptr<const PlayHistory> shown)
    : m_history(std::move(shown)) {}

std::string ResultListTexts::text(std::size_t row, int column) const {
    if (!m_history || row >= m_history->size()) return {};
    const PlayRecord& r = (*m_history)[row];
    switch (column) {
    case 0:
        return r.isBonusGame() ? "-" : integerText(r.TotalPlays);
    case 1:
        return r.isBonusGame() ? "-" : integerText(r.SinceBonus);
    case 2:
        return std::string(outcomeLabel(r.Outcome));
    case 3:
        return integerText(r.Medals);
    case 4:
        return rtText(r.RtTrigger);
    case 5:
        return integerText(r.BigStock);
    case 6:
        return integerText(r.RegStock);
    default:
        return {};
    }
}

std::array<std::string, kGameListColumns> ResultListTexts::row(std::size_t k) const {
    std::array<std::string, kGameListColumns> texts;
    for (int c = 0; c < static_cast<int>(kGameListColumns); ++c)
        texts[static_cast<std::size_t>(c)] = text(k, c);
    return texts;
}

std::vector<TextRow> bonusRows(const std::vector<BonusRecord>& bonuses) {
    std::vector<TextRow> rows;
    rows.reserve(bonuses.size());
    for (const BonusRecord& b : bonuses) {
        TextRow row;
        row.reserve(5);
        row.push_back(integerText(b.totalPlays));
        row.push_back(integerText(b.sinceBonus));
        row.emplace_back(outcomeLabel(b.outcome));
        row.emplace_back(triggerName(b.trigger));
        if (b.medalsWon) row.push_back(integerText(*b.medalsWon));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<TextRow> roleRows(const RunStatistics& s) {
    std::vector<TextRow> rows;
    rows.reserve(kRoleCount);
    const double n = s.normalGames;
    for (std::size_t k = 0; k < kRoleCount; ++k) {
        const std::int32_t count = s.roleCount[k];
        // Rates are fractions of the normal games, not percentages; a role never seen shows
        // "0" in both rate cells rather than dividing by its zero count.
        const bool seen = count != 0 && n >= 1;
        rows.push_back({std::string(outcomeLabel(kFirstRole + static_cast<std::int32_t>(k))),
                        integerText(count), seen ? generalText(count / n) : "0",
                        seen ? "1/" + generalText(n / count) : "0"});
    }
    return rows;
}

std::vector<TextRow> triggerRows(const RunStatistics& s) {
    std::vector<TextRow> rows;
    rows.reserve(kTriggerCount);
    for (std::size_t t = 0; t < kTriggerCount; ++t) {
        const std::int32_t count = s.triggerCount[t];
        rows.push_back(
            {std::string(kTriggerRowCaptions[t]), integerText(count),
             s.bonusCount != 0 ? generalText(static_cast<double>(count) / s.bonusCount) : "0"});
    }
    return rows;
}

} // namespace zenoku
