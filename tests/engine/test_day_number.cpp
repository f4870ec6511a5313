#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "document/CBrelvanDoc.h"
#include "engine/DayNumber.h"
#include "testing/FakeUserInterface.h"

namespace {

// Reference: days counted one by one with the same leap rule.
double countDays(int tag, int monat, int jahr) {
    static const int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    double d = 0;
    for (int y = 1900; y < jahr; ++y)
        d += (y % 4 == 0) ? 366 : 365;
    for (int m = 1; m < monat; ++m)
        d += len[m - 1] + ((m == 2 && jahr % 4 == 0) ? 1 : 0);
    return d + tag;
}

} // namespace

TEST(DayNumber, KnownDates) {
    EXPECT_EQ(brelvan::tage(1, 1, 1900, nullptr), 1);
    EXPECT_EQ(brelvan::tage(1, 3, 1900, nullptr), 61); // 1900 counts as a leap year
    EXPECT_EQ(brelvan::tage(1, 1, 1901, nullptr), 367);
    EXPECT_EQ(brelvan::tage(1, 1, 2001, nullptr) - brelvan::tage(1, 1, 2000, nullptr), 366);
    EXPECT_EQ(brelvan::tage(15, 6, 1995, nullptr) - brelvan::tage(15, 6, 1994, nullptr), 365);
}

TEST(DayNumber, ClosedFormMatchesCountingDayByDay) {
    for (int y : {1900, 1901, 1903, 1904, 1999, 2000, 2100, 2200, 2999})
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 28})
                EXPECT_EQ(brelvan::tage(d, m, y, nullptr), countDays(d, m, y))
                    << d << "." << m << "." << y;
}

TEST(DayNumber, InvalidDatesGiveZero) {
    FakeUserInterface ui;
    EXPECT_EQ(brelvan::tage(31, 4, 1995, &ui), 0);
    EXPECT_EQ(brelvan::tage(29, 2, 1995, &ui), 0);
    EXPECT_EQ(brelvan::tage(29, 2, 1996, &ui), countDays(29, 2, 1996));
    EXPECT_EQ(brelvan::tage(0, 1, 1995, &ui), 0);
    EXPECT_EQ(brelvan::tage(1, 13, 1995, &ui), 0);
    EXPECT_EQ(brelvan::tage(1, 0, 1995, &ui), 0);
    EXPECT_EQ(brelvan::tage(32, 12, 1995, &ui), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(brelvan::tage(1, 1, 1899, &ui), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "ERROR JAHR < 1900");
    EXPECT_EQ(brelvan::tage(INT_MIN, INT_MIN, INT_MIN, &ui), 0);
}

TEST(DayNumber, HugeYearsAnswerAtOnce) {
    const double d = brelvan::tage(31, 12, INT_MAX, nullptr);
    EXPECT_GT(d, 7.8e11);
    EXPECT_EQ(brelvan::tage(1, 1, 2147483647, nullptr) + 364, d);
}

TEST(DayNumber, DocumentReportsThroughItsInterface) {
    CBrelvanDoc doc;
    FakeUserInterface ui;
    doc.setUserInterface(&ui);
    EXPECT_EQ(doc.tage(1, 3, 1900), 61);
    EXPECT_EQ(doc.tage(1, 1, 1850), 0);
    EXPECT_EQ(ui.transcript(), "ERROR JAHR < 1900\n");
    // Without an interface the message goes nowhere.
    CBrelvanDoc silent;
    EXPECT_EQ(silent.tage(1, 1, 1850), 0);
}
