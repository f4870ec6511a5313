// Real-gas behaviour of the reservoir gas: the component table, the unit constants and the
// Hall-Yarborough z-factor in reduced form. The case document's pseudocrit, critcorrect,
// zfactor and pzpressure are built on these.
#pragma once

#include <array>

namespace brelvan::gas {

// Critical pressures (psia) and temperatures (degrees Rankine) of the 15 components, in the
// order of m_fGas; single-precision numbers.
inline constexpr std::array<float, 15> kCriticalPressure = {
    1306.0f, 1073.0f, 492.0f, 673.1f, 708.3f, 617.4f, 529.1f, 550.7f,
    483.0f,  489.5f,  439.7f, 396.9f, 362.1f, 345.0f, 320.0f};
inline constexpr std::array<float, 15> kCriticalTemperature = {
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

} // namespace brelvan::gas
