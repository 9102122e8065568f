#pragma once

#include "simfile/FileLayer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace zenoku::test {

/// A file layer over the real one that fails on purpose: creation refused, a write that
/// fails after a byte budget (a full disk, a short write), a failing commit (flush, close
/// or rename); for reading, an open refused or a read that fails after a byte budget (an I/O
/// error, a file cut short under the reader).
class FaultyFileLayer final : public FileLayer {
public:
    enum class Fault { None, Create, WriteAfterBytes, Commit, Open, ReadAfterBytes };

    FaultyFileLayer(Fault fault, std::size_t byteBudget = 0, int healthyFiles = 0)
        : m_fault(fault), m_budget(byteBudget), m_healthyFiles(healthyFiles) {}

    std::unique_ptr<OutputFile> create(const std::string& path) override {
        const bool failing = m_created++ >= m_healthyFiles;
        if (failing && m_fault == Fault::Create) return nullptr;
        auto real = realFileLayer().create(path);
        if (!real) return nullptr;
        return std::make_unique<File>(std::move(real), failing ? m_fault : Fault::None, m_budget);
    }

    std::unique_ptr<InputFile> open(const std::string& path) override {
        if (m_fault == Fault::Open) return nullptr;
        auto real = realFileLayer().open(path);
        if (!real || m_fault != Fault::ReadAfterBytes) return real;
        return std::make_unique<Input>(std::move(real), m_budget);
    }

private:
    class Input final : public InputFile {
    public:
        Input(std::unique_ptr<InputFile> real, std::size_t budget)
            : m_real(std::move(real)), m_budget(budget) {}
        std::uint64_t size() const override { return m_real->size(); }
        bool readAt(std::uint64_t offset, void* destination, std::size_t n) override {
            if (n > m_budget) return false;
            m_budget -= n;
            return m_real->readAt(offset, destination, n);
        }

    private:
        std::unique_ptr<InputFile> m_real;
        std::size_t m_budget;
    };

    class File final : public OutputFile {
    public:
        File(std::unique_ptr<OutputFile> real, Fault fault, std::size_t budget)
            : m_real(std::move(real)), m_fault(fault), m_budget(budget) {}
        bool write(const void* data, std::size_t n) override {
            if (m_fault == Fault::WriteAfterBytes) {
                if (n > m_budget) {
                    // A short write: part of the bytes reach the file, then the disk is full.
                    m_real->write(data, m_budget);
                    m_budget = 0;
                    return false;
                }
                m_budget -= n;
            }
            return m_real->write(data, n);
        }
        bool commit() override {
            if (m_fault == Fault::Commit) {
                m_real->abort();
                return false;
            }
            return m_real->commit();
        }
        void abort() override { m_real->abort(); }

    private:
        std::unique_ptr<OutputFile> m_real;
        Fault m_fault;
        std::size_t m_budget;
    };

    Fault m_fault;
    std::size_t m_budget;
    int m_healthyFiles;
    int m_created = 0;
};

} // namespace zenoku::test
