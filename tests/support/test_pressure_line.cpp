// The reading rule of pressure lines must count fields as scanf does for "%d%c%d%c%d %lf %lf".
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "support/PressureLine.h"

using brelvan::PressureLine;
using brelvan::PressureLineF;
using brelvan::scanPressureLine;

TEST(PressureLine, CountsFieldsAsScanfDoes) {
    struct Row {
        const char* text;
        int count;
    };
    const Row rows[] = {
        {"1.7.1990   12.5   251.0", 7},
        {"1.1.1991   40.0", 6},
        {"     15. 6.1995        120.500             210.0 ", 7},
        {"      1. 1.1991         40.000   ", 6},
        {"15/6/1995 120.5 210", 7},
        {"15-6-1995 120.5 210 Kommentar", 7},
        {"Feld A  Schliessdruecke", 0},
        {"1.7.1990", 5},
        {"1.7.1990 x", 5},
        {"1.7", 3},
        {"1. 7.1990 1 2", 7},
        {"", -1},
        {"   ", -1},
        {"32.13.1850 5 100", 7},
        {"1..1990 5 5", 2},
        {"+1.+7.1990 +5 -5", 7},
        {"1.7.1990 1e2 2.5E1", 7},
    };
    for (const Row& r : rows) {
        PressureLine line;
        EXPECT_EQ(scanPressureLine(r.text, line), r.count) << r.text;
    }
}

TEST(PressureLine, ReadsTheValues) {
    PressureLine line;
    ASSERT_EQ(scanPressureLine("     15. 6.1995        120.500             210.0 ", line), 7);
    EXPECT_EQ(line.day, 15);
    EXPECT_EQ(line.sep1, '.');
    EXPECT_EQ(line.month, 6);
    EXPECT_EQ(line.year, 1995);
    EXPECT_DOUBLE_EQ(line.gp, 120.5);
    EXPECT_DOUBLE_EQ(line.pressure, 210.0);

    PressureLineF f;
    ASSERT_EQ(scanPressureLine("1.7.1991   71.25  238.4", f), 7);
    EXPECT_EQ(f.gp, 71.25f);
    EXPECT_EQ(f.pressure, 238.4f);
}

TEST(PressureLine, FieldsNotReadKeepTheirValues) {
    PressureLine line;
    line.pressure = 0;
    ASSERT_EQ(scanPressureLine("1.1.1991 40", line), 6);
    EXPECT_EQ(line.pressure, 0.0);
}

TEST(PressureLine, HugeNumbersAreBounded) {
    PressureLine line;
    // A year beyond int is the nearest int; a Gp beyond any possible value is not read.
    ASSERT_EQ(scanPressureLine("1.1.99999999999999999999 1e999 -1e999", line), 5);
    EXPECT_EQ(line.year, INT_MAX);
    // Nearer to zero than a double holds: zero, as before.
    ASSERT_EQ(scanPressureLine("1.1.2147483647 1e-999 nan", line), 6);
    EXPECT_EQ(line.year, 2147483647);
    EXPECT_EQ(line.gp, 0.0);
    std::string longLine(100000, '1');
    EXPECT_EQ(scanPressureLine(longLine, line), 1);
}

// A Gp or pressure that no case can hold stops the reading before it, and the reason names
// the field and the text, in both precisions.
TEST(PressureLine, NumbersNoCaseCanHoldAreRefused) {
    struct Row {
        const char* text;
        int count;
        const char* problem; // part of the reason; "" for none
    };
    const Row rows[] = {
        {"1.1.2001 --1e39 200", 5, "Der Gp-Wert „--1e39“ ist keine gültige Zahl"},
        {"1.1.2001 --5 200", 5, "keine gültige Zahl"}, // a doubled sign whatever the size
        {"1.1.2001 +-5 200", 5, "keine gültige Zahl"},
        {"1.1.2001 nan 200", 5, "Der Gp-Wert „nan“ ist keine endliche Zahl"},
        {"1.1.2001 -inf 200", 5, "keine endliche Zahl"},
        {"1.1.2001 1e39 200", 5, "Der Gp-Wert „1e39“ liegt außerhalb jedes möglichen Wertes"},
        {"1.1.2001 -1e30 200", 5, "außerhalb"},
        {"1.1.2001 40 inf", 6, "Der Druckwert „inf“ ist keine endliche Zahl"},
        {"1.1.2001 40 1e300", 6, "Der Druckwert „1e300“ liegt außerhalb"},
        {"1.1.2001 40 200", 7, ""},
        {"1.1.2001 -5 -200", 7, ""},
        {"1.1.2001 1e9 200", 7, ""},
        {"1.1.2001 40 abc", 6, ""}, // no number at all: a production-only line, as before
    };
    for (const Row& r : rows) {
        PressureLine line;
        PressureLineF f;
        EXPECT_EQ(scanPressureLine(r.text, line), r.count) << r.text;
        EXPECT_EQ(scanPressureLine(r.text, f), r.count) << r.text;
        const std::string problem = brelvan::pressureLineProblem(r.text);
        if (*r.problem == 0)
            EXPECT_EQ(problem, "") << r.text;
        else
            EXPECT_NE(problem.find(r.problem), std::string::npos) << problem;
    }
}
