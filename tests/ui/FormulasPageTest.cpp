// The formulas page driven as a user drives it: sections clicked, formulas
// picked in the list with the arrow keys, values typed into focused fields;
// every formula's fields as its table lays them out.
#include "UiTestSupport.h"

#include "calculators/Formulas/FormulasPage.h"
#include "common/core/Numbers.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

class FormulasPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        form->prMenuFormulasClick();
        page = fnFormulasPage(form->fnActivePageIndex());
        ASSERT_NE(page, nullptr);
    }

    TFormulasPageData& fnData() { return page->fnData(); }
    QLineEdit* fnEdit(int slot) { return fnData().editFormula[static_cast<std::size_t>(slot - 1)]; }
    QComboBox* fnCombo(int slot) { return fnData().comboFormula[static_cast<std::size_t>(slot - 1)]; }
    QLabel* fnResult(int label) { return fnData().labelResult[static_cast<std::size_t>(label - 1)]; }

    void prType(int slot, const QString& keys) { prTypeInto(fnEdit(slot), keys); }

    // Picks list entry `row` of a section with the keyboard, as a user can.
    void prPick(QRadioButton* section, int row)
    {
        QTest::mouseClick(section, Qt::LeftButton, {}, QPoint(6, section->height() / 2));
        QListWidget* list = fnData().listFormulas;
        list->setFocus(Qt::MouseFocusReason);
        for (int k = 0; k < row; ++k)
            QTest::keyClick(list, Qt::Key_Down);
    }

    static QString fnIs(const char* number, std::uint32_t unit)
    {
        return " = " + QString::fromUtf8(number) + " " + fnText(unit);
    }

    std::unique_ptr<TMyFormMain> form;
    TMyFormulasPage* page = nullptr;
};

TEST_F(FormulasPage, OpensOnTheResonance)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Formulas" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::FormulasTab) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusFormulas));
    EXPECT_TRUE(page->rbRadioF->isChecked());
    EXPECT_EQ(fnData().listFormulas->count(), 3);
    EXPECT_EQ(fnData().listFormulas->currentRow(), 0);
    EXPECT_EQ(page->fnCurrentFormula(), 101);
    EXPECT_EQ(fnData().labelHeadingFormula->text(), fnText(TextId::FormulaResonance));
    for (int slot = 1; slot <= 9; ++slot) {
        EXPECT_EQ(fnEdit(slot)->parentWidget(), page->PanelFormulas);
        EXPECT_EQ(fnEdit(slot)->isVisible(), slot <= 3) << slot;
        EXPECT_EQ(fnEdit(slot)->text(), "0") << slot;
    }
    EXPECT_EQ(fnEdit(1)->pos(), QPoint(320, 90));
    EXPECT_EQ(fnEdit(2)->pos(), QPoint(320, 120));
    EXPECT_EQ(fnCombo(1)->pos(), QPoint(368, 90));
    EXPECT_EQ(fnCombo(1)->currentText(), fnText(TextId::UnitKHz));
    EXPECT_EQ(fnResult(1)->text(), "");
    for (const char* name : {"PanelSelectRazdel", "PanelSelectFormulas", "PanelFormulas", "imageFormulas", "btnClose",
                             "labelTitleRazdel", "labelTitleFormulas", "labelHeadingFormula", "listFormulas"})
        EXPECT_NE(page->fnTabSheet()->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(FormulasPage, ResonanceSolvesTheOneLeftAtZero)
{
    prType(1, "1");
    EXPECT_EQ(fnResult(1)->text(), ""); // one value alone
    prType(2, "1000");
    EXPECT_EQ(fnResult(1)->text(), fnIs("25,330", TextId::UnitMH));
    // The result stands beside L's unit list.
    EXPECT_EQ(fnResult(1)->x(), fnCombo(3)->x() + fnCombo(3)->width() + 8);
    EXPECT_NEAR(fnResult(1)->y() + fnResult(1)->height() / 2.0, fnCombo(3)->y() + fnCombo(3)->height() / 2.0, 1);
    // All three typed: F, the least recently typed, is made the unknown again.
    prType(3, "1");
    EXPECT_EQ(fnEdit(1)->text(), "0");
    EXPECT_EQ(fnResult(1)->text(), fnIs("159,15", TextId::UnitKHz));
    EXPECT_EQ(fnResult(1)->x(), fnCombo(1)->x() + fnCombo(1)->width() + 8);
    // A unit change keeps the givens.
    fnCombo(3)->setCurrentIndex(1); // mH
    EXPECT_EQ(fnResult(1)->text(), fnIs("5,0329", TextId::UnitKHz));
}

TEST_F(FormulasPage, WaveVelocityChoices)
{
    prPick(page->rbRadioF, 1);
    EXPECT_EQ(page->fnCurrentFormula(), 102);
    EXPECT_EQ(fnEdit(1)->text(), "300000");
    EXPECT_FALSE(fnEdit(1)->isEnabled());
    EXPECT_EQ(fnCombo(1)->currentText(), fnText(TextId::UnitKmPerS));
    EXPECT_TRUE(fnData().rbChoice[0]->isChecked());
    prType(2, "1");
    EXPECT_EQ(fnResult(4)->text(), QString::fromUtf8("300,00 ") + fnText(TextId::UnitMHz));
    EXPECT_EQ(fnResult(2)->text(), QString::fromUtf8("250,00 ") + fnText(TextId::UnitMm));
    // Typing T clears lambda and f: they are shown in the labels, not in the fields.
    prType(3, "2");
    EXPECT_EQ(fnEdit(2)->text(), "0");
    EXPECT_EQ(fnEdit(4)->text(), "0");
    QTest::mouseClick(fnData().rbChoice[1], Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(fnEdit(1)->text(), "343");
    EXPECT_EQ(fnResult(1)->text(), QString::fromUtf8("686,00 ") + fnText(TextId::UnitM));
    QTest::mouseClick(fnData().rbChoice[2], Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(fnEdit(1)->isEnabled());
    EXPECT_TRUE(fnCombo(1)->isEnabled());
    prType(1, "100");
    EXPECT_EQ(fnResult(1)->text(), QString::fromUtf8("200,00 ") + fnText(TextId::UnitM));
}

TEST_F(FormulasPage, SwitchingFormulasClearsEverything)
{
    prType(1, "1");
    prType(2, "1000");
    prPick(page->rbRadioF, 2);
    EXPECT_EQ(page->fnCurrentFormula(), 103);
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_EQ(fnEdit(slot)->text(), "0") << slot;
    EXPECT_EQ(fnData().GivenOrder[0], 0);
    EXPECT_FALSE(fnCombo(1)->isVisible()); // the quality factor has no unit
    EXPECT_FALSE(fnCombo(4)->isEnabled());
    EXPECT_EQ(fnResult(1)->text(), "");

    prPick(page->rbFizicaF, 0);
    EXPECT_EQ(fnData().listFormulas->count(), 1);
    EXPECT_EQ(page->fnCurrentFormula(), 301);
    EXPECT_EQ(fnCombo(4)->currentText(), fnText(TextId::UnitKg)); // kilograms first
    prType(2, "5");
    prType(3, "10");
    prType(4, "2");
    EXPECT_EQ(fnResult(1)->text(), fnIs("10,096", TextId::UnitM));
    EXPECT_EQ(fnResult(2)->text(), fnIs("100,00", TextId::UnitJ));
    EXPECT_EQ(fnResult(2)->x(), fnCombo(5)->x() + fnCombo(5)->width() + 8);
}

TEST_F(FormulasPage, GroupsInSeriesAndParallel)
{
    prPick(page->rbElectroF, 2);
    EXPECT_EQ(page->fnCurrentFormula(), 203);
    for (int slot = 1; slot <= 8; ++slot)
        EXPECT_TRUE(fnEdit(slot)->isVisible()) << slot;
    EXPECT_EQ(fnEdit(5)->pos(), QPoint(fnCombo(1)->x() + 52 + 42, 40));
    prType(1, "1");
    prType(2, "1");
    EXPECT_EQ(fnResult(1)->text(), QString::fromUtf8("2,0000 ") + fnText(TextId::UnitNF));
    EXPECT_EQ(fnResult(2)->text(), QString::fromUtf8("500,00 ") + fnText(TextId::UnitPF));
    EXPECT_EQ(fnResult(1)->pos(), QPoint(168, 162));
    EXPECT_EQ(fnResult(2)->pos(), QPoint(168, 49));
}

// The series list rounds a computed part and keeps the exact value in its
// tooltip; Ctrl+C copies the formula, its fields and its results.
TEST_F(FormulasPage, StandardPartsAndTheTabsCopy)
{
    auto* series = page->fnTabSheet()->findChild<QComboBox*>("comboSeries");
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->parentWidget(), page->fnTabSheet());
    EXPECT_EQ(series->count(), 6);
    prPick(page->rbElectroF, 0); // resistors, in kOhm
    prType(1, "1");
    prType(2, "2,2");
    series->setCurrentIndex(2); // E12
    EXPECT_EQ(fnResult(1)->text(), QString::fromUtf8("3,3000 ") + fnText(TextId::UnitKOhm));
    EXPECT_TRUE(fnResult(1)->toolTip().contains(QString::fromUtf8("3,2000 ") + fnText(TextId::UnitKOhm)));
    fnEdit(1)->setFocus();
    QTest::keyClick(fnEdit(1), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], page->fnData().labelHeadingFormula->text());
    EXPECT_TRUE(lines.contains(fnText(TextId::FormulasSeriesTotal) + ": 3,3000 " + fnText(TextId::UnitKOhm)))
        << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.contains(fnText(TextId::FormulasParallelTotal) + ": 680,00 " + fnText(TextId::UnitOhm)))
        << lines.join(" | ").toStdString();
}

TEST_F(FormulasPage, TwoTabsAreIndependent)
{
    TMyFormulasPage* first = page;
    prType(1, "1");
    form->prMenuFormulasClick();
    TMyFormulasPage* second = fnFormulasPage(form->fnActivePageIndex());
    ASSERT_NE(second, first);
    EXPECT_EQ(second->fnData().editFormula[0]->text(), "0");
    EXPECT_EQ(first->fnData().editFormula[0]->text(), "1");
    EXPECT_EQ(first->fnData().GivenOrder[0], 1);
    EXPECT_EQ(second->fnData().GivenOrder[0], 0);
}

// A text set by anyone but the user recalculates without counting as typed;
// the published change slot counts the focused field as typed.
TEST_F(FormulasPage, OnlyTypingMakesAQuantityGiven)
{
    prType(1, "1");
    fnEdit(2)->setText("1000");
    EXPECT_EQ(fnResult(1)->text(), fnIs("25,330", TextId::UnitMH));
    EXPECT_EQ(fnData().GivenOrder[0], 1);
    EXPECT_EQ(fnData().GivenOrder[1], 0);
    page->prEditChangeFormulas(2); // field 1 has the focus
    EXPECT_EQ(fnData().GivenOrder[1], 0);
    fnEdit(2)->setFocus(Qt::MouseFocusReason);
    page->prEditChangeFormulas(2);
    EXPECT_EQ(fnData().GivenOrder[0], 2);
    EXPECT_EQ(fnData().GivenOrder[1], 1);
}

// Every formula shows one field per quantity, in order, each with the hint
// of its quantity and its unit list 2 px right of it on its row (the quality
// factor has none); no field stands over another field or a unit list.
struct TLayoutCase {
    const char* name;
    int section; // 1 radio, 2 electrical, 3 physics
    int row;
    int formula;
    std::vector<std::uint32_t> hints; // by slot; 0: none
    friend void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.name; }
};

class FormulasLayout : public FormulasPage, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(FormulasLayout, EveryQuantityHasItsFieldHintAndUnits)
{
    const TLayoutCase& c = GetParam();
    prPick(c.section == 2 ? page->rbElectroF : c.section == 3 ? page->rbFizicaF : page->rbRadioF, c.row);
    ASSERT_EQ(page->fnCurrentFormula(), c.formula);
    const int count = static_cast<int>(c.hints.size());
    std::vector<QRect> taken;
    for (int slot = 1; slot <= 9; ++slot) {
        ASSERT_EQ(fnEdit(slot)->isVisible(), slot <= count) << "slot " << slot;
        if (slot > count)
            continue;
        const std::uint32_t hint = c.hints[static_cast<std::size_t>(slot - 1)];
        EXPECT_EQ(fnEdit(slot)->toolTip(), hint ? fnText(hint) : QString()) << "slot " << slot;
        const bool quality = c.formula == 103 && slot == 1;
        EXPECT_EQ(fnCombo(slot)->isVisible(), !quality) << "slot " << slot;
        EXPECT_EQ(fnCombo(slot)->pos(), fnEdit(slot)->pos() + QPoint(fnEdit(slot)->width() + 2, 0)) << "slot " << slot;
        for (const QRect& other : taken)
            EXPECT_FALSE(fnEdit(slot)->geometry().intersects(other)) << "slot " << slot;
        taken.push_back(fnEdit(slot)->geometry());
        if (!quality)
            taken.push_back(fnCombo(slot)->geometry());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulasLayout,
    ::testing::Values(TLayoutCase{"Resonance",
                                  1,
                                  0,
                                  101,
                                  {TextId::FormulaHintFrequency, TextId::FormulaHintCapacitance,
                                   TextId::FormulaHintInductance}},
                      TLayoutCase{"Wave",
                                  1,
                                  1,
                                  102,
                                  {TextId::FormulaHintVelocity, TextId::FormulaHintWavelength,
                                   TextId::FormulaHintPeriod, TextId::FormulaHintWaveFrequency}},
                      TLayoutCase{"Quality",
                                  1,
                                  2,
                                  103,
                                  {TextId::FormulaHintQuality, TextId::FormulaHintFrequency,
                                   TextId::FormulaHintInductance, TextId::FormulaHintLossResistance}},
                      TLayoutCase{"Resistors", 2, 0, 201, std::vector<std::uint32_t>(8, 0)},
                      TLayoutCase{"Inductors", 2, 1, 202, std::vector<std::uint32_t>(8, 0)},
                      TLayoutCase{"Capacitors", 2, 2, 203, std::vector<std::uint32_t>(8, 0)},
                      TLayoutCase{"Throw",
                                  3,
                                  0,
                                  301,
                                  {TextId::FormulaHintDistance, TextId::FormulaHintHeight, TextId::FormulaHintSpeed,
                                   TextId::FormulaHintMass, TextId::FormulaHintEnergy}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
