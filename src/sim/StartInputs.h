#pragma once

#include "texts/Messages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zenoku {

/// The setting-level text that asks for a hidden level drawn at random.
inline constexpr std::string_view kHiddenLevelText = "?";
/// Level value of a `RunRequest` that asks for a hidden level.
inline constexpr std::int32_t kHiddenLevel = 0;

/// Converts the text of an input box to an integer. Accepted: surrounding spaces, an
/// optional "+" or "-", then one or more ASCII decimal digits, within the 32-bit signed
/// range. Anything else (the empty text, "1.5", full-width digits, 2147483648) is not an
/// integer.
std::optional<std::int32_t> parseInteger(std::string_view text);

/// The three inputs of the start command, checked.
struct StartInputs {
    std::int32_t plays; ///< Play数: normal games per run, 1 or more
    std::int32_t runs;  ///< Sim回数: 1 plays and shows one run, more plays a batch
    std::int32_t level; ///< 1..6, or kHiddenLevel for "?"
};

/// How an input error is presented: a conversion failure in the toolkit's general error
/// box, a value out of range in the program's own error dialog.
enum class InputErrorKind { NotAnInteger, OutOfRange };

struct InputError {
    InputErrorKind kind;
    std::string message;
    friend bool operator==(const InputError&, const InputError&) = default;
};

/// Checks the texts of Play数, 設定 and Sim回数 in the start command's order: Play数 (an
/// integer, at least 1, small enough that its history fits in `memoryBytes`), then Sim回数,
/// then the level ("?" or an integer 1..6). The first failure is returned.
std::variant<StartInputs, InputError> checkStartInputs(std::string_view playText,
                                                       std::string_view levelText,
                                                       std::string_view simText,
                                                       std::uint64_t memoryBytes);

/// Bytes a history of `plays` normal games is expected to need, bonus games included.
std::uint64_t expectedHistoryBytes(std::int32_t plays);

/// Physical memory of this machine in bytes.
std::uint64_t physicalMemoryBytes();

} // namespace zenoku
