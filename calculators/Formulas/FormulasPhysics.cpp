#include "calculators/Formulas/FormulasPhysics.h"

#include <cmath>

namespace formulas {

namespace {

using Real = long double;

double fnStore(Real value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

// a / b, or 0 when b is not > 0.
double fnQuotient(Real a, double b) { return b > 0 ? fnStore(a / b) : 0.0; }

} // namespace

double coilQualityFactor(double frequencyHz, double inductanceH, double lossResistanceOhm)
{
    return fnStore(static_cast<Real>(inductanceH) * (frequencyHz * TwoPi) / lossResistanceOhm);
}

double coilQualityFrequencyHz(double quality, double inductanceH, double lossResistanceOhm)
{
    return fnStore(static_cast<Real>(quality) * lossResistanceOhm / (inductanceH * TwoPi));
}

double coilQualityInductanceH(double quality, double frequencyHz, double lossResistanceOhm)
{
    return fnStore(static_cast<Real>(quality) * lossResistanceOhm / (frequencyHz * TwoPi));
}

double coilLossResistanceOhm(double quality, double frequencyHz, double inductanceH)
{
    return fnStore(static_cast<Real>(inductanceH) * (frequencyHz * TwoPi) / quality);
}

double waveFrequencyHz(double velocityMPerS, double wavelengthM) { return fnQuotient(velocityMPerS, wavelengthM); }

double wavelengthM(double velocityMPerS, double frequencyHz) { return fnQuotient(velocityMPerS, frequencyHz); }

double wavePeriodS(double frequencyHz) { return fnQuotient(1, frequencyHz); }

double waveFrequencyFromPeriodHz(double periodS) { return fnQuotient(1, periodS); }

double quarterWavelengthM(double wavelengthM) { return wavelengthM / 4; }

double sumOfParts(std::span<const double> parts)
{
    Real sum = 0;
    for (const double part : parts)
        sum += part;
    return fnStore(sum);
}

double reciprocalSumOfParts(std::span<const double> parts)
{
    Real conductance = 0;
    for (const double part : parts)
        conductance += 1 / static_cast<Real>(part);
    return conductance > 0 ? fnStore(1 / conductance) : 0.0;
}

double throwDistanceM(double heightM, double speedMPerS)
{
    return fnStore(speedMPerS / std::sqrt(GravityMPerS2 / (2 * static_cast<Real>(heightM))));
}

double throwHeightM(double distanceM, double speedMPerS)
{
    return fnStore(GravityMPerS2 * distanceM * distanceM / (2 * static_cast<Real>(speedMPerS) * speedMPerS));
}

double throwSpeedMPerS(double distanceM, double heightM)
{
    return fnStore(std::sqrt(GravityMPerS2 / (2 * static_cast<Real>(heightM))) * distanceM);
}

double kineticEnergyJ(double massKg, double speedMPerS)
{
    return fnStore(static_cast<Real>(massKg) * speedMPerS * speedMPerS / 2);
}

double massFromKineticEnergyKg(double energyJ, double speedMPerS)
{
    return fnStore(2 * static_cast<Real>(energyJ) / (static_cast<Real>(speedMPerS) * speedMPerS));
}

} // namespace formulas
