#include "calculators/Transformer/TransformerPhysics.h"

#include "common/core/StandardValues.h"

#include <cmath>

namespace transformer {

namespace {

// Products are taken in extended precision and stored as doubles.
using Real = long double;

// Pmax per VA of KPD * F * Kc * Kw * J * Bi * Sc * Sw in the units above.
constexpr Real PowerFactor = 0.022L;
// The part of the mains voltage left after the primary's own drop.
constexpr Real PrimaryDrop = 0.95L;
// 2 pi / sqrt 2: the EMF of a sine flux per turn, hertz and tesla.
constexpr Real EmfFactor = 4.44L;
// 2 / sqrt pi, kept as 1.128.
constexpr Real RoundWireFactor = 1.128L;
// The window of a ring is taken with pi as 3.14.
constexpr Real RingPi = 3.14L;
// mm2 in a cm2, and cm2 in a m2 (the EMF wants the section in m2).
constexpr Real Cm2PerMm2 = 0.01L;
constexpr Real Cm2PerM2 = 10000;

double fnStore(Real value) { return static_cast<double>(value); }

} // namespace

double fnCoreSectionCm2(double limbWidthMm, double stackHeightMm)
{
    return fnStore(static_cast<Real>(limbWidthMm) * static_cast<Real>(stackHeightMm) * Cm2PerMm2);
}

double fnRingSectionCm2(double ringHeightMm, double outerDiameterMm, double innerDiameterMm)
{
    const Real h = ringHeightMm;
    return fnStore(h * (outerDiameterMm - static_cast<Real>(innerDiameterMm)) / 2 * Cm2PerMm2);
}

double fnWindowAreaCm2(double windowCMm, double windowBMm)
{
    return fnStore(static_cast<Real>(windowCMm) * windowBMm * Cm2PerMm2);
}

double fnRingWindowAreaCm2(double innerDiameterMm)
{
    const Real dmin = innerDiameterMm;
    return fnStore(dmin * dmin * RingPi * Cm2PerMm2 / 4);
}

double fnCorePowerVA(double efficiency, double frequencyHz, double stackingFactor, double windowFillFactor,
                     double currentDensityAmm2, double fluxDensityT, double coreSectionCm2, double windowAreaCm2)
{
    return fnStore(PowerFactor * efficiency * frequencyHz * stackingFactor * windowFillFactor * currentDensityAmm2
                   * fluxDensityT * coreSectionCm2 * windowAreaCm2);
}

double fnLoadPowerVA(std::span<const TWindingLoad> secondaries)
{
    Real sum = 0;
    for (const TWindingLoad& load : secondaries)
        sum += static_cast<Real>(load.voltV) * load.currentA;
    return fnStore(sum);
}

double fnPrimaryTurns(double primaryVoltV, double frequencyHz, double fluxDensityT, double stackingFactor,
                      double coreSectionCm2)
{
    const Real vp = primaryVoltV;
    const Real coreTerm = EmfFactor * frequencyHz * fluxDensityT * stackingFactor * coreSectionCm2;
    return coreTerm > 0 ? fnStore(PrimaryDrop * vp * Cm2PerM2 / coreTerm) : 0;
}

double fnSecondaryTurns(double primaryTurns, double voltV, double primaryVoltV)
{
    return fnStore(static_cast<Real>(primaryTurns) * voltV / primaryVoltV);
}

double fnPrimaryCurrentA(double loadVA, double primaryVoltV, double efficiency)
{
    return fnStore(static_cast<Real>(loadVA) / (static_cast<Real>(primaryVoltV) * efficiency));
}

double fnWireSectionMm2(double currentA, double currentDensityAmm2)
{
    return fnStore(static_cast<Real>(currentA) / currentDensityAmm2);
}

double fnWireDiameterMm(double sectionMm2)
{
    return fnStore(std::sqrt(static_cast<Real>(sectionMm2)) * RoundWireFactor);
}

double fnCurrentDensityAmm2(double currentA, double diameterMm, int strands)
{
    constexpr double Pi = 3.14159265358979323846;
    if (!(currentA > 0) || !(diameterMm > 0) || strands < 1)
        return 0;
    const double density = currentA / (strands * Pi * diameterMm * diameterMm / 4);
    return std::isfinite(density) ? density : 0;
}

TWireChoice fnWireChoice(double computedMm, double currentA)
{
    TWireChoice choice;
    if (!(computedMm > 0) || !std::isfinite(computedMm))
        return choice;
    choice.iecMm = fnStandardWireMm(computedMm);
    choice.iecDensityAmm2 = fnCurrentDensityAmm2(currentA, choice.iecMm);
    if (choice.iecMm == 0) {
        choice.strands = fnParallelStrands(computedMm);
        const auto sizes = fnWireDiametersMm();
        choice.strandsDensityAmm2 = fnCurrentDensityAmm2(currentA, sizes.back(), choice.strands);
    }
    choice.awg = fnAwgGauge(computedMm);
    if (choice.awg >= 0) {
        choice.awgMm = fnAwgDiameterMm(choice.awg);
        choice.awgDensityAmm2 = fnCurrentDensityAmm2(currentA, choice.awgMm);
    }
    return choice;
}

} // namespace transformer
