#include "results/HistoryBuilder.h"
#include "results/ResultLists.h"
#include "results/Results.h"

#include <gtest/gtest.h>

namespace zenoku {
namespace {

using namespace OutcomeCode;
using Row = std::array<std::string, 7>;

TEST(GameList, NormalAndBonusGameRows) {
    const ResultListTexts texts(test::shortRun().shared());
    ASSERT_EQ(texts.rowCount(), 12u);
    EXPECT_EQ(texts.row(0), (Row{"1", "1", "", "-3", "", "1", "1"}));
    EXPECT_EQ(texts.row(2), (Row{"3", "3", "レアリプレイ", "2", "RT解除[レアリプレイ]", "1", "1"}));
    EXPECT_EQ(texts.row(3), (Row{"4", "4", "777", "14", "RT解除[レアリプレイ]", "0", "1"}));
    // Bonus games: "-" in both play-count columns, then their label, medals and stocks.
    EXPECT_EQ(texts.row(4), (Row{"-", "-", "かえる", "26", "", "0", "1"}));
    EXPECT_EQ(texts.row(8), (Row{"-", "-", "JAC", "51", "", "0", "0"}));
    EXPECT_EQ(texts.row(11), (Row{"7", "2", "REG", "74", "RT解除[規定RT消化]", "0", "2"}));
    // Out of range: empty, never a read past the snapshot.
    EXPECT_EQ(texts.text(12, 0), "");
    EXPECT_EQ(texts.text(0, 7), "");
}

TEST(GameList, OddCodesFromAForeignFileGiveEmptyLabels) {
    test::HistoryBuilder b;
    b.normal(1, 0, 1, 14, 5).normal(2, -3, 2, -1, -2).bonus(9, 0, ReplayDodge).bonus(9, 15, JacIn);
    const ResultListTexts texts(b.shared());
    EXPECT_EQ(texts.row(0), (Row{"1", "1", "", "0", "RT解除[]", "0", "0"}));
    EXPECT_EQ(texts.row(1), (Row{"2", "2", "", "-3", "RT解除[]", "0", "0"}));
    EXPECT_EQ(texts.text(2, 2), "リプレイはずし");
    EXPECT_EQ(texts.text(3, 2), "JAC-IN");
}

TEST(GameList, KeepsShowingTheShownRunWhenTheHistoryIsReplaced) {
    auto current = std::make_shared<PlayHistory>(test::shortRun().history());
    ResultListTexts kept;
    {
        const auto results = buildResults(current);
        ASSERT_TRUE(results);
        kept = results->gameList;
    }
    // A later run or batch plays into a fresh history; the shown results are gone.
    current = std::make_shared<PlayHistory>();
    test::HistoryBuilder other;
    other.normal(1, 99, 1, Bell);
    *current = other.history();

    ASSERT_EQ(kept.rowCount(), 12u);
    EXPECT_EQ(kept.text(11, 3), "74");
}

TEST(BonusList, RowsGetTheirMedalsOnceANormalGameFollowsTheBonus) {
    const auto rows = bonusRows(bonusRecords(test::shortRun().history()));
    const std::vector<TextRow> expected{
        {"4", "4", "777", "レアリプレイ", "41"},
        // Released on the first normal game after the BIG: "PLAY数2" 1.
        {"5", "1", "REG", "純ハズレ", "43"},
        // Released on the last normal game: four cells.
        {"7", "2", "REG", "規定RT消化"},
    };
    EXPECT_EQ(rows, expected);
}

TEST(BonusList, UnknownTriggerGivesAnEmptyCell) {
    test::HistoryBuilder b;
    b.normal(1, 0, 1, BigRelease, 9, 1).bonus(1, 10, Bell).normal(1, 7, 2, Miss);
    EXPECT_EQ(bonusRows(bonusRecords(b.history())),
              (std::vector<TextRow>{{"1", "1", "777", "", "25"}}));
}

TEST(RoleList, RatesAreFractionsOfNormalGamesAndZeroForAbsentRoles) {
    RunStatistics s;
    s.normalGames = 10000;
    s.roleCount = {1346, 0, 2, 0, 0, 0, 1};
    const std::vector<TextRow> expected{
        {"ベル", "1346", "0.1346", "1/7.42942050520059"},
        {"オレンジ", "0", "0", "0"},
        {"2枚チェリー", "2", "0.0002", "1/5000"},
        {"4枚チェリー", "0", "0", "0"},
        {"リプレイ", "0", "0", "0"},
        {"レアリプレイ", "0", "0", "0"},
        {"純ハズレ", "1", "0.0001", "1/10000"},
    };
    EXPECT_EQ(roleRows(s), expected);

    s.normalGames = 20000;
    EXPECT_EQ(roleRows(s)[6][2], "5E-5");
}

TEST(TriggerList, SharesAreFractionsOfAllBonuses) {
    RunStatistics s;
    s.triggerCount = {1, 1, 0, 1};
    s.bonusCount = 3;
    const std::vector<TextRow> expected{
        {"規定RT消化", "1", "0.333333333333333"},
        {"レアリプレイ解除", "1", "0.333333333333333"},
        {"純ハズレ解除", "0", "0"},
        {"リプ3連", "1", "0.333333333333333"},
    };
    EXPECT_EQ(triggerRows(s), expected);

    s = RunStatistics{};
    s.normalGames = 5;
    for (const TextRow& row : triggerRows(s)) {
        EXPECT_EQ(row[1], "0");
        EXPECT_EQ(row[2], "0");
    }
}

} // namespace
} // namespace zenoku
