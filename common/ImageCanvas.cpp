#include "common/ImageCanvas.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {

QRect fnQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }

} // namespace

TMyImageCanvas::TMyImageCanvas(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void TMyImageCanvas::prSetSize(int width, int height)
{
    resize(width, height);
    mCanvas = QImage(qMax(1, width), qMax(1, height), QImage::Format_ARGB32_Premultiplied);
    mCanvas.fill(Qt::transparent);
    update();
}

void TMyImageCanvas::fillRect(const TRect& rect, const QColor& colour)
{
    QPainter painter(&mCanvas);
    painter.fillRect(fnQRect(rect), colour);
    update();
}

void TMyImageCanvas::copyRect(const TRect& dest, const QImage& sheet, const TRect& source)
{
    QPainter painter(&mCanvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(fnQRect(dest).topLeft(), sheet, fnQRect(source));
    update();
}

void TMyImageCanvas::drawSheet(const QImage& sheet)
{
    copyRect(fnPlaceRect(0, 0, sheet.width(), sheet.height(), TRect{}), sheet,
             fnPlaceRect(0, 0, sheet.width(), sheet.height(), TRect{}));
}

void TMyImageCanvas::drawTextCentred(const TRect& rect, const QString& text, const QFont& font,
                                     const QColor& colour)
{
    QPainter painter(&mCanvas);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(fnQRect(rect), Qt::AlignCenter | Qt::TextSingleLine, text);
    update();
}

int TMyImageCanvas::textWidth(const QString& text, const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void TMyImageCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, mCanvas);
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
