// The ladder designer driven as a user drives it: values typed, response,
// kind, form, order and series chosen; the values read from their labels and
// the ladder they describe checked against the design's physics.
#include "UiTestSupport.h"

#include "calculators/Ladder/LadderPage.h"
#include "common/core/Numbers.h"
#include "common/ui/NumberField.h"
#include "common/ui/UiText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>

namespace {

class LadderPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        form->prMenuLadderClick();
        page = fnLadderPage(form->fnActivePageIndex());
        ASSERT_NE(page, nullptr);
    }

    static void prType(QLineEdit* edit, const QString& keys) { prTypeInto(edit, keys); }

    QString fnValue(int element) const { return page->labelLadderValue[static_cast<std::size_t>(element - 1)]->text(); }
    static QString fnUnit(const char* number, std::uint32_t unit)
    {
        return QString::fromUtf8(number) + " " + fnText(unit);
    }

    // The ladder the value labels describe, read back from their texts.
    std::vector<TLadderElement> fnShownLadder() const
    {
        const std::map<std::uint32_t, double> units = {{TextId::UnitPF, 1e-12}, {TextId::UnitNF, 1e-9},
                                                       {TextId::UnitUF, 1e-6},  {TextId::UnitUH, 1e-6},
                                                       {TextId::UnitMH, 1e-3},  {TextId::UnitH, 1}};
        std::vector<TLadderElement> shown = page->fnLadder();
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const QString text = page->labelLadderValue[k]->text();
            const qsizetype blank = text.indexOf(' ');
            for (const auto& [id, multiplier] : units)
                if (text.mid(blank + 1) == fnText(id))
                    shown[k].value = fnQTextToFloat(text.left(blank)) * multiplier;
        }
        return shown;
    }

    std::unique_ptr<TMyFormMain> form;
    TMyLadderPage* page = nullptr;
};

TEST_F(LadderPage, OpensAsTheMenuOpensIt)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Ladder" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::LadderTab) + QString::number(index));
    QWidget* sheet = page->fnTabSheet();
    for (const char* name : {"editLadderF", "editLadderR", "editLadderRipple"})
        EXPECT_NE(sheet->findChild<QLineEdit*>(name), nullptr) << name;
    for (const char* name : {"comboLadderF", "comboLadderR", "comboLadderOrder", "comboSeries"})
        EXPECT_NE(sheet->findChild<QComboBox*>(name), nullptr) << name;
    for (const char* name : {"rbLadderButterworth", "rbLadderChebyshev", "rbLadderLowPass", "rbLadderHighPass",
                             "rbLadderShuntFirst", "rbLadderSeriesFirst"})
        EXPECT_NE(sheet->findChild<QRadioButton*>(name), nullptr) << name;
    for (int k = 1; k <= 9; ++k)
        EXPECT_NE(sheet->findChild<QLabel*>("labelLadderValue" + QString::number(k)), nullptr) << k;
    EXPECT_NE(sheet->findChild<QLabel*>("labelLadderLoss2"), nullptr);
    EXPECT_NE(sheet->findChild<QLabel*>("labelLadderLoss3"), nullptr);
    EXPECT_NE(sheet->findChild<QWidget*>("imageLadderResponse"), nullptr);
    QStringList orders;
    for (int k = 0; k < page->comboLadderOrder->count(); ++k)
        orders << page->comboLadderOrder->itemText(k);
    EXPECT_EQ(orders, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    // Nothing to design yet: F is missing, and the status says so.
    EXPECT_TRUE(page->fnLadder().empty());
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusLadderFrequency));
    EXPECT_FALSE(page->editLadderRipple->isVisible());
}

// The 40 m harmonic filter: 7 MHz, 50 Ohm, Chebyshev 0,1 dB, seventh order.
TEST_F(LadderPage, DesignsTheHarmonicFilterAsTyped)
{
    page->rbLadderChebyshev->click();
    EXPECT_TRUE(page->editLadderRipple->isVisible());
    page->comboLadderOrder->setCurrentIndex(6);
    prType(page->editLadderF, "7");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusLadderDone));
    EXPECT_EQ(fnValue(1), fnUnit("537", TextId::UnitPF));
    EXPECT_EQ(fnValue(2), fnUnit("1,62", TextId::UnitUH));
    EXPECT_EQ(fnValue(3), fnUnit("953", TextId::UnitPF));
    EXPECT_EQ(fnValue(4), fnUnit("1,79", TextId::UnitUH));
    EXPECT_EQ(fnValue(7), fnUnit("537", TextId::UnitPF));
    for (int k = 8; k <= 9; ++k) {
        EXPECT_EQ(fnValue(k), "");
        EXPECT_FALSE(page->labelLadderValue[static_cast<std::size_t>(k - 1)]->isVisible());
    }
    EXPECT_EQ(page->labelLadderLoss2->text(),
              fnText(TextId::LadderLossAt2F).arg(fnUnit("14,0", TextId::UnitMHz), "57,7"));
    // Built from the values as shown, the ladder keeps the ripple at F and the
    // second harmonic far down.
    const std::vector<TLadderElement> shown = fnShownLadder();
    EXPECT_NEAR(fnLadderLossDb(shown, 50, 7e6), 0.1, 0.1);
    EXPECT_GT(fnLadderLossDb(shown, 50, 14e6), 55);
    // Series first: the same response, the duals in the same places.
    page->rbLadderSeriesFirst->click();
    EXPECT_EQ(fnValue(1), fnUnit("1,34", TextId::UnitUH));
    EXPECT_EQ(page->labelLadderLoss2->text(),
              fnText(TextId::LadderLossAt2F).arg(fnUnit("14,0", TextId::UnitMHz), "57,7"));
}

// Every wrong input empties the design and names itself in the status bar;
// fixing it brings the design back.
TEST_F(LadderPage, AWrongInputSaysWhichItIs)
{
    prType(page->editLadderF, "7");
    ASSERT_FALSE(page->fnLadder().empty());
    const struct {
        const char* step;
        std::function<void()> act;
        std::uint32_t status;
    } steps[] = {
        {"Chebyshev of order 5", [&] { page->rbLadderChebyshev->click(); }, TextId::StatusLadderDone},
        {"even order", [&] { page->comboLadderOrder->setCurrentIndex(3); }, TextId::StatusLadderOrder},
        {"order 1", [&] { page->comboLadderOrder->setCurrentIndex(0); }, TextId::StatusLadderOrder},
        {"order 3", [&] { page->comboLadderOrder->setCurrentIndex(2); }, TextId::StatusLadderDone},
        {"ripple too large", [&] { prType(page->editLadderRipple, "5"); }, TextId::StatusLadderRipple},
        {"ripple empty", [&] { prType(page->editLadderRipple, ""); }, TextId::StatusLadderRipple},
        {"Butterworth ignores the ripple", [&] { page->rbLadderButterworth->click(); }, TextId::StatusLadderDone},
        {"no impedance", [&] { prType(page->editLadderR, "0"); }, TextId::StatusLadderImpedance},
        {"impedance back", [&] { prType(page->editLadderR, "75"); }, TextId::StatusLadderDone},
        {"frequency above 10 GHz",
         [&] {
             page->comboLadderF->setCurrentIndex(3);
             prType(page->editLadderF, "20");
         },
         TextId::StatusLadderFrequency},
        {"frequency back", [&] { prType(page->editLadderF, "2"); }, TextId::StatusLadderDone},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(form->fnStatusText(), fnText(step.status)) << step.step;
        const bool designed = step.status == TextId::StatusLadderDone;
        EXPECT_EQ(page->fnLadder().empty(), !designed) << step.step;
        EXPECT_EQ(page->labelLadderLoss2->text().isEmpty(), !designed) << step.step;
        EXPECT_EQ(page->labelLadderValue[0]->isVisible(), designed) << step.step;
    }
}

// High-pass mirrors low-pass; a series rounds every value and the loss
// labels then give the loss of the drawer's parts.
TEST_F(LadderPage, HighPassAndStandardParts)
{
    page->rbLadderHighPass->click();
    page->comboLadderF->setCurrentIndex(2);
    prType(page->editLadderF, "1,8");
    EXPECT_EQ(page->labelLadderLoss2->text(),
              fnText(TextId::LadderLossAtHalfF).arg(fnUnit("900", TextId::UnitKHz), "30,1")); // 10 log(1 + 2^10)
    EXPECT_EQ(page->labelLadderLoss3->text(),
              fnText(TextId::LadderLossAtThirdF).arg(fnUnit("600", TextId::UnitKHz), "47,7"));
    EXPECT_EQ(fnValue(1), fnUnit("7,15", TextId::UnitUH)); // shunt L = R / (w g1), g1 = 0,618
    page->comboSeries->setCurrentIndex(2);                 // E12
    EXPECT_EQ(fnValue(1), fnUnit("6,80", TextId::UnitUH));
    EXPECT_TRUE(page->labelLadderValue[0]->toolTip().contains(fnUnit("7,15", TextId::UnitUH)));
    const std::vector<TLadderElement> shown = fnShownLadder();
    const double atHalf = fnLadderLossDb(shown, 50, 0.9e6);
    EXPECT_TRUE(page->labelLadderLoss2->text().endsWith(QString::fromStdString(fnFloatToText(3, atHalf)) + " "
                                                        + fnText(TextId::LadderAxisDb)))
        << page->labelLadderLoss2->text().toStdString();
}

} // namespace
