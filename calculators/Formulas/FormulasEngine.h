// Core layer. The formula catalogue in three sections and its seven
// evaluators: LC resonance, wave relations, coil quality factor, eight
// resistors, inductors or capacitors in series and in parallel, and a
// horizontal throw with its kinetic energy. The quantity left at 0 is computed
// from the others; which ones count as given follows the order the user typed
// them in. Inputs are field texts with their unit choices; results are
// display texts. The arithmetic is FormulasPhysics'.
#pragma once

#include "common/core/StandardValues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace formulas {

// Formula identifiers: section base (100 radio, 200 electrical, 300 physics)
// plus the position in the section's list, plus 1.
namespace FormulaId {
inline constexpr int Resonance = 101;
inline constexpr int Wave = 102;
inline constexpr int Quality = 103;
inline constexpr int Resistors = 201;
inline constexpr int Inductors = 202;
inline constexpr int Capacitors = 203;
inline constexpr int Throw = 301;
} // namespace FormulaId

// The formulas of a section (1-3) as list entries: identifier and name text.
struct TFormulaEntry {
    int id;
    std::uint32_t nameText;
};
std::vector<TFormulaEntry> fnSectionFormulas(int section);
// The identifier of the entry at a list position of a section; 0 when there is none.
int fnFormulaId(int section, int listIndex);

inline constexpr int FormulaSlots = 9;

// The slot of the wave relations that the velocity choice fills.
inline constexpr int VelocitySlot = 1;

// Unit lists of the slots: catalogue texts and multipliers to the SI unit.
enum class TUnitList {
    None,            // a plain number (the quality factor)
    Frequency,       // Hz
    Capacitance,     // F
    Inductance,      // H
    Resistance,      // Ohm
    ResistanceFixed, // Ohm only
    WaveSpeed,       // m/s, km/s, km/h
    ThrowSpeed,      // m/s, km/h
    WaveLength,      // um, mm, cm, m, km
    ThrowLength,     // mm, cm, m, km
    Time,            // us, ms, s, min, h
    Mass,            // g, kg, t
    Energy,          // uJ, mJ, J, kJ
};
struct TUnitListInfo {
    std::vector<std::uint32_t> texts;
    std::vector<double> multipliers;
};
const TUnitListInfo& fnUnitList(TUnitList list);

// A formula's slots: how many, each one's unit list and the unit chosen when
// the formula is shown.
struct TSlotSpec {
    TUnitList units = TUnitList::None;
    int selected = 0;
};
std::vector<TSlotSpec> fnFormulaSlots(int formula);

// Slot numbers (1-9), most recently typed first; 0 marks an empty place.
using TFormulaOrder = std::array<int, FormulaSlots>;
// The least recently typed slot still listed, or 0.
int fnOldestGiven(const TFormulaOrder& order);
// 1 + the slot's position (1 = typed last), or 0 when it is not listed.
int fnGivenRank(const TFormulaOrder& order, int slot);
// Typing into a slot brings it to the front; nothing ever leaves by typing.
void prSlotTyped(TFormulaOrder& order, int slot);

// The wave velocity choices: radio waves, sound in air, the user's own.
enum class TVelocity { Radio = 1, Sound = 2, Own = 3 };
// What a velocity choice puts into the velocity slot: its text, unit and whether it may be typed in.
struct TVelocitySetting {
    std::string text;
    int unit;
    bool editable;
};
TVelocitySetting fnVelocitySetting(TVelocity velocity);

struct TFormulaFields {
    int formula = FormulaId::Resonance;
    std::array<std::string, FormulaSlots> text{}; // slot k at index k - 1
    std::array<int, FormulaSlots> unit{};
    TFormulaOrder order{};
    // A computed R, L or C is shown as the series' nearest member, when one is chosen.
    std::optional<TESeries> series;
};

struct TFormulaResults {
    // Result label k at index k - 1, exactly as shown (Windows-1251); empty when nothing shows.
    std::array<std::string, FormulaSlots> label{};
    // For a solved quantity (101, 103, 301): the slot whose unit list the label sits beside, else 0.
    std::array<int, FormulaSlots> besideSlot{};
    // Fields the evaluation sets to "0" (slot k at index k - 1).
    std::array<std::optional<std::string>, FormulaSlots> writeBack{};
    // A label rounded to a standard series: its exact value as it would show,
    // and the deviation of the shown one; "" where the label is exact.
    std::array<std::string, FormulaSlots> exact{};
    std::array<double, FormulaSlots> deviationPercent{};
};

// The evaluator of the formula in the fields.
TFormulaResults prCalcFormula(const TFormulaFields& fields);

TFormulaResults prCalcResonance(const TFormulaFields& fields);
TFormulaResults prCalcWave(const TFormulaFields& fields);
TFormulaResults prCalcQuality(const TFormulaFields& fields);
TFormulaResults prCalcResistors(const TFormulaFields& fields);
TFormulaResults prCalcInductors(const TFormulaFields& fields);
TFormulaResults prCalcCapacitors(const TFormulaFields& fields);
TFormulaResults prCalcThrow(const TFormulaFields& fields);

} // namespace formulas
