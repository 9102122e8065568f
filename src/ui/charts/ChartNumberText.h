#pragma once

#include <QString>

namespace zenoku {

/// A number in the chart pattern "#,##0.###": thousands grouped with ",", rounded to at most
/// three decimals, trailing zeros and a bare point dropped (1234.5 → "1,234.5", -0.0001 → "0").
QString groupedNumberText(double value);

/// A number in the pattern "0": rounded to a whole number, no grouping.
QString wholeNumberText(double value);

} // namespace zenoku
