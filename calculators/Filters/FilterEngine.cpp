#include "calculators/Filters/FilterEngine.h"

#include "calculators/Filters/FilterPhysics.h"
#include "common/core/LcLadder.h"
#include "common/core/Numbers.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <cmath>

namespace filters {

namespace {

const TFilterUnits Units[FilterInputCount] = {
    {{TextId::UnitHz, TextId::UnitKHz, TextId::UnitMHz, TextId::UnitGHz}, {1, 1e3, 1e6, 1e9}, 4, 1},
    {{TextId::UnitPF, TextId::UnitNF, TextId::UnitUF, TextId::UnitF}, {1e-12, 1e-9, 1e-6, 1}, 4, 2},
    {{TextId::UnitUH, TextId::UnitMH, TextId::UnitH, 0}, {1e-6, 1e-3, 1, 0}, 3, 0},
    {{TextId::UnitOhm, TextId::UnitKOhm, TextId::UnitMOhm, 0}, {1, 1e3, 1e6, 0}, 3, 0},
};

// A value beyond the double range is no value at all.
double fnStore(double value) { return std::isfinite(value) ? value : 0.0; }

// Every formula divides by its operands: a rule fires only when they are > 0.
bool fnGiven(double value) { return value > 0; }

// Frequency and capacitance give the rest; inductance or resistance with the
// frequency give the capacitance first. Each returns whether it fired.
bool fnFromFC(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.C)))
        return false;
    v.L = filterInductanceH(v.F, v.C);
    v.R = filterResistanceOhm(v.F, v.C);
    return true;
}

bool fnFromFL(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.L)))
        return false;
    v.C = filterCapacitanceFromInductanceF(v.F, v.L);
    v.R = fnGiven(v.C) ? filterResistanceOhm(v.F, v.C) : 0.0;
    return true;
}

bool fnFromFR(TFilterValues& v)
{
    if (!(fnGiven(v.F) && fnGiven(v.R)))
        return false;
    v.C = filterCapacitanceFromResistanceF(v.F, v.R);
    v.L = fnGiven(v.C) ? filterInductanceH(v.F, v.C) : 0.0;
    return true;
}

bool fnFromLC(TFilterValues& v)
{
    if (!(fnGiven(v.C) && fnGiven(v.L)))
        return false;
    v.F = filterCutoffFromLcHz(v.L, v.C);
    v.R = fnGiven(v.F) ? filterResistanceOhm(v.F, v.C) : 0.0;
    return true;
}

bool fnFromRC(TFilterValues& v)
{
    if (!(fnGiven(v.C) && fnGiven(v.R)))
        return false;
    v.F = filterCutoffFromRcHz(v.R, v.C);
    v.L = fnGiven(v.F) ? filterInductanceH(v.F, v.C) : 0.0;
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
        typing.clear[at(typed == I::L ? I::R : I::L)] = true; // L and R are one quantity
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
        const double multiplier = unit >= 0 && unit < units.count ? units.multipliers[static_cast<std::size_t>(unit)]
                                                                  : 0;
        // The product is taken in extended precision and stored once as a double.
        const long double read = fnTextToFloat(fields.text[static_cast<std::size_t>(k)]);
        values[k] = fnStore(static_cast<double>(read * multiplier));
    }
    return {values[0], values[1], values[2], values[3]};
}

TFilterValues prSolveFilter(const TGivenOrder& order, TFilterValues v)
{
    switch (order[0]) {
    case FilterCode::F: (void)(fnFromFC(v) || fnFromFL(v) || fnFromFR(v)); break;
    case FilterCode::C: (void)(fnFromFC(v) || fnFromLC(v) || fnFromRC(v)); break;
    case FilterCode::LR: (void)(fnFromFL(v) || fnFromFR(v) || fnFromLC(v) || fnFromRC(v)); break;
    default: break;
    }
    return v;
}

namespace {

using P = TFilterPart;

std::size_t fnSlot(int label) { return static_cast<std::size_t>(label - 1); }

} // namespace

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

namespace {

TFilterSection fnFormatSection(double cutoffHz, const TFilterElements& elements)
{
    TFilterSection s;
    s.F = fnFormatFrequency(5, cutoffHz);
    for (std::size_t k = 0; k < s.capacitors.size(); ++k)
        s.capacitors[k] = fnFormatCapacitance(3, elements.capacitors[k]);
    for (std::size_t k = 0; k < s.inductors.size(); ++k)
        s.inductors[k] = fnFormatInductance(3, elements.inductors[k]);
    for (std::size_t k = 0; k < s.resistors.size(); ++k)
        s.resistors[k] = fnFormatResistance(3, elements.resistors[k]);
    return s;
}

template <std::size_t N>
void prRound(std::array<double, N>& values, TESeries series)
{
    for (double& value : values)
        value = fnNearestStandard(value, series);
}

template <std::size_t N>
void prDeviation(std::array<double, N>& out, const std::array<double, N>& standard, const std::array<double, N>& exact)
{
    for (std::size_t k = 0; k < N; ++k)
        out[k] = exact[k] > 0 && standard[k] > 0 ? (standard[k] / exact[k] - 1) * 100 : 0;
}

} // namespace

TFilterElements fnStandardElements(const TFilterElements& exact, TESeries series)
{
    TFilterElements standard = exact;
    prRound(standard.capacitors, series);
    prRound(standard.inductors, series);
    prRound(standard.resistors, series);
    return standard;
}

TFilterStandardView prCalcFilterStandard(const TGivenOrder& order, const TFilterFields& fields, TFilterKind kind,
                                         TESeries series)
{
    const TFilterValues values = prSolveFilter(order, fnReadFilterInputs(fields));
    const TFilterElements exact = fnSectionElements(values, kind);
    const TFilterElements standard = fnStandardElements(exact, series);
    TFilterStandardView view;
    view.shown = fnFormatSection(values.F, standard);
    view.exact = fnFormatSection(values.F, exact);
    prDeviation(view.deviationPercent.capacitors, standard.capacitors, exact.capacitors);
    prDeviation(view.deviationPercent.inductors, standard.inductors, exact.inductors);
    prDeviation(view.deviationPercent.resistors, standard.resistors, exact.resistors);
    // The LC sections as the drawer's parts build them, between the solved R.
    std::size_t lc = 0;
    for (const TSectionLayout& section : fnSectionLayouts(kind)) {
        if (section.shape != TSectionShape::LcTwo && section.shape != TSectionShape::LcT
            && section.shape != TSectionShape::LcPi)
            continue;
        std::array<TLcElement, 3> ladder{};
        bool complete = values.R > 0 && values.F > 0;
        for (int k = 0; k < section.count; ++k) {
            const TSectionElement& e = section.elements[static_cast<std::size_t>(k)];
            const double value = standard.fnValue(e.part, e.label);
            complete = complete && value > 0;
            ladder[static_cast<std::size_t>(k)] = {e.shunt, e.part == TFilterPart::Inductor, value};
        }
        view.lcCutoffHz[lc++] = complete ? fnLcLadderEdgeHz(
                                    std::span(ladder.data(), static_cast<std::size_t>(section.count)), values.R,
                                    HalfPowerDb, kind == TFilterKind::LowPass, values.F)
                                         : 0;
    }
    return view;
}

TFilterSection prShowFilterValues(const TFilterValues& v, TFilterKind kind)
{
    return fnFormatSection(v.F, fnSectionElements(v, kind));
}

TFilterSection prCalcFilter(const TGivenOrder& order, const TFilterFields& fields, TFilterKind kind)
{
    return prShowFilterValues(prSolveFilter(order, fnReadFilterInputs(fields)), kind);
}

} // namespace filters
