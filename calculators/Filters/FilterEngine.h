// Core layer. Passive filter sections for a cut-off frequency: from any two of
// F, C and L or R (the two typed last), the third and the element values of
// the two-element, T and pi sections, LC and RC, low-pass and high-pass.
// Inputs are field texts with their unit choices; results are display texts.
#pragma once

#include "calculators/Filters/FilterSections.h"
#include "common/core/StandardValues.h"

#include <array>
#include <string>

namespace filters {

// The four inputs, in the order of their fields.
enum class TFilterInput { F, C, L, R };
inline constexpr int FilterInputCount = 4;

// Quantity codes kept in the given order; L and R share one.
namespace FilterCode {
inline constexpr int None = 0;
inline constexpr int F = 1;
inline constexpr int C = 2;
inline constexpr int LR = 3;
} // namespace FilterCode

// Most recently given quantity codes first, 0 for an empty place.
inline constexpr int GivenOrderSize = 12;
using TGivenOrder = std::array<int, GivenOrderSize>;

// The unit lists: catalogue texts and multipliers to Hz, F, H, Ohm.
struct TFilterUnits {
    std::array<unsigned, 4> textIds;
    std::array<double, 4> multipliers;
    int count;
    int selectedAtStart;
};
const TFilterUnits& fnFilterUnits(TFilterInput input);
int fnFilterCode(TFilterInput input);

// What the page reads: each field's text and unit choice.
struct TFilterFields {
    std::array<std::string, FilterInputCount> text{};
    std::array<int, FilterInputCount> unit{1, 2, 0, 0};
};

// F in Hz, C in F, L in H, R in Ohm.
struct TFilterValues {
    double F = 0, C = 0, L = 0, R = 0;
};

// A field typed in: which fields are stale now (by the front before the change),
// and the given order after it. `typedRaw` is the field's number, unit aside.
struct TFilterTyping {
    std::array<bool, FilterInputCount> clear{};
};
TFilterTyping prTrackGiven(TGivenOrder& order, TFilterInput typed, double typedRaw);

// The fields in base units (0 for an empty or unreadable one).
TFilterValues fnReadFilterInputs(const TFilterFields& fields);
// The first rule of the front's list that holds derives the rest; with no rule, the values as read.
TFilterValues prSolveFilter(const TGivenOrder& order, TFilterValues read);

// Every element's value in base units (F, H, Ohm), by label; 0 where the
// solved quantity it scales is missing.
struct TFilterElements {
    std::array<double, CapacitorLabels> capacitors{};
    std::array<double, InductorLabels> inductors{};
    std::array<double, ResistorLabels> resistors{};
    double fnValue(TFilterPart part, int label) const;
};
TFilterElements fnSectionElements(const TFilterValues& values, TFilterKind kind);

// What the value labels show (Windows-1251): the cut-off F once for the page,
// then every element's value by label; "" where a value is not positive.
struct TFilterSection {
    std::string F;
    std::array<std::string, CapacitorLabels> capacitors;
    std::array<std::string, InductorLabels> inductors;
    std::array<std::string, ResistorLabels> resistors;
    const std::string& fnText(TFilterPart part, int label) const;
    friend bool operator==(const TFilterSection&, const TFilterSection&) = default;
};
TFilterSection prShowFilterValues(const TFilterValues& values, TFilterKind kind);

// The whole recalculation: read, solve, format for the kind shown.
TFilterSection prCalcFilter(const TGivenOrder& order, const TFilterFields& fields, TFilterKind kind);

// Every element at the nearest member of a standard series (by ratio); 0
// stays 0. The solved F, C, L and R themselves are not rounded.
TFilterElements fnStandardElements(const TFilterElements& exact, TESeries series);

// What the page shows with a standard series chosen: the elements at the
// series' members, the exact values and each one's deviation for the
// tooltips, and the -3 dB frequency each LC section built from the shown
// values really has between two resistances of the solved R (0 where it
// cannot be built).
struct TFilterStandardView {
    TFilterSection shown;
    TFilterSection exact;
    TFilterElements deviationPercent;   // (standard / exact - 1) * 100, by label
    std::array<double, 3> lcCutoffHz{}; // two-element, T, pi
};
TFilterStandardView prCalcFilterStandard(const TGivenOrder& order, const TFilterFields& fields, TFilterKind kind,
                                         TESeries series);

} // namespace filters
