#include "calculators/Filters/FilterEngine.h"

#include "common/Numbers.h"
#include "text/Quantities.h"

#include <cmath>

namespace {

using Real = long double;

constexpr Real TwoPi = 6.283185307179586477L;
constexpr Real FourPiSquared = 39.478417604357434478L;

const TFilterUnits Units[FilterInputCount] = {
    {{1001, 1002, 1003, 1004}, {1, 1e3, 1e6, 1e9}, 4, 1},    // F: Hz, kHz, MHz, GHz
    {{1005, 1006, 1007, 1008}, {1e-12, 1e-9, 1e-6, 1}, 4, 2}, // C: pF, nF, uF, F
    {{1009, 1010, 1011, 0}, {1e-6, 1e-3, 1, 0}, 3, 0},       // L: uH, mH, H
    {{1012, 1013, 1014, 0}, {1, 1e3, 1e6, 0}, 3, 0},         // R: Ohm, kOhm, MOhm
};

// Each derived value is kept as a double before the next formula uses it; a
// value beyond the double range is no value at all.
double fnStore(Real value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

double fnLFromFC(double f, double c) { return fnStore(1 / (FourPiSquared * f * f * c)); }
double fnRFromFC(double f, double c) { return fnStore(1 / (TwoPi * f * c)); }
double fnCFromFL(double f, double l) { return fnStore(1 / (FourPiSquared * f * f * l)); }
double fnCFromFR(double f, double r) { return fnStore(1 / (TwoPi * f * r)); }
double fnFFromLC(double l, double c) { return fnStore(1 / (TwoPi * std::sqrt(static_cast<Real>(l) * c))); }
double fnFFromRC(double r, double c) { return fnStore(1 / (TwoPi * r * c)); }

// Every formula divides by its operands: a rule fires only when they are > 0.
bool fnGiven(double value) { return value > 0; }

// Frequency and capacitance give the rest; inductance or resistance with the
// frequency give the capacitance first. Each returns whether it fired.
bool fnFromFC(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.C)))
        return false;
    v.L = fnLFromFC(v.F, v.C);
    v.R = fnRFromFC(v.F, v.C);
    return true;
}

bool fnFromFL(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.L)))
        return false;
    v.C = fnCFromFL(v.F, v.L);
    v.R = fnGiven(v.C) ? fnRFromFC(v.F, v.C) : 0.0;
    return true;
}

bool fnFromFR(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.R)))
        return false;
    v.C = fnCFromFR(v.F, v.R);
    v.L = fnGiven(v.C) ? fnLFromFC(v.F, v.C) : 0.0;
    return true;
}

bool fnFromLC(TFilterValues& v)
{
    if (!(fnGiven(v.C) && fnGiven(v.L)))
        return false;
    v.F = fnFFromLC(v.L, v.C);
    v.R = fnGiven(v.F) ? fnRFromFC(v.F, v.C) : 0.0;
    return true;
}

bool fnFromRC(TFilterValues& v)
{
    if (!(fnGiven(v.C) && fnGiven(v.R)))
        return false;
    v.F = fnFFromRC(v.R, v.C);
    v.L = fnGiven(v.F) ? fnLFromFC(v.F, v.C) : 0.0;
    return true;
}

} // namespace

const TFilterUnits& fnFilterUnits(TFilterInput input) { return Units[static_cast<int>(input)]; }

int fnFilterCode(TFilterInput input)
{
    switch (input) {
    case TFilterInput::F: return FilterCode::F;
    case TFilterInput::C: return FilterCode::C;
    case TFilterInput::L:
    case TFilterInput::R: return FilterCode::LR;
    }
    return FilterCode::None;
}

TFilterTyping prTrackGiven(TGivenOrder& order, TFilterInput typed, double typedRaw)
{
    using I = TFilterInput;
    const auto at = [](I input) { return static_cast<std::size_t>(input); };
    TFilterTyping typing;
    const int front = order[0];
    // A newly given quantity makes stale the result it would now contradict.
    switch (typed) {
    case I::F:
        if (front == FilterCode::C)
            typing.clear[at(I::L)] = typing.clear[at(I::R)] = true;
        else if (front == FilterCode::LR)
            typing.clear[at(I::C)] = true;
        break;
    case I::C:
        if (front == FilterCode::F)
            typing.clear[at(I::L)] = typing.clear[at(I::R)] = true;
        else if (front == FilterCode::LR)
            typing.clear[at(I::F)] = true;
        break;
    case I::L:
    case I::R:
        typing.clear[at(typed == I::L ? I::R : I::L)] = true;  // L and R are one quantity
        if (front == FilterCode::F)
            typing.clear[at(I::C)] = true;
        else if (front == FilterCode::C)
            typing.clear[at(I::F)] = true;
        break;
    }
    prPromoteRecent(order.data(), GivenOrderSize - 1, fnFilterCode(typed));
    // A quantity typed as nothing (or not positive) is no longer given.
    if (!(typedRaw > 0))
        prPromoteRecent(order.data(), GivenOrderSize - 1, 0);
    return typing;
}

TFilterValues fnReadFilterInputs(const TFilterFields& fields)
{
    double values[FilterInputCount] = {};
    for (int k = 0; k < FilterInputCount; ++k) {
        const TFilterUnits& units = Units[k];
        const int unit = fields.unit[static_cast<std::size_t>(k)];
        const double multiplier = unit >= 0 && unit < units.count ? units.multipliers[static_cast<std::size_t>(unit)] : 0;
        values[k] = fnStore(static_cast<Real>(fnTextToFloat(fields.text[static_cast<std::size_t>(k)])) * multiplier);
    }
    return {values[0], values[1], values[2], values[3]};
}

TFilterValues prSolveFilter(const TGivenOrder& order, TFilterValues v)
{
    switch (order[0]) {
    case FilterCode::F:
        (void)(fnFromFC(v) || fnFromFL(v) || fnFromFR(v));
        break;
    case FilterCode::C:
        (void)(fnFromFC(v) || fnFromLC(v) || fnFromRC(v));
        break;
    case FilterCode::LR:
        (void)(fnFromFL(v) || fnFromFR(v) || fnFromLC(v) || fnFromRC(v));
        break;
    default: break;
    }
    return v;
}

namespace {

constexpr double Sqrt2 = 1.41421356237309504880;

using P = TFilterPart;
using S = TSectionShape;

// Normalised to R and the cut-off, the second-order Butterworth ladder has
// g = sqrt2, sqrt2 and the third-order one g = 1, 2, 1: a series element is
// g * L, a shunt one g * C (L = R / 2piF, C = 1 / (2piF R) as solved). The
// high-pass sections are the low-pass ones transformed: every inductor becomes
// a capacitor and the other way round, each of value (base) / g. The RC
// sections see an ideal source and an open load, so only their first series
// resistor and the shunt capacitor after it (or the other way round) set the
// corner; the twin elements keep each section symmetric.
const std::array<TSectionLayout, SectionCount> LowPassSections = {{
    {S::LcTwo, {{{P::Inductor, 1, false, Sqrt2}, {P::Capacitor, 1, true, Sqrt2}}}, 2},
    {S::LcT, {{{P::Inductor, 2, false, 1}, {P::Capacitor, 2, true, 2}, {P::Inductor, 3, false, 1}}}, 3},
    {S::LcPi, {{{P::Capacitor, 3, true, 1}, {P::Inductor, 4, false, 2}, {P::Capacitor, 4, true, 1}}}, 3},
    {S::RcTwo, {{{P::Resistor, 1, false, 1}, {P::Capacitor, 5, true, 1}}}, 2},
    {S::RcT, {{{P::Resistor, 2, false, 1}, {P::Capacitor, 6, true, 1}, {P::Resistor, 3, false, 1}}}, 3},
    {S::RcPi, {{{P::Capacitor, 7, true, 1}, {P::Resistor, 4, false, 1}, {P::Capacitor, 8, true, 1}}}, 3},
}};
const std::array<TSectionLayout, SectionCount> HighPassSections = {{
    {S::LcTwo, {{{P::Capacitor, 1, false, 1 / Sqrt2}, {P::Inductor, 1, true, 1 / Sqrt2}}}, 2},
    {S::LcT, {{{P::Capacitor, 2, false, 1}, {P::Inductor, 2, true, 0.5}, {P::Capacitor, 3, false, 1}}}, 3},
    {S::LcPi, {{{P::Inductor, 3, true, 1}, {P::Capacitor, 4, false, 0.5}, {P::Inductor, 4, true, 1}}}, 3},
    {S::RcTwo, {{{P::Capacitor, 5, false, 1}, {P::Resistor, 1, true, 1}}}, 2},
    {S::RcT, {{{P::Capacitor, 6, false, 1}, {P::Resistor, 2, true, 1}, {P::Capacitor, 7, false, 1}}}, 3},
    {S::RcPi, {{{P::Resistor, 3, true, 1}, {P::Capacitor, 8, false, 1}, {P::Resistor, 4, true, 1}}}, 3},
}};

std::size_t fnSlot(int label) { return static_cast<std::size_t>(label - 1); }

} // namespace

const std::array<TSectionLayout, SectionCount>& fnSectionLayouts(TFilterKind kind)
{
    return kind == TFilterKind::LowPass ? LowPassSections : HighPassSections;
}

double TFilterElements::fnValue(TFilterPart part, int label) const
{
    switch (part) {
    case P::Capacitor: return capacitors.at(fnSlot(label));
    case P::Inductor: return inductors.at(fnSlot(label));
    case P::Resistor: return resistors.at(fnSlot(label));
    }
    return 0;
}

const std::string& TFilterSection::fnText(TFilterPart part, int label) const
{
    switch (part) {
    case P::Capacitor: return capacitors.at(fnSlot(label));
    case P::Inductor: return inductors.at(fnSlot(label));
    case P::Resistor: return resistors.at(fnSlot(label));
    }
    return F;
}

TFilterElements fnSectionElements(const TFilterValues& v, TFilterKind kind)
{
    TFilterElements elements;
    for (const TSectionLayout& section : fnSectionLayouts(kind)) {
        for (int k = 0; k < section.count; ++k) {
            const TSectionElement& e = section.elements[static_cast<std::size_t>(k)];
            switch (e.part) {
            case P::Capacitor: elements.capacitors[fnSlot(e.label)] = fnStore(e.factor * v.C); break;
            case P::Inductor: elements.inductors[fnSlot(e.label)] = fnStore(e.factor * v.L); break;
            case P::Resistor: elements.resistors[fnSlot(e.label)] = fnStore(e.factor * v.R); break;
            }
        }
    }
    return elements;
}

TFilterSection prShowFilterValues(const TFilterValues& v, TFilterKind kind)
{
    const TFilterElements elements = fnSectionElements(v, kind);
    TFilterSection s;
    s.F = fnFormatFrequency(5, v.F);
    for (std::size_t k = 0; k < s.capacitors.size(); ++k)
        s.capacitors[k] = fnFormatCapacitance(3, elements.capacitors[k]);
    for (std::size_t k = 0; k < s.inductors.size(); ++k)
        s.inductors[k] = fnFormatInductance(3, elements.inductors[k]);
    for (std::size_t k = 0; k < s.resistors.size(); ++k)
        s.resistors[k] = fnFormatResistance(3, elements.resistors[k]);
    return s;
}

TFilterSection prCalcFilter(const TGivenOrder& order, const TFilterFields& fields, TFilterKind kind)
{
    return prShowFilterValues(prSolveFilter(order, fnReadFilterInputs(fields)), kind);
}
