// Core layer. The physics of the coil page: the inductance of single-layer
// and multi-layer solenoids, flat spirals, straight conductors and toroids,
// the turns for an inductance, and the relations between the ways of giving a
// winding's size. Pure functions; lengths in millimetres, inductances in
// microhenries (the toroid in henries), the relative permeability mu >= 1.
//
// The arithmetic runs in extended precision (long double). A result that the
// page compares, scales or feeds into another formula stays long double, so
// every number shown is rounded once, when it is written.
#pragma once

namespace induction {

// ---- single-layer solenoid (Wheeler, in millimetres)

// The turn diameter D is taken at the wire's centre: D = D0 + d, the former's
// diameter alone while the wire's is not given (or the former's is not).
long double singleLayerTurnDiameterMm(double formerMm, double wireMm);
// L = 0.01 mu D^2 N^2 / (4.5 D + 10 l) [uH]; a coil shorter than its radius
// (D / 2 > l) takes the denominator 4 D + 11 l.
long double singleLayerInductanceUh(double turns, double mu, double formerMm, double wireMm, double lengthMm);
// N = sqrt(L (4.5 D + 10 l) / (0.01 mu D^2)): the same formula solved for N.
long double singleLayerTurns(long double inductanceUh, double mu, double formerMm, double wireMm, double lengthMm);
// N turns of wire d side by side need N d of winding length: true when that is more than l.
bool singleLayerTooLong(long double turns, double wireMm, double lengthMm);

// ---- multi-layer coil (Wheeler, in millimetres)

// L = 0.008 mu D^2 N^2 / (3 D + 9 l + 10 c) [uH]: D the mean diameter of the
// winding, l its length, c its radial build.
long double multiLayerInductanceUh(double turns, double mu, double meanMm, double lengthMm, double buildMm);
// N = sqrt(L (3 D + 9 l + 10 c) / (0.008 mu D^2)).
long double multiLayerTurns(long double inductanceUh, double mu, double meanMm, double lengthMm, double buildMm);
// N turns of wire d fill more than the winding section l x c can take at a
// fill factor of 0.8: 0.785 N d^2 > 0.8 l c (0.785 = pi / 4, a round wire in
// its square). False while the wire is not given.
bool multiLayerOverfull(long double turns, double wireMm, double lengthMm, double buildMm);

// A winding between the diameters Do and Di: its mean diameter
// D = (Do + Di) / 2 and radial build (a flat spiral's width W) c = (Do - Di) / 2;
// back, Do = D + c and Di = D - c.
long double windingMeanDiameterMm(double outerMm, double innerMm);
long double windingBuildMm(double outerMm, double innerMm);
long double windingOuterDiameterMm(double meanMm, double buildMm);
long double windingInnerDiameterMm(double meanMm, double buildMm);

// ---- flat spiral (current-sheet approximation)

// The outlines of a planar spiral, each with its coefficients c1..c4.
enum class TSpiralOutline { Square, Hexagonal, Octagonal, Circular };
inline constexpr int SpiralOutlineCount = 4;

// L = mu0 N^2 davg c1 / 2 (ln(c2 / rho) + c3 rho + c4 rho^2) [uH], with
// davg = (Do + Di) / 2 and the fill ratio rho = (Do - Di) / (Do + Di).
long double flatSpiralInductanceUh(TSpiralOutline outline, double turns, double outerMm, double innerMm);
// N tracks and N - 1 gaps of equal width share the winding width W:
// w = s = W / (2 N - 1). Below half a turn there is no such share.
bool flatSharesWidth(double turns);
long double flatEqualShareMm(long double widthMm, double turns);
// The gap for a track: s = (W - N w) / (N - 1); a track wider than W / N
// gives a negative gap.
long double flatGapMm(double widthMm, double turns, double trackMm);
// The track for a gap: w = (W - (N - 1) s) / N.
long double flatTrackMm(double widthMm, double turns, double gapMm);

// ---- straight conductors

// A round wire of length l and diameter d, its internal inductance included:
// L = 0.0002 l (ln(4 l / d) - 0.75) [uH].
long double roundWireInductanceUh(double lengthMm, double wireMm);
// A round wire at height h over a conducting plane:
// L = 0.0004606 l lg((4 h / d) (l + sqrt(l^2 + d^2 / 4)) / (l + sqrt(l^2 + 4 h^2)))
//   + 0.0002 (sqrt(l^2 + 4 h^2) - sqrt(l^2 + d^2 / 4) + l / 4 - 2 h + d / 2) [uH].
long double wireOverPlaneInductanceUh(double lengthMm, double wireMm, double heightMm);
// A straight bar of rectangular section with the sides a and b:
// L = 0.0002 l (ln(2 l / (a + b)) + 0.5 + 0.2235 (a + b) / l) [uH].
long double rectangularBarInductanceUh(double lengthMm, double sideAMm, double sideBMm);

// ---- toroid

// A core of rectangular section: L = mu0 mu N^2 A / (pi Dm) [H], A the
// section ((Do - Di) / 2 x h, the wire's diameter added once to each side
// when it is given) and Dm = (Do + Di) / 2 the mean diameter.
long double toroidInductanceH(double turns, double mu, double wireMm, double outerMm, double innerMm, double heightMm);

} // namespace induction
