// The coil engine fed a sequence of typed fields with any kind, direction,
// focus and units: deterministic, a known status, and every text it writes
// free of "nan"/"inf"; the fields it fills in are numbers the filter keeps.
#include "FuzzSupport.h"

#include "calculators/Induction/InductionEngine.h"
#include "text/TextIds.h"

#include <cstdint>
#include <string>

using namespace induction;

namespace {

bool fnKnownStatus(std::uint32_t status)
{
    using namespace TextId;
    for (std::uint32_t known :
         {StatusCoilNoKind,         StatusToroidNoN,      StatusToroidDoNotAboveDi,  StatusToroidNoCore,
          StatusToroidNoCoreNoN,    StatusWireDone,       StatusWireNoLengthWithH,   StatusWireNoLength,
          StatusSingleNoSizeNoN,    StatusSingleNoSize,   StatusSolenoidNoN,         StatusSingleNoSizeNoL,
          StatusSolenoidNoL,        StatusMultiNoSizeNoN, StatusSingleTurnsDoNotFit, StatusMultiNoSize,
          StatusMultiTurnsDoNotFit, StatusMultiNoSizeNoL, StatusMeanNotAboveBuild,   StatusOuterNotAboveInner,
          StatusFlatHint,           StatusCoilDone})
        if (status == known)
            return true;
    return false;
}

bool fnSame(const TInductionFields& a, const TInductionFields& b)
{
    return a.editInd == b.editInd && a.labelResInd == b.labelResInd;
}

// The page as it opens: every field "0", the permeabilities "1".
TInductionFields fnOpenPage()
{
    TInductionFields fields;
    fields.editInd.fill("0");
    for (int mu : {IndEdit::OneMu, IndEdit::ManyMu, IndEdit::TorMu})
        fields.editInd[static_cast<std::size_t>(mu)] = "1";
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);

    TInductionFields fields = fnOpenPage();
    fields.kind = static_cast<TCoilKind>(provider.ConsumeIntegral<std::uint8_t>() % 5);
    fields.fromN = provider.ConsumeBool();
    fields.oneLInMilli = provider.ConsumeBool();
    fields.manyLInMilli = provider.ConsumeBool();

    const int steps = 1 + provider.ConsumeIntegral<std::uint8_t>() % 6;
    for (int step = 0; step < steps; ++step) {
        // One field typed in (-1: a unit or kind change, 35: past the fields),
        // mostly with the focus on it.
        const int typed = provider.ConsumeIntegral<std::uint8_t>() % (InductionEditCount + 2) - 1;
        const std::uint8_t focusPick = provider.ConsumeIntegral<std::uint8_t>();
        fields.focusedEdit = focusPick < 200 ? typed : focusPick % (InductionEditCount + 1) - 1;
        const std::string text = provider.ConsumeRandomLengthString(16);
        if (typed >= 0 && typed < InductionEditCount)
            fields.editInd[static_cast<std::size_t>(typed)] = text;
        fields.labelResInd = {}; // the page gathers fields afresh, labels are output only

        TInductionFields after = fields;
        const std::uint32_t status = prEditChangeInd(after, typed);
        TInductionFields twin = fields;
        QF_CHECK(prEditChangeInd(twin, typed) == status && fnSame(twin, after), "the coil engine is not deterministic");
        QF_CHECK(fnKnownStatus(status), "the coil engine gave an unknown status");

        for (int k = 0; k < InductionEditCount; ++k) {
            const std::string& written = after.editInd[static_cast<std::size_t>(k)];
            if (written == fields.editInd[static_cast<std::size_t>(k)])
                continue;
            QF_CHECK(!qffuzz::fnShowsNonFinite(written), "the coil engine wrote nan or inf into a field");
            QF_CHECK(qffuzz::fnIsSteadyFieldNumber(written), "the coil engine wrote a field text its filter rewrites");
        }
        for (const auto& label : after.labelResInd)
            if (label)
                QF_CHECK(!qffuzz::fnShowsNonFinite(*label), "the coil engine wrote nan or inf into a result");
        fields = after;
    }
    return 0;
}
