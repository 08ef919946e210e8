// The transformer page driven as a user drives it: the real main window, a
// page opened as the menu opens it, keys typed into focused fields and grid
// cells, radio buttons clicked, results read from the widgets.
#include "UiTestSupport.h"

#include "calculators/Transformer/TransformerPage.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>
#include <vector>

using namespace transformer;

namespace {

class TransformerPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        // The window took the system's separator; these cases are written for a comma system.
        prSetDecimalSeparator(',');
        page = fnOpen();
        ASSERT_NE(page, nullptr);
    }

    // What the menu's transformer entry does.
    TMyTrans* fnOpen()
    {
        form->prCreateNewPage();
        prCreateTransPage(*form);
        return fnTransPage(form->fnActivePageIndex());
    }

    QLineEdit* fnEdit(const char* name) const { return page->fnTabSheet()->findChild<QLineEdit*>(name); }

    void prEnter(QLineEdit* edit)
    {
        edit->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTableWidget* fnGrid() const { return page->sgTransOutput; }
    QString fnCell(int col, int row) const { return fnGrid()->item(row, col)->text(); }

    void prClickCell(int col, int row)
    {
        const QRect rect = fnGrid()->visualItemRect(fnGrid()->item(row, col));
        QTest::mouseClick(fnGrid()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Keys go wherever the focus is, as they do for a user: the grid opens
    // its cell editor on the first one and the rest go there.
    void prTypeIntoCell(int col, int row, const QString& keys)
    {
        prClickCell(col, row);
        for (QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }

    void prTypeCore(const std::map<const char*, QString>& values)
    {
        for (const auto& [name, text] : values)
            prTypeInto(fnEdit(name), text);
    }

    static bool fnMarked(const QLineEdit* edit)
    {
        return edit->font().bold() && edit->font().strikeOut()
               && edit->palette().color(QPalette::Text) == QColor(Qt::red);
    }

    std::unique_ptr<TMyFormMain> form;
    TMyTrans* page = nullptr;
};

const char* const CoreFields[] = {"editA", "editH", "editB", "editC", "editDmax", "editDmin"};
const char* const ResultFields[] = {"editSc", "editSw", "editPmax", "editPtr"};
const char* const InputFields[] = {"editVp", "editF", "editKPD", "editBi", "editJ", "editKc", "editKw"};

TEST_F(TransformerPage, OpensAsTheMenuOpensIt)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Trans" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::TransTab) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransOpened));
    EXPECT_TRUE(page->fnTabSheet()->isVisible());
    EXPECT_TRUE(page->rbSerdLamEI->isChecked());
    EXPECT_TRUE(page->rbTransSimple->isChecked());
    EXPECT_FALSE(page->rbTransAdv->isEnabled());

    // The first design ran before the defaults: the core fields and areas stay marked.
    const std::vector<std::pair<const char*, QString>> texts = {
        {"editA", "0"},   {"editH", "0"},     {"editB", "0"},     {"editC", "0"},       {"editSc", "0"},
        {"editSw", "0"},  {"editVp", "220"},  {"editF", "50"},    {"editKPD", "0,95"},  {"editBi", "1,2"},
        {"editJ", "4,2"}, {"editKc", "0,72"}, {"editKw", "0,28"}, {"editPmax", "0,00"}, {"editPtr", "0,00"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(fnEdit(name)->text(), text) << name;
    for (const char* name : {"editA", "editH", "editB", "editC", "editSc", "editSw"})
        EXPECT_TRUE(fnMarked(fnEdit(name))) << name;
    for (const char* name : InputFields)
        EXPECT_FALSE(fnMarked(fnEdit(name))) << name;

    for (int row = 1; row < 7; ++row)
        for (int col = 1; col < 6; ++col)
            EXPECT_EQ(fnCell(col, row), "0,00") << col << ',' << row;
    for (int col = 0; col < 6; ++col) // 619..624
        EXPECT_EQ(fnCell(col, 0), fnText(TextId::TransGridWinding + col));
    for (int row = 1; row < 7; ++row) // 625..630
        EXPECT_EQ(fnCell(0, row), fnText(TextId::TransGridPrimary + row - 1));
    EXPECT_EQ(fnTransPage(0), nullptr); // the help page is not a transformer page
}

TEST_F(TransformerPage, FieldsAsDrawnAndTyped)
{
    for (const char* name : CoreFields) {
        QLineEdit* edit = fnEdit(name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->parentWidget(), page->PanelCoreShape) << name;
        EXPECT_FALSE(edit->hasFrame()) << name;
        EXPECT_EQ(edit->size(), QSize(20, 14)) << name;
        EXPECT_EQ(edit->maxLength(), 3) << name;
        EXPECT_FALSE(edit->isReadOnly()) << name;
    }
    for (const char* name : ResultFields) {
        QLineEdit* edit = fnEdit(name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->size(), QSize(30, 14)) << name;
        EXPECT_TRUE(edit->isReadOnly()) << name;
        EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus) << name;
        EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(239, 237, 209)) << name;
        EXPECT_GE(edit->maxLength(), 1000) << name; // a long result is never cut
    }
    int top = 0;
    const int tops[] = {23, 45, 66, 87, 108, 129, 150};
    for (const char* name : InputFields) {
        QLineEdit* edit = fnEdit(name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_EQ(edit->parentWidget(), page->PanelTransInput) << name;
        EXPECT_EQ(edit->geometry(), QRect(49, tops[top++], 30, 14)) << name;
        EXPECT_EQ(edit->maxLength(), 5) << name;
        EXPECT_FALSE(edit->toolTip().isEmpty()) << name;
        EXPECT_EQ(edit->accessibleName(), edit->toolTip()) << name;
    }
}

TEST_F(TransformerPage, Geometry)
{
    const std::vector<std::pair<QWidget*, QRect>> places = {
        {page->PanelTrans, {10, 10, 180, page->rbTransAdv->y() + page->rbTransAdv->height() + 4}},
        {page->PanelSerd,
         {10, page->PanelTrans->geometry().bottom() + 1 + 4, 180, page->rbSerdO->y() + page->rbSerdO->height() + 4}},
        {page->PanelTransInput, {10, page->PanelSerd->geometry().bottom() + 1 + 4, 180, 220}},
        {page->imageTransInput, {0, 0, 180, 220}},
        {page->PanelCoreShape, {198, 10, 560, 220}},
        {page->imageTrans, {0, 0, 560, 220}},
        {page->PanelTransOutput, {198, 234, 560, page->sgTransOutput->height() + 8}},
        {page->sgTransOutput, {4, 4, 552, page->sgTransOutput->height()}},
    };
    for (const auto& [widget, rect] : places)
        EXPECT_EQ(widget->geometry(), rect) << widget->objectName().toStdString();

    // Radio buttons stacked 4 pixels apart, 20 narrower than their panel.
    const QRadioButton* kinds[] = {page->rbSerdLamEI, page->rbSerdLentEI, page->rbSerdLamUI, page->rbSerdLentUI,
                                   page->rbSerdO};
    int top = 4;
    for (const QRadioButton* radio : kinds) {
        EXPECT_EQ(radio->x(), 4);
        EXPECT_EQ(radio->y(), top);
        EXPECT_EQ(radio->width(), 160);
        top = radio->y() + radio->height() + 4;
    }
    EXPECT_EQ(page->rbTransAdv->y(), page->rbTransSimple->y() + page->rbTransSimple->height() + 4);

    EXPECT_EQ(page->btnCalc->pos(), QPoint(10, page->PanelTransInput->geometry().bottom() + 1 + 8));
    EXPECT_EQ(page->btnClose->pos(), QPoint(10, page->btnCalc->geometry().bottom() + 1 + 8));
    // Everything fits on the tab.
    EXPECT_LE(page->btnClose->geometry().bottom(), page->fnTabSheet()->height());
    EXPECT_LE(page->PanelTransOutput->geometry().bottom(), page->fnTabSheet()->height());
    EXPECT_LE(page->PanelCoreShape->geometry().right(), page->fnTabSheet()->width());

    // Labels on the input panel.
    const int labelTop = 176;
    EXPECT_EQ(page->labelListThickness->pos(), QPoint(8, labelTop));
    EXPECT_EQ(page->comboThickness->geometry().topLeft(),
              QPoint(8, page->labelListThickness->geometry().bottom() + 1 + 4));
    EXPECT_EQ(page->comboThickness->width(), 60);
    EXPECT_LE(page->comboThickness->geometry().bottom(), 219);
    const std::pair<QLabel*, QLineEdit*> units[] = {{page->labelVolt, page->editVp},
                                                    {page->labelHertz, page->editF},
                                                    {page->labelTesla, page->editBi},
                                                    {page->labelAmm2, page->editJ}};
    for (const auto& [label, edit] : units) {
        EXPECT_EQ(label->pos(), QPoint(83, edit->y())) << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), 179) << label->objectName().toStdString();
    }
    const int titleWidth = page->labelInputParam->fontMetrics().horizontalAdvance(page->labelInputParam->text());
    EXPECT_NEAR(page->labelInputParam->x(), (180 - titleWidth) / 2.0, 0.5);
    EXPECT_EQ(page->labelInputParam->y(), 4);
}

TEST_F(TransformerPage, GridShape)
{
    QTableWidget* grid = fnGrid();
    EXPECT_EQ(grid->rowCount(), 7);
    EXPECT_EQ(grid->columnCount(), 6);
    EXPECT_FALSE(grid->horizontalHeader()->isVisible());
    EXPECT_FALSE(grid->verticalHeader()->isVisible());
    EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(grid->showGrid());

    // Columns 1-5 share one width that holds the widest heading; all six fill the grid exactly.
    int widest = 0;
    for (int col = 1; col < 6; ++col)
        widest = std::max(widest, grid->fontMetrics().horizontalAdvance(fnCell(col, 0)));
    int total = 0;
    for (int col = 0; col < 6; ++col) {
        total += grid->columnWidth(col);
        if (col > 0) {
            EXPECT_EQ(grid->columnWidth(col), grid->columnWidth(1));
        }
    }
    EXPECT_GE(grid->columnWidth(1), widest + 8);
    EXPECT_EQ(total, grid->viewport()->width());
    int rows = 0;
    for (int row = 0; row < 7; ++row)
        rows += grid->rowHeight(row);
    EXPECT_EQ(rows, grid->viewport()->height());
    for (int row = 0; row < 7; ++row)
        EXPECT_GE(grid->rowHeight(row), grid->fontMetrics().height() + 2);

    // Only the secondaries' voltages and currents are open to the user.
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 6; ++col) {
            const bool open = row >= 2 && (col == 1 || col == 2);
            EXPECT_EQ(bool(grid->item(row, col)->flags() & Qt::ItemIsEditable), open) << col << ',' << row;
        }
}

TEST_F(TransformerPage, DesignTypedByTheUser)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    // Entering a marked field cleared its mark.
    for (const char* name : {"editA", "editH", "editB", "editC"})
        EXPECT_FALSE(fnMarked(fnEdit(name))) << name;
    EXPECT_TRUE(fnMarked(fnEdit("editSc")));

    prEnter(fnEdit("editC"));
    EXPECT_EQ(fnEdit("editSc")->text(), "6,00");
    EXPECT_EQ(fnEdit("editSw")->text(), "3,00");
    EXPECT_EQ(fnEdit("editPmax")->text(), "19,1");
    EXPECT_FALSE(fnMarked(fnEdit("editSc")));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransCorePower));

    prTypeIntoCell(1, 2, "12");
    prTypeIntoCell(2, 2, "1");
    EXPECT_EQ(fnCell(1, 2), "12");
    EXPECT_EQ(fnCell(2, 2), "1");
    // Enter in editJ recalculates the whole page.
    prEnter(fnEdit("editJ"));
    EXPECT_EQ(fnEdit("editPtr")->text(), "12,0");
    EXPECT_EQ(fnCell(1, 2), "12,0");
    EXPECT_EQ(fnCell(2, 2), "1,00");
    const std::vector<std::pair<std::pair<int, int>, QString>> cells = {
        {{1, 1}, "220"},  {{2, 1}, "0,06"}, {{3, 1}, "1816"}, {{4, 1}, "0,01"}, {{5, 1}, "0,11"},
        {{3, 2}, "99,1"}, {{4, 2}, "0,24"}, {{5, 2}, "0,55"}, {{3, 3}, "0,00"},
    };
    for (const auto& [cell, text] : cells)
        EXPECT_EQ(fnCell(cell.first, cell.second), text) << cell.first << ',' << cell.second;
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransDone));

    // Twice the current: the core is too small, the load is marked, nothing is wound.
    prTypeIntoCell(2, 2, "2");
    QTest::mouseClick(page->btnCalc, Qt::LeftButton);
    EXPECT_TRUE(fnMarked(fnEdit("editPtr")));
    EXPECT_EQ(fnEdit("editPtr")->text(), "24");
    for (int row = 1; row < 7; ++row)
        for (int col = 3; col < 6; ++col)
            EXPECT_EQ(fnCell(col, row), "0,00") << col << ',' << row;
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransCoreTooSmall));

    // Back to 1 A: the mark goes, the design is complete again.
    prTypeIntoCell(2, 2, "1");
    QTest::mouseClick(page->btnCalc, Qt::LeftButton);
    EXPECT_FALSE(fnMarked(fnEdit("editPtr")));
    EXPECT_EQ(fnCell(3, 2), "99,1");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransDone));
}

// Enter in a cell stores it and recalculates the page, as the status text
// promises; Escape leaves the page as it was.
TEST_F(TransformerPage, EnterInAGridCellRecalculates)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    prEnter(fnEdit("editC"));
    const QString before = fnEdit("editPtr")->text();
    prTypeIntoCell(1, 2, "12"); // typed, then Enter
    prTypeIntoCell(2, 2, "1");
    QApplication::processEvents();
    EXPECT_EQ(fnEdit("editPtr")->text(), "12,0") << before.toStdString();
    EXPECT_EQ(fnCell(1, 2), "12,0");
    EXPECT_EQ(fnCell(3, 2), "99,1");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransDone));

    // Enter on a picked cell without its editor open recalculates too.
    fnEdit("editJ")->setText("3");
    prClickCell(1, 2);
    QTest::keyClick(fnGrid(), Qt::Key_Escape);
    fnGrid()->setFocus();
    QTest::keyClick(fnGrid(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(fnCell(5, 2), "0,65"); // 1 A at 3 A/mm2 instead of 4,2
}

// Every winding's wire diameter points to the wire to buy: the IEC 60317
// size and the AWG gauge, with the current density each gives.
TEST_F(TransformerPage, WireDiameterNamesTheWireToBuy)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    prTypeIntoCell(1, 2, "12");
    prTypeIntoCell(2, 2, "1");
    QApplication::processEvents();
    ASSERT_EQ(fnCell(5, 2), "0,55");
    const QString tip = fnGrid()->item(2, 5)->toolTip();
    EXPECT_TRUE(tip.contains(fnText(TextId::TransWireIec).arg("0,560", "4,06"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(fnText(TextId::TransWireAwg).arg("23", "0,573", "3,87"))) << tip.toStdString();
    EXPECT_FALSE(fnGrid()->item(1, 5)->toolTip().isEmpty()); // the primary's too
    EXPECT_TRUE(fnGrid()->item(4, 5)->toolTip().isEmpty());  // no third secondary, no wire
}

// Ctrl+C copies the tab: the core kind, every field with a value, and a line
// per winding with what its cells hold.
TEST_F(TransformerPage, CopiesTheTabAsText)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    prTypeIntoCell(1, 2, "12");
    prTypeIntoCell(2, 2, "1");
    QApplication::processEvents();
    fnEdit("editA")->setFocus();
    QTest::keyClick(fnEdit("editA"), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], fnText(TextId::TransSimple));
    EXPECT_EQ(lines[1], fnText(TextId::TransLamEI));
    EXPECT_TRUE(lines.contains(fnText(TextId::TransHintVp) + ": 220")) << lines.join(" | ").toStdString();
    const QString secondary = fnText(TextId::TransGridSecondary1) + ": " + fnText(TextId::TransGridVoltage) + " = 12,0";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(secondary); }))
        << lines.join(" | ").toStdString();
}

TEST_F(TransformerPage, TypingKeepsFieldsNumbers)
{
    struct TTyping {
        const char* field;
        const char* keys;
        const char* shown;
    };
    const TTyping typings[] = {
        {"editA", "1x", "1"}, {"editA", "1234", "123"},  {"editA", ",5", "0,5"},  {"editH", "07", "7"},
        {"editB", "-", ""},   {"editVp", "2,2,", "2,2"}, {"editJ", "4.2", "4,2"}, {"editKw", "123456", "12345"},
    };
    for (const auto& t : typings) {
        QLineEdit* edit = fnEdit(t.field);
        edit->clear();
        prTypeInto(edit, t.keys);
        EXPECT_EQ(edit->text(), t.shown) << t.field << " typed " << t.keys;
    }
}

TEST_F(TransformerPage, GridCellsRefuseWhatIsNotANumber)
{
    prTypeIntoCell(1, 3, "1x");
    EXPECT_EQ(fnCell(1, 3), "1");
    prTypeIntoCell(2, 3, "0,5,");
    EXPECT_EQ(fnCell(2, 3), "0,5");
    prTypeIntoCell(1, 4, "a");
    EXPECT_TRUE(fnCell(1, 4).isEmpty() || fnIsNumberText(fnCell(1, 4).toStdU16String()));

    // Headings and computed cells take no typing, and trying one stops typing
    // into the cell selected before it.
    const std::pair<int, int> closed[] = {{0, 0}, {1, 0}, {0, 2}, {3, 2}, {4, 3}, {5, 6}, {1, 1}, {2, 1}};
    for (const auto& [col, row] : closed) {
        prClickCell(1, 6);
        const QString before = fnCell(col, row);
        const QString selectedBefore = fnCell(1, 6);
        prClickCell(col, row);
        QTest::keyClick(QApplication::focusWidget(), '5');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), '7');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(fnCell(col, row), before) << col << ',' << row;
        EXPECT_EQ(fnCell(1, 6), selectedBefore) << col << ',' << row;
        EXPECT_FALSE(fnGrid()->currentIndex() == fnGrid()->model()->index(row, col)) << col << ',' << row;
    }
    // Picking an open cell again lets the user type.
    prTypeIntoCell(1, 6, "3");
    EXPECT_EQ(fnCell(1, 6), "3");

    // A paste that is not a number is cut back to the number it starts with.
    page->prTransOutputSetEditText(1, 5, "12abc");
    EXPECT_EQ(fnCell(1, 5), "12");
    page->prTransOutputSetEditText(2, 5, "abc");
    EXPECT_EQ(fnCell(2, 5), "0");
    page->prTransOutputSetEditText(3, 5, "9"); // a turns cell is the program's
    EXPECT_EQ(fnCell(3, 5), "0,00");
}

TEST_F(TransformerPage, LeavingTheGridDropsTheSelection)
{
    prClickCell(1, 2);
    EXPECT_EQ(fnGrid()->selectedItems().size(), 1);
    fnEdit("editA")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(fnGrid()->selectedItems().isEmpty());
    EXPECT_FALSE(fnGrid()->currentIndex().isValid());

    // Leaving from an open cell editor: the typed value is kept, the selection goes.
    prClickCell(2, 4);
    QTest::keyClick(QApplication::focusWidget(), '7');
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    QTest::mouseClick(fnEdit("editH"), Qt::LeftButton);
    EXPECT_TRUE(fnEdit("editH")->hasFocus());
    EXPECT_EQ(fnCell(2, 4), "7");
    EXPECT_TRUE(fnGrid()->selectedItems().isEmpty());
}

struct TKindCase {
    const char* radio;
    TTransCoreKind kind;
    std::map<std::string, QPoint> places; // shown fields; the others are hidden
    std::uint32_t labelText;
    std::vector<QString> thickness;
    const char* kc;
};

void PrintTo(const TKindCase& c, std::ostream* os) { *os << c.radio; }

class TransformerKinds : public TransformerPage, public ::testing::WithParamInterface<TKindCase> {};

TEST_P(TransformerKinds, FieldsListAndKc)
{
    const TKindCase& c = GetParam();
    // Start from another kind so every switch really moves the fields.
    QTest::mouseClick(c.kind == TTransCoreKind::Toroid ? page->rbSerdLamUI : page->rbSerdO, Qt::LeftButton);
    auto* radio = page->fnTabSheet()->findChild<QRadioButton*>(c.radio);
    ASSERT_NE(radio, nullptr);
    QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_TRUE(radio->isChecked());
    EXPECT_EQ(page->fnCoreKind(), c.kind);

    for (const char* name :
         {"editA", "editH", "editB", "editC", "editDmax", "editDmin", "editSc", "editSw", "editPmax", "editPtr"}) {
        QLineEdit* edit = fnEdit(name);
        const auto found = c.places.find(name);
        if (found == c.places.end()) {
            EXPECT_FALSE(edit->isVisible()) << name;
        } else {
            EXPECT_TRUE(edit->isVisible()) << name;
            EXPECT_EQ(edit->pos(), found->second) << name;
            EXPECT_LE(edit->geometry().right(), 559) << name;
            EXPECT_LE(edit->geometry().bottom(), 219) << name;
        }
    }
    EXPECT_EQ(page->labelListThickness->text(), fnText(c.labelText));
    ASSERT_EQ(page->comboThickness->count(), static_cast<int>(c.thickness.size()));
    for (int i = 0; i < page->comboThickness->count(); ++i)
        EXPECT_EQ(page->comboThickness->itemText(i), c.thickness[static_cast<std::size_t>(i)]);
    EXPECT_EQ(page->comboThickness->currentIndex(), 0);
    EXPECT_EQ(fnEdit("editKc")->text(), c.kc);
    EXPECT_FALSE(page->imageTrans->fnRendered().isNull());
}

const std::vector<QString> LamList = {"0.1", "0.2", "0.35"};
const std::vector<QString> TapeList = {"0.08", "0.15", "0.2", "0.35"};
const std::map<std::string, QPoint> EIPlaces = {{"editA", {189, 200}},    {"editH", {293, 188}},  {"editB", {38, 104}},
                                                {"editC", {130, 200}},    {"editSc", {467, 20}},  {"editSw", {467, 56}},
                                                {"editPmax", {427, 145}}, {"editPtr", {427, 181}}};
const std::map<std::string, QPoint> UIPlaces = {{"editA", {223, 200}},    {"editH", {289, 191}},  {"editB", {67, 97}},
                                                {"editC", {164, 200}},    {"editSc", {467, 20}},  {"editSw", {467, 56}},
                                                {"editPmax", {427, 145}}, {"editPtr", {427, 181}}};

INSTANTIATE_TEST_SUITE_P(
    Cores, TransformerKinds,
    ::testing::Values(
        TKindCase{"rbSerdLamEI", TTransCoreKind::LamEI, EIPlaces, TextId::TransLamThickness, LamList, "0,72"},
        TKindCase{"rbSerdLentEI", TTransCoreKind::LentEI, EIPlaces, TextId::TransTapeThickness, TapeList, "0,87"},
        TKindCase{"rbSerdLamUI", TTransCoreKind::LamUI, UIPlaces, TextId::TransLamThickness, LamList, "0,72"},
        TKindCase{"rbSerdLentUI", TTransCoreKind::LentUI, UIPlaces, TextId::TransTapeThickness, TapeList, "0,87"},
        TKindCase{"rbSerdO",
                  TTransCoreKind::Toroid,
                  {{"editH", {310, 125}},
                   {"editDmax", {160, 42}},
                   {"editDmin", {59, 155}},
                   {"editSc", {476, 20}},
                   {"editSw", {476, 56}},
                   {"editPmax", {427, 145}},
                   {"editPtr", {427, 181}}},
                  TextId::TransTapeThickness,
                  {"0.08", "0.1", "0.15", "0.2", "0.35"},
                  "0,85"}),
    [](const auto& info) { return std::string(info.param.radio); });

TEST_F(TransformerPage, ToroidDesign)
{
    QTest::mouseClick(page->rbSerdO, Qt::LeftButton);
    prTypeCore({{"editH", "20"}, {"editDmax", "60"}, {"editDmin", "20"}});
    prTypeIntoCell(1, 2, "12");
    prTypeIntoCell(2, 2, "1");
    prEnter(fnEdit("editDmin"));
    EXPECT_EQ(fnEdit("editSc")->text(), "4,00");
    EXPECT_EQ(fnEdit("editSw")->text(), "3,14");
    EXPECT_EQ(fnEdit("editPmax")->text(), "15,7");
    EXPECT_EQ(fnCell(3, 1), "2307");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransDone));

    // Inner diameter above the outer: both marked, no areas.
    prTypeInto(fnEdit("editDmin"), "70");
    prEnter(fnEdit("editDmin"));
    EXPECT_TRUE(fnMarked(fnEdit("editDmax")));
    EXPECT_TRUE(fnMarked(fnEdit("editDmin")));
    EXPECT_EQ(fnQTextToFloat(fnEdit("editSc")->text()), 0);
    EXPECT_EQ(fnQTextToFloat(fnEdit("editSw")->text()), 0);
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransNoCore));
}

TEST_F(TransformerPage, ThicknessSetsKcWithoutRecalculating)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    prEnter(fnEdit("editA"));
    ASSERT_EQ(fnEdit("editPmax")->text(), "19,1");
    const QString status = form->fnStatusText();

    page->comboThickness->setFocus();
    QTest::keyClick(page->comboThickness, Qt::Key_Down);
    QTest::keyClick(page->comboThickness, Qt::Key_Down);
    ASSERT_EQ(page->comboThickness->currentText(), "0.35");
    EXPECT_EQ(fnEdit("editKc")->text(), "0,92");
    EXPECT_EQ(fnEdit("editPmax")->text(), "19,1");
    EXPECT_EQ(form->fnStatusText(), status);

    QTest::mouseClick(page->btnCalc, Qt::LeftButton);
    EXPECT_EQ(fnEdit("editPmax")->text(), "24,4"); // 19,11 * 0.92 / 0.72
}

TEST_F(TransformerPage, BadElectricalInputIsMarkedUntilEntered)
{
    prTypeCore({{"editA", "20"}, {"editH", "30"}, {"editB", "10"}, {"editC", "30"}});
    fnEdit("editF")->clear();
    prEnter(fnEdit("editA"));
    QLineEdit* f = fnEdit("editF");
    EXPECT_TRUE(fnMarked(f));
    EXPECT_EQ(f->text(), "0");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusTransIncomplete));
    f->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(fnMarked(f));
    EXPECT_FALSE(f->font().bold());
}

TEST_F(TransformerPage, PagesAreIndependentAndCloseHidesTheTab)
{
    TMyTrans* first = page;
    const int firstIndex = form->fnActivePageIndex();
    prTypeInto(fnEdit("editA"), "20");

    TMyTrans* second = fnOpen();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    const int secondIndex = form->fnActivePageIndex();
    EXPECT_EQ(secondIndex, firstIndex + 1);
    EXPECT_EQ(fnTransPage(firstIndex), first);
    EXPECT_EQ(second->objectName(), "Trans" + QString::number(secondIndex));
    EXPECT_EQ(second->editA->text(), "0");
    EXPECT_EQ(first->editA->text(), "20");

    QTest::mouseClick(second->btnClose, Qt::LeftButton);
    EXPECT_FALSE(form->fnPageControl()->isTabVisible(secondIndex));
    EXPECT_EQ(fnTransPage(secondIndex), second); // closing only hides
}

} // namespace
