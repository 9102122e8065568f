#pragma once

#include "machine/Slot.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace zenoku::test {

/// A random source that returns the values a test scripts, so every draw of the machine can
/// be chosen. Running out of values is a test failure.
class ScriptedRandom {
public:
    void Seed(std::uint32_t) {}
    std::int32_t Next() {
        if (m_values.empty())
            throw std::logic_error("the machine drew more values than the test scripted");
        const std::int32_t v = m_values.front();
        m_values.pop_front();
        return v;
    }
    void push(std::initializer_list<std::int32_t> values) {
        m_values.insert(m_values.end(), values);
    }
    std::size_t left() const { return m_values.size(); }

private:
    std::deque<std::int32_t> m_values;
};

using ScriptedSlot = BasicSlot<ScriptedRandom>;

// Draw values that select a result at level 1 (each is also a valid raw value r).
inline constexpr std::int32_t kBonusBig = 0;
inline constexpr std::int32_t kBonusReg = 152;
inline constexpr std::int32_t kBonusNone = 65535;
inline constexpr std::int32_t kRoleBell = 0;
inline constexpr std::int32_t kRoleReplay = 4234663;
inline constexpr std::int32_t kRoleRareReplay = 8832420;
inline constexpr std::int32_t kRolePureMiss = 8839549;
inline constexpr std::int32_t kRoleMiss = 33554431;
inline constexpr std::int32_t kBigFrog = 0;
inline constexpr std::int32_t kBigBell = 13557;
inline constexpr std::int32_t kBigJacIn = 13623;
inline constexpr std::int32_t kBigMiss = 16383;

} // namespace zenoku::test
