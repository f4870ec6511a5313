// The formatter must write what printf writes in the "C" locale; the expected texts below are
// printf's own results for these formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "document/TextFormat.h"

using brelvan::cformat;

TEST(TextFormat, ReportFormats) {
    EXPECT_EQ(cformat("  %4d.%2d.%d %5.0f %7.1f %6.1f", 15, 6, 1995, 365.0, 120.5, 205.3),
              "    15. 6.1995   365   120.5  205.3");
    EXPECT_EQ(cformat("%8.3f", 0.935), "   0.935");
    EXPECT_EQ(cformat("%5.2f", 2.2849), " 2.28");
    EXPECT_EQ(cformat("%6.4f   %12.1f", 0.5, 100.0), "0.5000          100.0");
    EXPECT_EQ(cformat("%2d.%2d.%4d", 1, 1, 2000), " 1. 1.2000");
    EXPECT_EQ(cformat("%7d.%2d.%4d  %13.3f   ", 1, 1, 1991, 40.0),
              "      1. 1.1991         40.000   ");
}

TEST(TextFormat, RoundingAndNumbers) {
    EXPECT_EQ(cformat("%.1f", 0.25), "0.2"); // exact binary value rounds to even
    EXPECT_EQ(cformat("%.1f", 0.35), "0.3"); // 0.35 is stored below 0.35
    EXPECT_EQ(cformat("%5.0f", 2.5), "    2");
    EXPECT_EQ(cformat("%5g", 100.0), "  100");
    EXPECT_EQ(cformat("%5g", 0.0001), "0.0001");
    EXPECT_EQ(cformat("%6g", 1234567.0), "1.23457e+06");
    EXPECT_EQ(cformat("%6.2e", 1500000.0), "1.50e+06");
    EXPECT_EQ(cformat("%4.0f", -500.0), "-500");
    EXPECT_EQ(cformat("%05d|%-5d|%+d", 42, 42, 42), "00042|42   |+42");
    EXPECT_EQ(cformat("%x %X %o", 255, 255, 8), "ff FF 10");
    EXPECT_EQ(cformat("%.3d", 7), "007");
}

TEST(TextFormat, NotFiniteValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(cformat("%5.2f", nan), "  nan");
    EXPECT_EQ(cformat("%5.2f", -inf), " -inf");
    EXPECT_EQ(cformat("%06.1f", inf), "   inf");
}

TEST(TextFormat, TextsAreWrittenLiterallyAndUnbounded) {
    std::string name(300, 'x');
    EXPECT_EQ(cformat("   FELD :%s", name), "   FELD :" + name);
    EXPECT_EQ(cformat("%s", "100 % sicher"), "100 % sicher");
    EXPECT_EQ(cformat("Dokument:%s", ""), "Dokument:");
    EXPECT_EQ(cformat("%d%%", 5), "5%");
    // Widths of texts count characters, not bytes.
    EXPECT_EQ(cformat("%6s|", "Meß"), "   Meß|");
    EXPECT_EQ(cformat("%.2s", "Öl"), "Öl");
    EXPECT_EQ(cformat("%c", 'A'), "A");
}

TEST(TextFormat, MissingAndMismatchedArguments) {
    EXPECT_EQ(cformat("%d %s %5.1f"), "0    0.0");
    EXPECT_EQ(cformat("%d", 3.9), "3");
    EXPECT_EQ(cformat("%5.1f", 3), "  3.0");
    EXPECT_EQ(cformat("%*d", 4, 7), "   7");
    EXPECT_EQ(cformat("%*d|", -3, 7), "7  |");
    // The most negative width: left-aligned at the bound, no overflow.
    const std::string widest = cformat("%*d|", std::numeric_limits<long long>::min(), 7);
    EXPECT_EQ(widest.size(), 100001u);
    EXPECT_EQ(widest.substr(0, 2), "7 ");
    EXPECT_EQ(cformat("%*d|", std::numeric_limits<int>::min(), 7).size(), 100001u);
    EXPECT_EQ(cformat("abc%"), "abc%");
    EXPECT_EQ(cformat("%ld %lf", 12L, 1.5), "12 1.500000");
}
