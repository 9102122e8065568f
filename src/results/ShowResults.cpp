#include "results/ShowResults.h"

#include "machine/Outcome.h"

#include <utility>

namespace zenoku {

namespace {

/// The marker series an outcome code adds a point to, or Marker::Count for none. A pure
/// miss is marked only outside a bonus (BonusKind 0); plain replays are never marked.
Marker markerOf(const PlayRecord& r) {
    switch (r.Outcome) {
    case OutcomeCode::Bell:
        return Marker::Bell;
    case OutcomeCode::Orange:
        return Marker::Orange;
    case OutcomeCode::Cherry2:
        return Marker::Cherry2;
    case OutcomeCode::Cherry4:
        return Marker::Cherry4;
    case OutcomeCode::RareReplay:
        return Marker::RReplay;
    case OutcomeCode::PureMiss:
        return r.BonusKind == 0 ? Marker::Hazure : Marker::Count;
    case OutcomeCode::BigRelease:
        return Marker::BIG;
    case OutcomeCode::RegRelease:
        return Marker::REG;
    default:
        return Marker::Count;
    }
}

/// A BIG or REG outcome: a bar for the games-between-bonuses chart. In a played run only
/// release entries carry one; a foreign file may put one on a bonus game, which gets its bar
/// like any other.
bool isBonusOutcome(const PlayRecord& r) {
    return r.Outcome == OutcomeCode::BigRelease || r.Outcome == OutcomeCode::RegRelease;
}

/// How many points each series will get, so every array is allocated once at its final size.
struct SeriesSizes {
    std::size_t normalGames = 0;
    std::size_t releases = 0;
    std::size_t bars = 0;
    std::array<std::size_t, kMarkerCount + 1> markers{};
};

SeriesSizes countSeries(const PlayHistory& history) {
    SeriesSizes n;
    for (const PlayRecord& r : history) {
        n.normalGames += r.isNormalGame();
        n.releases += r.isRelease();
        n.bars += isBonusOutcome(r);
        ++n.markers[static_cast<std::size_t>(markerOf(r))];
    }
    return n;
}

void reserve(PointSeries& s, std::size_t n) {
    s.x.reserve(n);
    s.y.reserve(n);
}

PieSlice slice(std::string_view label, std::int32_t value, Rgb colour) {
    return {std::string(label), value, colour};
}

} // namespace

std::optional<Results> ShowResults(std::shared_ptr<const PlayHistory> shown) {
    // A history without entries or without a normal game has no N to divide by and no axis
    // to span: nothing is shown and nothing outside the history is read.
    if (!shown || !isShowable(*shown)) return std::nullopt;
    const PlayHistory& history = *shown;
    const std::size_t e = history.size();

    Results res;
    res.history = shown;
    res.statistics = computeStatistics(history);
    const RunStatistics& s = res.statistics;

    ChartData& c = res.charts;
    c.bottomMin = 1;
    c.bottomMax = s.normalGames;

    const SeriesSizes sizes = countSeries(history);
    reserve(c.slump, sizes.normalGames);
    reserve(c.stockB, e);
    reserve(c.stockR, e);
    for (std::size_t m = 0; m < kMarkerCount; ++m)
        reserve(c.markers[m], sizes.markers[m]);
    c.bars.reserve(sizes.bars);
    res.bonuses.reserve(sizes.releases);
    res.progress.reserve(e < 101 ? e : 101);

    // 7. Main pass, entry by entry; the stock and medal lines (8, 9) are filled in the same
    // pass, since each series only appends in entry order.
    bool pending = false;
    int lastPosition = -1;
    const double entries = static_cast<double>(e);
    for (std::size_t i = 0; i < e; ++i) {
        const PlayRecord& r = history[i];

        // 7.2 Role marker at (TotalPlays, Medals); a bar per release, in play order.
        if (const Marker m = markerOf(r); m != Marker::Count)
            c.markers[static_cast<std::size_t>(m)].add(r.TotalPlays, r.Medals);
        if (isBonusOutcome(r))
            c.bars.push_back(
                {static_cast<std::int32_t>(c.bars.size()), r.SinceBonus,
                 r.Outcome == OutcomeCode::BigRelease ? Colours::Red : Colours::Black});

        // 7.4 Bonus rows: the first normal game after a bonus completes the pending row
        // before a release on that same game adds the next one.
        if (r.isNormalGame()) {
            if (pending && r.SinceBonus == 1) {
                BonusRecord& b = res.bonuses.back();
                b.medalsWon =
                    static_cast<std::int64_t>(history[i - 1].Medals) - history[b.entry].Medals + 15;
                pending = false;
            }
            if (r.isRelease()) {
                res.bonuses.push_back({i, r.TotalPlays, r.SinceBonus, r.Outcome, r.RtTrigger, {}});
                pending = true;
            }
            c.slump.add(r.TotalPlays, r.Medals);
        }
        c.stockB.add(r.TotalPlays, r.BigStock);
        c.stockR.add(r.TotalPlays, r.RegStock);

        // 7.5 Progress: the whole part of (i + 1) / E × 100, in floating point as shown.
        const int position = static_cast<int>(static_cast<double>(i + 1) / entries * 100.0);
        if (position != lastPosition) {
            res.progress.push_back({i, position});
            lastPosition = position;
        }
    }

    // 7.3 The per-game texts are made on request from the shared, immutable snapshot.
    res.gameList = ResultListTexts(shown);
    res.bonusRows = bonusRows(res.bonuses);

    // 10, 11. Small roles and RT triggers: rows, then pie slices.
    res.roleRows = roleRows(s);
    static constexpr std::array<Rgb, 7> kRoleColours{
        Colours::Yellow, Colours::Fuchsia, Colours::Red,  Colours::Purple,
        Colours::Aqua,   Colours::Black,   Colours::White};
    for (std::size_t k = 0; k < 7; ++k)
        c.rolePie[k] = slice(kRoleNames[k], s.roleCount[k + 1], kRoleColours[k]);

    res.triggerRows = triggerRows(s);
    static constexpr std::array<std::string_view, 4> kTriggerPieLabels{"規定RT消化", "レアリプレイ",
                                                                       "純ハズレ", "リプ3連"};
    static constexpr std::array<Rgb, 4> kTriggerColours{Colours::Lime, Colours::Black,
                                                        Colours::White, Colours::Aqua};
    for (std::size_t t = 0; t < 4; ++t)
        c.triggerPie[t] = slice(kTriggerPieLabels[t], s.triggerCount[t + 1], kTriggerColours[t]);

    // 12. The summary.
    res.summary = summaryText(s);
    return res;
}

} // namespace zenoku
