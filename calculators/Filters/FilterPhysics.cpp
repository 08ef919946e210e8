#include "calculators/Filters/FilterPhysics.h"

#include <cmath>

namespace filters {

namespace {

// Products are taken in extended precision and stored as doubles.
double fnStore(long double value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

} // namespace

double filterResistanceOhm(double f, double c) { return fnStore(1 / (TwoPi * f * c)); }
double filterCapacitanceFromResistanceF(double f, double r) { return fnStore(1 / (TwoPi * f * r)); }
double filterCutoffFromRcHz(double r, double c) { return fnStore(1 / (TwoPi * r * c)); }

} // namespace filters
