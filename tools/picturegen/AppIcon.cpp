// The application icon of the desktop (menus, launchers, software centres)
// in the hicolor sizes. It is the window icon grown up: a navy tile, a
// steel core and a copper coil on each limb. At 16 px it is the window
// icon itself; the larger sizes are drawn on the same 16-cell grid with
// every edge snapped to whole pixels, so the small sizes stay crisp.
#include "Drawing.h"
#include "Sheets.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace picturegen {

namespace {

// Colours of the window icon's pixel art, shaded for the larger sizes.
const QColor kTileEdge(18, 30, 58);
const QColor kTileTop(48, 82, 142);
const QColor kTile(34, 60, 110);
const QColor kTileBottom(24, 43, 82);
const QColor kCoreLit(214, 220, 228);
const QColor kCore(158, 166, 178);
const QColor kCoreShade(104, 110, 122);
const QColor kCoreEdge(66, 72, 84);
const QColor kCopperLit(252, 196, 128);
const QColor kCopper(226, 134, 58);
const QColor kCopperDeep(150, 72, 24);
const QColor kCopperGap(96, 44, 14);

// Geometry in cells of the 16 x 16 pixel art.
constexpr double kCoreLeft = 3, kCoreRight = 13, kCoreTop = 2, kCoreBottom = 14;
constexpr double kWindowLeft = 5, kWindowRight = 11, kWindowTop = 4, kWindowBottom = 12;
constexpr double kCoilSpan[2][2] = {{1, 7}, {9, 15}}; // left and right coil, x from..to
constexpr double kCoilMid = 8, kCoilHeight = 6;

// One cell in pixels, and a cell edge snapped to a whole pixel.
struct TGrid {
    double cell;
    double at(double cells) const { return std::round(cells * cell); }
    QRectF rect(double l, double t, double r, double b) const
    {
        return QRectF(QPointF(at(l), at(t)), QPointF(at(r), at(b)));
    }
};

void prTile(QPainter& p, int size)
{
    const double edge = std::max(1.0, std::round(size / 64.0));
    const QRectF outer(0, 0, size, size);
    const double radius = size * 0.16;
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0.0, kTileTop);
    fill.setColorAt(0.45, kTile);
    fill.setColorAt(1.0, kTileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(kTileEdge);
    p.drawRoundedRect(outer, radius, radius);
    p.setBrush(fill);
    const QRectF inner = outer.adjusted(edge, edge, -edge, -edge);
    p.drawRoundedRect(inner, radius - edge, radius - edge);
}

void prCore(QPainter& p, const TGrid& g, int size)
{
    const QRectF outer = g.rect(kCoreLeft, kCoreTop, kCoreRight, kCoreBottom);
    const QRectF window = g.rect(kWindowLeft, kWindowTop, kWindowRight, kWindowBottom);
    QPainterPath frame;
    frame.addRect(outer);
    frame.addRect(window);
    frame.setFillRule(Qt::OddEvenFill);

    // Lit from above: the top of the upper yoke is bright, the bottom of
    // the lower one in shade, as in the pixel art.
    QLinearGradient steel(0, outer.top(), 0, outer.bottom());
    const double yoke = (kWindowTop - kCoreTop) / (kCoreBottom - kCoreTop);
    steel.setColorAt(0.0, kCoreLit);
    steel.setColorAt(yoke * 0.6, kCore);
    steel.setColorAt(1.0 - yoke * 0.6, kCore);
    steel.setColorAt(1.0, kCoreShade);
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawPath(frame);

    if (size >= 32) {
        // Outline and the shaded inner edge of the window give the frame depth.
        const double line = std::max(1.0, std::round(size / 96.0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCoreEdge, line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(outer.adjusted(line / 2, line / 2, -line / 2, -line / 2));
        p.drawRect(window.adjusted(-line / 2, -line / 2, line / 2, line / 2));
    }
}

void prCoil(QPainter& p, const TGrid& g, int size, double left, double right)
{
    // Few fat turns on the small sizes, more and finer ones as it grows;
    // the pitch is a whole number of pixels so every turn looks alike.
    const int turns = size < 48 ? 4 : size < 128 ? 6 : 8;
    const double pitch = std::max(2.0, std::round(kCoilHeight * g.cell / turns));
    const double height = pitch * turns;
    const double top = std::round(g.at(kCoilMid) - height / 2);
    const QRectF body(QPointF(g.at(left), top), QPointF(g.at(right), top + height));
    const double radius = size >= 64 ? pitch * 0.45 : 0.0;

    QPainterPath outline;
    outline.addRoundedRect(body, radius, radius);

    if (size >= 48) {
        // A soft shadow on the core below the coil.
        const double drop = std::round(g.cell * 0.35);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(outline.translated(drop * 0.5, drop));
    }

    p.save();
    p.setClipPath(outline);
    p.setPen(Qt::NoPen);
    const double gap = std::max(1.0, std::round(pitch / 6.0));
    for (int i = 0; i < turns; ++i) {
        const double y = top + i * pitch;
        // Each turn is a round wire: highlight on top, deep copper below.
        QLinearGradient wire(0, y, 0, y + pitch - gap);
        wire.setColorAt(0.0, kCopperLit);
        wire.setColorAt(0.45, kCopper);
        wire.setColorAt(1.0, kCopperDeep);
        p.setBrush(wire);
        p.drawRect(QRectF(body.left(), y, body.width(), pitch - gap));
        p.setBrush(kCopperGap);
        p.drawRect(QRectF(body.left(), y + pitch - gap, body.width(), gap));
    }
    // The winding is round as well: lighter on the left, in shade on the right.
    QLinearGradient across(body.left(), 0, body.right(), 0);
    across.setColorAt(0.0, QColor(255, 255, 255, 40));
    across.setColorAt(0.3, QColor(255, 255, 255, 0));
    across.setColorAt(0.7, QColor(0, 0, 0, 0));
    across.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.setBrush(across);
    p.drawRect(body);
    p.restore();
}

} // namespace

const QList<int>& fnAppIconSizes()
{
    static const QList<int> sizes = {16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage fnDrawAppIcon(int size)
{
    if (size <= 16)
        return fnDrawIcon16().convertToFormat(QImage::Format_ARGB32);

    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p;
    prBeginPainter(p, img);
    // A margin of about 1/24 keeps the tile the size of its neighbours in a
    // launcher; the larger sizes cast a soft shadow into it.
    const int margin = static_cast<int>(std::round(size / 24.0));
    const int tile = size - 2 * margin;
    if (size >= 48) {
        p.setPen(Qt::NoPen);
        for (int i = 1; i <= 3; ++i) {
            p.setBrush(QColor(0, 0, 0, 22));
            p.drawRoundedRect(QRectF(margin, margin + margin * i / 3.0, tile, tile), tile * 0.16, tile * 0.16);
        }
    }
    p.translate(margin, margin);
    const TGrid g{tile / 16.0};
    prTile(p, tile);
    prCore(p, g, tile);
    for (const auto& span : kCoilSpan)
        prCoil(p, g, tile, span[0], span[1]);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

int fnWriteAppIcons(const QString& dir, QTextStream& out, QTextStream& err)
{
    if (!QDir().mkpath(dir)) {
        err << "cannot create " << dir << '\n';
        return 1;
    }
    int failures = 0;
    for (int size : fnAppIconSizes()) {
        const QImage icon = fnDrawAppIcon(size);
        const QString path = dir + QStringLiteral("/quillfern-%1.png").arg(size);
        // Written, then read back and compared, as the stores are.
        if (!icon.save(path, "PNG") || QImage(path).convertToFormat(QImage::Format_ARGB32) != icon) {
            err << path << ": not written or not read back as drawn\n";
            ++failures;
            continue;
        }
        out << path << ": " << size << " x " << size << ", RGBA\n";
    }
    return failures == 0 ? 0 : 1;
}

} // namespace picturegen
