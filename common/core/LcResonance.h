// Core layer. LC resonance, which the filter sections and the formula
// catalogue both solve: pure functions in SI units, the products taken in
// extended precision and the result stored once as a double; a result beyond
// the double range is 0 (no value). The operands are > 0.
#pragma once

// The constants in extended precision.
inline constexpr long double TwoPi = 6.283185307179586477L;
inline constexpr long double FourPiSquared = 39.478417604357434478L;

// F = 1 / (2 pi sqrt(L C)): the frequency at which L and C resonate.
double lcResonanceHz(double inductanceH, double capacitanceF);
// C = 1 / (4 pi^2 F^2 L).
double lcResonanceCapacitanceF(double frequencyHz, double inductanceH);
// L = 1 / (4 pi^2 F^2 C).
double lcResonanceInductanceH(double frequencyHz, double capacitanceF);
