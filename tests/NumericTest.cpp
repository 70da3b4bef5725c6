#include "core/base/Numeric.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace tarvelo {
namespace {

TEST(NumericTest, StoringIntoIntegersRoundsHalvesToEven) {
    const struct {
        double value;
        std::int32_t stored;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {200.5, 200},
        {291.9, 292},
        {0.49999, 0},
        {-0.5, 0},
        {1e20, std::numeric_limits<std::int32_t>::max()},
        {-1e20, std::numeric_limits<std::int32_t>::min()},
        {std::nan(""), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt32(c.value), c.stored) << c.value;
    }
    EXPECT_EQ(RoundToInt16(6.5), 6);
    EXPECT_EQ(RoundToInt16(1e9), std::numeric_limits<std::int16_t>::max());
}

TEST(NumericTest, IntFloorsAndModKeepsTheDividendsSign) {
    EXPECT_EQ(Int(3.6), 3);
    EXPECT_EQ(Int(-3.6), -4);
    EXPECT_EQ(Int(-3.0), -3);
    EXPECT_EQ(Mod(5, 2), 1);
    EXPECT_EQ(Mod(-5, 2), -1);
    EXPECT_EQ(Mod(-20, 13), -7);
    EXPECT_EQ(Mod(722, 13), 7);
    EXPECT_EQ(Mod(7, 0), 0);
}

TEST(NumericTest, SingleFieldsSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ToSingle(1e300), std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(-1e300), -std::numeric_limits<float>::max());
    EXPECT_EQ(ToSingle(0.5), 0.5f);
}

TEST(NumericTest, ReadsNumbersFromText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"7", 7},       {"7.9", 7.9},   {" 3 ", 3},      {"3abc", 3},    {"", 0},
        {"abc", 0},     {"-1", -1},     {"-0.5", -0.5},  {"10", 10},     {"1 2", 12},
        {"\t4\n2", 42}, {"- 3", -3},    {"+5", 5},       {".5", 0.5},    {".", 0},
        {"-", 0},       {"1.2.3", 1.2}, {"1,5", 1},      {"1.5e2", 150}, {"1.5E+2", 150},
        {"25e-1", 2.5}, {"1d2", 100},   {"1e", 1},       {"1e+", 1},     {"&H7", 7},
        {"&h1F", 31},   {"&O17", 15},   {"&o19", 1},     {"&H", 0},      {"&Hzz", 0},
        {"&7", 0},      {"1e-400", 0},  {"0e999999", 0}, {"722\r", 722}, {"--1", 0},
        {"1\r2", 1},
    };
    for (const auto& c : cases) {
        const NumberReading r = ReadNumber(c.text);
        EXPECT_TRUE(r.fits) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
    }
}

TEST(NumericTest, NumbersTooLargeForADoubleAreFlaggedNotFatal) {
    for (const std::string& text :
         {std::string("1e400"), std::string("-1e400"), std::string("1e99999999999999999999"),
          std::string(400, '9'), std::string("0.001e312")}) {
        const NumberReading r = ReadNumber(text);
        EXPECT_FALSE(r.fits) << text;
        EXPECT_EQ(r.value, 0) << text;
    }
    EXPECT_TRUE(ReadNumber("1e308").fits);
    EXPECT_TRUE(ReadNumber("0.001e310").fits);
}

} // namespace
} // namespace tarvelo
