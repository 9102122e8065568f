#include "sim/StartInputs.h"

#include <gtest/gtest.h>

namespace zenoku {
namespace {

TEST(ParseInteger, AcceptedAndRefusedForms) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"1", 1},
        {"8000", 8000},
        {" 42 ", 42},
        {"+3", 3},
        {"-0", 0},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"1.5", std::nullopt},
        {"+", std::nullopt},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"-2147483649", std::nullopt},
        {"１０", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"\t1", std::nullopt},
        {"--1", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseInteger(c.text), c.value);
    }
}

TEST(CheckStartInputs, OrderAndMessages) {
    const std::uint64_t plenty = 1ull << 40;
    struct Case {
        const char* plays;
        const char* level;
        const char* runs;
        std::optional<InputError> error;
    };
    const InputError notInt{InputErrorKind::NotAnInteger, ""};
    auto conv = [](const char* t) {
        return InputError{InputErrorKind::NotAnInteger, texts::notAnInteger(t)};
    };
    auto range = [](std::string_view m) {
        return InputError{InputErrorKind::OutOfRange, std::string(m)};
    };
    (void)notInt;
    const Case cases[] = {
        {"0", "1", "abc", range(texts::kPlaysBelowOne)}, // Sim回数 not looked at
        {"-5", "1", "1", range(texts::kPlaysBelowOne)},
        {"abc", "1", "1", conv("abc")},
        {"1", "1", "0", range(texts::kRunsBelowOne)},
        {"1", "x", "0", range(texts::kRunsBelowOne)}, // level checked after Sim回数
        {"1", "x", "", conv("")},
        {"1", "7", "1", range(texts::kLevelOutOfRange)},
        {"1", "0", "1", range(texts::kLevelOutOfRange)},
        {"1", "? ", "1", conv("? ")},
        {"1", "1.5", "1", conv("1.5")},
        {"8000", "?", "3", std::nullopt},
        {"8000", " 6 ", "1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.plays) + "|" + c.level + "|" + c.runs);
        const auto got = checkStartInputs(c.plays, c.level, c.runs, plenty);
        if (c.error) {
            ASSERT_TRUE(std::holds_alternative<InputError>(got));
            EXPECT_EQ(std::get<InputError>(got), *c.error);
        } else {
            ASSERT_TRUE(std::holds_alternative<StartInputs>(got));
        }
    }
    const auto ok = std::get<StartInputs>(checkStartInputs("8000", "?", "3", plenty));
    EXPECT_EQ(ok.plays, 8000);
    EXPECT_EQ(ok.runs, 3);
    EXPECT_EQ(ok.level, kHiddenLevel);
    EXPECT_EQ(texts::notAnInteger("abc"), "'abc' は整数ではありません");
}

TEST(CheckStartInputs, PlayCountBeyondMemoryIsRefusedFirst) {
    const std::uint64_t memory = expectedHistoryBytes(1000000);
    EXPECT_TRUE(std::holds_alternative<StartInputs>(checkStartInputs("1000000", "1", "1", memory)));
    const auto got = checkStartInputs("1000001", "1", "abc", memory);
    ASSERT_TRUE(std::holds_alternative<InputError>(got));
    EXPECT_EQ(std::get<InputError>(got).message, texts::kPlaysTooLarge);
    // The largest Play数 does not fit this machine.
    EXPECT_GT(expectedHistoryBytes(INT32_MAX), physicalMemoryBytes());
}

} // namespace
} // namespace zenoku
