// The marking page driven as a user drives it: chart cells clicked with the
// mouse, codes typed into the focused fields, families switched; what the
// picture shows is compared pixel for pixel with the sheet's pieces.
#include "UiTestSupport.h"

#include "calculators/ColorMark/ColorMarkPage.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace marking;

namespace {

class ColorMarkPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        form->prMenuColorMarkClick();
        page = fnColorMarkPage(form->fnActivePageIndex());
        ASSERT_NE(page, nullptr);
    }

    const TRect& fnCell(int row, int band) const
    {
        return page->fnPlaces().cell[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)];
    }

    void prClickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(page->imagePanelResult, button, {}, QPoint(x, y));
    }
    void prClickCell(int row, int band, Qt::MouseButton button = Qt::LeftButton)
    {
        prClickAt(fnCell(row, band).Left + 7, fnCell(row, band).Top + 7, button);
    }

    static void prType(QLineEdit* edit, const QString& keys) { prTypeInto(edit, keys); }

    // Whether the picture shows, at `place`, exactly the sheet's `piece`.
    bool fnShows(const TRect& place, const TRect& piece) const
    {
        const QImage shown = page->imagePanelResult->grab().toImage().convertToFormat(QImage::Format_RGB888);
        const int w = piece.Right - piece.Left;
        const int h = piece.Bottom - piece.Top;
        return shown.copy(place.Left, place.Top, w, h)
               == page->bmpColorMark.copy(piece.Left, piece.Top, w, h).convertToFormat(QImage::Format_RGB888);
    }

    // The bands on the body are the chart rows of the code's characters.
    bool fnBodyShows(const std::string& code) const
    {
        for (int k = 1; k <= 6; ++k) {
            const int row = fnBandRow(code[static_cast<std::size_t>(k - 1)]);
            if (!fnShows(page->fnPlaces().band[static_cast<std::size_t>(k)],
                         page->fnPieces().bandSlice[static_cast<std::size_t>(k)][static_cast<std::size_t>(row)]))
                return false;
        }
        return true;
    }

    // The display window shows this model, piece by piece.
    bool fnDisplayShows(const TMarkDisplay& d) const
    {
        const TMarkPieces& pieces = page->fnPieces();
        const TMarkPlaces& places = page->fnPlaces();
        if (d.unit && !fnShows(places.unit, pieces.unit[static_cast<std::size_t>(d.unit)]))
            return false;
        if (d.tolerance && !fnShows(places.tolerance, pieces.tolerance[static_cast<std::size_t>(d.tolerance)]))
            return false;
        for (const TDisplayItem& item : fnDisplayItems(d)) {
            const TRect& piece = item.point ? pieces.point : pieces.glyph[static_cast<std::size_t>(item.glyph)];
            if (!fnShows(fnPlaceRect(item.x, item.y, 0, 0, piece), piece))
                return false;
        }
        return true;
    }

    std::unique_ptr<TMyFormMain> form;
    TMyColorMarkPage* page = nullptr;
};

TEST_F(ColorMarkPage, OpensWithAnEmptyResistor)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "ColorMark" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::MarkTab) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusMarkResistor));
    EXPECT_TRUE(page->rbMarkRes->isChecked());
    EXPECT_TRUE(page->editSMDres->isEnabled());
    EXPECT_FALSE(page->editCap102->isEnabled());
    EXPECT_FALSE(page->cbCap104M->isEnabled());
    EXPECT_EQ(page->cbCap104M->count(), 15);
    EXPECT_EQ(page->imagePanelResult->parentWidget(), page->PanelResult);
    EXPECT_EQ(page->imagePanelResult->pos(), QPoint(0, 0));
    for (const char* name : {"PanelSelectElement", "PanelResult", "imageSelectRes", "imagePanelResult", "btnClose",
                             "rbMarkRes", "rbMarkCap", "rbMarkDross", "editSMDres", "editCap102", "cbCap104M"})
        EXPECT_NE(page->fnTabSheet()->findChild<QWidget*>(name), nullptr) << name;

    // Bodies 1, 4 and 3; only "no band" chosen in bands 1-5; band 6 closed; an empty display.
    const TMarkPieces& pieces = page->fnPieces();
    const TMarkPlaces& places = page->fnPlaces();
    EXPECT_TRUE(fnShows(places.body[2], pieces.body[4]));
    EXPECT_TRUE(fnShows(places.body[3], pieces.body[3]));
    EXPECT_TRUE(fnBodyShows("FFFFFF"));
    for (int band = 1; band <= 5; ++band)
        EXPECT_TRUE(fnShows(fnCell(13, band), pieces.swatch[28])) << band;
    for (int row = 1; row <= 13; ++row)
        EXPECT_TRUE(fnShows(fnCell(row, 6), pieces.swatch[CellLocked])) << row;
    EXPECT_TRUE(fnShows(places.interior, pieces.interior));
}

TEST_F(ColorMarkPage, ChartClicksSetTheBands)
{
    // Brown, black, red, gold: 1,0 kOhm 5 %.
    prClickCell(4, 1);
    prClickCell(3, 2);
    prClickCell(5, 3);
    prClickCell(2, 4);
    EXPECT_EQ(page->fnData().CodeRes, "102BFF");
    EXPECT_TRUE(fnBodyShows("102BFF"));
    EXPECT_TRUE(fnDisplayShows(prDecodeRes("102BFF")));
    EXPECT_TRUE(fnShows(fnCell(4, 1), page->fnPieces().swatch[15 + 4]));

    // The right and bottom edges of a cell hit it; a point one past them does not.
    prClickAt(fnCell(6, 1).Right, fnCell(6, 1).Bottom);
    EXPECT_EQ(page->fnData().CodeRes[0], '3');
    prClickAt(fnCell(7, 1).Right + 1, fnCell(7, 1).Top + 3);
    EXPECT_EQ(page->fnData().CodeRes[0], '3');
    // A cell that cannot be chosen changes nothing; neither does the right button.
    prClickCell(3, 1);
    EXPECT_EQ(page->fnData().CodeRes[0], '3');
    prClickCell(8, 1, Qt::RightButton);
    EXPECT_EQ(page->fnData().CodeRes[0], '3');
    prClickAt(page->fnPlaces().reset.Left + 5, page->fnPlaces().reset.Top + 5, Qt::RightButton);
    EXPECT_EQ(page->fnData().CodeRes, "302BFF");

    // A fifth band makes black selectable as the third digit; the reset area empties the code.
    prClickCell(4, 5);
    EXPECT_EQ(page->fnData().CodeRes, "302B1F");
    prClickCell(3, 3);
    EXPECT_EQ(page->fnData().CodeRes, "300B1F");
    const TRect& reset = page->fnPlaces().reset;
    prClickAt(reset.Right, reset.Bottom);
    EXPECT_EQ(page->fnData().CodeRes, "FFFFFF");
    EXPECT_TRUE(fnShows(page->fnPlaces().interior, page->fnPieces().interior));
}

TEST_F(ColorMarkPage, FamiliesKeepTheirBands)
{
    prClickCell(7, 1);
    prClickCell(10, 2);
    page->rbMarkCap->click();
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusMarkCapacitor));
    EXPECT_TRUE(page->editCap102->isEnabled());
    EXPECT_TRUE(fnShows(page->fnPlaces().body[2], page->fnPieces().body[2]));
    EXPECT_TRUE(fnShows(page->fnPlaces().body[3], page->fnPieces().body[5]));
    EXPECT_TRUE(fnBodyShows("FFFFFF"));
    prClickCell(4, 1);
    page->rbMarkDross->click();
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusMarkInductor));
    EXPECT_TRUE(fnShows(page->fnPlaces().body[2], page->fnPieces().body[4]));
    page->rbMarkRes->click();
    EXPECT_EQ(page->fnData().CodeRes, "47FFFF");
    EXPECT_TRUE(fnBodyShows("47FFFF"));
    page->rbMarkCap->click();
    EXPECT_EQ(page->fnData().CodeCap, "1FFFFF");
}

TEST_F(ColorMarkPage, CapacitorCodeWhileItsFieldsHaveTheFocus)
{
    page->rbMarkCap->click();
    prType(page->editCap102, "104");
    EXPECT_EQ(page->fnData().CodeCap, "1040FF");
    EXPECT_TRUE(fnDisplayShows(prDecodeCapCode("104", '0').display));
    page->cbCap104M->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(page->cbCap104M, Qt::Key_Down); // "B"
    EXPECT_EQ(page->cbCap104M->currentIndex(), 1);
    EXPECT_EQ(page->fnData().CodeCap, "104BFF");
    EXPECT_TRUE(fnShows(page->fnPlaces().tolerance, page->fnPieces().tolerance[8]));

    // A chart click empties the code, resets the letter and drops the focus: colour bands again.
    prClickCell(4, 1);
    EXPECT_EQ(page->editCap102->text(), "");
    EXPECT_EQ(page->cbCap104M->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(page->fnData().CodeCap, "1FF0FF");
    EXPECT_TRUE(fnBodyShows("1FF0FF"));

    // The code field keeps a number of three characters.
    prType(page->editCap102, "0x47,55");
    EXPECT_EQ(page->editCap102->text(), "47,");

    // A code set by the program is shown as well.
    page->editCap102->setText("102");
    EXPECT_EQ(page->fnData().CodeCap, "1020FF");
    EXPECT_TRUE(fnDisplayShows(prDecodeCapCode("102", '0').display));
}

TEST_F(ColorMarkPage, SmdCodeTyped)
{
    prType(page->editSMDres, "4r7");
    EXPECT_EQ(page->editSMDres->text(), "4R7");
    EXPECT_EQ(page->editSMDres->cursorPosition(), 3);
    EXPECT_EQ(page->fnData().CodeRes, "47BBFF");
    EXPECT_TRUE(fnBodyShows("47BBFF"));
    EXPECT_TRUE(fnDisplayShows(prDecodeRes("47BBFF")));
    const struct {
        const char* keys;
        const char* shown;
    } cases[] = {{"12A3", "12A"}, {"12345", "1234"}, {"A12", "12"}, {"4RR", "4R"}, {"#47.r", "47R"}};
    for (const auto& c : cases) {
        prType(page->editSMDres, QString::fromUtf8(c.keys));
        EXPECT_EQ(page->editSMDres->text(), c.shown) << c.keys;
        EXPECT_LE(page->editSMDres->cursorPosition(), page->editSMDres->text().size()) << c.keys;
    }
    // A paste of anything at all (its first five characters) ends in a valid shape.
    const struct {
        const char* pasted;
        const char* shown;
        const char* code;
    } pastes[] = {{"x4r7yz", "4R7", "47BBFF"}, {"\u0430\u0431\u04320", "0", "FFFFFF"}, {"01c", "01C", "10021F"}};
    for (const auto& p : pastes) {
        page->editSMDres->setFocus(Qt::MouseFocusReason);
        page->editSMDres->selectAll();
        page->editSMDres->insert(QString::fromUtf8(p.pasted));
        EXPECT_EQ(page->editSMDres->text(), p.shown) << p.pasted;
        EXPECT_EQ(page->fnData().CodeRes, p.code) << p.pasted;
    }
}

// Ctrl+C copies what the page reads: the family, the bands (or the code being
// typed) and the display window's value, tolerance and temperature coefficient.
TEST_F(ColorMarkPage, CtrlCCopiesTheReading)
{
    const QString kind = fnText(TextId::MarkKindTitle) + ": ";
    const QString bands = fnText(TextId::MarkCopyBands) + ": ";
    const QString value = fnText(TextId::MarkCopyValue) + ": ";
    const QString tolerance = fnText(TextId::MarkCopyTolerance) + ": ";
    const struct {
        const char* what;
        std::function<void()> act;
        QStringList lines;
    } cases[] = {
        {"resistor bands",
         [&] {
             for (const auto& [row, band] : {std::pair{4, 1}, {3, 2}, {5, 3}, {2, 4}})
                 prClickCell(row, band);
         },
         {kind + fnText(TextId::MarkResistor),
          bands + fnText(TextId::MarkBrown) + ", " + fnText(TextId::MarkBlack) + ", " + fnText(TextId::MarkRed) + ", "
              + fnText(TextId::MarkGold),
          value + "1,0 " + fnText(TextId::UnitKOhm), tolerance + "±5 %"}},
        {"SMD code",
         [&] { prType(page->editSMDres, "01c"); },
         {kind + fnText(TextId::MarkResistor), fnText(TextId::MarkSmdResistor) + ": 01C",
          bands + fnText(TextId::MarkBrown) + ", " + fnText(TextId::MarkBlack) + ", " + fnText(TextId::MarkBlack) + ", "
              + fnText(TextId::MarkRed) + ", " + fnText(TextId::MarkBrown),
          value + "10,0 " + fnText(TextId::UnitKOhm), tolerance + "±1 %"}},
        {"capacitor bands with a temperature coefficient",
         [&] {
             page->rbMarkCap->click();
             for (const auto& [row, band] : {std::pair{7, 1}, {10, 2}, {4, 3}, {3, 4}, {10, 5}})
                 prClickCell(row, band);
         },
         {kind + fnText(TextId::MarkCapacitor),
          bands + fnText(TextId::MarkYellow) + ", " + fnText(TextId::MarkViolet) + ", " + fnText(TextId::MarkBrown)
              + ", " + fnText(TextId::MarkBlack) + ", " + fnText(TextId::MarkViolet),
          value + "470 " + fnText(TextId::UnitPF), tolerance + "±20 %",
          fnText(TextId::MarkCopyTempCoefficient) + ": " + fnText(TextId::MarkGroupNegative).arg(750)}},
        {"capacitor code and letter",
         [&] {
             page->rbMarkCap->click();
             prType(page->editCap102, "224");
             page->cbCap104M->setFocus(Qt::MouseFocusReason);
             page->cbCap104M->setCurrentIndex(page->cbCap104M->findText("Z"));
         },
         {kind + fnText(TextId::MarkCapacitor), fnText(TextId::MarkCopyCode) + ": 224 Z",
          value + "220 " + fnText(TextId::UnitNF), tolerance + "+80/−20 %"}},
        {"nothing chosen", [] {}, {kind + fnText(TextId::MarkResistor)}},
    };
    for (const auto& c : cases) {
        page->prResetMark();
        page->editSMDres->clear();
        page->rbMarkRes->click();
        c.act();
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().split('\n'), c.lines) << c.what;
    }
}

TEST_F(ColorMarkPage, HandCursorOverWhatCanBeClicked)
{
    const struct {
        int x, y;
        Qt::CursorShape shape;
    } points[] = {
        {fnCell(4, 1).Left + 5, fnCell(4, 1).Top + 5, Qt::PointingHandCursor},
        {fnCell(3, 1).Left + 5, fnCell(3, 1).Top + 5, Qt::ArrowCursor}, // black is no first digit
        {fnCell(1, 6).Left + 5, fnCell(1, 6).Top + 5, Qt::ArrowCursor}, // band 6 closed
        {page->fnPlaces().reset.Left, page->fnPlaces().reset.Top, Qt::PointingHandCursor},
        {10, 10, Qt::ArrowCursor},
    };
    for (const auto& p : points) {
        QTest::mouseMove(page->imagePanelResult, QPoint(p.x, p.y));
        page->prPanelResultOnMouseMove({}, p.x, p.y);
        EXPECT_EQ(page->imagePanelResult->cursor().shape(), p.shape) << p.x << "," << p.y;
    }
}

TEST_F(ColorMarkPage, TwoTabsAreIndependent)
{
    TMyColorMarkPage* first = page;
    prClickCell(4, 1);
    form->prMenuColorMarkClick();
    TMyColorMarkPage* second = fnColorMarkPage(form->fnActivePageIndex());
    ASSERT_NE(second, first);
    EXPECT_EQ(second->fnData().CodeRes, "FFFFFF");
    EXPECT_EQ(first->fnData().CodeRes, "1FFFFF");
}

} // namespace
