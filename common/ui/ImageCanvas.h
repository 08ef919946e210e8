// UI layer. An image widget with a drawing canvas: pages fill rectangles, copy
// pieces of picture sheets onto it and write centred texts, and get its mouse
// events. The canvas keeps what was drawn as a short list of operations on the
// shared sheets rather than a pixel copy of its own, so a page's pictures cost
// next to no memory; a later operation that covers an earlier one replaces it.
#pragma once

#include "common/core/Rect.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

class TMyImageCanvas : public QWidget {
    Q_OBJECT
public:
    explicit TMyImageCanvas(QWidget* parent = nullptr);

    // Resizes the widget; the canvas starts transparent (empty).
    void prSetSize(int width, int height);

    void fillRect(const TRect& rect, const QColor& colour);
    // Plain copy of sheet piece `source` into `dest` (same size, no stretching).
    void copyRect(const TRect& dest, const QImage& sheet, const TRect& source);
    // Draws the whole sheet at (0, 0).
    void drawSheet(const QImage& sheet);
    void drawTextCentred(const TRect& rect, const QString& text, const QFont& font, const QColor& colour);
    int textWidth(const QString& text, const QFont& font) const;

    // The canvas as pixels (transparent where nothing was drawn), as it is painted.
    QImage fnRendered() const;
    // How many drawing operations the canvas holds now.
    std::size_t fnOperationCount() const { return mOperations.size(); }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct TOperation {
        enum class TKind { Fill, Copy, Text } kind;
        QRect rect;    // where it draws
        QColor colour; // Fill, Text
        QImage sheet;  // Copy: shares the sheet's pixels
        QRect source;  // Copy
        QString text;  // Text
        QFont font;    // Text
        bool operator==(const TOperation& other) const;
    };
    void prAdd(TOperation operation);
    void prPaint(QPainter& painter, const QRect& area) const;

    std::vector<TOperation> mOperations;
};
