#include "results/HistoryBuilder.h"
#include "results/Results.h"
#include "sim/Run.h"

#include <gtest/gtest.h>

namespace zenoku {
namespace {

using namespace OutcomeCode;

PointSeries points(std::vector<std::int32_t> x, std::vector<std::int32_t> y) {
    return {std::move(x), std::move(y)};
}

const PointSeries& marker(const ChartData& c, Marker m) {
    return c.markers[static_cast<std::size_t>(m)];
}

TEST(BuildResults, ChartSeriesOfAShortRun) {
    const auto results = buildResults(test::shortRun().shared());
    ASSERT_TRUE(results);
    const ChartData& c = results->charts;
    EXPECT_EQ(c.bottomMin, 1);
    EXPECT_EQ(c.bottomMax, 7);

    // The medal line has one point per normal game, x running 1..N.
    EXPECT_EQ(c.slump, points({1, 2, 3, 4, 5, 6, 7}, {-3, 5, 2, 14, 37, 62, 74}));
    // The stock lines have one point per entry; bonus games repeat their release's x.
    const std::vector<std::int32_t> x{1, 2, 3, 4, 4, 4, 4, 5, 5, 5, 6, 7};
    EXPECT_EQ(c.stockB, points(x, {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(c.stockR, points(x, {1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 2}));

    // Markers at (TotalPlays, Medals): the bell won inside the BIG stands at the release's x;
    // the pure miss inside the bonus (BonusKind 1) is not marked.
    EXPECT_EQ(marker(c, Marker::Bell), points({2, 4}, {5, 33}));
    EXPECT_EQ(marker(c, Marker::RReplay), points({3}, {2}));
    EXPECT_EQ(marker(c, Marker::Hazure), points({6}, {62}));
    EXPECT_EQ(marker(c, Marker::BIG), points({4}, {14}));
    EXPECT_EQ(marker(c, Marker::REG), points({5, 7}, {37, 74}));
    for (Marker m : {Marker::Cherry2, Marker::Cherry4, Marker::Orange})
        EXPECT_EQ(marker(c, m).size(), 0u);

    // One bar per bonus at 0, 1, 2…, as high as the games since the previous bonus.
    EXPECT_EQ(c.bars, (std::vector<Bar>{
                          {0, 4, Colours::Red}, {1, 1, Colours::Black}, {2, 2, Colours::Black}}));

    EXPECT_EQ(c.rolePie[0], (PieSlice{"ベル", 1, Colours::Yellow}));
    EXPECT_EQ(c.rolePie[5], (PieSlice{"レアリプレイ", 1, Colours::Black}));
    EXPECT_EQ(c.rolePie[6], (PieSlice{"純ハズレ", 1, Colours::White}));
    const std::array<PieSlice, 4> triggers{
        PieSlice{"規定RT消化", 1, Colours::Lime}, PieSlice{"レアリプレイ", 1, Colours::Black},
        PieSlice{"純ハズレ", 1, Colours::White}, PieSlice{"リプ3連", 0, Colours::Aqua}};
    EXPECT_EQ(c.triggerPie, triggers);

    EXPECT_EQ(results->summary, "BIG回数:1\u3000REG回数:2\n"
                                "BIG確率:1/7  REG確率:1/3  機械割:452.38%\n"
                                "BIGストック:0\u3000REGストック:2\n"
                                "収支:1480円");
    EXPECT_EQ(results->bonusRows.size(), 3u);
    EXPECT_EQ(results->bonusRows[2].size(), 4u);
}

TEST(BuildResults, OneGameWithoutBonusesHasNoBarsAndZeroTriggerSlices) {
    test::HistoryBuilder b;
    b.normal(1, 5, 1, Bell);
    const auto results = buildResults(b.shared());
    ASSERT_TRUE(results);
    const ChartData& c = results->charts;
    EXPECT_EQ(c.bottomMin, 1);
    EXPECT_EQ(c.bottomMax, 1);
    EXPECT_EQ(c.slump, points({1}, {5}));
    EXPECT_TRUE(c.bars.empty());
    EXPECT_EQ(marker(c, Marker::BIG).size() + marker(c, Marker::REG).size(), 0u);
    for (const PieSlice& slice : c.triggerPie)
        EXPECT_EQ(slice.value, 0) << slice.label;
    EXPECT_TRUE(results->bonusRows.empty());
    EXPECT_EQ(results->gameList.rowCount(), 1u);
    EXPECT_EQ(results->progress, (std::vector<ProgressStep>{{0, 100}}));
}

TEST(BuildResults, ForeignBonusGameWithAReleaseCodeGetsAMarkerAndABarButNoBonusRow) {
    test::HistoryBuilder b;
    b.normal(5, 12, 5, BigRelease, 1, 1).bonus(1, 20, RegRelease).normal(1, 17, 6, Miss);
    const auto results = buildResults(b.shared());
    ASSERT_TRUE(results);
    EXPECT_EQ(results->charts.bars,
              (std::vector<Bar>{{0, 5, Colours::Red}, {1, 5, Colours::Black}}));
    EXPECT_EQ(marker(results->charts, Marker::REG), points({5}, {20}));
    EXPECT_EQ(results->bonusRows.size(), 1u);
    EXPECT_EQ(results->statistics.regCount, 0);
}

TEST(BuildResults, ProgressListsEachNewPositionEndingAtHundred) {
    struct Case {
        std::size_t entries;
        std::vector<ProgressStep> steps;
    };
    const Case cases[] = {
        {1, {{0, 100}}},
        {3, {{0, 33}, {1, 66}, {2, 100}}},
        {7, {{0, 14}, {1, 28}, {2, 42}, {3, 57}, {4, 71}, {5, 85}, {6, 100}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        test::HistoryBuilder b;
        for (std::size_t k = 1; k <= c.entries; ++k)
            b.normal(1, 0, static_cast<std::int32_t>(k), Miss);
        EXPECT_EQ(buildResults(b.shared())->progress, c.steps);
    }
}

TEST(BuildResults, ProgressOfALongRunMovesOnceAPercent) {
    test::HistoryBuilder b;
    for (std::int32_t k = 1; k <= 1000; ++k)
        b.normal(k, 0, k, Miss);
    const auto steps = buildResults(b.shared())->progress;
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps.front(), (ProgressStep{0, 0}));
    EXPECT_EQ(steps.back(), (ProgressStep{999, 100}));
    for (std::size_t k = 1; k < steps.size(); ++k) {
        EXPECT_GT(steps[k].entry, steps[k - 1].entry);
        EXPECT_GT(steps[k].position, steps[k - 1].position);
    }
}

TEST(BuildResults, RefusesHistoriesItCannotShow) {
    EXPECT_FALSE(buildResults(nullptr));
    EXPECT_FALSE(buildResults(std::make_shared<const PlayHistory>()));
    test::HistoryBuilder b;
    b.normal(1, 5, 3, Bell).normal(1, 5, 0, Miss); // a foreign file ending on TotalPlays 0
    EXPECT_FALSE(buildResults(b.shared()));
}

TEST(BuildResults, PartsOfASeededRunAgreeWithEachOtherAndTheHistory) {
    TSlot slot(20240601);
    const std::shared_ptr<const PlayHistory> shown = RunSimulation(slot, {20000, 6, false}).history;
    const auto first = buildResults(shown);
    ASSERT_TRUE(first);

    // The parts agree with each other and with the history.
    const Results& r = *first;
    const RunStatistics& s = r.statistics;
    EXPECT_EQ(s.normalGames, 20000);
    EXPECT_EQ(r.summary, summaryText(s));
    EXPECT_EQ(r.bonuses, bonusRecords(*shown));
    EXPECT_EQ(r.gameList.rowCount(), shown->size());
    EXPECT_EQ(r.charts.slump.size(), 20000u);
    EXPECT_EQ(r.charts.stockB.size(), shown->size());
    EXPECT_GT(s.bonusCount, 0);
    EXPECT_EQ(r.charts.bars.size(), static_cast<std::size_t>(s.bonusCount));
    EXPECT_EQ(r.bonusRows.size(), static_cast<std::size_t>(s.bigCount + s.regCount));
    EXPECT_EQ(marker(r.charts, Marker::BIG).size(), static_cast<std::size_t>(s.bigCount));
    EXPECT_EQ(r.charts.rolePie[0].value, s.roleCount[0]);
    EXPECT_EQ(r.roleRows[0][1], std::to_string(s.roleCount[0]));
    EXPECT_EQ(r.progress.back(), (ProgressStep{shown->size() - 1, 100}));
}

} // namespace
} // namespace zenoku
