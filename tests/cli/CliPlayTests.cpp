#include "cli/CliRunner.h"
#include "sim/Run.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace zenoku {
namespace {

using test::cli;

TEST(CliPlay, WritesTheRunReproducibly) {
    test::TempDir dir;
    const std::string a = dir.file("a.sim"), b = dir.file("b.sim");
    ASSERT_EQ(cli({"play", "--seed", "1", "--level", "6", "--plays", "100000", "--out", a}).code,
              kExitOk);
    ASSERT_EQ(cli({"play", "--seed=1", "--level=6", "--plays=100000", "--out=" + b}).code, kExitOk);
    const auto bytes = test::readBytes(a);
    EXPECT_EQ(bytes, test::readBytes(b));

    // The file holds exactly the run a machine seeded with 1 plays.
    TSlot slot(1);
    const PlayHistory expected = *RunSimulation(slot, {100000, 6, false}).history;
    ASSERT_EQ(bytes.size(), 12 + 36 * expected.size());
    SimFileContents c;
    ASSERT_EQ(readSimFile(a, c), ReadStatus::Ok);
    EXPECT_EQ(c.header, (SimHeader{6, 100000}));
    EXPECT_TRUE(c.history == expected);
}

TEST(CliPlay, SeveralRunsWriteBatchFilesAndPrintTheirNames) {
    test::TempDir dir;
    const auto r = cli({"play", "--seed", "9", "--level", "2", "--plays", "1000", "--runs", "3",
                        "--clear-stock", "--out", dir.file("runs.sim")});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    for (int i = 1; i <= 3; ++i) {
        const std::string name = dir.file("runs2_1000_" + std::to_string(i) + ".sim");
        EXPECT_NE(r.out.find(name + "\n"), std::string::npos) << r.out;
        SimFileContents c;
        ASSERT_EQ(readSimFile(name, c), ReadStatus::Ok);
        EXPECT_EQ(c.variant, SimVariant::Batch);
        // --clear-stock: every run starts without stock unless its first game draws one.
        EXPECT_LE(c.history[0].BigStock + c.history[0].RegStock, 1);
    }
}

TEST(CliPlay, BadInputIsRefusedWithTheWindowsMessagesAndWritesNothing) {
    test::TempDir dir;
    const std::string out = dir.file("x.sim");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"play", "--plays", "0"}, "Play数は、1以上にしてください。"},
        {{"play", "--plays", "abc"}, "'abc' は整数ではありません"},
        {{"play", "--runs", "0"}, "Sim回数は、1以上にしてください。"},
        {{"play", "--level", "7"}, "設定は、1～6または?にしてください。"},
        {{"play", "--level", "x"}, "'x' は整数ではありません"},
        {{"play", "--plays", "2147483647"}, "Play数が大きすぎます"},
        {{"play", "--seed", "-1"}, "--seed"},
        {{"play", "--seed", "4294967296"}, "--seed"},
        {{"play", "--frobnicate"}, "unknown option"},
        {{"play", "--plays"}, "needs a value"},
        {{"replay"}, "unknown command"},
        {{}, "Usage"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        if (!args.empty() && args[0] == "play") args.insert(args.begin() + 1, {"--out", out});
        SCOPED_TRACE(testing::PrintToString(args));
        const auto r = cli(args);
        EXPECT_EQ(r.code, kExitBadInput);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(dir.entries().empty());
    }
}

TEST(CliPlay, UnwritableFileEndsWithTheFailureOfASaveOrOfABatch) {
    const std::string file = "/nonexistent-zenoku/a.sim";
    // One run is a save, as in the window; several runs are a batch.
    const std::pair<std::string, std::string> cases[] = {
        {"1", "ファイルを作成できませんでした。\n" + file + "\n"},
        {"2", "エラーにより強制終了しました。\n"},
    };
    for (const auto& [runs, message] : cases) {
        SCOPED_TRACE(runs);
        const auto r =
            cli({"play", "--seed", "1", "--plays", "100", "--runs", runs, "--out", file});
        EXPECT_EQ(r.code, kExitFailure);
        EXPECT_EQ(r.err, message);
    }
}

TEST(CliPlay, HelpExplainsEveryOption) {
    const auto r = cli({"--help"});
    EXPECT_EQ(r.code, kExitOk);
    for (const char* option : {"--seed", "--level", "--plays", "--runs", "--clear-stock", "--out"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace zenoku
