// The formula evaluators on any formula, typing order, unit choices and slot
// texts: deterministic, never "nan"/"inf" in a result label, the only text
// written back into a field is "0", and the recalculation the page makes after
// that write-back is as sound as the first.
#include "FuzzSupport.h"

#include "calculators/Formulas/FormulasEngine.h"

#include <cstdint>
#include <string>

using namespace formulas;

namespace {

constexpr int Formulas[] = {FormulaId::Resonance, FormulaId::Wave,       FormulaId::Quality, FormulaId::Resistors,
                            FormulaId::Inductors, FormulaId::Capacitors, FormulaId::Throw};
constexpr int FormulaCount = static_cast<int>(std::size(Formulas));

bool fnSame(const TFormulaResults& a, const TFormulaResults& b)
{
    return a.label == b.label && a.besideSlot == b.besideSlot && a.writeBack == b.writeBack;
}

TFormulaResults fnCheckedRun(const TFormulaFields& fields)
{
    const TFormulaResults results = prCalcFormula(fields);
    QF_CHECK(fnSame(results, prCalcFormula(fields)), "a formula evaluator is not deterministic");
    for (int k = 0; k < FormulaSlots; ++k) {
        const auto at = static_cast<std::size_t>(k);
        QF_CHECK(!qffuzz::fnShowsNonFinite(results.label[at]), "a formula result shows nan or inf");
        QF_CHECK(results.besideSlot[at] >= 0 && results.besideSlot[at] <= FormulaSlots, "a result beside no slot");
        QF_CHECK(!results.writeBack[at] || *results.writeBack[at] == "0", "a field written back with other than 0");
    }
    return results;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);

    TFormulaFields fields;
    const int pick = provider.ConsumeIntegral<std::uint8_t>() % (FormulaCount + 1);
    fields.formula = pick < FormulaCount ? Formulas[pick] : provider.ConsumeIntegral<int>();
    for (int& unit : fields.unit)
        unit = provider.ConsumeIntegral<std::uint8_t>() % 7 - 1;
    for (std::string& text : fields.text)
        text = provider.ConsumeRandomLengthString(16);
    // A velocity choice puts its own text and unit into the velocity slot.
    const int velocity = provider.ConsumeIntegral<std::uint8_t>() % 4;
    if (fields.formula == FormulaId::Wave && velocity > 0) {
        const TVelocitySetting setting = fnVelocitySetting(static_cast<TVelocity>(velocity));
        if (!setting.editable) {
            fields.text[0] = setting.text;
            fields.unit[0] = setting.unit;
        }
    }
    const int typings = provider.ConsumeIntegral<std::uint8_t>() % 13;
    for (int k = 0; k < typings; ++k)
        prSlotTyped(fields.order, provider.ConsumeIntegral<std::uint8_t>() % (FormulaSlots + 2));
    for (std::size_t i = 0; i < fields.order.size(); ++i) {
        QF_CHECK(fields.order[i] >= 0 && fields.order[i] <= FormulaSlots, "a slot out of range in the order");
        for (std::size_t j = i + 1; j < fields.order.size(); ++j)
            QF_CHECK(fields.order[i] == 0 || fields.order[i] != fields.order[j], "a slot twice in the order");
    }

    const TFormulaResults first = fnCheckedRun(fields);
    // The page writes the "0"s back; that change recalculates again.
    bool wrote = false;
    for (std::size_t k = 0; k < first.writeBack.size(); ++k) {
        if (first.writeBack[k]) {
            fields.text[k] = *first.writeBack[k];
            wrote = true;
        }
    }
    if (wrote)
        fnCheckedRun(fields);
    return 0;
}
