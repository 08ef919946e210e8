// The marking page's sheet: chart swatches, band numbers, family icons, the
// display window with its digit glyphs, units, tolerances and temperature
// coefficients, the three component bodies and the band slices of body 1.
//
// The page cuts every piece at a fixed rectangle and pastes it opaque and
// unscaled; both take the cut list and the places from the marking geometry.
// All display pieces share one LCD colour and paste invisibly over the
// display interior; the band slices are cut from renders of body 1 itself,
// so they join it exactly.
#include "Drawing.h"
#include "Sheets.h"

#include "calculators/ColorMark/ColorMarkGeometry.h"
#include "calculators/ColorMark/MarkingDecoder.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace picturegen {

namespace {

namespace geo = marking::geometry;

// ---------------------------------------------------------------- words

// Every word of the sheet, Russian and English side by side: the display's
// units, the word for an unknown tolerance, the temperature coefficient and
// its class 1 groups (EIA style in English: N negative, P positive, in
// 10⁻⁶/°C), the hint over the code fields, and the reset key's label (drawn
// by the page; the preview outlines its place).
enum class TMarkWord {
    Ohm,
    KiloOhm,
    MegaOhm,
    GigaOhm,
    PicoFarad,
    NanoFarad,
    MicroFarad,
    MilliFarad,
    MicroHenry,
    MilliHenry,
    Tolerance,
    TempCoefficient,
    GroupNP0,
    GroupN33,
    GroupN75,
    GroupN150,
    GroupN220,
    GroupN330,
    GroupN470,
    GroupN750,
    GroupP30,
    GroupP500,
    Code,
    Reset,
    Count
};
// A tolerance piece is 66 px wide and the hint over the disc's letter list
// must stay clear of the disc: "tol." stands for the longer word there.
constexpr auto kWords = std::to_array<TWordRow<TMarkWord>>({
    {TMarkWord::Ohm, {"Ом", "Ω"}},
    {TMarkWord::KiloOhm, {"кОм", "kΩ"}},
    {TMarkWord::MegaOhm, {"МОм", "MΩ"}},
    {TMarkWord::GigaOhm, {"ГОм", "GΩ"}},
    {TMarkWord::PicoFarad, {"пФ", "pF"}},
    {TMarkWord::NanoFarad, {"нФ", "nF"}},
    {TMarkWord::MicroFarad, {"мкФ", "µF"}},
    {TMarkWord::MilliFarad, {"мФ", "mF"}},
    {TMarkWord::MicroHenry, {"мкГн", "µH"}},
    {TMarkWord::MilliHenry, {"мГн", "mH"}},
    {TMarkWord::Tolerance, {"допуск", "tol."}},
    {TMarkWord::TempCoefficient, {"ТКЕ", "TC"}},
    {TMarkWord::GroupNP0, {"МП0", "NP0"}},
    {TMarkWord::GroupN33, {"М33", "N33"}},
    {TMarkWord::GroupN75, {"М75", "N75"}},
    {TMarkWord::GroupN150, {"М150", "N150"}},
    {TMarkWord::GroupN220, {"М220", "N220"}},
    {TMarkWord::GroupN330, {"М330", "N330"}},
    {TMarkWord::GroupN470, {"М470", "N470"}},
    {TMarkWord::GroupN750, {"М750", "N750"}},
    {TMarkWord::GroupP30, {"П30", "P30"}},
    {TMarkWord::GroupP500, {"П500", "P500"}},
    {TMarkWord::Code, {"код", "code"}},
    {TMarkWord::Reset, {"Сброс", "Reset"}},
});
static_assert(fnWordsInOrder(kWords));

QString fnMarkWord(TMarkWord w, TLanguage language) { return fnWord(kWords, w, language); }

// ---------------------------------------------------------------- cut list

constexpr int kChartRows = marking::MarkRows;
constexpr int kNoBandRow = marking::MarkRows;
constexpr int kBands = marking::MarkBands;

// Chart swatches: n = 1–13 a selectable cell of row n, 14 a cell that cannot
// be chosen, 15 + row a chosen cell; 15, 29 and 30 are never shown.
QRect fnSwatchRect(int n) { return fnQRect(geo::Swatches.fnPiece(n)); }
constexpr int kSwatchCount = geo::Swatches.count;
constexpr int kSwatchLocked = marking::CellLocked;
constexpr int kSwatchChosen = marking::CellChosenBase; // + row

QRect fnBandNumberRect(int j) { return fnQRect(geo::BandNumbers.fnPiece(j)); }
constexpr int kBandNumberCount = geo::BandNumbers.count;

const QRect kIconRect[3] = {fnQRect(geo::Icons[0]), fnQRect(geo::Icons[1]), fnQRect(geo::Icons[2])};

QRect fnGlyphRect(int g) { return fnQRect(geo::Glyphs.fnPiece(g)); }
constexpr int kGlyphCount = geo::Glyphs.count; // 0–9 and the dash of any other character
const QRect kPointRect = fnQRect(geo::PointPiece);

QRect fnUnitRect(int u) { return fnQRect(geo::Units.fnPiece(u)); }
constexpr int kUnitCount = geo::Units.count;

QRect fnTolRect(int t) { return fnQRect(geo::Tolerances.fnPiece(t)); }
constexpr int kTolCount = geo::Tolerances.count;

QRect fnExtraRect(int e) { return fnQRect(geo::ExtraBands.fnPiece(e)); }
constexpr int kExtraCount = geo::ExtraBands.count;

const QRect kWindowRect = fnQRect(geo::WindowPiece);
const QRect kInteriorRect = fnQRect(geo::InteriorPiece);

QRect fnSliceRect(int k, int r) { return fnQRect(geo::fnBandSlicePiece(k, r)); }

QRect fnBodyRect(int b) { return fnQRect(geo::Bodies.fnPiece(b)); }
constexpr int kBodyCount = geo::Bodies.count;
const QSize kBodySize(geo::BodyWidth, geo::BodyHeight);

// ------------------------------------------------- places on the result picture

const QPoint kWindowPlace = fnQPoint(geo::WindowPlace);
const QPoint kInteriorPlace = fnQPoint(geo::InteriorPlace);
const QPoint kDigitPlace = fnQPoint(geo::FirstGlyphPlace);
const QPoint kUnitPlace = fnQPoint(geo::UnitPlace);
const QPoint kTolPlace = fnQPoint(geo::TolerancePlace);
const QPoint kExtraPlace = fnQPoint(geo::ExtraBandPlace);
// Reset area, right and bottom edges included: 485..506 x 93..119.
const QRect kResetPlace = fnQRect(geo::ResetKey);
// The reset key's label: right edge and top.
constexpr int kResetLabelRight = geo::ResetLabelRight;
constexpr int kResetLabelTop = geo::ResetLabelTop;
constexpr int kResetLabelHeight = geo::ResetLabelHeight;

// Window coordinates of a place on the result picture.
QPoint fnInWindow(QPoint place) { return place - kWindowPlace; }

// Where the page puts its widgets, relative to the body pictures.
const QRect kCapCodeField = fnQRect(geo::CapCodeField);   // editCap102 on body 2
const QRect kCapLetterList = fnQRect(geo::CapLetterList); // cbCap104M on body 2
const QRect kSmdCodeField = fnQRect(geo::SmdCodeField);   // editSMDres on body 3

// Band k's place on body 1; the band colour leaves a body margin each side.
QRect fnBandPlace(int k) { return fnQRect(geo::fnBandOnBody(k)); }
constexpr int kBandMarginLeft = 2;
constexpr int kBandMarginRight = 1;

// ---------------------------------------------------------------- colours

// The LCD of the display window and the ink of its glyphs.
const QColor kLcd(199, 211, 189);
const QColor kLcdInk(30, 40, 34);

const QColor kBodyBeige(228, 202, 156);
const QColor kBodyOutline(96, 78, 52);
const QColor kTinned(196, 200, 206);
const QColor kDisc(206, 114, 50);
const QColor kDiscRim(138, 66, 24);
const QColor kGhost(178, 173, 164);

// Colours of the chart rows (IEC 60062 colour code), in the chart's order;
// row 13 is the bare body ("no band").
struct TRowColour {
    QColor colour;
    bool metallic;
};
const std::array<TRowColour, kChartRows> kRowColour = {{
    {QColor(198, 202, 208), true},  // silver
    {QColor(206, 160, 54), true},   // gold
    {QColor(26, 26, 28), false},    // black
    {QColor(124, 64, 28), false},   // brown
    {QColor(214, 36, 34), false},   // red
    {QColor(246, 134, 22), false},  // orange
    {QColor(250, 214, 34), false},  // yellow
    {QColor(34, 148, 62), false},   // green
    {QColor(36, 90, 206), false},   // blue
    {QColor(134, 60, 178), false},  // violet
    {QColor(130, 131, 134), false}, // grey
    {QColor(252, 252, 250), false}, // white
    {kBodyBeige, false},            // no band
}};

// ---------------------------------------------------------------- helpers

// Draws one piece with its own origin, clipped to it, on its background.
void prPiece(QPainter& p, const QRect& piece, const QColor& back, const std::function<void(QPainter&)>& draw)
{
    p.save();
    p.setClipRect(piece);
    p.translate(piece.topLeft());
    p.fillRect(QRect(QPoint(0, 0), piece.size()), back);
    draw(p);
    p.restore();
}

// The surface colour of a horizontal cylinder lit from above and in front,
// at height t across it (0 top edge, 1 bottom edge).
QColor fnCylinder(const QColor& base, double t, bool metallic)
{
    const double ny = std::clamp(2.0 * t - 1.0, -1.0, 1.0);
    const double nz = std::sqrt(std::max(0.0, 1.0 - ny * ny));
    constexpr double ly = -0.5; // light direction, y pointing down
    constexpr double lz = 0.866;
    const double diffuse = std::max(0.0, ny * ly + nz * lz);
    // Half vector between the light and the eye (0, 0, 1).
    const double hl = std::hypot(ly, lz + 1.0);
    const double facing = std::max(0.0, (ny * ly + nz * (lz + 1.0)) / hl);
    const double specular = std::pow(facing, metallic ? 16.0 : 28.0);
    const double lit = metallic ? 0.38 + 0.78 * diffuse : 0.56 + 0.52 * diffuse;
    const double gloss = metallic ? 0.70 * specular : 0.28 * specular;
    auto channel = [&](int c) {
        const double v = std::min(255.0, c * lit);
        return static_cast<int>(std::lround(std::clamp(v + (255.0 - v) * gloss, 0.0, 255.0)));
    };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

QLinearGradient fnCylinderGradient(const QColor& base, double top, double bottom, bool metallic)
{
    QLinearGradient g(0, top, 0, bottom);
    constexpr int kStops = 24;
    for (int i = 0; i <= kStops; ++i)
        g.setColorAt(static_cast<double>(i) / kStops, fnCylinder(base, static_cast<double>(i) / kStops, metallic));
    return g;
}

// The same shading across a vertical cylinder (a wire running up and down).
QLinearGradient fnWireGradientX(const QColor& base, double left, double right)
{
    QLinearGradient g = fnCylinderGradient(base, 0, 1, true);
    g.setStart(left, 0);
    g.setFinalStop(right, 0);
    return g;
}

double fnLuma(const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); }

// One line of text with its baseline at `base`, left-aligned at x.
void prTextAt(QPainter& p, QPointF base, const QString& text, const QFont& font, const QColor& c)
{
    p.save();
    p.setFont(font);
    p.setPen(c);
    p.drawText(base, text);
    p.restore();
}

double fnTextWidth(const QString& text, const QFont& font) { return QFontMetricsF(font).horizontalAdvance(text); }

// ---------------------------------------------------------------- swatches

// The 11 x 11 colour field of a chart cell.
void prSwatchColour(QPainter& p, const QRect& area, int row)
{
    const TRowColour& rc = kRowColour[static_cast<std::size_t>(row - 1)];
    if (rc.metallic) {
        // A metal sheen: the same highlight as a metallic band on the body,
        // shaded row by row of device pixels.
        const int scale = fnDeviceScale(p);
        const int rows = area.height() * scale;
        for (int y = 0; y < rows; ++y)
            p.fillRect(QRectF(area.left(), area.top() + static_cast<double>(y) / scale, area.width(), 1.0 / scale),
                       fnCylinder(rc.colour, (y + 0.5) / rows, true));
    } else {
        p.fillRect(area, rc.colour);
    }
    if (row == kNoBandRow) {
        // The bare body, struck through.
        p.save();
        p.setClipRect(area);
        prLine(p, QPointF(area.left(), area.bottom() + 1.0), QPointF(area.right() + 1.0, area.top()),
               QColor(150, 60, 40), 1.2);
        p.restore();
    }
}

void prSwatch(QPainter& p, int row, bool chosen)
{
    const QRect colour(2, 2, 11, 11);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (chosen) {
        p.fillRect(QRect(0, 0, 15, 15), QColor(14, 14, 16));
    } else {
        p.fillRect(QRect(1, 1, 13, 13), QColor(72, 74, 80));
    }
    prSwatchColour(p, colour, row);
    p.restore();
    if (!chosen)
        return;
    // A check mark that contrasts with the cell's colour.
    const QColor fill = kRowColour[static_cast<std::size_t>(row - 1)].colour;
    const QColor mark = fnLuma(fill) < 120 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    QPainterPath tick;
    tick.moveTo(4.2, 7.6);
    tick.lineTo(6.6, 10.0);
    tick.lineTo(10.9, 4.6);
    p.save();
    p.setPen(QPen(mark, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.restore();
}

// A cell that cannot be chosen in the current mode: no colour at all.
void prSwatchLocked(QPainter& p)
{
    const QRect inside(2, 2, 11, 11);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(1, 1, 13, 13), QColor(186, 182, 174));
    p.fillRect(inside, QColor(222, 219, 213));
    p.setClipRect(inside);
    prPixelStrokes(p);
    p.setPen(fnPixelPen(QColor(203, 199, 192)));
    for (int d = -9; d <= 9; d += 3)
        p.drawLine(QPoint(inside.left() + d, inside.bottom()), QPoint(inside.right() + d, inside.top()));
    p.restore();
}

// ---------------------------------------------------------------- display glyphs

// Seven-segment digits: segments a b c d e f g as bits 0..6.
constexpr std::array<int, kGlyphCount> kSegments = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F,
    0x40, // any other character: the middle bar
};

// Digit cell geometry (glyph coordinates): outer edges and bar thickness.
constexpr double kSegLeft = 2.0;
constexpr double kSegRight = 17.0;
constexpr double kSegTop = 1.0;
constexpr double kSegBottom = 23.0;
constexpr double kSegThick = 3.2;
constexpr double kSegGap = 0.55;
constexpr double kSegSlant = 0.10; // italic lean of the digits

QPolygonF fnSegment(QPointF a, QPointF b)
{
    const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF u((b.x() - a.x()) / len, (b.y() - a.y()) / len);
    const QPointF n(-u.y(), u.x());
    const double h = kSegThick / 2.0;
    QPolygonF poly;
    poly << a + u * kSegGap << a + u * (kSegGap + h) + n * h << b - u * (kSegGap + h) + n * h << b - u * kSegGap
         << b - u * (kSegGap + h) - n * h << a + u * (kSegGap + h) - n * h;
    return poly;
}

void prGlyph(QPainter& p, int glyph)
{
    const double h = kSegThick / 2.0;
    const double xl = kSegLeft + h;
    const double xr = kSegRight - h;
    const double yt = kSegTop + h;
    const double yb = kSegBottom - h;
    const double ym = (yt + yb) / 2.0;
    const std::array<std::pair<QPointF, QPointF>, 7> seg = {{
        {{xl, yt}, {xr, yt}}, // a
        {{xr, yt}, {xr, ym}}, // b
        {{xr, ym}, {xr, yb}}, // c
        {{xl, yb}, {xr, yb}}, // d
        {{xl, ym}, {xl, yb}}, // e
        {{xl, yt}, {xl, ym}}, // f
        {{xl, ym}, {xr, ym}}, // g
    }};
    p.save();
    // Lean about the middle row so the lower right stays clear of the point.
    p.setTransform(QTransform(1, 0, -kSegSlant, 1, kSegSlant * ym, 0), true);
    p.setPen(Qt::NoPen);
    p.setBrush(kLcdInk);
    const int bits = kSegments[static_cast<std::size_t>(glyph)];
    for (int s = 0; s < 7; ++s)
        if (bits & (1 << s))
            p.drawPolygon(fnSegment(seg[static_cast<std::size_t>(s)].first, seg[static_cast<std::size_t>(s)].second));
    p.restore();
}

// The decimal point: its piece is pasted at the point's offset from the glyph
// before it (19, 15), so the dot sits low and left, its bottom on the digits'
// bottom edge.
void prPoint(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kLcdInk);
    p.drawRoundedRect(QRectF(1.3, kSegBottom - geo::PointOffset.Y - 3.4, 3.4, 3.4), 0.9, 0.9);
    p.restore();
}

// The display's lettering: the condensed cut of the house face, bold like
// the segments.
QFont fnLcdFont(int pixelSize, bool bold = true)
{
    QFont f = fnFont(pixelSize, bold);
    f.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    return f;
}

// Units stand on the digits' baseline, as tall as the digits' lower half.
const std::array<std::optional<TMarkWord>, kUnitCount> kUnitWord = {
    TMarkWord::Ohm,        TMarkWord::KiloOhm,    TMarkWord::MegaOhm,    TMarkWord::GigaOhm,
    TMarkWord::PicoFarad,  TMarkWord::NanoFarad,  TMarkWord::MicroFarad, TMarkWord::MilliFarad,
    TMarkWord::MicroHenry, TMarkWord::MilliHenry, std::nullopt,          std::nullopt,
};

void prUnit(QPainter& p, int u, TLanguage language)
{
    const std::optional<TMarkWord> unit = kUnitWord[static_cast<std::size_t>(u - 1)];
    if (!unit)
        return;
    prTextAt(p, QPointF(1.0, kSegBottom), fnMarkWord(*unit, language), fnLcdFont(15), kLcdInk);
}

// Tolerances: pictures 1–9 by colour or letter, 10–15 the IEC 60062 letters
// N Z S T Q Y, 16–19 blue, grey, green and violet on a capacitor of 10 pF or
// less (the same figures, in pF), 21 a code without a known letter. An
// asymmetric tolerance is written as its two deviations stacked, "+80" over
// "−20", followed by the unit. A code without a known letter shows the word
// for tolerance and a question mark.
using marking::TTolUnit;
static_assert(std::size(marking::MarkTolerances) == kTolCount);
// The texts as the marking decoder reads them, with the decimal point of the language.
QString fnTolNumber(std::string_view text, TLanguage language)
{
    QString number = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return language == TLanguage::Russian ? number.replace('.', ',') : number;
}

QString fnTolUnit(TTolUnit unit, TLanguage language)
{
    switch (unit) {
    case TTolUnit::Percent: return QStringLiteral("%");
    case TTolUnit::PicoFarad: return fnMarkWord(TMarkWord::PicoFarad, language);
    case TTolUnit::Unknown: return QStringLiteral("?");
    case TTolUnit::None: break;
    }
    return QString();
}
constexpr double kTolRight = 64.0; // right edge of the text in the piece
constexpr double kTolBaseline = 16.0;

// The tolerance stands right-aligned under the unit.
void prTolerance(QPainter& p, int t, TLanguage language)
{
    const marking::TMarkTolerance tt = marking::fnMarkTolerance(t);
    if (tt.unit == TTolUnit::None)
        return;
    const QFont font = fnLcdFont(13);
    const QString unit = fnTolUnit(tt.unit, language);
    const double unitLeft = std::round(kTolRight - fnTextWidth(unit, font));
    prTextAt(p, QPointF(unitLeft, kTolBaseline), unit, font, kLcdInk);
    const double gap = 3.0;
    if (tt.lower.empty()) {
        const QString value = !tt.upper.empty() ? fnTolNumber(tt.upper, language)
                                                : fnMarkWord(TMarkWord::Tolerance, language);
        prTextAt(p, QPointF(std::round(unitLeft - gap - fnTextWidth(value, font)), kTolBaseline), value, font, kLcdInk);
        return;
    }
    const QFont small = fnLcdFont(10);
    const QString upper = fnTolNumber(tt.upper, language);
    const QString lower = fnTolNumber(tt.lower, language);
    const double right = unitLeft - gap;
    prTextAt(p, QPointF(std::round(right - fnTextWidth(upper, small)), 9.0), upper, small, kLcdInk);
    prTextAt(p, QPointF(std::round(right - fnTextWidth(lower, small)), 20.0), lower, small, kLcdInk);
}

// The capacitor's extra band, black to white: the temperature coefficient
// of a class 1 ceramic dielectric as its group name, in 10⁻⁶/°C (МП0 = 0,
// М33 = −33 … М750 = −750, П30 = +30, П500 = +500).
const std::array<std::optional<TMarkWord>, kExtraCount> kExtraWord = {
    TMarkWord::GroupNP0,  TMarkWord::GroupN33,  TMarkWord::GroupN75,  TMarkWord::GroupN150,
    TMarkWord::GroupN220, TMarkWord::GroupN330, TMarkWord::GroupN470, TMarkWord::GroupN750,
    TMarkWord::GroupP30,  TMarkWord::GroupP500, std::nullopt,         std::nullopt,
};

void prExtraBand(QPainter& p, int e, TLanguage language)
{
    const std::optional<TMarkWord> word = kExtraWord[static_cast<std::size_t>(e - 1)];
    if (!word)
        return;
    const QString group = fnMarkWord(*word, language);
    // Aligned with the first digit: the piece starts 2 px left of the interior.
    const QFont label = fnLcdFont(10, false);
    const QString tke = fnMarkWord(TMarkWord::TempCoefficient, language);
    prTextAt(p, QPointF(10.0, 16.0), tke, label, kLcdInk);
    prTextAt(p, QPointF(std::round(10.0 + fnTextWidth(tke, label) + 3.0), 16.0), group, fnLcdFont(13), kLcdInk);
}

// ---------------------------------------------------------------- display window

void prResetKey(QPainter& p, const QRectF& key)
{
    p.save();
    QLinearGradient face(0, key.top(), 0, key.bottom());
    face.setColorAt(0.0, QColor(252, 251, 248));
    face.setColorAt(1.0, QColor(198, 194, 186));
    p.setPen(QPen(QColor(92, 94, 100), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(key, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(key.adjusted(1, 1, -1, -1), 3, 3);
    // A round arrow, turning clockwise: start over.
    const QPointF c = key.center();
    const double r = 5.5;
    const double start = 70.0; // degrees; the arrow's gap is at the upper right
    const QColor arrow(176, 42, 34);
    p.setPen(QPen(arrow, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), static_cast<int>(start * 16), 300 * 16);
    const double a = start * M_PI / 180.0;
    const QPointF end(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    const QPointF dir(std::sin(a), std::cos(a));
    const QPointF nrm(-dir.y(), dir.x());
    QPolygonF head;
    head << end + dir * 4.5 << end - dir * 0.5 + nrm * 3.4 << end - dir * 0.5 - nrm * 3.4;
    p.setPen(Qt::NoPen);
    p.setBrush(arrow);
    p.drawPolygon(head);
    p.restore();
}

void prDisplayWindow(QPainter& p)
{
    const QRectF face(0.5, 0.5, kWindowRect.width() - 1.0, kWindowRect.height() - 1.0);
    // Raised face in the page colour, so the page's label sits on it plainly.
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(132, 128, 120), 1.0));
    p.drawRoundedRect(face, 5, 5);
    p.setPen(QPen(ink::kHighlight, 1.0));
    p.drawRoundedRect(face.adjusted(1, 1, -1, -1), 4, 4);
    p.restore();

    // The LCD bezel and glass. The glass is flat LCD colour for 6 px round
    // the interior: the extra-band picture starts 2 px left of the interior
    // and must find plain glass there.
    const QRect glass = QRect(fnInWindow(kInteriorPlace), kInteriorRect.size()).adjusted(-6, -6, 6, 6);
    const QRectF bezel = QRectF(glass).adjusted(-7.5, -7.5, 7.5, 7.5);
    p.save();
    QLinearGradient frame(0, bezel.top(), 0, bezel.bottom());
    frame.setColorAt(0.0, QColor(58, 62, 70));
    frame.setColorAt(1.0, QColor(84, 88, 96));
    p.setPen(QPen(QColor(40, 42, 48), 1.0));
    p.setBrush(frame);
    p.drawRoundedRect(bezel, 6, 6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(glass, kLcd);
    // Inner shadow of the glass along its top and left edge.
    p.fillRect(QRect(glass.left(), glass.top(), glass.width(), 1), QColor(150, 162, 142));
    p.fillRect(QRect(glass.left(), glass.top(), 1, glass.height()), QColor(150, 162, 142));
    p.fillRect(QRect(glass.left() + 1, glass.top() + 1, glass.width() - 1, 1), QColor(178, 190, 168));
    p.fillRect(QRect(glass.left() + 1, glass.top() + 1, 1, glass.height() - 1), QColor(178, 190, 168));
    p.restore();

    // Reset key in the reset area (its hit test includes the far edges).
    const QPoint key = fnInWindow(kResetPlace.topLeft());
    prResetKey(p, QRectF(key.x() + 0.5, key.y() + 0.5, kResetPlace.width() - 1.0, kResetPlace.height() - 1.0));
    // A leader from the key's label to the key.
    const double labelMid = fnInWindow(QPoint(0, kResetLabelTop)).y() + kResetLabelHeight / 2.0;
    const double keyMid = key.x() + kResetPlace.width() / 2.0;
    const double labelEnd = fnInWindow(QPoint(kResetLabelRight, 0)).x() + 3.0;
    p.save();
    p.setPen(QPen(ink::kNote, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath leader;
    leader.moveTo(labelEnd, labelMid + 0.5);
    leader.lineTo(keyMid, labelMid + 0.5);
    leader.lineTo(keyMid, key.y() + kResetPlace.height() + 1.0);
    p.drawPath(leader);
    p.restore();
}

// ---------------------------------------------------------------- body 1

// Geometry of body 1 (body coordinates): a straight cylinder between two
// end caps; the cylinder's inside rows are exactly the band places' rows.
constexpr int kCylTop = 50;    // first inside row
constexpr int kCylBottom = 81; // last inside row
constexpr int kCylLeft = 58;
constexpr int kCylRight = 142;
constexpr double kCapOuter = 36.5;
constexpr double kCapInner = 63.5;
constexpr double kCapTop = 44.5;
constexpr double kCapBottom = 87.5;
constexpr double kLeadY = 66.0;
constexpr double kMirror = 200.0; // the body is symmetric about x = 100

static_assert(geo::fnBandOnBody(1).Left > kCapInner && geo::fnBandOnBody(kBands).Right - 1 < kMirror - kCapInner,
              "the band places lie on the straight section of body 1");
static_assert(geo::fnBandOnBody(1).Top == kCylTop && geo::fnBandOnBody(1).Bottom - 1 == kCylBottom,
              "a band covers the whole height of the body");

QPainterPath fnCapPath(bool left)
{
    QPainterPath path;
    const double x0 = left ? kCapOuter : kMirror - kCapInner;
    const double x1 = left ? kCapInner : kMirror - kCapOuter;
    path.addRoundedRect(QRectF(x0, kCapTop, x1 - x0, kCapBottom - kCapTop), 9, 12);
    return path;
}

// A lead 4 px thick, shaded row by row of device pixels.
void prLead(QPainter& p, double x0, double x1)
{
    const int scale = fnDeviceScale(p);
    const int rows = 4 * scale;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < rows; ++i) {
        const double y = static_cast<int>(kLeadY) - 2 + static_cast<double>(i) / scale;
        p.fillRect(QRectF(x0, y, x1 - x0, 1.0 / scale), fnCylinder(kTinned, (i + 0.5) / rows, true));
    }
    p.restore();
}

void prCap(QPainter& p, bool left)
{
    const QPainterPath cap = fnCapPath(left);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnCylinderGradient(kBodyBeige, kCapTop, kCapBottom, false));
    p.drawPath(cap);
    // The rounded end turns away from the light.
    const QRectF box = cap.boundingRect();
    QLinearGradient end(left ? box.left() : box.right(), 0, left ? box.left() + 10 : box.right() - 10, 0);
    end.setColorAt(0.0, QColor(80, 56, 24, 90));
    end.setColorAt(1.0, QColor(80, 56, 24, 0));
    p.setBrush(end);
    p.drawPath(cap);
    p.setPen(QPen(kBodyOutline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cap);
    p.restore();
}

// Body 1 with the given chart row on each band (kNoBandRow: bare body), in
// device pixels at `scale`.
QImage fnBodyOne(const std::array<int, kBands>& rows, int scale)
{
    QImage img = fnBlankPicture(kBodySize.width(), kBodySize.height(), scale);
    QPainter p;
    prBeginPainter(p, img, scale);

    prLead(p, 4.0, kCapOuter + 2.0);
    prLead(p, kMirror - kCapOuter - 2.0, kMirror);

    // Cylinder: device pixel by device pixel, so a band is shaded exactly
    // like the body; bands take whole picture pixels.
    for (int yd = kCylTop * scale; yd < (kCylBottom + 1) * scale; ++yd) {
        const double t = ((yd + 0.5) / scale - kCylTop) / (kCylBottom - kCylTop + 1);
        const QColor body = fnCylinder(kBodyBeige, t, false);
        for (int xd = kCylLeft * scale; xd < (kCylRight + 1) * scale; ++xd) {
            const int x = xd / scale;
            QColor c = body;
            for (int k = 1; k <= kBands; ++k) {
                const QRect place = fnBandPlace(k);
                const int row = rows[static_cast<std::size_t>(k - 1)];
                if (row != kNoBandRow && x >= place.left() + kBandMarginLeft && x <= place.right() - kBandMarginRight) {
                    const TRowColour& rc = kRowColour[static_cast<std::size_t>(row - 1)];
                    c = fnCylinder(rc.colour, t, rc.metallic);
                }
            }
            img.setPixelColor(xd, yd, c);
        }
    }
    // Outline rows just outside the band places.
    prLine(p, QPointF(kCylLeft, kCylTop - 0.5), QPointF(kCylRight + 1.0, kCylTop - 0.5), kBodyOutline);
    prLine(p, QPointF(kCylLeft, kCylBottom + 1.5), QPointF(kCylRight + 1.0, kCylBottom + 1.5), kBodyOutline);
    prCap(p, true);
    prCap(p, false);

    // Band numbers above the band places.
    const QFont font = fnFont(9);
    for (int k = 1; k <= kBands; ++k) {
        const QRect place = fnBandPlace(k);
        const double mid = place.left() + (kBandMarginLeft + place.width() - kBandMarginRight) / 2.0;
        const QString n = QString::number(k);
        prTextAt(p, QPointF(std::round(mid - fnTextWidth(n, font) / 2.0), kCapTop - 4.0), n, font, ink::kNote);
    }
    p.end();
    return img;
}

// ---------------------------------------------------------------- body 2

// A code field printed on a body, with a small "code" over it in the body's
// print colour.
void prCodeField(QPainter& p, const QRect& field, const QColor& print, TLanguage language)
{
    prFieldBox(p, field, ink::kInputBack);
    const QFont hint = fnFont(9);
    const QString code = fnMarkWord(TMarkWord::Code, language);
    prTextAt(p, QPointF(std::round(field.center().x() + 0.5 - fnTextWidth(code, hint) / 2.0), field.top() - 4.0), code,
             hint, print);
}

constexpr QPointF kDiscCentre(116.0, 70.0);
constexpr double kDiscRadius = 46.0;
constexpr std::array<double, 2> kDiscLeadX = {108.0, 124.0};
constexpr double kDiscLeadEnd = 131.0;

// A dipped ceramic disc seen face on: a flat face, a rounded rim.
void prDiscFace(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient face(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    face.setColorAt(0.0, QColor(228, 140, 74));
    face.setColorAt(0.5, kDisc);
    face.setColorAt(1.0, QColor(184, 96, 40));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
    QRadialGradient rim(c, r);
    rim.setColorAt(0.0, QColor(110, 50, 16, 0));
    rim.setColorAt(0.84, QColor(110, 50, 16, 0));
    rim.setColorAt(1.0, QColor(110, 50, 16, 150));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    QRadialGradient sheen(c + QPointF(-0.38 * r, -0.42 * r), 0.55 * r);
    sheen.setColorAt(0.0, QColor(255, 226, 190, 110));
    sheen.setColorAt(1.0, QColor(255, 226, 190, 0));
    p.setBrush(sheen);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(104, 48, 18), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.restore();
}

// A tinned lead running down from y0 to y1, with a rounded end.
void prWireDown(QPainter& p, double x, double y0, double y1, double width)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnWireGradientX(kTinned, x - width / 2.0, x + width / 2.0));
    p.drawRoundedRect(QRectF(x - width / 2.0, y0, width, y1 - y0), width / 2.0, width / 2.0);
    p.restore();
}

void prDiscBody(QPainter& p, TLanguage language)
{
    const double bottom = kDiscCentre.y() + kDiscRadius;
    for (const double x : kDiscLeadX)
        prWireDown(p, x, bottom - 10.0, kDiscLeadEnd, 3.0);
    // The dipped coating runs a little way down each lead.
    p.save();
    p.setPen(Qt::NoPen);
    for (const double x : kDiscLeadX) {
        QPainterPath neck;
        neck.moveTo(x - 5.0, bottom - 3.0);
        neck.cubicTo(x - 2.5, bottom, x - 2.0, bottom + 2.0, x - 2.0, bottom + 4.0);
        neck.lineTo(x + 2.0, bottom + 4.0);
        neck.cubicTo(x + 2.0, bottom + 2.0, x + 2.5, bottom, x + 5.0, bottom - 3.0);
        neck.closeSubpath();
        QLinearGradient g(x - 3.0, 0, x + 3.0, 0);
        g.setColorAt(0.0, kDiscRim);
        g.setColorAt(0.4, QColor(190, 100, 44));
        g.setColorAt(1.0, kDiscRim);
        p.setBrush(g);
        p.drawPath(neck);
    }
    p.restore();
    prDiscFace(p, kDiscCentre, kDiscRadius);

    // The printed code: the page's code field.
    prCodeField(p, kCapCodeField, QColor(92, 40, 12), language);

    // The tolerance letter printed after the code: the page's letter list.
    prFieldBox(p, kCapLetterList, ink::kInputBack);
    const QPointF letterAt(kCapCodeField.right() + 5.0, kCapCodeField.center().y() + 0.5);
    const double shoulderY = kCapLetterList.center().y() + 0.5;
    p.save();
    p.setPen(QPen(ink::kDimension, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath leader;
    leader.moveTo(kCapLetterList.left() - 2.0, shoulderY);
    leader.lineTo(letterAt.x() + 9.0, shoulderY);
    leader.lineTo(letterAt);
    p.drawPath(leader);
    p.restore();
    prDot(p, letterAt, 1.8, ink::kDimension);
    const QString tol = fnMarkWord(TMarkWord::Tolerance, language);
    const QFont note = fnFont(11);
    prTextAt(p,
             QPointF(std::round(kCapLetterList.right() + 1.0 - fnTextWidth(tol, note)), kCapLetterList.bottom() + 14.0),
             tol, note, ink::kNote);
}

QPen fnGhostPen() { return QPen(kGhost, 1.0, Qt::DashLine, Qt::FlatCap); }

// The capacitor's place when no capacitor applies: its outline only.
void prDiscGhost(QPainter& p)
{
    p.save();
    p.setPen(fnGhostPen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kDiscCentre, kDiscRadius, kDiscRadius);
    for (const double x : kDiscLeadX)
        p.drawLine(QLineF(x, kDiscCentre.y() + kDiscRadius + 3.0, x, kDiscLeadEnd));
    p.restore();
}

// ---------------------------------------------------------------- body 3

// SMD chip resistor on its pads: seen from above (the page's code field is
// printed on its coat) and, above that, from the side.
constexpr QRectF kChip(9.0, 82.0, 110.0, 44.0);
constexpr double kChipEnd = 20.0;
constexpr double kPadOver = 5.0;  // how far a pad reaches beyond the chip
constexpr double kSideTop = 40.0; // side view: top of the coat
constexpr double kBoardTop = 58.0;

const QColor kPadCopper(212, 136, 78);
const QColor kPadEdge(140, 76, 34);
const QColor kCeramic(238, 236, 228);
const QColor kBoard(78, 128, 88);

QLinearGradient fnTinGradient(double top, double bottom)
{
    QLinearGradient tin(0, top, 0, bottom);
    tin.setColorAt(0.0, QColor(240, 242, 244));
    tin.setColorAt(0.5, QColor(198, 202, 208));
    tin.setColorAt(1.0, QColor(150, 154, 162));
    return tin;
}

void prSmdSideView(QPainter& p)
{
    p.save();
    // Board edge with the two pads on it.
    p.setPen(Qt::NoPen);
    p.setBrush(kBoard);
    p.drawRect(QRectF(0.0, kBoardTop, kChip.right() + 12.0, 5.0));
    p.setBrush(kPadCopper);
    p.drawRect(QRectF(kChip.left() - kPadOver, kBoardTop - 2.0, kChipEnd + 2 * kPadOver, 2.0));
    p.drawRect(QRectF(kChip.right() - kChipEnd - kPadOver, kBoardTop - 2.0, kChipEnd + 2 * kPadOver, 2.0));
    // Solder fillets from the pads up the end faces.
    p.setBrush(QColor(184, 188, 194));
    for (const bool left : {true, false}) {
        const double face = left ? kChip.left() : kChip.right();
        const double out = left ? -kPadOver : kPadOver;
        QPainterPath fillet;
        fillet.moveTo(face, kSideTop + 6.0);
        fillet.quadTo(face + out * 0.3, kBoardTop - 5.0, face + out, kBoardTop - 2.0);
        fillet.lineTo(face, kBoardTop - 2.0);
        fillet.closeSubpath();
        p.drawPath(fillet);
    }
    // Ceramic substrate, the coat on top and the tinned ends.
    const double bodyTop = kSideTop + 2.0;
    const double bodyBottom = kBoardTop - 3.0;
    p.setPen(QPen(QColor(60, 60, 64), 1.0));
    p.setBrush(kCeramic);
    p.drawRect(QRectF(kChip.left() + 0.5, bodyTop + 0.5, kChip.width() - 1.0, bodyBottom - bodyTop - 1.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawRect(QRectF(kChip.left() + kChipEnd, kSideTop, kChip.width() - 2 * kChipEnd, 2.5));
    for (const bool left : {true, false}) {
        const QRectF end(left ? kChip.left() + 0.5 : kChip.right() - kChipEnd - 0.5, kSideTop + 0.5, kChipEnd,
                         bodyBottom - kSideTop);
        p.setPen(QPen(QColor(104, 108, 116), 1.0));
        p.setBrush(fnTinGradient(end.top(), end.bottom()));
        p.drawRoundedRect(end, 2.5, 2.5);
    }
    p.restore();
}

void prSmdTopView(QPainter& p)
{
    p.save();
    // Copper pads of the board.
    QLinearGradient pad(0, kChip.top() - kPadOver, 0, kChip.bottom() + kPadOver);
    pad.setColorAt(0.0, QColor(228, 156, 100));
    pad.setColorAt(1.0, QColor(186, 110, 58));
    p.setPen(QPen(kPadEdge, 1.0));
    p.setBrush(pad);
    for (const double x : {kChip.left() - kPadOver, kChip.right() - kChipEnd - kPadOver})
        p.drawRoundedRect(QRectF(x + 0.5, kChip.top() - kPadOver + 0.5, kChipEnd + 2 * kPadOver - 1.0,
                                 kChip.height() + 2 * kPadOver - 1.0),
                          2, 2);
    // Ceramic substrate, then the tinned ends and the black coat.
    p.setPen(QPen(QColor(60, 60, 64), 1.0));
    p.setBrush(kCeramic);
    p.drawRect(kChip.adjusted(0.5, 0.5, -0.5, -0.5));
    for (const bool left : {true, false}) {
        const QRectF end = left ? QRectF(kChip.left() + 0.5, kChip.top() + 0.5, kChipEnd, kChip.height() - 1)
                                : QRectF(kChip.right() - kChipEnd - 0.5, kChip.top() + 0.5, kChipEnd,
                                         kChip.height() - 1);
        p.setBrush(fnTinGradient(end.top(), end.bottom()));
        p.setPen(QPen(QColor(104, 108, 116), 1.0));
        p.drawRoundedRect(end, 2.5, 2.5);
    }
    const QRectF coat(kChip.left() + kChipEnd + 2.0, kChip.top() + 2.0, kChip.width() - 2 * kChipEnd - 4.0,
                      kChip.height() - 4.0);
    QLinearGradient black(0, coat.top(), 0, coat.bottom());
    black.setColorAt(0.0, QColor(58, 58, 62));
    black.setColorAt(1.0, QColor(22, 22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawRoundedRect(coat, 1.5, 1.5);
    p.restore();
}

void prSmdBody(QPainter& p, TLanguage language)
{
    prSmdSideView(p);
    prSmdTopView(p);
    prCodeField(p, kSmdCodeField, QColor(214, 214, 210), language);
}

// The SMD place when no SMD resistor applies: the chip's outline only.
void prSmdGhost(QPainter& p)
{
    p.save();
    p.setPen(fnGhostPen());
    p.setBrush(Qt::NoBrush);
    p.drawRect(kChip.adjusted(0.5, 0.5, -0.5, -0.5));
    for (const double x : {kChip.left() + kChipEnd + 0.5, kChip.right() - kChipEnd - 0.5})
        p.drawLine(QLineF(x, kChip.top() + 1.0, x, kChip.bottom() - 1.0));
    p.restore();
}

// ---------------------------------------------------------------- icons

void prIconResistor(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnCylinderGradient(kTinned, 15.0, 17.0, true));
    p.drawRect(QRectF(1, 15, 30, 2));
    p.restore();
    const QRectF body(5.5, 9.5, 21, 13);
    p.save();
    p.setPen(QPen(kBodyOutline, 1.0));
    p.setBrush(fnCylinderGradient(kBodyBeige, body.top(), body.bottom(), false));
    p.drawRoundedRect(body, 4, 4);
    p.restore();
    // Yellow, violet, red, gold: 4.7 kΩ ±5 %.
    const std::array<std::pair<double, int>, 4> bands = {{{9.0, 7}, {12.5, 10}, {16.0, 5}, {21.0, 2}}};
    for (const auto& [x, row] : bands) {
        const TRowColour& rc = kRowColour[static_cast<std::size_t>(row - 1)];
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(fnCylinderGradient(rc.colour, body.top(), body.bottom(), rc.metallic));
        p.drawRect(QRectF(x, body.top() + 0.5, 2.2, body.height() - 1.0));
        p.restore();
    }
}

void prIconCapacitor(QPainter& p)
{
    for (const double x : {12.5, 19.5})
        prWireDown(p, x, 16.0, 31.0, 2.0);
    prDiscFace(p, QPointF(16.0, 12.0), 10.5);
}

void prIconInductor(QPainter& p)
{
    // A ferrite rod with five turns of copper wire.
    prLine(p, QPointF(1, 16), QPointF(8, 16), ink::kCopperSide, 1.6);
    prLine(p, QPointF(24, 16), QPointF(31, 16), ink::kCopperSide, 1.6);
    const QRectF rod(3.5, 11.5, 25, 9);
    p.save();
    p.setPen(QPen(QColor(36, 38, 42), 1.0));
    p.setBrush(fnCylinderGradient(QColor(96, 98, 104), rod.top(), rod.bottom(), true));
    p.drawRoundedRect(rod, 1.5, 1.5);
    p.restore();
    for (int i = 0; i < 5; ++i) {
        const double x = 7.5 + 4.0 * i;
        prLine(p, QPointF(x, 8.5), QPointF(x + 2.0, 23.5), ink::kCopperHatch, 2.8);
        prLine(p, QPointF(x, 8.5), QPointF(x + 2.0, 23.5), ink::kCopper, 1.6);
        prLine(p, QPointF(x - 0.3, 10.0), QPointF(x + 0.4, 14.5), ink::kCopperTop, 0.8);
    }
}

// ---------------------------------------------------------------- sheet

QImage fnSheet(const TVariant& variant)
{
    const TLanguage language = variant.language;
    const int scale = variant.scale;
    QImage img = fnBlankPicture(geo::SheetWidth, geo::SheetHeight, scale);
    QPainter p;
    prBeginPainter(p, img, scale);

    for (int n = 1; n <= kSwatchCount; ++n) {
        prPiece(p, fnSwatchRect(n), ink::kPageBack, [n](QPainter& q) {
            if (n <= kChartRows)
                prSwatch(q, n, false);
            else if (n == kSwatchLocked)
                prSwatchLocked(q);
            else if (n > kSwatchChosen && n <= kSwatchChosen + kChartRows)
                prSwatch(q, n - kSwatchChosen, true);
        });
    }
    for (int j = 1; j <= kBandNumberCount; ++j) {
        prPiece(p, fnBandNumberRect(j), ink::kPageBack, [j](QPainter& q) {
            prText(q, QRectF(0, 0, 15, 15), Qt::AlignCenter, QString::number(j), ink::kText, fnFont(11, true));
        });
    }
    prPiece(p, kIconRect[0], ink::kPageBack, prIconResistor);
    prPiece(p, kIconRect[1], ink::kPageBack, prIconCapacitor);
    prPiece(p, kIconRect[2], ink::kPageBack, prIconInductor);

    prPiece(p, kWindowRect, ink::kPageBack, prDisplayWindow);
    for (int g = 0; g < kGlyphCount; ++g)
        prPiece(p, fnGlyphRect(g), kLcd, [g](QPainter& q) { prGlyph(q, g); });
    prPiece(p, kPointRect, kLcd, prPoint);
    for (int u = 1; u <= kUnitCount; ++u)
        prPiece(p, fnUnitRect(u), kLcd, [u, language](QPainter& q) { prUnit(q, u, language); });
    for (int t = 1; t <= kTolCount; ++t)
        prPiece(p, fnTolRect(t), kLcd, [t, language](QPainter& q) { prTolerance(q, t, language); });
    for (int e = 1; e <= kExtraCount; ++e)
        prPiece(p, fnExtraRect(e), kLcd, [e, language](QPainter& q) { prExtraBand(q, e, language); });

    std::array<int, kBands> bare;
    bare.fill(kNoBandRow);
    const QImage body1 = fnBodyOne(bare, scale);
    prDeviceImage(p, fnBodyRect(geo::BodyBanded).topLeft(), body1);
    for (int k = 1; k <= kBands; ++k) {
        const QRect band = fnBandPlace(k);
        for (int r = 1; r <= kChartRows; ++r) {
            std::array<int, kBands> rows = bare;
            rows[static_cast<std::size_t>(k - 1)] = r;
            prDeviceImage(p, fnSliceRect(k, r).topLeft(),
                          fnBodyOne(rows, scale).copy(QRect(band.topLeft() * scale, band.size() * scale)));
        }
    }
    prPiece(p, fnBodyRect(geo::BodyDisc), ink::kPageBack, [language](QPainter& q) { prDiscBody(q, language); });
    prPiece(p, fnBodyRect(geo::BodyChip), ink::kPageBack, [language](QPainter& q) { prSmdBody(q, language); });
    prPiece(p, fnBodyRect(geo::BodyDiscOutline), ink::kPageBack, prDiscGhost);
    prPiece(p, fnBodyRect(geo::BodyChipOutline), ink::kPageBack, prSmdGhost);
    p.end();
    return img;
}

} // namespace

QImage fnDrawColorMarkSheet(const TVariant& variant) { return fnSheet(variant); }

QList<TWordPair> fnColorMarkWords() { return fnWordList(kWords); }

QList<TFieldPlace> fnColorMarkOverlay(TLanguage language)
{
    QList<TFieldPlace> out;
    auto add = [&out](const QString& name, const QRect& r) { out.push_back({name, r}); };
    for (int n = 1; n <= kSwatchCount; ++n)
        add(QStringLiteral("swatch %1").arg(n), fnSwatchRect(n));
    for (int j = 1; j <= kBandNumberCount; ++j)
        add(QStringLiteral("band number %1").arg(j), fnBandNumberRect(j));
    add(QStringLiteral("icon resistor"), kIconRect[0]);
    add(QStringLiteral("icon capacitor"), kIconRect[1]);
    add(QStringLiteral("icon inductor"), kIconRect[2]);
    for (int g = 0; g < kGlyphCount; ++g)
        add(QStringLiteral("digit %1").arg(g), fnGlyphRect(g));
    add(QStringLiteral("decimal point"), kPointRect);
    for (int u = 1; u <= kUnitCount; ++u)
        add(QStringLiteral("unit %1").arg(u), fnUnitRect(u));
    for (int t = 1; t <= kTolCount; ++t)
        add(QStringLiteral("tolerance %1").arg(t), fnTolRect(t));
    for (int e = 1; e <= kExtraCount; ++e)
        add(QStringLiteral("extra band %1").arg(e), fnExtraRect(e));
    add(QStringLiteral("display window"), kWindowRect);
    add(QStringLiteral("display interior"), kInteriorRect);
    for (int k = 1; k <= kBands; ++k)
        for (int r = 1; r <= kChartRows; ++r)
            add(QStringLiteral("band slice %1/%2").arg(k).arg(r), fnSliceRect(k, r));
    for (int b = 1; b <= kBodyCount; ++b)
        add(QStringLiteral("body %1").arg(b), fnBodyRect(b));

    // Widgets and shown pieces inside the display window, in sheet coordinates.
    const QPoint window = kWindowRect.topLeft();
    add(QStringLiteral("reset area"), QRect(window + fnInWindow(kResetPlace.topLeft()), kResetPlace.size()));
    const double labelWidth = fnTextWidth(fnMarkWord(TMarkWord::Reset, language), fnFont(11));
    const int labelLeft = kResetLabelRight - static_cast<int>(std::ceil(labelWidth));
    add(QStringLiteral("label reset"), QRect(window + fnInWindow(QPoint(labelLeft, kResetLabelTop)),
                                             QSize(kResetLabelRight - labelLeft, kResetLabelHeight)));
    add(QStringLiteral("shown unit"), QRect(window + fnInWindow(kUnitPlace), fnUnitRect(1).size()));
    add(QStringLiteral("shown tolerance"), QRect(window + fnInWindow(kTolPlace), fnTolRect(1).size()));
    add(QStringLiteral("shown extra band"), QRect(window + fnInWindow(kExtraPlace), fnExtraRect(1).size()));
    add(QStringLiteral("first digit"), QRect(window + fnInWindow(kDigitPlace), fnGlyphRect(0).size()));

    // The code fields and the letter list over bodies 2 and 3.
    add(QStringLiteral("editCap102"), kCapCodeField.translated(fnBodyRect(geo::BodyDisc).topLeft()));
    add(QStringLiteral("cbCap104M"), kCapLetterList.translated(fnBodyRect(geo::BodyDisc).topLeft()));
    add(QStringLiteral("editSMDres"), kSmdCodeField.translated(fnBodyRect(geo::BodyChip).topLeft()));
    return out;
}

} // namespace picturegen
