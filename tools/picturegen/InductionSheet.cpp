// The coil page's sheet: the five kind icons of the selection list, the five
// winding drawings with their dimension lines under the page's fields, and
// the symbols the page shows left of its list fields.
//
// Every piece is drawn in its own coordinates (origin at the piece's
// top-left corner) and clipped to its rectangle: the page copies exactly
// these rectangles and nothing else. The pieces, and the places of the
// page's fields and results on each drawing, come from the geometry the page
// builds from (InductionGeometry.h), in drawing coordinates (a place may
// reach past a drawing's edge; only what falls inside matters to the picture).
#include "Drawing.h"
#include "Sheets.h"

#include "calculators/Induction/InductionGeometry.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace picturegen {

namespace {

namespace geo = induction::geometry;
using geo::TSymbol;
using induction::TCoilKind;
namespace IndEdit = induction::IndEdit;
namespace IndResult = induction::IndResult;
namespace IndCaption = induction::IndCaption;

// ---------------------------------------------------------------- words

// The words of the sheet, Russian and English side by side: the letter of
// the detail on the flat spirals' drawing, and the captions the page puts
// over the drawings (not drawn: the preview outlines their places, which
// follow their width).
enum class TCoilWord {
    DetailMark,
    CaptionLength,
    CaptionFormer,
    CaptionWire,
    CaptionRoundWire,
    CaptionWireOverPlane,
    CaptionBar,
    CaptionInductance,
    Count
};
constexpr auto kWords = std::to_array<TWordRow<TCoilWord>>({
    {TCoilWord::DetailMark, {"А", "A"}},
    {TCoilWord::CaptionLength, {"Длина намотки l", "Winding length l"}},
    {TCoilWord::CaptionFormer, {"Диаметр каркаса D0", "Former diameter D0"}},
    {TCoilWord::CaptionWire, {"Диаметр провода d", "Wire diameter d"}},
    {TCoilWord::CaptionRoundWire, {"Прямой круглый провод", "Straight round wire"}},
    {TCoilWord::CaptionWireOverPlane, {"Провод над плоскостью", "Wire above a plane"}},
    {TCoilWord::CaptionBar, {"Прямоугольная шина", "Rectangular bar"}},
    {TCoilWord::CaptionInductance, {"Индуктивность L", "Inductance L"}},
});
static_assert(fnWordsInOrder(kWords));

// ---------------------------------------------------------------- pieces

// The pieces the page cuts, from the geometry it shares with the page.
QRect fnIconRect(int k) { return fnQRect(geo::fnIconPiece(static_cast<TCoilKind>(k))); }

const QRect kDrawingA = fnQRect(geo::fnDrawing(TCoilKind::OneSloi).piece);  // single-layer coil
const QRect kDrawingB = fnQRect(geo::fnDrawing(TCoilKind::ManySloi).piece); // multi-layer coil in section
const QRect kDrawingC = fnQRect(geo::fnDrawing(TCoilKind::Ploski).piece);   // flat spirals
const QRect kDrawingD = fnQRect(geo::fnDrawing(TCoilKind::Provod).piece);   // straight conductors
const QRect kDrawingE = fnQRect(geo::fnDrawing(TCoilKind::Tor).piece);      // toroid

// The symbols the page shows left of a list field: the glyph is right-aligned
// 2 px before the piece's edge and centred on the field's middle.
struct TSymbolPiece {
    const char* name;
    const char* symbol;
    const char* sub;
    TSymbol piece;
};
constexpr TSymbolPiece kSymbols[] = {
    {"symbol 1 L", "L", "", TSymbol::L},    {"symbol 2 N", "N", "", TSymbol::N},
    {"symbol 3 mu", "μ", "", TSymbol::Mu},  {"symbol 4 Do", "D", "o", TSymbol::Do},
    {"symbol 5 Di", "D", "i", TSymbol::Di}, {"symbol 6 Dm", "D", "m", TSymbol::Dm},
    {"symbol 7 W", "W", "", TSymbol::W},    {"symbol 8 w", "w", "", TSymbol::Track},
    {"symbol 9 s", "s", "", TSymbol::Gap},  {"symbol 10 l", "l", "", TSymbol::Length},
    {"symbol d", "d", "", TSymbol::Wire},   {"symbol h", "h", "", TSymbol::Height},
};
const double kSymbolRight = geo::SymbolWidth - 2.0;
const double kSymbolMidY = -geo::SymbolOffset.Y + geo::EditHeight / 2.0;

// ---------------------------------------------------------------- widgets

// What the page puts over a drawing, in drawing coordinates.
enum class TWidgetKind { Edit, Combo, Caption, Result };

struct TWidget {
    QString name;
    TWidgetKind kind;
    QPoint at;
    QString text; // captions: their width follows the text
};

const QSize kEditSize(geo::EditWidth, geo::EditHeight);
const QSize kComboSize(geo::UnitListWidth, geo::UnitListHeight);
constexpr QSize kResultSize(70, 14); // "0,75 µH" and a little more
constexpr int kCaptionHeight = 14;

// A field on its kind's drawing, and a result.
QRect fnEdit(TCoilKind kind, int edit) { return QRect(fnQPoint(geo::fnFieldOnDrawing(kind, edit)), kEditSize); }
QPoint fnResult(TCoilKind kind, int result) { return fnQPoint(geo::fnResultOnDrawing(kind, result)); }

// The captions that stand on a drawing, as the page's catalogue words them.
QString fnCaptionText(int caption, TLanguage language)
{
    auto word = [language](TCoilWord w) { return fnWord(kWords, w, language); };
    switch (caption) {
    case IndCaption::Length: return word(TCoilWord::CaptionLength);
    case IndCaption::Former: return word(TCoilWord::CaptionFormer);
    case IndCaption::Wire: return word(TCoilWord::CaptionWire);
    case IndCaption::RoundWire: return word(TCoilWord::CaptionRoundWire);
    case IndCaption::WireOverPlane: return word(TCoilWord::CaptionWireOverPlane);
    case IndCaption::Bar: return word(TCoilWord::CaptionBar);
    case IndCaption::Inductance: return word(TCoilWord::CaptionInductance);
    default: return QString();
    }
}

// The widgets over a kind's drawing: each field with its unit list and
// caption, each result with its caption.
QList<TWidget> fnWidgets(TCoilKind kind, TLanguage language)
{
    const geo::TDrawing& drawing = geo::fnDrawing(kind);
    QList<TWidget> out;
    for (const geo::TDrawingField& f : drawing.fnFields()) {
        out.push_back({QStringLiteral("editInd %1").arg(f.edit), TWidgetKind::Edit, fnQPoint(f.at), {}});
        out.push_back(
            {QStringLiteral("comboInd %1").arg(f.edit), TWidgetKind::Combo, fnQPoint(geo::fnUnitListAt(f.at)), {}});
        if (f.caption)
            out.push_back({QStringLiteral("labelInd %1").arg(f.caption), TWidgetKind::Caption,
                           fnQPoint(f.at + TPoint{f.captionShift, -geo::CaptionAbove}),
                           fnCaptionText(f.caption, language)});
    }
    for (const geo::TDrawingResult& r : drawing.fnResults()) {
        out.push_back({QStringLiteral("labelResInd %1").arg(r.result), TWidgetKind::Result, fnQPoint(r.at), {}});
        if (r.caption)
            out.push_back({QStringLiteral("labelInd %1").arg(r.caption), TWidgetKind::Caption,
                           fnQPoint(r.at + TPoint{-geo::ResultCaptionLeft, r.captionDy}),
                           fnCaptionText(r.caption, language)});
    }
    return out;
}

// The places the drawings put their dimension lines and result tags under.
const QRect kAEditLength = fnEdit(TCoilKind::OneSloi, IndEdit::OneLen);
const QRect kAEditFormer = fnEdit(TCoilKind::OneSloi, IndEdit::OneD0);
const QRect kAEditWire = fnEdit(TCoilKind::OneSloi, IndEdit::OneWire);
const QRect kBEditLength = fnEdit(TCoilKind::ManySloi, IndEdit::ManyLen);
const QRect kBEditOuter = fnEdit(TCoilKind::ManySloi, IndEdit::ManyDo);
const QRect kBEditInner = fnEdit(TCoilKind::ManySloi, IndEdit::ManyDi);
const QRect kBEditBuild = fnEdit(TCoilKind::ManySloi, IndEdit::ManyC);
const QRect kBEditMean = fnEdit(TCoilKind::ManySloi, IndEdit::ManyD);
const QRect kBEditWire = fnEdit(TCoilKind::ManySloi, IndEdit::ManyWire);
const QPoint kCResultSquare = fnResult(TCoilKind::Ploski, IndResult::FlatSquare);
const QPoint kCResultHexagon = fnResult(TCoilKind::Ploski, IndResult::FlatHexagonal);
const QPoint kCResultOctagon = fnResult(TCoilKind::Ploski, IndResult::FlatOctagonal);
const QPoint kCResultCircle = fnResult(TCoilKind::Ploski, IndResult::FlatCircular);
const QPoint kDResultWire = fnResult(TCoilKind::Provod, IndResult::WireRound);
const QPoint kDResultPlane = fnResult(TCoilKind::Provod, IndResult::WireOverPlane);
const QPoint kDResultBar = fnResult(TCoilKind::Provod, IndResult::WireBar);
const QRect kEEditOuter = fnEdit(TCoilKind::Tor, IndEdit::TorDo);
const QRect kEEditInner = fnEdit(TCoilKind::Tor, IndEdit::TorDi);
const QRect kEEditHeight = fnEdit(TCoilKind::Tor, IndEdit::TorH);
const QPoint kEResult = fnResult(TCoilKind::Tor, IndResult::Tor);

QRect fnWidgetRect(const TWidget& w)
{
    switch (w.kind) {
    case TWidgetKind::Edit: return QRect(w.at, kEditSize);
    case TWidgetKind::Combo: return QRect(w.at, kComboSize);
    case TWidgetKind::Result: return QRect(w.at, kResultSize);
    case TWidgetKind::Caption: {
        const QFontMetricsF fm(fnFont(11));
        const int width = static_cast<int>(std::ceil(fm.horizontalAdvance(w.text)));
        return QRect(w.at, QSize(width, kCaptionHeight));
    }
    }
    return {};
}

// ---------------------------------------------------------------- colours

// Ferrite of the toroid core: darker than the transformer steel.
const QColor kFerrite(92, 94, 100);
const QColor kFerriteLight(122, 125, 132);
const QColor kFerriteHatch(146, 149, 156);
const QColor kFormerDark(176, 158, 112);  // shaded side of the former
const QColor kFormerLight(238, 228, 196); // lit side of the former
const QColor kFormerHatch(150, 130, 88);  // section lines of pressboard
const QColor kBore(118, 102, 72);         // inside of the former tube
const QColor kCopperDeep(120, 56, 20);    // shaded side of a round wire
const QColor kVarnish(214, 186, 150);     // between the wires of a section
const QColor kBoard(226, 214, 176);       // board under a printed spiral
const QColor kLeader(70, 74, 84);         // callout circles and their leaders

// ---------------------------------------------------------------- helpers

template <typename F>
void prPiece(QPainter& p, const QRect& piece, F draw)
{
    p.save();
    p.translate(piece.topLeft());
    p.setClipRect(QRect(QPoint(0, 0), piece.size()));
    p.fillRect(QRect(QPoint(0, 0), piece.size()), ink::kPageBack);
    draw(p);
    p.restore();
}

// Dash-dot line: axes and the mean diameters.
void prCentreLine(QPainter& p, QPointF a, QPointF b, const QColor& c = QColor(110, 118, 132))
{
    p.save();
    QPen pen(c, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({9, 2, 2, 2});
    p.setPen(pen);
    p.drawLine(QLineF(a, b));
    p.restore();
}

// The letter of a dimension (l, D with a subscript, …), italic.
TCaption fnLetter(const char* symbol, const char* sub = "")
{
    return TCaption{QString::fromUtf8(symbol), QString::fromUtf8(sub), QString(), true};
}

// The gap a letter needs when it stands in a dimension line.
QRectF fnLetterBox(QPointF centre, const TCaption& cap)
{
    const double w = fnCaptionWidth(cap, 11);
    const double h = cap.sub.isEmpty() ? 12.0 : 14.0;
    return QRectF(std::round(centre.x() - w / 2.0) - 1, centre.y() - h / 2.0, w + 2, h);
}

// A letter centred on a point, in the colour of the dimension lines unless told.
void prLetter(QPainter& p, QPointF centre, const TCaption& cap, const QColor& c = ink::kDimension)
{
    const double w = fnCaptionWidth(cap, 11);
    prCaptionLeft(p, cap, std::round(centre.x() - w / 2.0), centre.y(), c, 11);
}

// A dimension whose letter stands in a gap of its line.
void prLetteredDimension(QPainter& p, QPointF a, QPointF b, QPointF letterAt, const TCaption& cap)
{
    prDimension(p, a, b, fnLetterBox(letterAt, cap));
    prLetter(p, letterAt, cap);
}

// A dimension too short for arrowheads inside: the heads stand outside,
// pointing in at a and b, each with a short tail.
void prOutsideDimension(QPainter& p, QPointF a, QPointF b, double tailA, double tailB,
                        const QColor& c = ink::kDimension)
{
    const QLineF ab(a, b);
    const QPointF u = (b - a) / ab.length();
    prArrowHead(p, a, u, c);
    prArrowHead(p, b, -u, c);
    prLine(p, a - u * tailA, a - u * 5.0, c);
    prLine(p, b + u * 5.0, b + u * tailB, c);
    prLine(p, a, b, c);
}

// "L =" standing left of a result label that the page writes in red.
void prResultTag(QPainter& p, QPoint result)
{
    const TCaption cap{QStringLiteral("L"), QString(), QStringLiteral(" ="), true};
    prCaptionRight(p, cap, result.x() - 4, result.y() + kResultSize.height() / 2.0, ink::kText, 11);
}

// Copper of a round conductor seen from the side, lit from above.
QLinearGradient fnRodShading(double top, double bottom, const QColor& lit, const QColor& mid, const QColor& deep)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, mid);
    g.setColorAt(0.28, lit);
    g.setColorAt(0.55, mid);
    g.setColorAt(1.0, deep);
    return g;
}

// A straight round wire along x from x0 to x1 with its right end face seen
// slightly from the right.
void prRoundRod(QPainter& p, double x0, double x1, double cy, double r)
{
    const double faceRx = r * 0.45;
    QPainterPath body;
    body.moveTo(x0, cy - r);
    body.lineTo(x1, cy - r);
    body.lineTo(x1, cy + r);
    body.lineTo(x0, cy + r);
    body.arcTo(QRectF(x0 - faceRx, cy - r, 2 * faceRx, 2 * r), 270.0, -180.0);
    body.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnRodShading(cy - r, cy + r, ink::kCopperTop, ink::kCopper, kCopperDeep));
    p.drawPath(body);
    const QRectF face(x1 - faceRx, cy - r, 2 * faceRx, 2 * r);
    p.setBrush(QColor(214, 146, 92));
    p.drawEllipse(face);
    p.setPen(QPen(ink::kCopperHatch, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawEllipse(face);
    p.restore();
}

// A round wire in section: copper with its enamel, lit from the upper left.
void prWireDot(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    g.setColorAt(0.0, ink::kCopperTop);
    g.setColorAt(0.6, ink::kCopper);
    g.setColorAt(1.0, ink::kCopperSide);
    p.save();
    p.setPen(QPen(ink::kCopperHatch, r > 5 ? 1.5 : 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r - 0.4, r - 0.4);
    p.restore();
}

// A thin leader from a callout to its detail.
void prLeader(QPainter& p, QPointF a, QPointF b) { prLine(p, a, b, kLeader, 1.0); }

void prCallout(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setPen(QPen(kLeader, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.restore();
}

// Lead of a winding, ending in a tinned tip.
void prLead(QPainter& p, const QPainterPath& lead, QPointF tipDir)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::kCopperHatch, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lead);
    p.setPen(QPen(ink::kCopper, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lead);
    const QPointF end = lead.currentPosition();
    p.setPen(QPen(ink::kOutline, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(end, end + tipDir));
    p.setPen(QPen(ink::kSteelTop, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(end, end + tipDir));
    p.restore();
}

// ---------------------------------------------------------------- spirals

// The centre line of a printed spiral. A polygon spiral has `sides` sides
// per turn; side k lies at distance a − p·⌊(k + 1)/sides⌋ from the centre,
// so each turn keeps its outline and only its last side steps in by one
// pitch (the usual drawn square spiral). sides == 0 gives an Archimedean
// spiral. `segments` sides are drawn, the last one only up to `lastFraction`.
struct TSpiral {
    QPointF centre;
    int sides = 4;
    double firstNormalDeg = -90.0; // outward normal of the first side (screen, clockwise)
    double a = 0.0;                // centre-line distance of the outer turn
    double pitch = 0.0;
    double width = 0.0; // track width
    int segments = 0;   // sides drawn (circle: quarter turns)
    double lastFraction = 1.0;
};

QPointF fnUnitAt(double deg)
{
    const double r = deg * M_PI / 180.0;
    return QPointF(std::cos(r), std::sin(r));
}

QPolygonF fnSpiralLine(const TSpiral& s)
{
    QPolygonF line;
    if (s.sides == 0) {
        // Start at firstNormalDeg and run clockwise, r falling one pitch per turn.
        const double total = s.segments * 90.0 - (1.0 - s.lastFraction) * 90.0;
        for (double t = 0.0; t <= total + 1e-9; t += 3.0) {
            const double r = s.a - s.pitch * t / 360.0;
            line << s.centre + fnUnitAt(s.firstNormalDeg + t) * r;
        }
        return line;
    }
    const double step = 360.0 / s.sides;
    auto normal = [&](int k) { return fnUnitAt(s.firstNormalDeg + k * step); };
    auto offset = [&](int k) { return s.a - s.pitch * std::floor(static_cast<double>(k + 1) / s.sides); };
    // Corner where side k meets side k + 1.
    auto corner = [&](int k) {
        const QPointF n1 = normal(k);
        const QPointF n2 = normal(k + 1);
        const double o1 = offset(k);
        const double o2 = offset(k + 1);
        const double det = n1.x() * n2.y() - n1.y() * n2.x();
        return s.centre + QPointF((o1 * n2.y() - o2 * n1.y()) / det, (n1.x() * o2 - n2.x() * o1) / det);
    };
    // The first side starts half a track before the previous side's line,
    // so the outer end is flush with the outline.
    const QPointF n0 = normal(0);
    const QPointF t0(-n0.y(), n0.x());
    line << corner(-1) - t0 * (s.width / 2.0);
    for (int k = 0; k + 1 < s.segments; ++k)
        line << corner(k);
    const QPointF from = corner(s.segments - 2);
    const QPointF to = corner(s.segments - 1);
    line << from + (to - from) * s.lastFraction;
    return line;
}

// Copper track along the spiral, outlined, with a via at the inner end.
void prSpiral(QPainter& p, const TSpiral& s)
{
    const QPolygonF line = fnSpiralLine(s);
    QPainterPath centre;
    centre.addPolygon(line);
    QPainterPathStroker stroker;
    stroker.setWidth(s.width);
    stroker.setJoinStyle(s.sides == 0 ? Qt::RoundJoin : Qt::MiterJoin);
    stroker.setMiterLimit(4.0);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath track = stroker.createStroke(centre).simplified();
    p.save();
    p.setPen(QPen(ink::kCopperHatch, 1.0));
    p.setBrush(ink::kCopper);
    p.drawPath(track);
    // The via that takes the inner end to the other side of the board.
    const QPointF end = line.last();
    const double rv = s.width * 0.75;
    p.drawEllipse(end, rv, rv);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::kOutline);
    p.drawEllipse(end, rv * 0.4, rv * 0.4);
    p.restore();
}

// ---------------------------------------------------------------- symbols

void prSymbol(QPainter& p, const TSymbolPiece& sym)
{
    const QFont main = fnFont(15, false, true);
    const QFont sub = fnFont(10);
    const QString s = QString::fromUtf8(sym.symbol);
    const QString u = QString::fromUtf8(sym.sub);
    const QFontMetricsF fmMain(main);
    const QFontMetricsF fmSub(sub);
    const double wMain = fmMain.horizontalAdvance(s);
    const double wSub = u.isEmpty() ? 0.0 : fmSub.horizontalAdvance(u) + 0.5;
    const double baseline = std::round(kSymbolMidY + fmMain.capHeight() / 2.0);
    // Italic glyphs lean past their advance; keep the right edge clear.
    const double x = std::round(kSymbolRight - wSub - wMain - (u.isEmpty() ? 1.0 : 0.0));
    p.save();
    p.setPen(ink::kText);
    p.setFont(main);
    p.drawText(QPointF(x, baseline), s);
    if (!u.isEmpty()) {
        p.setFont(sub);
        p.drawText(QPointF(x + wMain + 0.5, baseline + 3), u);
    }
    p.restore();
}

// ---------------------------------------------------------------- icons

void prIconSolenoid(QPainter& p)
{
    // Former along x with spaced turns (one layer) and the two leads.
    const QRectF former(2, 9, 28, 13);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnRodShading(former.top(), former.bottom(), kFormerLight, ink::kFormer, kFormerDark));
    p.drawRect(former);
    p.setPen(QPen(kFormerDark.darker(130), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(former.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
    const QLinearGradient shade = fnRodShading(7, 24, ink::kCopperTop, ink::kCopper, kCopperDeep);
    for (int i = 0; i < 7; ++i) {
        const double x = 6.5 + 3.25 * i;
        p.save();
        p.setPen(QPen(ink::kCopperHatch, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(x, 8.0, x + 1.4, 23.0));
        p.setPen(QPen(QBrush(shade), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(x, 8.3, x + 1.4, 22.7));
        p.restore();
    }
    QPainterPath l0;
    l0.moveTo(8, 23.5);
    l0.quadTo(7, 28, 2.5, 28.5);
    QPainterPath l1;
    l1.moveTo(27.5, 23.5);
    l1.quadTo(28, 28, 30, 28.5);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::kCopperHatch, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(l0);
    p.drawPath(l1);
    p.restore();
}

void prIconMultiLayer(QPainter& p)
{
    // A bobbin seen from the side: the tube, two cheeks and a thick winding
    // between them.
    const QRectF tube(2, 13, 28, 6);
    const QRectF wind(8, 6, 16, 20);
    p.save();
    p.setPen(QPen(kFormerDark.darker(130), 1.0));
    p.setBrush(fnRodShading(tube.top(), tube.bottom(), kFormerLight, ink::kFormer, kFormerDark));
    p.drawRect(tube.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(fnRodShading(wind.top(), wind.bottom(), ink::kCopperTop, ink::kCopper, kCopperDeep));
    p.drawRect(wind);
    p.save();
    prPixelStrokes(p);
    p.setPen(fnPixelPen(QColor(150, 76, 32, 150)));
    for (int x = 9; x < 24; x += 2)
        p.drawLine(x, 6, x, 25);
    p.restore();
    p.setPen(QPen(kFormerDark.darker(130), 1.0));
    p.setBrush(ink::kFormer);
    p.drawRect(QRectF(5.5, 3.5, 3, 25));
    p.drawRect(QRectF(23.5, 3.5, 3, 25));
    p.restore();
}

void prIconSpiral(QPainter& p)
{
    // Drawn on the pixel grid: at this size an outline would only blur it.
    p.save();
    prPixelStrokes(p);
    QPolygon line;
    line << QPoint(3, 4) << QPoint(28, 4) << QPoint(28, 28) << QPoint(8, 28) << QPoint(8, 9) << QPoint(23, 9)
         << QPoint(23, 23) << QPoint(13, 23) << QPoint(13, 14) << QPoint(18, 14) << QPoint(18, 18);
    p.setPen(QPen(ink::kCopper, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    p.restore();
    p.save();
    p.setPen(QPen(ink::kCopperHatch, 1.0));
    p.setBrush(ink::kCopperTop);
    p.drawEllipse(QPointF(18.5, 18.5), 2.6, 2.6);
    p.restore();
}

void prIconStraight(QPainter& p)
{
    // A straight round conductor, rising to the right.
    p.save();
    p.translate(16, 16);
    p.rotate(-35.0);
    prRoundRod(p, -14, 12, 0, 4.5);
    p.restore();
}

void prIconToroid(QPainter& p)
{
    const QPointF o(16, 16);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(o, 13.5, 13.5);
    ring.addEllipse(o, 6.0, 6.0);
    QRadialGradient g(o, 13.5);
    g.setColorAt(6.0 / 13.5, kFerrite);
    g.setColorAt(0.7, kFerriteLight);
    g.setColorAt(1.0, kFerrite);
    p.save();
    p.setPen(QPen(ink::kOutline, 1.0));
    p.setBrush(g);
    p.drawPath(ring);
    p.restore();
    // Turns over three quarters of the ring, bare on the right.
    constexpr int turns = 9;
    for (int i = 0; i < turns; ++i) {
        const double a = (55.0 + 250.0 * i / (turns - 1)) * M_PI / 180.0;
        const QPointF u(std::cos(a), -std::sin(a));
        p.save();
        p.setPen(QPen(ink::kCopperHatch, 2.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(o + u * 5.0, o + u * 14.4));
        p.setPen(QPen(ink::kCopper, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(o + u * 5.3, o + u * 14.1));
        p.restore();
    }
}

// ---------------------------------------------------------------- drawing A

// Single-layer coil on a cylindrical former, side view: the length l above,
// the former's diameter D0 at the right edge (its field stands just past the
// drawing), and a magnified turn with its wire diameter d at the bottom.
void prDrawSingleLayer(QPainter& p)
{
    // Axis level with the middle of the D0 field.
    const double cy = kAEditFormer.top() + kAEditFormer.height() / 2.0;
    constexpr double rFormer = 40.0; // D0 = 80 px
    constexpr double xLeft = 12.0;   // former's ends
    constexpr double xRight = 176.0;
    constexpr double endRx = 7.0; // the end faces are seen slightly from the right
    constexpr double wire = 6.0;
    constexpr double pitch = 7.0;
    constexpr int turns = 19;
    constexpr double firstTop = 31.0; // top of the first turn, centre of the wire
    const double yTop = cy - rFormer;
    const double yBottom = cy + rFormer;

    // Axis first: the former covers it.
    prCentreLine(p, QPointF(1, cy + 0.5), QPointF(186, cy + 0.5));

    // Former: a pressboard tube.
    QPainterPath body;
    body.moveTo(xLeft, yTop);
    body.lineTo(xRight, yTop);
    body.lineTo(xRight, yBottom);
    body.lineTo(xLeft, yBottom);
    body.arcTo(QRectF(xLeft - endRx, yTop, 2 * endRx, 2 * rFormer), 270.0, -180.0);
    body.closeSubpath();
    const QRectF face(xRight - endRx, yTop, 2 * endRx, 2 * rFormer);
    const QRectF bore = face.adjusted(1.6, 8.0, -1.6, -8.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fnRodShading(yTop, yBottom, kFormerLight, ink::kFormer, kFormerDark));
    p.drawPath(body);
    p.setBrush(QColor(230, 216, 176));
    p.drawEllipse(face);
    p.setBrush(kBore);
    p.drawEllipse(bore);
    p.setPen(QPen(QColor(120, 104, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.drawEllipse(face);
    p.drawEllipse(bore);
    p.restore();
    {
        QPainterPath clip;
        clip.addEllipse(bore);
        p.save();
        p.setClipPath(clip, Qt::IntersectClip);
        prCentreLine(p, QPointF(xRight - 10, cy + 0.5), QPointF(xRight + 10, cy + 0.5));
        p.restore();
    }

    // Turns: the front half of each, slanting half a pitch.
    const QLinearGradient shade = fnRodShading(yTop - wire, yBottom + wire, ink::kCopperTop, ink::kCopper, kCopperDeep);
    for (int i = 0; i < turns; ++i) {
        const QPointF a(firstTop + pitch * i, yTop - wire / 2.0);
        const QPointF b(firstTop + pitch * i + pitch / 2.0, yBottom + wire / 2.0);
        p.save();
        p.setPen(QPen(ink::kCopperHatch, wire + 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(a, b));
        p.setPen(QPen(QBrush(shade), wire - 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(a, b));
        p.restore();
    }

    // Leads from the first and the last turn.
    {
        QPainterPath l0;
        l0.moveTo(firstTop + pitch / 2.0, yBottom + wire / 2.0);
        l0.cubicTo(QPointF(33, 140), QPointF(24, 146), QPointF(12, 146));
        prLead(p, l0, QPointF(-5, 0));
        const double xLast = firstTop + pitch * (turns - 1) + pitch / 2.0;
        QPainterPath l1;
        l1.moveTo(xLast, yBottom + wire / 2.0);
        l1.cubicTo(QPointF(xLast + 1, 138), QPointF(168, 143), QPointF(176, 143));
        prLead(p, l1, QPointF(5, 0));
    }

    // Winding length l, from the outer edge of the first turn to that of the last.
    const double yL = kAEditLength.center().y() + 0.5;
    const double xl0 = firstTop - wire / 2.0 + 0.5;
    const double xl1 = firstTop + pitch * (turns - 1) + wire / 2.0 - 0.5;
    prExtension(p, QPointF(xl0, yTop - wire - 1), QPointF(xl0, yL - 4));
    prExtension(p, QPointF(xl1, yTop - wire - 1), QPointF(xl1, yL - 4));
    prDimension(p, QPointF(xl0, yL), QPointF(xl1, yL), kAEditLength);

    // Former diameter D0 at the right edge; its field stands just past it.
    const double xD = 188.5;
    prExtension(p, QPointF(xRight + 3, yTop + 0.5), QPointF(xD + 4, yTop + 0.5));
    prExtension(p, QPointF(xRight + 3, yBottom - 0.5), QPointF(xD + 4, yBottom - 0.5));
    prDimension(p, QPointF(xD, yTop + 0.5), QPointF(xD, yBottom - 0.5), QRectF());

    // A turn circled at the bottom and magnified below, with its diameter d.
    const QPointF turn(firstTop + 2 * pitch + pitch / 2.0 - 0.5, yBottom + wire / 2.0 - 1.0);
    const double rCall = 7.0;
    prCallout(p, turn, rCall);
    const double yd = kAEditWire.center().y() + 0.5;
    const QPointF big(turn.x(), yd);
    const double rBig = 9.0;
    prLeader(p, turn + QPointF(0, rCall), big - QPointF(0, rBig + 1));
    prWireDot(p, big, rBig);
    prOutsideDimension(p, QPointF(big.x() - rBig, yd), QPointF(big.x() + rBig, yd), 12.0,
                       kAEditWire.left() - 2 - (big.x() + rBig));
}

// ---------------------------------------------------------------- drawing B

// Multi-layer coil in section through its axis: the wires in layers, the
// former tube inside. The diameters are read off at the left end: Do as a
// half dimension from the outside of the upper section past the axis, Di
// and the build c as full ones; the mean diameter D at the right edge and
// the wire diameter d on a magnified wire at the bottom.
void prDrawMultiLayer(QPainter& p)
{
    constexpr double cy = 100.0;
    constexpr double x0 = 148.0;  // winding ends
    constexpr double pitch = 9.0; // wire diameter in the section
    constexpr int columns = 15;
    constexpr int layers = 4;
    constexpr double x1 = x0 + pitch * columns;
    constexpr double rInner = 34.0;
    constexpr double rOuter = rInner + pitch * layers;
    constexpr double wall = 4.0; // former tube

    // Axis.
    prCentreLine(p, QPointF(x0 - 8, cy + 0.5), QPointF(x1 + 10, cy + 0.5));

    const QRectF upper(x0, cy - rOuter, x1 - x0, rOuter - rInner);
    const QRectF lower(x0, cy + rInner, x1 - x0, rOuter - rInner);
    const QRectF tubeUp(x0, cy - rInner, x1 - x0, wall);
    const QRectF tubeDown(x0, cy + rInner - wall, x1 - x0, wall);
    // Former tube, hatched as a section.
    for (const QRectF& t : {tubeUp, tubeDown})
        prSectionBlock(p, t, ink::kFormer, {{3.0, 45.0, kFormerHatch}});
    // Wires in layers.
    for (const QRectF& s : {upper, lower}) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(s, kVarnish);
        p.restore();
        for (int j = 0; j < layers; ++j)
            for (int i = 0; i < columns; ++i)
                prWireDot(p, QPointF(s.left() + pitch * (i + 0.5), s.top() + pitch * (j + 0.5)), pitch / 2.0);
        p.save();
        p.setPen(QPen(ink::kOutline, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(s.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
    }

    // Winding length l at the top.
    const double yL = kBEditLength.center().y() + 0.5;
    prExtension(p, QPointF(x0 + 0.5, upper.top() - 3), QPointF(x0 + 0.5, yL - 4));
    prExtension(p, QPointF(x1 - 0.5, upper.top() - 3), QPointF(x1 - 0.5, yL - 4));
    prDimension(p, QPointF(x0 + 0.5, yL), QPointF(x1 - 0.5, yL), kBEditLength);

    // Do: one arrowhead on the outside of the upper section, the line runs
    // on past the axis.
    const double xDo = kBEditOuter.center().x() + 0.5;
    const double yOut = upper.top() + 0.5;
    prExtension(p, QPointF(x0 - 3, yOut), QPointF(xDo - 4, yOut));
    {
        const QPointF tip(xDo, yOut);
        const QPointF end(xDo, cy + 9);
        prArrowHead(p, tip, QPointF(0, -1), ink::kDimension);
        const QRectF gap = QRectF(kBEditOuter).adjusted(-2, -2, 2, 2);
        prLine(p, tip + QPointF(0, 5), QPointF(xDo, gap.top()), ink::kDimension);
        prLine(p, QPointF(xDo, gap.bottom()), end, ink::kDimension);
    }
    prLetter(p, QPointF(kBEditOuter.left() - 12, kBEditOuter.center().y() + 0.5), fnLetter("D", "o"));

    // Di across the bore, just left of the winding.
    const double xDi = kBEditInner.center().x() + 0.5;
    const double yIn0 = cy - rInner + 0.5;
    const double yIn1 = cy + rInner - 0.5;
    prExtension(p, QPointF(x0 - 3, yIn0), QPointF(xDi - 4, yIn0));
    prDimension(p, QPointF(xDi, yIn0), QPointF(xDi, yIn1), kBEditInner);
    prLetter(p, QPointF(kBEditInner.left() - 12, kBEditInner.center().y() + 0.5), fnLetter("D", "i"));

    // c: the radial build of the lower section. Its inner extension line is
    // shared with Di.
    const double xc = kBEditBuild.center().x() + 0.5;
    const double yOut1 = lower.bottom() - 0.5;
    prExtension(p, QPointF(x0 - 3, yIn1), QPointF(xc - 4, yIn1));
    prExtension(p, QPointF(x0 - 3, yOut1), QPointF(xc - 4, yOut1));
    prDimension(p, QPointF(xc, yIn1), QPointF(xc, yOut1), kBEditBuild);
    prLetter(p, QPointF(kBEditBuild.left() - 9, kBEditBuild.center().y() + 0.5), fnLetter("c"));

    // Mean diameter D at the right edge, on the dash-dot mean lines.
    const double xD = 310.5;
    const double rMean = (rInner + rOuter) / 2.0;
    for (double y : {cy - rMean + 0.5, cy + rMean - 0.5})
        prCentreLine(p, QPointF(x0 - 4, y), QPointF(xD + 3, y), QColor(70, 84, 120));
    prDimension(p, QPointF(xD, cy - rMean + 0.5), QPointF(xD, cy + rMean - 0.5), kBEditMean);
    prLetter(p, QPointF(kBEditMean.left() - 8, kBEditMean.center().y() + 0.5), fnLetter("D"));

    // One wire of the lower section circled and magnified, with d.
    const QPointF wireAt(x0 + pitch * 4.5, lower.top() + pitch * (layers - 0.5));
    const double rCall = pitch / 2.0 + 3.0;
    prCallout(p, wireAt, rCall);
    const double yd = kBEditWire.center().y() + 0.5;
    const double rBig = 9.0;
    const QPointF big(wireAt.x(), yd);
    prLeader(p, wireAt + QPointF(0, rCall), big - QPointF(0, rBig + 1));
    prWireDot(p, big, rBig);
    prOutsideDimension(p, QPointF(big.x() - rBig, yd), QPointF(big.x() + rBig, yd), 12.0,
                       kBEditWire.left() - 2 - (big.x() + rBig));
}

// ---------------------------------------------------------------- drawing C

// The annotated square spiral (left), the detail of its winding band (top
// middle) and the four outlines with their results.
constexpr QPointF kSquareCentre(110, 98);
constexpr double kSquareA = 66.0; // outer turn's centre line
constexpr double kSquarePitch = 14.0;
constexpr double kSquareTrack = 8.0;
constexpr int kSquareTurns = 4;

void prDrawSquareAnnotated(QPainter& p)
{
    TSpiral s;
    s.centre = kSquareCentre;
    s.sides = 4;
    s.a = kSquareA;
    s.pitch = kSquarePitch;
    s.width = kSquareTrack;
    s.segments = 4 * (kSquareTurns - 1) + 3;
    s.lastFraction = 26.0 / 34.0; // the via sits clear of the Di arrow
    const double cx = kSquareCentre.x();
    const double cy = kSquareCentre.y();
    const double outer = kSquareA + kSquareTrack / 2.0;                                     // 70
    const double inner = kSquareA - kSquarePitch * (kSquareTurns - 1) - kSquareTrack / 2.0; // 20
    const double mean = (outer + inner) / 2.0;

    // Mean outline first, the copper covers it, then again over the copper
    // thinly where it crosses (it is a construction line).
    const QRectF meanRect(cx - mean + 0.5, cy - mean + 0.5, 2 * mean - 1, 2 * mean - 1);
    prSpiral(p, s);
    {
        p.save();
        QPen pen(QColor(40, 60, 110), 1.0, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({9, 2, 2, 2});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(meanRect);
        p.restore();
    }

    // Do on the left: from the top of the outer turn to its bottom.
    const double xDo = 14.5;
    const double yTop = cy - outer + 0.5;
    const double yBottom = cy + outer - 0.5;
    const double xStart = cx - outer;                                               // the flush outer end
    const double xBottomLeft = cx - (kSquareA - kSquarePitch) - kSquareTrack / 2.0; // stepped side
    prExtension(p, QPointF(xStart - 2, yTop), QPointF(xDo - 4, yTop));
    prExtension(p, QPointF(xBottomLeft - 2, yBottom), QPointF(xDo - 4, yBottom));
    prLetteredDimension(p, QPointF(xDo, yTop), QPointF(xDo, yBottom), QPointF(xDo, cy - 24), fnLetter("D", "o"));

    // Dm on the left, taken off the mean outline.
    const double xDm = 31.5;
    prCentreLine(p, QPointF(meanRect.left() - 2, meanRect.top()), QPointF(xDm - 4, meanRect.top()),
                 QColor(40, 60, 110));
    prCentreLine(p, QPointF(meanRect.left() - 2, meanRect.bottom()), QPointF(xDm - 4, meanRect.bottom()),
                 QColor(40, 60, 110));
    prLetteredDimension(p, QPointF(xDm, meanRect.top()), QPointF(xDm, meanRect.bottom()), QPointF(xDm, cy + 22),
                        fnLetter("D", "m"));

    // Di inside the hole.
    const double xDi = cx + 8.5;
    prDimension(p, QPointF(xDi, cy - inner + 0.5), QPointF(xDi, cy + inner - 0.5), QRectF());
    prLetter(p, QPointF(xDi - 10, cy - 7), fnLetter("D", "i"));
}

// Detail A: the winding band, magnified 1.5 times, with W, w, s and the
// turns numbered from the outside in.
void prDrawBandDetail(QPainter& p, QPointF calloutAt, double calloutR, TLanguage language)
{
    constexpr double scale = 1.5;
    const double w = kSquareTrack * scale;
    const double s = (kSquarePitch - kSquareTrack) * scale;
    const double left = 214.0; // the inner turn is on the left, as in the plan
    const double top = 40.0;
    const double bottom = 76.0;
    const double right = left + kSquareTurns * w + (kSquareTurns - 1) * s;

    // Callout on the plan and its letter.
    prCallout(p, calloutAt, calloutR);
    const QPointF onCircle = calloutAt + QPointF(calloutR * 0.7071, -calloutR * 0.7071);
    prLeader(p, onCircle, QPointF(onCircle.x() + 9, onCircle.y() - 9));
    const TCaption mark{fnWord(kWords, TCoilWord::DetailMark, language), QString(), QString(), true};
    prLetter(p, QPointF(onCircle.x() + 13, onCircle.y() - 15), mark, ink::kText);
    prLetter(p, QPointF((left + right) / 2.0, 7), mark, ink::kText);

    // Board between wavy break lines, the tracks on it.
    auto wave = [&](double y) {
        QPainterPath path;
        const double x0 = left - 8;
        const double x1 = right + 8;
        path.moveTo(x0, y);
        for (double x = x0; x < x1; x += 12.0) {
            path.quadTo(QPointF(x + 3, y - 2.5), QPointF(x + 6, y));
            path.quadTo(QPointF(x + 9, y + 2.5), QPointF(std::min(x + 12, x1), y));
        }
        return path;
    };
    QPainterPath board = wave(top);
    {
        QPainterPath lower = wave(bottom).toReversed();
        board.lineTo(lower.elementAt(0).x, lower.elementAt(0).y);
        board.connectPath(lower);
        board.closeSubpath();
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kBoard);
    p.drawPath(board);
    p.setClipPath(board, Qt::IntersectClip);
    for (int i = 0; i < kSquareTurns; ++i) {
        const QRectF t(left + i * (w + s), top - 4, w, bottom - top + 8);
        p.setPen(QPen(ink::kCopperHatch, 1.0));
        p.setBrush(ink::kCopper);
        p.drawRect(t.adjusted(0.5, 0, -0.5, 0));
    }
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::kOutline, 1.0));
    p.drawPath(wave(top));
    p.drawPath(wave(bottom));
    p.restore();

    // w on the inner track, s on the gap beside it.
    const double xa = left + 0.5;
    const double xb = left + w - 0.5;
    const double xc = left + w + s + 0.5;
    const double yw = 29.5;
    const double ys = 17.5;
    prExtension(p, QPointF(xa, top - 4), QPointF(xa, yw - 4));
    prExtension(p, QPointF(xb, top - 4), QPointF(xb, ys - 4));
    prExtension(p, QPointF(xc, top - 4), QPointF(xc, ys - 4));
    prOutsideDimension(p, QPointF(xa, yw), QPointF(xb, yw), 10.0, 8.0);
    prLetter(p, QPointF(xa - 16, yw), fnLetter("w"));
    prOutsideDimension(p, QPointF(xb, ys), QPointF(xc, ys), 8.0, 10.0);
    prLetter(p, QPointF(xb - 15, ys), fnLetter("s"));

    // The band W below.
    const double yW = 97.5;
    prExtension(p, QPointF(left + 0.5, bottom + 4), QPointF(left + 0.5, yW + 4));
    prExtension(p, QPointF(right - 0.5, bottom + 4), QPointF(right - 0.5, yW + 4));
    prLetteredDimension(p, QPointF(left + 0.5, yW), QPointF(right - 0.5, yW), QPointF((left + right) / 2.0, yW),
                        fnLetter("W"));

    // Turns counted from the outer one.
    const char* names[] = {"N", "…", "2", "1"};
    for (int i = 0; i < kSquareTurns; ++i)
        prLetter(p, QPointF(left + i * (w + s) + w / 2.0, 86.5), fnLetter(names[i]), ink::kText);
}

void prDrawFlatSpirals(QPainter& p, TLanguage language)
{
    prDrawSquareAnnotated(p);
    prDrawBandDetail(p, QPointF(155, 98), 27.0, language);

    // The three other outlines, each over or beside its result.
    TSpiral hex;
    hex.centre = QPointF(252, 156);
    hex.sides = 6;
    hex.a = 35.5;
    hex.pitch = 9.0;
    hex.width = 5.0;
    hex.segments = 6 * 2 + 5;
    hex.lastFraction = 0.5;
    prSpiral(p, hex);

    TSpiral oct = hex;
    oct.centre = QPointF(345, 157);
    oct.sides = 8;
    oct.firstNormalDeg = -90.0;
    oct.segments = 8 * 2 + 7;
    prSpiral(p, oct);

    TSpiral circle = hex;
    circle.centre = QPointF(344, 47);
    circle.sides = 0;
    circle.firstNormalDeg = 180.0;
    circle.a = 37.5;
    circle.segments = 4 * 3 - 1;
    circle.lastFraction = 0.5;
    prSpiral(p, circle);

    for (QPoint r : {kCResultSquare, kCResultHexagon, kCResultOctagon, kCResultCircle})
        prResultTag(p, r);
}

// ---------------------------------------------------------------- drawing D

// Straight conductors: a round wire (top), a round wire over a conducting
// plane (bottom left) and a bar of rectangular section (right).
void prDrawStraight(QPainter& p)
{
    // Round wire of length l and diameter d.
    {
        const double x0 = 40.0;
        const double x1 = 330.0;
        const double cy = 44.0;
        const double r = 6.0;
        prRoundRod(p, x0, x1, cy, r);
        const double yl = 68.5;
        prExtension(p, QPointF(x0 + 0.5, cy + r + 3), QPointF(x0 + 0.5, yl + 4));
        prExtension(p, QPointF(x1 + 0.5, cy + r + 3), QPointF(x1 + 0.5, yl + 4));
        prLetteredDimension(p, QPointF(x0 + 0.5, yl), QPointF(x1 + 0.5, yl), QPointF((x0 + x1) / 2.0, yl),
                            fnLetter("l"));
        const double xd = 350.5;
        prExtension(p, QPointF(x1 + 5, cy - r + 0.5), QPointF(xd + 4, cy - r + 0.5));
        prExtension(p, QPointF(x1 + 5, cy + r - 0.5), QPointF(xd + 4, cy + r - 0.5));
        prOutsideDimension(p, QPointF(xd, cy - r + 0.5), QPointF(xd, cy + r - 0.5), 10.0, 10.0);
        prLetter(p, QPointF(xd + 12, cy + 0.5), fnLetter("d"));
        prResultTag(p, kDResultWire);
    }

    // Round wire at height h over a conducting plane.
    {
        const double x0 = 30.0;
        const double x1 = 196.0;
        const double cy = 150.0;
        const double r = 6.0;
        const QRectF plane(8, 196, 220, 9);
        prSectionBlock(p, plane, ink::kSteelFront, {{4.0, 45.0, ink::kPlateLineDark}});

        prRoundRod(p, x0, x1, cy, r);
        const double xh = 213.5;
        prCentreLine(p, QPointF(x1 + 5, cy + 0.5), QPointF(xh + 4, cy + 0.5));
        prLetteredDimension(p, QPointF(xh, cy + 0.5), QPointF(xh, plane.top()), QPointF(xh, (cy + plane.top()) / 2.0),
                            fnLetter("h"));

        const double yl = 124.5;
        prExtension(p, QPointF(x0 + 0.5, cy - r - 3), QPointF(x0 + 0.5, yl - 4));
        prExtension(p, QPointF(x1 + 0.5, cy - r - 3), QPointF(x1 + 0.5, yl - 4));
        prLetteredDimension(p, QPointF(x0 + 0.5, yl), QPointF(x1 + 0.5, yl), QPointF((x0 + x1) / 2.0, yl),
                            fnLetter("l"));

        const double xd = 14.5;
        prExtension(p, QPointF(x0 - 6, cy - r + 0.5), QPointF(xd - 4, cy - r + 0.5));
        prExtension(p, QPointF(x0 - 6, cy + r - 0.5), QPointF(xd - 4, cy + r - 0.5));
        prOutsideDimension(p, QPointF(xd, cy - r + 0.5), QPointF(xd, cy + r - 0.5), 10.0, 10.0);
        prLetter(p, QPointF(xd - 8, cy - 17), fnLetter("d"));
        prResultTag(p, kDResultPlane);
    }

    // Bar of rectangular section d × h, oblique view: the length l runs
    // across, d is the thickness, h recedes.
    {
        const double x0 = 262.0;
        const double x1 = 362.0;
        const double top = 130.0;
        const double d = 12.0;
        const QPointF depth(22.0, -22.0);
        const QPointF a(x0, top);
        const QPointF b(x1, top);
        const QPointF c(x1, top + d);
        const QPointF e(x0, top + d);
        QPolygonF topFace;
        topFace << a << b << b + depth << a + depth;
        QPolygonF endFace;
        endFace << b << b + depth << c + depth << c;
        QPolygonF front;
        front << a << b << c << e;
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(ink::kCopperTop);
        p.drawPolygon(topFace);
        p.setBrush(ink::kCopper);
        p.drawPolygon(front);
        p.setBrush(ink::kCopperSide);
        p.drawPolygon(endFace);
        p.restore();
        QPainterPath endArea;
        endArea.addPolygon(endFace);
        prHatch(p, endArea, 3.0, 45.0, ink::kCopperHatch, 1.0);
        p.save();
        p.setPen(QPen(ink::kCopperHatch, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(topFace);
        p.drawPolygon(front);
        p.drawPolygon(endFace);
        p.restore();

        const double yl = 156.5;
        prExtension(p, QPointF(x0 + 0.5, top + d + 3), QPointF(x0 + 0.5, yl + 4));
        prExtension(p, QPointF(x1 - 0.5, top + d + 3), QPointF(x1 - 0.5, yl + 4));
        prLetteredDimension(p, QPointF(x0 + 0.5, yl), QPointF(x1 - 0.5, yl), QPointF((x0 + x1) / 2.0, yl),
                            fnLetter("l"));

        const double xd = 250.5;
        prExtension(p, QPointF(x0 - 3, top + 0.5), QPointF(xd - 4, top + 0.5));
        prExtension(p, QPointF(x0 - 3, top + d - 0.5), QPointF(xd - 4, top + d - 0.5));
        prOutsideDimension(p, QPointF(xd, top + 0.5), QPointF(xd, top + d - 0.5), 9.0, 9.0);
        prLetter(p, QPointF(xd - 9, top - 10), fnLetter("d"));

        // h along the receding lower edge of the end face.
        const QPointF n(0.7071, 0.7071);
        const QPointF h0 = c;
        const QPointF h1 = c + depth;
        prExtension(p, h0 + n * 3, h0 + n * 15);
        prExtension(p, h1 + n * 3, h1 + n * 15);
        prDimension(p, h0 + n * 12, h1 + n * 12, QRectF());
        prLetter(p, (h0 + h1) / 2.0 + n * 21, fnLetter("h"));
        prResultTag(p, kDResultBar);
    }
}

// ---------------------------------------------------------------- drawing E

// Toroid: a section through the axis at the top carries Do, Di and h (the
// winding shown as wires round both sides of the core), a plan view below
// shows the winding round the ring.
void prDrawToroid(QPainter& p)
{
    constexpr double cx = 88.0;
    constexpr double xOut0 = 13.0;
    constexpr double xOut1 = 163.0;
    constexpr double xIn0 = 40.0;
    constexpr double xIn1 = 136.0;
    constexpr double top = 57.0;
    constexpr double bottom = 97.0;
    constexpr double rWire = 2.0;

    prCentreLine(p, QPointF(cx + 0.5, top - 12), QPointF(cx + 0.5, bottom + 12));
    // Edges of the bore behind the cut.
    prLine(p, QPointF(xIn0, top + 0.5), QPointF(xIn1, top + 0.5), ink::kOutline);
    prLine(p, QPointF(xIn0, bottom - 0.5), QPointF(xIn1, bottom - 0.5), ink::kOutline);

    for (const QRectF& s :
         {QRectF(xOut0, top, xIn0 - xOut0, bottom - top), QRectF(xIn1, top, xOut1 - xIn1, bottom - top)}) {
        prSectionBlock(p, s, kFerrite, {{4.0, 45.0, kFerriteHatch}});
        // The wires of the winding all round the section, clear of the
        // corners so the extension lines pass between them.
        const double g = rWire + 0.6;
        for (double x = s.left() + 5; x <= s.right() - 4; x += 4.5) {
            prWireDot(p, QPointF(x, s.top() - g), rWire);
            prWireDot(p, QPointF(x, s.bottom() + g), rWire);
        }
        for (double y = s.top() + 5; y <= s.bottom() - 4; y += 4.5) {
            prWireDot(p, QPointF(s.left() - g, y), rWire);
            prWireDot(p, QPointF(s.right() + g, y), rWire);
        }
    }

    // Do above, its field at the end of the line.
    const double yDo = kEEditOuter.center().y() + 0.5;
    prExtension(p, QPointF(xOut0 + 0.5, top - 6), QPointF(xOut0 + 0.5, yDo - 4));
    prExtension(p, QPointF(xOut1 - 0.5, top - 6), QPointF(xOut1 - 0.5, yDo - 4));
    prDimension(p, QPointF(xOut0 + 0.5, yDo), QPointF(xOut1 - 0.5, yDo), QRectF());
    prLine(p, QPointF(xOut1 - 0.5, yDo), QPointF(kEEditOuter.left() - 2, yDo), ink::kDimension);
    prLetter(p, QPointF(kEEditOuter.left() - 12, yDo - 11), fnLetter("D", "o"));

    // Di above it, over the bore.
    const double yDi = kEEditInner.center().y() + 0.5;
    prExtension(p, QPointF(xIn0 + 0.5, top - 6), QPointF(xIn0 + 0.5, yDi - 4));
    prExtension(p, QPointF(xIn1 - 0.5, top - 6), QPointF(xIn1 - 0.5, yDi - 4));
    prDimension(p, QPointF(xIn0 + 0.5, yDi), QPointF(xIn1 - 0.5, yDi), kEEditInner);
    prLetter(p, QPointF(xIn0 - 15, yDi), fnLetter("D", "i"));

    // h at the right.
    const double xh = kEEditHeight.center().x() + 0.5;
    prExtension(p, QPointF(xOut1 + 7, top + 0.5), QPointF(xh + 4, top + 0.5));
    prExtension(p, QPointF(xOut1 + 7, bottom - 0.5), QPointF(xh + 4, bottom - 0.5));
    prDimension(p, QPointF(xh, top + 0.5), QPointF(xh, bottom - 0.5), kEEditHeight);
    prLetter(p, QPointF(kEEditHeight.left() - 9, kEEditHeight.center().y() + 0.5), fnLetter("h"));

    // Plan view of the wound ring.
    const QPointF o(118.0, 168.0);
    const double rOut = 56.0;
    const double rIn = 36.0;
    prCentreLine(p, QPointF(o.x() - rOut - 8, o.y() + 0.5), QPointF(o.x() + rOut + 8, o.y() + 0.5));
    prCentreLine(p, QPointF(o.x() + 0.5, o.y() - rOut - 4), QPointF(o.x() + 0.5, o.y() + rOut + 4));
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(o, rOut, rOut);
    ring.addEllipse(o, rIn, rIn);
    {
        QRadialGradient g(o, rOut);
        g.setColorAt(rIn / rOut, kFerrite);
        g.setColorAt((rIn + rOut) / 2.0 / rOut, kFerriteLight);
        g.setColorAt(1.0, kFerrite);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(ring);
        p.setPen(QPen(ink::kOutline, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(o, rOut - 0.5, rOut - 0.5);
        p.drawEllipse(o, rIn + 0.5, rIn + 0.5);
        p.restore();
        QPainterPath hole;
        hole.addEllipse(o, rIn - 1, rIn - 1);
        p.save();
        p.setClipPath(hole, Qt::IntersectClip);
        prCentreLine(p, QPointF(o.x() - rOut, o.y() + 0.5), QPointF(o.x() + rOut, o.y() + 0.5));
        prCentreLine(p, QPointF(o.x() + 0.5, o.y() - rOut), QPointF(o.x() + 0.5, o.y() + rOut));
        p.restore();
    }
    // Turns across the ring, leaving a gap on the right for the leads.
    const double a0 = 30.0;
    const double a1 = 330.0;
    const int turns = 24;
    for (int i = 0; i < turns; ++i) {
        const double a = (a0 + (a1 - a0) * i / (turns - 1)) * M_PI / 180.0;
        const QPointF u(std::cos(a), -std::sin(a));
        p.save();
        p.setPen(QPen(ink::kCopperHatch, 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(o + u * (rIn - 1.5), o + u * (rOut + 1.5)));
        p.setPen(QPen(ink::kCopper, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(o + u * (rIn - 1.2), o + u * (rOut + 1.2)));
        p.setPen(QPen(ink::kCopperTop, 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(o + u * (rIn + 1.0), o + u * (rOut - 1.0)));
        p.restore();
    }
    {
        const QPointF u0(std::cos(a0 * M_PI / 180.0), -std::sin(a0 * M_PI / 180.0));
        const QPointF u1(std::cos(a1 * M_PI / 180.0), -std::sin(a1 * M_PI / 180.0));
        const QPointF s0 = o + u0 * (rOut + 2);
        const QPointF s1 = o + u1 * (rOut + 2);
        QPainterPath l0;
        l0.moveTo(s0);
        l0.cubicTo(s0 + u0 * 6, QPointF(s0.x() + 14, s0.y() + 6), QPointF(s0.x() + 26, s0.y() + 6));
        QPainterPath l1;
        l1.moveTo(s1);
        l1.cubicTo(s1 + u1 * 6, QPointF(s1.x() + 14, s1.y() - 6), QPointF(s1.x() + 26, s1.y() - 6));
        prLead(p, l0, QPointF(5, 0));
        prLead(p, l1, QPointF(5, 0));
    }

    prResultTag(p, kEResult);
}

void prAppendWidgets(QList<TFieldPlace>& out, const QRect& drawing, const QList<TWidget>& widgets)
{
    for (const TWidget& w : widgets) {
        const QRect r = fnWidgetRect(w).translated(drawing.topLeft()) & drawing;
        if (!r.isEmpty())
            out.push_back({w.name, r});
    }
}

} // namespace

QImage fnDrawInductionSheet(const TVariant& variant)
{
    QImage img = fnBlankPicture(geo::SheetWidth, geo::SheetHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);

    // In TCoilKind order.
    void (*const icons[geo::IconCount])(QPainter&) = {prIconSolenoid, prIconMultiLayer, prIconSpiral, prIconStraight,
                                                      prIconToroid};
    for (int k = 0; k < geo::IconCount; ++k)
        prPiece(p, fnIconRect(k), icons[k]);

    prPiece(p, kDrawingA, prDrawSingleLayer);
    prPiece(p, kDrawingB, prDrawMultiLayer);
    prPiece(p, kDrawingC, [&](QPainter& q) { prDrawFlatSpirals(q, variant.language); });
    prPiece(p, kDrawingD, prDrawStraight);
    prPiece(p, kDrawingE, prDrawToroid);

    for (const TSymbolPiece& sym : kSymbols)
        prPiece(p, fnQRect(geo::fnSymbolPiece(sym.piece)), [&](QPainter& q) { prSymbol(q, sym); });

    p.end();
    return img;
}

QList<TWordPair> fnInductionWords() { return fnWordList(kWords); }

QList<TFieldPlace> fnInductionOverlay(TLanguage language)
{
    QList<TFieldPlace> out;
    for (int k = 0; k < geo::IconCount; ++k)
        out.push_back({QStringLiteral("icon %1").arg(k), fnIconRect(k)});
    out.push_back({QStringLiteral("drawing A"), kDrawingA});
    out.push_back({QStringLiteral("drawing B"), kDrawingB});
    out.push_back({QStringLiteral("drawing C"), kDrawingC});
    out.push_back({QStringLiteral("drawing D"), kDrawingD});
    out.push_back({QStringLiteral("drawing E"), kDrawingE});
    for (const TSymbolPiece& sym : kSymbols)
        out.push_back({QString::fromUtf8(sym.name), fnQRect(geo::fnSymbolPiece(sym.piece))});
    for (const TCoilKind kind :
         {TCoilKind::OneSloi, TCoilKind::ManySloi, TCoilKind::Ploski, TCoilKind::Provod, TCoilKind::Tor})
        prAppendWidgets(out, fnQRect(geo::fnDrawing(kind).piece), fnWidgets(kind, language));
    return out;
}

} // namespace picturegen
