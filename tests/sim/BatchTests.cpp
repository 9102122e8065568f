#include "sim/Batch.h"
#include "sim/StartInputs.h"
#include "simfile/FaultyFileLayer.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"

#include <gtest/gtest.h>
#include <set>

namespace zenoku {
namespace {

using test::TempDir;

TEST(BatchFileName, SuffixGoesInFrontOfTheFirstDotOfTheFileName) {
    struct Case {
        const char* chosen;
        std::int32_t level, plays, run;
        const char* expected;
    };
    const Case cases[] = {
        {"runs/test.sim", 6, 8000, 1, "runs/test6_8000_1.sim"},
        {"runs/a.sim", 6, 1000, 2, "runs/a6_1000_2.sim"},
        {"/data/runs/a", 6, 1000, 1, "/data/runs/a6_1000_1"},
        {"old.runs/a.sim", 6, 1000, 1, "old.runs/a6_1000_1.sim"},
        {"a.b.sim", 1, 1, 10, "a1_1_10.b.sim"},
        {".sim", 3, 5, 1, "3_5_1.sim"},
        {"x", 2, 2147483647, 2147483647, "x2_2147483647_2147483647"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(batchFileName(c.chosen, c.level, c.plays, c.run), c.expected);
    }
}

TEST(Batch, WritesEachRunToItsOwnFileOnOneMachine) {
    TempDir dir;
    TSlot slot(4242);
    std::vector<std::pair<std::string, int>> saving;
    std::vector<std::int32_t> started;
    const BatchCallbacks callbacks{
        [&](std::int32_t i, const RunReport& r) {
            started.push_back(i);
            EXPECT_EQ(r.level, 6);
        },
        [&](const std::string& name, int progress) { saving.emplace_back(name, progress); }};
    const BatchResult result = RunBatch(slot, {{1000, 6, false}, 3, dir.file("a.sim")}, callbacks);
    ASSERT_TRUE(result.completed);
    const std::vector<std::string> names{dir.file("a6_1000_1.sim"), dir.file("a6_1000_2.sim"),
                                         dir.file("a6_1000_3.sim")};
    EXPECT_EQ(result.files, names);
    EXPECT_EQ(started, (std::vector<std::int32_t>{1, 2, 3}));
    ASSERT_EQ(saving.size(), 3u);
    EXPECT_EQ(saving[0], std::make_pair(names[0], 33));
    EXPECT_EQ(saving[1], std::make_pair(names[1], 66));
    EXPECT_EQ(saving[2], std::make_pair(names[2], 100));

    // The same machine playing the same runs one by one gives the files' records: the stock
    // and the random sequence carry over from run to run.
    TSlot again(4242);
    PlayHistory expected;
    for (const std::string& name : names) {
        expected = *RunSimulation(again, {1000, 6, false}).history;
        const auto bytes = test::readBytes(name);
        ASSERT_EQ(bytes.size(), 20 + 36 * expected.size());
        SimFileContents c;
        ASSERT_EQ(readSimFile(name, c), ReadStatus::Ok);
        EXPECT_EQ(c.variant, SimVariant::Batch);
        EXPECT_EQ(c.header, (SimHeader{6, 1000}));
        EXPECT_TRUE(c.history == expected);
    }
    EXPECT_TRUE(*result.lastRun.history == expected); // the last run is handed back
    EXPECT_EQ(result.lastRun.header, (SimHeader{6, 1000}));
}

TEST(Batch, HiddenLevelIsDrawnForEveryRun) {
    TempDir dir;
    TSlot slot(77);
    const BatchResult result = RunBatch(slot, {{10, kHiddenLevel, true}, 12, dir.file("h.sim")});
    ASSERT_TRUE(result.completed);
    std::set<char> levels;
    for (const std::string& f : result.files)
        levels.insert(f[dir.file("h").size()]);
    EXPECT_GT(levels.size(), 1u);
}

TEST(Batch, EndsAtTheFirstFileThatCannotBeWritten) {
    using Fault = test::FaultyFileLayer::Fault;
    struct Case {
        const char* name;
        Fault fault;
        std::size_t budget;
    };
    const Case cases[] = {
        {"second file cannot be created", Fault::Create, 0},
        {"second file: disk full", Fault::WriteAfterBytes, 100},
        {"second file: commit fails", Fault::Commit, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        TSlot slot(1);
        test::FaultyFileLayer layer(c.fault, c.budget, /*healthyFiles=*/1);
        int saving = 0;
        const BatchResult result =
            RunBatch(slot, {{500, 2, false}, 3, dir.file("b.sim")},
                     {nullptr, [&](const std::string&, int) { ++saving; }}, layer);
        EXPECT_FALSE(result.completed);
        EXPECT_EQ(result.files, std::vector<std::string>{dir.file("b2_500_1.sim")});
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"b2_500_1.sim"});
        EXPECT_EQ(result.lastRun.history->back().TotalPlays, 500); // the failed run is kept
        EXPECT_EQ(saving, c.fault == Fault::Create ? 1 : 2);
    }
    TSlot slot(1);
    const BatchResult missing = RunBatch(slot, {{10, 1, false}, 2, "/nonexistent-zenoku/b.sim"});
    EXPECT_FALSE(missing.completed);
    EXPECT_TRUE(missing.files.empty());
}

} // namespace
} // namespace zenoku
