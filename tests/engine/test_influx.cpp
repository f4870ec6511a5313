// The two influx schemes: the interval mean against a published Fetkovich example and across
// step sizes, the warnings of rows that do not settle, and the end of runs whose rows come out
// physically impossible, also inside the sensitivity search.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "engine/DayNumber.h"
#include "engine/GasProperties.h"
#include "engine/RootFinder.h"
#include "engine/Run.h"
#include "engine/Sensitivity.h"
#include "support/PressureLine.h"
#include "support/TextFormat.h"
#include "testing/EngineCases.h"

namespace {

using brelvan::cformat;
using brelvan::engine::InfluxScheme;
using brelvan::engine::RunInputs;
using brelvan::engine::RunResult;

RunInputs workedInputs(double jValue = worked_case::kJWert,
                       InfluxScheme scheme = InfluxScheme::Original) {
    CBrelvanDoc doc;
    setWorkedCase(doc, jValue);
    RunInputs in = doc.runInputs();
    in.scheme = scheme;
    return in;
}

// A table line of the report and its columns after the date: days, Gp, p, the measured
// pressure or "*", p/z, the measured p/z or "*", WE, the estimate or "*".
bool isTableLine(const std::string& line) {
    return line.size() > 14 && line[6] == '.' && line[9] == '.';
}

std::vector<std::string> columns(const std::string& line) {
    std::istringstream in(line.substr(14));
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

// The date of day number `days` (counted as tage counts them).
std::string dateOf(int days) {
    for (int y = 1900;; ++y)
        for (int m = 1; m <= 12; ++m) {
            const int first = static_cast<int>(brelvan::tage(1, m, y, nullptr));
            const int next = static_cast<int>(m == 12 ? brelvan::tage(1, 1, y + 1, nullptr)
                                                      : brelvan::tage(1, m + 1, y, nullptr));
            if (days >= first && days < next)
                return cformat("%d.%d.%d", days - first + 1, m, y);
        }
}

} // namespace

// L. P. Dake, "Fundamentals of Reservoir Engineering" (Elsevier, 1978), chapter 9, exercise 9.3,
// table 9.9: Fetkovich's method for a finite water zone with r_eD = 5, W_ei = 211.9 MMrb,
// J = 116.5 b/d/psi, p_i = 2740 psia, yearly steps. Its influx per step is driven by the water
// zone's pressure at the end of the previous step less the mean boundary pressure of the step,
// ΔW_e = (W_ei / p_i) (1 - exp(-J p_i Δt / W_ei)) (p_a,n-1 - (p_n-1 + p_n) / 2). The table lists
// the step means of the boundary pressures 2740, 2500, 2290, ..., 1440 psia, whole psi cut off.
TEST(IntervalMean, ReproducesTheFetkovichExampleOfDake) {
    const double pEnd[] = {2740, 2500, 2290, 2109, 1949, 1818, 1702, 1608, 1535, 1480, 1440};
    const double weTable[] = {3.925,  13.540, 25.510, 37.971, 49.941,
                              60.865, 70.611, 78.984, 85.918, 91.445}; // MMrb
    const double weiBbl = 211.9e6, jBbl = 116.5, piPsi = 2740, dt = 365;

    // The published step formula, on its own: it gives the table to 0.1 %.
    std::vector<double> weFormula; // MMrb
    {
        const double perPsi = weiBbl / piPsi * (1 - std::exp(-jBbl * piPsi * dt / weiBbl));
        double we = 0;
        for (int n = 1; n <= 10; ++n) {
            const double pa = piPsi * (1 - we / weiBbl);
            we += perPsi * (pa - (pEnd[n - 1] + pEnd[n]) / 2);
            weFormula.push_back(we / 1e6);
            EXPECT_NEAR(weFormula.back() / weTable[n - 1], 1, 0.001) << n;
        }
    }

    // The same water zone in this program's units, beside a methane gas zone whose production
    // is chosen so that, with that influx, the balance gives exactly the published pressures.
    const double barPsi = 14.5037738, m3Bbl = 0.158987294928;
    RunInputs in;
    in.fieldName = "Dake 9.3";
    in.gas[3] = 100;
    in.temperature = 80;
    in.pInit = piPsi / barPsi;
    in.ogip = 20000;
    in.compress = 10;
    in.wip = weiBbl * m3Bbl / 1e6 / (in.compress * in.pInit * 1E-5);
    in.jValue = jBbl * m3Bbl * barPsi;
    in.startDay = 1;
    in.startMonth = 1;
    in.startYear = 2001;
    double tpc = 0, ppc = 0;
    brelvan::gas::pseudocrit(in.gas, tpc, ppc);
    const auto pzOf = [&](double p) {
        return p / brelvan::gas::zfactor(in.temperature, p, tpc, ppc);
    };
    const double pzInit = pzOf(in.pInit);
    const double vInit = in.ogip / (pzInit * 273 / ((in.temperature + 273) * 1.0134f));
    const int start = static_cast<int>(brelvan::tage(1, 1, 2001, nullptr));
    std::vector<std::string> lines;
    for (int n = 1; n <= 10; ++n) {
        const double p = pEnd[n] / barPsi;
        const double we = weFormula[static_cast<std::size_t>(n - 1)] * m3Bbl;
        const double gp = in.ogip * (1 - pzOf(p) / pzInit * (1 - we / vInit));
        lines.push_back(cformat("%s %.9f", dateOf(start + 365 * n), gp));
    }
    in.rows = rowsOf(lines);

    in.scheme = InfluxScheme::IntervalMean;
    const WrittenRun r = runWritten(in);
    ASSERT_FALSE(r.aborted()) << r.report.back();
    ASSERT_EQ(r.rows.size(), 10u);
    EXPECT_NEAR(r.weMax / m3Bbl, 211.9, 1e-9);
    for (int n = 1; n <= 10; ++n) {
        const auto& row = r.rows[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(row.days, 365.0 * n);
        EXPECT_NEAR(row.p * barPsi, pEnd[n], 0.01) << n;
        EXPECT_NEAR(row.we / m3Bbl / weTable[n - 1], 1, 0.001) << n;
        EXPECT_TRUE(row.settled);
    }

    // The running mean of the original scheme falls well short of the published influx.
    in.scheme = InfluxScheme::Original;
    const RunResult original = brelvan::engine::run(in);
    ASSERT_EQ(original.rows.size(), 10u);
    EXPECT_LT(original.rows.back().we / m3Bbl, 0.97 * weTable[9]);
}

// Monthly production-only rows, their Gp linear in time, inserted between the rows of the
// worked case: the interval mean keeps each measured pressure within 0.2 bar, the running mean
// of the original scheme does not.
TEST(IntervalMean, DoesNotDependOnTheStepSize) {
    const RunInputs yearly = workedInputs(worked_case::kJWert, InfluxScheme::IntervalMean);
    RunInputs monthly = yearly;
    std::vector<std::string> monthlyLines;
    int dayBefore = static_cast<int>(brelvan::tage(1, 1, 2000, nullptr));
    double gpBefore = 0;
    for (const std::string& line : worked_case::lines()) {
        brelvan::PressureLine read;
        ASSERT_GE(brelvan::scanPressureLine(line, read), 6);
        const int day = static_cast<int>(brelvan::tage(read.day, read.month, read.year, nullptr));
        const double gp = read.gp;
        // The first of every month strictly between the two rows.
        for (int t = dayBefore + 1; t < day; ++t) {
            const std::string date = dateOf(t);
            if (date.rfind("1.", 0) != 0)
                continue;
            const double share = static_cast<double>(t - dayBefore) / (day - dayBefore);
            monthlyLines.push_back(cformat("%s %.6f", date, gpBefore + share * (gp - gpBefore)));
        }
        monthlyLines.push_back(line);
        dayBefore = day;
        gpBefore = gp;
    }
    monthly.rows = rowsOf(monthlyLines);
    ASSERT_GT(monthly.rows.size(), 30u);

    auto measuredPressures = [](const RunInputs& in) {
        const RunResult r = brelvan::engine::run(in);
        EXPECT_FALSE(r.aborted());
        std::vector<double> p;
        for (const auto& row : r.rows)
            if (row.measured)
                p.push_back(row.p);
        return p;
    };
    const auto a = measuredPressures(yearly), b = measuredPressures(monthly);
    ASSERT_EQ(a.size(), 3u);
    ASSERT_EQ(b.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_LT(std::fabs(a[k] - b[k]), 0.2) << k << ": " << a[k] << " " << b[k];

    RunInputs yearlyOriginal = yearly, monthlyOriginal = monthly;
    yearlyOriginal.scheme = monthlyOriginal.scheme = InfluxScheme::Original;
    const auto c = measuredPressures(yearlyOriginal), d = measuredPressures(monthlyOriginal);
    EXPECT_GT(std::fabs(c[2] - d[2]), 1.0) << c[2] << " " << d[2];
}

// Over J from 50 to 50000 (the grid of a search, with OGIP and WIP around the worked case),
// every row of every case either settles, or is followed by its warning, or the run ends with
// an abort; no table line shows a pressure above the initial one or a negative influx. Cases
// that end on an impossible row have no error value, are listed and never become the best.
TEST(InfluxOutcomes, EveryRowSettlesWarnsOrEndsTheRun) {
    const brelvan::sens::Ranges ranges{4000, 7000, 5000, 20000, 50, 50000};
    for (InfluxScheme scheme : {InfluxScheme::Original, InfluxScheme::IntervalMean}) {
        const RunInputs base = workedInputs(worked_case::kJWert, scheme);
        // The grid cases, and the worked case itself at J values spread evenly in log J.
        std::vector<brelvan::sens::GridValues> cases;
        for (int c = 0; c < brelvan::sens::kCases; ++c)
            cases.push_back(brelvan::sens::gridValues(ranges, c));
        for (double j = 50; j <= 50000 * 1.0001; j *= std::pow(10.0, 0.125))
            cases.push_back({worked_case::kOGIP, worked_case::kWIP, j});
        int impossible = 0, warned = 0;
        for (const auto& v : cases) {
            RunInputs in = base;
            in.ogip = v.ogip;
            in.wip = v.wip;
            in.jValue = v.jValue;
            const WrittenRun r = runWritten(in);
            const std::string what =
                cformat("OGIP %.1f, WIP %.1f, J %.1f", v.ogip, v.wip, v.jValue);
            int tableLines = 0, warnings = 0;
            for (std::size_t i = 0; i < r.report.size(); ++i) {
                const std::string& line = r.report[i];
                if (line.rfind("  WARNUNG:", 0) == 0) {
                    ++warnings;
                    ASSERT_TRUE(i > 0 && isTableLine(r.report[i - 1])) << what;
                }
                if (!isTableLine(line))
                    continue;
                const auto col = columns(line);
                ASSERT_EQ(col.size(), 8u) << line;
                EXPECT_LE(std::stod(col[2]), 250.0) << what << ": " << line;
                EXPECT_EQ(col[6].find('-'), std::string::npos) << what << ": " << line;
                ++tableLines;
            }
            ASSERT_EQ(static_cast<std::size_t>(tableLines), r.rows.size()) << what;
            int unsettled = 0;
            for (const auto& row : r.rows) {
                EXPECT_LE(row.p, in.pInit + 0.01) << what;
                EXPECT_LE(row.pz, r.pzInit + 0.01) << what;
                EXPECT_GE(row.we, -0.0004) << what;
                unsettled += row.settled ? 0 : 1;
            }
            EXPECT_EQ(warnings, unsettled) << what;
            EXPECT_EQ(r.unsettled, unsettled) << what;
            if (scheme == InfluxScheme::IntervalMean) {
                EXPECT_EQ(unsettled, 0) << what;
            }
            // Either all four rows, or an abort as the last lines.
            if (r.rows.size() < 4) {
                EXPECT_TRUE(r.aborted()) << what;
                EXPECT_EQ(r.report.back().find("MITTLERER FEHLER"), std::string::npos) << what;
            }
            if (r.impossible()) {
                ++impossible;
                EXPECT_TRUE(std::isnan(r.meanError)) << what;
                ASSERT_EQ(r.messages.size(), 1u) << what;
                EXPECT_NE(r.messages[0].find("J-WERT FUER DEN ZEITSCHRITT ZU GROSS"),
                          std::string::npos);
            }
            warned += unsettled > 0 ? 1 : 0;
        }
        if (scheme == InfluxScheme::Original) {
            // The strong water zones of this range are exactly the faulty ones.
            EXPECT_GT(impossible, 0);
            EXPECT_GT(warned, 0);
        }

        const auto s = brelvan::sens::search(base, ranges, 2);
        ASSERT_TRUE(s.haveBest);
        for (int c = 0; c < brelvan::sens::kCases; ++c) {
            const auto v = brelvan::sens::gridValues(ranges, c);
            RunInputs in = base;
            in.ogip = v.ogip;
            in.wip = v.wip;
            in.jValue = v.jValue;
            const WrittenRun r = runWritten(in, true);
            if (r.impossible()) {
                EXPECT_EQ(s.lines[static_cast<std::size_t>(c)].rfind("kein Wert", 0), 0u);
                EXPECT_FALSE(v.ogip == s.best.ogip && v.wip == s.best.wip &&
                             v.jValue == s.best.jValue);
            }
            // Quiet runs write no warnings.
            for (const std::string& line : r.report)
                EXPECT_NE(line.rfind("  WARNUNG:", 0), 0u);
        }
    }
}

// The report of the interval mean names its scheme in one extra header line; the original
// scheme's report has none. Rows that do not settle are counted in the closing lines.
TEST(InfluxOutcomes, HeaderLineAndClosingCount) {
    const WrittenRun original = runWritten(workedInputs());
    const WrittenRun interval =
        runWritten(workedInputs(worked_case::kJWert, InfluxScheme::IntervalMean));
    ASSERT_EQ(interval.report.size(), original.report.size() + 1);
    const int at = findLine(interval.report, "   ZUFLUSSBERECHNUNG");
    ASSERT_EQ(at, findLine(original.report, "   FOERDERBEGINN") + 1);
    EXPECT_EQ(interval.report[static_cast<std::size_t>(at)],
              "   ZUFLUSSBERECHNUNG                  :INTERVALLMITTEL NACH FETKOVITCH");
    EXPECT_EQ(findLine(original.report, "   ZUFLUSSBERECHNUNG"), -1);
    EXPECT_EQ(findLine(original.report, "     ZEILEN OHNE"), -1);
    EXPECT_EQ(original.unsettled, 0);
    EXPECT_EQ(interval.report.back(), "     MITTLERER FEHLER BEI DER DRUCKBERECHNUNG : 1.34 BAR");
}

// The first row of J 5000 came out with p/z 365.9 bar above the initial 267.3 and was taken as a
// result; now the run ends there with the date and the likely cause, in both modes.
TEST(InfluxOutcomes, ImpossibleRowEndsTheRunInBothModes) {
    for (bool quiet : {false, true}) {
        const WrittenRun r = runWritten(workedInputs(5000), quiet);
        EXPECT_TRUE(r.aborted());
        EXPECT_TRUE(r.impossible());
        EXPECT_TRUE(r.rows.empty());
        EXPECT_TRUE(std::isnan(r.meanError));
        const std::vector<std::string> tail(r.report.end() - 3, r.report.end());
        const std::vector<std::string> expected = {
            "ABBRUCH BEI 1.1.2001: P/Z VON 365.9 BAR LIEGT UEBER DEM INITIALEN P/Z VON 267.3 BAR.",
            "WAHRSCHEINLICH IST DER J-WERT FUER DEN ZEITSCHRITT ZU GROSS ODER DER ZEITSCHRITT ZU "
            "LANG.",
            "EVENTUELL ZUSAETZLICHEN GP-WERT VOR 1.1.2001 EINFUEGEN."};
        EXPECT_EQ(tail, expected);
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], expected[0] + "\n" + expected[1] + "\n" + expected[2]);
    }
}

// The root finder: a root to the tolerance, a region without values below the root, and the
// bound on evaluations.
TEST(RootFinder, BracketedRootNoValueRegionAndBound) {
    auto f = [](double x) { return x < 1 ? std::nan("") : 10 / x - x; }; // root sqrt(10)
    const auto r = brelvan::engine::findRoot(f, 0, 100, 1e-9, 200);
    ASSERT_TRUE(r.found);
    EXPECT_NEAR(r.x, std::sqrt(10.0), 1e-9);
    EXPECT_LT(r.evaluations, 60);
    const auto bounded = brelvan::engine::findRoot(f, 0, 100, 1e-9, 5);
    EXPECT_FALSE(bounded.found);
    EXPECT_LE(bounded.evaluations, 6);
}
