// One whole recalculation of each calculator's engine, as a keystroke runs it:
// the page's field texts in, result texts and the status id out.
#include "calculators/ColorMark/MarkingDecoder.h"
#include "calculators/Filters/FilterEngine.h"
#include "calculators/Formulas/FormulasEngine.h"
#include "calculators/Induction/InductionEngine.h"
#include "calculators/Ladder/LadderEngine.h"
#include "common/core/Numbers.h"
#include "common/core/StandardValues.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

induction::TInductionFields fnCoil(induction::TCoilKind kind, std::vector<std::pair<int, const char*>> texts)
{
    induction::TInductionFields fields;
    fields.kind = kind;
    fields.editInd.fill("0");
    for (const auto& [edit, text] : texts)
        fields.editInd[static_cast<std::size_t>(edit)] = text;
    return fields;
}

void BM_InductionRecalc(benchmark::State& state)
{
    using namespace induction;
    using namespace induction::IndEdit;
    prSetDecimalSeparator(',');
    const TInductionFields kinds[] = {
        fnCoil(TCoilKind::OneSloi, {{OneN, "10"}, {OneD0, "10"}, {OneWire, "0,5"}, {OneLen, "10"}, {OneMu, "1"}}),
        fnCoil(TCoilKind::ManySloi, {{ManyN, "100"}, {ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}, {ManyMu, "1"}}),
        fnCoil(TCoilKind::Ploski, {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}}),
        fnCoil(TCoilKind::Provod, {{WireLen, "100"}, {WireD, "1"}, {WireH, "10"}}),
        fnCoil(TCoilKind::Tor, {{TorN, "10"}, {TorMu, "2000"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}}),
    };
    const TInductionFields& start = kinds[state.range(0)];
    for (auto _ : state) {
        TInductionFields fields = start;
        benchmark::DoNotOptimize(prCalcInduction(fields));
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_InductionRecalc)->DenseRange(0, 4)->ArgName("kind");

// Typing Di on the flat spiral: four linked fields written, then the four outlines.
void BM_InductionLinkedTyping(benchmark::State& state)
{
    using namespace induction;
    using namespace induction::IndEdit;
    prSetDecimalSeparator(',');
    const TInductionFields start = fnCoil(TCoilKind::Ploski, {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}});
    for (auto _ : state) {
        TInductionFields fields = start;
        fields.focusedEdit = FlatDi;
        benchmark::DoNotOptimize(prEditChangeInd(fields, FlatDi));
    }
}
BENCHMARK(BM_InductionLinkedTyping);

} // namespace

namespace {

// Decoding the marking families: band code to display model, and one run of
// the SMD normaliser as a keystroke in its field makes it.
void BM_MarkingDecode(benchmark::State& state)
{
    using namespace marking;
    const char* const codes[] = {"102BFF", "10011F", "47221A", "1023FF"};
    std::size_t k = 0;
    for (auto _ : state) {
        const char* code = codes[k++ & 3];
        benchmark::DoNotOptimize(prDecodeRes(code));
        benchmark::DoNotOptimize(prDecodeCap(code));
        benchmark::DoNotOptimize(prDecodeDross(code));
        benchmark::DoNotOptimize(fnDisplayItems(prDecodeRes(code)));
    }
}
BENCHMARK(BM_MarkingDecode);

void BM_SmdKeystroke(benchmark::State& state)
{
    using namespace marking;
    const char* const texts[] = {"4r7", "01C", "12A3", "1002", "r4rx"};
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(prSmdCodeToRes(texts[k++ % 5], 3));
}
BENCHMARK(BM_SmdKeystroke);

} // namespace

namespace {

// One solve-and-format of the filter page: read two givens, derive, format every section's values.
void BM_FilterSolveAndFormat(benchmark::State& state)
{
    using namespace filters;
    prSetDecimalSeparator(',');
    TGivenOrder order{};
    prTrackGiven(order, TFilterInput::F, 1);
    prTrackGiven(order, TFilterInput::C, 1);
    const TFilterFields fields{{"1", "1", "", ""}, {1, 2, 0, 0}};
    for (auto _ : state)
        benchmark::DoNotOptimize(prCalcFilter(order, fields, TFilterKind::LowPass));
}
BENCHMARK(BM_FilterSolveAndFormat);

} // namespace

namespace {

// One evaluation of each formula with two or three quantities typed.
void BM_FormulaEvaluate(benchmark::State& state)
{
    using namespace formulas;
    prSetDecimalSeparator(',');
    const int ids[] = {FormulaId::Resonance, FormulaId::Wave,       FormulaId::Quality, FormulaId::Resistors,
                       FormulaId::Inductors, FormulaId::Capacitors, FormulaId::Throw};
    const int formula = ids[state.range(0)];
    TFormulaFields fields;
    fields.formula = formula;
    fields.text.fill("3");
    const std::vector<TSlotSpec> specs = fnFormulaSlots(formula);
    for (std::size_t k = 0; k < specs.size(); ++k)
        fields.unit[k] = specs[k].selected;
    fields.text[0].assign(1, '0');
    for (int slot = 2; slot <= static_cast<int>(specs.size()); ++slot)
        prSlotTyped(fields.order, slot);
    for (auto _ : state)
        benchmark::DoNotOptimize(prCalcFormula(fields));
    state.SetLabel(std::to_string(formula));
}
BENCHMARK(BM_FormulaEvaluate)->DenseRange(0, 6)->ArgName("formula");

} // namespace

namespace {

// One redraw of the ladder page: the design, then its loss at 400 points
// log-spaced from F/10 to 10F. The largest Chebyshev (order 9) and the
// smallest Butterworth (order 1).
void BM_LadderDesignAndResponse(benchmark::State& state)
{
    TLadderSpec inputs;
    inputs.response = state.range(0) == 9 ? TLadderResponse::Chebyshev : TLadderResponse::Butterworth;
    inputs.order = static_cast<int>(state.range(0));
    inputs.rippleDb = 0.1;
    inputs.cutoffHz = 7e6;
    inputs.impedanceOhm = 50;
    constexpr int Points = 400;
    std::vector<double> lossDb(Points);
    for (auto _ : state) {
        const std::vector<TLadderElement> ladder = fnDesignLadder(inputs);
        for (int k = 0; k < Points; ++k) {
            const double hz = inputs.cutoffHz / 10 * std::pow(100.0, k / double(Points - 1));
            lossDb[static_cast<std::size_t>(k)] = fnLadderLossDb(ladder, inputs.impedanceOhm, hz);
        }
        benchmark::DoNotOptimize(lossDb.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LadderDesignAndResponse)->Arg(1)->Arg(9)->ArgName("order")->Unit(benchmark::kMicrosecond);

// The nearest member of a standard series, as every rounded value on a page asks for it.
void BM_NearestStandard(benchmark::State& state)
{
    const auto series = static_cast<TESeries>(state.range(0));
    double value = 1.234e-9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fnNearestStandard(value, series));
        // Walk twelve decades and start over, so no iteration times the early exit of inf.
        value *= 1.0001;
        if (value > 1e3)
            value = 1.234e-9;
    }
}
BENCHMARK(BM_NearestStandard)
    ->Arg(static_cast<int>(TESeries::E24))
    ->Arg(static_cast<int>(TESeries::E192))
    ->ArgName("series");

} // namespace
