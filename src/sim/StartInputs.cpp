#include "sim/StartInputs.h"

#include "history/PlayHistory.h"
#include "machine/LotteryTables.h"

#include <unistd.h>

namespace zenoku {

std::optional<std::int32_t> parseInteger(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{INT32_MAX} + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::uint64_t expectedHistoryBytes(std::int32_t plays) {
    // A run records its normal games plus the bonus games in between, about 16 % more at the
    // highest level; a quarter on top leaves room for a lucky run.
    const auto n = static_cast<std::uint64_t>(plays < 0 ? 0 : plays);
    return (n + n / 4) * sizeof(PlayRecord);
}

std::uint64_t physicalMemoryBytes() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return UINT64_MAX;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::variant<StartInputs, InputError> checkStartInputs(std::string_view playText,
                                                       std::string_view levelText,
                                                       std::string_view simText,
                                                       std::uint64_t memoryBytes) {
    StartInputs in{};
    const auto plays = parseInteger(playText);
    if (!plays) return InputError{InputErrorKind::NotAnInteger, texts::notAnInteger(playText)};
    if (*plays < 1)
        return InputError{InputErrorKind::OutOfRange, std::string(texts::kPlaysBelowOne)};
    if (expectedHistoryBytes(*plays) > memoryBytes)
        return InputError{InputErrorKind::OutOfRange, std::string(texts::kPlaysTooLarge)};
    in.plays = *plays;

    const auto runs = parseInteger(simText);
    if (!runs) return InputError{InputErrorKind::NotAnInteger, texts::notAnInteger(simText)};
    if (*runs < 1) return InputError{InputErrorKind::OutOfRange, std::string(texts::kRunsBelowOne)};
    in.runs = *runs;

    if (levelText == kHiddenLevelText) {
        in.level = kHiddenLevel;
    } else {
        const auto level = parseInteger(levelText);
        if (!level) return InputError{InputErrorKind::NotAnInteger, texts::notAnInteger(levelText)};
        if (*level < 1 || *level > kLevelCount)
            return InputError{InputErrorKind::OutOfRange, std::string(texts::kLevelOutOfRange)};
        in.level = *level;
    }
    return in;
}

} // namespace zenoku
