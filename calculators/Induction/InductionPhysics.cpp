#include "calculators/Induction/InductionPhysics.h"

#include <cmath>

namespace induction {

namespace {

// Every input is widened first, so sums and products of two inputs are
// already taken in extended precision.
using Real = long double;

Real fnSingleLayerDenominator(Real diameter, Real length)
{
    return diameter / 2 > length ? 4 * diameter + 11 * length : 4.5L * diameter + 10 * length;
}

Real fnMultiLayerDenominator(Real mean, Real length, Real build) { return 3 * mean + 9 * length + 10 * build; }

// Current-sheet coefficients of the planar spiral outlines (TSpiralOutline order).
struct TSheetCoefficients {
    double c1, c2, c3, c4;
};
constexpr TSheetCoefficients SheetCoefficients[SpiralOutlineCount] = {
    {1.27, 2.07, 0.18, 0.13}, // square
    {1.09, 2.23, 0.00, 0.17}, // hexagonal
    {1.07, 2.29, 0.00, 0.19}, // octagonal
    {1.00, 2.46, 0.00, 0.20}, // circular
};

// mu0 / 2 per millimetre, in microhenries: 2 pi 1e-4.
constexpr Real HalfMu0PerMm = 0.000628318530717958647692L;

// mu0 / pi for millimetre sizes (an area in mm2 over a diameter in mm), in henries: 4e-7 x 1e-3.
constexpr Real Mu0OverPiPerMm = 4e-10L;

} // namespace

long double singleLayerTurnDiameterMm(double formerMm, double wireMm)
{
    const Real former = formerMm;
    const Real wire = wireMm;
    return wire > 0 && former > 0 ? former + wire : former;
}

long double singleLayerInductanceUh(double turns, double mu, double formerMm, double wireMm, double lengthMm)
{
    const Real n = turns;
    const Real diameter = singleLayerTurnDiameterMm(formerMm, wireMm);
    return 0.01L * mu * diameter * diameter * n * n / fnSingleLayerDenominator(diameter, lengthMm);
}

long double singleLayerTurns(long double inductanceUh, double mu, double formerMm, double wireMm, double lengthMm)
{
    const Real diameter = singleLayerTurnDiameterMm(formerMm, wireMm);
    return std::sqrt(inductanceUh * fnSingleLayerDenominator(diameter, lengthMm) / (0.01L * mu * diameter * diameter));
}

bool singleLayerTooLong(long double turns, double wireMm, double lengthMm)
{
    const Real wire = wireMm;
    return wire > 0 && turns * wire > lengthMm;
}

long double multiLayerInductanceUh(double turns, double mu, double meanMm, double lengthMm, double buildMm)
{
    const Real n = turns;
    const Real mean = meanMm;
    return 0.008L * mu * mean * mean * n * n / fnMultiLayerDenominator(mean, lengthMm, buildMm);
}

long double multiLayerTurns(long double inductanceUh, double mu, double meanMm, double lengthMm, double buildMm)
{
    const Real mean = meanMm;
    return std::sqrt(inductanceUh * fnMultiLayerDenominator(mean, lengthMm, buildMm) / (0.008L * mu * mean * mean));
}

bool multiLayerOverfull(long double turns, double wireMm, double lengthMm, double buildMm)
{
    const Real wire = wireMm;
    const Real length = lengthMm;
    return wire > 0 && 0.8L * length * buildMm < 0.785L * turns * wire * wire;
}

long double windingMeanDiameterMm(double outerMm, double innerMm) { return (Real(outerMm) + innerMm) / 2; }
long double windingBuildMm(double outerMm, double innerMm) { return (Real(outerMm) - innerMm) / 2; }
long double windingOuterDiameterMm(double meanMm, double buildMm) { return Real(meanMm) + buildMm; }
long double windingInnerDiameterMm(double meanMm, double buildMm) { return Real(meanMm) - buildMm; }

long double flatSpiralInductanceUh(TSpiralOutline outline, double turns, double outerMm, double innerMm)
{
    const TSheetCoefficients& c = SheetCoefficients[static_cast<int>(outline)];
    const Real n = turns;
    const Real outer = outerMm;
    const Real average = (outer + innerMm) / 2;
    const Real fill = (outer - innerMm) / (outer + innerMm);
    return HalfMu0PerMm * n * n * average * c.c1 * (std::log(c.c2 / fill) + c.c3 * fill + c.c4 * fill * fill);
}

bool flatSharesWidth(double turns) { return 2 * Real(turns) - 1 > 0; }

long double flatEqualShareMm(long double widthMm, double turns) { return widthMm / (2 * Real(turns) - 1); }

long double flatGapMm(double widthMm, double turns, double trackMm)
{
    const Real n = turns;
    return (widthMm - n * trackMm) / (n - 1);
}

long double flatTrackMm(double widthMm, double turns, double gapMm)
{
    const Real n = turns;
    return (widthMm - (n - 1) * gapMm) / n;
}

long double roundWireInductanceUh(double lengthMm, double wireMm)
{
    const Real length = lengthMm;
    return (std::log(4 * length / wireMm) - 0.75L) * length / 5000;
}

long double wireOverPlaneInductanceUh(double lengthMm, double wireMm, double heightMm)
{
    const Real length = lengthMm;
    const Real wire = wireMm;
    const Real height = heightMm;
    const Real nearRoot = std::sqrt(length * length + wire * wire / 4);
    const Real farRoot = std::sqrt(length * length + 4 * height * height);
    const Real ratio = (4 * height / wire) * (length + nearRoot) / (length + farRoot);
    return 0.0004606L * length * std::log10(ratio)
           + 0.0002L * (farRoot - nearRoot + length / 4 - 2 * height + wire / 2);
}

long double rectangularBarInductanceUh(double lengthMm, double sideAMm, double sideBMm)
{
    const Real length = lengthMm;
    const Real sides = Real(sideAMm) + sideBMm;
    return 0.0002L * length * (std::log(2 * length / sides) + 0.5L + 0.2235L * sides / length);
}

long double toroidInductanceH(double turns, double mu, double wireMm, double outerMm, double innerMm, double heightMm)
{
    const Real n = turns;
    const Real wire = wireMm;
    const Real outer = outerMm;
    const Real height = heightMm;
    const Real radial = (outer - innerMm) / 2;
    // The wire's thickness is added once to each side of the section it wraps.
    const Real section = wire > 0 ? (radial + wire) * (height + wire) : radial * height;
    return Mu0OverPiPerMm * mu * n * n * section / ((outer + innerMm) / 2);
}

} // namespace induction
