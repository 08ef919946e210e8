// Core layer. The six sections of each filter kind as they are built and
// drawn: each element from the source side to the load side, what it is, the
// value label that shows it and its value as a multiple of the solved C, L or
// R. The LC sections are Butterworth ladders between a source and a load of
// the solved R (the two-element one of second order, T and pi of third), so
// each cuts off at F; the RC sections see an ideal source and an open load,
// so only their first series resistor with the shunt capacitor after it (or
// the other way round) set the corner, and the twins keep them symmetric.
#pragma once

#include "calculators/Filters/FilterPhysics.h"

#include <array>

namespace filters {

enum class TFilterKind { LowPass, HighPass };

enum class TSectionShape { LcTwo, LcT, LcPi, RcTwo, RcT, RcPi };
inline constexpr int SectionCount = 6;

// The value labels: capacitors (8), inductors (4), resistors (4), each group
// numbered from 1.
enum class TFilterPart { Capacitor, Inductor, Resistor };
inline constexpr int CapacitorLabels = 8;
inline constexpr int InductorLabels = 4;
inline constexpr int ResistorLabels = 4;

struct TSectionElement {
    TFilterPart part;
    int label;     // 1-based within its part's label group
    bool shunt;    // across the line (true) or in series (false)
    double factor; // times the solved C, L or R
};
struct TSectionLayout {
    TSectionShape shape;
    std::array<TSectionElement, 3> elements;
    int count;
};

namespace sections {
using P = TFilterPart;
using S = TSectionShape;
inline constexpr double G2 = SecondOrderButterworthG;
inline constexpr double G1 = ThirdOrderButterworthG[0]; // the outer elements of T and pi
inline constexpr double G3 = ThirdOrderButterworthG[1]; // the middle one

// Low-pass: a series element is g L, a shunt one g C.
inline constexpr std::array<TSectionLayout, SectionCount> LowPass = {{
    {S::LcTwo, {{{P::Inductor, 1, false, G2}, {P::Capacitor, 1, true, G2}}}, 2},
    {S::LcT, {{{P::Inductor, 2, false, G1}, {P::Capacitor, 2, true, G3}, {P::Inductor, 3, false, G1}}}, 3},
    {S::LcPi, {{{P::Capacitor, 3, true, G1}, {P::Inductor, 4, false, G3}, {P::Capacitor, 4, true, G1}}}, 3},
    {S::RcTwo, {{{P::Resistor, 1, false, 1}, {P::Capacitor, 5, true, 1}}}, 2},
    {S::RcT, {{{P::Resistor, 2, false, 1}, {P::Capacitor, 6, true, 1}, {P::Resistor, 3, false, 1}}}, 3},
    {S::RcPi, {{{P::Capacitor, 7, true, 1}, {P::Resistor, 4, false, 1}, {P::Capacitor, 8, true, 1}}}, 3},
}};
// High-pass: the low-pass ladder transformed, a series capacitor C / g and a
// shunt inductor L / g.
inline constexpr std::array<TSectionLayout, SectionCount> HighPass = {{
    {S::LcTwo, {{{P::Capacitor, 1, false, 1 / G2}, {P::Inductor, 1, true, 1 / G2}}}, 2},
    {S::LcT, {{{P::Capacitor, 2, false, 1 / G1}, {P::Inductor, 2, true, 1 / G3}, {P::Capacitor, 3, false, 1 / G1}}}, 3},
    {S::LcPi, {{{P::Inductor, 3, true, 1 / G1}, {P::Capacitor, 4, false, 1 / G3}, {P::Inductor, 4, true, 1 / G1}}}, 3},
    {S::RcTwo, {{{P::Capacitor, 5, false, 1}, {P::Resistor, 1, true, 1}}}, 2},
    {S::RcT, {{{P::Capacitor, 6, false, 1}, {P::Resistor, 2, true, 1}, {P::Capacitor, 7, false, 1}}}, 3},
    {S::RcPi, {{{P::Resistor, 3, true, 1}, {P::Capacitor, 8, false, 1}, {P::Resistor, 4, true, 1}}}, 3},
}};
} // namespace sections

constexpr const std::array<TSectionLayout, SectionCount>& fnSectionLayouts(TFilterKind kind)
{
    return kind == TFilterKind::LowPass ? sections::LowPass : sections::HighPass;
}

} // namespace filters
