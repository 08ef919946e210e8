// The filter page driven as a user drives it: values typed into the focused
// fields, units chosen, the kind switched; values read from the labels on
// the pictures.
#include "UiTestSupport.h"

#include "calculators/Filters/FiltersPage.h"
#include "common/ImageCanvas.h"
#include "common/Numbers.h"
#include "common/UiText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

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

    void prType(I input, const QString& keys)
    {
        QLineEdit* edit = page->fnEdit(input);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (keys.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, keys);
    }

    QLabel* fnLabel(const char* name) const { return page->fnTabSheet()->findChild<QLabel*>(name); }
    QString fnValue(const char* name) const { return fnLabel(name)->text(); }
    static QString fnUnit(const char* number, std::uint32_t unit) { return QString::fromUtf8(number) + " " + fnText(unit); }

    std::unique_ptr<TMyFormMain> form;
    TMyFiltersPage* page = nullptr;
};

TEST_F(FiltersPage, OpensEmptyOnTheLowPass)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Filter" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(400) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(430));
    EXPECT_TRUE(page->rbFilterLf->isChecked());
    EXPECT_EQ(fnLabel("labelTitleFilters")->text(), fnText(405));
    EXPECT_EQ(fnLabel("labelTitleFilters")->parentWidget(), page->PanelResultFilters);
    const std::map<int, std::pair<int, QPoint>> inputs = {{1, {1, {40, 50}}}, {4, {2, {170, 50}}},
                                                          {7, {0, {300, 50}}}, {10, {0, {430, 50}}}};
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
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("1,0000", 1002));
    EXPECT_EQ(fnValue("labelValueC1"), "");  // one value alone derives nothing
    prType(I::C, "1");
    // Low-pass: series L and shunt C; T: L/2 in each arm; pi: C/2 in each shunt.
    const std::map<const char*, QString> lowPass = {
        {"labelValueA1", fnUnit("1,0000", 1002)}, {"labelValueC1", fnUnit("25,3", 1010)},
        {"labelValueB1", fnUnit("1,00", 1007)},   {"labelValueC2", fnUnit("12,7", 1010)},
        {"labelValueC3", fnUnit("12,7", 1010)},   {"labelValueB2", fnUnit("1,00", 1007)},
        {"labelValueB3", fnUnit("500", 1006)},    {"labelValueB4", fnUnit("500", 1006)},
        {"labelValueC4", fnUnit("25,3", 1010)},   {"labelValueD1", fnUnit("159", 1012)},
        {"labelValueD2", fnUnit("79,6", 1012)},   {"labelValueD3", fnUnit("79,6", 1012)},
        {"labelValueD4", fnUnit("159", 1012)},    {"labelValueB8", fnUnit("500", 1006)},
    };
    for (const auto& [name, text] : lowPass)
        EXPECT_EQ(fnValue(name), text) << name;
    EXPECT_EQ(fnLabel("labelValueC1")->pos(), QPoint(50, 232));
    EXPECT_EQ(fnLabel("labelValueB3")->pos(), QPoint(400, 271));
    EXPECT_FALSE(fnLabel("labelValueC5")->isVisible());

    // High-pass keeps the inputs: series C, shunt L; T: 2C in each arm; pi: 2L in each shunt.
    page->rbFilterHf->click();
    EXPECT_EQ(fnLabel("labelTitleFilters")->text(), fnText(415));
    EXPECT_EQ(page->fnEdit(I::F)->text(), "1");
    const std::map<const char*, std::pair<QString, QPoint>> highPass = {
        {"labelValueB1", {fnUnit("1,00", 1007), {50, 231}}},  {"labelValueB2", {fnUnit("2,00", 1007), {210, 231}}},
        {"labelValueC1", {fnUnit("25,3", 1010), {124, 271}}}, {"labelValueC3", {fnUnit("50,7", 1010), {400, 271}}},
        {"labelValueD3", {fnUnit("318", 1012), {400, 371}}},  {"labelValueA1", {fnUnit("1,0000", 1002), {185, 184}}},
    };
    for (const auto& [name, expected] : highPass) {
        EXPECT_EQ(fnValue(name), expected.first) << name;
        EXPECT_EQ(fnLabel(name)->pos(), expected.second) << name;
    }
}

TEST_F(FiltersPage, TypingAResultMakesItAGiven)
{
    prType(I::F, "1");
    prType(I::C, "1");
    // Typing L with C the front: F is cleared and derived from L and C.
    prType(I::L, "1");
    EXPECT_EQ(page->fnEdit(I::F)->text(), "");
    EXPECT_EQ(page->fnEdit(I::C)->text(), "1");
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("159,15", 1002));  // 1 uH and 1 uF
    // R replaces L (one quantity), and F the front clears C next.
    prType(I::F, "2");
    EXPECT_EQ(page->fnEdit(I::C)->text(), "");
    prType(I::R, "50");
    EXPECT_EQ(page->fnEdit(I::L)->text(), "");
    EXPECT_EQ(fnValue("labelValueD1"), fnUnit("50,0", 1012));
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
    page->fnCombo(I::F)->setCurrentIndex(2);  // 1 MHz
    EXPECT_EQ(fnValue("labelValueA1"), fnUnit("1,0000", 1003));
    EXPECT_EQ(fnValue("labelValueC1"), fnUnit("0,03", 1009));  // 25,3 nH in the smallest unit
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
