// An image widget with a drawing canvas: pages fill rectangles, copy pieces of
// picture sheets onto it and write centred texts, and get its mouse events.
#pragma once

#include "common/Numbers.h"

#include <QImage>
#include <QWidget>

class TMyImageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TMyImageCanvas(QWidget* parent = nullptr);

    // Resizes widget and canvas together; the canvas starts transparent.
    void prSetSize(int width, int height);
    QImage& canvas() { return mCanvas; }
    const QImage& canvas() const { return mCanvas; }

    void fillRect(const TRect& rect, const QColor& colour);
    // Plain copy of sheet piece `source` into `dest` (same size, no stretching).
    void copyRect(const TRect& dest, const QImage& sheet, const TRect& source);
    // Draws the whole sheet at (0, 0).
    void drawSheet(const QImage& sheet);
    void drawTextCentred(const TRect& rect, const QString& text, const QFont& font, const QColor& colour);
    int textWidth(const QString& text, const QFont& font) const;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage mCanvas;
};
