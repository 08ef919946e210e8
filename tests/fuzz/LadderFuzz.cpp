// The ladder designer fed any inputs, and the L/C ladder's loss fed any
// ladder: a design exists exactly when its inputs are in range, has as many
// elements as its order, alternating shunt and series, every value finite and
// positive; the loss is always finite and never negative.
#include "FuzzSupport.h"

#include "calculators/Ladder/LadderEngine.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Any double at all, NaN and infinities included.
double fnAnyDouble(FuzzedDataProvider& provider)
{
    return std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    TLadderSpec spec;
    spec.response = provider.ConsumeBool() ? TLadderResponse::Chebyshev : TLadderResponse::Butterworth;
    spec.kind = provider.ConsumeBool() ? TLadderKind::HighPass : TLadderKind::LowPass;
    spec.shuntFirst = provider.ConsumeBool();
    spec.order = provider.ConsumeIntegral<std::uint8_t>() % 13 - 1;
    spec.rippleDb = fnAnyDouble(provider);
    spec.cutoffHz = fnAnyDouble(provider);
    spec.impedanceOhm = fnAnyDouble(provider);

    const std::vector<TLadderElement> ladder = fnDesignLadder(spec);
    const bool buildable = fnCheckLadderSpec(spec) == TLadderProblem::None;
    QF_CHECK(buildable == !ladder.empty(), "a design and its check disagree");
    if (buildable) {
        QF_CHECK(ladder.size() == static_cast<std::size_t>(spec.order), "a design of another order");
        for (std::size_t k = 0; k < ladder.size(); ++k) {
            QF_CHECK(std::isfinite(ladder[k].value) && ladder[k].value > 0, "an element without a value");
            QF_CHECK(ladder[k].shunt == ((k % 2 == 0) == spec.shuntFirst), "elements not alternating");
        }
        for (const double ratio : {0.1, 1.0, 10.0}) {
            const double loss = fnLadderLossDb(ladder, spec.impedanceOhm, spec.cutoffHz * ratio);
            QF_CHECK(std::isfinite(loss) && loss >= 0, "a loss that is no number");
        }
    }

    // Any ladder at all, any termination and frequency.
    std::vector<TLadderElement> any;
    const int count = provider.ConsumeIntegral<std::uint8_t>() % 13;
    for (int k = 0; k < count; ++k) {
        const bool shunt = provider.ConsumeBool();
        const bool inductor = provider.ConsumeBool();
        any.push_back({shunt, inductor, fnAnyDouble(provider)});
    }
    const double impedance = fnAnyDouble(provider);
    const double loss = fnLadderLossDb(any, impedance, fnAnyDouble(provider));
    QF_CHECK(std::isfinite(loss) && loss >= 0 && loss <= LadderLossCapDb, "a loss that is no number");
    return 0;
}
