#include "results/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace zenoku {

namespace {

/// A finite value as an exact or rounded decimal: digits d0 d1 d2 … with d0 standing for
/// d0 × 10^exponent. No leading or trailing zeros; zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

/// The exact decimal expansion of a finite double. Every double is a dyadic fraction, so its
/// decimal expansion ends; 767 significant digits always hold it, and a correctly rounded
/// conversion to that many digits therefore loses nothing.
Decimal exactDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0) return d;
    std::array<char, 800> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                         std::fabs(value), std::chars_format::scientific, 766);
    (void)ec; // the buffer holds 766 digits, the point, the sign and the exponent
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t e = text.find('e');
    d.digits.reserve(767);
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    d.exponent);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

/// Rounds to the digits of power `lowestPower` and above, halves away from zero. The digits
/// are exact, so "at least half" is simply a first dropped digit of 5 or more.
void roundToPower(Decimal& d, int lowestPower) {
    if (d.digits.empty()) return;
    const long keep = static_cast<long>(d.exponent) - lowestPower + 1;
    if (keep >= static_cast<long>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        // Carry through trailing nines; all nines become a 1 one power higher.
        while (!d.digits.empty() && d.digits.back() == '9')
            d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits.push_back('1');
            d.exponent = lowestPower + static_cast<int>(keep);
        } else {
            ++d.digits.back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

/// Integer part and `decimals` fraction digits of a rounded decimal (digits beyond are dropped;
/// callers have rounded already).
std::string plainText(const Decimal& d, int decimals) {
    std::string s;
    if (d.exponent >= 0) {
        for (int p = d.exponent; p >= 0; --p) {
            const int i = d.exponent - p;
            s.push_back(i < static_cast<int>(d.digits.size())
                            ? d.digits[static_cast<std::size_t>(i)]
                            : '0');
        }
    } else {
        s.push_back('0');
    }
    if (decimals > 0) {
        s.push_back('.');
        for (int p = -1; p >= -decimals; --p) {
            const int i = d.exponent - p;
            s.push_back(i >= 0 && i < static_cast<int>(d.digits.size())
                            ? d.digits[static_cast<std::size_t>(i)]
                            : '0');
        }
    }
    return s;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

} // namespace

std::string integerText(std::int64_t value) {
    std::array<char, 24> buffer;
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ec;
    return std::string(buffer.data(), end);
}

std::string generalText(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    Decimal d = exactDecimal(value);
    if (d.digits.empty()) return "0";
    roundToPower(d, d.exponent - 14);
    std::string s;
    if (d.negative) s.push_back('-');
    // The notation follows the rounded magnitude: 9.99999999999999999E14 rounds to 1E15.
    if (d.exponent >= -4 && d.exponent < 15) {
        const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
        s += plainText(d, decimals);
    } else {
        s.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            s.push_back('.');
            s.append(d.digits, 1, std::string::npos);
        }
        s.push_back('E');
        s += integerText(d.exponent);
    }
    return s;
}

std::string fixed2Text(double value) {
    if (!std::isfinite(value)) return nonFiniteText(value);
    Decimal d = exactDecimal(value);
    if (!d.digits.empty())
        // Two decimals, or five significant digits when they end above the hundredths.
        roundToPower(d, std::max(-2, d.exponent - 4));
    if (d.digits.empty()) return "0.00"; // no "-0.00" for a small negative value
    std::string s;
    if (d.negative) s.push_back('-');
    s += plainText(d, 2);
    return s;
}

} // namespace zenoku
