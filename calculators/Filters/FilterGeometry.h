// Core layer. Where the filter page's pictures come from and where they go:
// the pieces of the filter sheet, their places on the result panel, the
// inputs, and the value label of every element. The page and the picture
// generator both build from these tables, so a piece moved here moves in both.
#pragma once

#include "calculators/Filters/FilterSections.h"
#include "common/core/Rect.h"

#include <array>

namespace filters::geometry {

inline constexpr int SheetWidth = 620;
inline constexpr int SheetHeight = 460;

// The kind icons of the selection panel.
inline constexpr TRect IconLowPass = fnRectAt(2, 2, 32, 32);
inline constexpr TRect IconHighPass = fnRectAt(36, 2, 32, 32);

// The response of each kind, with the cut-off written on it, and the design
// formulas beside it; where they go on the result panel.
inline constexpr TRect ResponseLowPass = fnRectAt(2, 37, 143, 114);
inline constexpr TRect ResponseHighPass = fnRectAt(147, 37, 143, 114);
inline constexpr TRect Formulas = fnRectAt(147, 267, 143, 114);
inline constexpr TPoint ResponsePlace{88, 90};
inline constexpr TPoint FormulasPlace{318, 90};
// The cut-off value's label, from the response's top-left corner.
inline constexpr TPoint CutoffLabel{97, 94};
// A value label at its widest ("1,0000 кГц"), for the previews.
inline constexpr int ValueLabelWidth = 60;
inline constexpr int ValueLabelHeight = 14;

// The F, C, L and R inputs: the icon left of each field, the field's left
// edge and the row they stand on.
inline constexpr std::array<TRect, 4> InputIcons = {fnRectAt(2, 384, 23, 15), fnRectAt(26, 384, 23, 15),
                                                    fnRectAt(50, 384, 23, 15), fnRectAt(74, 384, 23, 15)};
inline constexpr std::array<int, 4> InputLefts = {40, 170, 300, 430};
inline constexpr int InputTop = 50;
// The icon stands this far left of its field and below its top.
inline constexpr TPoint InputIconOffset{-26, 4};

// A section schematic: its piece on the sheet and, from the piece's top-left
// corner, the top-left corner of each element's value label (elements in the
// order of the section's layout). A series element sits on the top wire just
// below its value, a shunt element stands just left of it.
inline constexpr int SectionWidth = 131;
inline constexpr int SectionHeight = 67;
struct TSectionPicture {
    TPoint sheet;
    std::array<TPoint, 3> labels;
};

namespace detail {
// Values above a series inductor, resistor and capacitor, and right of a shunt element.
constexpr TPoint fnOverL(int x) { return {x, -8}; }
constexpr TPoint fnOverR(int x) { return {x, -7}; }
constexpr TPoint fnOverC(int x) { return {x, -9}; }
constexpr TPoint fnBeside(int x) { return {x, 31}; }
} // namespace detail

// By kind and shape (TSectionShape order): low-pass in the sheet's upper half,
// high-pass in the lower.
inline constexpr std::array<std::array<TSectionPicture, SectionCount>, 2> SectionPictures = {{
    {{
        {{294, 1}, {detail::fnOverL(30), detail::fnBeside(104)}},
        {{294, 69}, {detail::fnOverL(20), detail::fnBeside(79), detail::fnOverL(84)}},
        {{294, 137}, {detail::fnBeside(40), detail::fnOverL(52), detail::fnBeside(118)}},
        {{426, 1}, {detail::fnOverR(30), detail::fnBeside(104)}},
        {{426, 69}, {detail::fnOverR(20), detail::fnBeside(79), detail::fnOverR(84)}},
        {{426, 137}, {detail::fnBeside(40), detail::fnOverR(52), detail::fnBeside(118)}},
    }},
    {{
        {{294, 210}, {detail::fnOverC(30), detail::fnBeside(104)}},
        {{294, 278}, {detail::fnOverC(20), detail::fnBeside(79), detail::fnOverC(84)}},
        {{294, 346}, {detail::fnBeside(40), detail::fnOverC(52), detail::fnBeside(118)}},
        {{426, 210}, {detail::fnOverC(30), detail::fnBeside(104)}},
        {{426, 278}, {detail::fnOverC(20), detail::fnBeside(79), detail::fnOverC(84)}},
        {{426, 346}, {detail::fnBeside(40), detail::fnOverC(52), detail::fnBeside(118)}},
    }},
}};
// Where each shape's schematic goes on the result panel: LC in the upper row,
// RC in the lower; two-element, T and pi from left to right.
inline constexpr std::array<TPoint, SectionCount> SectionPlaces = {TPoint{20, 240}, TPoint{190, 240}, TPoint{360, 240},
                                                                   TPoint{20, 340}, TPoint{190, 340}, TPoint{360, 340}};

constexpr const TSectionPicture& fnSectionPicture(TFilterKind kind, TSectionShape shape)
{
    return SectionPictures[kind == TFilterKind::LowPass ? 0 : 1][static_cast<std::size_t>(shape)];
}
constexpr TRect fnSectionPiece(TFilterKind kind, TSectionShape shape)
{
    return fnRectAt(fnSectionPicture(kind, shape).sheet, SectionWidth, SectionHeight);
}

} // namespace filters::geometry
