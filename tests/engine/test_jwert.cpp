// The J value and water in place formulas against the worked numbers of the program's manual
// cases.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/JWert.h"

using namespace brelvan;

TEST(JWert, LinearStrip) {
    // k 100 mD, h 10 m, mu 0.5 cp, phi 0.2, L 5000 m, B 1000 m
    const JWertResult r = linearJWert(100, 10, 0.5f, 0.2f, 5000, 1000);
    EXPECT_NEAR(r.jwert, 10.172, 1e-12);
    EXPECT_NEAR(r.wip, 10.0, 1e-6); // 0.2f is not exactly 0.2
    // double arithmetic on the float inputs
    EXPECT_DOUBLE_EQ(r.wip, 5000.0 * 1000.0 * 10.0 * static_cast<double>(0.2f) / 1e6);
}

TEST(JWert, FullAndPartialRing) {
    const JWertResult full = radialJWert(1.0f, 100, 10, 1, 0.2f, 1000, 10000);
    EXPECT_NEAR(full.jwert, 53.3 / (std::log(10.0) - 0.75), 1e-12);
    EXPECT_NEAR(full.jwert, 34.33, 0.005);
    // 3.14159, not the full-precision pi
    EXPECT_NEAR(full.wip, 3.14159 * static_cast<double>(0.2f) * 10 * (1e8 - 1e6) / 1e6, 1e-9);
    EXPECT_NEAR(full.wip, 622.03, 0.005);

    const JWertResult half = radialJWert(180.0f / 360.0f, 100, 10, 1, 0.2f, 1000, 10000);
    EXPECT_DOUBLE_EQ(half.jwert, full.jwert / 2);
    EXPECT_DOUBLE_EQ(half.wip, full.wip / 2);
}

TEST(JWert, ThinRingBoundaryAndConversion) {
    EXPECT_TRUE(isThinRing(1000, 2943));
    EXPECT_TRUE(isThinRing(1000, 2000));
    EXPECT_FALSE(isThinRing(1000, 2943.01f));
    EXPECT_FALSE(isThinRing(1000, 10000));

    const LinearStrip s = thinRingToStrip(90.0f / 360.0f, 1000, 2000);
    EXPECT_NEAR(s.breite, 2356.19, 0.005);
    EXPECT_EQ(s.breite, static_cast<float>(0.25 * 3.14159 * 3000.0));
    EXPECT_EQ(s.tiefe, 1000.0f);
}
