// The gas balance of one row of the pressure list, with everything that takes up the gas zone's
// pore volume besides the gas:
//
//   p/z = (p/z)_i (1 - Gp/G) / (1 - c_e (p_i - p) - (WE - Wp Bw) / V_i)
//
// Gp the cumulative gas production and G the gas in place (Mio m3 at standard conditions), WE
// the cumulative water influx from the water zone and Wp the cumulative produced water (Mio m3),
// Bw the water formation volume factor (m3/m3), V_i the initial gas-filled pore volume (Mio m3 at
// reservoir conditions), and c_e the effective compressibility of the gas zone: its pore volume
// shrinks and its connate water expands as the pressure falls,
//
//   c_e = (c_f + c_w S_wi) / (1 - S_wi)
//
// with c_f the pore compressibility, c_w the compressibility of the connate water (both 1E-5 per
// bar) and S_wi the connate water saturation (fraction). With c_e = 0 the pressure appears on the
// left side only and the balance is the one the program has always solved; otherwise the row's
// pressure is a root, found here to kRootTolerance.
#pragma once

namespace brelvan::engine {

// c_e in 1E-5 per bar; 0 when c_f, c_w and S_wi are all 0. S_wi must lie below 1.
double effectiveCompressibility(double cf, double cw, double swi);

// What stays the same for every row of a run.
struct GasBalance {
    double temperature = 0;  // degrees C
    double tpc = 0, ppc = 0; // corrected pseudo-critical point (degrees R, psia)
    double pInit = 0;        // bar
    double pzInit = 0;       // bar
    double ogip = 0;         // Mio m3
    double vInit = 0;        // Mio m3 at reservoir conditions
    double ce = 0;           // 1E-5 per bar

    // The pressure of a row is solved to this (bar), with at most kMaxEvaluations z-factors.
    static constexpr double kRootTolerance = 1e-6;
    static constexpr int kMaxEvaluations = 200;

    // The share of the initial gas-filled pore volume that still holds gas at pressure `p`
    // with the net water `netWater` = WE - Wp Bw (Mio m3) in it: 1 - c_e (p_i - p) - net / V_i.
    double gasShare(double p, double netWater) const;
    // The p/z the balance demands of a row at pressure `p` (bar).
    double pz(double gp, double netWater, double p) const;

    struct Point {
        double p = 0;  // bar
        double pz = 0; // bar; the balance's p/z at p
        bool found = false;
        int evaluations = 0; // of the z-factor
    };
    // The pressure and p/z that satisfy the balance for the production `gp` and the net water.
    // With c_e = 0: (p/z) = (p/z)_i (1 - Gp/G) / (1 - net/V_i) and p from it by
    // gas::pzpressure, operation for operation as the program has always done (found is true
    // even when p/z is not a number; the caller checks). Otherwise the root of
    // p/z(p) * gasShare(p) = (p/z)_i (1 - Gp/G); found is false when it could not be bracketed
    // or the search ran out of evaluations.
    Point solve(double gp, double netWater) const;
};

} // namespace brelvan::engine
