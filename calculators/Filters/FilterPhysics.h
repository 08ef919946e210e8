// Core layer. The physics of the filter sections: the relations between the
// cut-off frequency F, the capacitance C, the inductance L and the resistance
// R, and the normalised ladders the sections are built from. Pure functions
// in SI units; a result beyond the double range is 0 (no value).
#pragma once

#include "common/core/LcResonance.h"

namespace filters {

// L = 1 / (4 pi^2 F^2 C): the inductance that resonates with C at F.
inline double filterInductanceH(double cutoffHz, double capacitanceF)
{
    return lcResonanceInductanceH(cutoffHz, capacitanceF);
}
// C = 1 / (4 pi^2 F^2 L).
inline double filterCapacitanceFromInductanceF(double cutoffHz, double inductanceH)
{
    return lcResonanceCapacitanceF(cutoffHz, inductanceH);
}
// R = 1 / (2 pi F C): the resistance whose corner with C is at F.
double filterResistanceOhm(double cutoffHz, double capacitanceF);
// C = 1 / (2 pi F R).
double filterCapacitanceFromResistanceF(double cutoffHz, double resistanceOhm);
// F = 1 / (2 pi sqrt(L C)).
inline double filterCutoffFromLcHz(double inductanceH, double capacitanceF)
{
    return lcResonanceHz(inductanceH, capacitanceF);
}
// F = 1 / (2 pi R C).
double filterCutoffFromRcHz(double resistanceOhm, double capacitanceF);

// With L and C solved for F (so R = sqrt(L / C)), a Butterworth ladder of
// prototype value g between two resistances R has a series inductor g * L and
// a shunt capacitor g * C (low-pass), or a series capacitor C / g and a shunt
// inductor L / g (high-pass). The sections' ladders:
inline constexpr double SecondOrderButterworthG = 1.41421356237309504880; // g1 = g2 = sqrt 2
inline constexpr double ThirdOrderButterworthG[3] = {1, 2, 1};

} // namespace filters
