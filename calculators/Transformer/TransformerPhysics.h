// Core layer. The physics of the simplified mains transformer design: core
// section and window area from the core's dimensions, the largest power the
// core passes, the load of the secondaries, turns and round wire of every
// winding. Pure functions over doubles, computed in extended precision; a
// result beyond the double range comes back as inf, which the engine shows as 0.
#pragma once

#include <span>

namespace transformer {

// Sc = A * H / 100: the section of the limb that carries the windings, cm2 from mm.
double fnCoreSectionCm2(double limbWidthMm, double stackHeightMm);
// Sc = H * (Dmax - Dmin) / 2 / 100: the section of a ring.
double fnRingSectionCm2(double ringHeightMm, double outerDiameterMm, double innerDiameterMm);
// Sw = C * B / 100: the winding window.
double fnWindowAreaCm2(double windowCMm, double windowBMm);
// Sw = pi * Dmin^2 / 4 / 100, with pi as 3.14: the hole of a ring.
double fnRingWindowAreaCm2(double innerDiameterMm);

// Pmax = 0.022 * KPD * F * Kc * Kw * J * Bi * Sc * Sw: the largest power the
// core passes with its window filled (VA, with Hz, A/mm2, T and cm2).
double fnCorePowerVA(double efficiency, double frequencyHz, double stackingFactor, double windowFillFactor,
                     double currentDensityAmm2, double fluxDensityT, double coreSectionCm2, double windowAreaCm2);

// One secondary's voltage and current as shown; 0 where not given.
struct TWindingLoad {
    double voltV = 0;
    double currentA = 0;
};
// Ptr = sum of V * I over the secondaries.
double fnLoadPowerVA(std::span<const TWindingLoad> secondaries);

// N1 = 0.95 * Vp * 10^4 / (4.44 * F * Bi * Kc * Sc): the primary turns, 5 % of
// the mains voltage being lost in the winding, 4.44 = 2 pi / sqrt 2 of the sine
// EMF. 0 where the denominator is not positive.
double fnPrimaryTurns(double primaryVoltV, double frequencyHz, double fluxDensityT, double stackingFactor,
                      double coreSectionCm2);
// N = N1 * V / V1: a secondary's turns at the primary's turns per volt.
double fnSecondaryTurns(double primaryTurns, double voltV, double primaryVoltV);
// I1 = Ptr / (V1 * KPD): the primary current that feeds the load.
double fnPrimaryCurrentA(double loadVA, double primaryVoltV, double efficiency);
// S = I / J: the wire section for a current at the current density.
double fnWireSectionMm2(double currentA, double currentDensityAmm2);
// d = 2 * sqrt(S / pi) = 1.128 * sqrt(S): the diameter of a round wire of section S.
double fnWireDiameterMm(double sectionMm2);

// The wire to buy for a winding whose computed diameter is `computedMm`, and
// the current density each choice gives at its current: the IEC 60317
// nominal size not below it, the thinnest AWG gauge not below it, or - above
// 2,500 mm - how many strands of 2,500 mm in parallel carry the section.
struct TWireChoice {
    double iecMm = 0; // 0 above the table
    double iecDensityAmm2 = 0;
    int awg = -1; // -1 above AWG 0
    double awgMm = 0;
    double awgDensityAmm2 = 0;
    int strands = 0; // above the table
    double strandsDensityAmm2 = 0;
};
TWireChoice fnWireChoice(double computedMm, double currentA);
// J = I / (pi d^2 / 4): the current density in a round wire (or n of them in parallel).
double fnCurrentDensityAmm2(double currentA, double diameterMm, int strands = 1);

} // namespace transformer
