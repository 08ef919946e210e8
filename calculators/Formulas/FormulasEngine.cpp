#include "calculators/Formulas/FormulasEngine.h"

#include "common/core/Numbers.h"
#include "text/Quantities.h"

#include <cmath>
#include <functional>

namespace {

using Real = long double;

constexpr Real TwoPi = 6.283185307179586477L;
constexpr Real FourPiSquared = 39.478417604357434478L;
constexpr Real Gravity = 9.81L;  // m/s2

std::size_t fnAt(int slot) { return static_cast<std::size_t>(slot - 1); }

// Each computed value is kept as a double before it is used again; beyond the
// double range it is no value.
double fnStore(Real value)
{
    const double stored = static_cast<double>(value);
    return std::isfinite(stored) ? stored : 0.0;
}

// A slot's value in SI units: its number times its unit's multiplier.
double fnSlotValue(const TFormulaFields& fields, const std::vector<TSlotSpec>& slots, int slot)
{
    const TSlotSpec& spec = slots[fnAt(slot)];
    double multiplier = 1;
    if (spec.units != TUnitList::None) {
        const TUnitListInfo& list = fnUnitList(spec.units);
        const int unit = fields.unit[fnAt(slot)];
        multiplier = unit >= 0 && static_cast<std::size_t>(unit) < list.multipliers.size()
                         ? list.multipliers[static_cast<std::size_t>(unit)]
                         : 0;
    }
    return fnStore(static_cast<Real>(fnTextToFloat(fields.text[fnAt(slot)])) * multiplier);
}

std::vector<double> fnSlotValues(const TFormulaFields& fields)
{
    const std::vector<TSlotSpec> slots = fnFormulaSlots(fields.formula);
    std::vector<double> values(slots.size() + 1, 0.0);  // values[slot], slot 1-based
    for (int slot = 1; slot <= static_cast<int>(slots.size()); ++slot)
        values[static_cast<std::size_t>(slot)] = fnSlotValue(fields, slots, slot);
    return values;
}

using TFormat = std::string (*)(int, double);

std::string fnPlainNumber(int digits, double value) { return value > 0 ? fnFloatToText(digits, value) : std::string(); }

// One quantity of a solve-for-the-unknown group: its slot, how it follows from
// the others (values indexed by slot), how it is shown.
struct TUnknown {
    int slot;
    std::function<Real(const std::vector<double>&)> solve;
    TFormat format;
};

// Solves a group whose one quantity at exactly 0 is the unknown; with every
// quantity given, `oldest` (when one of the group) is made the unknown first
// and its field set to "0". The result goes to `label`. Returns the value solved, or 0.
double prSolveGroup(std::vector<double>& values, const std::vector<TUnknown>& group, int oldest, int label,
                    TFormulaResults& results)
{
    bool allGiven = true;
    for (const TUnknown& q : group)
        allGiven = allGiven && values[static_cast<std::size_t>(q.slot)] > 0;
    if (allGiven) {
        for (const TUnknown& q : group) {
            if (q.slot == oldest) {
                values[static_cast<std::size_t>(q.slot)] = 0;
                results.writeBack[fnAt(q.slot)] = std::string("0");
            }
        }
    }
    for (const TUnknown& q : group) {
        if (values[static_cast<std::size_t>(q.slot)] != 0)
            continue;
        bool othersGiven = true;
        for (const TUnknown& other : group)
            if (other.slot != q.slot)
                othersGiven = othersGiven && values[static_cast<std::size_t>(other.slot)] > 0;
        if (!othersGiven)
            continue;
        const double solved = fnStore(q.solve(values));
        values[static_cast<std::size_t>(q.slot)] = solved;
        const std::string shown = q.format(5, solved);
        results.label[fnAt(label)] = shown.empty() ? std::string() : " = " + shown;
        results.besideSlot[fnAt(label)] = q.slot;
        return solved;
    }
    return 0;
}

TFormulaResults prCalcSumAndReciprocal(const TFormulaFields& fields, TFormat format)
{
    TFormulaResults results;
    const std::vector<double> values = fnSlotValues(fields);
    Real sum = 0;
    Real conductance = 0;
    for (int slot = 1; slot <= 8; ++slot) {
        const double x = values[static_cast<std::size_t>(slot)];
        if (x >= 0)
            sum += x;
        if (x > 0)
            conductance += 1 / static_cast<Real>(x);
    }
    const double total = fnStore(sum);
    if (total > 0)
        results.label[0] = format(5, total);
    if (conductance > 0) {
        const double reciprocal = fnStore(1 / conductance);
        if (reciprocal > 0)
            results.label[1] = format(5, reciprocal);
    }
    return results;
}

const TUnitListInfo UnitLists[] = {
    {{}, {}},
    {{1001, 1002, 1003, 1004}, {1, 1e3, 1e6, 1e9}},
    {{1005, 1006, 1007, 1008}, {1e-12, 1e-9, 1e-6, 1}},
    {{1009, 1010, 1011}, {1e-6, 1e-3, 1}},
    {{1012, 1013, 1014}, {1, 1e3, 1e6}},
    {{1012}, {1}},
    {{1015, 1016, 1017}, {1, 1e3, 1e3 / 3600}},
    {{1015, 1017}, {1, 1e3 / 3600}},
    {{1018, 1019, 1020, 1021, 1022}, {1e-6, 1e-3, 1e-2, 1, 1e3}},
    {{1019, 1020, 1021, 1022}, {1e-3, 1e-2, 1, 1e3}},
    {{1023, 1024, 1025, 1026, 1027}, {1e-6, 1e-3, 1, 60, 3600}},
    // Grams, kilograms, tonnes: the labels the mass formatter shows.
    {{kMassLabelIds[0], kMassLabelIds[1], kMassLabelIds[2]},
     {kMassSelectorToKg[0], kMassSelectorToKg[1], kMassSelectorToKg[2]}},
    {{1032, 1033, 1034, 1035}, {1e-6, 1e-3, 1, 1e3}},
};

} // namespace

std::vector<TFormulaEntry> fnSectionFormulas(int section)
{
    switch (section) {
    case 1: return {{FormulaId::Resonance, 907}, {FormulaId::Wave, 908}, {FormulaId::Quality, 909}};
    case 2: return {{FormulaId::Resistors, 911}, {FormulaId::Inductors, 912}, {FormulaId::Capacitors, 913}};
    case 3: return {{FormulaId::Throw, 914}};
    default: return {};
    }
}

int fnFormulaId(int section, int listIndex)
{
    const std::vector<TFormulaEntry> entries = fnSectionFormulas(section);
    return listIndex >= 0 && static_cast<std::size_t>(listIndex) < entries.size()
               ? section * 100 + listIndex + 1
               : 0;
}

const TUnitListInfo& fnUnitList(TUnitList list) { return UnitLists[static_cast<int>(list)]; }

std::vector<TSlotSpec> fnFormulaSlots(int formula)
{
    using U = TUnitList;
    switch (formula) {
    case FormulaId::Resonance: return {{U::Frequency, 1}, {U::Capacitance, 1}, {U::Inductance, 0}};
    case FormulaId::Wave: return {{U::WaveSpeed, 1}, {U::WaveLength, 3}, {U::Time, 2}, {U::Frequency, 0}};
    case FormulaId::Quality: return {{U::None, 0}, {U::Frequency, 1}, {U::Inductance, 0}, {U::ResistanceFixed, 0}};
    case FormulaId::Resistors: return std::vector<TSlotSpec>(8, {U::Resistance, 1});
    case FormulaId::Inductors: return std::vector<TSlotSpec>(8, {U::Inductance, 1});
    case FormulaId::Capacitors: return std::vector<TSlotSpec>(8, {U::Capacitance, 1});
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
    case TVelocity::Radio: return {"300000", 1, false};  // 300 000 km/s
    case TVelocity::Sound: return {"343", 0, false};      // m/s in air
    case TVelocity::Own: break;
    }
    return {"0", 0, true};
}

TFormulaResults prCalcResonance(const TFormulaFields& fields)
{
    TFormulaResults results;
    std::vector<double> v = fnSlotValues(fields);
    const std::vector<TUnknown> group = {
        {1, [](const std::vector<double>& x) { return 1 / (TwoPi * std::sqrt(static_cast<Real>(x[2]) * x[3])); },
         fnFormatFrequency},
        {2, [](const std::vector<double>& x) { return 1 / (static_cast<Real>(x[3]) * FourPiSquared * x[1] * x[1]); },
         fnFormatCapacitance},
        {3, [](const std::vector<double>& x) { return 1 / (static_cast<Real>(x[2]) * FourPiSquared * x[1] * x[1]); },
         fnFormatInductance},
    };
    prSolveGroup(v, group, fnOldestGiven(fields.order), 1, results);
    return results;
}

TFormulaResults prCalcQuality(const TFormulaFields& fields)
{
    TFormulaResults results;
    std::vector<double> v = fnSlotValues(fields);
    const std::vector<TUnknown> group = {
        {1, [](const std::vector<double>& x) { return static_cast<Real>(x[3]) * (x[2] * TwoPi) / x[4]; }, fnPlainNumber},
        {2, [](const std::vector<double>& x) { return static_cast<Real>(x[1]) * x[4] / (x[3] * TwoPi); },
         fnFormatFrequency},
        {3, [](const std::vector<double>& x) { return static_cast<Real>(x[1]) * x[4] / (x[2] * TwoPi); },
         fnFormatInductance},
        {4, [](const std::vector<double>& x) { return static_cast<Real>(x[3]) * (x[2] * TwoPi) / x[1]; },
         fnFormatResistance},
    };
    prSolveGroup(v, group, fnOldestGiven(fields.order), 1, results);
    return results;
}

TFormulaResults prCalcWave(const TFormulaFields& fields)
{
    TFormulaResults results;
    std::vector<double> x = fnSlotValues(fields);
    for (double& value : x)
        if (!(value > 0))
            value = 0;
    double& speed = x[1];
    double& length = x[2];
    double& period = x[3];
    double& frequency = x[4];
    // Divisions only by a positive divisor; otherwise the quantity is 0.
    const auto divide = [](Real a, double b) { return b > 0 ? fnStore(a / b) : 0.0; };
    const auto clear = [&](int slot, double& value) {
        value = 0;
        results.writeBack[fnAt(slot)] = std::string("0");
    };
    switch (fields.order[0]) {
    case 1:  // the velocity typed last: the one of the others that is given drives
        if (length > 0 && period == 0 && frequency == 0) {
            frequency = divide(speed, length);
            period = divide(1, frequency);
        } else if (length == 0 && period > 0 && frequency == 0) {
            frequency = divide(1, period);
            length = divide(speed, frequency);
        } else if (length == 0 && period == 0 && frequency > 0) {
            period = divide(1, frequency);
            length = divide(speed, frequency);
        }
        break;
    case 2:
        clear(3, period);
        clear(4, frequency);
        frequency = divide(speed, length);
        period = divide(1, frequency);
        break;
    case 3:
        clear(2, length);
        clear(4, frequency);
        frequency = divide(1, period);
        length = divide(speed, frequency);
        break;
    case 4:
        clear(2, length);
        clear(3, period);
        period = divide(1, frequency);
        length = divide(speed, frequency);
        break;
    default: break;
    }
    results.label[0] = fnFormatLength(5, length);
    results.label[1] = fnFormatLength(5, length / 4);
    results.label[2] = fnFormatTime(5, period);
    results.label[3] = fnFormatFrequency(5, frequency);
    return results;
}

TFormulaResults prCalcResistors(const TFormulaFields& fields)
{
    return prCalcSumAndReciprocal(fields, fnFormatResistance);
}

TFormulaResults prCalcInductors(const TFormulaFields& fields)
{
    return prCalcSumAndReciprocal(fields, fnFormatInductance);
}

TFormulaResults prCalcCapacitors(const TFormulaFields& fields)
{
    return prCalcSumAndReciprocal(fields, fnFormatCapacitance);
}

TFormulaResults prCalcThrow(const TFormulaFields& fields)
{
    TFormulaResults results;
    std::vector<double> x = fnSlotValues(fields);
    for (double& value : x)
        if (!(value > 0))
            value = 0;
    // The least recently typed of some slots: the largest rank.
    const auto oldestOf = [&](std::initializer_list<int> slots) {
        int oldest = 0;
        int rank = -1;
        for (int slot : slots) {
            if (fnGivenRank(fields.order, slot) > rank) {
                rank = fnGivenRank(fields.order, slot);
                oldest = slot;
            }
        }
        return oldest;
    };
    // Distance s, height h and speed v of a body thrown horizontally: s = v * sqrt(2h / g).
    const std::vector<TUnknown> flight = {
        {1, [](const std::vector<double>& v) { return v[3] / std::sqrt(Gravity / (2 * static_cast<Real>(v[2]))); },
         fnFormatLength},
        {2, [](const std::vector<double>& v) { return Gravity * v[1] * v[1] / (2 * static_cast<Real>(v[3]) * v[3]); },
         fnFormatLength},
        {3, [](const std::vector<double>& v) { return std::sqrt(Gravity / (2 * static_cast<Real>(v[2]))) * v[1]; },
         fnFormatSpeed},
    };
    prSolveGroup(x, flight, oldestOf({1, 2, 3}), 1, results);
    // Kinetic energy E = m v^2 / 2 with the speed the flight left (typed or computed).
    const std::vector<TUnknown> energy = {
        {4, [](const std::vector<double>& v) { return 2 * static_cast<Real>(v[5]) / (static_cast<Real>(v[3]) * v[3]); },
         fnFormatMass},
        {5, [](const std::vector<double>& v) { return static_cast<Real>(v[4]) * v[3] * v[3] / 2; }, fnFormatEnergy},
    };
    if (x[3] > 0)
        prSolveGroup(x, energy, oldestOf({4, 5}), 2, results);
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
