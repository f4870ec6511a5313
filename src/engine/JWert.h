// The Fetkovich productivity index J and the water in place WI of the water zone from rock,
// fluid and geometry data: a linear strip (angle 0) or a full or partial ring (angle above 0).
// The inputs are single-precision values; all arithmetic is done in double precision on them.
#pragma once

namespace brelvan {

struct JWertResult {
    double jwert = 0; // J, m3/(day bar)
    double wip = 0;   // WI, Mio m3
};

// Linear water zone: permeability k (mD), thickness h (m), viscosity mu (cp), porosity phi,
// depth L away from the contact (m), width B along the contact (m).
//   J = k * 0.02543 * h * B / (mu * L),  WI = L * B * h * phi / 10^6
JWertResult linearJWert(float k, float h, float mu, float phi, float tiefe, float breite);

// Radial water zone: the fraction `anteil` of the full circle (angle / 360), radius of the
// gas-water contact Rw and of the outer end Re (m).
//   J = f * 0.0533 * (k * h / mu) / (ln(Re / Rw) - 0.75),  WI = f * 3.14159 * phi * h * (Re² - Rw²)
//   / 10^6
JWertResult radialJWert(float anteil, float k, float h, float mu, float phi, float rw, float re);

// A ring whose outer radius is at most 2.943 times its inner radius is treated as a linear
// strip (the comparison with the single-precision constant, in single precision).
bool isThinRing(float rw, float re);

struct LinearStrip {
    float breite = 0; // B = f * 3.14159 * (Re + Rw), the arc length at the mean radius
    float tiefe = 0;  // L = Re - Rw
};
LinearStrip thinRingToStrip(float anteil, float rw, float re);

} // namespace brelvan
