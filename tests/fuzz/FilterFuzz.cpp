// The filter solver fed a sequence of typed fields and unit choices, as the
// page tracks them: the given order stays a list of distinct quantity codes,
// the field being typed in is never cleared, and every recalculation is
// deterministic and never shows "nan"/"inf".
#include "FuzzSupport.h"

#include "calculators/Filters/FilterEngine.h"

#include <cstdint>
#include <string>

namespace {

bool fnSame(const TFilterSection& a, const TFilterSection& b)
{
    return a.F == b.F && a.C == b.C && a.twoC == b.twoC && a.halfC == b.halfC && a.L == b.L && a.twoL == b.twoL &&
           a.halfL == b.halfL && a.R == b.R && a.twoR == b.twoR && a.halfR == b.halfR;
}

void prCheckOrder(const TGivenOrder& order)
{
    for (std::size_t i = 0; i < order.size(); ++i) {
        QF_CHECK(order[i] >= FilterCode::None && order[i] <= FilterCode::LR, "a given-order code out of range");
        for (std::size_t j = i + 1; j < order.size(); ++j)
            QF_CHECK(order[i] == FilterCode::None || order[i] != order[j], "a quantity twice in the given order");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);

    TFilterFields fields;
    TGivenOrder order{};
    const int steps = 1 + provider.ConsumeIntegral<std::uint8_t>() % 10;
    for (int step = 0; step < steps; ++step) {
        const auto input = static_cast<TFilterInput>(provider.ConsumeIntegral<std::uint8_t>() % FilterInputCount);
        const auto at = static_cast<std::size_t>(input);
        // A unit choice, and a text typed (with the focus) or written by the program.
        fields.unit[at] = provider.ConsumeIntegral<std::uint8_t>() % 6 - 1;
        const bool typed = provider.ConsumeBool();
        fields.text[at] = provider.ConsumeRandomLengthString(16);
        if (typed) {
            const TFilterTyping typing = prTrackGiven(order, input, fnTextToFloat(fields.text[at]));
            QF_CHECK(!typing.clear[at], "the field being typed in was cleared");
            for (std::size_t k = 0; k < FilterInputCount; ++k)
                if (typing.clear[k])
                    fields.text[k].clear();
        }
        prCheckOrder(order);

        const TFilterSection section = prCalcFilter(order, fields);
        QF_CHECK(fnSame(section, prCalcFilter(order, fields)), "the filter solver is not deterministic");
        for (const std::string* text : {&section.F, &section.C, &section.twoC, &section.halfC, &section.L,
                                        &section.twoL, &section.halfL, &section.R, &section.twoR, &section.halfR})
            QF_CHECK(!qffuzz::fnShowsNonFinite(*text), "the filter solver showed nan or inf");
        // Twice a positive element is positive: it shows exactly when the element does.
        QF_CHECK(section.C.empty() == section.twoC.empty(), "a capacitor shown without its double");
        QF_CHECK(section.L.empty() == section.twoL.empty(), "an inductor shown without its double");
        QF_CHECK(section.R.empty() == section.twoR.empty(), "a resistor shown without its double");
    }
    return 0;
}
