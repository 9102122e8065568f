#pragma once

#include "machine/Outcome.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace zenoku {

/// The nine values recorded after one game, in the fixed order of the history's series
/// (the same order as a record of a ".sim" file).
struct PlayRecord {
    std::int32_t SinceBonus; ///< normal games since the last bonus ended, counting this one
    std::int32_t Medals;     ///< medal balance of the run so far
    std::int32_t TotalPlays; ///< normal games of the run so far
    std::int32_t BonusKind;  ///< 0 none, 1 BIG, 2 REG
    std::int32_t Outcome;    ///< outcome code 0..13
    std::int32_t RtTrigger;  ///< 0 none, 1..4 the RT release trigger
    std::int32_t BigGames;   ///< 0 on a normal game, 1 or more on a bonus game
    std::int32_t BigStock;   ///< stocked BIGs after this game
    std::int32_t RegStock;   ///< stocked REGs after this game

    bool isNormalGame() const { return BigGames == 0; }
    bool isBonusGame() const { return BigGames != 0; }
    /// A normal game on which a stocked bonus was released.
    bool isRelease() const {
        return BigGames == 0 &&
               (Outcome == OutcomeCode::BigRelease || Outcome == OutcomeCode::RegRelease);
    }

    friend bool operator==(const PlayRecord&, const PlayRecord&) = default;
};
static_assert(sizeof(PlayRecord) == 36, "a history record is nine packed 32-bit values");
static_assert(std::is_trivially_copyable_v<PlayRecord>);

/// The nine series of a history, in their fixed order.
enum class Series {
    SinceBonus,
    Medals,
    TotalPlays,
    BonusKind,
    Outcome,
    RtTrigger,
    BigGames,
    BigStock,
    RegStock,
    Count
};
inline constexpr std::size_t kSeriesCount = static_cast<std::size_t>(Series::Count);

inline constexpr std::array<std::int32_t PlayRecord::*, kSeriesCount> kSeriesMembers{
    &PlayRecord::SinceBonus, &PlayRecord::Medals,   &PlayRecord::TotalPlays,
    &PlayRecord::BonusKind,  &PlayRecord::Outcome,  &PlayRecord::RtTrigger,
    &PlayRecord::BigGames,   &PlayRecord::BigStock, &PlayRecord::RegStock};

/// The play history of one run: one record per game played, normal or bonus, in play order.
/// Entry k of every series is field k's member of record k, so the nine series always have
/// one common length.
///
/// Storage is one contiguous block grown with `realloc`, which moves large blocks by
/// remapping pages rather than copying them; records are not zero-filled before use, and a
/// large block asks for huge pages, since touching fresh memory page by page costs more than
/// playing the games.
class PlayHistory {
public:
    PlayHistory() = default;
    PlayHistory(const PlayHistory& other) { *this = other; }
    PlayHistory(PlayHistory&& other) noexcept { swap(other); }
    PlayHistory& operator=(const PlayHistory& other) {
        if (this != &other) {
            clear();
            reserve(other.m_size);
            append(other.m_data, other.m_size);
        }
        return *this;
    }
    PlayHistory& operator=(PlayHistory&& other) noexcept {
        swap(other);
        return *this;
    }
    ~PlayHistory() { std::free(m_data); }

    void swap(PlayHistory& other) noexcept {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
    }

    /// Number of entries E.
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::size_t capacity() const { return m_capacity; }

    /// Empties all nine series; the storage is kept for the next run.
    void clear() { m_size = 0; }
    /// Makes room for `n` entries in all; throws std::bad_alloc when memory is short.
    void reserve(std::size_t n) {
        if (n > m_capacity) reallocate(n);
    }

    const PlayRecord& operator[](std::size_t k) const { return m_data[k]; }
    const PlayRecord& back() const { return m_data[m_size - 1]; }
    const PlayRecord* data() const { return m_data; }
    const PlayRecord* begin() const { return m_data; }
    const PlayRecord* end() const { return m_data + m_size; }

    /// Entry k of series s.
    std::int32_t value(std::size_t k, Series s) const {
        return m_data[k].*kSeriesMembers[static_cast<std::size_t>(s)];
    }

    void append(const PlayRecord& r) {
        if (m_size == m_capacity) reallocate(m_capacity < 1024 ? 1024 : m_capacity * 2);
        m_data[m_size++] = r;
    }
    void append(const PlayRecord* records, std::size_t n) {
        reserve(m_size + n);
        if (n != 0) __builtin_memcpy(m_data + m_size, records, n * sizeof(PlayRecord));
        m_size += n;
    }
    /// Adds `n` records whose values the caller writes at once (readers fill them from a
    /// file); returns the first of them.
    PlayRecord* appendUninitialized(std::size_t n) {
        reserve(m_size + n);
        PlayRecord* first = m_data + m_size;
        m_size += n;
        return first;
    }
    /// Drops the entries from `n` on.
    void truncate(std::size_t n) {
        if (n < m_size) m_size = n;
    }

    friend bool operator==(const PlayHistory& a, const PlayHistory& b) {
        if (a.m_size != b.m_size) return false;
        for (std::size_t k = 0; k < a.m_size; ++k)
            if (!(a.m_data[k] == b.m_data[k])) return false;
        return true;
    }

private:
    /// Moves the records into a block of `n` records; throws std::bad_alloc when it cannot.
    void reallocate(std::size_t n);

    PlayRecord* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

/// A played or read history, handed on as shared and immutable.
inline std::shared_ptr<const PlayHistory> shareHistory(PlayHistory&& history) {
    return std::make_shared<PlayHistory>(std::move(history));
}

/// Takes back the storage of a history made by `shareHistory` once nobody else holds it, so
/// the next run records into memory that is already touched; an empty history while it is
/// still shared (a shown run keeps its own).
inline PlayHistory reclaimStorage(std::shared_ptr<const PlayHistory>&& history) {
    PlayHistory storage;
    if (history && history.use_count() == 1)
        // The object was made non-const by shareHistory; only the handle is const.
        storage.swap(*std::const_pointer_cast<PlayHistory>(history));
    history.reset();
    return storage;
}

} // namespace zenoku
