#include "results/HistoryBuilder.h"
#include "results/RunStatistics.h"

#include <gtest/gtest.h>
#include <limits>

namespace zenoku {
namespace {

using namespace OutcomeCode;
using test::HistoryBuilder;

/// N normal games of ordinary misses with `bigs` BIG and `regs` REG releases spread over them
/// (bonus games left out: they do not count), ending at `finalMedals` and the given stocks.
PlayHistory normalGames(std::int32_t n, std::int32_t bigs, std::int32_t regs,
                        std::int32_t finalMedals, std::int32_t bigStock, std::int32_t regStock) {
    HistoryBuilder b;
    for (std::int32_t k = 1; k <= n; ++k) {
        std::int32_t outcome = Miss;
        if (k % 100 == 0 && k / 100 <= bigs)
            outcome = BigRelease;
        else if (k % 100 == 50 && k / 100 < regs)
            outcome = RegRelease;
        if (k == n) b.stock(bigStock, regStock);
        b.normal(k, k == n ? finalMedals : -k, k, outcome, outcome == Miss ? 0 : 1);
    }
    return b.history();
}

TEST(Summary, ShowsCountsOneInValuesPayoutStocksAndBalance) {
    const RunStatistics s = computeStatistics(normalGames(8000, 27, 14, -1200, 2, 0));
    ASSERT_EQ(s.bigCount, 27);
    ASSERT_EQ(s.regCount, 14);
    // 8000 / 27 = 296.3 and 8000 / 14 = 571.4, truncated before formatting.
    EXPECT_EQ(summaryText(s), "BIG回数:27\u3000REG回数:14\n"
                              "BIG確率:1/296  REG確率:1/571  機械割:95.00%\n"
                              "BIGストック:2\u3000REGストック:0\n"
                              "収支:-24000円");
}

TEST(Summary, RunWithoutBonusesShowsZeroOneInValues) {
    const RunStatistics s = computeStatistics(normalGames(10, 0, 0, 0, 0, 0));
    EXPECT_EQ(s.bonusCount, 0);
    EXPECT_EQ(summaryText(s), "BIG回数:0\u3000REG回数:0\n"
                              "BIG確率:1/0  REG確率:1/0  機械割:100.00%\n"
                              "BIGストック:0\u3000REGストック:0\n"
                              "収支:0円");
}

TEST(Summary, PayoutAndBalanceStayTrueForExtremeMedalsAndPlayCounts) {
    struct Case {
        std::int32_t plays;
        std::int32_t medals;
        const char* payout;
        const char* balance;
    };
    const Case cases[] = {
        {10000, 4321, "114.40", "86420"},
        // Beyond 107,374,182 medals the yen no longer fit in 32 bits.
        {1, 200000000, "6666700000.00", "4000000000"},
        {1, std::numeric_limits<std::int32_t>::min(), "-71583000000.00", "-42949672960"},
        // 3 × N above the 32-bit range: the denominator must not wrap either.
        {1000000000, -1500000000, "50.00", "-30000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plays);
        HistoryBuilder b;
        b.normal(1, c.medals, c.plays, Miss);
        const std::string text = summaryText(computeStatistics(b.history()));
        EXPECT_NE(text.find(std::string("機械割:") + c.payout + "%\n"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string("\n収支:") + c.balance + "円"), std::string::npos) << text;
    }
}

TEST(RunStatistics, CountsNormalGamesOnlyAndTriggersOfReleases) {
    HistoryBuilder b = test::shortRun();
    // Odd codes from a foreign file count nowhere but a release's BonusCount.
    b.normal(1, 74, 8, 14).normal(2, 74, 9, -1).normal(3, 89, 10, BigRelease, 7, 1);
    const RunStatistics s = computeStatistics(b.history());
    EXPECT_EQ(s.entries, 15u);
    EXPECT_EQ(s.normalGames, 10);
    EXPECT_EQ(s.roleCount, (std::array<std::int32_t, kRoleCount>{1, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(s.bigCount, 2);
    EXPECT_EQ(s.regCount, 2);
    EXPECT_EQ(s.triggerCount, (std::array<std::int32_t, kTriggerCount>{1, 1, 1, 0}));
    EXPECT_EQ(s.bonusCount, 4);
    EXPECT_EQ(s.finalMedals, 89);
}

TEST(BonusRecords, MedalsWonCloseOnTheFirstNormalGameAfterTheBonus) {
    const auto bonuses = bonusRecords(test::shortRun().history());
    ASSERT_EQ(bonuses.size(), 3u);
    // BIG released on entry 3 (14 medals), its last game reached 40: 40 − 14 + 15.
    EXPECT_EQ(bonuses[0], (BonusRecord{3, 4, 4, BigRelease, 2, 41}));
    // The REG released by the game that closed the BIG: 65 − 37 + 15.
    EXPECT_EQ(bonuses[1], (BonusRecord{7, 5, 1, RegRelease, 3, 43}));
    // Released on the last normal game: never played, no medals won.
    EXPECT_EQ(bonuses[2], (BonusRecord{11, 7, 2, RegRelease, 1, std::nullopt}));
}

TEST(RunStatistics, ShowableNeedsAnEntryAndAPositivePlayCount) {
    EXPECT_FALSE(isShowable(PlayHistory{}));
    HistoryBuilder b;
    b.normal(1, 0, 0, Miss);
    EXPECT_FALSE(isShowable(b.history()));
    b.normal(1, 0, 1, Miss);
    EXPECT_TRUE(isShowable(b.history()));
}

} // namespace
} // namespace zenoku
