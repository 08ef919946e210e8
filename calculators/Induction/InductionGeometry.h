// Core layer. Where the coil page's pictures come from and where they go: the
// pieces of the coil sheet (the kind icons, the five winding drawings, the
// symbols beside the list fields), each drawing's place on the result panel,
// and the fields, results and captions that stand on a drawing, on its
// dimension lines. The page and the picture generator both build from these
// tables, so a place moved here moves in both.
#pragma once

#include "calculators/Induction/InductionEngine.h"
#include "common/core/Rect.h"

#include <array>
#include <cstddef>
#include <span>

namespace induction {

// The captions of the page, by their number in its label array (labelInd).
namespace IndCaption {
inline constexpr int Length = 1; // winding length l
inline constexpr int Former = 2; // former diameter D0
inline constexpr int Wire = 3;   // wire diameter d
inline constexpr int Turns = 4;
inline constexpr int Outer = 5;
inline constexpr int Inner = 6;
inline constexpr int Mean = 7;
inline constexpr int Width = 8;
inline constexpr int Track = 9;
inline constexpr int Gap = 10;
inline constexpr int WireLength = 11;
inline constexpr int Height = 12;       // height over the plane, or a bar's side
inline constexpr int WireDiameter = 13; // wire diameter, or a bar's other side
inline constexpr int Mu = 14;
inline constexpr int RoundWire = 15; // the results of the straight conductors
inline constexpr int WireOverPlane = 16;
inline constexpr int Bar = 17;
inline constexpr int Inductance = 18; // the toroid's result
inline constexpr int Count = 18;
} // namespace IndCaption

namespace geometry {

inline constexpr int SheetWidth = 1000;
inline constexpr int SheetHeight = 500;

// The kind icons of the selection list, side by side at the sheet's top left.
inline constexpr int IconCount = 5;
inline constexpr int IconSize = 32;
constexpr TRect fnIconPiece(TCoilKind kind) { return fnRectAt(1 + 33 * static_cast<int>(kind), 1, IconSize, IconSize); }

// A number field of the page, and its unit list 2 px right of it and centred
// on it (3.5 px round to 4), where the page kit puts a list beside its field.
inline constexpr int EditWidth = 26;
inline constexpr int EditHeight = 14;
inline constexpr int UnitListWidth = 52;
inline constexpr int UnitListHeight = 21;
constexpr TPoint fnUnitListAt(TPoint field) { return {field.X + EditWidth + 2, field.Y - 4}; }

// A field's caption stands 18 px above it; a result's caption 39 px left of it.
inline constexpr int CaptionAbove = 18;
inline constexpr int ResultCaptionLeft = 39;

// The symbols shown left of a list field; the piece stands 50 px left of its
// field and 3 px above it, so the glyph, right-aligned 2 px before the
// piece's edge, ends 10 px before the field, level with the field's middle.
enum class TSymbol { None, L, N, Mu, Do, Di, Dm, W, Track, Gap, Length, Wire, Height };
inline constexpr int SymbolWidth = 40;
inline constexpr int SymbolHeight = 24;
inline constexpr TPoint SymbolOffset{-50, -3};
// L to Length in a column down the sheet's left edge, d and h beside the spirals.
constexpr TRect fnSymbolPiece(TSymbol symbol)
{
    switch (symbol) {
    case TSymbol::Wire: return fnRectAt(594, 1, SymbolWidth, SymbolHeight);
    case TSymbol::Height: return fnRectAt(635, 1, SymbolWidth, SymbolHeight);
    default: return fnRectAt(1, 222 + 25 * (static_cast<int>(symbol) - 1), SymbolWidth, SymbolHeight);
    }
}

// A row of a list view: its caption, its field with or without a unit list,
// and the symbol left of the field.
struct TListRow {
    int caption;
    int edit;
    bool unit;
    TSymbol symbol;
};
inline constexpr TListRow FlatSpiralList[] = {
    {IndCaption::Turns, IndEdit::FlatN, false, TSymbol::N},
    {IndCaption::Outer, IndEdit::FlatDo, true, TSymbol::Do},
    {IndCaption::Inner, IndEdit::FlatDi, true, TSymbol::Di},
    {IndCaption::Mean, IndEdit::FlatDm, true, TSymbol::Dm},
    {IndCaption::Width, IndEdit::FlatW, true, TSymbol::W},
    {IndCaption::Track, IndEdit::FlatTrack, true, TSymbol::Track},
    {IndCaption::Gap, IndEdit::FlatGap, true, TSymbol::Gap},
};
inline constexpr TListRow ConductorList[] = {
    {IndCaption::WireLength, IndEdit::WireLen, true, TSymbol::Length},
    {IndCaption::WireDiameter, IndEdit::WireD, true, TSymbol::Wire},
    {IndCaption::Height, IndEdit::WireH, true, TSymbol::Height},
};
// The toroid's fields stand one under the other, closer than their captions.
inline constexpr TListRow ToroidList[] = {
    {IndCaption::Turns, IndEdit::TorN, false, TSymbol::N},
    {IndCaption::Mu, IndEdit::TorMu, false, TSymbol::Mu},
    {IndCaption::Wire, IndEdit::TorWire, true, TSymbol::Wire},
};

// A field on a drawing, from the drawing's top-left corner: its unit list
// beside it, its caption (0: none) above it, captionShift to the right.
struct TDrawingField {
    int edit;
    TPoint at;
    int caption;
    int captionShift;
};
// A result on a drawing, its caption (0: none) left of it, captionDy below
// it (above where negative).
struct TDrawingResult {
    int result;
    TPoint at;
    int caption;
    int captionDy;
};
struct TDrawing {
    TRect piece;    // on the sheet
    TPoint place;   // its top-left corner on the result panel
    bool belowList; // place.Y counts from the bottom of the list of fields above it
    std::array<TDrawingField, 6> fields;
    int fieldCount;
    std::array<TDrawingResult, 4> results;
    int resultCount;

    constexpr std::span<const TDrawingField> fnFields() const
    {
        return {fields.data(), static_cast<std::size_t>(fieldCount)};
    }
    constexpr std::span<const TDrawingResult> fnResults() const
    {
        return {results.data(), static_cast<std::size_t>(resultCount)};
    }
};

// The winding drawings, by kind (TCoilKind order).
inline constexpr std::array<TDrawing, 5> Drawings = {{
    // A: single-layer winding on its former, side view.
    {fnRectAt(1, 34, 197, 185),
     {65, 180},
     false,
     {{{IndEdit::OneLen, {48, 13}, IndCaption::Length, 0},
       {IndEdit::OneD0, {200, 75}, IndCaption::Former, -8},
       {IndEdit::OneWire, {79, 168}, IndCaption::Wire, 0}}},
     3,
     {},
     0},
    // B: multi-layer winding in section.
    {fnRectAt(44, 231, 313, 253),
     {20, 160},
     false,
     {{{IndEdit::ManyLen, {187, 3}, IndCaption::Length, 0},
       {IndEdit::ManyDi, {126, 81}, 0, 0},
       {IndEdit::ManyDo, {55, 49}, 0, 0},
       {IndEdit::ManyC, {65, 147}, 0, 0},
       {IndEdit::ManyD, {298, 111}, 0, 0},
       {IndEdit::ManyWire, {216, 221}, IndCaption::Wire, 0}}},
     6,
     {},
     0},
    // C: flat spirals, 8 px below the list of their fields; only the results stand on it.
    {fnRectAt(201, 2, 390, 226),
     {8, 8},
     true,
     {},
     0,
     {{{IndResult::FlatSquare, {104, 206}, 0, 0},
       {IndResult::FlatHexagonal, {227, 206}, 0, 0},
       {IndResult::FlatOctagonal, {359, 206}, 0, 0},
       {IndResult::FlatCircular, {359, 93}, 0, 0}}},
     4},
    // D: straight conductors, each result with its caption.
    {fnRectAt(594, 231, 398, 253),
     {8, 150},
     false,
     {},
     0,
     {{{IndResult::WireRound, {41, 3}, IndCaption::RoundWire, -16},
       {IndResult::WireOverPlane, {82, 229}, IndCaption::WireOverPlane, 16},
       {IndResult::WireBar, {300, 178}, IndCaption::Bar, 16}}},
     3},
    // E: toroid, a section with Do, Di and h over the wound ring.
    {fnRectAt(360, 231, 231, 253),
     {80, 150},
     false,
     {{{IndEdit::TorDo, {185, 17}, 0, 0}, {IndEdit::TorDi, {48, 7}, 0, 0}, {IndEdit::TorH, {185, 70}, 0, 0}}},
     3,
     {{{IndResult::Tor, {48, 233}, IndCaption::Inductance, 16}}},
     1},
}};

constexpr const TDrawing& fnDrawing(TCoilKind kind) { return Drawings[static_cast<std::size_t>(kind)]; }

// Where a field or a result stands on its kind's drawing (for the dimension
// lines drawn under it).
constexpr TPoint fnFieldOnDrawing(TCoilKind kind, int edit)
{
    for (const TDrawingField& field : fnDrawing(kind).fnFields())
        if (field.edit == edit)
            return field.at;
    return {};
}
constexpr TPoint fnResultOnDrawing(TCoilKind kind, int result)
{
    for (const TDrawingResult& shown : fnDrawing(kind).fnResults())
        if (shown.result == result)
            return shown.at;
    return {};
}

} // namespace geometry

} // namespace induction
