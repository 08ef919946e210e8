// What a user waits for, measured offscreen on the real window: one keystroke
// or click on a page up to its results repainted.
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

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// One window for the whole run, shown and active as a user has it.
TMyFormMain& fnForm()
{
    static std::unique_ptr<TMyFormMain> form = [] {
        auto made = std::make_unique<TMyFormMain>();
        made->show();
        made->activateWindow();
        (void)QTest::qWaitForWindowExposed(made.get());
        return made;
    }();
    return *form;
}

// Paints what the change left dirty, as the event loop does before the user sees it.
void prRepaint(QWidget*) { QCoreApplication::processEvents(); }

void BM_MarkingChartClick(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuColorMarkClick();
    TMyColorMarkPage* page = fnColorMarkPage(form.fnActivePageIndex());
    const TRect& brown = page->fnPlaces().cell[4][1];
    const TRect& red = page->fnPlaces().cell[5][1];
    bool flip = false;
    for (auto _ : state) {
        const TRect& cell = flip ? brown : red;
        flip = !flip;
        QTest::mouseClick(page->imagePanelResult, Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
        prRepaint(page->imagePanelResult);
    }
}
BENCHMARK(BM_MarkingChartClick)->Unit(benchmark::kMicrosecond);

// Types a key into a focused field and takes it back, alternately; each
// iteration is one keystroke up to the repaint.
void prKeystrokes(benchmark::State& state, QLineEdit* field, Qt::Key key)
{
    field->setFocus();
    field->end(false);
    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(field, grow ? key : Qt::Key_Backspace);
        grow = !grow;
        prRepaint(field);
    }
}

void BM_TransformerKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuTransformerClick();
    TMyTrans* page = fnTransPage(form.fnActivePageIndex());
    page->editA->setText("20");
    prKeystrokes(state, page->editA, Qt::Key_5);
}
BENCHMARK(BM_TransformerKeystroke)->Unit(benchmark::kMicrosecond);

// Enter runs the whole transformer design and shows it.
void BM_TransformerEnter(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuTransformerClick();
    TMyTrans* page = fnTransPage(form.fnActivePageIndex());
    for (QLineEdit* edit : {page->editA, page->editH, page->editB, page->editC})
        edit->setText("20");
    page->editJ->setFocus();
    for (auto _ : state) {
        QTest::keyClick(page->editJ, Qt::Key_Return);
        prRepaint(page->editJ);
    }
}
BENCHMARK(BM_TransformerEnter)->Unit(benchmark::kMicrosecond);

void BM_CoilKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuCoilClick();
    TInductionData& data = fnInductionPage(form.fnActivePageIndex())->fnData();
    using namespace induction::IndEdit;
    for (int k : {OneLen, OneD0, OneN})
        data.editInd[static_cast<std::size_t>(k)]->setText("10");
    prKeystrokes(state, data.editInd[OneN], Qt::Key_5);
}
BENCHMARK(BM_CoilKeystroke)->Unit(benchmark::kMicrosecond);

// The coil page at its heaviest, the exact physics computed on every
// keystroke: 2000 turns of 0,1 mm wire (single layer, both directions), a
// multi-layer coil of 2000 turns, and a flat spiral of 100 turns.
void BM_CoilKeystrokeExact(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuCoilClick();
    TMyInductionPage* page = fnInductionPage(form.fnActivePageIndex());
    TInductionData& data = page->fnData();
    using namespace induction::IndEdit;
    const auto type = [&](int k, const char* text) { prTypeInto(data.editInd[static_cast<std::size_t>(k)], text); };
    QLineEdit* field = nullptr;
    switch (state.range(0)) {
    case 0: // single layer, 2000 turns: inductance and the exact value
        type(OneLen, "200");
        type(OneWire, "0,1");
        type(OneD0, "30");
        type(OneN, "200");
        field = data.editInd[OneN];
        break;
    case 1: // single layer, the turns for 8 and 80 µH by exact physics
        data.rbNFromInd->click();
        type(OneLen, "200");
        type(OneWire, "0,1");
        type(OneD0, "30");
        type(OneL, "8");
        field = data.editInd[OneL];
        break;
    case 2: // multi-layer, 2000 turns
        page->rbCoilManySloi->click();
        data.rbIndFromN->click();
        type(ManyLen, "20");
        type(ManyD, "40");
        type(ManyC, "10");
        type(ManyWire, "0,2");
        type(ManyN, "200");
        field = data.editInd[ManyN];
        break;
    default: // flat spiral, 100 turns, all four outlines
        page->rbCoilPloski->click();
        type(FlatDo, "60");
        type(FlatDi, "20");
        type(FlatN, "10");
        field = data.editInd[FlatN];
        break;
    }
    prKeystrokes(state, field, Qt::Key_0);
}
BENCHMARK(BM_CoilKeystrokeExact)->DenseRange(0, 3)->ArgName("view")->Unit(benchmark::kMicrosecond);

void BM_MarkingSmdKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuColorMarkClick();
    TMyColorMarkPage* page = fnColorMarkPage(form.fnActivePageIndex());
    page->editSMDres->setText("47");
    prKeystrokes(state, page->editSMDres, Qt::Key_2);
}
BENCHMARK(BM_MarkingSmdKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FilterKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuFilterClick();
    TMyFiltersPage* page = fnFiltersPage(form.fnActivePageIndex());
    page->fnEdit(filters::TFilterInput::F)->setText("1");
    page->fnEdit(filters::TFilterInput::C)->setText("4");
    prKeystrokes(state, page->fnEdit(filters::TFilterInput::C), Qt::Key_7);
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMicrosecond);

// The filter page with its parts rounded to E24: every keystroke also rounds
// sixteen values and simulates the three LC sections built from them.
void BM_FilterKeystrokeE24(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuFilterClick();
    TMyFiltersPage* page = fnFiltersPage(form.fnActivePageIndex());
    page->fnData().comboSeries->setCurrentIndex(3); // E24
    page->fnCombo(filters::TFilterInput::F)->setCurrentIndex(2);
    prTypeInto(page->fnEdit(filters::TFilterInput::F), "7");
    prTypeInto(page->fnEdit(filters::TFilterInput::R), "5");
    prKeystrokes(state, page->fnEdit(filters::TFilterInput::R), Qt::Key_0);
}
BENCHMARK(BM_FilterKeystrokeE24)->Unit(benchmark::kMicrosecond);

// The ladder designer at its largest: a ninth-order Chebyshev, its schematic
// and both curves (E12 parts) repainted on every keystroke.
void BM_LadderKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuLadderClick();
    TMyLadderPage* page = fnLadderPage(form.fnActivePageIndex());
    page->rbLadderChebyshev->click();
    page->comboLadderOrder->setCurrentIndex(8);
    page->comboSeries->setCurrentIndex(2);
    prTypeInto(page->editLadderF, "7");
    prKeystrokes(state, page->editLadderF, Qt::Key_1);
}
BENCHMARK(BM_LadderKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FormulasKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuFormulasClick();
    TFormulasPageData& data = fnFormulasPage(form.fnActivePageIndex())->fnData();
    data.editFormula[0]->setText("1");
    data.editFormula[1]->setText("47");
    prKeystrokes(state, data.editFormula[1], Qt::Key_0);
}
BENCHMARK(BM_FormulasKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
