// Core layer. The physics of the formula catalogue: LC resonance, a coil's
// quality factor, the wave relations, parts in series and in parallel, and a
// body thrown horizontally with its kinetic energy. Pure functions in SI
// units; intermediates are taken in extended precision and the result is
// stored once as a double. A result beyond the double range is 0 (no value).
#pragma once

#include "common/core/LcResonance.h"

#include <span>

namespace formulas {

// The acceleration of free fall the throw is worked with, m/s2.
inline constexpr long double GravityMPerS2 = 9.81L;

// LC resonance (the core's, under the catalogue's names). The operands are > 0.
inline double resonanceFrequencyHz(double inductanceH, double capacitanceF)
{
    return lcResonanceHz(inductanceH, capacitanceF);
}
inline double resonanceCapacitanceF(double frequencyHz, double inductanceH)
{
    return lcResonanceCapacitanceF(frequencyHz, inductanceH);
}
inline double resonanceInductanceH(double frequencyHz, double capacitanceF)
{
    return lcResonanceInductanceH(frequencyHz, capacitanceF);
}

// A coil's quality factor: its reactance over its loss resistance. The operands are > 0.
// Q = L (2 pi F) / R.
double coilQualityFactor(double frequencyHz, double inductanceH, double lossResistanceOhm);
// F = Q R / (2 pi L).
double coilQualityFrequencyHz(double quality, double inductanceH, double lossResistanceOhm);
// L = Q R / (2 pi F).
double coilQualityInductanceH(double quality, double frequencyHz, double lossResistanceOhm);
// R = L (2 pi F) / Q.
double coilLossResistanceOhm(double quality, double frequencyHz, double inductanceH);

// A wave of velocity v. Each is 0 when its divisor is not > 0.
// f = v / lambda.
double waveFrequencyHz(double velocityMPerS, double wavelengthM);
// lambda = v / f.
double wavelengthM(double velocityMPerS, double frequencyHz);
// T = 1 / f.
double wavePeriodS(double frequencyHz);
// f = 1 / T.
double waveFrequencyFromPeriodHz(double periodS);
// lambda / 4: the length of a quarter-wave line or whip.
double quarterWavelengthM(double wavelengthM);

// Parts of one kind combined; every part is > 0. Resistors and inductors in
// series, and capacitors in parallel, add up; resistors and inductors in
// parallel, and capacitors in series, add up as reciprocals.
// X = X1 + X2 + ...; 0 for no parts.
double sumOfParts(std::span<const double> parts);
// X = 1 / (1/X1 + 1/X2 + ...); 0 for no parts.
double reciprocalSumOfParts(std::span<const double> parts);

// A body thrown horizontally at speed v from height h falls for t = sqrt(2h / g)
// and lands at distance s = v t. The operands are > 0.
// s = v / sqrt(g / 2h).
double throwDistanceM(double heightM, double speedMPerS);
// h = g s^2 / (2 v^2).
double throwHeightM(double distanceM, double speedMPerS);
// v = sqrt(g / 2h) s.
double throwSpeedMPerS(double distanceM, double heightM);
// E = m v^2 / 2.
double kineticEnergyJ(double massKg, double speedMPerS);
// m = 2 E / v^2.
double massFromKineticEnergyKg(double energyJ, double speedMPerS);

} // namespace formulas
