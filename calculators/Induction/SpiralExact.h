// Core layer. Inductance of a flat spiral by field physics, beside the page's
// current-sheet value: the winding is taken as N concentric closed turns of a
// thin flat track (width w, gap s = w, N tracks and N - 1 gaps sharing the
// winding width (Do - Di) / 2), and L is the sum of every turn's
// self-inductance and every pair's mutual inductance. Millimetres in,
// microhenries out.
#pragma once

#include "calculators/Induction/InductionPhysics.h"

namespace induction {

// The outlines are the page's (TSpiralOutline). The polygons are measured
// across flats: a turn's "radius" is the apothem of its centre line (centre
// to the middle of a side).

inline constexpr double SpiralMaxTurns = 1000;

// Inductance in microhenries of the spiral of the given outline with
// `turns` turns, outer diameter `outerMm` and inner diameter `innerMm`.
//
// Method: Neumann's integral in closed form. Circles by Maxwell's formula for
// coaxial coplanar circles (complete elliptic integrals), polygons by the
// closed-form double integral over pairs of coplanar straight sides. Two
// concentric similar turns have M(a, b) = b g(a / b), so g is tabulated once
// per outline (its logarithmic part taken out analytically) and each pair
// costs a table look-up. Every term is the mean over the filaments across
// both tracks: the logarithm through geometric mean distances (e^(-3/2) w for
// a strip with itself, the exact value for two coplanar strips), the rest at
// the centre lines where a track is narrow against its radius, else by
// Gauss-Legendre (a second table per outline, over w / a, for a turn with itself).
//
// A fractional N (the field takes "10,5") stands for a last turn left
// unfinished: the result lies between the whole-turn spirals of floor(N) and
// floor(N) + 1 turns on the same Do and Di, interpolated in sqrt(L), which
// goes nearly straight in N because L grows as N^2. At a whole N the track
// width is W / (2N - 1), as the page's w and s fields show.
//
// 0 for anything unusable: N < 1 or N > SpiralMaxTurns, Do <= Di, Di < 0, any
// NaN or infinity, or a result that does not fit a double. Di = 0 is usable:
// the innermost turn's centre line still lies w / 2 out.
//
// Cost: O(N^2) table look-ups, about 10 us per outline at 100 turns, about
// 1 ms at the 1000 allowed; twice that for a fractional N. The first call
// builds the tables of all four outlines (under 1 ms, once, thread-safe).
double fnSpiralExactUh(TSpiralOutline outline, double turns, double outerMm, double innerMm);

} // namespace induction
