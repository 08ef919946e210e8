// The filter page's sheet: the two kind icons, the response of each kind
// with its cut-off marked at −3 dB, the design formulas, the twelve section
// schematics (low-pass in the upper half, high-pass in the lower) and the
// icons of the F, C, L and R inputs.
//
// The page copies each piece opaque onto its panel and writes the computed
// values over it with transparent labels: the cut-off frequency on the
// response, one value beside every element of a section. Each piece keeps
// those places free: a series element sits on the top wire just below its
// value, a shunt element stands just left of its value.
#include "Drawing.h"
#include "Sheets.h"

#include "calculators/Filters/FilterGeometry.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace picturegen {

namespace {

namespace geo = filters::geometry;
using filters::TFilterKind;
using filters::TFilterPart;
using filters::TSectionShape;

// ---------------------------------------------------------------- words

// The words of the sheet, Russian and English side by side: the level of the
// cut-off on the response and the subscript of its frequency.
enum class TFilterWord { MinusThreeDb, CutoffSubscript, Count };
constexpr auto kWords = std::to_array<TWordRow<TFilterWord>>({
    {TFilterWord::MinusThreeDb, {"−3 дБ", "−3 dB"}},
    {TFilterWord::CutoffSubscript, {"ср", "c"}}, // Fc, the cut-off frequency
});
static_assert(fnWordsInOrder(kWords));

// ---------------------------------------------------------------- pieces

// The pieces the page cuts, from the geometry it shares with the page.
const QRect kIconLowPass = fnQRect(geo::IconLowPass);
const QRect kIconHighPass = fnQRect(geo::IconHighPass);
const QRect kResponseLowPass = fnQRect(geo::ResponseLowPass);
const QRect kResponseHighPass = fnQRect(geo::ResponseHighPass);
const QRect kFormulaPiece = fnQRect(geo::Formulas);

// The cut-off value on a response picture: top-left of its label.
const QPoint kCutoffLabel = fnQPoint(geo::CutoffLabel);
// A value label as the page shows it, at its widest ("1,0000 кГц").
const QSize kValueLabel(geo::ValueLabelWidth, geo::ValueLabelHeight);

// Input icons, shown left of the F, C, L and R edit boxes.
struct TInputIcon {
    const char* name;
    QRect rect;
    const char* symbol;
};
const TInputIcon kInputIcons[] = {
    {"icon F", fnQRect(geo::InputIcons[0]), "F"},
    {"icon C", fnQRect(geo::InputIcons[1]), "C"},
    {"icon L", fnQRect(geo::InputIcons[2]), "L"},
    {"icon R", fnQRect(geo::InputIcons[3]), "R"},
};

// ---------------------------------------------------------------- sections

using TPart = TFilterPart;
enum class TBranch { Series, Shunt };

// One element of a section and the top-left corner of its value label,
// relative to the section (a negative y is above the piece).
struct TElement {
    TPart part;
    TBranch branch;
    QPoint label;
};

const QSize kSectionSize(geo::SectionWidth, geo::SectionHeight);

struct TSection {
    QString name;
    QPoint origin; // on the sheet
    int count;
    TElement elements[3];
};

// The twelve schematics, as the filter's section layouts and the shared
// geometry give them: what each element is, and where its value goes.
std::vector<TSection> fnSections()
{
    static const char* const kShapeNames[] = {"LC two-element", "LC T", "LC pi", "RC two-element", "RC T", "RC pi"};
    std::vector<TSection> sections;
    for (const TFilterKind kind : {TFilterKind::LowPass, TFilterKind::HighPass}) {
        for (const auto& layout : filters::fnSectionLayouts(kind)) {
            const geo::TSectionPicture& picture = geo::fnSectionPicture(kind, layout.shape);
            TSection s;
            s.name = QString::fromLatin1(kind == TFilterKind::LowPass ? "low-pass " : "high-pass ")
                     + QString::fromLatin1(kShapeNames[static_cast<int>(layout.shape)]);
            s.origin = fnQPoint(picture.sheet);
            s.count = layout.count;
            for (int k = 0; k < layout.count; ++k) {
                const auto& e = layout.elements[static_cast<std::size_t>(k)];
                s.elements[k] = {e.part, e.shunt ? TBranch::Shunt : TBranch::Series,
                                 fnQPoint(picture.labels[static_cast<std::size_t>(k)])};
            }
            sections.push_back(s);
        }
    }
    return sections;
}

// Section geometry, in section coordinates (pixel rows and columns).
constexpr int kTopWire = 14;
constexpr int kGroundWire = 60;
constexpr int kBodyMid = 37;      // shunt bodies are centred on this row
constexpr int kTerminalIn = 4;    // column of the input terminals
constexpr int kTerminalOut = 126; // column of the output terminals
constexpr double kTerminalRadius = 2.5;

// Symbol sizes.
constexpr int kHumps = 4;
constexpr double kHumpRadius = 4.0;
constexpr int kCoilLength = 32; // kHumps humps of kHumpRadius
static_assert(kCoilLength == static_cast<int>(2 * kHumps * kHumpRadius));
constexpr int kResistorLength = 24;
constexpr int kResistorWidth = 8;
constexpr int kPlateLength = 15;
constexpr int kPlateGap = 3;

// ---------------------------------------------------------------- colours

const QColor kWire = ink::kOutline;
const QColor kCurve(168, 44, 30);
const QColor kPassBand(231, 227, 219);
const QColor kTileFace(242, 240, 234);
const QColor kTileEdge(128, 128, 132);

// ---------------------------------------------------------------- helpers

void prDashed(QPainter& p, QPointF a, QPointF b, const QColor& c)
{
    p.save();
    QPen pen(c, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({3, 2});
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(QLineF(a, b));
    p.restore();
}

// A light tile with a thin edge, behind an icon.
void prTile(QPainter& p, const QRectF& r, double radius)
{
    p.save();
    p.setPen(QPen(kTileEdge, 1.0));
    p.setBrush(kTileFace);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

// Runs `draw` with the painter moved to the piece and clipped to it, on a
// background of the page colour.
template <typename TDraw>
void prPiece(QPainter& p, const QRect& piece, TDraw draw)
{
    p.save();
    p.setClipRect(piece);
    p.fillRect(piece, ink::kPageBack);
    p.translate(piece.topLeft());
    draw();
    p.restore();
}

// ---------------------------------------------------------------- response

// Amplitude response of a second-order section with its cut-off at
// f/fc = 1: K = 1/√(1 + (f/fc)⁴) for low-pass, the mirror for high-pass.
double fnGain(bool lowPass, double decadesFromCutoff)
{
    const double r = std::pow(10.0, lowPass ? decadesFromCutoff : -decadesFromCutoff);
    return 1.0 / std::sqrt(1.0 + r * r * r * r);
}

// Where a response is drawn: the K axis, the f axis, the level K = 1 and the
// cut-off, and the span of frequency per pixel.
struct TPlot {
    double axisX;   // K axis
    double axisY;   // f axis (K = 0)
    double unityY;  // K = 1
    double cutoffX; // f = fc
    double pxPerDecade;
    double left;  // the curve runs from here
    double right; // to here
};

double fnPlotY(const TPlot& plot, double k) { return plot.axisY - k * (plot.axisY - plot.unityY); }

// The response curve, the lowest gain drawn being `floorGain`.
QPolygonF fnCurve(const TPlot& plot, bool lowPass, double floorGain)
{
    QPolygonF curve;
    for (double x = plot.left; x <= plot.right + 1e-9; x += 0.5) {
        const double k = fnGain(lowPass, (x - plot.cutoffX) / plot.pxPerDecade);
        if (k < floorGain)
            continue;
        curve << QPointF(x, fnPlotY(plot, k));
    }
    return curve;
}

// The curve over a light tint of the pass band (the area under the curve
// on the pass side of the cut-off).
void prCurveWithBand(QPainter& p, const TPlot& plot, bool lowPass, double floorGain, double width)
{
    const QPolygonF curve = fnCurve(plot, lowPass, floorGain);
    QPolygonF band;
    for (const QPointF& pt : curve)
        if (lowPass ? pt.x() <= plot.cutoffX : pt.x() >= plot.cutoffX)
            band << pt;
    // The band stops on the axis line, not over it.
    const double floorY = plot.axisY - 0.5;
    band << QPointF(band.last().x(), floorY) << QPointF(band.first().x(), floorY);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kPassBand);
    p.drawPolygon(band);
    p.setPen(QPen(kCurve, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(curve);
    p.restore();
}

// The response picture of one kind: K over a logarithmic frequency axis,
// the −3 dB level and the cut-off marked on the axis; "Fc =" stands left
// of the place where the page writes the cut-off value.
void prResponse(QPainter& p, bool lowPass, TLanguage language)
{
    const TPlot plot{14.5, 84.5, 22.5, 80.5, 75.0, 15.5, 126.0};
    const double k3 = 1.0 / std::sqrt(2.0);
    const double y3 = std::round(fnPlotY(plot, k3)) + 0.5;

    // Axes with their arrows.
    prLine(p, QPointF(plot.axisX, plot.axisY + 3), QPointF(plot.axisX, 9), kWire);
    prArrowHead(p, QPointF(plot.axisX, 4), QPointF(0, -1), kWire);
    prLine(p, QPointF(plot.axisX - 3, plot.axisY), QPointF(127, plot.axisY), kWire);
    prArrowHead(p, QPointF(132, plot.axisY), QPointF(1, 0), kWire);

    prCurveWithBand(p, plot, lowPass, 0.06, 2.0);

    // K = 1 on the K axis.
    prLine(p, QPointF(plot.axisX - 3, plot.unityY), QPointF(plot.axisX, plot.unityY), kWire);
    const QFont small = fnFont(10);
    prText(p, QRectF(0, plot.unityY - 7, plot.axisX - 4, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("1"),
           ink::kText, small);

    // The −3 dB level and the cut-off.
    prDashed(p, QPointF(plot.axisX + 1, y3), QPointF(plot.cutoffX - 3, y3), ink::kDimension);
    prDashed(p, QPointF(plot.cutoffX, y3 + 3), QPointF(plot.cutoffX, plot.axisY - 1), ink::kDimension);
    prLine(p, QPointF(plot.cutoffX, plot.axisY - 3), QPointF(plot.cutoffX, plot.axisY + 4), ink::kDimension);
    prDot(p, QPointF(plot.cutoffX, fnPlotY(plot, k3)), 2.3, ink::kDimension);
    prText(p, QRectF(plot.axisX + 4, y3 - 14, 40, 12), Qt::AlignLeft | Qt::AlignBottom,
           fnWord(kWords, TFilterWord::MinusThreeDb, language), ink::kDimension, small);

    // Axis letters.
    TCaption k{QStringLiteral("K"), QString(), QString(), true};
    prCaptionLeft(p, k, plot.axisX + 5, 8, ink::kText, 11);
    TCaption f{QStringLiteral("f"), QString(), QString(), true};
    prCaptionLeft(p, f, 134, plot.axisY - 0.5, ink::kText, 11);

    // "Fc =" on the baseline of the value label that follows it.
    const QFontMetricsF label(fnFont(11));
    const double baseline = kCutoffLabel.y() + std::round(label.ascent());
    const TCaption cutoff{QStringLiteral("F"), fnWord(kWords, TFilterWord::CutoffSubscript, language),
                          QStringLiteral(" ="), true};
    prCaptionRight(p, cutoff, kCutoffLabel.x() - 3, baseline - label.capHeight() / 2.0, ink::kText, 11);
}

// A small copy of the response for the selection list.
void prKindIcon(QPainter& p, bool lowPass)
{
    prTile(p, QRectF(1.5, 1.5, 29, 29), 3);
    const TPlot plot{6.5, 25.5, 9.5, 17.0, 18.0, 7.0, 27.0};
    prLine(p, QPointF(plot.axisX, plot.axisY), QPointF(plot.axisX, 5), kWire);
    prLine(p, QPointF(plot.axisX, plot.axisY), QPointF(27, plot.axisY), kWire);
    prCurveWithBand(p, plot, lowPass, 0.14, 2.0);
}

// ---------------------------------------------------------------- formulas

// A little formula typesetter: text runs, rows, fractions and square roots,
// each measured as a box (width, height above and below the baseline).
struct TBox {
    double width = 0;
    double ascent = 0;
    double descent = 0;
};

struct TMath {
    enum class TKind { Text, Row, Fraction, Root };
    TKind kind = TKind::Text;
    QString text;
    bool italic = false;
    std::vector<TMath> parts;
};

constexpr int kMathPx = 13;
constexpr double kFractionGap = 2.0; // between the bar and numerator or denominator
constexpr double kBarOverhang = 2.0;

TMath fnSym(const QString& s) { return {TMath::TKind::Text, s, true, {}}; }
TMath fnUpright(const QString& s) { return {TMath::TKind::Text, s, false, {}}; }
TMath fnRow(std::vector<TMath> parts) { return {TMath::TKind::Row, {}, false, std::move(parts)}; }
TMath fnFraction(TMath num, TMath den) { return {TMath::TKind::Fraction, {}, false, {std::move(num), std::move(den)}}; }
TMath fnRoot(TMath body) { return {TMath::TKind::Root, {}, false, {std::move(body)}}; }

QFont fnMathFont(bool italic) { return fnFont(kMathPx, false, italic); }

// Height of the fraction bar above the baseline: the middle of "=".
double fnMathAxis() { return std::round(QFontMetricsF(fnMathFont(false)).xHeight() / 2.0 + 0.5); }

TBox fnMeasure(const TMath& m)
{
    switch (m.kind) {
    case TMath::TKind::Text: {
        const QFontMetricsF fm(fnMathFont(m.italic));
        // Letters and digits only: the cap height is the ink above the baseline.
        return {fm.horizontalAdvance(m.text) + (m.italic ? 1.0 : 0.0), std::ceil(fm.capHeight()), 1.0};
    }
    case TMath::TKind::Row: {
        TBox box;
        for (const TMath& part : m.parts) {
            const TBox b = fnMeasure(part);
            box.width += b.width;
            box.ascent = std::max(box.ascent, b.ascent);
            box.descent = std::max(box.descent, b.descent);
        }
        return box;
    }
    case TMath::TKind::Fraction: {
        const TBox num = fnMeasure(m.parts[0]);
        const TBox den = fnMeasure(m.parts[1]);
        const double axis = fnMathAxis();
        return {std::max(num.width, den.width) + 2 * kBarOverhang, axis + kFractionGap + num.descent + num.ascent + 0.5,
                kFractionGap + den.ascent + den.descent - axis + 0.5};
    }
    case TMath::TKind::Root: {
        const TBox body = fnMeasure(m.parts[0]);
        return {body.width + 10.0, body.ascent + 5.0, body.descent + 1.0};
    }
    }
    return {};
}

// Draws `m` with its box's left end on the baseline at `at`.
void prMath(QPainter& p, const TMath& m, QPointF at, const QColor& c)
{
    switch (m.kind) {
    case TMath::TKind::Text:
        p.save();
        p.setPen(c);
        p.setFont(fnMathFont(m.italic));
        p.drawText(at, m.text);
        p.restore();
        return;
    case TMath::TKind::Row: {
        double x = at.x();
        for (const TMath& part : m.parts) {
            prMath(p, part, QPointF(x, at.y()), c);
            x += fnMeasure(part).width;
        }
        return;
    }
    case TMath::TKind::Fraction: {
        const TBox box = fnMeasure(m);
        const TBox num = fnMeasure(m.parts[0]);
        const TBox den = fnMeasure(m.parts[1]);
        const double bar = at.y() - fnMathAxis(); // top of the one-pixel bar
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRectF(std::round(at.x()), bar, std::round(box.width), 1.0), c);
        p.restore();
        prMath(p, m.parts[0],
               QPointF(std::round(at.x() + (box.width - num.width) / 2.0), bar - kFractionGap - num.descent), c);
        prMath(p, m.parts[1],
               QPointF(std::round(at.x() + (box.width - den.width) / 2.0), bar + 1.0 + kFractionGap + den.ascent), c);
        return;
    }
    case TMath::TKind::Root: {
        const TBox body = fnMeasure(m.parts[0]);
        const double top = std::floor(at.y() - body.ascent - 3.0) + 0.5; // the overbar, on a pixel row
        const double bottom = at.y() + body.descent + 0.5;
        const double x = at.x();
        const double knee = bottom - (bottom - top) * 0.42;
        QPainterPath sign;
        sign.moveTo(x + 0.5, knee + 1.2);
        sign.lineTo(x + 2.2, knee);
        sign.lineTo(x + 4.6, bottom);
        sign.lineTo(x + 7.6, top);
        sign.lineTo(x + 10.0 + body.width, top);
        p.save();
        p.setPen(QPen(c, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(sign);
        p.restore();
        prMath(p, m.parts[0], QPointF(x + 8.5, at.y()), c);
        return;
    }
    }
}

// The formulas of the calculation: the cut-off of an LC and of an RC
// section, and the resistance that matches L and C at that frequency.
void prFormulas(QPainter& p, const QSize& size)
{
    const QString eq = QStringLiteral(" = ");
    const TMath one = fnUpright(QStringLiteral("1"));
    // "2π" and a hair space before the next factor.
    const TMath twoPi = fnUpright(QStringLiteral("2π\u200A"));
    struct TLine {
        QString tag;
        TMath left;
        TMath right;
    };
    const TLine lines[] = {
        {QStringLiteral("LC:"), fnSym(QStringLiteral("F")),
         fnFraction(one, fnRow({twoPi, fnRoot(fnSym(QStringLiteral("LC")))}))},
        {QStringLiteral("RC:"), fnSym(QStringLiteral("F")),
         fnFraction(one, fnRow({twoPi, fnSym(QStringLiteral("RC"))}))},
        {QString(), fnSym(QStringLiteral("R")),
         fnRoot(fnFraction(fnSym(QStringLiteral("L")), fnSym(QStringLiteral("C"))))},
    };

    // Rows share one column of "=" signs; the free height is spread evenly.
    double leftWidth = 0;
    double rightWidth = 0;
    double height = 0;
    for (const TLine& l : lines) {
        leftWidth = std::max(leftWidth, fnMeasure(l.left).width);
        const TBox r = fnMeasure(fnRow({fnUpright(eq), l.right}));
        rightWidth = std::max(rightWidth, r.width);
        height += r.ascent + r.descent;
    }
    const QFont tagFont = fnFont(11);
    const double tagWidth = 26;
    const double x0 = std::round((size.width() - tagWidth - leftWidth - rightWidth) / 2.0 + tagWidth);
    const double gap = (size.height() - height) / 4.0;
    double y = gap;
    for (const TLine& l : lines) {
        const TMath right = fnRow({fnUpright(eq), l.right});
        const TBox r = fnMeasure(right);
        const double baseline = std::round(y + r.ascent);
        const TBox lb = fnMeasure(l.left);
        prMath(p, l.left, QPointF(x0 + leftWidth - lb.width, baseline), ink::kText);
        prMath(p, right, QPointF(x0 + leftWidth, baseline), ink::kText);
        if (!l.tag.isEmpty())
            prText(p, QRectF(x0 - tagWidth - 2, baseline - 10, tagWidth, 12), Qt::AlignLeft | Qt::AlignBottom, l.tag,
                   ink::kNote, tagFont);
        y += r.ascent + r.descent + gap;
    }
}

// ---------------------------------------------------------------- schematics

// Columns a series element takes on the top wire, [first, last].
struct TSpan {
    int first;
    int last;
};

TSpan fnSeriesSpan(const TElement& e)
{
    switch (e.part) {
    case TPart::Inductor: return {e.label.x() + 2, e.label.x() + 1 + kCoilLength};
    case TPart::Resistor: return {e.label.x() + 2, e.label.x() + 2 + kResistorLength};
    case TPart::Capacitor: {
        const int c = e.label.x() + 10; // gap centre, under the start of the value
        const int half = kPlateGap / 2 + 2;
        return {c - half, c + half};
    }
    }
    return {0, 0};
}

// The column of a shunt element's wire: the element keeps clear of the
// value label at its right.
int fnShuntColumn(const TElement& e)
{
    switch (e.part) {
    case TPart::Inductor: return e.label.x() - 5;
    case TPart::Resistor: return e.label.x() - 9;
    case TPart::Capacitor: return e.label.x() - 12;
    }
    return 0;
}

// Humps along `dir` from `start`, bulging to `bulge`.
void prHumps(QPainter& p, QPointF start, QPointF dir, QPointF bulge)
{
    QPainterPath path;
    path.moveTo(start);
    for (int i = 0; i < kHumps; ++i) {
        const QPointF centre = start + dir * (kHumpRadius * (2 * i + 1));
        for (int s = 1; s <= 16; ++s) {
            const double t = M_PI * s / 16.0;
            path.lineTo(centre - dir * (kHumpRadius * std::cos(t)) + bulge * (kHumpRadius * std::sin(t)));
        }
    }
    p.save();
    p.setPen(QPen(kWire, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void prSeriesElement(QPainter& p, const TElement& e)
{
    const TSpan s = fnSeriesSpan(e);
    const double wire = kTopWire + 0.5;
    switch (e.part) {
    case TPart::Inductor: prHumps(p, QPointF(s.first, wire), QPointF(1, 0), QPointF(0, -1)); break;
    case TPart::Resistor:
        p.save();
        prPixelStrokes(p);
        p.setPen(fnPixelPen(kWire));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(s.first, kTopWire - kResistorWidth / 2, kResistorLength, kResistorWidth));
        p.restore();
        break;
    case TPart::Capacitor:
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(s.first, kTopWire - kPlateLength / 2, 2, kPlateLength), kWire);
        p.fillRect(QRect(s.last - 1, kTopWire - kPlateLength / 2, 2, kPlateLength), kWire);
        p.restore();
        break;
    }
}

// A shunt element from the top wire to the ground wire at column x.
void prShuntElement(QPainter& p, const TElement& e)
{
    const int x = fnShuntColumn(e);
    const double cx = x + 0.5;
    int bodyTop = 0;
    int bodyBottom = 0; // the rows the body takes, [bodyTop, bodyBottom]
    switch (e.part) {
    case TPart::Inductor: {
        bodyTop = kBodyMid - kCoilLength / 2;
        bodyBottom = bodyTop + kCoilLength - 1;
        prHumps(p, QPointF(cx, bodyTop), QPointF(0, 1), QPointF(-1, 0));
        break;
    }
    case TPart::Resistor:
        bodyTop = kBodyMid - kResistorLength / 2 + 1;
        bodyBottom = bodyTop + kResistorLength - 2;
        p.save();
        prPixelStrokes(p);
        p.setPen(fnPixelPen(kWire));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(x - kResistorWidth / 2, bodyTop, kResistorWidth, bodyBottom - bodyTop));
        p.restore();
        break;
    case TPart::Capacitor:
        bodyTop = kBodyMid - kPlateGap / 2 - 2;
        bodyBottom = kBodyMid + kPlateGap / 2 + 2;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(x - kPlateLength / 2, bodyTop, kPlateLength, 2), kWire);
        p.fillRect(QRect(x - kPlateLength / 2, bodyBottom - 1, kPlateLength, 2), kWire);
        p.restore();
        break;
    }
    p.save();
    prPixelStrokes(p);
    p.setPen(fnPixelPen(kWire));
    p.drawLine(x, kTopWire, x, bodyTop - 1);
    p.drawLine(x, bodyBottom + 1, x, kGroundWire);
    p.restore();
    prDot(p, QPointF(cx, kTopWire + 0.5), 2.3, kWire);
    prDot(p, QPointF(cx, kGroundWire + 0.5), 2.3, kWire);
}

void prTerminal(QPainter& p, int column, int row)
{
    p.save();
    p.setPen(QPen(kWire, 1.0));
    p.setBrush(ink::kPageBack);
    p.drawEllipse(QPointF(column + 0.5, row + 0.5), kTerminalRadius, kTerminalRadius);
    p.restore();
}

void prSection(QPainter& p, const TSection& section)
{
    // The top wire runs between the terminals and is broken by every series element.
    std::vector<TSpan> breaks;
    for (int i = 0; i < section.count; ++i)
        if (section.elements[i].branch == TBranch::Series)
            breaks.push_back(fnSeriesSpan(section.elements[i]));
    std::sort(breaks.begin(), breaks.end(), [](TSpan a, TSpan b) { return a.first < b.first; });
    const int wireFrom = kTerminalIn + 3;
    const int wireTo = kTerminalOut - 3;
    p.save();
    prPixelStrokes(p);
    p.setPen(fnPixelPen(kWire));
    int x = wireFrom;
    for (const TSpan& b : breaks) {
        p.drawLine(x, kTopWire, b.first - 1, kTopWire);
        x = b.last + 1;
    }
    p.drawLine(x, kTopWire, wireTo, kTopWire);
    p.drawLine(wireFrom, kGroundWire, wireTo, kGroundWire);
    p.restore();

    for (int i = 0; i < section.count; ++i) {
        const TElement& e = section.elements[i];
        if (e.branch == TBranch::Series)
            prSeriesElement(p, e);
        else
            prShuntElement(p, e);
    }
    for (int column : {kTerminalIn, kTerminalOut})
        for (int row : {kTopWire, kGroundWire})
            prTerminal(p, column, row);
}

// ---------------------------------------------------------------- input icons

void prInputIcon(QPainter& p, const TInputIcon& icon)
{
    prTile(p, QRectF(0.5, 0.5, icon.rect.width() - 1, icon.rect.height() - 1), 2.5);
    prText(p, QRectF(0, 0, icon.rect.width() - 1, icon.rect.height()), Qt::AlignCenter,
           QString::fromLatin1(icon.symbol), ink::kDimension, fnFont(12, true, true));
}

} // namespace

// ---------------------------------------------------------------- public

QImage fnDrawFilterSheet(const TVariant& variant)
{
    QImage img = fnBlankPicture(geo::SheetWidth, geo::SheetHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);

    prPiece(p, kIconLowPass, [&] { prKindIcon(p, true); });
    prPiece(p, kIconHighPass, [&] { prKindIcon(p, false); });
    prPiece(p, kResponseLowPass, [&] { prResponse(p, true, variant.language); });
    prPiece(p, kResponseHighPass, [&] { prResponse(p, false, variant.language); });
    prPiece(p, kFormulaPiece, [&] { prFormulas(p, kFormulaPiece.size()); });
    for (const TSection& s : fnSections())
        prPiece(p, QRect(s.origin, kSectionSize), [&] { prSection(p, s); });
    for (const TInputIcon& icon : kInputIcons)
        prPiece(p, icon.rect, [&] { prInputIcon(p, icon); });

    p.end();
    return img;
}

QList<TWordPair> fnFilterWords() { return fnWordList(kWords); }

QList<TFieldPlace> fnFilterOverlay()
{
    QList<TFieldPlace> out;
    out.push_back({QStringLiteral("icon low-pass"), kIconLowPass});
    out.push_back({QStringLiteral("icon high-pass"), kIconHighPass});
    out.push_back({QStringLiteral("response low-pass"), kResponseLowPass});
    out.push_back({QStringLiteral("response high-pass"), kResponseHighPass});
    out.push_back({QStringLiteral("formulas"), kFormulaPiece});
    for (const QRect& r : {kResponseLowPass, kResponseHighPass})
        out.push_back({QStringLiteral("labelA1"), QRect(r.topLeft() + kCutoffLabel, kValueLabel)});
    for (const TSection& s : fnSections()) {
        out.push_back({s.name, QRect(s.origin, kSectionSize)});
        for (int i = 0; i < s.count; ++i)
            out.push_back({QStringLiteral("value label"), QRect(s.origin + s.elements[i].label, kValueLabel)});
    }
    for (const TInputIcon& icon : kInputIcons)
        out.push_back({QString::fromLatin1(icon.name), icon.rect});
    return out;
}

} // namespace picturegen
