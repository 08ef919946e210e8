#include "calculators/Filters/FilterPhysics.h"

#include <cmath>

namespace filters {

namespace {

// Products are taken in extended precision and stored as doubles.
using Real = long double;
constexpr Real TwoPi = 6.283185307179586477L;
constexpr Real FourPiSquared = 39.478417604357434478L;

double fnStore(Real value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

} // namespace

double filterInductanceH(double f, double c) { return fnStore(1 / (FourPiSquared * f * f * c)); }
double filterCapacitanceFromInductanceF(double f, double l) { return fnStore(1 / (FourPiSquared * f * f * l)); }
double filterResistanceOhm(double f, double c) { return fnStore(1 / (TwoPi * f * c)); }
double filterCapacitanceFromResistanceF(double f, double r) { return fnStore(1 / (TwoPi * f * r)); }
double filterCutoffFromLcHz(double l, double c) { return fnStore(1 / (TwoPi * std::sqrt(static_cast<Real>(l) * c))); }
double filterCutoffFromRcHz(double r, double c) { return fnStore(1 / (TwoPi * r * c)); }

} // namespace filters
