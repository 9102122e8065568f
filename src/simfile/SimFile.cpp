#include "simfile/SimFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>
#include <vector>

namespace zenoku {

namespace {

constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;

std::int32_t loadWord(const unsigned char* p) {
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                     std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24);
}

void storeWord(unsigned char* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
    p[2] = static_cast<unsigned char>(v >> 16);
    p[3] = static_cast<unsigned char>(v >> 24);
}

/// Turns records read as raw bytes into host order (nothing to do on little-endian hosts).
void recordsFromFileOrder(PlayRecord* records, std::size_t n) {
    if constexpr (!kHostIsLittleEndian) {
        auto* bytes = reinterpret_cast<unsigned char*>(records);
        for (std::size_t i = 0; i < n * kSeriesCount; ++i) {
            const std::int32_t v = loadWord(bytes + 4 * i);
            std::memcpy(bytes + 4 * i, &v, 4);
        }
    }
}

bool writeRecords(OutputFile& out, const PlayHistory& history) {
    if constexpr (kHostIsLittleEndian) {
        // The in-memory records are the file's records byte for byte.
        return out.write(history.data(), history.size() * kRecordBytes);
    } else {
        constexpr std::size_t kChunkRecords = 1 << 15;
        std::vector<unsigned char> buffer(kChunkRecords * kRecordBytes);
        for (std::size_t k = 0; k < history.size(); k += kChunkRecords) {
            const std::size_t n = std::min(kChunkRecords, history.size() - k);
            for (std::size_t i = 0; i < n; ++i)
                for (std::size_t s = 0; s < kSeriesCount; ++s)
                    storeWord(buffer.data() + i * kRecordBytes + 4 * s,
                              history.value(k + i, static_cast<Series>(s)));
            if (!out.write(buffer.data(), n * kRecordBytes)) return false;
        }
        return true;
    }
}

/// The reading rules over any byte source: `readAt(offset, destination, n)` copies n bytes
/// from the offset and reports whether it could.
template <class ReadAt>
ReadStatus parse(std::uint64_t length, ReadAt&& readAt, SimFileContents& contents) {
    unsigned char head[kBatchHeaderBytes] = {};
    const auto headLength = static_cast<std::size_t>(std::min<std::uint64_t>(length, sizeof head));
    if (!readAt(0, head, headLength)) return ReadStatus::ReadFailed;
    if (headLength < 4 || loadWord(head) != kSimFileMark) return ReadStatus::NotSimFile;
    if (headLength < kSavedHeaderBytes) return ReadStatus::NoRecords;

    // A batch file carries two reserved zero words; a saved file's fourth and fifth words are
    // the first record's SinceBonus (at least 1 in any run) and Medals. A length that fits a
    // complete saved file exactly keeps it a saved file.
    const bool batch = headLength == kBatchHeaderBytes && loadWord(head + 12) == 0 &&
                       loadWord(head + 16) == 0 && (length - kSavedHeaderBytes) % kRecordBytes != 0;
    const std::uint64_t offset = batch ? kBatchHeaderBytes : kSavedHeaderBytes;
    const std::uint64_t entries = (length - offset) / kRecordBytes;
    if (entries == 0) return ReadStatus::NoRecords;

    PlayHistory history;
    try {
        if (entries > SIZE_MAX / kRecordBytes) throw std::bad_alloc();
        PlayRecord* records = history.appendUninitialized(static_cast<std::size_t>(entries));
        if (!readAt(offset, records, static_cast<std::size_t>(entries) * kRecordBytes))
            return ReadStatus::ReadFailed;
        recordsFromFileOrder(records, static_cast<std::size_t>(entries));
    } catch (const std::bad_alloc&) {
        return ReadStatus::OutOfMemory;
    }
    if (history.back().TotalPlays < 1) return ReadStatus::NoRecords;

    contents.variant = batch ? SimVariant::Batch : SimVariant::Saved;
    contents.header = SimHeader{loadWord(head + 4), loadWord(head + 8)};
    contents.history = std::move(history);
    return ReadStatus::Ok;
}

} // namespace

bool writeSimFile(OutputFile& out, SimVariant variant, SimHeader header,
                  const PlayHistory& history) {
    unsigned char head[kBatchHeaderBytes] = {};
    storeWord(head, kSimFileMark);
    storeWord(head + 4, header.level);
    storeWord(head + 8, header.plays);
    const std::size_t headLength =
        variant == SimVariant::Batch ? kBatchHeaderBytes : kSavedHeaderBytes;
    if (!out.write(head, headLength) || !writeRecords(out, history)) {
        out.abort();
        return false;
    }
    return out.commit();
}

WriteStatus writeSimFile(const std::string& path, SimVariant variant, SimHeader header,
                         const PlayHistory& history, FileLayer& files) {
    const std::unique_ptr<OutputFile> out = files.create(path);
    if (!out) return WriteStatus::CannotCreate;
    return writeSimFile(*out, variant, header, history) ? WriteStatus::Ok
                                                        : WriteStatus::WriteFailed;
}

ReadStatus readSimFile(const std::string& path, SimFileContents& contents, FileLayer& files) {
    const std::unique_ptr<InputFile> in = files.open(path);
    if (!in) return ReadStatus::CannotOpen;
    return parse(
        in->size(),
        [&](std::uint64_t offset, void* destination, std::size_t n) {
            return in->readAt(offset, destination, n);
        },
        contents);
}

ReadStatus parseSimFile(std::span<const std::byte> bytes, SimFileContents& contents) {
    auto readAt = [&](std::uint64_t offset, void* destination, std::size_t n) {
        if (offset > bytes.size() || n > bytes.size() - offset) return false;
        if (n != 0) std::memcpy(destination, bytes.data() + offset, n);
        return true;
    };
    return parse(bytes.size(), readAt, contents);
}

} // namespace zenoku
