#include "common/ui/ImageCanvas.h"

#include "common/ui/PictureSheets.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

QRect fnQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

} // namespace

TMyImageCanvas::TMyImageCanvas(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TMyImageCanvas::prSetSize(int width, int height)
{
    resize(width, height);
    mOperations.clear();
    update();
}

bool TMyImageCanvas::TOperation::operator==(const TOperation& other) const
{
    if (kind != other.kind || rect != other.rect)
        return false;
    switch (kind) {
    case TKind::Fill: return colour == other.colour;
    case TKind::Copy: return source == other.source && sheet.cacheKey() == other.sheet.cacheKey();
    case TKind::Text: return text == other.text && colour == other.colour && font == other.font;
    }
    return false;
}

void TMyImageCanvas::prAdd(TOperation operation)
{
    // Drawing again what is already on top there changes no pixel: a redrawn
    // chart repaints only the cells that changed.
    for (auto it = mOperations.rbegin(); it != mOperations.rend(); ++it) {
        if (it->rect.intersects(operation.rect)) {
            if (*it == operation && operation.kind != TOperation::TKind::Text)
                return;
            break;
        }
    }
    // Whatever the new operation paints over completely is gone for good.
    const QRect covered = operation.kind == TOperation::TKind::Text ? QRect() : operation.rect;
    if (!covered.isEmpty())
        std::erase_if(mOperations, [&covered](const TOperation& old) { return covered.contains(old.rect); });
    update(operation.rect);
    mOperations.push_back(std::move(operation));
}

void TMyImageCanvas::fillRect(const TRect& rect, const QColor& colour)
{
    TOperation fill{TOperation::TKind::Fill, fnQRect(rect), colour, {}, {}, {}, {}};
    prAdd(std::move(fill));
}

void TMyImageCanvas::copyRect(const TRect& dest, const QImage& sheet, const TRect& source)
{
    const QRect from = fnQRect(source).intersected(sheet.rect());
    if (from.isEmpty())
        return;
    // A piece outside the sheet is cut to the sheet, keeping its place.
    const QRect to(fnQRect(dest).topLeft() + (from.topLeft() - fnQRect(source).topLeft()), from.size());
    TOperation copy{TOperation::TKind::Copy, to, {}, sheet, from, {}, {}};
    prAdd(std::move(copy));
}

void TMyImageCanvas::drawSheet(const QImage& sheet)
{
    copyRect(fnPlaceRect(0, 0, sheet.width(), sheet.height(), TRect{}), sheet,
             fnPlaceRect(0, 0, sheet.width(), sheet.height(), TRect{}));
}

void TMyImageCanvas::drawTextCentred(const TRect& rect, const QString& text, const QFont& font, const QColor& colour)
{
    TOperation write{TOperation::TKind::Text, fnQRect(rect), colour, {}, {}, text, font};
    prAdd(std::move(write));
}

int TMyImageCanvas::textWidth(const QString& text, const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void TMyImageCanvas::prPaint(QPainter& painter, const QRect& area) const
{
    // On a screen of more than one device pixel a point, the pieces come from
    // the sheets drawn at 2x (scaled down smoothly below a ratio of 2).
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const bool fine = ratio > 1.0;
    if (fine && ratio != 2.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const TOperation& op : mOperations) {
        if (!op.rect.intersects(area))
            continue;
        switch (op.kind) {
        case TOperation::TKind::Fill:
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(op.rect, op.colour);
            break;
        case TOperation::TKind::Copy: {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            const QImage twice = fine ? fnSheetAt2x(op.sheet) : QImage();
            if (twice.isNull()) {
                painter.drawImage(op.rect.topLeft(), op.sheet, op.source);
            } else {
                const QRectF from(op.source.x() * 2, op.source.y() * 2, op.source.width() * 2, op.source.height() * 2);
                painter.drawImage(QRectF(op.rect), twice, from);
            }
            break;
        }
        case TOperation::TKind::Text:
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.setFont(op.font);
            painter.setPen(op.colour);
            painter.drawText(op.rect, Qt::AlignCenter | Qt::TextSingleLine, op.text);
            break;
        }
    }
}

QImage TMyImageCanvas::fnRendered() const
{
    QImage image(std::max(1, width()), std::max(1, height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prPaint(painter, image.rect());
    return image;
}

void TMyImageCanvas::paintEvent(QPaintEvent* event)
{
    // Piece by piece of what needs painting: a few small rectangles (labels
    // changing over the picture) cost little, where their bounding box would
    // replay the whole picture.
    QPainter painter(this);
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        prPaint(painter, area);
    }
}

void TMyImageCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mousePressed(event->button(), event->modifiers(), at.x(), at.y());
    QWidget::mousePressEvent(event);
}

void TMyImageCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMoved(event->modifiers(), at.x(), at.y());
    QWidget::mouseMoveEvent(event);
}
