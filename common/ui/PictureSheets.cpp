#include "common/ui/PictureSheets.h"

#include "common/core/SheetRows.h"
#include "text/MultiLanguage.h"

#include <QCoreApplication>
#include <QHash>
#include <QResource>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

namespace {

struct TStoreInfo {
    TPictureStore store;
    const char* name;
};

constexpr TStoreInfo kStores[] = {
    {TPictureStore::ImageAbout, "ImageAbout"},
    {TPictureStore::ImageTr01, "ImageTr01"},
    {TPictureStore::ImageTr02, "ImageTr02"},
    {TPictureStore::ImageTr03, "ImageTr03"},
    {TPictureStore::ImageTr04, "ImageTr04"},
    {TPictureStore::ImageTr05, "ImageTr05"},
    {TPictureStore::ImageTr06, "ImageTr06"},
    {TPictureStore::ImageInduction, "ImageInduction"},
    {TPictureStore::ImageColorMark, "ImageColorMark"},
    {TPictureStore::ImageFlt00, "ImageFlt00"},
    {TPictureStore::ImageFormulas00, "ImageFormulas00"},
};

TRgbRows fnRowsOf(QImage& image) { return TRgbRows{image.bits(), image.width(), image.height(), image.bytesPerLine()}; }

std::uint32_t fnLittle32(const uchar* at)
{
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 | std::uint32_t(at[3]) << 24;
}

std::uint16_t fnLittle16(const uchar* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

// A store is an uncompressed bottom-up BMP of 24 bits, or of 8 bits with a
// palette, built into the program without compression: its rows are read
// straight into a 24-bit sheet. Anything else gives a null image.
QImage fnDecodeStore(const uchar* data, qint64 size)
{
    constexpr qint64 HeaderSize = 14 + 40;
    if (!data || size < HeaderSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const std::uint32_t pixelsAt = fnLittle32(data + 10);
    const std::uint32_t infoSize = fnLittle32(data + 14);
    const auto width = static_cast<std::int32_t>(fnLittle32(data + 18));
    const auto height = static_cast<std::int32_t>(fnLittle32(data + 22));
    const std::uint16_t bits = fnLittle16(data + 28);
    const std::uint32_t compression = fnLittle32(data + 30);
    std::uint32_t colours = fnLittle32(data + 46);
    if (width <= 0 || height <= 0 || compression != 0 || (bits != 24 && bits != 8))
        return {};
    if (bits == 8 && colours == 0)
        colours = 256;
    const qint64 stride = ((qint64(width) * bits + 31) / 32) * 4;
    const uchar* palette = data + 14 + infoSize;
    if (qint64(pixelsAt) + stride * height > size || (bits == 8 && 14 + infoSize + 4 * qint64(colours) > size))
        return {};

    QImage sheet(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        const uchar* from = data + pixelsAt + stride * (height - 1 - y);
        uchar* to = sheet.scanLine(y);
        if (bits == 24) {
            for (int x = 0; x < width; ++x, from += 3, to += 3) {
                to[0] = from[2];
                to[1] = from[1];
                to[2] = from[0];
            }
        } else {
            for (int x = 0; x < width; ++x, to += 3) {
                const std::uint32_t index = std::min<std::uint32_t>(from[x], colours - 1);
                const uchar* entry = palette + 4 * index;
                to[0] = entry[2];
                to[1] = entry[1];
                to[2] = entry[0];
            }
        }
    }
    return sheet;
}

// Every sheet handed out, by its pixels' key: where it came from, and its
// drawing at 2x once one was asked for.
struct TKnownSheet {
    QString path;
    bool loaded = false;
    QImage twice;
};

QHash<qint64, TKnownSheet>& fnKnownSheets()
{
    static QHash<qint64, TKnownSheet> known;
    return known;
}

void prRememberSheet(const QImage& sheet, const QString& path)
{
    fnKnownSheets().insert(sheet.cacheKey(), TKnownSheet{path, false, {}});
}

// The 2x drawings read ahead: a path is taken by whoever reads it first (the
// worker or a page); the worker leaves what it read for the page to take.
struct TReadAhead {
    std::mutex lock;
    std::condition_variable done;
    QSet<QString> taken;
    QHash<QString, QImage> read;
    std::atomic<bool> stop{false};
    std::thread worker;

    void prStop()
    {
        stop = true;
        if (worker.joinable())
            worker.join();
    }
    ~TReadAhead() { prStop(); }
};

TReadAhead& fnReadAhead()
{
    static TReadAhead ahead;
    return ahead;
}

// ":/pictures/en/X.bmp" -> ":/pictures/2x/en/X.png"
QString fn2xPath(QString path)
{
    path.replace(QStringLiteral(":/pictures/"), QStringLiteral(":/pictures/2x/"));
    path.replace(QStringLiteral(".bmp"), QStringLiteral(".png"));
    return path;
}

// The 2x drawing at a path: the worker's, waited for while it reads it, or
// read here.
QImage fnTake2x(const QString& path)
{
    TReadAhead& ahead = fnReadAhead();
    std::unique_lock guard(ahead.lock);
    if (!ahead.taken.contains(path)) {
        ahead.taken.insert(path);
        guard.unlock();
        return QImage(path);
    }
    ahead.done.wait(guard, [&] { return ahead.read.contains(path); });
    return ahead.read.take(path);
}

// A built-in BMP as a 24-bit image, read straight from the uncompressed
// resource (no image plugin loaded); Qt's reader only if that fails.
QImage fnReadPicture(const QString& path)
{
    const QResource resource(path);
    QImage picture = resource.compressionAlgorithm() == QResource::NoCompression
                         ? fnDecodeStore(resource.data(), resource.size())
                         : QImage();
    return picture.isNull() ? QImage(path).convertToFormat(QImage::Format_RGB888) : picture;
}

} // namespace

// The stores are compiled into this static library; their registration
// must be pulled in explicitly or the linker drops it.
void prLoadPictureResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)loaded;
}

QString fnStoreName(TPictureStore store)
{
    for (const auto& info : kStores)
        if (info.store == store)
            return QString::fromLatin1(info.name);
    return {};
}

QString fnStorePath(TPictureStore store)
{
    prLoadPictureResources();
    return QStringLiteral(":/pictures/%1.bmp").arg(fnStoreName(store));
}

QString fnVariantPath(TPictureStore store)
{
    prLoadPictureResources();
    if (fnGetLanguage() == TLanguage::English) {
        // Only the sheets that carry words have an English drawing.
        const QString english = QStringLiteral(":/pictures/en/%1.bmp").arg(fnStoreName(store));
        if (QResource(english).isValid())
            return english;
    }
    return fnStorePath(store);
}

QImage fnPictureFromStore(TPictureStore store, int mode)
{
    prLoadPictureResources();
    // An 8-bit store is expanded through its palette here.
    const QString path = fnVariantPath(store);
    QImage sheet = fnReadPicture(path);
    if (sheet.isNull()) {
        // A store missing from the build: hand out an empty sheet of the page
        // background rather than crash.
        sheet = QImage(1, 1, QImage::Format_RGB888);
        sheet.fill(QColor(212, 208, 200));
        return sheet;
    }
    prRestoreRows(sheet, mode);
    prRememberSheet(sheet, path);
    return sheet;
}

QImage fnWindowIcon()
{
    prLoadPictureResources();
    return fnReadPicture(QStringLiteral(":/pictures/Icon16.bmp"));
}

QImage fnSharedSheet(TPictureStore store)
{
    // Restored once per language; every page of the calculator shares the
    // pixels (a QImage copy shares them until someone writes, and no page
    // writes to a sheet).
    static QHash<int, QImage> sheets;
    const int key = static_cast<int>(store) * 2 + (fnGetLanguage() == TLanguage::English ? 1 : 0);
    auto found = sheets.find(key);
    if (found == sheets.end())
        found = sheets.insert(key, fnPictureFromStore(store, 2));
    return found.value();
}

QImage fnSheetAt2x(const QImage& sheet)
{
    auto& known = fnKnownSheets();
    const auto found = known.find(sheet.cacheKey());
    if (found == known.end())
        return {};
    TKnownSheet& entry = found.value();
    if (!entry.loaded) {
        entry.loaded = true;
        const QString path = fn2xPath(entry.path);
        QImage twice = fnTake2x(path);
        if (twice.isNull() || twice.size() != sheet.size() * 2) {
            std::fprintf(stderr, "quillfern: no readable 2x drawing %s; the 1x one is shown\n", qPrintable(path));
            twice = QImage();
        } else {
            twice.setDevicePixelRatio(2);
        }
        entry.twice = twice;
    }
    return entry.twice;
}

void prReadSheetsAt2xAhead()
{
    TReadAhead& ahead = fnReadAhead();
    if (ahead.worker.joinable())
        return;
    QStringList paths;
    for (const TStoreInfo& info : kStores)
        paths << fn2xPath(fnVariantPath(info.store));
    // Stopped before the application's objects go; a page still waiting gets
    // what the worker took, as it always leaves what it took.
    qAddPostRoutine([] { fnReadAhead().prStop(); });
    ahead.worker = std::thread([paths, &ahead] {
        for (const QString& path : paths) {
            {
                const std::lock_guard guard(ahead.lock);
                if (ahead.stop || ahead.taken.contains(path))
                    continue;
                ahead.taken.insert(path);
            }
            QImage twice(path);
            {
                const std::lock_guard guard(ahead.lock);
                ahead.read.insert(path, twice);
            }
            ahead.done.notify_all();
        }
    });
}

void prRestoreRows(QImage& sheet, int mode)
{
    if (sheet.format() != QImage::Format_RGB888)
        sheet = sheet.convertToFormat(QImage::Format_RGB888);
    prRestoreRows(fnRowsOf(sheet), mode);
}

void prStoreRows(QImage& picture)
{
    if (picture.format() != QImage::Format_RGB888)
        picture = picture.convertToFormat(QImage::Format_RGB888);
    prStoreRows(fnRowsOf(picture));
}
