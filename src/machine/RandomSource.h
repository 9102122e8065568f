#pragma once

#include <cstdint>

namespace zenoku {

/// The program's one pseudo-random generator: a 64-bit linear congruential state whose
/// output is bits 32..62 of the state, so every value lies in 0..2147483647.
/// One instance serves every draw of the machine and the hidden-level draw of a run.
class RandomSource {
public:
    /// Starts a new sequence: the low half takes one step of the 32-bit generator
    /// (multiplier 0x015A4E35) from `seed`, the high half is 0.
    void Seed(std::uint32_t seed) {
        const std::uint32_t low = seed * 22695477u + 1u;
        m_state = low;
    }

    /// Advances the state and returns its bits 32..62 (0..2147483647).
    std::int32_t Next() {
        m_state = m_state * kMultiplier + 1u;
        return static_cast<std::int32_t>((m_state >> 32) & 0x7FFFFFFFu);
    }

    std::uint32_t low() const { return static_cast<std::uint32_t>(m_state); }
    std::uint32_t high() const { return static_cast<std::uint32_t>(m_state >> 32); }

private:
    static constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ull; // 1486058704437
    std::uint64_t m_state = 0;
};

} // namespace zenoku
