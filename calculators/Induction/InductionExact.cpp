#include "calculators/Induction/InductionExact.h"

#include "calculators/Induction/ExactFields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// Millimetres in, microhenries out throughout; the toroid alone answers in henries.

namespace induction {
namespace {

using namespace fields;

// The range of a usable input - millimetres, turns, permeability, a ratio: beyond it
// lie no coils, only overflowing products and ratios with no digits left.
constexpr double MaxInput = 1e9;
constexpr double MinLengthMm = 1e-9;

bool fnInRange(double value) { return std::isfinite(value) && value >= MinLengthMm && value <= MaxInput; }
bool fnLength(double mm) { return fnInRange(mm); }
bool fnTurns(double turns) { return std::isfinite(turns) && turns >= 1 && turns <= MaxInput; }
bool fnPermeability(double mu) { return std::isfinite(mu) && mu >= 1 && mu <= MaxInput; }
// An optional wire: 0 when not given.
bool fnOptionalLength(double mm) { return mm == 0 || fnLength(mm); }

double fnResult(double value) { return std::isfinite(value) && value > 0 ? value : 0; }

// ---- complete elliptic integrals (K and E in ExactFields.h) ----

// Bulirsch's general complete elliptic integral for p > 0:
//   cel(kc, p, a, b) = integral over 0..pi/2 of (a cos^2 + b sin^2) /
//                      ((cos^2 + p sin^2) sqrt(cos^2 + kc^2 sin^2)),
// by Bartky's transformation, which converges like the arithmetic-geometric mean.
// With p = 1 it is a K + (b - a)(K - E) / k^2; otherwise it carries the third kind.
double fnBulirschCel(double kc, double p, double a, double b)
{
    double mean = 1;       // arithmetic mean of the moduli, starting from 1 and kc
    double geometric = kc; // kc times the mean, whose root doubled is the next kc
    p = std::sqrt(p);
    b /= p;
    for (int n = 0; n < 40; ++n) {
        const double f = a;
        a += b / p;
        const double g = geometric / p;
        b = 2 * (b + f * g);
        p += g;
        const double previous = mean;
        mean += kc;
        if (std::abs(previous - kc) <= previous * 1e-9)
            break;
        kc = 2 * std::sqrt(geometric);
        geometric = kc * mean;
    }
    return Pi / 2 * (a * mean + b) / (mean * (mean + p));
}

// ---- current sheets ----

// Nagaoka's coefficient from the ratio D / l > 0:
//   K = 4 / (3 pi k') ((k'^2 / k^2)(K(k) - E(k)) + E(k) - k),  k^2 = D^2 / (D^2 + l^2).
// A short sheet takes its series in l / D (the closed form there subtracts nearly
// equal numbers), a long one its series in D / l; both are exact to double
// precision where they are used.
double fnNagaoka(double ratio)
{
    if (ratio > 25) {
        const double x = 1 / ratio;
        const double x2 = x * x;
        const double log4 = std::log(4 / x);
        return 2 / Pi * x
               * ((log4 - 0.5) + x2 / 8 * (log4 + 0.25) - x2 * x2 / 64 * (log4 - 2.0 / 3)
                  + 5 * x2 * x2 * x2 / 1024 * (log4 - 109.0 / 120));
    }
    if (ratio < 0.02) {
        const double r2 = ratio * ratio;
        return 1 - 4 / (3 * Pi) * ratio + r2 / 8 - r2 * r2 / 64 + 5 * r2 * r2 * r2 / 1024;
    }
    const double r2 = ratio * ratio;
    const double k2 = r2 / (1 + r2);
    const double kc2 = 1 / (1 + r2);
    const TElliptic e = fnEllipticKE(k2, kc2);
    return 4 / (3 * Pi * std::sqrt(kc2)) * (kc2 / k2 * e.firstLessSecond + e.second() - std::sqrt(k2));
}

// Inductance of a current sheet of radius a and length x wound at one turn per
// millimetre: mu0 pi a^2 x K(2a / x); n turns per millimetre give n^2 times it.
// Zero for x = 0.
double fnSheetPerDensity2(double radius, double x)
{
    return x > 0 ? Mu0UhPerMm * Pi * radius * radius * x * fnNagaoka(2 * radius / x) : 0;
}

// Self-inductance of a ring of round wire of radius r bent to radius a (r << a).
double fnRingSelf(double radius, double wireRadius)
{
    return Mu0UhPerMm * radius * (std::log(8 * radius / wireRadius) - 1.75);
}

// Maxwell's mutual inductance of coaxial circles, differentiated along the axis:
// dM/dz = mu0 z k ((2 - k^2)(K - E) - k^2 K) / (4 sqrt(ab) k'^2), negative.
double fnCirclesMutualSlope(double a, double b, double z)
{
    const double sum2 = (a + b) * (a + b) + z * z;
    const double k2 = 4 * a * b / sum2;
    const double kc2 = ((a - b) * (a - b) + z * z) / sum2;
    const TElliptic e = fnEllipticKE(k2, kc2);
    return Mu0UhPerMm * z * std::sqrt(k2) * ((2 - k2) * e.firstLessSecond - k2 * e.first)
           / (4 * std::sqrt(a * b) * kc2);
}

// ---- single layer: Rosa's corrections ----

// The pairs of turns up to this many pitches apart are corrected one by one, exactly.
// Beyond them a strip differs from its wire by the strips' second moment alone,
// p^2/12 M''(z) (the next term is 1/(5 s^2) of it), and the sum over the far pairs
// is taken as an integral; its error is below 1e-7 of the coil.
constexpr int NearTurns = 16;

// Sum over NearTurns < s < n of (n - s) p^2/12 M''(s p), as the integral from
// s = NearTurns + 1/2 to n - 1/2, by parts into M' and M at its ends.
double fnFarPairs(int n, double radius, double pitch)
{
    if (n <= NearTurns + 1)
        return 0;
    const double from = (NearTurns + 0.5) * pitch;
    const double to = (n - 0.5) * pitch;
    const auto ends = [&](double z) {
        return (n - z / pitch) * pitch * fnCirclesMutualSlope(radius, radius, z) + fnCirclesMutual(radius, radius, z);
    };
    return (ends(to) - ends(from)) / 12;
}

// What the round wires take away from the current sheet of the same turns: the sheet
// cut into n strips one pitch p wide is exactly the strips' own inductances plus
// their mutual ones; each strip's own is set against the ring of wire, each pair's
// mutual against Maxwell's circles at the wires' centres, for whole turns n. A
// fractional count takes the straight line between the whole counts around it.
double fnRoundWireCorrection(double turns, double radius, double pitch, double wireRadius)
{
    const int whole = static_cast<int>(std::floor(turns));
    const double fraction = turns - whole;
    const int highest = fraction > 0 ? whole + 1 : whole;
    const int near = std::min(highest - 1, NearTurns);

    // The sheet of j strips carrying a turn each: F(j p) / p^2.
    std::array<double, NearTurns + 2> sheet{};
    for (int j = 1; j <= near + 1; ++j)
        sheet[static_cast<std::size_t>(j)] = fnSheetPerDensity2(radius, j * pitch) / (pitch * pitch);
    // Strip against wire for the pair s apart: the strips' mutual inductance is half
    // the second difference of the sheets, less the circles'.
    std::array<double, NearTurns + 1> pair{};
    for (int s = 1; s <= near; ++s) {
        const auto j = static_cast<std::size_t>(s);
        const double strips = (sheet[j + 1] + sheet[j - 1] - 2 * sheet[j]) / 2;
        pair[j] = strips - fnCirclesMutual(radius, radius, s * pitch);
    }
    const double own = sheet[1] - fnRingSelf(radius, wireRadius);

    const auto correction = [&](int n) {
        double sum = n * own;
        for (int s = 1; s < n && s <= NearTurns; ++s)
            sum += 2 * (n - s) * pair[static_cast<std::size_t>(s)];
        return sum + 2 * fnFarPairs(n, radius, pitch);
    };
    const double atWhole = correction(whole);
    return fraction > 0 ? atWhole + fraction * (correction(whole + 1) - atWhole) : atWhole;
}

// Air-core single layer for usable inputs (checked by the callers).
double fnSingleLayerAir(double turns, double length, double wire, double former)
{
    const double diameter = former + wire;
    const double radius = diameter / 2;
    const double sheet = turns * turns * fnSheetPerDensity2(radius, length) / (length * length);
    if (wire == 0)
        return sheet;
    return sheet - fnRoundWireCorrection(turns, radius, length / turns, wire / 2);
}

// The wire fits its pitch: d <= l / N, equality (touching turns) allowed up to rounding.
bool fnWireFits(double turns, double length, double wire) { return wire * turns <= length * (1 + 1e-12); }

// ---- multi-layer: coaxial current sheets ----

// Mutual inductance of two coaxial current sheets of radii a and b over the same
// length l, each carrying one turn spread evenly along it. Integrating Neumann's
// formula over both lengths leaves, for each angle phi between the elements,
// l asinh(l / rho) - sqrt(rho^2 + l^2) + rho with rho the chord; over phi that is
// the sum of three complete elliptic integrals, the first one with the
// characteristic of the chord between the circles.
double fnSheetsMutual(double a, double b, double length)
{
    const double sum = a + b;
    const double product4 = 4 * a * b;
    const double difference2 = (a - b) * (a - b);
    const double length2 = length * length;

    // Over the length: the modulus of Maxwell's formula between the sheets' ends.
    const double span2 = sum * sum + length2;
    const double span = std::sqrt(span2);
    const double k2 = product4 / span2;
    const double kc2 = (difference2 + length2) / span2;
    const TElliptic ends = fnEllipticKE(k2, kc2);

    // The asinh part, by parts into sin^2 phi / (rho^2 sqrt(rho^2 + l^2)).
    double chordTerm = ends.firstLessSecond / k2;
    const double p = difference2 / (sum * sum);
    if (p > 0)
        chordTerm += difference2 / product4 * (ends.first - fnBulirschCel(std::sqrt(kc2), p, 1, 1));
    const double asinhTerm = 4 * length2 / span * chordTerm;

    // integral of cos phi sqrt(rho^2 + L^2) over phi, at L = l and at L = 0.
    const double longTerm = 4 * span / 3 * (2 * kc2 * ends.firstLessSecond / k2 - ends.second());
    double flatTerm = -4 * sum / 3; // equal radii: E(1) = 1, k'^2 K -> 0
    if (p > 0) {
        const TElliptic circles = fnEllipticKE(product4 / (sum * sum), p);
        flatTerm = 4 * sum / 3 * (2 * p * circles.firstLessSecond * sum * sum / product4 - circles.second());
    }
    return Mu0UhPerMm * a * b / length2 * (asinhTerm - longTerm + flatTerm);
}

// Across the diagonal r1 = r2 and along it. Against 48 x 48 nodes the sum is within
// 2e-6 for sections from 1000 : 1 long to 1 : 100000 flat.
constexpr int AcrossNodes = 12;
constexpr int AlongNodes = 8;

// Air-core inductance per turn squared of the section l x c between radii a1, a2:
// the mean of the sheets' mutual inductance over all pairs of radii. The square of
// pairs is folded onto the triangle r1 < r2; across it (w, the distance from the
// diagonal) the substitution w = s^3 smooths the kink and the logarithm that the
// sheets' meeting leaves there.
double fnMultiLayerPerTurn2(double length, double inner, double outer)
{
    static const TGaussRule<AcrossNodes> across;
    static const TGaussRule<AlongNodes> along;
    const double build = outer - inner;
    double total = 0;
    for (std::size_t i = 0; i < AcrossNodes; ++i) {
        const double s = across.node[i];
        const double w = s * s * s;
        double line = 0;
        for (std::size_t j = 0; j < AlongNodes; ++j) {
            const double r1 = inner + build * (1 - w) * along.node[j];
            line += along.weight[j] * fnSheetsMutual(r1, r1 + build * w, length);
        }
        total += across.weight[i] * 3 * s * s * (1 - w) * line;
    }
    return 2 * total;
}

// A winding a millionth of its diameter long is a flat ring to the sheets' closed
// form, which loses its digits to the ring's log there: refused.
bool fnMultiLayerGeometry(double length, double mean, double build)
{
    return fnLength(length) && fnLength(mean) && fnLength(build) && mean > build && length >= 1e-6 * (mean + build);
}

// ---- straight conductors ----

// Mutual inductance of two parallel filaments of length l, g apart, side by side:
// mu0 / (2 pi) (l asinh(l / g) - sqrt(l^2 + g^2) + g), the last two terms folded so
// that a short pair keeps its digits.
double fnFilamentsMutual(double length, double distance)
{
    const double root = std::sqrt(length * length + distance * distance);
    return Mu0UhPerMm / (2 * Pi) * (length * std::asinh(length / distance) - length * length / (root + distance));
}

// Geometric mean distance of a round section from itself: r e^(-1/4).
double fnRoundGmd(double diameter) { return diameter / 2 * std::exp(-0.25); }

// Geometric mean distance of an a x b rectangle from itself, exactly:
// ln g = ln sqrt(a^2 + b^2) - (a/b)^2/12 ln(1 + (b/a)^2) - (b/a)^2/12 ln(1 + (a/b)^2)
//        + 2/3 (a/b) atan(b/a) + 2/3 (b/a) atan(a/b) - 25/12.
// 0.44705 a for a square, 0.22313 a for a thin strip (e^(-3/2) a).
double fnRectangleGmd(double a, double b)
{
    const double ab = a / b;
    const double ba = b / a;
    const double log = std::log(std::hypot(a, b)) - ab * ab / 12 * std::log1p(ba * ba)
                       - ba * ba / 12 * std::log1p(ab * ab) + 2.0 / 3 * ab * std::atan(ba)
                       + 2.0 / 3 * ba * std::atan(ab) - 25.0 / 12;
    return std::exp(log);
}

} // namespace

double fnNagaokaCoefficient(double diameterOverLength)
{
    if (!fnInRange(diameterOverLength))
        return 0;
    return fnResult(fnNagaoka(diameterOverLength));
}

double fnSingleLayerExactUh(double turns, double lengthMm, double wireMm, double formerMm, double mu)
{
    if (!fnTurns(turns) || !fnLength(lengthMm) || !fnOptionalLength(wireMm) || !fnLength(formerMm)
        || !fnPermeability(mu) || !fnWireFits(turns, lengthMm, wireMm))
        return 0;
    return fnResult(mu * fnSingleLayerAir(turns, lengthMm, wireMm, formerMm));
}

double fnSingleLayerExactTurns(double inductanceUh, double lengthMm, double wireMm, double formerMm, double mu)
{
    if (!(std::isfinite(inductanceUh) && inductanceUh > 0 && inductanceUh <= MaxInput) || !fnLength(lengthMm)
        || !fnOptionalLength(wireMm) || !fnLength(formerMm) || !fnPermeability(mu))
        return 0;
    const double wanted = inductanceUh / mu;
    const double radius = (formerMm + wireMm) / 2;
    // The sheet's N^2 law: exact without a wire, the first guess with one.
    const double perTurn2 = fnSheetPerDensity2(radius, lengthMm) / (lengthMm * lengthMm);
    const double guess = std::sqrt(wanted / perTurn2);
    if (wireMm == 0)
        return guess >= 1 && guess <= MaxInput ? guess : 0;

    // Round wire: the turns lie between one and as many as fit the length. The root of
    // the inductance is nearly straight in N (the sheet's N^2 less the wires' ~N), so
    // secant steps on it settle in three or four; a step beyond a bound goes to the
    // bound, and a second one beyond the same bound means no count gives the inductance.
    const double high = std::min(lengthMm / wireMm, MaxInput);
    if (high < 1)
        return 0;
    const double wantedRoot = std::sqrt(wanted);
    const auto miss = [&](double turns) {
        return std::sqrt(std::max(0.0, fnSingleLayerAir(turns, lengthMm, wireMm, formerMm))) - wantedRoot;
    };
    double a = std::clamp(guess, 1.0, high);
    double missA = miss(a);
    double b = a < high ? std::min(a * 1.001, high) : a * 0.999;
    double missB = miss(b);
    for (int step = 0; step < 50; ++step) {
        if (missA == 0)
            return a;
        if (missA == missB)
            break;
        const double secant = a - missA * (a - b) / (missA - missB);
        const double next = std::clamp(secant, 1.0, high);
        if (next == a && std::abs(secant - next) > 1e-9 * a)
            return 0;
        if (std::abs(next - a) <= 1e-12 * a)
            return next;
        b = a;
        missB = missA;
        a = next;
        missA = miss(a);
    }
    return std::abs(missA) <= 1e-9 * wantedRoot ? a : 0;
}

double fnMultiLayerExactUh(double turns, double lengthMm, double meanDiameterMm, double buildMm, double mu)
{
    if (!fnTurns(turns) || !fnPermeability(mu) || !fnMultiLayerGeometry(lengthMm, meanDiameterMm, buildMm))
        return 0;
    const double perTurn2 = fnMultiLayerPerTurn2(lengthMm, (meanDiameterMm - buildMm) / 2,
                                                 (meanDiameterMm + buildMm) / 2);
    return fnResult(mu * turns * turns * perTurn2);
}

double fnMultiLayerExactTurns(double inductanceUh, double lengthMm, double meanDiameterMm, double buildMm, double mu)
{
    if (!(std::isfinite(inductanceUh) && inductanceUh > 0 && inductanceUh <= MaxInput) || !fnPermeability(mu)
        || !fnMultiLayerGeometry(lengthMm, meanDiameterMm, buildMm))
        return 0;
    const double perTurn2 = fnMultiLayerPerTurn2(lengthMm, (meanDiameterMm - buildMm) / 2,
                                                 (meanDiameterMm + buildMm) / 2);
    if (!(perTurn2 > 0))
        return 0;
    const double turns = std::sqrt(inductanceUh / (mu * perTurn2));
    return turns >= 1 && turns <= MaxInput ? turns : 0;
}

double fnRoundWireExactUh(double lengthMm, double diameterMm)
{
    if (!fnLength(lengthMm) || !fnLength(diameterMm))
        return 0;
    return fnResult(fnFilamentsMutual(lengthMm, fnRoundGmd(diameterMm)));
}

double fnWireOverPlaneExactUh(double lengthMm, double diameterMm, double heightMm)
{
    // The axis no lower than the radius: the wire lies on the plane at the least.
    if (!fnLength(lengthMm) || !fnLength(diameterMm) || !fnLength(heightMm) || 2 * heightMm < diameterMm)
        return 0;
    return fnResult(fnFilamentsMutual(lengthMm, fnRoundGmd(diameterMm)) - fnFilamentsMutual(lengthMm, 2 * heightMm));
}

double fnBarExactUh(double lengthMm, double sideAMm, double sideBMm)
{
    if (!fnLength(lengthMm) || !fnLength(sideAMm) || !fnLength(sideBMm))
        return 0;
    return fnResult(fnFilamentsMutual(lengthMm, fnRectangleGmd(sideAMm, sideBMm)));
}

double fnToroidExactH(double turns, double mu, double wireMm, double outerMm, double innerMm, double heightMm)
{
    if (!fnTurns(turns) || !fnPermeability(mu) || !fnOptionalLength(wireMm) || !fnLength(outerMm) || !fnLength(innerMm)
        || !fnLength(heightMm) || outerMm <= innerMm || innerMm - wireMm <= 0)
        return 0;
    // mu0 / (2 pi) = 2e-7 H/m = 2e-10 H/mm.
    const double height = heightMm + wireMm;
    return fnResult(2e-10 * mu * turns * turns * height * std::log((outerMm + wireMm) / (innerMm - wireMm)));
}

} // namespace induction
