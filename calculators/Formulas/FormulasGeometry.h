// Core layer. Where the formulas page's pictures come from and where they go:
// the pieces of the formulas sheet, their places in the formula area, the
// symbol icons, and the places of the fields and result labels that the
// drawings are made to meet (a lead-in "R|| =" ends where its label starts).
// The page and the picture generator both build from these tables, so a
// piece or a field moved here moves in both. Places are in formula-area
// pixels, pieces in sheet pixels.
#pragma once

#include "common/core/Rect.h"

#include <array>
#include <cstddef>

namespace formulas::geometry {

inline constexpr int SheetWidth = 600;
inline constexpr int SheetHeight = 510;

// A piece of the sheet and the place of its top-left corner in the formula area.
struct TPicture {
    TRect piece;
    TPoint place;
};

// Every field is an edit box with its unit list 2 px right of it; a field
// "below" another stands FieldGap under the other's bottom edge.
inline constexpr int FieldWidth = 46;
inline constexpr int FieldHeight = 14;
inline constexpr int UnitListLeft = FieldWidth + 2; // from the field's left edge
inline constexpr int UnitListWidth = 52;
inline constexpr int FieldGap = 8;
inline constexpr int FieldStep = FieldHeight + FieldGap;

// The symbol left of a field: a 29 x 19 piece, its top-left corner 32 px
// left of the field's and 3 px lower.
inline constexpr int IconWidth = 29;
inline constexpr int IconHeight = 19;
inline constexpr TPoint IconOffset{-32, 3};

namespace detail {
constexpr TRect fnIcon(int left, int top) { return fnRectAt(left, top, IconWidth, IconHeight); }

// Fields in a column, each `step` below the one before.
template <std::size_t Count>
constexpr std::array<TPoint, Count> fnColumn(TPoint first, int step)
{
    std::array<TPoint, Count> places{};
    for (std::size_t k = 0; k < Count; ++k)
        places[k] = {first.X, first.Y + static_cast<int>(k) * step};
    return places;
}

// Two columns of four, the second 42 px right of the first one's unit lists.
constexpr std::array<TPoint, 8> fnTwoColumns(TPoint first, int step)
{
    const std::array<TPoint, 4> left = fnColumn<4>(first, step);
    const int secondLeft = first.X + UnitListLeft + UnitListWidth + 42;
    std::array<TPoint, 8> places{};
    for (std::size_t k = 0; k < 4; ++k) {
        places[k] = left[k];
        places[k + 4] = {secondLeft, left[k].Y};
    }
    return places;
}
} // namespace detail

// The symbol icons of single quantities.
inline constexpr TRect IconF = detail::fnIcon(84, 177);
inline constexpr TRect IconC = detail::fnIcon(54, 197);
inline constexpr TRect IconL = detail::fnIcon(54, 217);
inline constexpr TRect IconV = detail::fnIcon(84, 197);
inline constexpr TRect IconLambda = detail::fnIcon(84, 217);
inline constexpr TRect IconT = detail::fnIcon(54, 257);
inline constexpr TRect IconQ = detail::fnIcon(54, 237);
inline constexpr TRect IconR = detail::fnIcon(54, 177);
inline constexpr TRect IconS = detail::fnIcon(54, 277);
inline constexpr TRect IconH = detail::fnIcon(84, 237);
inline constexpr TRect IconM = detail::fnIcon(84, 257);
inline constexpr TRect IconE = detail::fnIcon(54, 297);

// LC resonance: the tank on the left, F = 1 / (2 pi sqrt(LC)) over the
// fields F, C and L, 30 px apart.
inline constexpr TPicture LcTank{fnRectAt(1, 40, 110, 136), {60, 38}};
inline constexpr TPicture LcFormula{fnRectAt(1, 1, 110, 38), {300, 38}};
inline constexpr std::array<TPoint, 3> ResonanceFields = detail::fnColumn<3>({320, 90}, 30);

// Wave relations: the fields of lambda, T and f (the velocity's stands under
// the page's note, left), the relations 6 px under the wavelength field and
// the lead-ins "lambda =", "lambda/4 =", "T =", "f =" left of the four result labels.
inline constexpr std::array<TPoint, 3> WaveFields = {TPoint{284, 43}, TPoint{284, 109}, TPoint{284, 142}};
inline constexpr TPicture WaveFormula{fnRectAt(1, 306, 52, 34), WaveFields[0] + TPoint{0, FieldHeight + 6}};
inline constexpr TPicture WaveResults{fnRectAt(1, 177, 52, 128), {408, 40}};
inline constexpr std::array<TPoint, 4> WaveResultLabels = {TPoint{464, 46}, TPoint{464, 79}, TPoint{464, 112},
                                                           TPoint{464, 145}};

// Quality factor: Q = 2 pi F L / R left of the fields Q, F, L and R.
inline constexpr TPicture QualityFormula{fnRectAt(121, 427, 141, 35), {60, 40}};
inline constexpr std::array<TPoint, 4> QualityFields = detail::fnColumn<4>({320, 46}, FieldStep);

// Parts in series and in parallel: resistors, inductors, capacitors. Each
// picture holds both connections; the page writes the sum and the reciprocal
// sum on it, after the lead-in of the connection that gives each.
inline constexpr int PartKinds = 3;
inline constexpr int PartCount = 8;
inline constexpr std::array<TPicture, PartKinds> Parts = {
    TPicture{fnRectAt(121, 1, 237, 141), {10, 40}},
    TPicture{fnRectAt(121, 143, 237, 141), {10, 40}},
    TPicture{fnRectAt(121, 285, 237, 141), {10, 40}},
};
inline constexpr std::array<TPoint, PartCount> PartFields = detail::fnTwoColumns({282, 40}, FieldStep);
inline constexpr TPoint SumLabel{168, 162};
inline constexpr TPoint ReciprocalLabel{168, 49};
// R1..R8, L1..L8 and C1..C8.
inline constexpr std::array<std::array<TRect, PartCount>, PartKinds> PartIcons = {{
    {detail::fnIcon(1, 341), detail::fnIcon(1, 361), detail::fnIcon(1, 381), detail::fnIcon(1, 401),
     detail::fnIcon(1, 421), detail::fnIcon(1, 441), detail::fnIcon(1, 461), detail::fnIcon(1, 481)},
    {detail::fnIcon(61, 381), detail::fnIcon(61, 401), detail::fnIcon(61, 421), detail::fnIcon(61, 441),
     detail::fnIcon(61, 461), detail::fnIcon(61, 481), detail::fnIcon(91, 341), detail::fnIcon(91, 361)},
    {detail::fnIcon(31, 361), detail::fnIcon(31, 381), detail::fnIcon(31, 401), detail::fnIcon(31, 421),
     detail::fnIcon(31, 441), detail::fnIcon(31, 461), detail::fnIcon(31, 481), detail::fnIcon(61, 341)},
}};

// The horizontal throw with E = mv^2/2, left of the fields s, h, v, m and E.
inline constexpr TPicture Throw{fnRectAt(359, 1, 237, 141), {10, 40}};
inline constexpr std::array<TPoint, 5> ThrowFields = detail::fnColumn<5>({322, 40}, FieldStep);

} // namespace formulas::geometry
