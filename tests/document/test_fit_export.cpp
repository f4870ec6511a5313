// The fit table: which cells stay empty and what the words say.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "document/FitExport.h"

namespace {

using namespace brelvan;

bool empty(const table::Cell& c) {
    return std::holds_alternative<std::monostate>(c);
}
double num(const table::Cell& c) {
    return std::get<double>(c);
}
std::string text(const table::Cell& c) {
    return std::get<std::string>(c);
}

} // namespace

TEST(FitExport, RangesLeaveOpenSidesAndHeldParametersEmpty) {
    fit::RefineResult best;
    best.valid = true;
    best.best = {5000, 20000, 50};
    best.misfit.rms = 0.25;
    best.misfit.meanAbs = 0.2;
    best.iterations = 7;
    fit::RefineOptions options;
    options.free = {true, true, false};
    fit::RangesResult ranges;
    ranges.computed = true;
    ranges.ranges[fit::kOgip] = {true, 4900, 5100, false, false};
    ranges.ranges[fit::kWip] = {true, 5000, 30000, true, false};

    table::Table t = fitTable(best, ranges, options);
    EXPECT_EQ(t.name, "Anpassung");
    ASSERT_EQ(t.rows.size(), 6u);
    for (const auto& row : t.rows)
        EXPECT_EQ(row.size(), t.columns.size());
    EXPECT_EQ(text(t.rows[0][0]), "OGIP (Mio m3)");
    EXPECT_EQ(num(t.rows[0][1]), 5000);
    EXPECT_EQ(text(t.rows[0][2]), "frei");
    EXPECT_EQ(num(t.rows[0][3]), 4900);
    EXPECT_EQ(num(t.rows[0][4]), 5100);
    EXPECT_EQ(text(t.rows[0][5]), "");
    // Open below: no lower end, the words say so.
    EXPECT_TRUE(empty(t.rows[1][3]));
    EXPECT_EQ(num(t.rows[1][4]), 30000);
    EXPECT_EQ(text(t.rows[1][5]), "nach unten offen");
    // Held: no range at all.
    EXPECT_EQ(text(t.rows[2][0]), "J-Wert (m3/(Tag·bar))");
    EXPECT_EQ(text(t.rows[2][2]), "fest");
    EXPECT_TRUE(empty(t.rows[2][3]) && empty(t.rows[2][4]) && empty(t.rows[2][5]));
    EXPECT_EQ(text(t.rows[3][0]), "RMS-Fehler (bar)");
    EXPECT_EQ(num(t.rows[3][1]), 0.25);
    EXPECT_EQ(num(t.rows[4][1]), 0.2);
    EXPECT_EQ(text(t.rows[5][0]), "Iterationen");
    EXPECT_EQ(num(t.rows[5][1]), 7);

    // Open on both sides, and no ranges computed at all.
    ranges.ranges[fit::kWip] = {true, 5000, 30000, true, true};
    t = fitTable(best, ranges, options);
    EXPECT_TRUE(empty(t.rows[1][3]) && empty(t.rows[1][4]));
    EXPECT_EQ(text(t.rows[1][5]), "nach unten und oben offen");
    ranges.computed = false;
    t = fitTable(best, ranges, options);
    EXPECT_TRUE(empty(t.rows[0][3]) && empty(t.rows[0][4]));
    EXPECT_EQ(text(t.rows[0][5]), "nicht berechnet");
    EXPECT_TRUE(empty(t.rows[2][5])); // held stays without words
}
