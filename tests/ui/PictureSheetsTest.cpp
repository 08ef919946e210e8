#include "common/ui/PictureSheets.h"
#include "common/ui/ImageCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(PictureStores, EveryBuiltInStoreHasItsSizeAndDepth)
{
    struct Case {
        TPictureStore store;
        int width;
        int height;
        int depth;
    };
    const Case cases[] = {
        {TPictureStore::ImageAbout, 420, 400, 24}, {TPictureStore::ImageTr01, 560, 220, 8},
        {TPictureStore::ImageTr02, 560, 220, 8},   {TPictureStore::ImageTr03, 560, 220, 8},
        {TPictureStore::ImageTr04, 560, 220, 8},   {TPictureStore::ImageTr05, 560, 220, 8},
        {TPictureStore::ImageTr06, 180, 220, 8},
    };
    for (const auto& c : cases) {
        const QString name = fnStoreName(c.store);
        const QImage stored(fnStorePath(c.store));
        ASSERT_FALSE(stored.isNull()) << name.toStdString();
        EXPECT_EQ(stored.size(), QSize(c.width, c.height)) << name.toStdString();
        EXPECT_EQ(c.depth == 8 ? stored.format() == QImage::Format_Indexed8 : stored.depth() >= 24, true)
            << name.toStdString();

        const QImage sheet = fnPictureFromStore(c.store, 2);
        EXPECT_EQ(sheet.format(), QImage::Format_RGB888) << name.toStdString(); // 24-bit, even from 8-bit
        EXPECT_EQ(sheet.size(), stored.size()) << name.toStdString();
    }
}

TEST(PictureStores, SheetIsTheStoreWithItsRowsRestored)
{
    const QImage stored = QImage(fnStorePath(TPictureStore::ImageTr01)).convertToFormat(QImage::Format_RGB888);
    const QImage sheet = fnPictureFromStore(TPictureStore::ImageTr01, 2);
    ASSERT_EQ(stored.size(), sheet.size());
    const int w = sheet.width();
    for (int y : {0, 1, 2, 3, 4, 6}) {
        for (int x : {0, 1, w - 1}) {
            const QRgb s = sheet.pixel(x, y);
            QRgb expected = stored.pixel(x, y);
            if (y % 4 == 0)
                expected = stored.pixel((x + w - 1) % w, y) ^ 0x00FFFFFF;
            else if (y % 4 == 2)
                expected = stored.pixel((x + 1) % w, y) ^ 0x00FFFFFF;
            EXPECT_EQ(s | 0xFF000000, expected | 0xFF000000) << x << "," << y;
        }
    }
}

TEST(PictureStores, StoreThenRestoreGivesThePictureBack)
{
    QImage picture(7, 6, QImage::Format_RGB888);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 30, y * 40, (x * y) % 256));
    QImage copy = picture;
    prStoreRows(copy);
    EXPECT_NE(copy, picture);
    prRestoreRows(copy, 2);
    EXPECT_EQ(copy, picture);

    QImage other = picture;
    prRestoreRows(other, 1); // any other mode: unchanged
    EXPECT_EQ(other, picture);
}

// The stores are read straight from the program's image; Qt's own BMP reader,
// followed by the row restore, must see the same pixels in every one of them.
TEST(PictureStores, DirectReaderAgreesWithQtsReaderForEveryStore)
{
    const TPictureStore stores[] = {
        TPictureStore::ImageAbout, TPictureStore::ImageTr01,       TPictureStore::ImageTr02,
        TPictureStore::ImageTr03,  TPictureStore::ImageTr04,       TPictureStore::ImageTr05,
        TPictureStore::ImageTr06,  TPictureStore::ImageInduction,  TPictureStore::ImageColorMark,
        TPictureStore::ImageFlt00, TPictureStore::ImageFormulas00,
    };
    for (TPictureStore store : stores) {
        QImage expected = QImage(fnStorePath(store)).convertToFormat(QImage::Format_RGB888);
        prRestoreRows(expected, 2);
        EXPECT_EQ(fnPictureFromStore(store, 2), expected) << fnStoreName(store).toStdString();
        // Pages of a calculator share one restored sheet.
        const QImage shared = fnSharedSheet(store);
        EXPECT_EQ(shared, expected) << fnStoreName(store).toStdString();
        EXPECT_EQ(fnSharedSheet(store).cacheKey(), shared.cacheKey()) << fnStoreName(store).toStdString();
    }
    EXPECT_EQ(fnWindowIcon().convertToFormat(QImage::Format_RGB888),
              QImage(QStringLiteral(":/pictures/Icon16.bmp")).convertToFormat(QImage::Format_RGB888));
}

TEST(ImageCanvas, ShowsWhatWasDrawnAndForgetsWhatIsCovered)
{
    QImage sheet(40, 30, QImage::Format_RGB888);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x * 6, y * 8, 100));
    TMyImageCanvas canvas;
    canvas.prSetSize(50, 40);
    EXPECT_EQ(canvas.fnRendered().pixel(5, 5), qRgba(0, 0, 0, 0)); // transparent until drawn on
    canvas.fillRect(fnPlaceRect(0, 0, 50, 40, TRect{}), QColor(212, 208, 200));
    const TRect piece = fnPlaceRect(10, 5, 8, 6, TRect{});
    // A chart redrawn a thousand times keeps one operation per place.
    for (int round = 0; round < 1000; ++round)
        for (int k = 0; k < 3; ++k)
            canvas.copyRect(fnPlaceRect(2 + 10 * k, 20, 0, 0, piece), sheet, piece);
    EXPECT_EQ(canvas.fnOperationCount(), 4u);
    const QImage shown = canvas.fnRendered().convertToFormat(QImage::Format_RGB888);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(shown.copy(2 + 10 * k, 20, 8, 6), sheet.copy(10, 5, 8, 6)) << k;
    EXPECT_EQ(shown.pixel(0, 0), qRgb(212, 208, 200));
    // A piece reaching past the sheet is cut to it, in place.
    canvas.copyRect(fnPlaceRect(40, 0, 0, 0, fnPlaceRect(35, 0, 10, 4, TRect{})), sheet,
                    fnPlaceRect(35, 0, 10, 4, TRect{}));
    const QImage cut = canvas.fnRendered().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(cut.copy(40, 0, 5, 4), sheet.copy(35, 0, 5, 4));
    EXPECT_EQ(cut.pixel(46, 1), qRgb(212, 208, 200));
    // A fill over everything leaves one operation.
    canvas.fillRect(fnPlaceRect(0, 0, 50, 40, TRect{}), Qt::white);
    EXPECT_EQ(canvas.fnOperationCount(), 1u);
}

} // namespace
