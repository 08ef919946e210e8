#include "calculators/Formulas/FormulasEngine.h"

#include "calculators/Formulas/FormulasPhysics.h"
#include "common/core/Numbers.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <cmath>
#include <span>

namespace formulas {

namespace {

std::size_t fnAt(int slot) { return static_cast<std::size_t>(slot - 1); }

// A value beyond the double range is no value at all.
double fnStore(double value) { return std::isfinite(value) ? value : 0.0; }

// The fields' values in SI units, slot k at index k - 1; 0 past the formula's slots.
using TSlotValues = std::array<double, FormulaSlots>;

// A slot's value: its number times its unit's multiplier.
double fnSlotValue(const TFormulaFields& fields, const TSlotSpec& spec, int slot)
{
    double multiplier = 1;
    if (spec.units != TUnitList::None) {
        const TUnitListInfo& list = fnUnitList(spec.units);
        const int unit = fields.unit[fnAt(slot)];
        multiplier = unit >= 0 && static_cast<std::size_t>(unit) < list.multipliers.size()
                         ? list.multipliers[static_cast<std::size_t>(unit)]
                         : 0;
    }
    // The product is taken in extended precision and stored once as a double.
    const long double read = fnTextToFloat(fields.text[fnAt(slot)]);
    return fnStore(static_cast<double>(read * multiplier));
}

TSlotValues fnSlotValues(const TFormulaFields& fields)
{
    const std::vector<TSlotSpec> slots = fnFormulaSlots(fields.formula);
    TSlotValues values{};
    for (int slot = 1; slot <= static_cast<int>(slots.size()); ++slot)
        values[fnAt(slot)] = fnSlotValue(fields, slots[fnAt(slot)], slot);
    return values;
}

// The values with every one that is not > 0 taken as 0.
TSlotValues fnGivenValues(const TFormulaFields& fields)
{
    TSlotValues values = fnSlotValues(fields);
    for (double& value : values)
        if (!(value > 0))
            value = 0;
    return values;
}

using TFormat = std::string (*)(int, double);

std::string fnPlainNumber(int digits, double value) { return value > 0 ? fnFloatToText(digits, value) : std::string(); }

// One quantity of a solve-for-the-unknown group: the slot it is typed into,
// the value it is read into, how it follows from the others, how it is shown.
template <typename TValues>
struct TUnknown {
    int slot;
    double TValues::*value;
    double (*solve)(const TValues&);
    TFormat format;
};
template <typename TValues, std::size_t Count>
using TGroup = std::array<TUnknown<TValues>, Count>;

// Reads a group's slots into their values.
template <typename TValues, std::size_t Count>
void prReadGroup(TValues& values, const TGroup<TValues, Count>& group, const TSlotValues& slots)
{
    for (const TUnknown<TValues>& q : group)
        values.*q.value = slots[fnAt(q.slot)];
}

// The least recently typed slot of a group: the largest rank, the first of equals.
template <typename TValues, std::size_t Count>
int fnOldestOf(const TFormulaOrder& order, const TGroup<TValues, Count>& group)
{
    int oldest = 0;
    int rank = -1;
    for (const TUnknown<TValues>& q : group) {
        if (fnGivenRank(order, q.slot) > rank) {
            rank = fnGivenRank(order, q.slot);
            oldest = q.slot;
        }
    }
    return oldest;
}

// A computed part (resistor, inductor, capacitor) is shown as the drawer's
// one when a series is chosen; the exact value goes to the tooltip.
bool fnIsPart(TFormat format)
{
    return format == fnFormatResistance || format == fnFormatInductance || format == fnFormatCapacitance;
}

void prShowValue(TFormulaResults& results, int label, TFormat format, double value,
                 const std::optional<TESeries>& series, const char* prefix)
{
    const auto at = fnAt(label);
    const std::string exact = format(5, value);
    if (exact.empty()) {
        results.label[at].clear();
        return;
    }
    if (series && fnIsPart(format)) {
        const double standard = fnNearestStandard(value, *series);
        const std::string shown = format(5, standard);
        if (standard > 0 && !shown.empty()) {
            results.label[at] = prefix + shown;
            results.exact[at] = exact;
            results.deviationPercent[at] = (standard / value - 1) * 100;
            return;
        }
    }
    results.label[at] = prefix + exact;
}

// Solves a group whose one quantity at exactly 0 is the unknown; with every
// quantity given, `oldest` (when one of the group) is made the unknown first
// and its field set to "0". The result goes to `label`, beside the unit list
// of the quantity solved.
template <typename TValues, std::size_t Count>
void prSolveGroup(TValues& values, const TGroup<TValues, Count>& group, int oldest, int label, TFormulaResults& results,
                  const std::optional<TESeries>& series)
{
    bool allGiven = true;
    for (const TUnknown<TValues>& q : group)
        allGiven = allGiven && (values.*q.value) > 0;
    if (allGiven) {
        for (const TUnknown<TValues>& q : group) {
            if (q.slot == oldest) {
                values.*q.value = 0;
                results.writeBack[fnAt(q.slot)] = std::string("0");
            }
        }
    }
    for (const TUnknown<TValues>& q : group) {
        if ((values.*q.value) != 0)
            continue;
        bool othersGiven = true;
        for (const TUnknown<TValues>& other : group)
            if (other.slot != q.slot)
                othersGiven = othersGiven && (values.*other.value) > 0;
        if (!othersGiven)
            continue;
        const double solved = fnStore(q.solve(values));
        values.*q.value = solved;
        prShowValue(results, label, q.format, solved, series, " = ");
        results.besideSlot[fnAt(label)] = q.slot;
        return;
    }
}

// 101: F, C and L in their slots' order.
struct TResonance {
    double frequencyHz = 0;
    double capacitanceF = 0;
    double inductanceH = 0;
};
constexpr TGroup<TResonance, 3> ResonanceGroup = {{
    {1, &TResonance::frequencyHz,
     [](const TResonance& v) { return resonanceFrequencyHz(v.inductanceH, v.capacitanceF); }, fnFormatFrequency},
    {2, &TResonance::capacitanceF,
     [](const TResonance& v) { return resonanceCapacitanceF(v.frequencyHz, v.inductanceH); }, fnFormatCapacitance},
    {3, &TResonance::inductanceH,
     [](const TResonance& v) { return resonanceInductanceH(v.frequencyHz, v.capacitanceF); }, fnFormatInductance},
}};

// 103: Q, F, L and R.
struct TQuality {
    double quality = 0;
    double frequencyHz = 0;
    double inductanceH = 0;
    double lossResistanceOhm = 0;
};
constexpr TGroup<TQuality, 4> QualityGroup = {{
    {1, &TQuality::quality,
     [](const TQuality& v) { return coilQualityFactor(v.frequencyHz, v.inductanceH, v.lossResistanceOhm); },
     fnPlainNumber},
    {2, &TQuality::frequencyHz,
     [](const TQuality& v) { return coilQualityFrequencyHz(v.quality, v.inductanceH, v.lossResistanceOhm); },
     fnFormatFrequency},
    {3, &TQuality::inductanceH,
     [](const TQuality& v) { return coilQualityInductanceH(v.quality, v.frequencyHz, v.lossResistanceOhm); },
     fnFormatInductance},
    {4, &TQuality::lossResistanceOhm,
     [](const TQuality& v) { return coilLossResistanceOhm(v.quality, v.frequencyHz, v.inductanceH); },
     fnFormatResistance},
}};

// 301: s, h, v, m and E. Two groups share the speed.
struct TThrow {
    double distanceM = 0;
    double heightM = 0;
    double speedMPerS = 0;
    double massKg = 0;
    double energyJ = 0;
};
constexpr TGroup<TThrow, 3> FlightGroup = {{
    {1, &TThrow::distanceM, [](const TThrow& v) { return throwDistanceM(v.heightM, v.speedMPerS); }, fnFormatLength},
    {2, &TThrow::heightM, [](const TThrow& v) { return throwHeightM(v.distanceM, v.speedMPerS); }, fnFormatLength},
    {3, &TThrow::speedMPerS, [](const TThrow& v) { return throwSpeedMPerS(v.distanceM, v.heightM); }, fnFormatSpeed},
}};
// The kinetic energy with the speed the flight left (typed or computed); the
// speed takes no part in the choice of the unknown.
constexpr TGroup<TThrow, 2> EnergyGroup = {{
    {4, &TThrow::massKg, [](const TThrow& v) { return massFromKineticEnergyKg(v.energyJ, v.speedMPerS); },
     fnFormatMass},
    {5, &TThrow::energyJ, [](const TThrow& v) { return kineticEnergyJ(v.massKg, v.speedMPerS); }, fnFormatEnergy},
}};

// 102: the slots of v, lambda, T and f.
namespace WaveSlot {
constexpr int Velocity = VelocitySlot;
constexpr int Length = 2;
constexpr int Period = 3;
constexpr int Frequency = 4;
} // namespace WaveSlot
struct TWave {
    double velocityMPerS = 0;
    double wavelengthM = 0;
    double periodS = 0;
    double frequencyHz = 0;
};

// 201-203: eight parts of one kind.
constexpr int PartSlots = 8;

TFormulaResults prCalcParts(const TFormulaFields& fields, TFormat format)
{
    TFormulaResults results;
    const TSlotValues values = fnSlotValues(fields);
    // A part left at 0, empty or negative takes no part.
    std::array<double, PartSlots> parts{};
    std::size_t count = 0;
    for (int slot = 1; slot <= PartSlots; ++slot)
        if (values[fnAt(slot)] > 0)
            parts[count++] = values[fnAt(slot)];
    const std::span<const double> given(parts.data(), count);
    const double sum = sumOfParts(given);
    if (sum > 0)
        prShowValue(results, 1, format, sum, fields.series, "");
    const double reciprocal = reciprocalSumOfParts(given);
    if (reciprocal > 0)
        prShowValue(results, 2, format, reciprocal, fields.series, "");
    return results;
}

const TUnitListInfo UnitLists[] = {
    {{}, {}},
    {{TextId::UnitHz, TextId::UnitKHz, TextId::UnitMHz, TextId::UnitGHz}, {1, 1e3, 1e6, 1e9}},
    {{TextId::UnitPF, TextId::UnitNF, TextId::UnitUF, TextId::UnitF}, {1e-12, 1e-9, 1e-6, 1}},
    {{TextId::UnitUH, TextId::UnitMH, TextId::UnitH}, {1e-6, 1e-3, 1}},
    {{TextId::UnitOhm, TextId::UnitKOhm, TextId::UnitMOhm}, {1, 1e3, 1e6}},
    {{TextId::UnitOhm}, {1}},
    {{TextId::UnitMPerS, TextId::UnitKmPerS, TextId::UnitKmPerH}, {1, 1e3, 1e3 / 3600}},
    {{TextId::UnitMPerS, TextId::UnitKmPerH}, {1, 1e3 / 3600}},
    {{TextId::UnitUm, TextId::UnitMm, TextId::UnitCm, TextId::UnitM, TextId::UnitKm}, {1e-6, 1e-3, 1e-2, 1, 1e3}},
    {{TextId::UnitMm, TextId::UnitCm, TextId::UnitM, TextId::UnitKm}, {1e-3, 1e-2, 1, 1e3}},
    {{TextId::UnitUs, TextId::UnitMs, TextId::UnitS, TextId::UnitMin, TextId::UnitHour}, {1e-6, 1e-3, 1, 60, 3600}},
    // Grams, kilograms, tonnes: the labels the mass formatter shows.
    {{kMassLabelIds[0], kMassLabelIds[1], kMassLabelIds[2]},
     {kMassSelectorToKg[0], kMassSelectorToKg[1], kMassSelectorToKg[2]}},
    {{TextId::UnitUJ, TextId::UnitMJ, TextId::UnitJ, TextId::UnitKJ}, {1e-6, 1e-3, 1, 1e3}},
};

} // namespace

std::vector<TFormulaEntry> fnSectionFormulas(int section)
{
    switch (section) {
    case 1:
        return {{FormulaId::Resonance, TextId::FormulaResonance},
                {FormulaId::Wave, TextId::FormulaWave},
                {FormulaId::Quality, TextId::FormulaQuality}};
    case 2:
        return {{FormulaId::Resistors, TextId::FormulaResistors},
                {FormulaId::Inductors, TextId::FormulaInductors},
                {FormulaId::Capacitors, TextId::FormulaCapacitors}};
    case 3: return {{FormulaId::Throw, TextId::FormulaThrow}};
    default: return {};
    }
}

int fnFormulaId(int section, int listIndex)
{
    const std::vector<TFormulaEntry> entries = fnSectionFormulas(section);
    return listIndex >= 0 && static_cast<std::size_t>(listIndex) < entries.size() ? section * 100 + listIndex + 1 : 0;
}

const TUnitListInfo& fnUnitList(TUnitList list) { return UnitLists[static_cast<int>(list)]; }

std::vector<TSlotSpec> fnFormulaSlots(int formula)
{
    using U = TUnitList;
    switch (formula) {
    case FormulaId::Resonance: return {{U::Frequency, 1}, {U::Capacitance, 1}, {U::Inductance, 0}};
    case FormulaId::Wave: return {{U::WaveSpeed, 1}, {U::WaveLength, 3}, {U::Time, 2}, {U::Frequency, 0}};
    case FormulaId::Quality: return {{U::None, 0}, {U::Frequency, 1}, {U::Inductance, 0}, {U::ResistanceFixed, 0}};
    case FormulaId::Resistors: return std::vector<TSlotSpec>(PartSlots, {U::Resistance, 1});
    case FormulaId::Inductors: return std::vector<TSlotSpec>(PartSlots, {U::Inductance, 1});
    case FormulaId::Capacitors: return std::vector<TSlotSpec>(PartSlots, {U::Capacitance, 1});
    case FormulaId::Throw:
        return {{U::ThrowLength, 2}, {U::ThrowLength, 2}, {U::ThrowSpeed, 0}, {U::Mass, 1}, {U::Energy, 2}};
    default: return {};
    }
}

int fnOldestGiven(const TFormulaOrder& order)
{
    for (int position = FormulaSlots - 1; position >= 0; --position)
        if (order[static_cast<std::size_t>(position)] > 0)
            return order[static_cast<std::size_t>(position)];
    return 0;
}

int fnGivenRank(const TFormulaOrder& order, int slot)
{
    for (int position = 0; position < FormulaSlots; ++position)
        if (order[static_cast<std::size_t>(position)] == slot)
            return position + 1;
    return 0;
}

void prSlotTyped(TFormulaOrder& order, int slot)
{
    if (slot >= 1 && slot <= FormulaSlots)
        prPromoteRecent(order.data(), FormulaSlots - 1, slot);
}

TVelocitySetting fnVelocitySetting(TVelocity velocity)
{
    switch (velocity) {
    case TVelocity::Radio: return {"300000", 1, false}; // 300 000 km/s
    case TVelocity::Sound: return {"343", 0, false};    // m/s in air
    case TVelocity::Own: break;
    }
    return {"0", 0, true};
}

TFormulaResults prCalcResonance(const TFormulaFields& fields)
{
    TFormulaResults results;
    TResonance values;
    prReadGroup(values, ResonanceGroup, fnSlotValues(fields));
    prSolveGroup(values, ResonanceGroup, fnOldestGiven(fields.order), 1, results, fields.series);
    return results;
}

TFormulaResults prCalcQuality(const TFormulaFields& fields)
{
    TFormulaResults results;
    TQuality values;
    prReadGroup(values, QualityGroup, fnSlotValues(fields));
    prSolveGroup(values, QualityGroup, fnOldestGiven(fields.order), 1, results, fields.series);
    return results;
}

TFormulaResults prCalcWave(const TFormulaFields& fields)
{
    TFormulaResults results;
    const TSlotValues given = fnGivenValues(fields);
    TWave w{given[fnAt(WaveSlot::Velocity)], given[fnAt(WaveSlot::Length)], given[fnAt(WaveSlot::Period)],
            given[fnAt(WaveSlot::Frequency)]};
    const auto clear = [&](int slot, double& value) {
        value = 0;
        results.writeBack[fnAt(slot)] = std::string("0");
    };
    // The quantity typed last drives; the two it makes stale are cleared.
    switch (fields.order[0]) {
    case WaveSlot::Velocity: // the velocity typed last: the one of the others that is given drives
        if (w.wavelengthM > 0 && w.periodS == 0 && w.frequencyHz == 0) {
            w.frequencyHz = waveFrequencyHz(w.velocityMPerS, w.wavelengthM);
            w.periodS = wavePeriodS(w.frequencyHz);
        } else if (w.wavelengthM == 0 && w.periodS > 0 && w.frequencyHz == 0) {
            w.frequencyHz = waveFrequencyFromPeriodHz(w.periodS);
            w.wavelengthM = wavelengthM(w.velocityMPerS, w.frequencyHz);
        } else if (w.wavelengthM == 0 && w.periodS == 0 && w.frequencyHz > 0) {
            w.periodS = wavePeriodS(w.frequencyHz);
            w.wavelengthM = wavelengthM(w.velocityMPerS, w.frequencyHz);
        }
        break;
    case WaveSlot::Length:
        clear(WaveSlot::Period, w.periodS);
        clear(WaveSlot::Frequency, w.frequencyHz);
        w.frequencyHz = waveFrequencyHz(w.velocityMPerS, w.wavelengthM);
        w.periodS = wavePeriodS(w.frequencyHz);
        break;
    case WaveSlot::Period:
        clear(WaveSlot::Length, w.wavelengthM);
        clear(WaveSlot::Frequency, w.frequencyHz);
        w.frequencyHz = waveFrequencyFromPeriodHz(w.periodS);
        w.wavelengthM = wavelengthM(w.velocityMPerS, w.frequencyHz);
        break;
    case WaveSlot::Frequency:
        clear(WaveSlot::Length, w.wavelengthM);
        clear(WaveSlot::Period, w.periodS);
        w.periodS = wavePeriodS(w.frequencyHz);
        w.wavelengthM = wavelengthM(w.velocityMPerS, w.frequencyHz);
        break;
    default: break;
    }
    results.label[0] = fnFormatLength(5, w.wavelengthM);
    results.label[1] = fnFormatLength(5, quarterWavelengthM(w.wavelengthM));
    results.label[2] = fnFormatTime(5, w.periodS);
    results.label[3] = fnFormatFrequency(5, w.frequencyHz);
    return results;
}

TFormulaResults prCalcResistors(const TFormulaFields& fields) { return prCalcParts(fields, fnFormatResistance); }

TFormulaResults prCalcInductors(const TFormulaFields& fields) { return prCalcParts(fields, fnFormatInductance); }

TFormulaResults prCalcCapacitors(const TFormulaFields& fields) { return prCalcParts(fields, fnFormatCapacitance); }

TFormulaResults prCalcThrow(const TFormulaFields& fields)
{
    TFormulaResults results;
    const TSlotValues given = fnGivenValues(fields);
    TThrow values;
    prReadGroup(values, FlightGroup, given);
    prReadGroup(values, EnergyGroup, given);
    prSolveGroup(values, FlightGroup, fnOldestOf(fields.order, FlightGroup), 1, results, fields.series);
    if (values.speedMPerS > 0)
        prSolveGroup(values, EnergyGroup, fnOldestOf(fields.order, EnergyGroup), 2, results, fields.series);
    return results;
}

TFormulaResults prCalcFormula(const TFormulaFields& fields)
{
    switch (fields.formula) {
    case FormulaId::Resonance: return prCalcResonance(fields);
    case FormulaId::Wave: return prCalcWave(fields);
    case FormulaId::Quality: return prCalcQuality(fields);
    case FormulaId::Resistors: return prCalcResistors(fields);
    case FormulaId::Inductors: return prCalcInductors(fields);
    case FormulaId::Capacitors: return prCalcCapacitors(fields);
    case FormulaId::Throw: return prCalcThrow(fields);
    default: return {};
    }
}

} // namespace formulas
