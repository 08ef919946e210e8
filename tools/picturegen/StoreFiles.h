// Turning a finished drawing into a picture store file and proving it
// round-trips: palette reduction for the 8-bit stores, the stored form
// (prStoreRows), the BMP writer, and the check that reads the file back,
// restores it and compares it with the drawing pixel for pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace picturegen {

// How a store is written.
struct TStoreKind {
    int bitsPerPixel = 24;  // 24, or 8 with a 256-entry palette
    bool storedForm = true; // rows kept as prStoreRows leaves them
};

// Reduces a drawing to at most `maxColours` colours: every colour of `keys`
// is kept exactly, the rest of the palette follows the drawing's own
// antialiased shades. Returns a Format_RGB888 image.
QImage fnSnapToPalette(const QImage& drawing, const QList<QColor>& keys, int maxColours);

// Number of distinct colours of an image.
int fnCountColours(const QImage& img);

// Writes `shown` (the picture as the program shows it) to `path`.
bool fnWriteStore(const QImage& shown, const QString& path, TStoreKind kind, QString& error);

// Reads `path` back, checks the file's header (size, bits per pixel,
// uncompressed, bottom-up), restores the rows when stored, and compares
// with `shown`. On success `restored` holds the picture read back.
bool fnCheckStore(const QString& path, const QImage& shown, TStoreKind kind, QImage& restored, QString& error);

} // namespace picturegen
