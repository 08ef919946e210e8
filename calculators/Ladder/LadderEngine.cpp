#include "calculators/Ladder/LadderEngine.h"

#include "common/core/LcLadder.h"
#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <cmath>

namespace ladder {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2 * Pi;
constexpr double Ln10 = 2.30258509299404568402;

// The ripple in dB times this is the argument of coth in the Chebyshev design:
// r / (40 / ln 10), the r / 17.37 of the textbook formula.
constexpr double RippleDbToNepers = Ln10 / 40;

bool fnOrderFits(TLadderResponse response, int order)
{
    switch (response) {
    case TLadderResponse::Butterworth: return order >= 1 && order <= LadderMaxOrder;
    case TLadderResponse::Chebyshev: return order >= 3 && order <= LadderMaxOrder && order % 2 == 1;
    }
    return false;
}

// Written as "inside" so that NaN falls outside.
bool fnRippleFits(double rippleDb) { return rippleDb >= LadderMinRippleDb && rippleDb <= LadderMaxRippleDb; }

// g_k = 2 sin((2k - 1) pi / 2n): the maximally flat response, 3.01 dB down
// at the cut-off.
std::vector<double> fnButterworthG(int order)
{
    std::vector<double> g(static_cast<std::size_t>(order));
    for (int k = 1; k <= order; ++k)
        g[static_cast<std::size_t>(k - 1)] = 2 * std::sin((2 * k - 1) * Pi / (2 * order));
    return g;
}

// Equal-ripple response, its ripple band ending at the cut-off. With
// beta = ln coth(r / 17.37), gamma = sinh(beta / 2n), a_k = sin((2k - 1) pi / 2n)
// and b_k = gamma^2 + sin^2(k pi / n):
//   g1 = 2 a1 / gamma,  g_k = 4 a_(k-1) a_k / (b_(k-1) g_(k-1)).
// For an odd order the load equals the source (g_(n+1) = 1).
std::vector<double> fnChebyshevG(int order, double rippleDb)
{
    const double beta = -std::log(std::tanh(rippleDb * RippleDbToNepers));
    const double gamma = std::sinh(beta / (2 * order));
    const auto a = [order](int k) { return std::sin((2 * k - 1) * Pi / (2 * order)); };
    const auto b = [order, gamma](int k) {
        const double s = std::sin(k * Pi / order);
        return gamma * gamma + s * s;
    };
    std::vector<double> g(static_cast<std::size_t>(order));
    g[0] = 2 * a(1) / gamma;
    for (int k = 2; k <= order; ++k)
        g[static_cast<std::size_t>(k - 1)] = 4 * a(k - 1) * a(k) / (b(k - 1) * g[static_cast<std::size_t>(k - 2)]);
    return g;
}

} // namespace ladder

TLadderProblem fnCheckLadderSpec(const TLadderSpec& inputs)
{
    using namespace ladder;
    if (!fnOrderFits(inputs.response, inputs.order))
        return TLadderProblem::Order;
    if (inputs.response == TLadderResponse::Chebyshev && !fnRippleFits(inputs.rippleDb))
        return TLadderProblem::Ripple;
    if (!(inputs.cutoffHz >= LadderMinCutoffHz && inputs.cutoffHz <= LadderMaxCutoffHz))
        return TLadderProblem::Frequency;
    if (!(inputs.impedanceOhm >= LadderMinImpedanceOhm && inputs.impedanceOhm <= LadderMaxImpedanceOhm))
        return TLadderProblem::Impedance;
    return TLadderProblem::None;
}

std::vector<double> fnLadderPrototype(TLadderResponse response, int order, double rippleDb)
{
    using namespace ladder;
    if (!fnOrderFits(response, order))
        return {};
    if (response == TLadderResponse::Butterworth)
        return fnButterworthG(order);
    if (!fnRippleFits(rippleDb))
        return {};
    return fnChebyshevG(order, rippleDb);
}

std::vector<TLadderElement> fnDesignLadder(const TLadderSpec& inputs)
{
    using namespace ladder;
    if (fnCheckLadderSpec(inputs) != TLadderProblem::None)
        return {};
    const std::vector<double> g = fnLadderPrototype(inputs.response, inputs.order, inputs.rippleDb);
    const double omega = TwoPi * inputs.cutoffHz; // the cut-off as an angular frequency, rad/s
    const double r = inputs.impedanceOhm;
    const bool highPass = inputs.kind == TLadderKind::HighPass;

    std::vector<TLadderElement> ladder;
    ladder.reserve(g.size());
    for (std::size_t k = 0; k < g.size(); ++k) {
        TLadderElement e{};
        e.shunt = (k % 2 == 0) == inputs.shuntFirst;
        // Low-pass: a series g is an inductor of g R / w, a shunt g a capacitor
        // of g / (w R). High-pass swaps each for its dual at w^2 / w: a series
        // capacitor of 1 / (w R g), a shunt inductor of R / (w g).
        e.inductor = e.shunt == highPass;
        if (!highPass)
            e.value = e.shunt ? g[k] / (omega * r) : g[k] * r / omega;
        else
            e.value = e.shunt ? r / (omega * g[k]) : 1 / (omega * r * g[k]);
        ladder.push_back(e);
    }
    return ladder;
}

double fnLadderLossDb(const std::vector<TLadderElement>& ladder, double impedanceOhm, double frequencyHz)
{
    return fnLcLadderLossDb(ladder, impedanceOhm, frequencyHz);
}

double fnLadderCurveHz(double cutoffHz, int point)
{
    return cutoffHz / 10 * std::pow(100.0, point / static_cast<double>(LadderCurvePoints - 1));
}

std::string fnLadderValueText(const TLadderElement& element)
{
    // The quantity formatters stop at µH and pF with two decimals; below one
    // of those the value keeps three significant digits instead.
    const double smallest = element.inductor ? 1e-6 : 1e-12;
    if (element.value > 0 && element.value < smallest)
        return fnSignificantText(element.value / smallest, 3) + " "
               + fnGetText(element.inductor ? TextId::UnitUH : TextId::UnitPF, 1);
    return element.inductor ? fnFormatInductance(3, element.value) : fnFormatCapacitance(3, element.value);
}

TLadderView fnCalcLadder(const TLadderSpec& spec, std::optional<TESeries> series)
{
    TLadderView view;
    view.problem = fnCheckLadderSpec(spec);
    view.exact = fnDesignLadder(spec);
    if (view.exact.empty())
        return view;

    std::vector<TLadderElement> built = view.exact;
    if (series)
        for (TLadderElement& e : built)
            e.value = fnNearestStandard(e.value, *series);
    view.shown.reserve(built.size());
    for (std::size_t k = 0; k < built.size(); ++k)
        view.shown.push_back({built[k], fnLadderValueText(built[k]), fnLadderValueText(view.exact[k]),
                              (built[k].value / view.exact[k].value - 1) * 100});

    const auto curve = [&spec](const std::vector<TLadderElement>& ladder) {
        std::vector<double> lossDb(LadderCurvePoints);
        for (int k = 0; k < LadderCurvePoints; ++k)
            lossDb[static_cast<std::size_t>(k)] =
                fnLcLadderLossDb(ladder, spec.impedanceOhm, fnLadderCurveHz(spec.cutoffHz, k));
        return lossDb;
    };
    view.exactDb = curve(view.exact);
    if (series)
        view.builtDb = curve(built);

    const bool lowPass = spec.kind == TLadderKind::LowPass;
    const double ratios[] = {lowPass ? 2.0 : 0.5, lowPass ? 3.0 : 1.0 / 3};
    for (std::size_t k = 0; k < view.harmonics.size(); ++k) {
        const double hz = spec.cutoffHz * ratios[k];
        view.harmonics[k] = {hz, fnLcLadderLossDb(built, spec.impedanceOhm, hz)};
    }
    return view;
}
