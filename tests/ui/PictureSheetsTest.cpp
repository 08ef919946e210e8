#include "common/PictureSheets.h"

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

} // namespace
