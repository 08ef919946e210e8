#include "common/PictureSheets.h"

#include "common/SheetRows.h"

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

TRgbRows fnRowsOf(QImage& image)
{
    return TRgbRows{image.bits(), image.width(), image.height(), image.bytesPerLine()};
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

QImage fnPictureFromStore(TPictureStore store, int mode)
{
    prLoadPictureResources();
    QImage picture(fnStorePath(store));
    // An 8-bit store is expanded through its palette here.
    QImage sheet = picture.convertToFormat(QImage::Format_RGB888);
    if (sheet.isNull()) {
        // A store missing from the build: hand out an empty sheet of the page
        // background rather than crash.
        sheet = QImage(1, 1, QImage::Format_RGB888);
        sheet.fill(QColor(212, 208, 200));
        return sheet;
    }
    prRestoreRows(sheet, mode);
    return sheet;
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
