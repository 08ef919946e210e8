// Writes offscreen screenshots of the window for the README and for checking
// the drawings by eye: the help page and every view of every calculator.
//   quillfern_screenshots <output-dir> [--dark] [--en]
// --dark builds the window under a dark desktop palette (light text on dark
// fields), as a dark desktop theme hands the program.
#include "app/MainForm.h"
#include "calculators/ColorMark/ColorMarkPage.h"
#include "calculators/Filters/FiltersPage.h"
#include "calculators/Formulas/FormulasPage.h"
#include "calculators/Induction/InductionPage.h"
#include "calculators/Ladder/LadderPage.h"
#include "calculators/Transformer/TransformerPage.h"
#include "common/ui/ImageCanvas.h"
#include "common/ui/NumberField.h"
#include "tests/support/TypeInto.h"
#include "text/MultiLanguage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace {

void prSave(QWidget& window, const QString& path)
{
    QApplication::processEvents();
    window.grab().save(path);
}

void prTransformerShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuTransformerClick();
    const int page = form.fnActivePageIndex();
    QWidget* sheet = form.fnPageControl()->widget(page);
    const char* kinds[] = {"rbSerdLamEI", "rbSerdLentEI", "rbSerdLamUI", "rbSerdLentUI", "rbSerdO"};
    for (const char* kind : kinds) {
        if (auto* radio = sheet ? sheet->findChild<QRadioButton*>(kind) : nullptr) {
            radio->click();
            prSave(form, dir + "/transformer-" + QString::fromLatin1(kind) + ".png");
        }
    }

    // A worked design for the README: an E-I core 20 x 30 mm, window 10 x 30 mm,
    // secondaries of 12 V 1 A and 6,3 V 0,5 A.
    form.prMenuTransformerClick();
    if (TMyTrans* trans = fnTransPage(form.fnActivePageIndex())) {
        trans->editA->setText("20");
        trans->editH->setText("30");
        trans->editB->setText("10");
        trans->editC->setText("30");
        const char* cells[][3] = {{"12", "1", nullptr}, {"6,3", "0,5", nullptr}};
        for (int k = 0; k < 2; ++k)
            for (int col = 1; col <= 2; ++col)
                trans->sgTransOutput->item(2 + k, col)->setText(QString::fromUtf8(cells[k][col - 1]));
        trans->prCalcOnPage();
        prSave(form, dir + "/transformer.png");
    }
}

void prCoilShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuCoilClick();
    TMyInductionPage* page = fnInductionPage(form.fnActivePageIndex());
    if (!page)
        return;
    TInductionData& data = page->fnData();
    const auto type = [&](std::initializer_list<std::pair<int, const char*>> values) {
        for (const auto& [edit, text] : values)
            prTypeInto(data.editInd[static_cast<std::size_t>(edit)], QString::fromUtf8(text));
    };
    using namespace induction::IndEdit;

    // Single-layer, both directions: 10 turns on a 10 mm former, 0,5 mm wire, 10 mm long.
    type({{OneLen, "10"}, {OneD0, "10"}, {OneWire, "0,5"}, {OneN, "10"}});
    prSave(form, dir + "/coil-single-fromN.png");
    data.rbNFromInd->click();
    data.comboInd[OneL]->setCurrentIndex(0);
    type({{OneL, "4,7"}});
    prSave(form, dir + "/coil-single-fromL.png");

    page->rbCoilManySloi->click();
    type({{ManyLen, "10"}, {ManyDo, "30"}, {ManyDi, "10"}, {ManyWire, "0,3"}, {ManyN, "100"}});
    data.checkMpCoil->click();
    prSave(form, dir + "/coil-multi-fromN.png");
    data.rbNFromInd->click();
    type({{ManyL, "160"}});
    prSave(form, dir + "/coil-multi-fromL.png");

    page->rbCoilPloski->click();
    type({{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}});
    prSave(form, dir + "/coil-flat.png");

    page->rbCoilProvod->click();
    type({{WireLen, "100"}, {WireD, "1"}, {WireH, "10"}});
    prSave(form, dir + "/coil-wire.png");

    page->rbCoilTor->click();
    type({{TorN, "20"}, {TorMu, "2000"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}});
    prSave(form, dir + "/coil-toroid.png");

    // A T-50-2 iron-powder core: 1,2 µH wanted, the turns to wind.
    data.comboToroidCore->setCurrentIndex(2);
    prSave(form, dir + "/coil-toroid-core.png");
    data.rbNFromInd->click();
    prTypeInto(data.editToroidL, "1,2");
    prSave(form, dir + "/coil-toroid-core-turns.png");
    data.comboToroidCore->setCurrentIndex(0);

    // The README's coil: a single-layer coil, inductance from turns.
    page->rbCoilOneSloi->click();
    data.rbIndFromN->click();
    prSave(form, dir + "/coil.png");
}

// Clicks chart cells (row, band) of the marking page as a user does.
void prClickCells(TMyColorMarkPage* page, std::initializer_list<std::pair<int, int>> cells)
{
    for (const auto& [row, band] : cells) {
        const TRect& cell = page->fnPlaces().cell[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)];
        QTest::mouseClick(page->imagePanelResult, Qt::LeftButton, {}, QPoint(cell.Left + 7, cell.Top + 7));
    }
}

void prMarkingShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuColorMarkClick();
    TMyColorMarkPage* page = fnColorMarkPage(form.fnActivePageIndex());
    if (!page)
        return;
    prSave(form, dir + "/marking-new.png");
    // Resistor yellow, violet, red, gold: 4,7 kOhm 5 %.
    prClickCells(page, {{7, 1}, {10, 2}, {5, 3}, {2, 4}});
    prSave(form, dir + "/marking-resistor.png");
    // Capacitor brown, black, brown, green, orange: 100 pF 0,5 %, its temperature coefficient.
    page->rbMarkCap->click();
    prClickCells(page, {{4, 1}, {3, 2}, {4, 3}, {8, 4}, {6, 5}});
    prSave(form, dir + "/marking-capacitor.png");
    // Inductor brown, black, red, orange: 1,0 mH 3 %.
    page->rbMarkDross->click();
    prClickCells(page, {{4, 1}, {3, 2}, {5, 3}, {6, 4}});
    prSave(form, dir + "/marking-inductor.png");
    // The capacitor code 104 with the letter K.
    page->rbMarkCap->click();
    prTypeInto(page->editCap102, "104");
    page->cbCap104M->setFocus();
    page->cbCap104M->setCurrentIndex(7);
    prSave(form, dir + "/marking-capcode.png");
    // An SMD resistor code typed in: 4r7.
    page->rbMarkRes->click();
    prTypeInto(page->editSMDres, "4r7");
    prSave(form, dir + "/marking-smd.png");
    prTypeInto(page->editSMDres, "01C");
    prSave(form, dir + "/marking.png");
}

void prFilterShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuFilterClick();
    TMyFiltersPage* page = fnFiltersPage(form.fnActivePageIndex());
    if (!page)
        return;
    // 1 kHz and 1 uF: L and R follow.
    prTypeInto(page->fnEdit(filters::TFilterInput::F), "1");
    prTypeInto(page->fnEdit(filters::TFilterInput::C), "1");
    prSave(form, dir + "/filter-lowpass.png");
    page->rbFilterHf->click();
    prSave(form, dir + "/filter-highpass.png");
    page->rbFilterLf->click();
    prSave(form, dir + "/filter.png");

    // A 7 MHz low-pass for 50 Ohm built from E12 parts: the values rounded, and
    // where each LC section then really cuts off.
    form.prMenuFilterClick();
    if (TMyFiltersPage* e12 = fnFiltersPage(form.fnActivePageIndex())) {
        e12->fnCombo(filters::TFilterInput::F)->setCurrentIndex(2);
        prTypeInto(e12->fnEdit(filters::TFilterInput::F), "7");
        prTypeInto(e12->fnEdit(filters::TFilterInput::R), "50");
        e12->fnData().comboSeries->setCurrentIndex(2);
        prSave(form, dir + "/filter-e12.png");
    }
}

void prLadderShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuLadderClick();
    TMyLadderPage* page = fnLadderPage(form.fnActivePageIndex());
    if (!page)
        return;
    // The 40 m harmonic filter: Chebyshev 0,1 dB, seventh order, 7 MHz, 50 Ohm.
    page->rbLadderChebyshev->click();
    page->comboLadderOrder->setCurrentIndex(6);
    prTypeInto(page->editLadderF, "7");
    prSave(form, dir + "/ladder-shunt.png");
    page->rbLadderSeriesFirst->click();
    prSave(form, dir + "/ladder-series.png");
    page->comboSeries->setCurrentIndex(2);
    prSave(form, dir + "/ladder-e12.png");
    page->comboSeries->setCurrentIndex(0);
    page->rbLadderShuntFirst->click();
    prSave(form, dir + "/ladder.png");
    // A receiver's input high-pass: Butterworth, fifth order, 1,8 MHz.
    form.prMenuLadderClick();
    if (TMyLadderPage* high = fnLadderPage(form.fnActivePageIndex())) {
        high->rbLadderHighPass->click();
        high->comboLadderOrder->setCurrentIndex(4);
        prTypeInto(high->editLadderF, "1,8");
        prSave(form, dir + "/ladder-highpass.png");
    }
    // The 2 m band at its largest: Chebyshev, ninth order, 146 MHz, E12 parts
    // below 1 uH and 100 pF, the widest value texts.
    form.prMenuLadderClick();
    if (TMyLadderPage* vhf = fnLadderPage(form.fnActivePageIndex())) {
        vhf->rbLadderChebyshev->click();
        vhf->comboLadderOrder->setCurrentIndex(8);
        vhf->comboSeries->setCurrentIndex(2);
        prTypeInto(vhf->editLadderF, "146");
        prSave(form, dir + "/ladder-vhf.png");
    }
}

void prFormulasShots(TMyFormMain& form, const QString& dir)
{
    form.prMenuFormulasClick();
    TMyFormulasPage* page = fnFormulasPage(form.fnActivePageIndex());
    if (!page)
        return;
    TFormulasPageData& data = page->fnData();
    const auto type = [&](std::initializer_list<std::pair<int, const char*>> values) {
        for (const auto& [slot, text] : values)
            prTypeInto(data.editFormula[static_cast<std::size_t>(slot - 1)], QString::fromUtf8(text));
    };
    const auto pick = [&](QRadioButton* section, int row) {
        section->click();
        data.listFormulas->setCurrentRow(row);
    };
    pick(page->rbRadioF, 0);
    type({{1, "1"}, {2, "1000"}});
    prSave(form, dir + "/formulas-101.png");
    pick(page->rbRadioF, 1);
    type({{2, "40"}});
    prSave(form, dir + "/formulas-102.png");
    pick(page->rbRadioF, 2);
    type({{2, "7000"}, {3, "3"}, {4, "11"}});
    prSave(form, dir + "/formulas-103.png");
    pick(page->rbElectroF, 0);
    type({{1, "1"}, {2, "2,2"}, {5, "4,7"}});
    prSave(form, dir + "/formulas-201.png");
    pick(page->rbElectroF, 1);
    type({{1, "10"}, {2, "30"}});
    prSave(form, dir + "/formulas-202.png");
    pick(page->rbElectroF, 2);
    type({{1, "1"}, {2, "1"}});
    prSave(form, dir + "/formulas-203.png");
    pick(page->rbFizicaF, 0);
    type({{2, "5"}, {3, "10"}, {4, "2"}});
    prSave(form, dir + "/formulas-301.png");
    pick(page->rbRadioF, 0);
    type({{1, "7"}, {2, "470"}});
    prSave(form, dir + "/formulas.png");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillfern"));
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    const QStringList options = QApplication::arguments().mid(2);
    if (options.contains(QStringLiteral("en")) || options.contains(QStringLiteral("--en")))
        prSetLanguage(TLanguage::English);
    if (options.contains(QStringLiteral("--dark"))) {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::AlternateBase, QColor(50, 50, 50));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Button, QColor(60, 60, 60));
        dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
        dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dark);
    }

    TMyFormMain form;
    form.show();
    form.activateWindow();
    (void)QTest::qWaitForWindowExposed(&form);
    prSave(form, dir + "/help.png");
    prTransformerShots(form, dir);
    prCoilShots(form, dir);
    prMarkingShots(form, dir);
    prFilterShots(form, dir);
    prFormulasShots(form, dir);
    prLadderShots(form, dir);
    return 0;
}
