#include "results/NumberText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace zenoku {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberText, GeneralTextRoundsTheExactValueToFifteenDigitsHalvesAwayFromZero) {
    const TextCase cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {296.0, "296"},
        {0.1346, "0.1346"},
        {0.0001, "0.0001"},
        {1.0 / 7.0, "0.142857142857143"},
        {10000.0 / 1346.0, "7.42942050520059"},
        {-1.0 / 3.0, "-0.333333333333333"},
        {-0.05, "-0.05"},
        {0.1 + 0.2, "0.3"}, // 0.30000000000000004 has noise beyond 15 digits
        // Scientific below 0.0001 and from 1E15 on.
        {5e-5, "5E-5"},
        {2.0 / 3.0 * 1e-4, "6.66666666666667E-5"},
        {-5e-5, "-5E-5"},
        {1e15, "1E15"},
        {-1.5e15, "-1.5E15"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e100, "1E100"},
        {5e-324, "4.94065645841247E-324"},
        // Carries: 9.999999999999995 is 9.99999999999999467… in binary, below the half, while
        // 9.999999999999996 rounds up through every digit.
        {9.999999999999995, "9.99999999999999"},
        {9.999999999999996, "10"},
        {-9.999999999999996, "-10"},
        // The notation follows the rounded magnitude: a carry into 1E15 switches to scientific,
        // a value just under 0.0001 that rounds to it stays plain.
        {999999999999999.4, "999999999999999"},
        {999999999999999.5, "1E15"},
        {9.999999999999999e-05, "0.0001"},
        {9.999999999999991e-05, "9.99999999999999E-5"}, // rounds below 0.0001
        // Exact ties go away from zero where printf's own rounding would go to even.
        {100000000000002.5, "100000000000003"},
        {-100000000000002.5, "-100000000000003"},
        {1234567890123445.0, "1.23456789012345E15"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hexfloat << c.value);
        EXPECT_EQ(generalText(c.value), c.text);
    }
}

TEST(NumberText, GeneralTextOfThirtyTwoBitFloatsUsesTheirExactValue) {
    // The one-in values are floats: a whole float prints whole, a float of 1/3 shows the
    // float's own digits, not those of the double 1/3.
    EXPECT_EQ(generalText(static_cast<float>(296)), "296");
    EXPECT_EQ(generalText(static_cast<float>(100000001)), "100000000");
    EXPECT_EQ(generalText(1.0f / 3.0f), "0.333333343267441");
}

TEST(NumberText, Fixed2TextKeepsTwoDecimalsOrFiveSignificantDigitsWhicheverIsFewer) {
    const TextCase cases[] = {
        {0.0, "0.00"},
        {95.0, "95.00"},
        {100.0, "100.00"},
        {114.403333, "114.40"},
        {static_cast<float>(4321.0 / 30000.0 * 100.0 + 100.0), "114.40"},
        {1234.567, "1234.60"},
        {123456.7, "123460.00"},
        {99999.995, "100000.00"}, // five digits carry into a sixth
        {99.995, "100.00"},       // 99.99500000000000455 in binary
        {9.995, "9.99"},          // 9.99499999999999922 in binary
        {0.125, "0.13"},          // an exact tie: away from zero, not to even
        {-95.125, "-95.13"},
        {-4.5, "-4.50"},
        {0.005, "0.01"},
        {0.004999, "0.00"},
        {-0.004, "0.00"}, // no negative zero
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hexfloat << c.value);
        EXPECT_EQ(fixed2Text(c.value), c.text);
    }
}

TEST(NumberText, IntegerTextIsPlainDecimal) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-24000), "-24000");
    EXPECT_EQ(integerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(integerText(std::int64_t{42949672940}), "42949672940");
}

} // namespace
} // namespace zenoku
