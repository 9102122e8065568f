#pragma once

#include "history/PlayHistory.h"
#include "simfile/FileLayer.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zenoku {

/// First word of every ".sim" file.
inline constexpr std::int32_t kSimFileMark = 11;
/// Header lengths of the two variants, and the length of one record.
inline constexpr std::size_t kSavedHeaderBytes = 12;
inline constexpr std::size_t kBatchHeaderBytes = 20;
inline constexpr std::size_t kRecordBytes = 36;

/// A saved file has a 12-byte header (mark, level, play count); a batch file two reserved
/// zero words more.
enum class SimVariant { Saved, Batch };

/// Level and play count of a file's header; they come from the machine, not the history.
struct SimHeader {
    std::int32_t level = 1;
    std::int32_t plays = 0;
    friend bool operator==(const SimHeader&, const SimHeader&) = default;
};

enum class WriteStatus {
    Ok,
    CannotCreate, ///< the file could not be created (folder missing, no permission, bad name)
    WriteFailed,  ///< a write, the flush or the final rename failed; the target is intact
};

/// Writes `history` as a ".sim" file of the given variant: little-endian words, the header,
/// then one 36-byte record per entry. The file replaces `path` only when every byte is on
/// disk.
WriteStatus writeSimFile(const std::string& path, SimVariant variant, SimHeader header,
                         const PlayHistory& history, FileLayer& files = realFileLayer());

/// The same into a file already created; commits it on success, drops it on failure.
bool writeSimFile(OutputFile& out, SimVariant variant, SimHeader header,
                  const PlayHistory& history);

enum class ReadStatus {
    Ok,
    CannotOpen,  ///< missing, not permitted, or not a regular file
    ReadFailed,  ///< opened, but a read failed or came up short
    OutOfMemory, ///< the records do not fit in memory
    NotSimFile,  ///< the first word is missing or not 11
    NoRecords,   ///< the right mark, but no complete record or a last play count below 1
};

/// What a ".sim" file holds.
struct SimFileContents {
    SimVariant variant = SimVariant::Saved;
    SimHeader header;
    PlayHistory history;
};

/// Reads a ".sim" file. A batch file is told from a saved one by its two zero words 3 and 4
/// and a length that is not that of a complete saved file; an incomplete last record is
/// dropped. `contents` is filled only when the status is Ok.
ReadStatus readSimFile(const std::string& path, SimFileContents& contents,
                       FileLayer& files = realFileLayer());

/// The same rules over bytes in memory.
ReadStatus parseSimFile(std::span<const std::byte> bytes, SimFileContents& contents);

} // namespace zenoku
