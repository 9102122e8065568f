#include "simfile/FileLayer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zenoku {

namespace {

class PosixOutputFile final : public OutputFile {
public:
    PosixOutputFile(int fd, std::string tempPath, std::string target)
        : m_fd(fd), m_tempPath(std::move(tempPath)), m_target(std::move(target)) {}
    ~PosixOutputFile() override { abort(); }

    bool write(const void* data, std::size_t n) override {
        const auto* p = static_cast<const char*>(data);
        while (n > 0 && m_fd >= 0) {
            const ssize_t w = ::write(m_fd, p, n);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            p += w;
            n -= static_cast<std::size_t>(w);
        }
        return m_fd >= 0;
    }

    bool commit() override {
        if (m_fd < 0) return false;
        const bool synced = ::fsync(m_fd) == 0;
        const bool closed = ::close(m_fd) == 0;
        m_fd = -1;
        if (!synced || !closed || std::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
            ::unlink(m_tempPath.c_str());
            m_tempPath.clear();
            return false;
        }
        m_tempPath.clear();
        return true;
    }

    void abort() override {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        if (!m_tempPath.empty()) {
            ::unlink(m_tempPath.c_str());
            m_tempPath.clear();
        }
    }

private:
    int m_fd;
    std::string m_tempPath;
    std::string m_target;
};

mode_t newFileMode(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

class PosixInputFile final : public InputFile {
public:
    PosixInputFile(int fd, std::uint64_t size) : m_fd(fd), m_size(size) {}
    ~PosixInputFile() override { ::close(m_fd); }
    PosixInputFile(const PosixInputFile&) = delete;
    PosixInputFile& operator=(const PosixInputFile&) = delete;

    std::uint64_t size() const override { return m_size; }

    bool readAt(std::uint64_t offset, void* destination, std::size_t n) override {
        auto* p = static_cast<char*>(destination);
        while (n > 0) {
            const ssize_t r = ::pread(m_fd, p, n, static_cast<off_t>(offset));
            if (r < 0 && errno == EINTR) continue;
            if (r <= 0) return false;
            p += r;
            offset += static_cast<std::uint64_t>(r);
            n -= static_cast<std::size_t>(r);
        }
        return true;
    }

private:
    int m_fd;
    std::uint64_t m_size;
};

class PosixFileLayer final : public FileLayer {
public:
    std::unique_ptr<OutputFile> create(const std::string& path) override {
        if (path.empty() || path.back() == '/') return nullptr;
        std::string temp = path + ".tmp-XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) return nullptr;
        ::fchmod(fd, newFileMode(path));
        return std::make_unique<PosixOutputFile>(fd, std::move(temp), path);
    }

    std::unique_ptr<InputFile> open(const std::string& path) override {
        // Non-blocking, so that opening a FIFO by mistake cannot hang; only regular files
        // are read.
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) return nullptr;
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return nullptr;
        }
        return std::make_unique<PosixInputFile>(fd, static_cast<std::uint64_t>(st.st_size));
    }
};

} // namespace

FileLayer& realFileLayer() {
    static PosixFileLayer layer;
    return layer;
}

} // namespace zenoku
