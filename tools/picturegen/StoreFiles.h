// Turning a finished drawing into a picture store file and proving it
// round-trips: palette reduction for the 8-bit stores, the stored form
// (prStoreRows), the BMP writer, and the check that reads the file back,
// restores it and compares it with the drawing pixel for pixel. The copies
// at twice the density are plain PNG files, checked the same way, and
// measured against the picture at 1x.
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

// Writes `shown` as a plain PNG at the best compression: with a palette
// when it has at most 256 colours and that file is the smaller, else 24-bit.
bool fnWritePng(const QImage& shown, const QString& path, QString& error);

// Reads a PNG back and compares it with `shown` pixel for pixel.
bool fnCheckPng(const QString& path, const QImage& shown, QImage& restored, QString& error);

// How a picture at twice the density compares with the same picture at 1x:
// the share of its aligned 2 x 2 blocks that are not of one colour (none in
// a picture blown up from 1x), and the mean difference, per channel in
// levels of 255, between the 1x picture and the 2x one averaged down.
struct TDensityCheck {
    double detailedBlockShare = 0;
    double meanDifference = 0;
};
TDensityCheck fnCompareDensity(const QImage& once, const QImage& twice);

} // namespace picturegen
