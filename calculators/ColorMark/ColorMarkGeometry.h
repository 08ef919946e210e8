// Core layer. Where the marking page's pictures come from and where they go:
// the pieces of the marking sheet (chart swatches, band numbers, family
// icons, the display window with its glyphs, units, tolerances and extra
// bands, the band slices and the component bodies), their places on the
// result picture, the chart's cells and the fields over the bodies. The page
// and the picture generator both build from these tables, so a piece moved
// here moves in both.
#pragma once

#include "calculators/ColorMark/MarkingDecoder.h"
#include "common/core/Rect.h"

#include <array>

namespace marking::geometry {

inline constexpr int SheetWidth = 500;
inline constexpr int SheetHeight = 740;

// ---------------------------------------------------------------- sheet pieces

// A table of equal pieces in rows on the sheet, numbered from `first` left to
// right and then down.
struct TPieceTable {
    int first; // the number of the top-left piece
    int count;
    TPoint origin; // the top-left piece's top-left corner
    int columns;   // pieces a row
    TPoint pitch;  // from a piece to the next across, and to the one below
    int width;
    int height;

    constexpr int fnLast() const { return first + count - 1; }
    constexpr TRect fnPiece(int number) const
    {
        const int k = number - first;
        return fnRectAt(origin.X + pitch.X * (k % columns), origin.Y + pitch.Y * (k / columns), width, height);
    }
};

// Chart swatches, two rows of fifteen: n = 1-13 a selectable cell of row n,
// CellLocked (14) a cell that cannot be chosen, CellChosenBase + row a chosen
// cell; 15, 29 and 30 are never shown.
inline constexpr int SwatchSize = 15;
inline constexpr TPieceTable Swatches{1, 30, {33, 1}, 15, {SwatchSize, SwatchSize}, SwatchSize, SwatchSize};
// The band numbers shown under the chart, 1-7.
inline constexpr TPieceTable BandNumbers{1, 7, {33, 32}, 7, {SwatchSize, 0}, SwatchSize, SwatchSize};
// The family icons of the selection panel: resistor, capacitor, inductor.
inline constexpr std::array<TRect, 3> Icons = {fnRectAt(261, 1, 32, 32), fnRectAt(294, 1, 32, 32),
                                               fnRectAt(327, 1, 32, 32)};

// The display window with its glass, and the glass's interior: the plain LCD
// that a new result is drawn over.
inline constexpr TRect WindowPiece = fnRectAt(1, 50, 284, 162);
inline constexpr TRect InteriorPiece = fnRectAt(33, 82, 170, 78);
// Digit glyphs 0-9 and 10, the dash of any other character; the decimal point.
inline constexpr TPieceTable Glyphs{0, 11, {1, 214}, 11, {21, 0}, 20, 24};
inline constexpr TRect PointPiece = fnRectAt(232, 226, 8, 12);
// The display model's pictures: units 1-12, tolerances 1-24, extra bands 1-12.
inline constexpr TPieceTable Units{1, 12, {1, 241}, 4, {51, 25}, 50, 24};
inline constexpr TPieceTable Tolerances{1, 24, {1, 316}, 3, {67, 24}, 66, 23};
inline constexpr TPieceTable ExtraBands{1, 12, {1, 632}, 3, {71, 24}, 70, 23};

// A band on the banded body, 11 x 32 px; the slices of every band in every
// chart row's colour are cut from renders of that body, so they join it
// exactly. By band (1-6) and chart row (1-13).
inline constexpr int BandWidth = 11;
inline constexpr int BandHeight = 32;
inline constexpr TPieceTable BandSlices{
    1, (MarkBands * MarkRows), {216, 241}, MarkBands, {BandWidth + 1, BandHeight + 1}, BandWidth, BandHeight};
constexpr TRect fnBandSlicePiece(int band, int row) { return BandSlices.fnPiece((row - 1) * MarkBands + band); }

// The component bodies: the banded part, the ceramic disc, the SMD chip, and
// the outlines of the disc and the chip where they do not apply.
inline constexpr int BodyBanded = 1;
inline constexpr int BodyDisc = 2;
inline constexpr int BodyChip = 3;
inline constexpr int BodyDiscOutline = 4;
inline constexpr int BodyChipOutline = 5;
inline constexpr int BodyWidth = 205;
inline constexpr int BodyHeight = 134;
inline constexpr TPieceTable Bodies{1, 5, {290, 36}, 1, {0, BodyHeight + 1}, BodyWidth, BodyHeight};

// ------------------------------------------------------- places on the result picture

// The three body places (1-3), top to bottom: the banded body's, the disc's
// and the chip's; the family decides whether a part or its outline goes there.
inline constexpr int PlaceBanded = 1;
inline constexpr int PlaceDisc = 2;
inline constexpr int PlaceChip = 3;
inline constexpr std::array<TPoint, 3> BodyPlaces = {TPoint{12, 14}, TPoint{12, 154}, TPoint{12, 294}};
// Band k (1-6) on the banded body, from its top-left corner; adjacent bands touch.
constexpr TRect fnBandOnBody(int band) { return fnRectAt(67 + BandWidth * (band - 1), 50, BandWidth, BandHeight); }
// The fields printed on the bodies, from the body's top-left corner: the
// capacitor's code and tolerance letter on the disc, the SMD code on the chip.
inline constexpr TRect CapCodeField = fnRectAt(107, 94, 30, 14);
inline constexpr TRect CapLetterList = fnRectAt(163, 9, 32, 21);
inline constexpr TRect SmdCodeField = fnRectAt(49, 99, 30, 14);

// The display window and its interior.
inline constexpr TPoint WindowPlace{248, 10};
inline constexpr TPoint InteriorPlace{280, 42};
static_assert(WindowPiece.Left + InteriorPlace.X - WindowPlace.X == InteriorPiece.Left
                  && WindowPiece.Top + InteriorPlace.Y - WindowPlace.Y == InteriorPiece.Top,
              "the display interior is cut from inside the display window");
// The first digit; a glyph is 20 px wide with 2 px to the next. A decimal
// point sits low in the gap after its glyph and widens it to 10 px.
inline constexpr TPoint FirstGlyphPlace{288, 48};
inline constexpr int GlyphPitch = 22;
inline constexpr int PointPitch = 30;
inline constexpr TPoint PointOffset{19, 15}; // from the glyph before it
// The unit on the digits' row, the tolerance under it, the extra band left
// below the digits.
inline constexpr TPoint UnitPlace{394, 48};
inline constexpr TPoint TolerancePlace{378, 74};
inline constexpr TPoint ExtraBandPlace{278, 94};

// The reset key in the display window. The page's hit rectangles include
// their right and bottom edges, so the key's hit rectangle ends on its last
// column and row.
inline constexpr TRect ResetKey = fnRectAt(485, 93, 22, 27);
inline constexpr TRect ResetHit{ResetKey.Left, ResetKey.Top, ResetKey.Right - 1, ResetKey.Bottom - 1};
// The "Сброс" label under the key: its right edge, top and height.
inline constexpr int ResetLabelRight = 478;
inline constexpr int ResetLabelTop = 150;
inline constexpr int ResetLabelHeight = 14;

// The chart: 13 rows of colours by 6 bands, a swatch in every cell. A cell's
// hit rectangle reaches one pixel past its swatch (the edges are included).
inline constexpr TPoint ChartOrigin{392, 180};
inline constexpr TPoint CellOffset{2, 1}; // the first cell from the origin
inline constexpr TPoint CellPitch{23, 18};
constexpr TRect fnCellPlace(int row, int band)
{
    return fnRectAt(ChartOrigin.X + CellOffset.X + CellPitch.X * (band - 1),
                    ChartOrigin.Y + CellOffset.Y + CellPitch.Y * (row - 1), SwatchSize, SwatchSize);
}
// Each band's number under its column, one pixel below the top of the label
// line under the chart.
constexpr TRect fnBandNumberPlace(int band)
{
    return fnRectAt(ChartOrigin.X + CellOffset.X + CellPitch.X * (band - 1), ChartOrigin.Y + CellPitch.Y * MarkRows + 1,
                    SwatchSize, SwatchSize);
}
// The colour names left of the rows, and the band numbers' caption under them.
inline constexpr int RowLabelWidth = 80;
inline constexpr int RowLabelHeight = 14;
inline constexpr int RowLabelGap = 8; // between a label and the chart
constexpr TRect fnRowLabelPlace(int row)
{
    return fnRectAt(ChartOrigin.X - RowLabelWidth - RowLabelGap, ChartOrigin.Y + CellPitch.Y * (row - 1), RowLabelWidth,
                    RowLabelHeight);
}

} // namespace marking::geometry
