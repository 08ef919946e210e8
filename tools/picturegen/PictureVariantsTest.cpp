// Checks of the picture variants: every sheet's words have an English form,
// the English marking sheet differs from the Russian one only in the pieces
// that carry words (the page reads its display pixel for pixel), and a sheet
// drawn at twice the density is the same drawing with more detail, its crisp
// pixel work landing on exactly the device pixels of its pixels.
#include "Drawing.h"
#include "Sheets.h"
#include "StoreFiles.h"

#include "calculators/ColorMark/ColorMarkGeometry.h"

#include <QGuiApplication>
#include <QPolygon>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace picturegen;
using transformer::TTransCoreKind;
namespace markGeo = marking::geometry;

TEST(PictureWords, EverySheetWordHasAnEnglishFormWithoutCyrillicLetters)
{
    const struct {
        const char* sheet;
        std::function<QList<TWordPair>()> words;
    } sheets[] = {
        {"title picture", fnAboutWords},  {"transformer drawings", fnTransformerWords},
        {"coil sheet", fnInductionWords}, {"marking sheet", fnColorMarkWords},
        {"filter sheet", fnFilterWords},  {"formulas sheet", fnFormulasWords},
    };
    for (const auto& s : sheets) {
        const QList<TWordPair> words = s.words();
        EXPECT_FALSE(words.isEmpty()) << s.sheet;
        for (const TWordPair& w : words) {
            const QString russian = QString::fromUtf8(w.russian);
            const QString english = QString::fromUtf8(w.english);
            EXPECT_FALSE(russian.isEmpty()) << s.sheet;
            EXPECT_FALSE(english.isEmpty()) << s.sheet << ": " << w.russian;
            EXPECT_FALSE(fnHasCyrillic(english)) << s.sheet << ": " << w.russian << " -> " << w.english;
        }
    }
}

// A piece of a picture at 1x, cut from a drawing made at `scale`.
QImage fnPiece(const QImage& drawing, const QRect& piece, int scale)
{
    return drawing.copy(QRect(piece.topLeft() * scale, piece.size() * scale));
}

TEST(PictureLanguages, MarkingSheetChangesOnlyThePiecesThatCarryWords)
{
    const struct {
        const char* piece;
        QRect rect;
        bool words;
    } pieces[] = {
        {"display window", fnQRect(markGeo::WindowPiece), false},
        {"digit glyphs", fnQRect(markGeo::Glyphs.fnPiece(0)).united(fnQRect(markGeo::Glyphs.fnPiece(10))), false},
        {"decimal point", fnQRect(markGeo::PointPiece), false},
        {"chart swatches", fnQRect(markGeo::Swatches.fnPiece(1)).united(fnQRect(markGeo::Swatches.fnPiece(30))), false},
        {"band slices", fnQRect(markGeo::BandSlices.fnPiece(1)).united(fnQRect(markGeo::BandSlices.fnPiece(78))), false},
        {"banded body", fnQRect(markGeo::Bodies.fnPiece(markGeo::BodyBanded)), false},
        {"disc outline", fnQRect(markGeo::Bodies.fnPiece(markGeo::BodyDiscOutline)), false},
        {"unit 11 (none)", fnQRect(markGeo::Units.fnPiece(11)), false},
        {"tolerance ±20 %", fnQRect(markGeo::Tolerances.fnPiece(1)), false},
        {"tolerance +80 −20 %", fnQRect(markGeo::Tolerances.fnPiece(11)), false},
        {"unit Ом / Ω", fnQRect(markGeo::Units.fnPiece(1)), true},
        {"unit мкГн / µH", fnQRect(markGeo::Units.fnPiece(9)), true},
        {"tolerance ±0,25 пФ / pF", fnQRect(markGeo::Tolerances.fnPiece(16)), true},
        {"tolerance without a letter", fnQRect(markGeo::Tolerances.fnPiece(21)), true},
        {"extra band МП0 / NP0", fnQRect(markGeo::ExtraBands.fnPiece(1)), true},
        {"disc with its code and letter hints", fnQRect(markGeo::Bodies.fnPiece(markGeo::BodyDisc)), true},
        {"chip with its code hint", fnQRect(markGeo::Bodies.fnPiece(markGeo::BodyChip)), true},
    };
    for (int scale : {1, 2}) {
        const QImage russian = fnDrawColorMarkSheet({TLanguage::Russian, scale});
        const QImage english = fnDrawColorMarkSheet({TLanguage::English, scale});
        ASSERT_EQ(english.size(), russian.size());
        for (const auto& piece : pieces) {
            const bool same = fnPiece(russian, piece.rect, scale) == fnPiece(english, piece.rect, scale);
            EXPECT_EQ(same, !piece.words) << piece.piece << " at " << scale << "x";
        }
    }
}

// The picture at 1x with every pixel made a block of scale x scale.
QImage fnBlownUp(const QImage& once, int scale)
{
    return once.scaled(once.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

TEST(PictureDensity, CrispPixelWorkCoversExactlyTheDevicePixelsOfItsPixels)
{
    const QColor ink(20, 30, 60);
    const struct {
        const char* work;
        std::function<void(QPainter&)> draw;
    } cases[] = {
        {"field box with its frame outside", [](QPainter& p) { prFieldBox(p, QRect(6, 5, 20, 10), ink::kInputBack); }},
        {"horizontal pixel stroke",
         [&](QPainter& p) {
             prPixelStrokes(p);
             p.setPen(fnPixelPen(ink));
             p.drawLine(3, 7, 24, 7);
         }},
        {"vertical pixel stroke",
         [&](QPainter& p) {
             prPixelStrokes(p);
             p.setPen(fnPixelPen(ink));
             p.drawLine(9, 2, 9, 20);
         }},
        {"rectangle of pixel strokes",
         [&](QPainter& p) {
             prPixelStrokes(p);
             p.setPen(fnPixelPen(ink));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRect(4, 5, 17, 11));
         }},
        {"3 px track on the pixel grid",
         [&](QPainter& p) {
             prPixelStrokes(p);
             QPolygon track;
             track << QPoint(3, 4) << QPoint(26, 4) << QPoint(26, 18) << QPoint(8, 18) << QPoint(8, 9);
             p.setPen(QPen(ink, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
             p.drawPolyline(track);
         }},
        {"rule of pixel rows", [&](QPainter& p) { p.fillRect(QRect(2, 12, 25, 1), ink); }},
    };
    for (const auto& c : cases) {
        QImage at[2];
        for (int scale : {1, 2}) {
            at[scale - 1] = fnBlankPicture(30, 22, scale);
            QPainter p;
            prBeginPainter(p, at[scale - 1], scale);
            c.draw(p);
            p.end();
        }
        EXPECT_NE(at[0], fnBlankPicture(30, 22, 1)) << c.work << ": nothing drawn";
        EXPECT_EQ(at[1], fnBlownUp(at[0], 2)) << c.work;
    }
}

TEST(PictureDensity, EverySheetAtTwiceTheDensityIsTheSameDrawingWithMoreDetail)
{
    // A 2x picture averaged down differs from the 1x one by the hinting of
    // its letters and the shading of its edges: well under two levels on
    // average. A piece drawn a pixel off, or at the wrong scale, costs more.
    constexpr double kMostMeanDifference = 1.5;
    // Letters, slopes and curves are drawn anew: a blown-up picture has no
    // 2 x 2 block of more than one colour.
    constexpr double kLeastDetailedShare = 0.01;
    const struct {
        const char* sheet;
        std::function<QImage(const TVariant&)> draw;
    } sheets[] = {
        {"ImageAbout", fnDrawAbout},
        {"ImageTr01", [](const TVariant& v) { return fnDrawCoreSheet(TTransCoreKind::LamEI, v); }},
        {"ImageTr02", [](const TVariant& v) { return fnDrawCoreSheet(TTransCoreKind::LentEI, v); }},
        {"ImageTr03", [](const TVariant& v) { return fnDrawCoreSheet(TTransCoreKind::LamUI, v); }},
        {"ImageTr04", [](const TVariant& v) { return fnDrawCoreSheet(TTransCoreKind::LentUI, v); }},
        {"ImageTr05", [](const TVariant& v) { return fnDrawCoreSheet(TTransCoreKind::Toroid, v); }},
        {"ImageTr06", fnDrawInputPanel},
        {"ImageInduction", fnDrawInductionSheet},
        {"ImageColorMark", fnDrawColorMarkSheet},
        {"ImageFlt00", fnDrawFilterSheet},
        {"ImageFormulas00", fnDrawFormulasSheet},
    };
    for (const auto& s : sheets) {
        for (TLanguage language : {TLanguage::Russian, TLanguage::English}) {
            const char* lang = language == TLanguage::English ? "English" : "Russian";
            const QImage once = s.draw({language, 1});
            const QImage twice = s.draw({language, 2});
            ASSERT_EQ(twice.size(), once.size() * 2) << s.sheet << ", " << lang;
            const TDensityCheck check = fnCompareDensity(once, twice);
            EXPECT_GT(check.detailedBlockShare, kLeastDetailedShare) << s.sheet << ", " << lang;
            EXPECT_LT(check.meanDifference, kMostMeanDifference) << s.sheet << ", " << lang;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts need a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
