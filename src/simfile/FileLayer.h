#pragma once

#include <cstddef>
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

/// Where ".sim" files are written. Tests put a layer here that fails on purpose.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    /// Starts a file that will replace `path`; null when it cannot be created (no such
    /// folder, no permission, an invalid name).
    virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
};

/// The real file system: a temporary file beside the target, flushed to disk and renamed
/// over it.
FileLayer& realFileLayer();

} // namespace zenoku
