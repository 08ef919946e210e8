// The coil page driven as a user drives it: the real window, the page opened
// from the menu handler, keys typed into focused fields, clicks on the kind
// list, the direction buttons and the permeability box.
#include "UiTestSupport.h"

#include "calculators/Induction/InductionPage.h"
#include "common/core/Numbers.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/UiText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace induction;

namespace {

using namespace IndEdit;

class InductionPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = fnShownMainForm();
        (void)QTest::qWaitForWindowActive(form.get());
        prSetDecimalSeparator(',');
        page = fnOpen();
        ASSERT_NE(page, nullptr);
    }

    TMyInductionPage* fnOpen()
    {
        form->prMenuCoilClick();
        return fnInductionPage(form->fnActivePageIndex());
    }

    TInductionData& fnData() { return page->fnData(); }
    QLineEdit* fnEdit(int k) { return fnData().editInd[static_cast<std::size_t>(k)]; }
    QLabel* fnResult(int k) { return fnData().labelResInd[static_cast<std::size_t>(k)]; }

    // Focus a field as a click would, then type over its text.
    void prType(int k, const QString& keys) { prTypeInto(fnEdit(k), keys); }

    void prTypeAll(const std::vector<std::pair<int, QString>>& values)
    {
        for (const auto& [k, text] : values)
            prType(k, text);
    }

    void prClick(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    static QString fnMicro(const char* number) { return QString::fromUtf8(number) + " " + fnText(TextId::UnitUH); }

    std::unique_ptr<TMyFormMain> form;
    TMyInductionPage* page = nullptr;
};

TEST_F(InductionPage, OpensAsTheMenuOpensIt)
{
    const int index = form->fnActivePageIndex();
    EXPECT_EQ(page->objectName(), "Induction" + QString::number(index));
    EXPECT_EQ(page->parent(), page->fnTabSheet());
    EXPECT_EQ(form->fnPageControl()->tabText(index), fnText(TextId::CoilTab) + QString::number(index));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusSingleNoSizeNoN));
    EXPECT_TRUE(page->rbCoilOneSloi->isChecked());
    EXPECT_TRUE(fnData().rbIndFromN->isChecked());
    EXPECT_TRUE(fnEdit(OneN)->isVisible());
    EXPECT_FALSE(fnEdit(OneL)->isVisible());
    EXPECT_FALSE(fnData().comboInd[OneL]->isVisible());
    EXPECT_EQ(fnEdit(OneMu)->text(), "1");
    EXPECT_TRUE(fnEdit(OneMu)->isReadOnly());
    EXPECT_EQ(fnEdit(OneMu)->palette().color(QPalette::Base), QColor(239, 237, 209));
    EXPECT_FALSE(fnData().checkMpCoil->isChecked());
    EXPECT_EQ(fnData().labelTitleInd->text(), fnText(TextId::CoilSingleLayerTitle));
    EXPECT_EQ(fnInductionPage(0), nullptr);

    // Every published field and record widget by its name, right-panel widgets on PanelInduction.
    QWidget* sheet = page->fnTabSheet();
    for (const char* name : {"rbCoilOneSloi", "rbCoilManySloi", "rbCoilPloski", "rbCoilProvod", "rbCoilTor"})
        EXPECT_NE(sheet->findChild<QRadioButton*>(name), nullptr) << name;
    for (const char* name : {"rbIndFromN", "rbNFromInd"})
        EXPECT_EQ(sheet->findChild<QRadioButton*>(name)->parentWidget(), page->PanelInduction) << name;
    EXPECT_EQ(sheet->findChild<QCheckBox*>("checkMpCoil")->parentWidget(), page->PanelInduction);
    for (int k = 0; k < 35; ++k) {
        EXPECT_EQ(sheet->findChild<QLineEdit*>("editInd" + QString::number(k))->parentWidget(), page->PanelInduction);
        EXPECT_EQ(sheet->findChild<QComboBox*>("comboInd" + QString::number(k))->parentWidget(), page->PanelInduction);
    }
    for (int k = 1; k <= 13; ++k)
        EXPECT_NE(sheet->findChild<QLabel*>("labelResInd" + QString::number(k)), nullptr) << k;
    for (int k = 1; k <= 18; ++k)
        EXPECT_NE(sheet->findChild<QLabel*>("labelInd" + QString::number(k)), nullptr) << k;
    for (const char* name : {"labelTitleInd", "labelSelectCoil"})
        EXPECT_NE(sheet->findChild<QLabel*>(name), nullptr) << name;
    for (const char* name : {"PanelSelectCoil", "PanelInduction", "imageSelectInd", "imageResultInd", "btnClose"})
        EXPECT_NE(sheet->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(page->PanelInduction->geometry(), QRect(338, 10, 418, form->fnPageControlSize().height() - 48));
    EXPECT_LE(page->btnClose->geometry().bottom(), sheet->height() - 7);
}

TEST_F(InductionPage, TypingComputesAtEveryKeystroke)
{
    prTypeAll({{OneLen, "10"}, {OneD0, "10"}, {OneWire, "0,5"}});
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusSolenoidNoN));
    prType(OneN, "10");
    EXPECT_EQ(fnResult(1)->text(), fnMicro("0,75"));
    EXPECT_EQ(fnResult(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusCoilDone));
    prType(OneWire, "2");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusSingleTurnsDoNotFit));

    // Turns from inductance, in millihenries once the selector says so.
    prClick(fnData().rbNFromInd);
    EXPECT_TRUE(fnEdit(OneL)->isVisible());
    EXPECT_FALSE(fnEdit(OneN)->isVisible());
    prType(OneWire, "0,5");
    prType(OneL, "0,7488");
    EXPECT_EQ(fnResult(2)->text(), "10,0");
    fnData().comboInd[OneL]->setCurrentIndex(1);
    EXPECT_EQ(fnResult(2)->text(), QString::fromStdString(fnFloatToText(3, 10.0 * std::sqrt(1000.0))));
}

TEST_F(InductionPage, FieldsAreFilteredAndLimitedOnlyWhenTyped)
{
    prType(OneLen, "1x2,3,4");
    EXPECT_EQ(fnEdit(OneLen)->text(), "12,3"); // the letter, the second separator and the limit
    // Program-written values are never cut: 9000 and 5000 give Do = 14000 in a 4-character field.
    prClick(page->rbCoilManySloi);
    prTypeAll({{ManyD, "9000"}, {ManyC, "5000"}});
    EXPECT_EQ(fnEdit(ManyDo)->text(), "14000");
    EXPECT_EQ(fnEdit(ManyDi)->text(), "4000");
    // Typing may shorten such a text, never lengthen it.
    fnEdit(ManyDo)->setFocus(Qt::MouseFocusReason);
    fnEdit(ManyDo)->end(false);
    QTest::keyClick(fnEdit(ManyDo), '5');
    EXPECT_EQ(fnEdit(ManyDo)->text(), "14000");
    QTest::keyClick(fnEdit(ManyDo), Qt::Key_Backspace);
    EXPECT_EQ(fnEdit(ManyDo)->text(), "1400");
}

TEST_F(InductionPage, LinkedFieldsFillEachOtherWithoutPingPong)
{
    prClick(page->rbCoilManySloi);
    prTypeAll({{ManyDo, "30"}, {ManyDi, "10"}});
    EXPECT_EQ(fnEdit(ManyD)->text(), "20,0");
    EXPECT_EQ(fnEdit(ManyC)->text(), "10,0");
    prType(ManyD, "20");
    prType(ManyC, "5");
    EXPECT_EQ(fnEdit(ManyDo)->text(), "25,0");
    EXPECT_EQ(fnEdit(ManyDi)->text(), "15,0");
    EXPECT_EQ(fnEdit(ManyD)->text(), "20"); // the rewrite of Do and Di did not rewrite D and c
    EXPECT_EQ(fnEdit(ManyC)->text(), "5");

    prClick(page->rbCoilPloski);
    prTypeAll({{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}});
    const std::map<int, QString> flat = {{FlatDm, "20,0"}, {FlatW, "10,0"}, {FlatTrack, "0,53"}, {FlatGap, "0,53"}};
    for (const auto& [k, text] : flat)
        EXPECT_EQ(fnEdit(k)->text(), text) << k;
    EXPECT_EQ(fnResult(5)->text(), fnMicro("2,46"));
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusCoilDone));
    prType(FlatN, "0,5");
    EXPECT_EQ(fnEdit(FlatTrack)->text(), "0");
    EXPECT_EQ(fnEdit(FlatGap)->text(), "0");
}

TEST_F(InductionPage, ViewsKeepTheirValuesDirectionAndPermeability)
{
    prTypeAll({{OneLen, "10"}, {OneD0, "10"}, {OneN, "10"}});
    prClick(fnData().checkMpCoil);
    EXPECT_FALSE(fnEdit(OneMu)->isReadOnly());
    EXPECT_EQ(fnEdit(OneMu)->text(), "1");
    prType(OneMu, "50");
    prClick(fnData().checkMpCoil);
    EXPECT_EQ(fnEdit(OneMu)->text(), "1");
    EXPECT_TRUE(fnEdit(OneMu)->isReadOnly());
    prClick(fnData().checkMpCoil);
    EXPECT_EQ(fnEdit(OneMu)->text(), "50");
    prClick(fnData().rbNFromInd);

    // The multi-layer view has its own permeability and direction.
    prClick(page->rbCoilManySloi);
    EXPECT_FALSE(fnData().checkMpCoil->isChecked());
    EXPECT_EQ(fnEdit(ManyMu)->text(), "1");
    EXPECT_TRUE(fnData().rbIndFromN->isChecked());

    prClick(page->rbCoilPloski);
    prClick(page->rbCoilOneSloi);
    EXPECT_EQ(fnEdit(OneLen)->text(), "10");
    EXPECT_EQ(fnEdit(OneN)->text(), "10");
    EXPECT_TRUE(fnData().rbNFromInd->isChecked());
    EXPECT_TRUE(fnEdit(OneL)->isVisible());
    EXPECT_TRUE(fnData().checkMpCoil->isChecked());
    EXPECT_EQ(fnEdit(OneMu)->text(), "50");
    EXPECT_FALSE(fnEdit(OneMu)->isReadOnly());
}

// Where each view puts its fields, relative to the panel, and its title and status.
struct TViewCase {
    const char* radio;
    std::uint32_t title;
    std::uint32_t status;
    std::vector<std::pair<int, QPoint>> fields;
    std::vector<int> hiddenUnits;
};

TEST_F(InductionPage, EveryViewPlacesItsFields)
{
    const int listLeft = 418 - 105;
    const std::vector<TViewCase> views = {
        {"rbCoilOneSloi",
         TextId::CoilSingleLayerTitle,
         TextId::StatusSingleNoSizeNoN,
         {{OneLen, {113, 193}}, {OneD0, {265, 255}}, {OneWire, {144, 348}}},
         {}},
        {"rbCoilManySloi",
         TextId::CoilMultiLayerTitle,
         TextId::StatusMultiNoSizeNoN,
         {{ManyLen, {207, 163}},
          {ManyDi, {146, 241}},
          {ManyDo, {75, 209}},
          {ManyC, {85, 307}},
          {ManyD, {318, 271}},
          {ManyWire, {236, 381}}},
         {}},
        {"rbCoilPloski",
         TextId::CoilFlatTitle,
         TextId::StatusFlatHint,
         {{FlatN, {listLeft, -1}}, {FlatGap, {listLeft, -1}}},
         {FlatN}},
        {"rbCoilProvod",
         TextId::CoilWireTitle,
         TextId::StatusWireNoLength,
         {{WireLen, {listLeft, -1}}, {WireH, {listLeft, -1}}},
         {}},
        {"rbCoilTor",
         TextId::CoilToroidTitle,
         TextId::StatusToroidNoCoreNoN,
         {{TorDo, {265, 167}}, {TorDi, {128, 157}}, {TorH, {265, 220}}, {TorN, {listLeft, -1}}},
         {TorN, TorMu}},
    };
    for (const TViewCase& view : views) {
        prClick(page->fnTabSheet()->findChild<QRadioButton*>(view.radio));
        EXPECT_EQ(fnData().labelTitleInd->text(), fnText(view.title)) << view.radio;
        EXPECT_EQ(form->fnStatusText(), fnText(view.status)) << view.radio;
        for (const auto& [k, at] : view.fields) {
            QLineEdit* edit = fnEdit(k);
            EXPECT_TRUE(edit->isVisible()) << view.radio << " " << k;
            EXPECT_EQ(edit->x(), at.x()) << view.radio << " " << k;
            if (at.y() >= 0) {
                EXPECT_EQ(edit->y(), at.y()) << view.radio << " " << k;
            }
            QComboBox* unit = fnData().comboInd[static_cast<std::size_t>(k)];
            const bool hidden = std::find(view.hiddenUnits.begin(), view.hiddenUnits.end(), k)
                                != view.hiddenUnits.end();
            EXPECT_EQ(unit->isVisible(), !hidden) << view.radio << " " << k;
            if (!hidden) {
                EXPECT_EQ(unit->x(), edit->x() + edit->width() + 2);
                EXPECT_EQ(unit->y(), edit->y() - 4);
                EXPECT_FALSE(unit->isEnabled());
                EXPECT_EQ(unit->currentText(), fnText(TextId::UnitMm));
            }
        }
        // Nothing of the view reaches outside the panel.
        for (QWidget* child : page->PanelInduction->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && child != static_cast<QWidget*>(page->imageResultInd)) {
                EXPECT_LE(child->geometry().right(), page->PanelInduction->width() + 20)
                    << view.radio << " " << child->objectName().toStdString();
            }
        }
    }
}

// The direction radios have the height of the inductance field and sit 8 px
// apart; the style's indicator fits in that height, uncut.
TEST_F(InductionPage, DirectionRadiosHaveTheFieldsHeight)
{
    QRadioButton* fromN = fnData().rbIndFromN;
    QRadioButton* fromL = fnData().rbNFromInd;
    EXPECT_EQ(fromN->height(), fnEdit(OneL)->height());
    EXPECT_EQ(fromL->height(), fnEdit(OneL)->height());
    EXPECT_EQ(fromL->y(), fromN->y() + fromN->height() + 8);
    EXPECT_EQ(fnData().checkMpCoil->height(), fromN->height());
    EXPECT_LE(fromN->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, fromN), fromN->height());
    EXPECT_LE(fromN->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, fromN), fromN->height());
}

// Beside the formula's results: the wire to cut and its resistance, the value
// by exact physics; both go with the result they belong to.
TEST_F(InductionPage, WireAndExactValueBesideTheResult)
{
    QWidget* sheet = page->fnTabSheet();
    for (const char* name : {"labelWireLength", "labelWireResistance", "labelExactInd", "labelToroidAL", "labelToroidN",
                             "labelToroidTurns"}) {
        auto* label = sheet->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->parentWidget(), page->PanelInduction) << name;
    }
    prTypeAll({{OneLen, "10"}, {OneD0, "10"}, {OneWire, "0,5"}, {OneN, "10"}});
    EXPECT_EQ(fnData().labelWireLength->text(), "0,330 " + fnText(TextId::UnitM));
    EXPECT_EQ(fnData().labelWireResistance->text(), "29,0 " + fnText(TextId::UnitMilliOhm));
    EXPECT_TRUE(fnData().labelExactInd->isVisible());
    EXPECT_TRUE(fnData().labelExactInd->text().startsWith(fnText(TextId::CoilExact).arg(QString())))
        << fnData().labelExactInd->text().toStdString();
    EXPECT_TRUE(fnData().labelExactInd->text().contains("%"));
    // Turns from inductance: the exact turns.
    prClick(fnData().rbNFromInd);
    prType(OneL, "0,75");
    EXPECT_TRUE(fnData().labelExactInd->text().endsWith(
        fnText(TextId::CoilExactTurns).arg(QString()).mid(fnText(TextId::CoilExactTurns).indexOf("%1") + 2)))
        << fnData().labelExactInd->text().toStdString();
    // No turns known: nothing beside nothing.
    prTypeInto(fnEdit(OneL), "");
    EXPECT_EQ(fnData().labelWireLength->text(), "");
    EXPECT_FALSE(fnData().labelExactInd->isVisible());
    // Ctrl+C: the view, its fields with their units, its results by name.
    prClick(fnData().rbIndFromN);
    prType(OneN, "10");
    fnEdit(OneN)->setFocus();
    QTest::keyClick(fnEdit(OneN), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    EXPECT_EQ(lines.value(0), fnText(TextId::CoilSingleLayerTitle));
    EXPECT_TRUE(lines.contains(fnText(TextId::CoilCaptionL) + ": " + fnMicro("0,75")))
        << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.contains(fnText(TextId::CoilCaptionFormer) + ": 10 " + fnText(TextId::UnitMm)))
        << lines.join(" | ").toStdString();
    EXPECT_TRUE(lines.contains(fnText(TextId::CoilWireLength) + ": 0,330 " + fnText(TextId::UnitM)));
    EXPECT_TRUE(lines.filter(fnText(TextId::CoilExact).arg(QString())).size() == 1) << lines.join(" | ").toStdString();
    // The flat spiral: one entry per outline.
    prClick(page->rbCoilPloski);
    prTypeAll({{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}});
    EXPECT_EQ(fnData().labelExactInd->text().count('%'), 4);
    EXPECT_FALSE(fnData().labelWireLength->isVisible());
}

// A toroid on a core by name: its sizes fill in, AL shows, L = AL N^2, and
// the other way the turns for a wanted inductance; typing a size returns
// the list to own sizes.
TEST_F(InductionPage, ToroidCoresByName)
{
    prClick(page->rbCoilTor);
    QComboBox* cores = fnData().comboToroidCore;
    ASSERT_NE(cores, nullptr);
    EXPECT_EQ(cores->objectName(), "comboToroidCore");
    EXPECT_EQ(cores->itemText(0), fnText(TextId::CoilToroidOwnSizes));
    EXPECT_EQ(cores->itemText(1), "T-37-2");
    EXPECT_EQ(cores->itemText(20), "FT-114-61");
    EXPECT_FALSE(fnData().rbIndFromN->isVisible());
    cores->setCurrentIndex(2); // T-50-2
    EXPECT_EQ(fnEdit(TorDo)->text(), "12,7");
    EXPECT_EQ(fnEdit(TorDi)->text(), "7,70");
    EXPECT_EQ(fnEdit(TorH)->text(), "4,83");
    EXPECT_EQ(fnData().labelToroidAL->text(), fnText(TextId::CoilToroidAl).arg("4,9"));
    EXPECT_TRUE(fnData().rbIndFromN->isVisible());
    EXPECT_FALSE(fnEdit(TorMu)->isVisible());
    prType(TorN, "10");
    EXPECT_EQ(fnResult(IndResult::Tor)->text(), fnMicro("0,4900"));
    EXPECT_FALSE(fnData().labelExactInd->isVisible());
    // The wanted inductance: 1,2 uH is 15,6 turns, wound as 16.
    prClick(fnData().rbNFromInd);
    QLineEdit* wanted = page->fnTabSheet()->findChild<QLineEdit*>("editToroidL");
    ASSERT_NE(wanted, nullptr);
    EXPECT_TRUE(wanted->isVisible());
    wanted->setFocus();
    QTest::keyClicks(wanted, "1,2");
    EXPECT_EQ(fnData().labelToroidN->text(), fnText(TextId::CoilToroidN).arg("15,6"));
    EXPECT_EQ(fnData().labelToroidTurns->text(), fnText(TextId::CoilToroidWholeTurns).arg("16", fnMicro("1,25")));
    // The toroid remembers its direction across the views.
    prClick(page->rbCoilOneSloi);
    prClick(page->rbCoilTor);
    EXPECT_TRUE(fnData().rbNFromInd->isChecked());
    EXPECT_EQ(fnData().labelToroidN->text(), fnText(TextId::CoilToroidN).arg("15,6"));
    // A size typed over: own sizes again, the formula's view as before.
    prType(TorDo, "20");
    EXPECT_EQ(cores->currentIndex(), 0);
    EXPECT_FALSE(fnData().rbIndFromN->isVisible());
    EXPECT_TRUE(fnEdit(TorMu)->isVisible());
    EXPECT_FALSE(fnData().labelToroidAL->isVisible());
}

TEST_F(InductionPage, TwoTabsAreIndependent)
{
    TMyInductionPage* first = page;
    prTypeAll({{OneLen, "10"}, {OneD0, "10"}, {OneN, "10"}});
    TMyInductionPage* second = fnOpen();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->fnData().editInd[OneLen]->text(), "0");
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusSingleNoSizeNoN));
    prTypeInto(second->fnData().editInd[OneLen], "25");
    EXPECT_EQ(first->fnData().editInd[OneLen]->text(), "10");
    EXPECT_EQ(first->fnData().labelResInd[1]->text(), fnMicro("0,69"));

    // Each tab keeps its status text.
    form->fnPageControl()->setCurrentWidget(first->fnTabSheet());
    EXPECT_EQ(form->fnStatusText(), fnText(TextId::StatusCoilDone));
}

} // namespace
