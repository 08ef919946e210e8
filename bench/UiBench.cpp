// What a user waits for, measured offscreen on the real window: one keystroke
// or click on a page up to its results repainted.
#include "app/MainForm.h"
#include "calculators/ColorMark/ColorMarkPage.h"
#include "calculators/Filters/FiltersPage.h"
#include "calculators/Formulas/FormulasPage.h"
#include "calculators/Induction/InductionPage.h"
#include "common/ImageCanvas.h"

#include <QApplication>
#include <QLineEdit>
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

void BM_CoilKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuCoilClick();
    TMyInductionPage* page = fnInductionPage(form.fnActivePageIndex());
    TInductionData& data = page->fnData();
    for (int k : {IndEdit::OneLen, IndEdit::OneD0, IndEdit::OneN})
        data.editInd[static_cast<std::size_t>(k)]->setText("10");
    QLineEdit* turns = data.editInd[IndEdit::OneN];
    turns->setFocus();
    turns->end(false);
    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(turns, grow ? Qt::Key_5 : Qt::Key_Backspace);
        grow = !grow;
        prRepaint(page->PanelInduction);
    }
}
BENCHMARK(BM_CoilKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FilterKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuFilterClick();
    TMyFiltersPage* page = fnFiltersPage(form.fnActivePageIndex());
    page->fnEdit(TFilterInput::F)->setText("1");
    QLineEdit* capacitance = page->fnEdit(TFilterInput::C);
    capacitance->setFocus();
    capacitance->setText("4");
    capacitance->end(false);
    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(capacitance, grow ? Qt::Key_7 : Qt::Key_Backspace);
        grow = !grow;
        prRepaint(page->PanelResultFilters);
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMicrosecond);

void BM_FormulasKeystroke(benchmark::State& state)
{
    TMyFormMain& form = fnForm();
    form.prMenuFormulasClick();
    TMyFormulasPage* page = fnFormulasPage(form.fnActivePageIndex());
    QLineEdit* frequency = page->fnData().editFormula[0];
    QLineEdit* capacitance = page->fnData().editFormula[1];
    frequency->setFocus();
    frequency->setText("1");
    capacitance->setFocus();
    capacitance->setText("47");
    capacitance->end(false);
    bool grow = true;
    for (auto _ : state) {
        QTest::keyClick(capacitance, grow ? Qt::Key_0 : Qt::Key_Backspace);
        grow = !grow;
        prRepaint(page->PanelFormulas);
    }
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
