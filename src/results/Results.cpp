#include "results/Results.h"

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

std::optional<Results> buildResults(std::shared_ptr<const PlayHistory> shown) {
    // A history without entries or without a normal game has no N to divide by and no axis
    // to span: nothing is shown and nothing outside the history is read.
    if (!shown || !isShowable(*shown)) return std::nullopt;
    const PlayHistory& history = *shown;
    const std::size_t e = history.size();

    // 1. The counts and derived values.
    Results res;
    res.history = shown;
    res.statistics = computeStatistics(history);
    const RunStatistics& s = res.statistics;

    // 2. Every series at its final size, so each is allocated once.
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

    // 3. One pass over the entries: markers, bars, bonuses, lines and progress each only
    //    append in entry order.
    BonusPairing pairing(res.bonuses);
    int lastPosition = -1;
    const double entries = static_cast<double>(e);
    for (std::size_t i = 0; i < e; ++i) {
        const PlayRecord& r = history[i];

        // Role marker at (TotalPlays, Medals); a bar per release, in play order.
        if (const Marker m = markerOf(r); m != Marker::Count)
            c.markers[static_cast<std::size_t>(m)].add(r.TotalPlays, r.Medals);
        if (isBonusOutcome(r))
            c.bars.push_back(
                {static_cast<std::int32_t>(c.bars.size()), r.SinceBonus,
                 r.Outcome == OutcomeCode::BigRelease ? Colours::Red : Colours::Black});

        pairing.add(history, i);
        if (r.isNormalGame()) c.slump.add(r.TotalPlays, r.Medals);
        c.stockB.add(r.TotalPlays, r.BigStock);
        c.stockR.add(r.TotalPlays, r.RegStock);

        // The whole part of (i + 1) / E × 100, in floating point as the bar shows it.
        const int position = static_cast<int>(static_cast<double>(i + 1) / entries * 100.0);
        if (position != lastPosition) {
            res.progress.push_back({i, position});
            lastPosition = position;
        }
    }

    // 4. The per-game texts are made on request from the shared, immutable snapshot.
    res.gameList = ResultListTexts(shown);
    res.bonusRows = bonusRows(res.bonuses);

    // 5. Small roles and RT triggers: rows, then pie slices.
    res.roleRows = roleRows(s);
    static constexpr std::array<Rgb, kRoleCount> kRoleColours{
        Colours::Yellow, Colours::Fuchsia, Colours::Red,  Colours::Purple,
        Colours::Aqua,   Colours::Black,   Colours::White};
    for (std::size_t k = 0; k < kRoleCount; ++k)
        c.rolePie[k] = slice(outcomeLabel(kFirstRole + static_cast<std::int32_t>(k)),
                             s.roleCount[k], kRoleColours[k]);

    res.triggerRows = triggerRows(s);
    static constexpr std::array<Rgb, kTriggerCount> kTriggerColours{Colours::Lime, Colours::Black,
                                                                    Colours::White, Colours::Aqua};
    for (std::size_t t = 0; t < kTriggerCount; ++t)
        c.triggerPie[t] = slice(kTriggerNames[t], s.triggerCount[t], kTriggerColours[t]);

    // 6. The summary.
    res.summary = summaryText(s);
    return res;
}

} // namespace zenoku
