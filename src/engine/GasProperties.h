// Real-gas behaviour of the reservoir gas: the component table, the unit constants, the
// pseudo-critical point of a composition and the Hall-Yarborough z-factor.
#pragma once

#include <array>

namespace brelvan::gas {

// The components of the gas: H2S, CO2, N2, CH4, C2H6, C3H8, iC4H10, nC4H10, iC5H12, nC5H12,
// C6H14, C7H16, C8H18, C9H20, C10H22.
inline constexpr int kComponents = 15;
// The composition in percent, in the order above.
using Composition = std::array<float, kComponents>;

// Critical pressures (psia) and temperatures (degrees Rankine) of the components, in the
// order of a Composition; single-precision numbers.
inline constexpr std::array<float, kComponents> kCriticalPressure = {
    1306.0f, 1073.0f, 492.0f, 673.1f, 708.3f, 617.4f, 529.1f, 550.7f,
    483.0f,  489.5f,  439.7f, 396.9f, 362.1f, 345.0f, 320.0f};
inline constexpr std::array<float, kComponents> kCriticalTemperature = {
    672.7f, 548.0f, 227.2f, 343.5f, 550.1f,  666.3f,  735.0f, 765.6f,
    830.0f, 845.9f, 914.5f, 972.6f, 1025.2f, 1073.0f, 1115.0f};

// bar to psia, held in single precision.
inline constexpr float kBarToPsia = 14.503f;

// Degrees Celsius to degrees Rankine: T * 9 / 5 + 492.
constexpr double rankine(double celsius) {
    return celsius * 9 / 5 + 492;
}

// z after Hall and Yarborough for the pseudo-reduced temperature `tr` and pressure `pr`: the
// Newton iteration on the reduced density from 0.001, at most 30 steps, converged when
// |1000 F| < 0.0001. Always a finite positive number: when the iteration breaks down or does
// not converge, the root is bracketed in (0, 1) and bisected; where no root exists (pr not
// positive, values that are not numbers) the ideal-gas value 1.
double zHallYarborough(double tr, double pr);

// z at two pressures of the same temperature, as two Newton chains in lockstep: each chain does
// exactly the operations of zHallYarborough, so z0 and z1 are bit for bit its results; the
// processor overlaps the two chains.
void zHallYarboroughPair(double tr, double pr0, double pr1, double& z0, double& z1);

// The pseudo-critical temperature (degrees Rankine) and pressure (psia) of a composition by Kay's
// rule, corrected for H2S and CO2 (critcorrect).
void pseudocrit(const Composition& gas, double& tpc, double& ppc);
// The Wichert-Aziz correction of a pseudo-critical point for the H2S and CO2 of `gas`.
void critcorrect(const Composition& gas, double tpc, double ppc, double& tpcKorr, double& ppcKorr);
// z at a temperature (degrees C) and pressure (bar) for the pseudo-critical point tpc, ppc.
double zfactor(double temperaturC, double druckBar, double tpc, double ppc);
// The pressure (bar) whose p/z is `pzBar`: five secant steps from p = p/z, each from z(p) and
// z(p + 1); 0 when `pzBar` is not a number.
double pzpressure(double temperaturC, double pzBar, double tpc, double ppc);
// The same steps with z(p) and z(p + 1) evaluated one after the other; the results agree bit
// for bit with pzpressure. Kept to check the paired evaluation.
double pzpressureSingle(double temperaturC, double pzBar, double tpc, double ppc);

} // namespace brelvan::gas
