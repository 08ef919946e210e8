// Drawings of the transformer page: the five core kinds with their
// dimension lines under the page's edit boxes, and the panel behind the
// electrical inputs.
//
// E-I and U-I cores are drawn as a cabinet oblique view: the front face is
// the cutting plane (coil sections hatched in the windows), the stack depth
// H recedes up and to the right. Laminations show as plate edges on the top
// and side faces; a tape-wound core shows its wound strip as contours on the
// front face. The toroid gets a front view and a section through its axis.
// Sheet sizes and the field boxes come from the page's geometry, so each
// dimension line runs up to the field the page puts there.
#include "Drawing.h"
#include "Sheets.h"

#include "calculators/Transformer/TransformerGeometry.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace picturegen {

namespace {

using transformer::TTransCoreKind;
using transformer::TTransField;
namespace geo = transformer::geometry;

constexpr int kSheetWidth = geo::CoreSheetWidth;
constexpr int kSheetHeight = geo::CoreSheetHeight;
constexpr int kPanelWidth = geo::InputSheetWidth;
constexpr int kPanelHeight = geo::InputSheetHeight;
constexpr int kInputRows = static_cast<int>(std::size(geo::InputFieldPlaces));

// The words of the core drawings and of the input panel, Russian and English
// side by side. The English ones are no wider than the Russian ones they
// replace, or they still end clear of the drawing.
enum class TTrWord {
    CoreSection,
    RingSection,
    WindowArea,
    CorePower,
    LoadPower,
    SquareCentimetres,
    VoltAmperes,
    LoadSubscript,
    Efficiency,
    SteelFill,
    CopperFill,
    Count
};
constexpr auto kWords = std::to_array<TWordRow<TTrWord>>({
    {TTrWord::CoreSection, {"сечение керна", "core section"}},
    {TTrWord::RingSection, {"сечение кольца", "ring section"}},
    {TTrWord::WindowArea, {"площадь окна", "window area"}},
    {TTrWord::CorePower, {"габаритная мощность", "core power"}},
    {TTrWord::LoadPower, {"мощность нагрузки", "load power"}},
    {TTrWord::SquareCentimetres, {", см²", ", cm²"}},
    {TTrWord::VoltAmperes, {", ВА", ", VA"}},
    {TTrWord::LoadSubscript, {"тр", "load"}}, // of P, the power the load takes
    {TTrWord::Efficiency, {"КПД", "efficiency"}},
    {TTrWord::SteelFill, {"сталь в пакете", "steel fill"}}, // Kc: steel in the stack
    {TTrWord::CopperFill, {"медь в окне", "copper fill"}},  // Kw: copper in the window
});
static_assert(fnWordsInOrder(kWords));

// ---------------------------------------------------------------- fields

// The box of a field on the drawing of a kind.
QRect fnFieldRect(TTransCoreKind kind, TTransField field) { return fnQRect(geo::fnCoreFieldRect(kind, field)); }

int fnInputTop(int row) { return geo::InputFieldPlaces[static_cast<std::size_t>(row)].top; }

// ---------------------------------------------------------------- helpers

QPolygonF fnQuad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    QPolygonF q;
    q << a << b << c << d;
    return q;
}

void prFillPolygon(QPainter& p, const QPolygonF& poly, const QColor& c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
    p.restore();
}

// A letter naming a dimension (A, B, C, H …), italic, centred on a point.
void prDimLetter(QPainter& p, QPointF centre, const QString& symbol, const QString& sub = {})
{
    TCaption cap{symbol, sub, QString(), true};
    const double w = fnCaptionWidth(cap, 11);
    prCaptionLeft(p, cap, std::round(centre.x() - w / 2.0), centre.y(), ink::kDimension, 11);
}

// Dash-dot centre line.
void prCentreLine(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    QPen pen(QColor(110, 118, 132), 1.0, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({9, 2, 2, 2});
    p.setPen(pen);
    p.drawLine(QLineF(a, b));
    p.restore();
}

// ---------------------------------------------------------------- coil

// The section of a coil beside a limb, drawn in the front (cutting) plane:
// the pressboard former (a wall against the limb and a flange at each end)
// and the winding, cross-hatched.
void prCoilSection(QPainter& p, const QRect& area, bool limbOnLeft)
{
    const int wall = 2;
    const int flange = 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(area, ink::kFormer);
    QRect winding = area.adjusted(0, flange, 0, -flange);
    if (limbOnLeft)
        winding.setLeft(area.left() + wall);
    else
        winding.setRight(area.right() - wall);
    p.fillRect(winding, ink::kCopper);
    p.restore();

    QPainterPath windPath;
    windPath.addRect(QRectF(winding));
    prHatch(p, windPath, 4.0, 45.0, ink::kCopperHatch, 1.0);
    prHatch(p, windPath, 4.0, -45.0, ink::kCopperHatch, 1.0);

    p.save();
    p.setPen(QPen(ink::kCopperHatch, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(winding).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(ink::kOutline, 1));
    p.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

// ---------------------------------------------------------------- E-I / U-I

// A core with rectangular windows, front face in the picture plane.
struct TFrameCore {
    int left = 0; // front face, pixel boundaries
    int right = 0;
    int top = 0;
    int bottom = 0;
    QList<QRect> windows; // holes of the front face
    int depthX = 0;       // the stack recedes by (depthX, -depthY)
    int depthY = 0;
    bool tape = false;
    int joint = 0;         // y of the plate joint or of the tape cut
    QList<QRect> rings;    // tape: outer outline of each wound ring
    QList<int> ringSplits; // tape: x where two rings touch
};

QRect fnFront(const TFrameCore& c) { return QRect(c.left, c.top, c.right - c.left, c.bottom - c.top); }

QPainterPath fnFrontFace(const TFrameCore& c)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(QRectF(fnFront(c)));
    for (const QRect& w : c.windows)
        path.addRect(QRectF(w));
    return path;
}

QPolygonF fnTopFace(const TFrameCore& c)
{
    const QPointF d(c.depthX, -c.depthY);
    return fnQuad(QPointF(c.left, c.top), QPointF(c.left, c.top) + d, QPointF(c.right, c.top) + d,
                  QPointF(c.right, c.top));
}

QPolygonF fnSideFace(const TFrameCore& c)
{
    const QPointF d(c.depthX, -c.depthY);
    return fnQuad(QPointF(c.right, c.top), QPointF(c.right, c.top) + d, QPointF(c.right, c.bottom) + d,
                  QPointF(c.right, c.bottom));
}

// How many plate edges are drawn across the depth of the stack.
constexpr int kPlateLines = 11;

void prDrawFrameCore(QPainter& p, const TFrameCore& c)
{
    const QPointF d(c.depthX, -c.depthY);

    prFillPolygon(p, fnTopFace(c), ink::kSteelTop);
    prFillPolygon(p, fnSideFace(c), ink::kSteelSide);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::kSteelFront);
    p.drawPath(fnFrontFace(c));
    p.restore();

    // Looking into a window: the inner wall of the limb on its left and the
    // yoke below are lit faces; past them one sees through the hole.
    for (const QRect& w : c.windows) {
        QPainterPath clip;
        clip.addRect(QRectF(w));
        p.save();
        p.setClipPath(clip);
        p.fillRect(w, ink::kPageBack);
        const QPolygonF wall = fnQuad(QPointF(w.left(), w.top()), QPointF(w.left(), w.top()) + d,
                                      QPointF(w.left(), w.bottom() + 1) + d, QPointF(w.left(), w.bottom() + 1));
        const QPolygonF floor = fnQuad(QPointF(w.left(), w.bottom() + 1), QPointF(w.left(), w.bottom() + 1) + d,
                                       QPointF(w.right() + 1, w.bottom() + 1) + d,
                                       QPointF(w.right() + 1, w.bottom() + 1));
        prFillPolygon(p, wall, ink::kSteelDeep);
        prFillPolygon(p, floor, ink::kSteelSide);
        if (!c.tape) {
            for (int i = 1; i < kPlateLines; ++i) {
                const double t = static_cast<double>(i) / kPlateLines;
                const double x = std::round(w.left() + t * c.depthX) + 0.5;
                const double y = std::round(w.bottom() + 1 - t * c.depthY) + 0.5;
                prLine(p, QPointF(x, w.top() - t * c.depthY), QPointF(x, w.bottom() + 1 - t * c.depthY),
                       QColor(70, 75, 83));
                prLine(p, QPointF(w.left() + t * c.depthX, y), QPointF(w.right() + 1, y), ink::kPlateLineDark);
            }
        }
        prLine(p, QPointF(w.left(), w.bottom() + 1), QPointF(w.left(), w.bottom() + 1) + d, ink::kOutline);
        p.restore();
    }

    if (c.tape) {
        // The wound strip: contours following each ring, every 2.5 px.
        const QPainterPath face = fnFrontFace(c);
        for (int i = 0; i < c.rings.size(); ++i) {
            const QRectF ring = QRectF(c.rings[i]);
            const QRectF hole = QRectF(c.windows[i]);
            QPainterPath clip;
            clip.addRect(ring.adjusted(1, 1, -1, -1));
            p.save();
            p.setClipPath(clip);
            p.setClipPath(face, Qt::IntersectClip);
            p.setPen(QPen(ink::kTapeLine, 1.0));
            p.setBrush(Qt::NoBrush);
            for (double g = 2.5; g < 90; g += 2.5) {
                const QRectF r = hole.adjusted(-g, -g, g, g);
                p.drawRoundedRect(r, 1.5 + g * 0.9, 1.5 + g * 0.9);
            }
            p.restore();
        }
        for (int x : c.ringSplits) {
            prLine(p, QPointF(x + 0.5, c.top), QPointF(x + 0.5, c.bottom), ink::kPlateLineDark);
            prLine(p, QPointF(x + 0.5, c.top + 0.5), QPointF(x + 0.5, c.top + 0.5) + d, ink::kPlateLine);
        }
    } else {
        // Plate edges: parallel to the front edges, spread over the depth.
        for (int i = 1; i < kPlateLines; ++i) {
            const double t = static_cast<double>(i) / kPlateLines;
            const double y = std::round(c.top - t * c.depthY) + 0.5;
            prLine(p, QPointF(c.left + t * c.depthX, y), QPointF(c.right + t * c.depthX, y), ink::kPlateLine);
            const double x = std::round(c.right + t * c.depthX) + 0.5;
            prLine(p, QPointF(x, c.top - t * c.depthY), QPointF(x, c.bottom - t * c.depthY), ink::kPlateLineDark);
        }
    }

    // The joint between the two plate shapes (or the cut of a tape core),
    // across every limb and along the side face.
    {
        const double y = c.joint + 0.5;
        p.save();
        QPainterPath clip = fnFrontFace(c);
        p.setClipPath(clip);
        prLine(p, QPointF(c.left, y), QPointF(c.right, y), ink::kOutline);
        p.restore();
        prLine(p, QPointF(c.right - 0.5, y), QPointF(c.right - 0.5, y) + d, ink::kOutline);
    }

    // Outlines.
    p.save();
    p.setPen(QPen(ink::kOutline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(fnFront(c)).adjusted(0.5, 0.5, -0.5, -0.5));
    for (const QRect& w : c.windows)
        p.drawRect(QRectF(w).adjusted(-0.5, -0.5, 0.5, 0.5));
    const QPointF tl(c.left + 0.5, c.top + 0.5);
    const QPointF tr(c.right - 0.5, c.top + 0.5);
    const QPointF br(c.right - 0.5, c.bottom - 0.5);
    p.drawLine(QLineF(tl, tl + d));
    p.drawLine(QLineF(tl + d, tr + d));
    p.drawLine(QLineF(tr, tr + d));
    p.drawLine(QLineF(tr + d, br + d));
    p.drawLine(QLineF(br, br + d));
    p.restore();
}

// The outside part of a coil that sits on the outer limb of a U-I core:
// its section in the front plane and the two faces that recede with it.
void prCoilBox(QPainter& p, const QRect& section, QPointF d)
{
    const QPointF a(section.left(), section.top());
    const QPointF b(section.right() + 1, section.top());
    const QPointF e(section.right() + 1, section.bottom() + 1);
    const QPolygonF top = fnQuad(a, a + d, b + d, b);
    const QPolygonF side = fnQuad(b, b + d, e + d, e);
    prFillPolygon(p, side, ink::kCopperSide);
    // Turns on the outer surface of the winding.
    {
        QPainterPath clip;
        clip.addPolygon(side);
        p.save();
        p.setClipPath(clip);
        for (double y = section.top() + 3.5; y < section.bottom(); y += 3.0)
            prLine(p, QPointF(b.x(), y), QPointF(b.x(), y) + d, QColor(140, 70, 28));
        p.restore();
    }
    prFillPolygon(p, top, ink::kFormer);
    p.save();
    p.setPen(QPen(ink::kOutline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(top.translated(0.5, 0.5));
    p.drawLine(QLineF(b + QPointF(-0.5, 0.5) + d, e + QPointF(-0.5, -0.5) + d));
    p.drawLine(QLineF(e + QPointF(-0.5, -0.5), e + QPointF(-0.5, -0.5) + d));
    p.restore();
    prCoilSection(p, section, true);
}

// ---------------------------------------------------------------- results

void prResultsColumn(QPainter& p, TTransCoreKind kind, TLanguage language)
{
    const bool toroid = transformer::fnIsToroid(kind);
    const QFont note = fnFont(11);
    auto word = [language](TTrWord w) { return fnWord(kWords, w, language); };
    struct TRow {
        TTransField field;
        TCaption cap;
        QString note;
    };
    const TRow rows[] = {
        {TTransField::Sc,
         {QStringLiteral("S"), QStringLiteral("c"), word(TTrWord::SquareCentimetres)},
         word(toroid ? TTrWord::RingSection : TTrWord::CoreSection)},
        {TTransField::Sw,
         {QStringLiteral("S"), QStringLiteral("w"), word(TTrWord::SquareCentimetres)},
         word(TTrWord::WindowArea)},
        {TTransField::Pmax,
         {QStringLiteral("P"), QStringLiteral("max"), word(TTrWord::VoltAmperes)},
         word(TTrWord::CorePower)},
        {TTransField::Ptr,
         {QStringLiteral("P"), word(TTrWord::LoadSubscript), word(TTrWord::VoltAmperes)},
         word(TTrWord::LoadPower)},
    };
    // Each caption ends 5 px before its field; the explanatory words above a
    // pair of rows start where the wider caption of the pair starts.
    constexpr int kGap = 5;
    for (int pair = 0; pair < 2; ++pair) {
        double noteLeft = kSheetWidth;
        for (int i = 2 * pair; i < 2 * pair + 2; ++i) {
            const QRect f = fnFieldRect(kind, rows[i].field);
            noteLeft = std::min(noteLeft, std::round(f.left() - kGap - fnCaptionWidth(rows[i].cap)));
        }
        for (int i = 2 * pair; i < 2 * pair + 2; ++i) {
            const QRect f = fnFieldRect(kind, rows[i].field);
            prCaptionRight(p, rows[i].cap, f.left() - kGap, f.top() + f.height() / 2.0);
            prText(p, QRectF(noteLeft, f.top() - 16, kSheetWidth - noteLeft, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   rows[i].note, ink::kNote, note);
        }
    }
}

// The boxes of the fields the page puts over a drawing.
void prCoreFieldBoxes(QPainter& p, TTransCoreKind kind)
{
    for (const geo::TCoreFieldPlace& place : geo::CoreFieldPlaces) {
        const TPoint at = geo::fnCoreFieldPlace(place, kind);
        if (at != geo::Hidden)
            prFieldBox(p, fnQRect(geo::fnFieldRect(place.field, at)),
                       transformer::fnIsResultField(place.field) ? ink::kResultBack : ink::kInputBack);
    }
}

// ---------------------------------------------------------------- E-I

// Where the dimensions of an E-I or U-I core run: B up the window at the left,
// C (window) and A (limb) on one line under the core, H along the receding
// bottom edge of the side face.
struct TFrameDims {
    double bFromX; // B's extension lines start here (the window's left edge)
    int windowTop;
    int windowBottom;
    double cLeft;  // x of the extension lines: C from cLeft to cRight,
    double cRight; // A from cRight to aRight
    double aRight;
    double letterRise;    // C and A letters stand this far above their fields
    double hDrop;         // H's dimension line runs this far below the core
    QPointF hLetterShift; // H letter, from the field's bottom-right corner
};

void prFrameDimensions(QPainter& p, const TFrameCore& c, TTransCoreKind kind, const TFrameDims& d)
{
    const QRect fB = fnFieldRect(kind, TTransField::B);
    const double xB = fB.center().x() + 0.5;
    prExtension(p, QPointF(d.bFromX, d.windowTop - 0.5), QPointF(xB - 4, d.windowTop - 0.5));
    prExtension(p, QPointF(d.bFromX, d.windowBottom + 0.5), QPointF(xB - 4, d.windowBottom + 0.5));
    prDimension(p, QPointF(xB, d.windowTop - 0.5), QPointF(xB, d.windowBottom + 0.5), fB);
    prDimLetter(p, QPointF(fB.left() - 8, fB.center().y() + 0.5), QStringLiteral("B"));

    const QRect fC = fnFieldRect(kind, TTransField::C);
    const QRect fA = fnFieldRect(kind, TTransField::A);
    const double yCA = fC.center().y() + 0.5;
    for (double x : {d.cLeft, d.cRight, d.aRight})
        prExtension(p, QPointF(x, c.bottom + 2), QPointF(x, yCA + 4));
    prDimension(p, QPointF(d.cLeft, yCA), QPointF(d.cRight, yCA), fC);
    prDimension(p, QPointF(d.cRight, yCA), QPointF(d.aRight, yCA), fA);
    prDimLetter(p, QPointF(fC.center().x() + 0.5, fC.top() - d.letterRise), QStringLiteral("C"));
    prDimLetter(p, QPointF(fA.center().x() + 0.5, fA.top() - d.letterRise), QStringLiteral("A"));

    const QRect fH = fnFieldRect(kind, TTransField::H);
    const QPointF f(c.right - 0.5, c.bottom - 0.5);
    const QPointF k = f + QPointF(c.depthX, -c.depthY);
    prExtension(p, f + QPointF(0, 2), f + QPointF(0, d.hDrop + 3));
    prExtension(p, k + QPointF(0, 2), k + QPointF(0, d.hDrop + 3));
    prDimension(p, f + QPointF(0, d.hDrop), k + QPointF(0, d.hDrop), fH);
    prDimLetter(p, QPointF(fH.right(), fH.bottom()) + d.hLetterShift, QStringLiteral("H"));
}

// E-I core, the E standing upright with the I-bar on top. Fields: B at the
// left, C and A under the core, H along the receding bottom edge.
void prDrawEI(QPainter& p, TTransCoreKind kind)
{
    const bool tape = !transformer::fnIsLaminated(kind);
    TFrameCore c;
    c.left = 102;
    c.right = 279;
    c.top = 36;
    c.bottom = 186;
    const int wt = 56;  // window top
    const int wb = 166; // window bottom
    const QRect leftWindow(120, wt, 161 - 120, wb - wt);
    const QRect rightWindow(220, wt, 261 - 220, wb - wt);
    c.windows = {leftWindow, rightWindow};
    c.depthX = 48;
    c.depthY = 24;
    c.tape = tape;
    c.joint = wt - 1;
    const int split = 190; // the two C-rings of a tape E core meet here
    c.rings = {QRect(c.left, c.top, split - c.left, c.bottom - c.top),
               QRect(split + 1, c.top, c.right - split - 1, c.bottom - c.top)};
    c.ringSplits = {split};
    prDrawFrameCore(p, c);

    // Coil on the centre limb: its sections fill both windows.
    prCoilSection(p, QRect(123, wt + 1, 161 - 123, wb - wt - 2), false);
    prCoilSection(p, QRect(220, wt + 1, 258 - 220, wb - wt - 2), true);

    prFrameDimensions(p, c, kind, TFrameDims{117, wt, wb, 119.5, 161.5, 219.5, 7, 21.5, QPointF(8, 1)});
}

// ---------------------------------------------------------------- U-I

// U-I core: the U hangs from its yoke, the I closes it below. The coil sits
// on the right limb (A); its section shows in the window and outside the limb.
void prDrawUI(QPainter& p, TTransCoreKind kind)
{
    const bool tape = !transformer::fnIsLaminated(kind);
    TFrameCore c;
    c.left = 86;
    c.right = 268;
    c.top = 33;
    c.bottom = 187;
    const int wt = 71;
    const int wb = 149;
    const QRect window(150, wt, 204 - 150, wb - wt);
    c.windows = {window};
    c.depthX = 62;
    c.depthY = 31;
    c.tape = tape;
    c.joint = wb;
    c.rings = {fnFront(c)};
    prDrawFrameCore(p, c);

    const QPointF d(c.depthX, -c.depthY);
    prCoilSection(p, QRect(178, wt + 1, 204 - 178, wb - wt - 2), false);
    prCoilBox(p, QRect(268, wt + 1, 294 - 268, wb - wt - 2), d);

    prFrameDimensions(p, c, kind, TFrameDims{147, wt, wb, 149.5, 204.5, 267.5, 6, 27.0, QPointF(9, -1)});
}

// ---------------------------------------------------------------- toroid

void prDrawToroid(QPainter& p)
{
    const TTransCoreKind kind = TTransCoreKind::Toroid;
    const QPointF o(170.0, 137.0); // centre of the front view
    const double rOut = 78.0;
    const double rIn = 45.0;

    // Centre lines first: the ring and its winding cover them.
    prCentreLine(p, QPointF(o.x() - rOut - 8, o.y() + 0.5), QPointF(o.x() + rOut + 8, o.y() + 0.5));
    prCentreLine(p, QPointF(o.x() + 0.5, o.y() - rOut - 4), QPointF(o.x() + 0.5, o.y() + rOut + 4));

    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(o, rOut, rOut);
    ring.addEllipse(o, rIn, rIn);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink::kSteelFront);
    p.drawPath(ring);
    p.setPen(QPen(ink::kTapeLine, 1.0));
    p.setBrush(Qt::NoBrush);
    for (double r = rIn + 2.5; r < rOut - 1; r += 2.5)
        p.drawEllipse(o, r, r);
    p.setPen(QPen(ink::kOutline, 1.0));
    p.drawEllipse(o, rOut - 0.5, rOut - 0.5);
    p.drawEllipse(o, rIn + 0.5, rIn + 0.5);
    p.restore();
    // The centre lines show again through the hole.
    {
        QPainterPath hole;
        hole.addEllipse(o, rIn - 1, rIn - 1);
        p.save();
        p.setClipPath(hole);
        prCentreLine(p, QPointF(o.x() - rOut, o.y() + 0.5), QPointF(o.x() + rOut, o.y() + 0.5));
        prCentreLine(p, QPointF(o.x() + 0.5, o.y() - rOut), QPointF(o.x() + 0.5, o.y() + rOut));
        p.restore();
    }

    // Winding on the lower right: the wire goes through the hole and round
    // the ring, so each turn crosses the face radially.
    const double a0 = -16.0 * M_PI / 180.0;
    const double a1 = -70.0 * M_PI / 180.0;
    {
        QPainterPath band;
        const double deg0 = a0 * 180.0 / M_PI;
        const double span = (a1 - a0) * 180.0 / M_PI;
        const double ro = rOut + 3.0;
        const double ri = rIn - 3.0;
        band.arcMoveTo(QRectF(o.x() - ro, o.y() - ro, 2 * ro, 2 * ro), deg0);
        band.arcTo(QRectF(o.x() - ro, o.y() - ro, 2 * ro, 2 * ro), deg0, span);
        band.arcTo(QRectF(o.x() - ri, o.y() - ri, 2 * ri, 2 * ri), deg0 + span, -span);
        band.closeSubpath();
        p.save();
        p.setPen(QPen(ink::kCopperHatch, 1.0));
        p.setBrush(ink::kCopperSide);
        p.drawPath(band);
        p.restore();
    }
    const int turns = 15;
    for (int i = 0; i <= turns; ++i) {
        const double a = a0 + (a1 - a0) * i / turns;
        const QPointF u(std::cos(a), -std::sin(a));
        const QPointF in = o + u * (rIn - 2.0);
        const QPointF out = o + u * (rOut + 2.0);
        p.save();
        p.setPen(QPen(ink::kCopper, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(in, out));
        p.setPen(QPen(ink::kCopperTop, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(in + u * 1.5, out - u * 1.5));
        p.restore();
    }
    // Leads from both ends of the winding, with tinned tips.
    {
        const QPointF u0(std::cos(a0), -std::sin(a0));
        const QPointF u1(std::cos(a1), -std::sin(a1));
        const QPointF s0 = o + u0 * (rOut + 3);
        const QPointF s1 = o + u1 * (rOut + 3);
        QPainterPath lead0;
        lead0.moveTo(s0);
        lead0.cubicTo(s0 + u0 * 8, s0 + QPointF(12, 8), s0 + QPointF(22, 8));
        QPainterPath lead1;
        lead1.moveTo(s1);
        lead1.cubicTo(s1 + u1 * 4, s1 + QPointF(14, 2), s1 + QPointF(30, 0));
        p.save();
        p.setBrush(Qt::NoBrush);
        for (const QPainterPath* lead : {&lead0, &lead1}) {
            p.setPen(QPen(ink::kCopperHatch, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(*lead);
            p.setPen(QPen(ink::kCopper, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(*lead);
            const QPointF end = lead->currentPosition();
            p.setPen(QPen(ink::kOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QLineF(end, end + QPointF(5, 0)));
            p.setPen(QPen(ink::kSteelTop, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QLineF(end, end + QPointF(5, 0)));
        }
        p.restore();
    }

    // Section through the axis, seen from the side.
    const QRect fH = fnFieldRect(kind, TTransField::H);
    const double sx0 = 290.0;
    const double sx1 = 350.0;
    const QRectF upper(sx0, o.y() - rOut, sx1 - sx0, rOut - rIn);
    const QRectF lower(sx0, o.y() + rIn, sx1 - sx0, rOut - rIn);
    for (const QRectF& s : {upper, lower})
        prSectionBlock(p, s, ink::kSteelFront, {{2.5, 0.0, ink::kTapeLine}, {6.0, 45.0, ink::kPlateLineDark}});
    // Edges of the bore behind the cut.
    prLine(p, QPointF(sx0 + 0.5, upper.bottom()), QPointF(sx0 + 0.5, lower.top()), ink::kOutline);
    prLine(p, QPointF(sx1 - 0.5, upper.bottom()), QPointF(sx1 - 0.5, lower.top()), ink::kOutline);
    // Axis of the ring, left out where the H field sits.
    prCentreLine(p, QPointF(sx0 - 10, o.y() + 0.5), QPointF(sx0 + 2, o.y() + 0.5));
    prCentreLine(p, QPointF(sx1 - 2, o.y() + 0.5), QPointF(sx1 + 10, o.y() + 0.5));

    const double yH = fH.center().y() + 0.5;
    prDimension(p, QPointF(sx0 + 0.5, yH), QPointF(sx1 - 0.5, yH), fH);
    prDimLetter(p, QPointF(fH.center().x() + 0.5, fH.top() - 8), QStringLiteral("H"));

    // Dmax over the ring.
    const QRect fMax = fnFieldRect(kind, TTransField::Dmax);
    const double yMax = fMax.center().y() + 0.5;
    const double xl = o.x() - rOut + 0.5;
    const double xr = o.x() + rOut - 0.5;
    prExtension(p, QPointF(xl, o.y() - 3), QPointF(xl, yMax - 4));
    prExtension(p, QPointF(xr, o.y() - 3), QPointF(xr, yMax - 4));
    prDimension(p, QPointF(xl, yMax), QPointF(xr, yMax), fMax);
    prDimLetter(p, QPointF(fMax.center().x() + 0.5, fMax.top() - 8), QStringLiteral("D"), QStringLiteral("max"));

    // Dmin at the left, from the top and bottom of the hole.
    const QRect fMin = fnFieldRect(kind, TTransField::Dmin);
    const double xMin = fMin.center().x() + 0.5;
    const double yt = o.y() - rIn + 0.5;
    const double yb = o.y() + rIn - 0.5;
    prExtension(p, QPointF(o.x() - 3, yt), QPointF(xMin - 4, yt));
    prExtension(p, QPointF(o.x() - 3, yb), QPointF(xMin - 4, yb));
    prDimension(p, QPointF(xMin, yt), QPointF(xMin, yb), fMin);
    prDimLetter(p, QPointF(fMin.left() - 15, fMin.center().y() + 0.5), QStringLiteral("D"), QStringLiteral("min"));
}

} // namespace

// ---------------------------------------------------------------- public

QList<TFieldPlace> fnCoreFields(TTransCoreKind kind)
{
    QList<TFieldPlace> out;
    for (const geo::TCoreFieldPlace& place : geo::CoreFieldPlaces) {
        const TPoint at = geo::fnCoreFieldPlace(place, kind);
        if (at != geo::Hidden)
            out.push_back({QString::fromLatin1(transformer::fnTransFieldName(place.field)),
                           fnQRect(geo::fnFieldRect(place.field, at))});
    }
    return out;
}

QList<TFieldPlace> fnInputPanelFields()
{
    QList<TFieldPlace> out;
    for (const geo::TInputFieldPlace& place : geo::InputFieldPlaces)
        out.push_back(
            {QString::fromLatin1(transformer::fnTransFieldName(place.field)), fnQRect(geo::fnInputFieldRect(place))});
    return out;
}

QList<QColor> fnTransformerKeyColours()
{
    return {ink::kPageBack,      ink::kResultBack, ink::kInputBack,  ink::kOutline,     ink::kDimension,
            ink::kText,          ink::kNote,       ink::kFieldFrame, ink::kSeparator,   ink::kHighlight,
            ink::kSteelFront,    ink::kSteelTop,   ink::kSteelSide,  ink::kSteelDeep,   ink::kPlateLine,
            ink::kPlateLineDark, ink::kTapeLine,   ink::kCopper,     ink::kCopperHatch, ink::kCopperTop,
            ink::kCopperSide,    ink::kFormer};
}

QList<TWordPair> fnTransformerWords() { return fnWordList(kWords); }

QImage fnDrawCoreSheet(TTransCoreKind transKind, const TVariant& variant)
{
    QImage img = fnBlankPicture(kSheetWidth, kSheetHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);
    switch (transKind) {
    case TTransCoreKind::LamEI:
    case TTransCoreKind::LentEI: prDrawEI(p, transKind); break;
    case TTransCoreKind::LamUI:
    case TTransCoreKind::LentUI: prDrawUI(p, transKind); break;
    case TTransCoreKind::Toroid: prDrawToroid(p); break;
    }
    prResultsColumn(p, transKind, variant.language);
    prCoreFieldBoxes(p, transKind);
    p.end();
    return img;
}

QImage fnDrawInputPanel(const TVariant& variant)
{
    QImage img = fnBlankPicture(kPanelWidth, kPanelHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);

    // Etched frame round the block of fields.
    const QRectF frame(5.5, 18.5, 169.0, 152.0);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::kHighlight, 1.0));
    p.drawRoundedRect(frame.translated(1, 1), 4, 4);
    p.setPen(QPen(QColor(150, 145, 137), 1.0));
    p.drawRoundedRect(frame, 4, 4);
    p.restore();

    // Faint separators between the rows.
    for (int i = 0; i + 1 < kInputRows; ++i) {
        const double y = std::floor((fnInputTop(i) + geo::FieldHeight + fnInputTop(i + 1)) / 2.0) + 0.5;
        prLine(p, QPointF(11, y), QPointF(169, y), ink::kSeparator);
    }

    const TCaption symbols[] = {
        {QStringLiteral("U"), QStringLiteral("1"), QString()}, {QStringLiteral("f"), QString(), QString()},
        {QStringLiteral("η"), QString(), QString()},           {QStringLiteral("B"), QString(), QString()},
        {QStringLiteral("j"), QString(), QString()},           {QStringLiteral("K"), QStringLiteral("c"), QString()},
        {QStringLiteral("K"), QStringLiteral("w"), QString()},
    };
    // Rows without a unit label get a word of explanation instead.
    const QString notes[] = {QString(),
                             QString(),
                             fnWord(kWords, TTrWord::Efficiency, variant.language),
                             QString(),
                             QString(),
                             fnWord(kWords, TTrWord::SteelFill, variant.language),
                             fnWord(kWords, TTrWord::CopperFill, variant.language)};
    const QFont noteFont = fnFont(11);
    for (int i = 0; i < kInputRows; ++i) {
        const double mid = fnInputTop(i) + geo::FieldHeight / 2.0;
        prCaptionRight(p, symbols[i], 44, mid, ink::kText, 12);
        if (!notes[i].isEmpty())
            prText(p, QRectF(geo::InputLabelLeft + 1, fnInputTop(i) - 1, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   notes[i], ink::kNote, noteFont);
    }

    for (const geo::TInputFieldPlace& place : geo::InputFieldPlaces)
        prFieldBox(p, fnQRect(geo::fnInputFieldRect(place)), ink::kInputBack);
    p.end();
    return img;
}

} // namespace picturegen
