#include "common/core/LcResonance.h"

#include <cmath>

namespace {

double fnStore(long double value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

} // namespace

double lcResonanceHz(double inductanceH, double capacitanceF)
{
    return fnStore(1 / (TwoPi * std::sqrt(static_cast<long double>(capacitanceF) * inductanceH)));
}

double lcResonanceCapacitanceF(double frequencyHz, double inductanceH)
{
    return fnStore(1 / (static_cast<long double>(inductanceH) * FourPiSquared * frequencyHz * frequencyHz));
}

double lcResonanceInductanceH(double frequencyHz, double capacitanceF)
{
    return fnStore(1 / (static_cast<long double>(capacitanceF) * FourPiSquared * frequencyHz * frequencyHz));
}
