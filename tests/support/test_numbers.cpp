// The one number reader: every form the dialog fields, the options and the pressure lines
// accepted reads as before; a doubled sign and non-finite values are refused everywhere.
#include <gtest/gtest.h>

#include <cmath>

#include "support/Numbers.h"

using namespace brelvan;

TEST(Numbers, WholeTextForms) {
    struct Row {
        const char* text;
        std::optional<double> value;
    };
    const Row rows[] = {
        {"5", 5.0},  {"+5", 5.0},       {"-5", -5.0},    {" 7.5 ", 7.5},       {"\t1e3\n", 1e3},
        {".5", 0.5}, {"5.", 5.0},       {"1E+2", 100.0}, {"-0.25e-1", -0.025}, {"", {}},
        {" ", {}},   {"+", {}},         {"--5", {}},     {"+-5", {}},          {"-+5", {}},
        {"++5", {}}, {"5 5", {}},       {"5x", {}},      {"0x10", {}},         {"nan", {}},
        {"inf", {}}, {"-infinity", {}}, {"1e999", {}},   {"1e-999", {}},       {"5,5", {}},
        {"1e", {}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(parseDouble(r.text), r.value) << r.text;
    EXPECT_EQ(parseFloat("1e39"), std::nullopt); // beyond float, not beyond double
    EXPECT_EQ(parseDouble("1e39"), 1e39);
    EXPECT_EQ(parseFloat("0.1"), 0.1f);
}

TEST(Numbers, Integers) {
    EXPECT_EQ(parseInt(" +12 "), 12);
    EXPECT_EQ(parseInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseInt("2147483648"), std::nullopt);
    EXPECT_EQ(parseInt("--1"), std::nullopt);
    EXPECT_EQ(parseInt("+-1"), std::nullopt);
    EXPECT_EQ(parseInt("1.0"), std::nullopt);
    const auto big = scanInt("99999999999999999999.");
    ASSERT_TRUE(big);
    EXPECT_TRUE(big->saturated);
    EXPECT_EQ(big->length, 20u);
}

TEST(Numbers, ScanningStopsWhereTheNumberEnds) {
    auto r = scanDouble("120.5  210");
    EXPECT_EQ(r.status, NumberStatus::Ok);
    EXPECT_EQ(r.value, 120.5);
    EXPECT_EQ(r.length, 5u);
    EXPECT_EQ(scanDouble("--1e39").status, NumberStatus::Malformed);
    EXPECT_EQ(scanDouble("-+1").status, NumberStatus::Malformed);
    EXPECT_EQ(scanDouble("x").status, NumberStatus::None);
    r = scanDouble("-1e999 x");
    EXPECT_EQ(r.status, NumberStatus::NotFinite);
    EXPECT_TRUE(std::isinf(r.value) && r.value < 0);
    EXPECT_EQ(r.length, 6u);
    EXPECT_EQ(scanDouble("nan").status, NumberStatus::NotFinite);
    EXPECT_EQ(scanFloat("1e39").status, NumberStatus::NotFinite);
    r = scanDouble("1e-999");
    EXPECT_EQ(r.status, NumberStatus::Underflow);
    EXPECT_EQ(r.value, 0.0);
}
