#include "sim/Run.h"
#include "simfile/FaultyFileLayer.h"
#include "simfile/SimFile.h"
#include "simfile/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenoku {
namespace {

using test::FaultyFileLayer;
using test::TempDir;

PlayHistory playedRun(std::int32_t plays, std::int32_t level, std::uint32_t seed = 11) {
    TSlot slot(seed);
    return *RunSimulation(slot, {plays, level, false}).history;
}

std::vector<unsigned char> fileBytes(SimVariant variant, SimHeader header, const PlayHistory& h) {
    TempDir dir;
    EXPECT_EQ(writeSimFile(dir.file("f.sim"), variant, header, h), WriteStatus::Ok);
    return test::readBytes(dir.file("f.sim"));
}

ReadStatus parse(const std::vector<unsigned char>& bytes, SimFileContents& out) {
    return parseSimFile(std::as_bytes(std::span(bytes)), out);
}

TEST(SimFile, SavedRoundTrip) {
    const PlayHistory h = playedRun(100, 3);
    TempDir dir;
    const std::string path = dir.file("run.sim");
    ASSERT_EQ(writeSimFile(path, SimVariant::Saved, {3, 100}, h), WriteStatus::Ok);

    const auto bytes = test::readBytes(path);
    ASSERT_EQ(bytes.size(), 12 + 36 * h.size());
    EXPECT_EQ((std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4)),
              (std::vector<unsigned char>{0x0B, 0, 0, 0}));
    EXPECT_EQ(test::wordAt(bytes, 4), 3);
    EXPECT_EQ(test::wordAt(bytes, 8), 100);
    EXPECT_EQ(test::wordAt(bytes, 12 + 4), h[0].Medals); // little-endian record order

    SimFileContents c;
    ASSERT_EQ(readSimFile(path, c), ReadStatus::Ok);
    EXPECT_EQ(c.variant, SimVariant::Saved);
    EXPECT_EQ(c.header, (SimHeader{3, 100}));
    EXPECT_TRUE(c.history == h);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"run.sim"}); // no temporary file left
}

TEST(SimFile, BatchFilesAreReadWithoutShifting) {
    const PlayHistory h = playedRun(300, 6);
    const auto bytes = fileBytes(SimVariant::Batch, {6, 300}, h);
    ASSERT_EQ(bytes.size(), 20 + 36 * h.size());
    EXPECT_EQ(test::wordAt(bytes, 12), 0);
    EXPECT_EQ(test::wordAt(bytes, 16), 0);
    SimFileContents c;
    ASSERT_EQ(parse(bytes, c), ReadStatus::Ok);
    EXPECT_EQ(c.variant, SimVariant::Batch);
    EXPECT_EQ(c.header, (SimHeader{6, 300}));
    EXPECT_TRUE(c.history == h);
}

TEST(SimFile, BrokenAndForeignFiles) {
    const PlayHistory h = playedRun(50, 1);
    const auto saved = fileBytes(SimVariant::Saved, {1, 50}, h);
    const auto batch = fileBytes(SimVariant::Batch, {1, 50}, h);
    auto cut = [](std::vector<unsigned char> b, std::size_t n) {
        b.resize(n);
        return b;
    };
    auto withWord = [](std::vector<unsigned char> b, std::size_t offset, std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            b[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(v >> (8 * i));
        return b;
    };
    const std::size_t lastTotalPlays = saved.size() - 36 + 8;
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        ReadStatus status;
        std::size_t entries;
        SimVariant variant;
    };
    const Case cases[] = {
        {"empty file", {}, ReadStatus::NotSimFile, 0, SimVariant::Saved},
        {"text file", {'h', 'e', 'l', 'l', 'o'}, ReadStatus::NotSimFile, 0, SimVariant::Saved},
        {"three bytes of the mark", {0x0B, 0, 0}, ReadStatus::NotSimFile, 0, SimVariant::Saved},
        {"wrong mark", withWord(saved, 0, 12), ReadStatus::NotSimFile, 0, SimVariant::Saved},
        {"mark only", cut(saved, 4), ReadStatus::NoRecords, 0, SimVariant::Saved},
        {"mark and level", cut(saved, 8), ReadStatus::NoRecords, 0, SimVariant::Saved},
        {"header without records", cut(saved, 12), ReadStatus::NoRecords, 0, SimVariant::Saved},
        {"incomplete first record", cut(saved, 12 + 35), ReadStatus::NoRecords, 0,
         SimVariant::Saved},
        {"cut inside record 4", cut(saved, 12 + 36 * 3 + 20), ReadStatus::Ok, 3, SimVariant::Saved},
        {"batch cut inside record 3", cut(batch, 20 + 36 * 2 + 10), ReadStatus::Ok, 2,
         SimVariant::Batch},
        {"batch header only", cut(batch, 20), ReadStatus::NoRecords, 0, SimVariant::Batch},
        {"last play count 0", withWord(saved, lastTotalPlays, 0), ReadStatus::NoRecords, 0,
         SimVariant::Saved},
        {"last play count negative", withWord(saved, lastTotalPlays, -7), ReadStatus::NoRecords, 0,
         SimVariant::Saved},
        {"odd codes are kept", withWord(saved, 12 + 16, 99), ReadStatus::Ok, h.size(),
         SimVariant::Saved},
    };
    SimFileContents odd;
    ASSERT_EQ(parse(cases[std::size(cases) - 1].bytes, odd), ReadStatus::Ok);
    EXPECT_EQ(odd.history[0].Outcome, 99);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimFileContents out;
        out.header = {42, 42};
        EXPECT_EQ(parse(c.bytes, out), c.status);
        if (c.status == ReadStatus::Ok) {
            EXPECT_EQ(out.history.size(), c.entries);
            EXPECT_EQ(out.variant, c.variant);
            // Record 0 is the one the odd-code case changed; the rest are the run's.
            for (std::size_t k = 1; k < c.entries; ++k)
                EXPECT_EQ(out.history[k], h[k]);
        } else {
            EXPECT_EQ(out.header, (SimHeader{42, 42})); // nothing handed over
            EXPECT_TRUE(out.history.empty());
        }
    }
}

TEST(SimFile, FilesThatCannotBeRead) {
    TempDir dir;
    SimFileContents c;
    EXPECT_EQ(readSimFile(dir.file("missing.sim"), c), ReadStatus::CannotOpen);
    EXPECT_EQ(readSimFile(dir.path().string(), c), ReadStatus::CannotOpen);
    EXPECT_EQ(readSimFile("", c), ReadStatus::CannotOpen);
    // A FIFO is refused at once, not waited on.
    const std::string fifo = dir.file("pipe.sim");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readSimFile(fifo, c), ReadStatus::CannotOpen);
}

TEST(SimFile, ReadErrorsAreReportedAsSuchAndFillNothing) {
    const PlayHistory h = playedRun(100, 4);
    TempDir dir;
    const std::string path = dir.file("run.sim");
    ASSERT_EQ(writeSimFile(path, SimVariant::Saved, {4, 100}, h), WriteStatus::Ok);
    using Fault = FaultyFileLayer::Fault;
    struct Case {
        const char* name;
        Fault fault;
        std::size_t budget;
        ReadStatus status;
    };
    const Case cases[] = {
        {"open refused", Fault::Open, 0, ReadStatus::CannotOpen},
        {"the header cannot be read", Fault::ReadAfterBytes, 0, ReadStatus::ReadFailed},
        {"the records come up short", Fault::ReadAfterBytes, 20, ReadStatus::ReadFailed},
        {"every byte read", Fault::ReadAfterBytes, 20 + 36 * h.size(), ReadStatus::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FaultyFileLayer layer(c.fault, c.budget);
        SimFileContents out;
        EXPECT_EQ(readSimFile(path, out, layer), c.status);
        EXPECT_EQ(out.history.size(), c.status == ReadStatus::Ok ? h.size() : 0u);
    }
}

TEST(SimFile, FailedWritesLeaveTheExistingFileIntactAndNoTemporaryFile) {
    const PlayHistory h = playedRun(200, 2);
    using Fault = FaultyFileLayer::Fault;
    struct Case {
        const char* name;
        Fault fault;
        std::size_t budget;
        WriteStatus status;
    };
    const Case cases[] = {
        {"cannot create", Fault::Create, 0, WriteStatus::CannotCreate},
        {"disk full before the header", Fault::WriteAfterBytes, 0, WriteStatus::WriteFailed},
        {"short write in the header", Fault::WriteAfterBytes, 5, WriteStatus::WriteFailed},
        {"disk full in the records", Fault::WriteAfterBytes, 12 + 36 * 10 + 7,
         WriteStatus::WriteFailed},
        {"flush, close or rename fails", Fault::Commit, 0, WriteStatus::WriteFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.file("keep.sim");
        const std::vector<unsigned char> old{1, 2, 3, 4, 5};
        test::writeBytes(path, old);
        FaultyFileLayer layer(c.fault, c.budget);
        EXPECT_EQ(writeSimFile(path, SimVariant::Saved, {2, 200}, h, layer), c.status);
        EXPECT_EQ(test::readBytes(path), old);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"keep.sim"});
    }
}

TEST(SimFile, UnwritablePlacesAreReportedAsCannotCreate) {
    const PlayHistory h = playedRun(10, 1);
    TempDir dir;
    EXPECT_EQ(writeSimFile(dir.file("no/such/folder/a.sim"), SimVariant::Saved, {1, 10}, h),
              WriteStatus::CannotCreate);
    EXPECT_EQ(writeSimFile(dir.file("") + "/", SimVariant::Saved, {1, 10}, h),
              WriteStatus::CannotCreate);
    // A read-only place: /proc refuses new files even to root; a folder without write
    // permission refuses them to everyone else.
    EXPECT_EQ(writeSimFile("/proc/zenoku-test.sim", SimVariant::Saved, {1, 10}, h),
              WriteStatus::CannotCreate);
    if (::geteuid() != 0) {
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
        EXPECT_EQ(writeSimFile(dir.file("ro.sim"), SimVariant::Saved, {1, 10}, h),
                  WriteStatus::CannotCreate);
    }
}

TEST(SimFile, EmptyHistoryWritesAHeaderOnly) {
    const auto bytes = fileBytes(SimVariant::Saved, {1, 0}, PlayHistory{});
    EXPECT_EQ(bytes.size(), 12u);
    SimFileContents c;
    EXPECT_EQ(parse(bytes, c), ReadStatus::NoRecords);
}

} // namespace
} // namespace zenoku
