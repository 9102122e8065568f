#include "history/PlayHistory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace zenoku {

namespace {

/// Lets the kernel back the 2 MiB-aligned part of a large block with huge pages.
void preferHugePages(void* block, std::size_t bytes) {
    constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
    if (bytes < 2 * kHuge) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kHuge - 1);
    if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace

void PlayHistory::reallocate(std::size_t n) {
    if (n > SIZE_MAX / sizeof(PlayRecord)) throw std::bad_alloc();
    void* p = std::realloc(m_data, n * sizeof(PlayRecord));
    if (p == nullptr) throw std::bad_alloc();
    m_data = static_cast<PlayRecord*>(p);
    m_capacity = n;
    preferHugePages(p, n * sizeof(PlayRecord));
}

} // namespace zenoku
