// The formulas page's sheet (600 x 510): typeset formulas, the LC tank, the
// three element combinations, the horizontal throw and the symbol icons that
// stand left of every input slot.
//
// The page copies pieces of this sheet, unscaled and opaque, into its formula
// area and lays its edit boxes, unit lists and result labels around (and, for
// the element combinations, over) them. Every piece is drawn inside its own
// rectangle only; the rest of the sheet is never shown.
#include "Drawing.h"
#include "Sheets.h"

#include "calculators/Formulas/FormulasGeometry.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace picturegen {

namespace {

namespace geo = formulas::geometry;

// ---------------------------------------------------------------- words

// The words of the sheet, Russian and English side by side: the subscript of
// the series connection's value (R_ser = R1 + R2 + … + R8).
enum class TFormulasWord { SeriesSubscript, Count };
constexpr auto kWords = std::to_array<TWordRow<TFormulasWord>>({
    {TFormulasWord::SeriesSubscript, {"посл", "ser"}},
});
static_assert(fnWordsInOrder(kWords));

// ---------------------------------------------------------------- pieces

// A piece of the sheet and the place in the formula area where the page
// copies it, from the geometry it shares with the page.
struct TPiece {
    const char* name;
    QRect sheet;
    QPoint dest;
};

TPiece fnPiece(const char* name, const geo::TPicture& picture)
{
    return {name, fnQRect(picture.piece), fnQPoint(picture.place)};
}

const TPiece kLcFormula = fnPiece("101 formula", geo::LcFormula);
const TPiece kLcTank = fnPiece("101 tank", geo::LcTank);
const TPiece kWaveResults = fnPiece("102 results", geo::WaveResults);
const TPiece kWaveFormula = fnPiece("102 formula", geo::WaveFormula);
const TPiece kQualityFormula = fnPiece("103 formula", geo::QualityFormula);
const TPiece kResistors = fnPiece("201 resistors", geo::Parts[0]);
const TPiece kInductors = fnPiece("202 inductors", geo::Parts[1]);
const TPiece kCapacitors = fnPiece("203 capacitors", geo::Parts[2]);
const TPiece kThrow = fnPiece("301 throw", geo::Throw);

// The icon left of a slot, copied to the field's top-left corner + IconOffset.
struct TIcon {
    const char* symbol; // UTF-8
    char sub;           // subscript digit, or 0
    QRect rect;
};

const QSize kIconSize(geo::IconWidth, geo::IconHeight);

// The single quantities' symbols, then R1..R8, L1..L8 and C1..C8.
QList<TIcon> fnIcons()
{
    QList<TIcon> icons = {
        {"F", 0, fnQRect(geo::IconF)}, {"C", 0, fnQRect(geo::IconC)},      {"L", 0, fnQRect(geo::IconL)},
        {"v", 0, fnQRect(geo::IconV)}, {"λ", 0, fnQRect(geo::IconLambda)}, {"T", 0, fnQRect(geo::IconT)},
        {"Q", 0, fnQRect(geo::IconQ)}, {"R", 0, fnQRect(geo::IconR)},      {"s", 0, fnQRect(geo::IconS)},
        {"h", 0, fnQRect(geo::IconH)}, {"m", 0, fnQRect(geo::IconM)},      {"E", 0, fnQRect(geo::IconE)},
    };
    const char* const partSymbols[geo::PartKinds] = {"R", "L", "C"};
    for (int kind = 0; kind < geo::PartKinds; ++kind)
        for (int k = 0; k < geo::PartCount; ++k)
            icons.push_back({partSymbols[kind], static_cast<char>('1' + k),
                             fnQRect(geo::PartIcons[static_cast<std::size_t>(kind)][static_cast<std::size_t>(k)])});
    return icons;
}

// ---------------------------------------------------------------- widgets

// What the page puts into the formula area, in area coordinates.
const QSize kEditSize(geo::FieldWidth, geo::FieldHeight);
const QSize kComboSize(geo::UnitListWidth, 21); // the kit's list height
const QPoint kIconFromEdit = fnQPoint(geo::IconOffset);
constexpr QSize kResultSize(80, 14); // room for " = 1,2345 кГц"

struct TAreaWidget {
    const char* name;
    QRect rect;
};

struct TFormulaPlaces {
    int id;
    QList<const TPiece*> pieces;
    QList<QPoint> edits;       // edit box top-left per slot
    QList<TAreaWidget> others; // result labels
};

// Result labels of the combinations: the sum and the reciprocal sum.
const QPoint kSumLabel = fnQPoint(geo::SumLabel);
const QPoint kReciprocalLabel = fnQPoint(geo::ReciprocalLabel);

template <std::size_t Count>
QList<QPoint> fnQPoints(const std::array<TPoint, Count>& points)
{
    QList<QPoint> out;
    for (const TPoint& point : points)
        out.push_back(fnQPoint(point));
    return out;
}

// The velocity field of the wave relations stands under the page's note,
// away from every piece, and is left out.
QList<TFormulaPlaces> fnFormulaPlaces()
{
    const QList<QPoint> combination = fnQPoints(geo::PartFields);
    const QList<TAreaWidget> combinationResults = {{"sum", QRect(kSumLabel, kResultSize)},
                                                   {"reciprocal sum", QRect(kReciprocalLabel, kResultSize)}};
    QList<TAreaWidget> wave;
    for (const TPoint& label : geo::WaveResultLabels)
        wave.push_back({"result", QRect(fnQPoint(label), kResultSize)});
    return {
        {101, {&kLcTank, &kLcFormula}, fnQPoints(geo::ResonanceFields), {}},
        {102, {&kWaveResults, &kWaveFormula}, fnQPoints(geo::WaveFields), wave},
        {103, {&kQualityFormula}, fnQPoints(geo::QualityFields), {}},
        {201, {&kResistors}, combination, combinationResults},
        {202, {&kInductors}, combination, combinationResults},
        {203, {&kCapacitors}, combination, combinationResults},
        {301, {&kThrow}, fnQPoints(geo::ThrowFields), {}},
    };
}

// A place in the formula area seen on a piece, in piece coordinates.
QPoint fnOnPiece(const TPiece& piece, QPoint areaPoint) { return areaPoint - piece.dest; }

// ---------------------------------------------------------------- colours

const QColor kWireInk = ink::kOutline;
const QColor kPathInk(92, 96, 104);   // the dashed flight path
const QColor kVectorInk(150, 42, 30); // the velocity arrow
const QColor kGroundInk(120, 114, 104);

// ---------------------------------------------------------------- typesetting

constexpr int kMathSize = 15; // formulas, px
constexpr int kLeadSize = 12; // lead-ins before result labels, px

// A run of formula text in one face: italic for quantities, upright for
// digits, operators and π.
struct TRun {
    QString text;
    bool italic = false;
    int size = kMathSize;
    double rise = 0;           // baseline shift up (exponents), px
    double after = 0;          // extra room after the run, px
    double before = 0;         // extra room before the run, px
    bool parallelMark = false; // "∥" drawn as two strokes: the font's glyph blurs
};
using TRuns = QList<TRun>;

TRun fnSym(const QString& s, int size = kMathSize, double after = 1.0) { return {s, true, size, 0, after}; }
TRun fnUp(const QString& s, int size = kMathSize, double after = 0.0) { return {s, false, size, 0, after}; }
// An operator with a quarter em on both sides; `closing` leaves the room
// after it out (a lead-in ends there and the page's label follows).
TRun fnOp(const QString& s, int size = kMathSize, bool closing = false)
{
    const double room = size / 4.0;
    return {s, false, size, 0, closing ? 0.0 : room, room};
}

QFont fnRunFont(const TRun& r) { return fnFont(r.size, false, r.italic); }

constexpr double kParallelMarkWidth = 6.0;

double fnRunAdvance(const TRun& r)
{
    return r.parallelMark ? kParallelMarkWidth : QFontMetricsF(fnRunFont(r)).horizontalAdvance(r.text);
}

double fnRunsWidth(const TRuns& runs)
{
    double w = 0;
    for (const TRun& r : runs)
        w += r.before + fnRunAdvance(r) + r.after;
    return w;
}

// Draws the runs from `left` on `baseline`; returns the x where they end.
double prRuns(QPainter& p, const TRuns& runs, double left, double baseline, const QColor& c = ink::kText)
{
    p.save();
    p.setPen(c);
    double x = left;
    for (const TRun& r : runs) {
        x += r.before;
        if (r.parallelMark) {
            // Two strokes as tall as a capital, from the baseline up.
            const int cap = static_cast<int>(std::round(QFontMetricsF(fnRunFont(r)).capHeight()));
            const int bottom = static_cast<int>(std::round(baseline - r.rise)) - 1;
            const int stroke = static_cast<int>(std::round(x)) + 1;
            p.save();
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRect(stroke, bottom - cap + 1, 1, cap + 1), c);
            p.fillRect(QRect(stroke + 3, bottom - cap + 1, 1, cap + 1), c);
            p.restore();
        } else {
            p.setFont(fnRunFont(r));
            p.drawText(QPointF(x, baseline - r.rise), r.text);
        }
        x += fnRunAdvance(r) + r.after;
    }
    p.restore();
    return x;
}

// Height of the middle of "=" above the baseline, as the glyph is really
// rendered (hinting moves its bars): the fraction bar sits there.
double fnMathAxis(int size)
{
    QImage probe(40, 40, QImage::Format_RGB32);
    probe.fill(Qt::white);
    const int baseline = 30;
    {
        QPainter p;
        prBeginPainter(p, probe);
        p.setPen(Qt::black);
        p.setFont(fnFont(size));
        p.drawText(QPointF(5, baseline), QStringLiteral("="));
    }
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < probe.height(); ++y) {
        for (int x = 0; x < probe.width(); ++x) {
            if (qGray(probe.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? size * 0.3 : baseline - (top + bottom + 1) / 2.0;
}

double fnCapHeight(int size) { return QFontMetricsF(fnFont(size)).capHeight(); }

// A crisp horizontal rule over pixel columns x0..x1 on pixel row y.
void prRule(QPainter& p, int x0, int x1, int y, const QColor& c = ink::kText)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(x0, y, x1 - x0 + 1, 1), c);
    p.restore();
}

// A fraction is as wide as its wider part plus 2 px of bar on each side.
double fnFractionWidth(const TRuns& num, const TRuns& den)
{
    return std::ceil(std::max(fnRunsWidth(num), fnRunsWidth(den))) + 4.0;
}

// A fraction whose bar lies on pixel row `barRow`, numerator and denominator
// centred on it and 3 px clear of it.
void prFraction(QPainter& p, double left, int barRow, const TRuns& num, const TRuns& den)
{
    const double w = fnFractionWidth(num, den);
    const int size = num.isEmpty() ? kMathSize : num.first().size;
    prRule(p, static_cast<int>(left), static_cast<int>(left + w) - 1, barRow);
    prRuns(p, num, std::round(left + (w - fnRunsWidth(num)) / 2.0), barRow - 3);
    prRuns(p, den, std::round(left + (w - fnRunsWidth(den)) / 2.0), barRow + 4 + std::round(fnCapHeight(size)));
}

// Room a radical sign takes left of its content, px.
constexpr double kRadicalRoom = 10.0;

// A radical sign whose bar runs on pixel row `barRow` over `width` px of
// content starting at `contentLeft`; the stem reaches down to `bottom`.
void prRadical(QPainter& p, double contentLeft, double width, int barRow, double bottom)
{
    const double x0 = contentLeft - kRadicalRoom;
    const double mid = bottom - (bottom - barRow) * 0.42;
    QPainterPath sign;
    sign.moveTo(x0, mid + 1.5);
    sign.lineTo(x0 + 2.2, mid);
    sign.lineTo(x0 + 5.2, bottom);
    sign.lineTo(x0 + 8.8, barRow + 0.5);
    p.save();
    p.setPen(QPen(ink::kText, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
    // The stroke from the tick down is the heavy one, as in print.
    p.setPen(QPen(ink::kText, 1.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(x0 + 2.4, mid + 0.2, x0 + 5.1, bottom - 0.6));
    p.restore();
    prRule(p, static_cast<int>(x0 + 8.5), static_cast<int>(contentLeft + width + 1.0), barRow);
}

// ---------------------------------------------------------------- schematics

// Wires run through pixel centres; (x, y) names a pixel.
void prWire(QPainter& p, QPoint a, QPoint b)
{
    p.save();
    p.setPen(QPen(kWireInk, 1.0, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QLineF(a.x() + 0.5, a.y() + 0.5, b.x() + 0.5, b.y() + 0.5));
    p.restore();
}

void prJunction(QPainter& p, QPoint at)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kWireInk);
    p.drawEllipse(QPointF(at.x() + 0.5, at.y() + 0.5), 2.2, 2.2);
    p.restore();
}

void prTerminal(QPainter& p, QPoint at)
{
    p.save();
    p.setPen(QPen(kWireInk, 1.0));
    p.setBrush(ink::kPageBack);
    p.drawEllipse(QPointF(at.x() + 0.5, at.y() + 0.5), 2.5, 2.5);
    p.restore();
}

// Three dots in a row (along `step`) meaning "and so on up to the eighth".
void prEllipsis(QPainter& p, QPointF centre, QPointF step)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kWireInk);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(centre + step * i, 1.1, 1.1);
    p.restore();
}

enum class TElement { Resistor, Inductor, Capacitor };

struct TElementShape {
    int length; // along the wire, px
    int reach;  // to each side of the wire, px
};

TElementShape fnShape(TElement e)
{
    switch (e) {
    case TElement::Resistor: return {24, 4};
    case TElement::Inductor: return {32, 4};
    case TElement::Capacitor: return {7, 7};
    }
    return {0, 0};
}

// An element on a wire through pixel `start` (its first pixel along the
// wire), running right, or down when `down`; the wire is not drawn through
// it. A coil bulges up from a horizontal wire and right of a vertical one.
void prElement(QPainter& p, TElement e, QPoint start, bool down)
{
    const int len = fnShape(e).length;
    p.save();
    // Quarter turns keep whole pixels whole: pixel (u, v) of the horizontal
    // drawing lands on pixel (start.x - v, start.y + u).
    if (down) {
        p.translate(start.x() + 1, start.y());
        p.rotate(90);
    } else {
        p.translate(start);
    }
    switch (e) {
    case TElement::Resistor:
        p.setPen(QPen(kWireInk, 1.0));
        p.setBrush(ink::kPageBack);
        p.drawRect(QRectF(0.5, -4 + 0.5, len - 1, 8));
        break;
    case TElement::Inductor: {
        // Four turns.
        QPainterPath turns;
        const double turn = (len - 1) / 4.0;
        turns.moveTo(0.5, 0.5);
        for (int i = 0; i < 4; ++i)
            turns.arcTo(QRectF(0.5 + turn * i, 0.5 - turn / 2, turn, turn), 180, -180);
        p.setPen(QPen(kWireInk, 1.25, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(turns);
        break;
    }
    case TElement::Capacitor:
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, -7, 2, 15), kWireInk);
        p.fillRect(QRect(len - 2, -7, 2, 15), kWireInk);
        break;
    }
    p.restore();
}

QString fnElementSymbol(TElement e)
{
    switch (e) {
    case TElement::Resistor: return QStringLiteral("R");
    case TElement::Inductor: return QStringLiteral("L");
    case TElement::Capacitor: return QStringLiteral("C");
    }
    return {};
}

// The element label "R₁": italic letter, upright subscript.
TCaption fnElementLabel(TElement e, int index) { return {fnElementSymbol(e), QString::number(index), QString(), true}; }

// Which three of the eight are drawn: the first two and the last; dots
// stand for the rest. Both connections put them in the same columns.
constexpr int kShownIndex[3] = {1, 2, 8};
constexpr int kElementColumns[3] = {46, 98, 184};
constexpr int kTerminalColumn = 8;
constexpr int kChainEndColumn = 228; // the series chain's second terminal
constexpr double kDotsColumn = (kElementColumns[1] + kElementColumns[2]) / 2.0;

// Parallel: three elements standing between two rails, the dots between
// the second and the last; the terminals end the rails on the left.
void prParallel(QPainter& p, TElement e, int railTop, int railBottom)
{
    const TElementShape shape = fnShape(e);
    const int y0 = (railTop + railBottom + 1) / 2 - shape.length / 2;
    for (int rail : {railTop, railBottom})
        prWire(p, QPoint(kTerminalColumn + 3, rail), QPoint(kElementColumns[2], rail));
    for (int i = 0; i < 3; ++i) {
        const int x = kElementColumns[i];
        prWire(p, QPoint(x, railTop), QPoint(x, y0 - 1));
        prWire(p, QPoint(x, y0 + shape.length), QPoint(x, railBottom));
        prElement(p, e, QPoint(x, y0), true);
        const double labelLeft = x + shape.reach + (e == TElement::Inductor ? 5 : 4);
        prCaptionLeft(p, fnElementLabel(e, kShownIndex[i]), labelLeft, y0 + shape.length / 2.0);
        // The rails go on past the first two columns: junction dots there.
        if (i < 2) {
            prJunction(p, QPoint(x, railTop));
            prJunction(p, QPoint(x, railBottom));
        }
    }
    prEllipsis(p, QPointF(kDotsColumn + 0.5, (railTop + railBottom + 1) / 2.0), QPointF(5, 0));
    prTerminal(p, QPoint(kTerminalColumn, railTop));
    prTerminal(p, QPoint(kTerminalColumn, railBottom));
}

// Series: terminal, two elements, a break with dots, the eighth, terminal;
// the names stand above the elements.
void prSeries(QPainter& p, TElement e, int y)
{
    const TElementShape shape = fnShape(e);
    int x = kTerminalColumn + 3;
    for (int i = 0; i < 3; ++i) {
        const int xe = kElementColumns[i] - shape.length / 2;
        if (i == 2) {
            prWire(p, QPoint(x, y), QPoint(static_cast<int>(kDotsColumn) - 12, y));
            prEllipsis(p, QPointF(kDotsColumn + 0.5, y + 0.5), QPointF(5, 0));
            x = static_cast<int>(kDotsColumn) + 13;
        }
        prWire(p, QPoint(x, y), QPoint(xe - 1, y));
        prElement(p, e, QPoint(xe, y), false);
        const TCaption label = fnElementLabel(e, kShownIndex[i]);
        const double w = fnCaptionWidth(label);
        prCaptionLeft(p, label, std::round(kElementColumns[i] - w / 2.0), y - shape.reach - 10.5);
        x = xe + shape.length;
    }
    prWire(p, QPoint(x, y), QPoint(kChainEndColumn - 3, y));
    prTerminal(p, QPoint(kTerminalColumn, y));
    prTerminal(p, QPoint(kChainEndColumn, y));
}

// The words before a result label ("R∥ ="), ending 5 px before the label;
// their baseline is level with the label's text.
constexpr int kLeadGap = 5;
constexpr int kLeadBaseline = 11; // below the label's top

void prLeadIn(QPainter& p, const TRuns& runs, QPoint labelTopLeft)
{
    const double w = fnRunsWidth(runs);
    prRuns(p, runs, std::round(labelTopLeft.x() - kLeadGap - w), labelTopLeft.y() + kLeadBaseline);
}

TRuns fnParallelLead(TElement e)
{
    TRun mark = fnUp(QString(), kLeadSize + 1);
    mark.parallelMark = true;
    return {fnSym(fnElementSymbol(e), kLeadSize + 1, 0.0), mark, fnOp(QStringLiteral("="), kLeadSize, true)};
}

TRuns fnSeriesLead(TElement e, TLanguage language)
{
    TRun sub = fnUp(fnWord(kWords, TFormulasWord::SeriesSubscript, language), 10);
    sub.rise = -3;
    return {fnSym(fnElementSymbol(e), kLeadSize + 1, 0.5), sub, fnOp(QStringLiteral("="), kLeadSize, true)};
}

// Each half holds one connection; its lead-in stands at the half's outer
// edge, where the page writes the value, the circuit towards the middle.
constexpr int kRailsUpper[2] = {30, 66};
constexpr int kRailsLower[2] = {78, 114};
constexpr int kChainUpper = 48;
constexpr int kChainLower = 98;
constexpr int kHalvesRule = 72;

// One combination picture. Resistors and inductors: the page writes the
// parallel value (reciprocal sum) on top and the series value (sum) below;
// capacitors the other way round.
void prCombination(QPainter& p, const TPiece& piece, TElement e, TLanguage language)
{
    const QPoint reciprocalAt = fnOnPiece(piece, kReciprocalLabel);
    const QPoint sumAt = fnOnPiece(piece, kSumLabel);
    if (e == TElement::Capacitor) {
        prLeadIn(p, fnSeriesLead(e, language), reciprocalAt);
        prSeries(p, e, kChainUpper);
        prParallel(p, e, kRailsLower[0], kRailsLower[1]);
        prLeadIn(p, fnParallelLead(e), sumAt);
    } else {
        prLeadIn(p, fnParallelLead(e), reciprocalAt);
        prParallel(p, e, kRailsUpper[0], kRailsUpper[1]);
        prSeries(p, e, kChainLower);
        prLeadIn(p, fnSeriesLead(e, language), sumAt);
    }
    p.save();
    QPen dash(ink::kSeparator, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({3, 2});
    p.setPen(dash);
    p.drawLine(QLineF(4, kHalvesRule + 0.5, piece.sheet.width() - 4, kHalvesRule + 0.5));
    p.restore();
}

// ---------------------------------------------------------------- 101

// F = 1 / (2π √(LC)), centred in the piece.
void prLcFormula(QPainter& p, const TPiece& piece)
{
    const int barRow = 18;
    const TRuns num = {fnUp(QStringLiteral("1"))};
    const TRuns two = {fnUp(QStringLiteral("2π"), kMathSize, 0.5)};
    const TRuns lc = {fnSym(QStringLiteral("L"), kMathSize, 0.5), fnSym(QStringLiteral("C"))};
    const double wTwo = fnRunsWidth(two);
    const double wLc = fnRunsWidth(lc);
    const double wDen = wTwo + kRadicalRoom + wLc + 1.0;
    const double wFrac = std::ceil(std::max(wDen, fnRunsWidth(num))) + 4.0;
    const TRuns lead = {fnSym(QStringLiteral("F")), fnOp(QStringLiteral("="))};
    const double wLead = fnRunsWidth(lead);
    const double left = std::round((piece.sheet.width() - wLead - wFrac) / 2.0);
    prRuns(p, lead, left, std::round(barRow + 0.5 + fnMathAxis(kMathSize)));
    const double fx = left + wLead;
    prRule(p, static_cast<int>(fx), static_cast<int>(fx + wFrac) - 1, barRow);
    prRuns(p, num, std::round(fx + (wFrac - fnRunsWidth(num)) / 2.0), barRow - 3);
    const double denLeft = std::round(fx + (wFrac - wDen) / 2.0);
    const double denBase = barRow + 5 + std::round(fnCapHeight(kMathSize));
    prRuns(p, two, denLeft, denBase);
    const double lcLeft = denLeft + wTwo + kRadicalRoom;
    prRadical(p, lcLeft, wLc, barRow + 3, denBase + 1.0);
    prRuns(p, lc, lcLeft, denBase);
}

// A parallel LC tank between two terminals, coil on the left, capacitor on
// the right, each named beside it.
void prLcTank(QPainter& p)
{
    const int xl = 36;  // coil branch
    const int xc = 78;  // capacitor branch
    const int xm = 57;  // terminals
    const int yt = 30;  // upper rail
    const int yb = 106; // lower rail
    const int mid = (yt + yb) / 2;

    prWire(p, QPoint(xm, 10), QPoint(xm, yt));
    prWire(p, QPoint(xm, yb), QPoint(xm, 126));
    prWire(p, QPoint(xl, yt), QPoint(xc, yt));
    prWire(p, QPoint(xl, yb), QPoint(xc, yb));

    // Coil: five turns bulging to the left.
    const double r = 5.0;
    const double coilTop = mid - 5 * r;
    prWire(p, QPoint(xl, yt), QPoint(xl, static_cast<int>(coilTop) - 1));
    prWire(p, QPoint(xl, static_cast<int>(coilTop + 10 * r)), QPoint(xl, yb));
    {
        QPainterPath turns;
        const double x = xl + 0.5;
        turns.moveTo(x, coilTop);
        for (int i = 0; i < 5; ++i)
            turns.arcTo(QRectF(x - r, coilTop + 2 * r * i, 2 * r, 2 * r), 90, 180);
        p.save();
        p.setPen(QPen(kWireInk, 1.25, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(turns);
        p.restore();
    }

    // Capacitor: two plates across the branch.
    const int plate = 11; // half length
    prWire(p, QPoint(xc, yt), QPoint(xc, mid - 4));
    prWire(p, QPoint(xc, mid + 4), QPoint(xc, yb));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(xc - plate, mid - 4, 2 * plate + 1, 2), kWireInk);
    p.fillRect(QRect(xc - plate, mid + 3, 2 * plate + 1, 2), kWireInk);
    p.restore();

    prJunction(p, QPoint(xm, yt));
    prJunction(p, QPoint(xm, yb));
    prTerminal(p, QPoint(xm, 8));
    prTerminal(p, QPoint(xm, 128));

    const TCaption l{QStringLiteral("L"), QString(), QString(), true};
    const TCaption c{QStringLiteral("C"), QString(), QString(), true};
    prCaptionRight(p, l, xl - r - 5, mid, ink::kText, 14);
    prCaptionLeft(p, c, xc + plate + 6, mid, ink::kText, 14);
}

// ---------------------------------------------------------------- 102

// "λ =", "λ/4 =", "T =", "f =" level with the page's four result labels.
void prWaveResults(QPainter& p, const TPiece& piece)
{
    const QString lambda = QStringLiteral("λ");
    const TRuns rows[4] = {
        {fnSym(lambda, 13, 0.5), fnOp(QStringLiteral("="), 12, true)},
        {fnSym(lambda, 13, 0.5), fnUp(QStringLiteral("/4"), 12), fnOp(QStringLiteral("="), 12, true)},
        {fnSym(QStringLiteral("T"), 13, 0.5), fnOp(QStringLiteral("="), 12, true)},
        {fnSym(QStringLiteral("f"), 13, 0.5), fnOp(QStringLiteral("="), 12, true)},
    };
    for (int i = 0; i < 4; ++i) {
        const QPoint at = fnOnPiece(piece, fnQPoint(geo::WaveResultLabels[static_cast<std::size_t>(i)]));
        const double w = fnRunsWidth(rows[i]);
        prRuns(p, rows[i], std::round(at.x() - kLeadGap - w), at.y() + kLeadBaseline);
    }
}

// λ = v/f and T = 1/f under the wavelength field.
void prWaveFormula(QPainter& p)
{
    const TRuns lines[2] = {
        {fnSym(QStringLiteral("λ"), 13, 0.5), fnOp(QStringLiteral("="), 12), fnSym(QStringLiteral("v"), 13, 0),
         fnUp(QStringLiteral("/"), 12, 0.5), fnSym(QStringLiteral("f"), 13)},
        {fnSym(QStringLiteral("T"), 13, 0.5), fnOp(QStringLiteral("="), 12), fnUp(QStringLiteral("1/"), 12, 0.5),
         fnSym(QStringLiteral("f"), 13)},
    };
    prRuns(p, lines[0], 2, 14);
    prRuns(p, lines[1], 2, 30);
}

// ---------------------------------------------------------------- 103

// Q = 2πFL / R.
void prQualityFormula(QPainter& p, const TPiece& piece)
{
    const int barRow = 17;
    const TRuns lead = {fnSym(QStringLiteral("Q")), fnOp(QStringLiteral("="))};
    const TRuns num = {fnUp(QStringLiteral("2π"), kMathSize, 0.5), fnSym(QStringLiteral("F"), kMathSize, 0.5),
                       fnSym(QStringLiteral("L"))};
    const TRuns den = {fnSym(QStringLiteral("R"))};
    const double wLead = fnRunsWidth(lead);
    const double wFrac = fnFractionWidth(num, den);
    const double left = std::round((piece.sheet.width() - wLead - wFrac) / 2.0);
    prRuns(p, lead, left, std::round(barRow + 0.5 + fnMathAxis(kMathSize)));
    prFraction(p, left + wLead, barRow, num, den);
}

// ---------------------------------------------------------------- 301

// A body of mass m thrown horizontally at speed v from height h lands at
// distance s; its kinetic energy E = mv²/2 stands in the free upper corner.
void prThrow(QPainter& p, const TPiece& piece)
{
    const int ground = 110;           // ground surface row
    const QPointF launch(38.5, 24.5); // centre of the body
    const double rBody = 8.0;
    const double landX = 196.5; // where the path meets the ground
    const int towerL = 20;
    const int towerR = static_cast<int>(launch.x() + rBody) - 1;
    const int towerTop = static_cast<int>(launch.y() + rBody) + 1;

    // Ground with hatching under it.
    {
        QPainterPath band;
        band.addRect(QRectF(2, ground + 1, piece.sheet.width() - 4, 7));
        prHatch(p, band, 5.0, -45.0, kGroundInk, 1.0);
        prRule(p, 2, piece.sheet.width() - 3, ground, ink::kOutline);
    }

    // The stand the body is thrown from.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(towerL, towerTop, towerR - towerL + 1, ground - towerTop), ink::kSteelFront);
    p.fillRect(QRect(towerL + 1, towerTop + 1, 3, ground - towerTop - 1), ink::kSteelTop);
    prPixelStrokes(p);
    p.setPen(fnPixelPen(ink::kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(towerL, towerTop, towerR - towerL, ground - towerTop));
    p.restore();

    // Flight path: y - y0 grows with (x - x0)².
    {
        QPainterPath path;
        const double drop = ground + 0.5 - launch.y();
        const double run = landX - launch.x();
        path.moveTo(launch);
        for (int i = 1; i <= 60; ++i) {
            const double t = i / 60.0;
            path.lineTo(launch.x() + run * t, launch.y() + drop * t * t);
        }
        QPen dash(kPathInk, 1.2, Qt::CustomDashLine, Qt::FlatCap);
        dash.setDashPattern({3.5, 2.5});
        p.save();
        p.setPen(dash);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
        prJunction(p, QPoint(static_cast<int>(landX), ground));
    }

    // Height h, at the left of the stand.
    {
        const double x = 9.5;
        const double y0 = launch.y();
        const double y1 = ground + 0.5;
        prExtension(p, QPointF(launch.x() - rBody - 2, y0), QPointF(x - 3, y0));
        const TCaption h{QStringLiteral("h"), QString(), QString(), true};
        const double mid = std::round((y0 + y1) / 2.0);
        const QRectF gap(x - 4, mid - 7, 8, 14);
        prDimension(p, QPointF(x, y0), QPointF(x, y1), gap);
        prCaptionLeft(p, h, std::round(x - fnCaptionWidth(h) / 2.0), mid, ink::kDimension);
    }

    // Distance s, under the ground from the foot of the stand.
    {
        const double y = 128.5;
        const double x0 = launch.x();
        const double x1 = landX;
        for (double x : {x0, x1}) {
            // Keep the hatching off the extension lines.
            p.save();
            p.setRenderHint(QPainter::Antialiasing, false);
            p.fillRect(QRectF(x - 1.5, ground + 1, 3, 7), ink::kPageBack);
            p.restore();
            prExtension(p, QPointF(x, ground + 1), QPointF(x, y + 4));
        }
        const TCaption s{QStringLiteral("s"), QString(), QString(), true};
        const double mid = std::round((x0 + x1) / 2.0);
        const QRectF gap(mid - 6, y - 6, 12, 12);
        prDimension(p, QPointF(x0, y), QPointF(x1, y), gap);
        prCaptionLeft(p, s, std::round(mid - fnCaptionWidth(s) / 2.0), y - 0.5, ink::kDimension);
    }

    // The body, named by its mass.
    p.save();
    p.setPen(QPen(ink::kOutline, 1.0));
    p.setBrush(ink::kCopperTop);
    p.drawEllipse(launch, rBody, rBody);
    p.restore();
    {
        const TCaption m{QStringLiteral("m"), QString(), QString(), true};
        prCaptionLeft(p, m, std::round(launch.x() - fnCaptionWidth(m, 10) / 2.0) - 0.5, launch.y() - 1.5, ink::kText,
                      10);
    }

    // Velocity v.
    {
        const QPointF a(launch.x() + rBody + 2, launch.y());
        const QPointF b(a.x() + 34, launch.y());
        p.save();
        p.setPen(QPen(kVectorInk, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QLineF(a, b - QPointF(5, 0)));
        p.restore();
        prArrowHead(p, b, QPointF(1, 0), kVectorInk);
        const TCaption v{QStringLiteral("v"), QString(), QString(), true};
        prCaptionLeft(p, v, std::round((a.x() + b.x()) / 2.0 - fnCaptionWidth(v) / 2.0), launch.y() - 10, kVectorInk);
    }

    // E = mv²/2.
    {
        const int barRow = 24;
        const TRuns lead = {fnSym(QStringLiteral("E")), fnOp(QStringLiteral("="))};
        TRun square = fnUp(QStringLiteral("2"), 10);
        square.rise = 7;
        const TRuns num = {fnSym(QStringLiteral("m"), kMathSize, 0.5), fnSym(QStringLiteral("v"), kMathSize, 0.5),
                           square};
        const TRuns den = {fnUp(QStringLiteral("2"))};
        const double wLead = fnRunsWidth(lead);
        const double wFrac = fnFractionWidth(num, den);
        const double right = piece.sheet.width() - 14.0;
        const double left = std::round(right - wLead - wFrac);
        prRuns(p, lead, left, std::round(barRow + 0.5 + fnMathAxis(kMathSize)));
        prFraction(p, left + wLead, barRow, num, den);
    }
}

// ---------------------------------------------------------------- icons

// The symbol of a slot, plain on the page colour, right-aligned 6 px before
// the edit box and raised to sit level with the edit box's text.
void prIcon(QPainter& p, const TIcon& icon)
{
    const TCaption cap{QString::fromUtf8(icon.symbol), icon.sub ? QString(QChar::fromLatin1(icon.sub)) : QString(),
                       QString(), true};
    prCaptionRight(p, cap, kIconSize.width() - 3, 5.5, ink::kText, 12);
}

// ---------------------------------------------------------------- sheet

// Runs `draw` with the painter moved to the piece's top-left and clipped to
// it, on a fresh page-coloured background.
template <typename F>
void prOnPiece(QPainter& p, const QRect& rect, F draw)
{
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, ink::kPageBack);
    p.translate(rect.topLeft());
    draw();
    p.restore();
}

} // namespace

QImage fnDrawFormulasSheet(const TVariant& variant)
{
    QImage img = fnBlankPicture(geo::SheetWidth, geo::SheetHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);
    const TLanguage language = variant.language;

    prOnPiece(p, kLcFormula.sheet, [&] { prLcFormula(p, kLcFormula); });
    prOnPiece(p, kLcTank.sheet, [&] { prLcTank(p); });
    prOnPiece(p, kWaveResults.sheet, [&] { prWaveResults(p, kWaveResults); });
    prOnPiece(p, kWaveFormula.sheet, [&] { prWaveFormula(p); });
    prOnPiece(p, kQualityFormula.sheet, [&] { prQualityFormula(p, kQualityFormula); });
    prOnPiece(p, kResistors.sheet, [&] { prCombination(p, kResistors, TElement::Resistor, language); });
    prOnPiece(p, kInductors.sheet, [&] { prCombination(p, kInductors, TElement::Inductor, language); });
    prOnPiece(p, kCapacitors.sheet, [&] { prCombination(p, kCapacitors, TElement::Capacitor, language); });
    prOnPiece(p, kThrow.sheet, [&] { prThrow(p, kThrow); });
    for (const TIcon& icon : fnIcons())
        prOnPiece(p, icon.rect, [&] { prIcon(p, icon); });

    p.end();
    return img;
}

QList<TWordPair> fnFormulasWords() { return fnWordList(kWords); }

QList<TFieldPlace> fnFormulasOverlay()
{
    QList<TFieldPlace> out;
    for (const TPiece* piece : {&kLcFormula, &kLcTank, &kWaveResults, &kWaveFormula, &kQualityFormula, &kResistors,
                                &kInductors, &kCapacitors, &kThrow})
        out.push_back({QString::fromUtf8(piece->name), piece->sheet});
    for (const TIcon& icon : fnIcons())
        out.push_back({QStringLiteral("icon ") + QString::fromUtf8(icon.symbol)
                           + (icon.sub ? QString(QChar::fromLatin1(icon.sub)) : QString()),
                       icon.rect});

    // Widgets that the page lays over a piece, in sheet coordinates.
    for (const TFormulaPlaces& f : fnFormulaPlaces()) {
        QList<TAreaWidget> widgets = f.others;
        for (const QPoint& e : f.edits) {
            widgets.push_back({"edit", QRect(e, kEditSize)});
            widgets.push_back({"unit list", QRect(e + QPoint(geo::UnitListLeft, 0), kComboSize)});
            widgets.push_back({"icon", QRect(e + kIconFromEdit, kIconSize)});
        }
        for (const TPiece* piece : f.pieces) {
            const QRect shown(piece->dest, piece->sheet.size());
            for (const TAreaWidget& w : widgets) {
                const QRect over = w.rect & shown;
                if (!over.isEmpty())
                    out.push_back({QString::number(f.id) + QLatin1Char(' ') + QString::fromUtf8(w.name),
                                   over.translated(piece->sheet.topLeft() - piece->dest)});
            }
        }
    }
    return out;
}

} // namespace picturegen
