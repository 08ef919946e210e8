// The filter page driven as a user drives it: values typed into the focused
// fields, units chosen, the kind switched; values read from the labels on
// the pictures.
#include "UiTestSupport.h"
#include "support/SectionSimulation.h"

#include "calculators/Filters/FiltersPage.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "common/ui/UiText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace filters;

namespace {

using I = TFilterInput;

class FiltersPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        form->prMenuFilterClick();
        page = fnFiltersPage(form->fnActivePageIndex());
        ASSERT_NE(page, nullptr);
    }

    void prType(I input, const QString& keys) { prTypeInto(page->fnEdit(input), keys); }

    QLabel* fnLabel(const char* name) const { return page->fnTabSheet()->findChild<QLabel*>(name); }
    QString fnValue(const char* name) const { return fnLabel(name)->text(); }
    static QString fnUnit(const char* number, std::uint32_t unit)
    {
        return QString::fromUtf8(number) + " " + fnText(unit);
    }

    std::unique_ptr<TMyFormMain> form;
    TMyFiltersPage* page = nullptr;
};

TEST_F(FiltersPage, OpensEmptyOnTheLowPass)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Filter" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::FilterTab) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusFilter));
    EXPECT_TRUE(page->rbFilterLf->isChecked());
    EXPECT_EQ(fnLabel("labelTitleFilters")->text(), fnText(TextId::FilterLowPassTitle));
    EXPECT_EQ(fnLabel("labelTitleFilters")->parentWidget(), page->PanelResultFilters);
    const std::map<int, std::pair<int, QPoint>> inputs = {
        {1, {1, {40, 50}}}, {4, {2, {170, 50}}}, {7, {0, {300, 50}}}, {10, {0, {430, 50}}}};
    for (int slot = 1; slot <= 12; ++slot) {
        auto* edit = page->fnTabSheet()->findChild<QLineEdit*>("editFilter" + QString::number(slot));
        auto* combo = page->fnTabSheet()->findChild<QComboBox*>("comboFilter" + QString::number(slot));
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(edit->parentWidget(), page->PanelResultFilters);
        const auto shown = inputs.find(slot);
        EXPECT_EQ(edit->isVisible(), shown != inputs.end()) << slot;
        if (shown != inputs.end()) {
            EXPECT_EQ(edit->pos(), shown->second.second) << slot;
            EXPECT_EQ(edit->text(), "") << slot;
            EXPECT_EQ(combo->currentIndex(), shown->second.first) << slot;
            EXPECT_EQ(combo->pos(), QPoint(edit->x() + 42, 50)) << slot;
        }
    }
    for (const char* group : {"A", "B", "C", "D"})
        for (int k = 1; k <= 8; ++k) {
            QLabel* label = fnLabel(QString("labelValue%1%2").arg(group).arg(k).toLatin1().constData());
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), "") << group << k;
        }
}

TEST_F(FiltersPage, TwoGivensDeriveTheRestOntoTheSections)
{
    prType(I::F, "1");
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("1,0000", TextId::UnitKHz));
    EXPECT_EQ(fnValue("labelValueC1"), ""); // one value alone derives nothing
    prType(I::C, "1");
    // Low-pass between R and R: sqrt2 L, sqrt2 C; T: L, 2C, L; pi: C, 2L, C.
    const std::map<const char*, QString> lowPass = {
        {"labelValueA1", fnUnit("1,0000", TextId::UnitKHz)}, {"labelValueC1", fnUnit("35,8", TextId::UnitMH)},
        {"labelValueB1", fnUnit("1,41", TextId::UnitUF)},    {"labelValueC2", fnUnit("25,3", TextId::UnitMH)},
        {"labelValueC3", fnUnit("25,3", TextId::UnitMH)},    {"labelValueB2", fnUnit("2,00", TextId::UnitUF)},
        {"labelValueB3", fnUnit("1,00", TextId::UnitUF)},    {"labelValueB4", fnUnit("1,00", TextId::UnitUF)},
        {"labelValueC4", fnUnit("50,7", TextId::UnitMH)},    {"labelValueD1", fnUnit("159", TextId::UnitOhm)},
        {"labelValueD2", fnUnit("159", TextId::UnitOhm)},    {"labelValueD3", fnUnit("159", TextId::UnitOhm)},
        {"labelValueD4", fnUnit("159", TextId::UnitOhm)},    {"labelValueB8", fnUnit("1,00", TextId::UnitUF)},
    };
    for (const auto& [name, text] : lowPass)
        EXPECT_EQ(fnValue(name), text) << name;
    EXPECT_EQ(fnLabel("labelValueC1")->pos(), QPoint(50, 232));
    EXPECT_EQ(fnLabel("labelValueB3")->pos(), QPoint(400, 271));
    EXPECT_FALSE(fnLabel("labelValueC5")->isVisible());

    // High-pass keeps the inputs: C / sqrt2, L / sqrt2; T: C, L / 2, C; pi: L, C / 2, L.
    page->rbFilterHf->click();
    EXPECT_EQ(fnLabel("labelTitleFilters")->text(), fnText(TextId::FilterHighPassTitle));
    EXPECT_EQ(page->fnEdit(I::F)->text(), "1");
    const std::map<const char*, std::pair<QString, QPoint>> highPass = {
        {"labelValueB1", {fnUnit("707", TextId::UnitNF), {50, 231}}},
        {"labelValueB2", {fnUnit("1,00", TextId::UnitUF), {210, 231}}},
        {"labelValueC1", {fnUnit("17,9", TextId::UnitMH), {124, 271}}},
        {"labelValueC3", {fnUnit("25,3", TextId::UnitMH), {400, 271}}},
        {"labelValueD3", {fnUnit("159", TextId::UnitOhm), {400, 371}}},
        {"labelValueA1", {fnUnit("1,0000", TextId::UnitKHz), {185, 184}}},
    };
    for (const auto& [name, expected] : highPass) {
        EXPECT_EQ(fnValue(name), expected.first) << name;
        EXPECT_EQ(fnLabel(name)->pos(), expected.second) << name;
    }
}

// A value label read back as a number in base units: "35,8 мГн" -> 0.0358.
double fnShownValue(const QString& text)
{
    const qsizetype blank = text.indexOf(' ');
    if (blank < 0)
        return 0;
    const std::map<std::uint32_t, double> units = {
        {TextId::UnitPF, 1e-12}, {TextId::UnitNF, 1e-9}, {TextId::UnitUF, 1e-6}, {TextId::UnitF, 1},
        {TextId::UnitUH, 1e-6},  {TextId::UnitMH, 1e-3}, {TextId::UnitH, 1},     {TextId::UnitOhm, 1},
        {TextId::UnitKOhm, 1e3}, {TextId::UnitMOhm, 1e6}};
    for (const auto& [id, multiplier] : units)
        if (text.mid(blank + 1) == fnText(id))
            return fnQTextToFloat(text.left(blank)) * multiplier;
    return 0;
}

// Every section built from the values as the page shows them (three digits)
// cuts off at the F typed, within 1 %: the LC sections between a source and a
// load of the R typed, the RC sections from an ideal source into an open load.
TEST_F(FiltersPage, SectionsBuiltFromTheShownValuesCutOffAtF)
{
    using qftest::TPart;
    // Each schematic from the source to the load: the label of each element,
    // its part and whether it is across the line - as drawn on the pictures.
    struct TDrawn {
        const char* label;
        TPart part;
        bool shunt;
    };
    using TSchematic = std::vector<TDrawn>;
    const std::vector<TSchematic> lowPass = {
        {{"labelValueC1", TPart::L, false}, {"labelValueB1", TPart::C, true}},
        {{"labelValueC2", TPart::L, false}, {"labelValueB2", TPart::C, true}, {"labelValueC3", TPart::L, false}},
        {{"labelValueB3", TPart::C, true}, {"labelValueC4", TPart::L, false}, {"labelValueB4", TPart::C, true}},
        {{"labelValueD1", TPart::R, false}, {"labelValueB5", TPart::C, true}},
        {{"labelValueD2", TPart::R, false}, {"labelValueB6", TPart::C, true}, {"labelValueD3", TPart::R, false}},
        {{"labelValueB7", TPart::C, true}, {"labelValueD4", TPart::R, false}, {"labelValueB8", TPart::C, true}},
    };
    const std::vector<TSchematic> highPass = {
        {{"labelValueB1", TPart::C, false}, {"labelValueC1", TPart::L, true}},
        {{"labelValueB2", TPart::C, false}, {"labelValueC2", TPart::L, true}, {"labelValueB3", TPart::C, false}},
        {{"labelValueC3", TPart::L, true}, {"labelValueB4", TPart::C, false}, {"labelValueC4", TPart::L, true}},
        {{"labelValueB5", TPart::C, false}, {"labelValueD1", TPart::R, true}},
        {{"labelValueB6", TPart::C, false}, {"labelValueD2", TPart::R, true}, {"labelValueB7", TPart::C, false}},
        {{"labelValueD3", TPart::R, true}, {"labelValueB8", TPart::C, false}, {"labelValueD4", TPart::R, true}},
    };
    // Values below 1 in the smallest unit (µH, pF) show two decimals only, so
    // the cases stay where every element shows three digits.
    const struct {
        const char* f;
        int fUnit; // Hz, kHz, MHz, GHz
        const char* r;
        int rUnit; // Ohm, kOhm, MOhm
        double fHz, rOhm;
    } cases[] = {
        {"50", 0, "10", 1, 50, 1e4}, {"3,4", 1, "600", 0, 3.4e3, 600}, {"455", 1, "1", 1, 455e3, 1e3},
        {"7", 2, "50", 0, 7e6, 50},  {"14,2", 2, "75", 0, 14.2e6, 75}, {"30", 2, "600", 0, 30e6, 600},
    };
    for (const auto& c : cases) {
        page->rbFilterLf->click();
        prType(I::C, "");
        prType(I::L, "");
        page->fnCombo(I::F)->setCurrentIndex(c.fUnit);
        page->fnCombo(I::R)->setCurrentIndex(c.rUnit);
        prType(I::F, c.f);
        prType(I::R, c.r);
        for (const bool low : {true, false}) {
            (low ? page->rbFilterLf : page->rbFilterHf)->click();
            for (const TSchematic& schematic : low ? lowPass : highPass) {
                std::vector<qftest::TTwoPortElement> chain;
                bool lc = false;
                for (const TDrawn& drawn : schematic) {
                    chain.push_back({drawn.part, drawn.shunt, fnShownValue(fnValue(drawn.label))});
                    lc = lc || drawn.part == TPart::L;
                }
                const double termination = lc ? c.rOhm : 0;
                const double cutoff = qftest::fnMinus3DbHz(chain, low, termination, termination, c.fHz);
                EXPECT_NEAR(cutoff / c.fHz, 1.0, 0.01)
                    << c.f << " " << c.fUnit << (low ? " low-pass " : " high-pass ") << schematic[0].label << " "
                    << fnValue(schematic[0].label).toStdString();
            }
        }
    }
}

// With a series chosen the elements show the drawer's parts, each with its
// exact value in the tooltip, and each LC section says where those parts
// really cut off; the typed givens stay as typed.
TEST_F(FiltersPage, StandardSeriesShowsTheDrawersParts)
{
    auto* series = page->fnTabSheet()->findChild<QComboBox*>("comboSeries");
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->parentWidget(), page->fnTabSheet());
    QStringList items;
    for (int k = 0; k < series->count(); ++k)
        items << series->itemText(k);
    EXPECT_EQ(items, (QStringList{fnText(TextId::SeriesExact), "E6", "E12", "E24", "E48", "E96"}));
    page->fnCombo(I::F)->setCurrentIndex(2); // MHz
    prType(I::F, "7");
    prType(I::R, "50");
    EXPECT_EQ(fnValue("labelValueB3"), fnUnit("455", TextId::UnitPF)); // the pi section's shunt C, exact
    EXPECT_FALSE(fnLabel("labelLcCutoff1")->isVisible());
    series->setCurrentIndex(2); // E12
    EXPECT_EQ(page->fnEdit(I::F)->text(), "7");
    EXPECT_EQ(page->fnEdit(I::R)->text(), "50");
    EXPECT_EQ(fnValue("labelValueB3"), fnUnit("470", TextId::UnitPF));
    EXPECT_EQ(fnValue("labelValueC2"), fnUnit("1,20", TextId::UnitUH)); // 1,137 µH
    EXPECT_EQ(fnValue("labelValueD1"), fnUnit("47,0", TextId::UnitOhm));
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("7,0000", TextId::UnitMHz)); // the cut-off is no part
    const QString tip = fnLabel("labelValueB3")->toolTip();
    EXPECT_TRUE(tip.contains(fnUnit("455", TextId::UnitPF))) << tip.toStdString();
    EXPECT_TRUE(tip.contains("+3,4")) << tip.toStdString();
    // The T section of 1,2 µH and 1000 pF between 50 Ohm: 6,45 MHz, not 7.
    QLabel* cutoffT = fnLabel("labelLcCutoff2");
    ASSERT_TRUE(cutoffT->isVisible());
    EXPECT_TRUE(cutoffT->text().endsWith(fnUnit("6,45", TextId::UnitMHz))) << cutoffT->text().toStdString();
    EXPECT_GE(cutoffT->y(), 240 + 67);
    // High-pass keeps the series; exact again drops the tooltips and the cut-offs.
    page->rbFilterHf->click();
    EXPECT_TRUE(fnLabel("labelLcCutoff1")->isVisible());
    series->setCurrentIndex(0);
    EXPECT_FALSE(fnLabel("labelLcCutoff1")->isVisible());
    EXPECT_EQ(fnLabel("labelValueB3")->toolTip(), "");
}

// Ctrl+C copies the tab: inputs, the cut-off and every element by section;
// with a field's text selected it copies the selection; a value's context
// menu copies that value.
TEST_F(FiltersPage, CopiesTheTabAsText)
{
    prType(I::F, "1");
    prType(I::C, "1");
    QTest::keyClick(page->fnEdit(I::C), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 20);
    EXPECT_EQ(lines[0], fnText(TextId::FilterLowPassTitle));
    EXPECT_EQ(lines[1], fnText(TextId::FilterCaptionF) + ": 1 " + fnText(TextId::UnitKHz));
    EXPECT_EQ(lines[2], fnText(TextId::FilterCaptionC) + ": 1 " + fnText(TextId::UnitUF));
    EXPECT_EQ(lines[3], fnText(TextId::FilterCopyCutoff) + ": " + fnUnit("1,0000", TextId::UnitKHz));
    EXPECT_EQ(lines[4], fnText(TextId::FilterCopyLcTwo) + ", L1: " + fnUnit("35,8", TextId::UnitMH));
    EXPECT_EQ(lines[5], fnText(TextId::FilterCopyLcTwo) + ", C2: " + fnUnit("1,41", TextId::UnitUF));
    EXPECT_TRUE(lines.contains(fnText(TextId::FilterCopyRcPi) + ", R2: " + fnUnit("159", TextId::UnitOhm)));
    // A selection in a field is copied as it is.
    page->fnEdit(I::F)->setFocus();
    page->fnEdit(I::F)->selectAll();
    QTest::keyClick(page->fnEdit(I::F), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1");
    // The context menu of a value copies it with its unit.
    QLabel* value = fnLabel("labelValueC4");
    ASSERT_EQ(value->actions().size(), 1);
    EXPECT_EQ(value->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(value->actions()[0]->text(), fnText(TextId::CopyValue));
    value->actions()[0]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), fnUnit("50,7", TextId::UnitMH));
}

TEST_F(FiltersPage, TypingAResultMakesItAGiven)
{
    prType(I::F, "1");
    prType(I::C, "1");
    // Typing L with C the front: F is cleared and derived from L and C.
    prType(I::L, "1");
    EXPECT_EQ(page->fnEdit(I::F)->text(), "");
    EXPECT_EQ(page->fnEdit(I::C)->text(), "1");
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("159,15", TextId::UnitKHz)); // 1 uH and 1 uF
    // R replaces L (one quantity), and F the front clears C next.
    prType(I::F, "2");
    EXPECT_EQ(page->fnEdit(I::C)->text(), "");
    prType(I::R, "50");
    EXPECT_EQ(page->fnEdit(I::L)->text(), "");
    EXPECT_EQ(fnValue("labelValueD1"), fnUnit("50,0", TextId::UnitOhm));
    // Erasing the front given uncovers the previous one: F and R stay given, nothing else.
    prType(I::R, "");
    EXPECT_EQ(page->fnData().GivenOrder[0], FilterCode::F);
    EXPECT_EQ(fnValue("labelValueD1"), "");
    // "0" is not a value either: it clears what typing R would, then leaves.
    prType(I::C, "3");
    prType(I::R, "0");
    EXPECT_EQ(page->fnData().GivenOrder[0], FilterCode::C);
}

TEST_F(FiltersPage, UnitsKeepTheGivens)
{
    prType(I::F, "1");
    prType(I::C, "1");
    page->fnCombo(I::F)->setCurrentIndex(2); // 1 MHz
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("1,0000", TextId::UnitMHz));
    EXPECT_EQ(fnValue("labelValueC2"), fnUnit("0,03", TextId::UnitUH)); // L = 25,3 nH in the smallest unit
    EXPECT_EQ(page->fnData().GivenOrder[0], FilterCode::C);
    EXPECT_EQ(page->fnData().GivenOrder[1], FilterCode::F);
    // 1 GHz with 1 F shows numbers, never nan or inf.
    page->fnCombo(I::F)->setCurrentIndex(3);
    page->fnCombo(I::C)->setCurrentIndex(3);
    for (QLabel* label : page->PanelResultFilters->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains("nan")) << label->objectName().toStdString();
        EXPECT_FALSE(label->text().contains("inf")) << label->objectName().toStdString();
    }
}

TEST_F(FiltersPage, TwoTabsAreIndependent)
{
    TMyFiltersPage* first = page;
    prType(I::F, "1");
    form->prMenuFilterClick();
    TMyFiltersPage* second = fnFiltersPage(form->fnActivePageIndex());
    ASSERT_NE(second, first);
    EXPECT_EQ(second->fnEdit(I::F)->text(), "");
    EXPECT_EQ(second->fnData().GivenOrder[0], FilterCode::None);
    EXPECT_EQ(first->fnData().GivenOrder[0], FilterCode::F);
}

} // namespace
