// The help page's title picture and the window icon.
//
// The title picture is a card of graph paper with the program's name, a
// wound toroid and a small mains-to-output schematic (transformer, resistor
// with its colour code, LC low-pass). Only its top-left 411 x 237 px are
// shown on the help page, so everything lives there.
#include "Drawing.h"
#include "Sheets.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace picturegen {

namespace {

constexpr int kAboutWidth = 420;
constexpr int kAboutHeight = 400;
// The piece the help page copies: (1, 1, 411 x 237).
constexpr QRect kShownPiece(1, 1, 411, 237);

const QColor kPaper(252, 251, 246);
const QColor kGridMinor(226, 234, 240);
const QColor kGridMajor(199, 215, 230);
const QColor kCardEdge(138, 146, 158);
const QColor kNavy(26, 50, 98);
const QColor kWire(38, 60, 104);
const QColor kCopperLine(184, 96, 38);

// The words of the title picture, Russian and English side by side.
enum class TAboutWord { Subtitle, Count };
constexpr auto kWords = std::to_array<TWordRow<TAboutWord>>({
    {TAboutWord::Subtitle, {"калькулятор радиолюбителя", "radio amateur's calculator"}},
});
static_assert(fnWordsInOrder(kWords));

void prWire(QPainter& p, std::initializer_list<QPointF> pts, const QColor& c = kWire, double width = 2.0)
{
    QPainterPath path;
    auto it = pts.begin();
    path.moveTo(*it);
    for (++it; it != pts.end(); ++it)
        path.lineTo(*it);
    p.save();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void prDot(QPainter& p, QPointF c, double r = 3.0)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kWire);
    p.drawEllipse(c, r, r);
    p.restore();
}

// A winding drawn as `n` half-circle humps from `start` along `dir`
// (unit vector), bulging to the side `bulge` (unit vector).
void prHumps(QPainter& p, QPointF start, QPointF dir, QPointF bulge, int n, double radius, const QColor& c)
{
    QPainterPath path;
    path.moveTo(start);
    for (int i = 0; i < n; ++i) {
        const QPointF a = start + dir * (2 * radius * i);
        const QPointF centre = a + dir * radius;
        for (int s = 1; s <= 16; ++s) {
            const double t = M_PI * s / 16.0;
            path.lineTo(centre - dir * (radius * std::cos(t)) + bulge * (radius * std::sin(t)));
        }
    }
    p.save();
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void prGraphPaper(QPainter& p, const QRectF& card)
{
    p.save();
    p.setClipRect(card.adjusted(1, 1, -1, -1));
    prPixelStrokes(p);
    for (int x = static_cast<int>(card.left()) + 8; x < card.right(); x += 8) {
        const bool major = (x - static_cast<int>(card.left())) % 40 == 0;
        p.setPen(fnPixelPen(major ? kGridMajor : kGridMinor));
        p.drawLine(x, static_cast<int>(card.top()), x, static_cast<int>(card.bottom()));
    }
    for (int y = static_cast<int>(card.top()) + 8; y < card.bottom(); y += 8) {
        const bool major = (y - static_cast<int>(card.top())) % 40 == 0;
        p.setPen(fnPixelPen(major ? kGridMajor : kGridMinor));
        p.drawLine(static_cast<int>(card.left()), y, static_cast<int>(card.right()), y);
    }
    p.restore();
}

// A ferrite ring with a copper winding and two leads.
void prToroid(QPainter& p, QPointF o, double rOut, double rIn)
{
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(o, rOut, rOut);
    ring.addEllipse(o, rIn, rIn);
    QRadialGradient shade(o - QPointF(rOut * 0.3, rOut * 0.4), rOut * 1.6);
    shade.setColorAt(0.0, QColor(132, 138, 150));
    shade.setColorAt(1.0, QColor(58, 62, 72));
    p.save();
    p.setPen(QPen(QColor(40, 42, 48), 1.0));
    p.setBrush(shade);
    p.drawPath(ring);
    p.restore();

    const double from = 40.0 * M_PI / 180.0;
    const double to = 320.0 * M_PI / 180.0;
    const int turns = 26;
    for (int i = 0; i <= turns; ++i) {
        const double a = from + (to - from) * i / turns;
        const QPointF u(std::cos(a), -std::sin(a));
        const QPointF in = o + u * (rIn - 2.5);
        const QPointF out = o + u * (rOut + 3.0);
        p.save();
        p.setPen(QPen(QColor(120, 56, 18), 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(in, out));
        p.setPen(QPen(QColor(214, 132, 64), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(in, out));
        p.setPen(QPen(QColor(246, 196, 140), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QLineF(in + u * 1.5, out - u * 1.5));
        p.restore();
    }
    for (double a : {from, to}) {
        const QPointF u(std::cos(a), -std::sin(a));
        const QPointF s = o + u * (rOut + 3.0);
        QPainterPath lead;
        lead.moveTo(s);
        lead.cubicTo(s + u * 6, s + QPointF(10, a < M_PI ? -3 : 3), s + QPointF(17, a < M_PI ? -3 : 3));
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 56, 18), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(lead);
        p.setPen(QPen(QColor(214, 132, 64), 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(lead);
        p.restore();
    }
}

// Resistor body in the schematic, with the colour code of 4.7 kΩ ±5 %.
void prResistor(QPainter& p, const QRectF& body)
{
    p.save();
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, QColor(242, 226, 190));
    g.setColorAt(1.0, QColor(214, 188, 140));
    p.setPen(QPen(kWire, 1.6));
    p.setBrush(g);
    p.drawRoundedRect(body, 4, 4);
    const std::array<std::pair<double, QColor>, 4> bands = {{
        {0.20, QColor(236, 196, 32)}, // yellow: 4
        {0.36, QColor(130, 60, 170)}, // violet: 7
        {0.52, QColor(214, 40, 36)},  // red: ×100
        {0.80, QColor(196, 158, 64)}, // gold: ±5 %
    }};
    p.setPen(Qt::NoPen);
    for (const auto& [at, colour] : bands) {
        p.setBrush(colour);
        p.drawRect(QRectF(body.left() + body.width() * at - 2.5, body.top() + 0.8, 5.0, body.height() - 1.6));
    }
    p.setPen(QPen(kWire, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 4, 4);
    p.restore();
}

// A little scope screen with the smooth output of the filter.
void prScope(QPainter& p, const QRectF& screen)
{
    p.save();
    p.setPen(QPen(QColor(40, 46, 56), 1.5));
    p.setBrush(QColor(30, 42, 50));
    p.drawRoundedRect(screen, 5, 5);
    p.setClipRect(screen.adjusted(3, 3, -3, -3));
    p.setPen(QPen(QColor(58, 84, 86), 1.0));
    for (double x = screen.left() + 10; x < screen.right(); x += 10)
        p.drawLine(QLineF(x, screen.top(), x, screen.bottom()));
    for (double y = screen.top() + 9; y < screen.bottom(); y += 9)
        p.drawLine(QLineF(screen.left(), y, screen.right(), y));
    QPainterPath trace;
    const double mid = screen.center().y();
    const double amp = screen.height() * 0.32;
    for (int i = 0; i <= 80; ++i) {
        const double x = screen.left() + 4 + (screen.width() - 8) * i / 80.0;
        const double y = mid - amp * std::sin(2 * M_PI * 1.5 * i / 80.0);
        if (i == 0)
            trace.moveTo(x, y);
        else
            trace.lineTo(x, y);
    }
    p.setPen(QPen(QColor(90, 230, 140, 90), 4.0));
    p.drawPath(trace);
    p.setPen(QPen(QColor(150, 250, 170), 1.6));
    p.drawPath(trace);
    p.restore();
}

void prSchematic(QPainter& p)
{
    const double top = 152.5;
    const double bottom = 208.5;

    // Mains source.
    const QPointF src(34.5, 180.5);
    p.save();
    p.setPen(QPen(kWire, 2.0));
    p.setBrush(kPaper);
    p.drawEllipse(src, 11.0, 11.0);
    QPainterPath wave;
    for (int i = 0; i <= 20; ++i) {
        const double x = src.x() - 6 + 12.0 * i / 20.0;
        const double y = src.y() - 3.5 * std::sin(2 * M_PI * i / 20.0);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setPen(QPen(kWire, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.restore();
    prWire(p, {src - QPointF(0, 11), QPointF(src.x(), top), QPointF(78.5, top), QPointF(78.5, 160.5)});
    prWire(p, {src + QPointF(0, 11), QPointF(src.x(), bottom), QPointF(78.5, bottom), QPointF(78.5, 200.5)});

    // Transformer: two windings on a core.
    prHumps(p, QPointF(78.5, 160.5), QPointF(0, 1), QPointF(1, 0), 4, 5.0, kCopperLine);
    prHumps(p, QPointF(106.5, 160.5), QPointF(0, 1), QPointF(-1, 0), 4, 5.0, kCopperLine);
    prWire(p, {QPointF(90.5, 157), QPointF(90.5, 204)}, kWire, 2.0);
    prWire(p, {QPointF(94.5, 157), QPointF(94.5, 204)}, kWire, 2.0);
    prWire(p, {QPointF(106.5, 160.5), QPointF(106.5, top), QPointF(140, top)});
    prWire(p, {QPointF(106.5, 200.5), QPointF(106.5, bottom), QPointF(318, bottom)});

    // Resistor, series inductor, shunt capacitor.
    prResistor(p, QRectF(140, top - 7.5, 46, 15));
    prWire(p, {QPointF(186, top), QPointF(206.5, top)});
    prHumps(p, QPointF(206.5, top), QPointF(1, 0), QPointF(0, -1), 4, 6.0, kCopperLine);
    prWire(p, {QPointF(254.5, top), QPointF(318, top)});
    prWire(p, {QPointF(280.5, top), QPointF(280.5, 175.5)});
    prWire(p, {QPointF(280.5, 184.5), QPointF(280.5, bottom)});
    prWire(p, {QPointF(268.5, 175.5), QPointF(292.5, 175.5)}, kWire, 3.0);
    prWire(p, {QPointF(268.5, 184.5), QPointF(292.5, 184.5)}, kWire, 3.0);
    prDot(p, QPointF(280.5, top));
    prDot(p, QPointF(280.5, bottom));

    // Common wire to ground.
    prWire(p, {QPointF(232.5, bottom), QPointF(232.5, 216.5)});
    prWire(p, {QPointF(224.5, 216.5), QPointF(240.5, 216.5)});
    prWire(p, {QPointF(227.5, 220.5), QPointF(237.5, 220.5)});
    prWire(p, {QPointF(230.5, 224.5), QPointF(234.5, 224.5)});
    prDot(p, QPointF(232.5, bottom));

    // Output terminals and what they give.
    for (double y : {top, bottom}) {
        p.save();
        p.setPen(QPen(kWire, 1.8));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(321.5, y), 3.2, 3.2);
        p.restore();
    }
    prScope(p, QRectF(338.5, 156.5, 62, 48));
}

// Pixel art of the window icon: a core with a coil on each limb.
constexpr const char* kIconRows[16] = {
    "KKKKKKKKKKKKKKKK",
    "KkkkkkkkkkkkkkkK",
    "KkkGGGGGGGGGGkkK",
    "KkkggggggggggkkK",
    "KkkggkkkkkkggkkK",
    "KCccccchhCcccccK",
    "KdddddehhdddddeK",
    "KCccccchhCcccccK",
    "KdddddehhdddddeK",
    "KCccccchhCcccccK",
    "KdddddehhdddddeK",
    "KkkggkkkkkkggkkK",
    "KkkggggggggggkkK",
    "Kkk"
    "ssssssssss"
    "kkK",
    "KkkkkkkkkkkkkkkK",
    "KKKKKKKKKKKKKKKK",
};

QColor fnIconColour(char c)
{
    switch (c) {
    case 'K': return QColor(18, 30, 58);    // tile border
    case 'k': return QColor(34, 60, 110);   // tile
    case 'G': return QColor(214, 220, 228); // lit top of the core
    case 'g': return QColor(158, 166, 178); // core
    case 's': return QColor(104, 110, 122); // shaded bottom of the core
    case 'C': return QColor(252, 196, 128); // copper highlight
    case 'c': return QColor(226, 134, 58);  // copper
    case 'd': return QColor(150, 72, 24);   // gap between turns
    case 'e': return QColor(120, 56, 18);   // coil edge in shadow
    case 'h': return QColor(34, 60, 110);   // window between the coils
    default: return QColor(255, 0, 255);
    }
}

} // namespace

QImage fnDrawAbout(const TVariant& variant)
{
    QImage img = fnBlankPicture(kAboutWidth, kAboutHeight, variant.scale);
    QPainter p;
    prBeginPainter(p, img, variant.scale);

    // Card with a soft shadow, inside the piece the help page shows.
    const QRectF card(kShownPiece.left() + 0.5, kShownPiece.top() + 0.5, kShownPiece.width() - 4.0,
                      kShownPiece.height() - 4.0);
    for (int i = 3; i >= 1; --i) {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 116, 108, 40));
        p.drawRoundedRect(card.translated(i, i), 7, 7);
        p.restore();
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRoundedRect(card, 7, 7);
    p.restore();
    prGraphPaper(p, card);
    p.save();
    p.setPen(QPen(kCardEdge, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card, 7, 7);
    p.restore();

    // Name and subtitle.
    QFont title = fnFont(50, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    const double titleLeft = 22.0;
    const double titleBase = 74.0;
    p.save();
    p.setFont(title);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(QPointF(titleLeft + 1.5, titleBase + 1.5), QStringLiteral("Quillfern"));
    p.setPen(kNavy);
    p.drawText(QPointF(titleLeft, titleBase), QStringLiteral("Quillfern"));
    const double titleWidth = QFontMetricsF(title).horizontalAdvance(QStringLiteral("Quillfern"));
    p.restore();

    QLinearGradient bar(QPointF(titleLeft, 0), QPointF(titleLeft + titleWidth, 0));
    bar.setColorAt(0.0, QColor(200, 104, 40));
    bar.setColorAt(1.0, QColor(232, 168, 96));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(bar);
    p.drawRoundedRect(QRectF(titleLeft + 2, titleBase + 10, titleWidth - 4, 3.0), 1.5, 1.5);
    p.restore();

    p.save();
    p.setFont(fnFont(17));
    p.setPen(QColor(62, 74, 96));
    p.drawText(QPointF(titleLeft + 2, titleBase + 36), fnWord(kWords, TAboutWord::Subtitle, variant.language));
    p.restore();

    prToroid(p, QPointF(342.5, 68.5), 38.0, 19.0);
    prSchematic(p);

    p.end();
    return img;
}

QList<TWordPair> fnAboutWords() { return fnWordList(kWords); }

QImage fnDrawIcon16()
{
    QImage img(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixel(x, y, fnIconColour(kIconRows[y][x]).rgb());
    return img;
}

} // namespace picturegen
