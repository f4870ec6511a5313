// The misfit map on the synthetic model.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <sstream>

#include "engine/MisfitMap.h"
#include "testing/SyntheticModel.h"

using namespace brelvan::fit;

namespace {

const Point kTruth{5000, 20000, 50};

MapOptions ogipWip(int points) {
    MapOptions o;
    o.axisA = kOgip;
    o.axisB = kWip;
    o.loA = 3000;
    o.hiA = 7000;
    o.loB = 10000;
    o.hiB = 30000;
    o.points = points;
    o.base = kTruth;
    o.bounds.lo = {1000, 2000, 5};
    o.bounds.hi = {10000, 60000, 200};
    return o;
}

} // namespace

TEST(MisfitMap, CellsAreSingleEvaluationsOnTheGrid) {
    SyntheticModel model(kTruth, 12, 0.2, 5);
    model.minOgip = 3500; // the first column has no error value
    const MisfitMap map = misfitMap(model.objective(), ogipWip(5));
    ASSERT_EQ(map.cells.size(), 25u);
    EXPECT_EQ(map.third, kJWert);
    EXPECT_EQ(map.valuesA, (std::vector<double>{3000, 4000, 5000, 6000, 7000}));
    for (int i = 0; i < 5; ++i)
        for (int k = 0; k < 5; ++k) {
            const MapCell& c = map.cell(i, k);
            EXPECT_EQ(c.x[kOgip], map.valuesA[i]);
            EXPECT_EQ(c.x[kWip], map.valuesB[k]);
            EXPECT_EQ(c.x[kJWert], kTruth[kJWert]);
            const Misfit single = evaluate(model.objective(), c.x);
            EXPECT_EQ(c.misfit.valid, single.valid);
            EXPECT_EQ(c.misfit.rms, single.rms);
            EXPECT_EQ(c.misfit.meanAbs, single.meanAbs);
        }
    EXPECT_FALSE(map.cell(0, 3).misfit.valid);
    EXPECT_EQ(map.cells[map.bestCell].x[kOgip], 5000);
    EXPECT_EQ(map.cells[map.bestCell].x[kWip], 20000);
    EXPECT_GT(map.contourRms, map.cells[map.bestCell].misfit.rms);

    std::istringstream csv(mapCsv(map));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "OGIP,WIP,JWert,RMSFehler,MittlererFehler");
    std::getline(csv, line);
    EXPECT_EQ(line, "3000.000000,10000.000000,50.000000,,");
    int lines = 1;
    while (std::getline(csv, line))
        ++lines;
    EXPECT_EQ(lines, 25);
}

TEST(MisfitMap, ThirdReoptimisedNeverWorseThanHeldAndThreadIndependent) {
    const SyntheticModel model(kTruth, 12, 0.2, 5);
    MapOptions o = ogipWip(7);
    o.base[kJWert] = 80;
    const MisfitMap held = misfitMap(model.objective(), o);
    o.optimiseThird = true;
    brelvan::parallel::Control one, many;
    one.threads = 1;
    many.threads = 4;
    const MisfitMap opt1 = misfitMap(model.objective(), o, one);
    const MisfitMap opt4 = misfitMap(model.objective(), o, many);
    for (std::size_t c = 0; c < held.cells.size(); ++c) {
        EXPECT_LE(opt1.cells[c].misfit.ss, held.cells[c].misfit.ss + 1e-12);
        EXPECT_EQ(opt1.cells[c].x, opt4.cells[c].x);
        EXPECT_EQ(opt1.cells[c].misfit.rms, opt4.cells[c].misfit.rms);
    }
}

TEST(MisfitMap, ReportsProgressAndStopsWhenCancelled) {
    const SyntheticModel model(kTruth, 12);
    std::atomic<bool> cancel{false};
    int calls = 0, last = 0;
    brelvan::parallel::Control c;
    c.cancel = &cancel;
    c.threads = 2;
    c.progress = [&](int done, int total) {
        ++calls;
        last = done;
        EXPECT_EQ(total, 81);
        if (done == 10)
            cancel = true;
    };
    const MisfitMap map = misfitMap(model.objective(), ogipWip(9), c);
    EXPECT_TRUE(map.cancelled);
    EXPECT_LT(last, 81);
    EXPECT_GE(calls, 10);
}

// A water zone that ignores J (the pot): no map over J, and a map over OGIP and WIP holds J at
// the case's value instead of re-optimising it (the contour counts two free parameters).
TEST(MisfitMap, HeldJIsNeverAnAxisNorReoptimised) {
    const SyntheticModel model(kTruth, 12, 0.2, 5);
    MapOptions o = ogipWip(5);
    o.holdJ = true;
    o.optimiseThird = true;
    o.base[kJWert] = 80;
    const MisfitMap held = misfitMap(model.objective(), o);
    EXPECT_TRUE(mapProblem(o).empty());
    EXPECT_FALSE(held.optimiseThird);
    ASSERT_EQ(held.cells.size(), 25u);
    for (const MapCell& cell : held.cells)
        EXPECT_EQ(cell.x[kJWert], 80);
    o.optimiseThird = false;
    o.holdJ = false;
    const MisfitMap plain = misfitMap(model.objective(), o);
    EXPECT_EQ(held.contourRms, plain.contourRms);

    for (int axisB : {int(kJWert)}) {
        MapOptions j = ogipWip(5);
        j.axisB = axisB;
        j.holdJ = true;
        EXPECT_NE(mapProblem(j).find("J-Wert"), std::string::npos);
        const MisfitMap refused = misfitMap(model.objective(), j);
        EXPECT_TRUE(refused.cells.empty());
        EXPECT_EQ(refused.bestCell, -1);
        j.holdJ = false;
        EXPECT_TRUE(mapProblem(j).empty());
    }
}
