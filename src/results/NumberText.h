#pragma once

#include <cstdint>
#include <string>

namespace zenoku {

/// Decimal digits with a leading "-" when negative; no grouping, no leading zeros.
std::string integerText(std::int64_t value);

/// The general number text: 15 significant digits, halves away from zero (rounded from the
/// exact binary value); plain notation for rounded magnitudes in [0.0001, 1E15) with trailing
/// zeros and a bare point removed, scientific otherwise ("5E-5", "6.66666666666667E-5").
/// Zero is "0".
std::string generalText(double value);

/// The fixed-2 text: rounded, halves away from zero, to whichever of 5 significant digits or
/// 2 decimals keeps fewer digits, written with exactly two decimals (95 → "95.00",
/// 1234.567 → "1234.60").
std::string fixed2Text(double value);

} // namespace zenoku
