// The least-squares refinement, the profile ranges and the grid start on a synthetic model.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include "engine/Fit.h"
#include "testing/SyntheticModel.h"

using namespace brelvan::fit;

namespace {

const Point kTruth{5000, 20000, 50};

Bounds box(Point lo, Point hi) {
    Bounds b;
    b.lo = lo;
    b.hi = hi;
    return b;
}

RefineOptions optionsIn(const Bounds& b) {
    RefineOptions o;
    o.bounds = b;
    return o;
}

} // namespace

TEST(Fit, RecoversTheTruthFromTheGridBestAndNeverEndsAboveIt) {
    const Point truths[] = {{5000, 20000, 50}, {3000, 8000, 120}, {8000, 40000, 20}};
    for (const Point& truth : truths) {
        const SyntheticModel model(truth, 12);
        const Bounds b = box({1000, 2000, 5}, {10000, 60000, 200});
        const GridBest grid = gridBest(model.objective(), b);
        ASSERT_TRUE(grid.valid);
        const RefineResult r = refine(model.objective(), grid.best, optionsIn(b));
        ASSERT_TRUE(r.valid);
        EXPECT_LE(r.misfit.ss, grid.misfit.ss);
        for (int j = 0; j < kParams; ++j)
            EXPECT_NEAR(r.best[j], truth[j], 1e-3 * truth[j]) << paramName(j);
        EXPECT_LT(r.misfit.rms, 1e-4);
        EXPECT_GT(r.iterations, 0);
        EXPECT_TRUE(r.warnings.empty());
    }
}

TEST(Fit, HeldParametersKeepTheirValueAndBoundsAreReported) {
    const SyntheticModel model(kTruth, 12);
    // J held at a wrong value: the others move, J stays.
    RefineOptions o = optionsIn(box({1000, 2000, 5}, {10000, 60000, 200}));
    o.free = {true, true, false};
    const RefineResult held = refine(model.objective(), {4000, 10000, 70}, o);
    EXPECT_EQ(held.best[kJWert], 70);
    EXPECT_LT(held.misfit.ss, evaluate(model.objective(), {4000, 10000, 70}).ss);

    // The truth's WIP lies above the box: WIP ends on the bound with the warning.
    o = optionsIn(box({1000, 2000, 5}, {10000, 15000, 200}));
    const RefineResult edge = refine(model.objective(), {4000, 5000, 30}, o);
    EXPECT_DOUBLE_EQ(edge.best[kWip], 15000);
    EXPECT_TRUE(edge.atBound[kWip]);
    EXPECT_FALSE(edge.atBound[kOgip]);
    ASSERT_EQ(edge.warnings.size(), 1u);
    EXPECT_EQ(edge.warnings[0], "WIP liegt am Rand des Suchbereichs");

    // A start outside the box is moved into it; a start without an error value gives no fit.
    const RefineResult clamped = refine(model.objective(), {50000, 20000, 50}, o);
    EXPECT_LE(clamped.best[kOgip], 10000);
    o = optionsIn(box({10, 2000, 5}, {50, 60000, 200}));
    EXPECT_FALSE(refine(model.objective(), {20, 20000, 50}, o).valid);
}

TEST(Fit, SteersAroundPointsWithoutErrorValue) {
    SyntheticModel model(kTruth, 12);
    model.minOgip = 4500; // the box's lower part cannot be computed
    const RefineResult r = refine(model.objective(), {4600, 30000, 100},
                                  optionsIn(box({1000, 2000, 5}, {10000, 60000, 200})));
    ASSERT_TRUE(r.valid);
    EXPECT_NEAR(r.best[kOgip], kTruth[kOgip], 5);
}

TEST(Fit, GridStartFollowsTheSearchRules) {
    SyntheticModel model(kTruth, 12);
    // Grid OGIP 1000..10000 in steps of 3000: 1000 and 4000 have no error value here.
    model.minOgip = 4500;
    const GridBest g = gridBest(model.objective(), box({1000, 2000, 5}, {10000, 62000, 200}));
    ASSERT_TRUE(g.valid);
    EXPECT_EQ(g.best[kOgip], 7000);
    model.minOgip = 1e9;
    EXPECT_FALSE(gridBest(model.objective(), box({1000, 2000, 5}, {10000, 62000, 200})).valid);
}

TEST(Fit, ThresholdAndBoxes) {
    // F(1, 10; 0.95) = 4.9646, F(2, 20; 0.95) = 3.4928 (tables).
    EXPECT_NEAR(fQuantile95(1, 10), 4.9646, 1e-4);
    EXPECT_NEAR(ssThreshold(2.0, 13, 3, 1), 2.0 * (1 + 4.9646 / 10), 1e-3);
    EXPECT_NEAR(ssThreshold(1.0, 22, 2, 2), 1 + 2.0 / 20 * 3.4928, 1e-3);
    EXPECT_LT(ssThreshold(1.0, 3, 3, 1), 0);

    const Bounds b = searchBounds(box({100, 0, 1}, {2000, 10, 5}), 500);
    EXPECT_GT(b.lo[kOgip], 500);
    EXPECT_LT(b.lo[kOgip], 500.001);
    const Bounds d = defaultBounds({5000, 20000, 50}, 1500);
    EXPECT_EQ(d.lo[kOgip], 2500);
    EXPECT_EQ(d.hi[kOgip], 10000);
    EXPECT_GT(defaultBounds({2000, 20000, 50}, 1500).lo[kOgip], 1500);
    EXPECT_EQ(d.lo[kWip], 2000);
    EXPECT_EQ(d.hi[kJWert], 500);
}

TEST(Fit, ProfileRangesCoverTheTruthUnderNoise) {
    const Bounds b = box({1000, 2000, 5}, {10000, 60000, 200});
    int covered[kParams] = {0, 0, 0};
    for (unsigned trial = 0; trial < 40; ++trial) {
        const SyntheticModel model(kTruth, 15, 0.3, 1000 + trial);
        const RefineResult best = refine(model.objective(), {4500, 15000, 70}, optionsIn(b));
        ASSERT_TRUE(best.valid);
        const RangesResult ranges = profileRanges(model.objective(), best, optionsIn(b));
        ASSERT_TRUE(ranges.computed) << ranges.message;
        for (int j = 0; j < kParams; ++j) {
            const Range& r = ranges.ranges[j];
            ASSERT_TRUE(r.computed);
            EXPECT_LE(r.lo, best.best[j]);
            EXPECT_GE(r.hi, best.best[j]);
            if (r.lo <= kTruth[j] && kTruth[j] <= r.hi)
                ++covered[j];
        }
    }
    for (int j = 0; j < kParams; ++j)
        EXPECT_GE(covered[j], 34) << paramName(j);
}

TEST(Fit, RangesAreOpenAtTheBoxAndNeedMoreRowsThanParameters) {
    const SyntheticModel model(kTruth, 15, 0.3, 7);
    // A narrow WIP box that the 95 % range reaches on both sides.
    const Bounds b = box({1000, 19900, 5}, {10000, 20100, 200});
    const RefineResult best = refine(model.objective(), {4500, 20000, 70}, optionsIn(b));
    const RangesResult ranges = profileRanges(model.objective(), best, optionsIn(b));
    ASSERT_TRUE(ranges.computed);
    EXPECT_TRUE(ranges.ranges[kWip].openLo);
    EXPECT_TRUE(ranges.ranges[kWip].openHi);
    EXPECT_EQ(ranges.ranges[kWip].lo, 19900);
    EXPECT_EQ(describeRange(kWip, ranges.ranges[kWip]),
              "WIP: 19900.000 bis 20100.000 Mio m3, nach unten offen, nach oben offen");
    EXPECT_FALSE(ranges.ranges[kOgip].openLo || ranges.ranges[kOgip].openHi);

    const SyntheticModel few(kTruth, 3, 0.3, 7);
    const RefineResult b3 = refine(few.objective(), {4500, 20000, 70},
                                   optionsIn(box({1000, 2000, 5}, {10000, 60000, 200})));
    const RangesResult none = profileRanges(few.objective(), b3, optionsIn(b));
    EXPECT_FALSE(none.computed);
    EXPECT_EQ(none.message, "Für Bereiche werden mehr Meßwerte (3) als freie Parameter (3) "
                            "benötigt.");
}

TEST(Fit, SameResultsForAnyThreadCountAndCancellable) {
    const SyntheticModel model(kTruth, 15, 0.3, 3);
    const RefineOptions o = optionsIn(box({1000, 2000, 5}, {10000, 60000, 200}));
    brelvan::parallel::Control one, many;
    one.threads = 1;
    many.threads = 5;
    const RefineResult r1 = refine(model.objective(), {4500, 15000, 70}, o, one);
    const RefineResult r5 = refine(model.objective(), {4500, 15000, 70}, o, many);
    EXPECT_EQ(r1.best, r5.best);
    EXPECT_EQ(r1.iterations, r5.iterations);
    const RangesResult g1 = profileRanges(model.objective(), r1, o, one);
    const RangesResult g5 = profileRanges(model.objective(), r1, o, many);
    for (int j = 0; j < kParams; ++j) {
        EXPECT_EQ(g1.ranges[j].lo, g5.ranges[j].lo);
        EXPECT_EQ(g1.ranges[j].hi, g5.ranges[j].hi);
    }

    std::atomic<bool> cancel{true};
    brelvan::parallel::Control stop;
    stop.cancel = &cancel;
    EXPECT_TRUE(refine(model.objective(), {4500, 15000, 70}, o, stop).cancelled);
    EXPECT_TRUE(profileRanges(model.objective(), r1, o, stop).cancelled);
}

// A fitted value is shown to four digits beyond the leading digit of its range's half-width
// (the larger side that is not open); without a usable range to six significant digits; never
// with more digits than a double holds.
TEST(Fit, ShownDigitsFollowTheRange) {
    Range r;
    r.computed = true;
    r.lo = 123.456789012 - 0.37;
    r.hi = 123.456789012 + 0.37;
    EXPECT_EQ(justifiedText(123.456789012, r), "123.45679");
    r.lo = 123.456789012 - 0.02; // asymmetric: the wider side counts
    EXPECT_EQ(justifiedDecimals(123.456789012, r), 5);
    r.openHi = true; // the open side does not count
    EXPECT_EQ(justifiedDecimals(123.456789012, r), 6);
    r.openLo = true; // no usable side: six significant digits
    EXPECT_EQ(justifiedText(5123.456789, r), "5123.46");
    EXPECT_EQ(justifiedText(5123.456789, Range{}), "5123.46");
    EXPECT_EQ(justifiedText(0.0123456789, Range{}), "0.0123457");
    Range wide;
    wide.computed = true;
    wide.lo = 1000;
    wide.hi = 90000; // half-width above 10^4: whole numbers
    EXPECT_EQ(justifiedText(45678.9, wide), "45679");
    Range narrow;
    narrow.computed = true;
    narrow.lo = 5000 - 1e-12;
    narrow.hi = 5000 + 1e-12; // at most 15 significant digits
    EXPECT_EQ(justifiedDecimals(5000, narrow), 11);
}
