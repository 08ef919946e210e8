// Core layer. Mains transformer design over the texts of one transformer page: core areas,
// largest power, secondary load, turns and wire sizes of the primary and up to
// five secondaries. Every result is written as rounded text and read back by the
// next step, so the figures the user sees are the figures the design goes on with.
#pragma once

#include "calculators/Transformer/TransformerFields.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace transformer {

// One edit box of the page: its text as shown, and whether it carries the bad
// mark (red, bold, struck out).
struct TTransEdit {
    std::string text = "0";
    bool bad = false;
};

struct TTransformerFields {
    TTransCoreKind kind = TTransCoreKind::LamEI;

    TTransEdit editAMm;    // width of the limb that carries the windings
    TTransEdit editHMm;    // stack height (toroid: ring height)
    TTransEdit editBMm;    // winding window, one side
    TTransEdit editCMm;    // winding window, other side
    TTransEdit editDmaxMm; // toroid outer diameter
    TTransEdit editDminMm; // toroid inner diameter
    TTransEdit editScCm2;  // core cross-section
    TTransEdit editSwCm2;  // window area
    TTransEdit editPmaxVA; // largest power the core passes
    TTransEdit editPtrVA;  // total secondary load
    TTransEdit editVpV;    // primary voltage
    TTransEdit editFHz;    // mains frequency
    TTransEdit editKPD;    // efficiency, a fraction
    TTransEdit editBiT;    // peak flux density
    TTransEdit editJAmm2;  // current density in the wire
    TTransEdit editKc;     // core stacking factor
    TTransEdit editKw;     // window fill factor

    // grid[row][col] as shown, laid out as the page's grid (TransformerFields.h).
    std::array<std::array<std::string, TransGridCols>, TransGridRows> grid{};
};

TTransEdit& fnTransEdit(TTransformerFields& fields, TTransField field);
const TTransEdit& fnTransEdit(const TTransformerFields& fields, TTransField field);

// Lamination (tape) thickness entries offered for a core kind, with the
// stacking factor each one gives. The texts keep the point whatever the system.
struct TThicknessEntry {
    const char* text; // mm
    double kc;
};
std::span<const TThicknessEntry> fnThicknessList(TTransCoreKind kind);

// The system's general number-to-text in its shortest form: "0", "0,72", "1E-5".
std::string fnGeneralToText(double value);

// Marks a field as bad and rewrites it with the value it was read as.
void prShowEditErr(TTransEdit& edit);
void prClearEditErr(TTransEdit& edit);

// Checks the inputs of one group ("Sc", "Sw", "Pmax" or "Wr"), marking every
// failing field; true when all pass. An unknown group checks nothing.
bool fnTestZeroInput(TTransformerFields& fields, std::string_view group);

// A grid cell as a number: 0 unless it reads as a number greater than 0.
double fnGetStrGrNumber(const TTransformerFields& fields, int col, int row);

void prCalcScSw(TTransformerFields& fields);
void prCalcPMax(TTransformerFields& fields);
void prCalcPtr(TTransformerFields& fields);
// 0,00 into the primary's voltage and current and every turns and wire cell.
void prZeroWire(TTransformerFields& fields);
// 0,00 into the secondaries' voltages and currents.
void prZeroVA(TTransformerFields& fields);

// Kc from the selected thickness entry of the current kind; an index outside
// the list leaves Kc alone.
void prGetComboText(TTransformerFields& fields, int thicknessIndex);

// The whole page as it opens: zeroed grid and the default electrical inputs.
void prInitDataTrans(TTransformerFields& fields);

// The status text the current results call for, from StatusTransOpened (nothing
// given yet) to StatusTransDone (641..646).
std::uint32_t fnTransStatusId(const TTransformerFields& fields);

// The whole design; returns the status text id for the tab.
std::uint32_t prCalcOnPage(TTransformerFields& fields);

} // namespace transformer
