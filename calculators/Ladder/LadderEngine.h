// Core layer. LC ladder filters between equal terminations: Butterworth and odd-order
// Chebyshev prototypes, scaled to a cut-off and an impedance as low-pass or
// high-pass element values, and the insertion loss of any L/C ladder.
#pragma once

#include "common/core/LcLadder.h"
#include "common/core/StandardValues.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class TLadderResponse { Butterworth, Chebyshev };
enum class TLadderKind { LowPass, HighPass };
struct TLadderSpec {
    TLadderResponse response = TLadderResponse::Butterworth;
    TLadderKind kind = TLadderKind::LowPass;
    int order = 5;
    double rippleDb = 0.1; // Chebyshev only
    double cutoffHz = 0;
    double impedanceOhm = 50;
    bool shuntFirst = true; // the first element across the input
};
// An element: shunt (across the line) or series, inductor or capacitor, its
// value in henries or farads - the core's L/C ladder element.
using TLadderElement = TLcElement;
// Empty when the inputs cannot be built (order, ripple, F or R out of range).
std::vector<TLadderElement> fnDesignLadder(const TLadderSpec& inputs);
// Insertion loss in dB (>= 0) of the ladder between two terminations of impedanceOhm.
double fnLadderLossDb(const std::vector<TLadderElement>& ladder, double impedanceOhm, double frequencyHz);

// The ranges a design is built for, both ends included.
inline constexpr int LadderMaxOrder = 9;
inline constexpr double LadderMinRippleDb = 0.01;
inline constexpr double LadderMaxRippleDb = 3;
inline constexpr double LadderMinCutoffHz = 1;
inline constexpr double LadderMaxCutoffHz = 10e9;
inline constexpr double LadderMinImpedanceOhm = 0.1;
inline constexpr double LadderMaxImpedanceOhm = 1e6;

// The loss reported for a ladder that passes nothing a double can tell from
// zero (an open series or shorted shunt element, or far into the stop band).
inline constexpr double LadderLossCapDb = LcLadderLossCapDb;

// The first input that stops a design, in the order orders, ripple, cut-off,
// impedance are checked. Butterworth takes orders 1-9 and ignores the ripple;
// Chebyshev takes only the odd orders 3, 5, 7, 9 (an even order cannot work
// into a load equal to its source).
enum class TLadderProblem { None, Order, Ripple, Frequency, Impedance };
TLadderProblem fnCheckLadderSpec(const TLadderSpec& inputs);

// The normalised low-pass prototype g1..gn (g0 = g(n+1) = 1); empty for an
// order or ripple that cannot be built.
std::vector<double> fnLadderPrototype(TLadderResponse response, int order, double rippleDb);

// The response curves: this many points, log-spaced from F/10 to 10 F.
inline constexpr int LadderCurvePoints = 400;
double fnLadderCurveHz(double cutoffHz, int point);

// An element's value as the page writes it: three digits in H, mH, µH or F,
// µF, nF, pF; below 1 µH or 1 pF three significant digits ("0,0885 мкГн"), so
// that a VHF design keeps its digits.
std::string fnLadderValueText(const TLadderElement& element);

// An element as the page shows it: the part the drawer builds (the nearest of
// the chosen series, else the exact value) and how far it lies from the
// exact one.
struct TLadderShownElement {
    TLadderElement built;
    std::string text;      // the built value
    std::string exactText; // the exact value
    double deviationPercent = 0;
};

// The loss of the built ladder at a harmonic of the cut-off (2F and 3F for a
// low-pass, F/2 and F/3 for a high-pass).
struct TLadderHarmonic {
    double hz = 0;
    double lossDb = 0;
};

// Everything the page shows of a design: the first input that stops it, the
// exact ladder (empty when stopped), its elements as written, the curve of
// the exact ladder and, with a series, that of the built one, and the loss of
// the built ladder at the two harmonics.
struct TLadderView {
    TLadderProblem problem = TLadderProblem::None;
    std::vector<TLadderElement> exact;
    std::vector<TLadderShownElement> shown;
    std::vector<double> exactDb; // LadderCurvePoints values, or none
    std::vector<double> builtDb; // LadderCurvePoints values with a series, or none
    std::array<TLadderHarmonic, 2> harmonics{};
};
TLadderView fnCalcLadder(const TLadderSpec& spec, std::optional<TESeries> series);
