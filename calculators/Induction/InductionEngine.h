// Core layer. Coil inductance over the texts of one coil page: single-layer
// and multi-layer solenoids (inductance from turns or turns from inductance),
// flat spirals of four outlines, straight conductors and toroids, plus the
// linked geometry fields that fill each other in. Lengths are in millimetres.
// The formulas are in InductionPhysics.h; the engine reads the fields as they
// are shown, writes results and linked fields as texts and picks the status.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace induction {

enum class TCoilKind {
    OneSloi,  // single-layer solenoid
    ManySloi, // multi-layer coil
    Ploski,   // flat spiral
    Provod,   // straight conductor
    Tor,      // toroid
};

// The input fields of the page, by their index in its edit array.
namespace IndEdit {
inline constexpr int OneL = 0;    // inductance to convert, in the unit of its selector
inline constexpr int OneN = 1;    // turns
inline constexpr int OneMu = 2;   // relative permeability of the core
inline constexpr int OneLen = 3;  // winding length l
inline constexpr int OneWire = 4; // wire diameter d
inline constexpr int OneD0 = 5;   // former diameter D0
inline constexpr int ManyL = 6;
inline constexpr int ManyN = 7;
inline constexpr int ManyMu = 8;
inline constexpr int ManyLen = 9;   // winding length l
inline constexpr int ManyWire = 10; // wire diameter d
inline constexpr int ManyDo = 11;   // outer diameter of the winding
inline constexpr int ManyDi = 12;   // inner diameter of the winding
inline constexpr int ManyC = 13;    // radial thickness of the winding
inline constexpr int ManyD = 14;    // mean diameter of the winding
inline constexpr int FlatN = 15;
inline constexpr int FlatDo = 16;    // outer diameter
inline constexpr int FlatDi = 17;    // inner diameter
inline constexpr int FlatDm = 18;    // mean diameter
inline constexpr int FlatW = 19;     // radial width of the winding
inline constexpr int FlatTrack = 20; // track width w
inline constexpr int FlatGap = 21;   // gap s between neighbouring turns
inline constexpr int WireLen = 22;   // conductor length l
inline constexpr int WireD = 23;     // wire diameter; one side of a bar
inline constexpr int WireH = 24;     // height over the plane; other side of a bar
inline constexpr int TorN = 25;
inline constexpr int TorMu = 26;
inline constexpr int TorWire = 27; // wire diameter, optional
inline constexpr int TorDo = 28;   // core outer diameter
inline constexpr int TorDi = 29;   // core inner diameter
inline constexpr int TorH = 30;    // core height
} // namespace IndEdit

// The result labels of the page, by their number (12 is never written).
namespace IndResult {
inline constexpr int OneL = 1; // single-layer inductance
inline constexpr int OneN = 2; // single-layer turns
inline constexpr int ManyL = 3;
inline constexpr int ManyN = 4;
inline constexpr int FlatSquare = 5; // the four spiral outlines, in TSpiralOutline order
inline constexpr int FlatHexagonal = 6;
inline constexpr int FlatOctagonal = 7;
inline constexpr int FlatCircular = 8;
inline constexpr int WireRound = 9; // straight round wire
inline constexpr int WireOverPlane = 10;
inline constexpr int WireBar = 11; // rectangular bar
inline constexpr int Tor = 13;
} // namespace IndResult

inline constexpr int InductionEditCount = 35;   // 31-34 exist on the page, unused
inline constexpr int InductionResultCount = 13; // result labels 1-13

// A field's text as shown, and a result label's text as a run writes it
// (Windows-1251); a label the run leaves alone stays empty.
using TFieldText = std::string;
using TResultText = std::optional<std::string>;

// What a run solved, unrounded, for what the page shows beside the formula's
// results (the wire's length and resistance, the value by exact physics). 0
// where the run solved nothing.
struct TCoilSolved {
    double turns = 0;                    // solenoids, toroid: N as typed or as solved
    double inductanceUh = 0;             // solenoids, toroid: the formula's L, as typed or as solved
    double mu = 1;                       // the permeability the formula took
    std::array<double, 4> spiralUh{};    // flat spiral, by outline
    std::array<double, 3> conductorUh{}; // round wire, wire over a plane, bar
};

// The page's record: its fields and result labels numbered as the page
// publishes them (editInd, labelResInd), and the choices that steer a run.
struct TInductionFields {
    TCoilKind kind = TCoilKind::OneSloi;
    bool fromN = true;         // solenoids: inductance from turns (else turns from inductance)
    bool oneLInMilli = false;  // single-layer L selector on millihenries
    bool manyLInMilli = false; // multi-layer L selector on millihenries
    int focusedEdit = -1;      // the field being typed in, -1 when none
    // The toroid's core by name: 0 for the core's own sizes, k for core k of
    // fnToroidCores() (1-based); with a named core the toroid solves L from N
    // or, toroidFromN false, N from the wanted inductance toroidLUh (µH).
    int toroidCore = 0;
    bool toroidFromN = true;
    TFieldText toroidLUh;

    std::array<TFieldText, InductionEditCount> editInd{};
    // labelResInd[k], k = 1..13 (index 0 unused).
    std::array<TResultText, InductionResultCount + 1> labelResInd{};
    TCoilSolved solved;
};

struct TToroidCore;
// The toroid's core chosen by name; null for the core's own sizes.
const TToroidCore* fnChosenCore(const TInductionFields& fields);

// The whole recalculation for the selected kind: its result labels, the "1"
// written into a permeability field below 1 (unless it is being typed in), and
// the status text id for the tab.
std::uint32_t prCalcInduction(TInductionFields& fields);

// Single kinds, each adding to the run's status id.
void prCalcOneSloi(TInductionFields& fields, std::uint32_t& status);
void prCalcManySloi(TInductionFields& fields, std::uint32_t& status);
void prCalcPloski(TInductionFields& fields, std::uint32_t& status);
void prCalcProvod(TInductionFields& fields, std::uint32_t& status);
void prCalcCoilTor(TInductionFields& fields, std::uint32_t& status);

// Linked geometry: from the fields just typed, the other way of giving the same
// geometry is written (rounded as shown, digits 3).
void prCalcManySloiDc(TInductionFields& fields);      // Do, Di -> D, c
void prCalcManySloiDoDi(TInductionFields& fields);    // D, c -> Do, Di
void prCalcPloskiStep(TInductionFields& fields);      // N -> w, s
void prCalcPloskiFromOuter(TInductionFields& fields); // Do, Di -> Dm, W, w, s
void prCalcPloskiFromMean(TInductionFields& fields);  // Dm, W -> Do, Di, w, s
void prCalcPloskiGap(TInductionFields& fields);       // w -> s
void prCalcPloskiTrack(TInductionFields& fields);     // s -> w

// What typing into a field does: the linked operation it triggers (when it has
// the focus and belongs to the selected kind), then the recalculation.
std::uint32_t prEditChangeInd(TInductionFields& fields, int editIndex);

} // namespace induction
