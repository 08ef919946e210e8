#include "Drawing.h"

#include <QFontMetricsF>
#include <QLineF>

#include <algorithm>
#include <cmath>

namespace picturegen {

namespace {

// Arrowheads are small: the fields are 20 px wide and the dimensions they
// sit on are often only 40 px long.
constexpr double kArrowLength = 6.0;
constexpr double kArrowHalfWidth = 2.2;
constexpr double kGapMargin = 2.0;

QPointF fnUnit(QPointF v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF(1, 0);
}

// Liang–Barsky: the parameter interval [t0, t1] of segment a→b inside r.
bool fnClipToRect(QPointF a, QPointF b, const QRectF& r, double& t0, double& t1)
{
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double pk[4] = {-dx, dx, -dy, dy};
    const double qk[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (pk[i] == 0.0) {
            if (qk[i] < 0)
                return false;
            continue;
        }
        const double t = qk[i] / pk[i];
        if (pk[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 < t1;
}

} // namespace

QFont fnFont(int pixelSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QString fnWord(const TWordPair& word, TLanguage language)
{
    return QString::fromUtf8(language == TLanguage::English ? word.english : word.russian);
}

QImage fnBlankPicture(int width, int height, int scale)
{
    QImage img(width * scale, height * scale, QImage::Format_RGB32);
    img.fill(ink::kPageBack);
    return img;
}

void prBeginPainter(QPainter& p, QImage& img, int scale)
{
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(scale, scale);
}

int fnDeviceScale(const QPainter& p)
{
    const QTransform t = p.deviceTransform();
    return std::max(1, static_cast<int>(std::lround(std::hypot(t.m11(), t.m12()))));
}

void prPixelStrokes(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    if (fnDeviceScale(p) > 1)
        p.translate(0.5, 0.5);
}

QPen fnPixelPen(const QColor& c) { return QPen(c, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin); }

void prDeviceImage(QPainter& p, QPoint at, const QImage& image)
{
    const QPointF device = p.deviceTransform().map(QPointF(at));
    p.save();
    p.resetTransform();
    p.drawImage(QPoint(static_cast<int>(std::lround(device.x())), static_cast<int>(std::lround(device.y()))), image);
    p.restore();
}

void prArrowHead(QPainter& p, QPointF tip, QPointF dir, const QColor& c)
{
    const QPointF u = fnUnit(dir);
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * kArrowLength;
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(base + n * kArrowHalfWidth);
    head.lineTo(base - n * kArrowHalfWidth);
    head.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(head);
    p.restore();
}

void prDimension(QPainter& p, QPointF a, QPointF b, const QRectF& gap, const QColor& c)
{
    const QPointF u = fnUnit(b - a);
    // The shaft stops short of the tips so the filled heads stay sharp.
    const QPointF s = a + u * (kArrowLength - 1.0);
    const QPointF e = b - u * (kArrowLength - 1.0);
    p.save();
    p.setPen(QPen(c, 1.0, Qt::SolidLine, Qt::FlatCap));
    double t0 = 0;
    double t1 = 0;
    if (!gap.isEmpty() && fnClipToRect(s, e, gap.adjusted(-kGapMargin, -kGapMargin, kGapMargin, kGapMargin), t0, t1)) {
        const QPointF d = e - s;
        if (t0 > 0)
            p.drawLine(QLineF(s, s + d * t0));
        if (t1 < 1)
            p.drawLine(QLineF(s + d * t1, e));
    } else {
        p.drawLine(QLineF(s, e));
    }
    p.restore();
    prArrowHead(p, a, a - b, c);
    prArrowHead(p, b, b - a, c);
}

void prLine(QPainter& p, QPointF a, QPointF b, const QColor& c, double width)
{
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(a, b));
    p.restore();
}

void prDot(QPainter& p, QPointF centre, double r, const QColor& c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, r, r);
    p.restore();
}

void prExtension(QPainter& p, QPointF from, QPointF to, const QColor& c)
{
    p.save();
    QColor light = c;
    light.setAlpha(200);
    p.setPen(QPen(light, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QLineF(from, to));
    p.restore();
}

void prHatch(QPainter& p, const QPainterPath& area, double spacing, double angleDeg, const QColor& c, double width)
{
    const QRectF box = area.boundingRect();
    const double rad = angleDeg * M_PI / 180.0;
    const QPointF dir(std::cos(rad), -std::sin(rad));
    const QPointF nrm(-dir.y(), dir.x());
    const QPointF centre = box.center();
    const double reach = std::hypot(box.width(), box.height());
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    const int n = static_cast<int>(reach / spacing) + 1;
    for (int i = -n; i <= n; ++i) {
        const QPointF o = centre + nrm * (i * spacing);
        p.drawLine(QLineF(o - dir * reach, o + dir * reach));
    }
    p.restore();
}

void prSectionBlock(QPainter& p, const QRectF& block, const QColor& fill, std::initializer_list<THatchLines> hatches)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(block, fill);
    p.restore();
    QPainterPath area;
    area.addRect(block);
    for (const THatchLines& lines : hatches)
        prHatch(p, area, lines.spacing, lines.angleDeg, lines.colour, 1.0);
    p.save();
    p.setPen(QPen(ink::kOutline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(block.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

void prFieldBox(QPainter& p, const QRect& field, const QColor& fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(field);
    // Frame just outside the field: the edit box covers the inside exactly.
    prPixelStrokes(p);
    p.setPen(fnPixelPen(ink::kFieldFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field.adjusted(-1, -1, 0, 0));
    p.restore();
}

namespace {

struct TCaptionParts {
    QFont main;
    QFont sub;
    QFont tail;
    double wMain = 0;
    double wSub = 0;
    double wTail = 0;
};

TCaptionParts fnCaptionParts(const TCaption& cap, int pixelSize)
{
    TCaptionParts parts;
    parts.main = fnFont(pixelSize + 1, false, cap.italicSymbol);
    parts.sub = fnFont(std::max(8, pixelSize - 2), false, false);
    parts.tail = fnFont(pixelSize);
    parts.wMain = QFontMetricsF(parts.main).horizontalAdvance(cap.symbol);
    parts.wSub = cap.sub.isEmpty() ? 0.0 : QFontMetricsF(parts.sub).horizontalAdvance(cap.sub) + 0.5;
    parts.wTail = QFontMetricsF(parts.tail).horizontalAdvance(cap.tail);
    return parts;
}

} // namespace

double fnCaptionWidth(const TCaption& cap, int pixelSize)
{
    const TCaptionParts parts = fnCaptionParts(cap, pixelSize);
    return parts.wMain + parts.wSub + parts.wTail;
}

void prCaptionLeft(QPainter& p, const TCaption& cap, double left, double midY, const QColor& c, int pixelSize)
{
    const TCaptionParts parts = fnCaptionParts(cap, pixelSize);
    const QFontMetricsF fm(parts.tail);
    // Baseline so that the cap height is centred on midY.
    const double baseline = std::round(midY + fm.capHeight() / 2.0);
    p.save();
    p.setPen(c);
    double x = left;
    p.setFont(parts.main);
    p.drawText(QPointF(x, baseline), cap.symbol);
    x += parts.wMain;
    if (!cap.sub.isEmpty()) {
        p.setFont(parts.sub);
        p.drawText(QPointF(x + 0.5, baseline + 3), cap.sub);
        x += parts.wSub;
    }
    p.setFont(parts.tail);
    p.drawText(QPointF(x, baseline), cap.tail);
    p.restore();
}

void prCaptionRight(QPainter& p, const TCaption& cap, double right, double midY, const QColor& c, int pixelSize)
{
    prCaptionLeft(p, cap, std::round(right - fnCaptionWidth(cap, pixelSize)), midY, c, pixelSize);
}

void prText(QPainter& p, const QRectF& box, int flags, const QString& text, const QColor& c, const QFont& font)
{
    p.save();
    p.setPen(c);
    p.setFont(font);
    p.drawText(box, flags, text);
    p.restore();
}

} // namespace picturegen
