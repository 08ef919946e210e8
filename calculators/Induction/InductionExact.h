// Core layer. Coil inductance by exact physics, shown on the coil page beside the handbook
// formulas of InductionEngine: the same geometry, read the same way, but computed
// from the field of the winding rather than fitted to it.
//
// Pure functions over doubles: millimetres, microhenries (the toroid in henries,
// like its formula on the page). Each returns 0 - never nan, inf or a huge number -
// when its inputs describe no usable coil: fewer than one turn, a length, diameter
// or permeability that is zero, negative, nan, inf or beyond 1e9 (or below 1e-9 mm),
// a permeability below 1, an outer diameter not above the inner one, a mean
// diameter not above the build, a single-layer wire thicker than its pitch.
#pragma once

namespace induction {

// Nagaoka's coefficient of a current sheet (solenoid of no wire thickness) of
// diameter D and length l, by complete elliptic integrals: L = K mu0 pi D^2 N^2 / (4 l).
// 1 for an infinitely long sheet, falling towards 0 for a flat ring.
double fnNagaokaCoefficient(double diameterOverLength);

// Single-layer solenoid: N turns (fractional allowed, N >= 1) over the winding
// length l, wire diameter d (0 = not given: a current sheet), former diameter D0;
// the turns run at diameter D0 + d. mu multiplies the air-core value.
// Method: Nagaoka's current sheet less Rosa's round-wire corrections: the sheet cut
// into one strip per turn, each strip set against its ring of wire and each pair of
// strips up to 16 pitches apart against Maxwell's coaxial circles, exactly; the
// farther pairs by the strips' second moment, summed as an integral. Within 1e-7 of
// the sum over all the rings' own and mutual inductances.
double fnSingleLayerExactUh(double turns, double lengthMm, double wireMm, double formerMm, double mu);

// The turns N >= 1 that give the inductance by fnSingleLayerExactUh, fractional;
// 0 when no N from 1 to the turns that fit the length (l / d) gives it.
// Method: the sheet's N^2 law as the first guess, then bracketed secant steps.
double fnSingleLayerExactTurns(double inductanceUh, double lengthMm, double wireMm, double formerMm, double mu);

// Multi-layer coil: N turns spread evenly over a rectangular section l long and
// c thick radially, between the diameters D - c and D + c (D the mean diameter).
// Method: the section as a continuum of coaxial current sheets; the mutual
// inductance of two sheets in closed form (complete elliptic integrals of the
// three kinds), summed over pairs of radii by Gauss-Legendre quadrature.
double fnMultiLayerExactUh(double turns, double lengthMm, double meanDiameterMm, double buildMm, double mu);

// The turns for an inductance: L is exactly proportional to N^2 here.
double fnMultiLayerExactTurns(double inductanceUh, double lengthMm, double meanDiameterMm, double buildMm, double mu);

// Straight round wire of length l and diameter d: the mutual inductance of two
// parallel filaments of length l at the geometric mean distance of the round
// section from itself, d/2 e^(-1/4).
double fnRoundWireExactUh(double lengthMm, double diameterMm);

// The same wire parallel to a conducting plane, its axis at height h >= d/2 over
// it: by its image, the wire's own inductance less the mutual one with the image
// at 2h.
double fnWireOverPlaneExactUh(double lengthMm, double diameterMm, double heightMm);

// Straight bar of length l with a rectangular section of sides a and b: the
// filaments' formula at the exact geometric mean distance of the rectangle.
double fnBarExactUh(double lengthMm, double sideAMm, double sideBMm);

// Toroid of rectangular section, in henries: N turns on a core of permeability
// mu, outer diameter Do, inner Di, height h, wire d (0 = not given) adding to
// each side of the section as in the page's formula. Closed form of the field
// mu0 mu N I / (2 pi r) over the section: mu0 mu N^2 (h + d) ln((Do + d) / (Di - d)) / (2 pi).
double fnToroidExactH(double turns, double mu, double wireMm, double outerMm, double innerMm, double heightMm);

} // namespace induction
