// Field texts <-> members of the dialogs' data exchange.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "document/DataExchange.h"

using namespace brelvan;

TEST(DataExchange, FormatsShortestGeneralForm) {
    EXPECT_EQ(formatDouble(7.0), "7");
    EXPECT_EQ(formatDouble(0.1 + 0.2), "0.3"); // 15 digits hide the binary rest
    EXPECT_EQ(formatDouble(123456789012345678.0), "1.23456789012346e+17");
    EXPECT_EQ(formatFloat(0.1f), "0.1"); // not 0.100000001
    EXPECT_EQ(formatFloat(1234567.0f), "1.23457e+06");
    // six digits do not hold every float: the field shows 0.333333 and takes that back
    EXPECT_EQ(formatFloat(1.0f / 3.0f), "0.333333");
    EXPECT_NE(parseFloat(formatFloat(1.0f / 3.0f)).value(), 1.0f / 3.0f);
}

TEST(DataExchange, ParsesWholeTextOnly) {
    struct Row {
        const char* text;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"12.5", 12.5}, {"  12.5  ", 12.5}, {"+3", 3.0},    {"-0.25", -0.25},  {"1e3", 1000.0},
        {".5", 0.5},    {"5.", 5.0},        {"\t7\t", 7.0}, {"", {}},          {"   ", {}},
        {"12,5", {}},   {"12.5x", {}},      {"1 2", {}},    {"abc", {}},       {"+-3", {}},
        {"++3", {}},    {"inf", {}},        {"nan", {}},    {"-infinity", {}}, {"1e400", {}},
        {"0x10", {}},   {"-", {}},          {"+", {}},      {".", {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(parseDouble(r.text), r.value);
    }
}

TEST(DataExchange, ParsesFloatsAndInts) {
    EXPECT_EQ(parseFloat("96.5"), 96.5f);
    EXPECT_EQ(parseFloat(" 0.1 "), 0.1f);
    EXPECT_EQ(parseFloat("1e39"), std::nullopt); // beyond float
    EXPECT_EQ(parseFloat("nan"), std::nullopt);
    EXPECT_EQ(parseFloat("3,5"), std::nullopt);

    EXPECT_EQ(parseInt(" 1990 "), 1990);
    EXPECT_EQ(parseInt("+12"), 12);
    EXPECT_EQ(parseInt("-7"), -7);
    EXPECT_EQ(parseInt("12.0"), std::nullopt);
    EXPECT_EQ(parseInt("1e3"), std::nullopt);
    EXPECT_EQ(parseInt("99999999999"), std::nullopt);
    EXPECT_EQ(parseInt(""), std::nullopt);
    EXPECT_EQ(parseInt("12a"), std::nullopt);
}

TEST(DataExchange, Messages) {
    EXPECT_EQ(rangeMessage(7.0, 13.0, false), "Geben Sie eine Zahl zwischen 7 und 13 ein.");
    EXPECT_EQ(rangeMessage(0.001, 10000.0, false),
              "Geben Sie eine Zahl zwischen 0.001 und 10000 ein.");
    EXPECT_EQ(rangeMessage(1930, 2200, true),
              "Geben Sie eine ganze Zahl zwischen 1930 und 2200 ein.");
    EXPECT_EQ(notANumberMessage(false), "Geben Sie eine Zahl ein.");
    EXPECT_EQ(notANumberMessage(true), "Geben Sie eine ganze Zahl ein.");
}

TEST(DataExchange, RangesAreInclusiveAndNeedFiniteValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(inRange(7.0, 7.0, 13.0));
    EXPECT_TRUE(inRange(13.0, 7.0, 13.0));
    EXPECT_FALSE(inRange(std::nextafter(7.0, 0.0), 7.0, 13.0));
    EXPECT_FALSE(inRange(std::nextafter(13.0, 14.0), 7.0, 13.0));
    EXPECT_FALSE(inRange(nan, 7.0, 13.0));
    EXPECT_FALSE(inRange(inf, 0.0, inf));
    EXPECT_FALSE(inRange(-inf, -inf, 0.0));
}
