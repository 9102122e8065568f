#include "cli/CliRunner.h"
#include "results/HistoryBuilder.h"
#include "results/RunStatistics.h"
#include "sim/Run.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zenoku {
namespace {

using test::cli;

/// The summary the window shows for the run a machine seeded with `seed` plays.
std::string summaryOfRun(std::uint32_t seed, std::int32_t level, std::int32_t plays) {
    TSlot slot(seed);
    return summaryText(computeStatistics(*RunSimulation(slot, {plays, level, false}).history));
}

TEST(CliShow, PlayPrintsTheSummaryOfThatRunAndShowPrintsTheSameFromItsFile) {
    test::TempDir dir;
    const std::string file = dir.file("run.sim");
    const std::string expected = summaryOfRun(7, 6, 8000) + "\n";

    const auto played = cli({"play", "--seed", "7", "--level", "6", "--plays", "8000"});
    EXPECT_EQ(played.code, kExitOk);
    EXPECT_EQ(played.out, expected);

    const auto saved =
        cli({"play", "--seed", "7", "--level", "6", "--plays", "8000", "--out", file});
    EXPECT_EQ(saved.out, expected);
    const auto shown = cli({"show", file});
    EXPECT_EQ(shown.code, kExitOk) << shown.err;
    EXPECT_EQ(shown.out, expected);
}

TEST(CliShow, SeveralRunsPrintOneBlockEachAndBatchFilesShowTheirRun) {
    TSlot slot(3);
    std::string blocks;
    for (int i = 1; i <= 2; ++i) {
        const PlayedRun run = RunSimulation(slot, {500, 2, false});
        blocks += (i > 1 ? "\n# run " : "# run ") + std::to_string(i) + "\n" +
                  summaryText(computeStatistics(*run.history)) + "\n";
    }
    EXPECT_EQ(cli({"play", "--seed", "3", "--level", "2", "--plays", "500", "--runs", "2"}).out,
              blocks);

    // The second batch file holds the second run: its summary is the second block.
    test::TempDir dir;
    ASSERT_EQ(cli({"play", "--seed", "3", "--level", "2", "--plays", "500", "--runs", "2", "--out",
                   dir.file("b.sim")})
                  .code,
              kExitOk);
    const auto shown = cli({"show", dir.file("b2_500_2.sim")});
    EXPECT_EQ(shown.code, kExitOk) << shown.err;
    EXPECT_EQ(shown.out, blocks.substr(blocks.find("# run 2\n") + 8));
}

class CliShowLists : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(writeSimFile(m_file, SimVariant::Saved, {1, 7}, test::shortRun().history()),
                  WriteStatus::Ok);
    }
    test::TempDir m_dir;
    std::string m_file = m_dir.file("short.sim");
};

TEST_F(CliShowLists, ListsPrintCaptionsThenTheCellsAsTheWindowShowsThem) {
    struct Case {
        const char* list;
        std::string text;
    };
    const Case cases[] = {
        {"bonuses", "PLAY数\tPLAY数2\t確定役\tRT解除契機\t獲得メダル\n"
                    "4\t4\t777\tレアリプレイ\t41\n"
                    "5\t1\tREG\t純ハズレ\t43\n"
                    "7\t2\tREG\t規定RT消化\n"},
        {"roles", "絵柄\t出現回数\t出現率\t出現率(1/X)\n"
                  "ベル\t1\t0.142857142857143\t1/7\n"
                  "オレンジ\t0\t0\t0\n"
                  "2枚チェリー\t0\t0\t0\n"
                  "4枚チェリー\t0\t0\t0\n"
                  "リプレイ\t0\t0\t0\n"
                  "レアリプレイ\t1\t0.142857142857143\t1/7\n"
                  "純ハズレ\t1\t0.142857142857143\t1/7\n"},
        {"triggers", "種別\t解除回数\t割合\n"
                     "規定RT消化\t1\t0.333333333333333\n"
                     "レアリプレイ解除\t1\t0.333333333333333\n"
                     "純ハズレ解除\t1\t0.333333333333333\n"
                     "リプ3連\t0\t0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        const auto r = cli({"show", m_file, "--list", c.list});
        EXPECT_EQ(r.code, kExitOk) << r.err;
        EXPECT_EQ(r.out, c.text);
    }

    const auto games = cli({"show", "--list=games", m_file});
    EXPECT_EQ(games.code, kExitOk);
    std::istringstream lines(games.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 13u);
    EXPECT_EQ(rows[0], "PLAY数\tPLAY数2\t確定役\tメダル数\tRT解除状態\tBIG Stock\tREG Stock");
    EXPECT_EQ(rows[4], "4\t4\t777\t14\tRT解除[レアリプレイ]\t0\t1");
    EXPECT_EQ(rows[5], "-\t-\tかえる\t26\t\t0\t1");
}

TEST_F(CliShowLists, CsvIsCommaSeparatedWithCrLf) {
    const auto r = cli({"show", m_file, "--list", "bonuses", "--csv"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "PLAY数,PLAY数2,確定役,RT解除契機,獲得メダル\r\n"
                     "4,4,777,レアリプレイ,41\r\n"
                     "5,1,REG,純ハズレ,43\r\n"
                     "7,2,REG,規定RT消化\r\n");
}

TEST_F(CliShowLists, BadOptionsAndUnreadableFilesAreRefused) {
    test::TempDir dir;
    const std::string text = dir.file("notes.sim"), empty = dir.file("empty.sim");
    test::writeBytes(text, {'h', 'e', 'l', 'l', 'o'});
    ASSERT_EQ(writeSimFile(empty, SimVariant::Saved, {1, 0}, PlayHistory{}), WriteStatus::Ok);
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const Case cases[] = {
        {{"show"}, kExitBadInput, "needs a .sim file"},
        {{"show", m_file, "--list"}, kExitBadInput, "needs a value"},
        {{"show", m_file, "--list", "charts"}, kExitBadInput, "games, bonuses, roles or triggers"},
        {{"show", m_file, "--csv"}, kExitBadInput, "--csv goes with --list"},
        {{"show", m_file, m_file}, kExitBadInput, "unknown option"},
        {{"show", m_file, "--verbose"}, kExitBadInput, "unknown option"},
        {{"show", dir.file("missing.sim")}, kExitFailure, "cannot open"},
        {{"show", text}, kExitFailure, "このファイルは、ゼノクsimファイルではありません。"},
        {{"show", empty}, kExitFailure, "holds no game to show"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const auto r = cli(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(CliShow, HelpExplainsShowAndItsOptions) {
    const auto r = cli({"show", "--help"});
    EXPECT_EQ(r.code, kExitOk);
    for (const char* text :
         {"show FILE.sim", "--list", "games", "bonuses", "roles", "triggers", "--csv", "--plays"})
        EXPECT_NE(r.out.find(text), std::string::npos) << text;
}

} // namespace
} // namespace zenoku
