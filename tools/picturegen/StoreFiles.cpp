#include "StoreFiles.h"

#include "common/core/SheetRows.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <vector>

namespace picturegen {

namespace {

constexpr int kPaletteSize = 256;

struct TWeighted {
    QRgb rgb;
    long long count;
};

// Squared distance with the eye's rough weights (green counts most).
long long fnDistance(QRgb a, QRgb b)
{
    const long long dr = qRed(a) - qRed(b);
    const long long dg = qGreen(a) - qGreen(b);
    const long long db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int fnNearest(QRgb c, const std::vector<QRgb>& palette)
{
    int best = 0;
    long long bestD = std::numeric_limits<long long>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const long long d = fnDistance(c, palette[static_cast<std::size_t>(i)]);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

// Distinct colours with their pixel counts, in a fixed order so that the
// generator writes the same files on every run.
std::vector<TWeighted> fnHistogram(const QImage& rgb32)
{
    std::map<QRgb, long long> counts;
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    std::vector<TWeighted> out;
    out.reserve(counts.size());
    for (const auto& [rgb, n] : counts)
        out.push_back({rgb, n});
    return out;
}

// Bytes of a row of an RGB888 image, compared without the padding.
bool fnSameRgb888(const QImage& a, const QImage& b, QString& where)
{
    if (a.size() != b.size()) {
        where = QStringLiteral("size differs");
        return false;
    }
    const auto rowBytes = static_cast<std::size_t>(a.width()) * 3;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), rowBytes) != 0) {
            where = QStringLiteral("row %1 differs").arg(y);
            return false;
        }
    }
    return true;
}

TRgbRows fnRows(QImage& rgb888)
{
    return TRgbRows{rgb888.bits(), rgb888.width(), rgb888.height(), rgb888.bytesPerLine()};
}

// The picture with a palette of its own colours in histogram order, padded
// with black to `tableSize` entries (at least as many as there are colours).
QImage fnIndexed(const QImage& rgb32, const std::vector<TWeighted>& hist, int tableSize)
{
    QList<QRgb> table;
    std::map<QRgb, int> index;
    for (const TWeighted& h : hist) {
        index[h.rgb] = static_cast<int>(table.size());
        table.push_back(h.rgb);
    }
    while (table.size() < tableSize)
        table.push_back(qRgb(0, 0, 0));

    QImage indexed(rgb32.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        uchar* o = indexed.scanLine(y);
        for (int x = 0; x < rgb32.width(); ++x)
            o[x] = static_cast<uchar>(index[in[x] | 0xFF000000u]);
    }
    return indexed;
}

// The bytes of a PNG file of `img`, at zlib's best compression.
QByteArray fnPngBytes(const QImage& img)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setQuality(0); // 0: the smallest file
    if (!writer.write(img))
        return {};
    return bytes;
}

} // namespace

int fnCountColours(const QImage& img)
{
    return static_cast<int>(fnHistogram(img.convertToFormat(QImage::Format_RGB32)).size());
}

QImage fnSnapToPalette(const QImage& drawing, const QList<QColor>& keys, int maxColours)
{
    const QImage src = drawing.convertToFormat(QImage::Format_RGB32);
    const std::vector<TWeighted> hist = fnHistogram(src);

    std::vector<QRgb> palette;
    for (const QColor& k : keys) {
        const QRgb rgb = k.rgb() | 0xFF000000u;
        if (std::find(palette.begin(), palette.end(), rgb) == palette.end())
            palette.push_back(rgb);
    }
    const std::size_t fixed = palette.size();

    // Seed the free entries farthest-first, favouring shades that cover many
    // pixels, then refine them (k-means over the histogram; keys stay put).
    std::vector<long long> nearestD(hist.size());
    for (std::size_t i = 0; i < hist.size(); ++i)
        nearestD[i] = palette.empty()
                          ? std::numeric_limits<long long>::max()
                          : fnDistance(hist[i].rgb, palette[static_cast<std::size_t>(fnNearest(hist[i].rgb, palette))]);
    while (static_cast<int>(palette.size()) < maxColours) {
        std::size_t pick = hist.size();
        double bestScore = 0;
        for (std::size_t i = 0; i < hist.size(); ++i) {
            const double score = static_cast<double>(nearestD[i]) * std::sqrt(static_cast<double>(hist[i].count));
            if (score > bestScore) {
                bestScore = score;
                pick = i;
            }
        }
        if (pick == hist.size())
            break; // every colour already has an exact entry
        palette.push_back(hist[pick].rgb);
        for (std::size_t i = 0; i < hist.size(); ++i)
            nearestD[i] = std::min(nearestD[i], fnDistance(hist[i].rgb, hist[pick].rgb));
    }

    for (int round = 0; round < 12; ++round) {
        std::vector<double> sr(palette.size()), sg(palette.size()), sb(palette.size()), sw(palette.size());
        for (const TWeighted& h : hist) {
            const auto k = static_cast<std::size_t>(fnNearest(h.rgb, palette));
            const double w = static_cast<double>(h.count);
            sr[k] += w * qRed(h.rgb);
            sg[k] += w * qGreen(h.rgb);
            sb[k] += w * qBlue(h.rgb);
            sw[k] += w;
        }
        bool moved = false;
        for (std::size_t k = fixed; k < palette.size(); ++k) {
            if (sw[k] <= 0)
                continue;
            const QRgb next = qRgb(static_cast<int>(std::lround(sr[k] / sw[k])),
                                   static_cast<int>(std::lround(sg[k] / sw[k])),
                                   static_cast<int>(std::lround(sb[k] / sw[k])));
            moved = moved || next != palette[k];
            palette[k] = next;
        }
        if (!moved)
            break;
    }

    std::map<QRgb, QRgb> mapping;
    for (const TWeighted& h : hist)
        mapping[h.rgb] = palette[static_cast<std::size_t>(fnNearest(h.rgb, palette))];

    QImage out(src.size(), QImage::Format_RGB888);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uchar* o = out.scanLine(y);
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = mapping[in[x] | 0xFF000000u];
            o[3 * x] = static_cast<uchar>(qRed(c));
            o[3 * x + 1] = static_cast<uchar>(qGreen(c));
            o[3 * x + 2] = static_cast<uchar>(qBlue(c));
        }
    }
    return out;
}

bool fnWriteStore(const QImage& shown, const QString& path, TStoreKind kind, QString& error)
{
    QImage rows = shown.convertToFormat(QImage::Format_RGB888);
    if (kind.storedForm)
        prStoreRows(fnRows(rows));

    if (kind.bitsPerPixel == 24) {
        if (!rows.save(path, "BMP")) {
            error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        return true;
    }

    // 8 bits: an exact palette of the stored picture's own colours.
    const QImage rgb32 = rows.convertToFormat(QImage::Format_RGB32);
    const std::vector<TWeighted> hist = fnHistogram(rgb32);
    if (hist.size() > static_cast<std::size_t>(kPaletteSize)) {
        error = QStringLiteral("%1: %2 colours do not fit a 256-colour palette").arg(path).arg(hist.size());
        return false;
    }
    const QImage indexed = fnIndexed(rgb32, hist, kPaletteSize);
    if (!indexed.save(path, "BMP")) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool fnCheckStore(const QString& path, const QImage& shown, TStoreKind kind, QImage& restored, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QByteArray head = file.read(54);
    file.close();
    if (head.size() < 54 || !head.startsWith("BM")) {
        error = QStringLiteral("%1 is not a BMP file").arg(path);
        return false;
    }
    const auto* h = reinterpret_cast<const uchar*>(head.constData());
    const qint32 width = qFromLittleEndian<qint32>(h + 18);
    const qint32 height = qFromLittleEndian<qint32>(h + 22);
    const quint16 bits = qFromLittleEndian<quint16>(h + 28);
    const quint32 compression = qFromLittleEndian<quint32>(h + 30);
    if (width != shown.width() || height != shown.height()) {
        error = QStringLiteral("%1: header says %2 x %3 (bottom-up expected), drawing is %4 x %5")
                    .arg(path)
                    .arg(width)
                    .arg(height)
                    .arg(shown.width())
                    .arg(shown.height());
        return false;
    }
    if (bits != kind.bitsPerPixel || compression != 0) {
        error = QStringLiteral("%1: %2 bits per pixel, compression %3; expected %4 bits, none")
                    .arg(path)
                    .arg(bits)
                    .arg(compression)
                    .arg(kind.bitsPerPixel);
        return false;
    }
    if (kind.bitsPerPixel == 8) {
        const quint32 used = qFromLittleEndian<quint32>(h + 46);
        if (used != 0 && used != static_cast<quint32>(kPaletteSize)) {
            error = QStringLiteral("%1: palette of %2 colours, 256 expected").arg(path).arg(used);
            return false;
        }
    }

    QImage loaded(path, "BMP");
    if (loaded.isNull() || loaded.size() != shown.size()) {
        error = QStringLiteral("%1 does not load back").arg(path);
        return false;
    }
    if (kind.bitsPerPixel == 8 && loaded.format() != QImage::Format_Indexed8) {
        error = QStringLiteral("%1 loads as format %2, not a palette picture")
                    .arg(path)
                    .arg(static_cast<int>(loaded.format()));
        return false;
    }
    restored = loaded.convertToFormat(QImage::Format_RGB888);
    if (kind.storedForm)
        prRestoreRows(fnRows(restored), 2);

    QString where;
    if (!fnSameRgb888(restored, shown.convertToFormat(QImage::Format_RGB888), where)) {
        error = QStringLiteral("%1 does not restore to the drawing: %2").arg(path, where);
        return false;
    }
    return true;
}

bool fnWritePng(const QImage& shown, const QString& path, QString& error)
{
    const QImage rgb = shown.convertToFormat(QImage::Format_RGB888);
    QByteArray bytes = fnPngBytes(rgb);
    const QImage rgb32 = rgb.convertToFormat(QImage::Format_RGB32);
    const std::vector<TWeighted> hist = fnHistogram(rgb32);
    if (hist.size() <= static_cast<std::size_t>(kPaletteSize)) {
        const QByteArray paletted = fnPngBytes(fnIndexed(rgb32, hist, static_cast<int>(hist.size())));
        if (!paletted.isEmpty() && paletted.size() < bytes.size())
            bytes = paletted;
    }
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool fnCheckPng(const QString& path, const QImage& shown, QImage& restored, QString& error)
{
    const QImage loaded(path, "PNG");
    if (loaded.isNull() || loaded.size() != shown.size()) {
        error = QStringLiteral("%1 does not load back").arg(path);
        return false;
    }
    restored = loaded.convertToFormat(QImage::Format_RGB888);
    QString where;
    if (!fnSameRgb888(restored, shown.convertToFormat(QImage::Format_RGB888), where)) {
        error = QStringLiteral("%1 does not read back as drawn: %2").arg(path, where);
        return false;
    }
    return true;
}

TDensityCheck fnCompareDensity(const QImage& once, const QImage& twice)
{
    const QImage a = once.convertToFormat(QImage::Format_RGB32);
    const QImage b = twice.convertToFormat(QImage::Format_RGB32);
    TDensityCheck check;
    if (a.isNull() || b.size() != a.size() * 2)
        return check;
    long long detailed = 0;
    double difference = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* top = reinterpret_cast<const QRgb*>(b.constScanLine(2 * y));
        const auto* bottom = reinterpret_cast<const QRgb*>(b.constScanLine(2 * y + 1));
        const auto* small = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb block[4] = {top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]};
            if (block[1] != block[0] || block[2] != block[0] || block[3] != block[0])
                ++detailed;
            int r = 0;
            int g = 0;
            int bl = 0;
            for (QRgb c : block) {
                r += qRed(c);
                g += qGreen(c);
                bl += qBlue(c);
            }
            difference += std::abs(r / 4.0 - qRed(small[x])) + std::abs(g / 4.0 - qGreen(small[x]))
                          + std::abs(bl / 4.0 - qBlue(small[x]));
        }
    }
    const double pixels = static_cast<double>(a.width()) * a.height();
    check.detailedBlockShare = static_cast<double>(detailed) / pixels;
    check.meanDifference = difference / (3.0 * pixels);
    return check;
}

} // namespace picturegen
