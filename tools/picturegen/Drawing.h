// Drafting helpers shared by every picture: the house colours, fonts,
// dimension lines with filled arrowheads, extension lines, hatching, the
// boxes that mark where the page puts its edit fields, captions with
// subscripts ("S" + "c" + ", см²"), the word tables of the sheets, and what
// drawing at a scale needs (a painter in picture pixels, crisp pixel strokes,
// pictures made pixel by pixel).
#pragma once

#include "Sheets.h"

#include "common/core/Rect.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>

namespace picturegen {

// Colours of the drawings. The page behind every picture is kPageBack, and
// read-only result fields are kResultBack; both come from the program's UI.
namespace ink {
inline const QColor kPageBack(212, 208, 200);
inline const QColor kResultBack(239, 237, 209);
inline const QColor kInputBack(255, 255, 255);
inline const QColor kOutline(34, 36, 40);
inline const QColor kDimension(22, 52, 112);
inline const QColor kText(24, 24, 28);
inline const QColor kNote(84, 84, 92);
inline const QColor kFieldFrame(96, 98, 104);
inline const QColor kSeparator(176, 171, 162);
inline const QColor kHighlight(246, 244, 239);

// Steel of the cores: faces lit from the upper left.
inline const QColor kSteelFront(163, 170, 179);
inline const QColor kSteelTop(199, 204, 211);
inline const QColor kSteelSide(124, 131, 141);
inline const QColor kSteelDeep(84, 89, 97);
inline const QColor kPlateLine(106, 112, 121);   // plate edges on a lit face
inline const QColor kPlateLineDark(92, 97, 106); // plate edges on the shaded face
inline const QColor kTapeLine(137, 144, 153);    // tape layers on the front face

// Copper of the windings and the pressboard of the former.
inline const QColor kCopper(205, 124, 64);
inline const QColor kCopperHatch(128, 60, 22);
inline const QColor kCopperTop(222, 153, 95);
inline const QColor kCopperSide(170, 92, 42);
inline const QColor kFormer(222, 206, 160);
} // namespace ink

// The shared geometry's rectangles and points in Qt's terms.
inline QRect fnQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
inline QPoint fnQPoint(TPoint p) { return QPoint(p.X, p.Y); }

// The font of all captions: a plain sans face at a pixel size.
QFont fnFont(int pixelSize, bool bold = false, bool italic = false);

// ---------------------------------------------------------------- words

QString fnWord(const TWordPair& word, TLanguage language);

// A row of a sheet's word table: the word's name in the sheet's own list
// (an enum class ending in Count) and its two forms. Row k holds word k, so
// the table is read by the word's name.
template <typename TId>
struct TWordRow {
    TId id;
    TWordPair text;
};

template <typename TId, std::size_t N>
constexpr bool fnWordsInOrder(const std::array<TWordRow<TId>, N>& rows)
{
    for (std::size_t k = 0; k < N; ++k)
        if (static_cast<std::size_t>(rows[k].id) != k)
            return false;
    return N == static_cast<std::size_t>(TId::Count);
}

template <typename TId, std::size_t N>
QString fnWord(const std::array<TWordRow<TId>, N>& rows, TId id, TLanguage language)
{
    return fnWord(rows[static_cast<std::size_t>(id)].text, language);
}

template <typename TId, std::size_t N>
QList<TWordPair> fnWordList(const std::array<TWordRow<TId>, N>& rows)
{
    QList<TWordPair> out;
    for (const TWordRow<TId>& row : rows)
        out.push_back(row.text);
    return out;
}

// ---------------------------------------------------------------- scale

// A picture of width x height picture pixels in the page colour, with
// `scale` device pixels to a picture pixel each way.
QImage fnBlankPicture(int width, int height, int scale);

// A painter with antialiasing for shapes and text, working in picture
// pixels: scaled by `scale` onto the device.
void prBeginPainter(QPainter& p, QImage& img, int scale = 1);

// Device pixels to a picture pixel of the painter's current transform.
int fnDeviceScale(const QPainter& p);

// Aliased strokes from here on, naming pixels: a 1 px pen on column x
// covers the picture pixel x, at any scale. (At 1x Qt puts such a stroke on
// the pixel right of and below the coordinate; scaled, a stroke is centred
// on it, so it is moved to the middle of the pixel.) Fills are not moved by
// this, so draw them first or in their own save/restore.
void prPixelStrokes(QPainter& p);

// The pen of pixel strokes: 1 px, square ends and mitred corners, so that
// scaled a line still ends on its last pixel and an outline keeps the outer
// device pixel of each corner (a bevel cuts it off).
QPen fnPixelPen(const QColor& c);

// Draws a picture made in device pixels (at the painter's scale) with its
// top-left at `at` in picture pixels, pixel for pixel.
void prDeviceImage(QPainter& p, QPoint at, const QImage& image);

// A filled arrowhead whose tip is at `tip`, pointing along `dir`.
void prArrowHead(QPainter& p, QPointF tip, QPointF dir, const QColor& c);

// A dimension line from a to b with arrowheads at both ends pointing out
// to a and b. The part of the line inside `gap` (grown by 2 px) is left
// out: that is where the value field sits. An empty gap draws the whole line.
void prDimension(QPainter& p, QPointF a, QPointF b, const QRectF& gap, const QColor& c = ink::kDimension);

// A straight line of a given colour and width, square-ended.
void prLine(QPainter& p, QPointF a, QPointF b, const QColor& c, double width = 1.0);
// A filled dot of radius r.
void prDot(QPainter& p, QPointF centre, double r, const QColor& c);

// A thin extension line from a feature edge to just past its dimension line.
void prExtension(QPainter& p, QPointF from, QPointF to, const QColor& c = ink::kDimension);

// Parallel lines at `angleDeg` every `spacing` px, clipped to `area`.
void prHatch(QPainter& p, const QPainterPath& area, double spacing, double angleDeg, const QColor& c,
             double width = 1.0);

// A cut face: the block filled crisp, hatched with each set of lines in turn
// (spacing, angle, colour), and outlined 1 px inside its edge.
struct THatchLines {
    double spacing;
    double angleDeg;
    QColor colour;
};
void prSectionBlock(QPainter& p, const QRectF& block, const QColor& fill, std::initializer_list<THatchLines> hatches);

// A field position: the page puts an edit box of that size there. The
// picture fills it with the field's own colour and frames it 1 px outside.
void prFieldBox(QPainter& p, const QRect& field, const QColor& fill);

// A caption made of a symbol, a lowered subscript and a tail ("Sc, см²").
// The caption is placed so that its right edge is at `right` (or its left
// edge at `left` with prCaptionLeft) and it is centred on `midY`.
struct TCaption {
    QString symbol;
    QString sub;
    QString tail;
    bool italicSymbol = true;
};
double fnCaptionWidth(const TCaption& cap, int pixelSize = 11);
void prCaptionRight(QPainter& p, const TCaption& cap, double right, double midY, const QColor& c = ink::kText,
                    int pixelSize = 11);
void prCaptionLeft(QPainter& p, const TCaption& cap, double left, double midY, const QColor& c = ink::kText,
                   int pixelSize = 11);

// One line of plain text, aligned within a box.
void prText(QPainter& p, const QRectF& box, int flags, const QString& text, const QColor& c, const QFont& font);

} // namespace picturegen
