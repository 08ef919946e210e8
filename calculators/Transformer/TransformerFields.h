// Core layer. What the transformer page is made of, as the engine, the page,
// the shared geometry and the picture generator all name it: the core kinds,
// the edit fields with their widget names, and the shape of the winding grid.
// Header only and free of Qt, so the picture generator needs no engine.
#pragma once

namespace transformer {

enum class TTransCoreKind {
    LamEI,  // E-I core from laminations
    LentEI, // E-I core wound from tape
    LamUI,  // U-I core from laminations
    LentUI, // U-I core wound from tape
    Toroid, // ring core wound from tape
};
inline constexpr int TransCoreKindCount = 5;

constexpr bool fnIsToroid(TTransCoreKind kind) { return kind == TTransCoreKind::Toroid; }
constexpr bool fnIsLaminated(TTransCoreKind kind)
{
    return kind == TTransCoreKind::LamEI || kind == TTransCoreKind::LamUI;
}

// The edit boxes of the page, in the order of TTransformerFields.
enum class TTransField {
    A,
    H,
    B,
    C,
    Dmax,
    Dmin, // core dimensions
    Sc,
    Sw,
    Pmax,
    Ptr, // computed, read-only on the page
    Vp,
    F,
    KPD,
    Bi,
    J,
    Kc,
    Kw,
};
inline constexpr int TransFieldCount = 17;

// The page's widget name of a field ("editA", "editVp", ...).
constexpr const char* fnTransFieldName(TTransField field)
{
    constexpr const char* Names[TransFieldCount] = {
        "editA",   "editH",  "editB", "editC",   "editDmax", "editDmin", "editSc", "editSw", "editPmax",
        "editPtr", "editVp", "editF", "editKPD", "editBi",   "editJ",    "editKc", "editKw",
    };
    const int index = static_cast<int>(field);
    return index >= 0 && index < TransFieldCount ? Names[index] : "";
}

// The areas and powers the design writes; the user types into every other field.
constexpr bool fnIsResultField(TTransField field)
{
    return field == TTransField::Sc || field == TTransField::Sw || field == TTransField::Pmax
           || field == TTransField::Ptr;
}

// Output grid: row 0 and column 0 are headings, row 1 the primary, rows 2-6 the
// secondaries; columns 1-5: voltage V, current A, turns, wire section mm2, wire diameter mm.
inline constexpr int TransGridRows = 7;
inline constexpr int TransGridCols = 6;
inline constexpr int TransPrimaryRow = 1;
inline constexpr int TransFirstSecondaryRow = 2;
inline constexpr int TransColVoltV = 1;
inline constexpr int TransColCurrentA = 2;
inline constexpr int TransColTurns = 3;
inline constexpr int TransColWireSectionMm2 = 4;
inline constexpr int TransColWireDiameterMm = 5;

// Secondary voltages and currents: the only cells the user types into.
constexpr bool fnIsOpenCell(int col, int row)
{
    return (col == TransColVoltV || col == TransColCurrentA) && row >= TransFirstSecondaryRow && row < TransGridRows;
}

} // namespace transformer
