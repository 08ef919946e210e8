// The filter solver fed a sequence of typed fields and unit choices, as the
// page tracks them: the given order stays a list of distinct quantity codes,
// the field being typed in is never cleared, and every recalculation is
// deterministic and never shows "nan"/"inf".
#include "FuzzSupport.h"

#include "calculators/Filters/FilterEngine.h"

#include <cstdint>
#include <string>

using namespace filters;

namespace {

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

        const auto kind = provider.ConsumeBool() ? TFilterKind::LowPass : TFilterKind::HighPass;
        const TFilterSection section = prCalcFilter(order, fields, kind);
        QF_CHECK(section == prCalcFilter(order, fields, kind), "the filter solver is not deterministic");
        QF_CHECK(!qffuzz::fnShowsNonFinite(section.F), "the filter solver showed nan or inf");
        for (const std::string& text : section.capacitors)
            QF_CHECK(!qffuzz::fnShowsNonFinite(text), "the filter solver showed nan or inf");
        for (const std::string& text : section.inductors)
            QF_CHECK(!qffuzz::fnShowsNonFinite(text), "the filter solver showed nan or inf");
        for (const std::string& text : section.resistors)
            QF_CHECK(!qffuzz::fnShowsNonFinite(text), "the filter solver showed nan or inf");
    }
    return 0;
}
