// Core layer. Toroid cores by the name on the bag: iron powder (mix 2 and 6)
// and ferrite (mix 43 and 61), with the datasheet's inductance factor AL and
// the core's size. AL already holds the core's real shape and material, so a
// named core gives L = AL N^2 without the formula's geometry.
#pragma once

#include <span>

namespace induction {

struct TToroidCore {
    const char* name;    // as printed on the bag: "T-50-2", "FT-37-43"
    double alNhPerTurn2; // inductance factor, nH per turn squared
    double outerMm;
    double innerMm;
    double heightMm;
};

// The cores in the order the page lists them.
std::span<const TToroidCore> fnToroidCores();

// L = AL N^2, in µH; 0 for N that is not a positive number.
double toroidCoreInductanceUh(const TToroidCore& core, double turns);
// N = sqrt(L / AL) for an inductance in µH; 0 for L that is not positive.
double toroidCoreTurns(const TToroidCore& core, double inductanceUh);
// The whole number of turns to wind for N: the nearest whole turn, at least one.
int fnWholeTurns(double turns);

} // namespace induction
