// The formatter must write what printf writes in the "C" locale; the expected texts below are
// printf's own results for these formats.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <random>
#include <string>

#include "support/TextFormat.h"

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

namespace {

// What printf writes in the "C" locale, of any length.
template <class T> std::string cLibrary(const std::string& format, T value) {
    const int n = std::snprintf(nullptr, 0, format.c_str(), value);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    std::snprintf(out.data(), out.size() + 1, format.c_str(), value);
    return out;
}

// A random double over the whole range: ordinary, huge, tiny and subnormal magnitudes, exact
// halves that round to even, integers, zeros of both signs and the values that are not finite.
double randomDouble(std::mt19937_64& rng) {
    const auto pick = [&](std::uint64_t n) { return rng() % n; };
    const double sign = pick(2) ? -1.0 : 1.0;
    switch (pick(10)) {
    case 0: {
        const double special[] = {0.0,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  0.5,
                                  9.5,
                                  0.125,
                                  999999.5,
                                  1e15,
                                  1e16,
                                  0.1};
        return sign * special[pick(std::size(special))];
    }
    case 1: // exact halves and quarters
        return sign * static_cast<double>(pick(100000)) / (1 << pick(5));
    case 2: // integers
        return sign * static_cast<double>(pick(std::uint64_t{1} << 53));
    case 3: // any bit pattern
        return std::bit_cast<double>(rng());
    default: { // a mantissa times a power of ten between 1e-320 and 1e308
        const double mantissa = static_cast<double>(rng() >> 11) / 9007199254740992.0;
        const int exponent = static_cast<int>(pick(629)) - 320;
        return sign * mantissa * std::pow(10.0, exponent);
    }
    }
}

// "%" with random flags, width and precision and the conversion `conv`.
std::string randomFormat(std::mt19937_64& rng, char conv) {
    std::string f = "%";
    for (const char flag : {'-', '+', ' ', '#', '0'})
        if (rng() % 4 == 0)
            f += flag;
    if (rng() % 2)
        f += std::to_string(rng() % 30);
    if (rng() % 3) {
        f += '.';
        if (rng() % 8) // "." alone is precision 0
            f += std::to_string(rng() % (rng() % 10 ? 20 : 60));
    }
    f += conv;
    return f;
}

// The precision a format asks for; -1 without one.
int precisionOf(const std::string& format) {
    const auto dot = format.find('.');
    return dot == std::string::npos ? -1 : std::atoi(format.c_str() + dot + 1);
}

// glibc drops the zeros %#g keeps when rounding carries into a new power of ten and the
// notation turns to an exponent ("1.e+06" for %#g of 999999.5); the C standard keeps them
// ("1.00000e+06"), and so does cformat.
bool glibcDropsKeptZeros(const std::string& format, const std::string& printed) {
    const char conv = format.back();
    const int precision = precisionOf(format);
    return (conv == 'g' || conv == 'G') && format.find('#') != std::string::npos &&
           precision != 0 && precision != 1 &&
           (printed.find(".e") != std::string::npos || printed.find(".E") != std::string::npos);
}

} // namespace

TEST(TextFormat, AlternativeFormKeepsThePoint) {
    EXPECT_EQ(cformat("%#.0f|%#.0e|%#.0g|%#.3g", 3.0, 3.0, 3.0, 2.5), "3.|3.e+00|3.|2.50");
    EXPECT_EQ(cformat("%#g|%#G|%#.2g", 999999.5, 1e-5, 9.96), "1.00000e+06|1.00000E-05|10.");
    EXPECT_EQ(cformat("%#x|%#o|%#X|%#.0o|%#.0x", 255, 8, 0, 0, 0), "0xff|010|0|0|");
}

// Random conversions against the C library, with a fixed seed so that a failure repeats.
// Integers are passed as int: cformat accepts and ignores length modifiers, so a negative value
// under %x %o %u is read as the unsigned int printf would see for an int argument.
TEST(TextFormat, AgreesWithTheCLibrary) {
    std::mt19937_64 rng(20261208);
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 20; ++i) {
        const char conv = "dfeEgGFxXoiu"[rng() % 12];
        const std::string format = randomFormat(rng, conv);
        std::string expected;
        std::string actual;
        if (std::strchr("dxXoiu", conv)) {
            const int bits = static_cast<int>(rng() % 32);
            const int special[] = {0, 1, -1, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max()};
            const int value = rng() % 8 == 0
                                  ? special[rng() % std::size(special)]
                                  : static_cast<int>(static_cast<std::uint32_t>(rng()) >> bits);
            expected = cLibrary(format, value);
            actual = cformat(format, value);
        } else {
            const double value = randomDouble(rng);
            expected = cLibrary(format, value);
            actual = cformat(format, value);
        }
        if (glibcDropsKeptZeros(format, expected))
            continue;
        if (actual != expected) {
            ++failures;
            ADD_FAILURE() << "format \"" << format << "\": C library \"" << expected
                          << "\", cformat \"" << actual << "\"";
        }
    }
}
