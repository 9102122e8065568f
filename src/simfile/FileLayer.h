#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace zenoku {

/// A file being written in place of `path`. Nothing is visible under the target name until
/// `commit` succeeds; an existing file of that name stays intact until then.
class OutputFile {
public:
    virtual ~OutputFile() = default;
    /// Writes all `n` bytes or reports failure (a full disk, a short write).
    virtual bool write(const void* data, std::size_t n) = 0;
    /// Makes the written bytes durable and moves them under the target name. On failure the
    /// partial file is removed and the target is left as it was.
    virtual bool commit() = 0;
    /// Drops what was written; the target is left as it was.
    virtual void abort() = 0;
};

/// A file opened for reading, of a length fixed when it was opened.
class InputFile {
public:
    virtual ~InputFile() = default;
    /// Length in bytes.
    virtual std::uint64_t size() const = 0;
    /// Copies `n` bytes from `offset` into `destination`; false when they cannot all be read
    /// (a read error, a file that shrank).
    virtual bool readAt(std::uint64_t offset, void* destination, std::size_t n) = 0;
};

/// Where ".sim" files are written and read. Tests put a layer here that fails on purpose.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    /// Starts a file that will replace `path`; null when it cannot be created (no such
    /// folder, no permission, an invalid name).
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
    /// Opens `path` for reading; null when it cannot be opened (missing, no permission, not
    /// a regular file).
    virtual std::unique_ptr<InputFile> open(const std::string& path) = 0;
};

/// The real file system: writes go to a temporary file beside the target, flushed to disk
/// and renamed over it; reads are positioned reads of a regular file.
FileLayer& realFileLayer();

} // namespace zenoku
