// Core layer. Lossless L/C ladders between two equal terminations: the
// insertion loss at any frequency by the exact ABCD chain, and the frequency
// where a low-pass or high-pass ladder's loss reaches a given level (its
// -3 dB point, or the edge of its ripple band).
#pragma once

#include <span>

struct TLcElement {
    bool shunt;    // across the line (true) or in series (false)
    bool inductor; // inductor (true) or capacitor (false)
    double value;  // henries or farads
};

// Insertion loss in dB (>= 0) between two terminations of impedanceOhm:
// 20 log10 of the load voltage without the ladder (half the source's) over
// the load voltage with it. 0 for an empty ladder or input that is no
// positive finite number; LcLadderLossCapDb where nothing passes.
double fnLcLadderLossDb(std::span<const TLcElement> ladder, double impedanceOhm, double frequencyHz);
inline constexpr double LcLadderLossCapDb = 400;

// The frequency where the loss of a low-pass (or high-pass) ladder rises to
// lossDb, searched from nearHz / 1000 to nearHz * 1000 on a logarithmic scale
// (to 1e-9 relative); 0 when the loss never crosses that level there.
double fnLcLadderEdgeHz(std::span<const TLcElement> ladder, double impedanceOhm, double lossDb, bool lowPass,
                        double nearHz);

// 10 log10(2): the half-power loss.
inline constexpr double HalfPowerDb = 3.0102999566398120;
