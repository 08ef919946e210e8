// The transformer design on arbitrary field and grid texts: deterministic,
// a second run right after the first changes nothing, and every text it
// writes is a number (never "nan"/"inf") that the field's filter keeps;
// areas, powers, turns and wire sizes are never negative.
#include "FuzzSupport.h"

#include "calculators/Transformer/TransformerEngine.h"
#include "text/TextIds.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

using namespace transformer;

namespace {

// The design's status texts run from StatusTransOpened to StatusTransDone (641..646).
constexpr std::uint32_t FirstStatus = TextId::StatusTransOpened;
constexpr std::uint32_t LastStatus = TextId::StatusTransDone;

bool fnSame(const TTransformerFields& a, const TTransformerFields& b)
{
    for (int k = 0; k < TransFieldCount; ++k) {
        const auto field = static_cast<TTransField>(k);
        if (fnTransEdit(a, field).text != fnTransEdit(b, field).text
            || fnTransEdit(a, field).bad != fnTransEdit(b, field).bad)
            return false;
    }
    return a.kind == b.kind && a.grid == b.grid;
}

void prCheckWrites(const TTransformerFields& before, const TTransformerFields& after)
{
    for (int k = 0; k < TransFieldCount; ++k) {
        const auto field = static_cast<TTransField>(k);
        const std::string& text = fnTransEdit(after, field).text;
        if (text == fnTransEdit(before, field).text)
            continue;
        QF_CHECK(!qffuzz::fnShowsNonFinite(text), "the transformer wrote nan or inf into a field");
        QF_CHECK(qffuzz::fnIsSteadyFieldNumber(text), "the transformer wrote a field text its filter rewrites");
    }
    for (int row = 1; row < TransGridRows; ++row) {
        for (int col = 1; col < TransGridCols; ++col) {
            const std::string& text = after.grid[row][col];
            if (text == before.grid[row][col])
                continue;
            QF_CHECK(!qffuzz::fnShowsNonFinite(text), "the transformer wrote nan or inf into the grid");
            QF_CHECK(qffuzz::fnIsNumber(text), "the transformer wrote a grid text that is not a number");
        }
    }
    // What the design computes is a size or a count: never below zero.
    for (TTransField field : {TTransField::Sc, TTransField::Sw, TTransField::Pmax, TTransField::Ptr})
        QF_CHECK(fnTextToFloat(fnTransEdit(after, field).text) >= 0, "a computed area or power is negative");
    for (int row = 1; row < TransGridRows; ++row)
        for (int col = 3; col < TransGridCols; ++col)
            QF_CHECK(fnTextToFloat(after.grid[row][col]) >= 0, "negative turns or wire size");
    QF_CHECK(fnTextToFloat(after.grid[1][2]) >= 0, "a negative primary current");
}

// The text a marked field is rewritten with: the value it was read as.
void prCheckGeneralText(double value)
{
    const std::string text = fnGeneralToText(value);
    QF_CHECK(!qffuzz::fnShowsNonFinite(text), "fnGeneralToText wrote nan or inf");
    QF_CHECK(qffuzz::fnIsSteadyFieldNumber(text), "fnGeneralToText wrote a text the field's filter rewrites");
    if (std::isfinite(value))
        QF_CHECK(std::fabs(fnTextToFloat(text) - value) <= std::fabs(value) * 1e-14,
                 "fnGeneralToText wrote a text that reads back as another value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);

    // The page as it opens, then whatever the user typed or pasted.
    TTransformerFields fields;
    prInitDataTrans(fields);
    fields.kind = static_cast<TTransCoreKind>(provider.ConsumeIntegral<std::uint8_t>() % 5);
    const int thickness = provider.ConsumeIntegral<std::uint8_t>() % 7 - 1;
    const std::uint32_t badMarks = provider.ConsumeIntegral<std::uint32_t>();
    for (int k = 0; k < TransFieldCount; ++k) {
        TTransEdit& edit = fnTransEdit(fields, static_cast<TTransField>(k));
        edit.text = provider.ConsumeRandomLengthString(16);
        edit.bad = (badMarks >> k) & 1;
    }
    for (int row = TransFirstSecondaryRow; row < TransGridRows; ++row)
        for (int col = 1; col <= 2; ++col)
            fields.grid[row][col] = provider.ConsumeRandomLengthString(12);
    prGetComboText(fields, thickness);
    prCheckGeneralText(std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>()));

    TTransformerFields once = fields;
    const std::uint32_t status = prCalcOnPage(once);
    QF_CHECK(status >= FirstStatus && status <= LastStatus, "a status text id out of range");
    TTransformerFields twin = fields;
    QF_CHECK(prCalcOnPage(twin) == status && fnSame(twin, once), "the transformer design is not deterministic");
    prCheckWrites(fields, once);

    TTransformerFields twice = once;
    QF_CHECK(prCalcOnPage(twice) == status, "a second run changed the status");
    QF_CHECK(fnSame(twice, once), "a second run changed the texts of the first");
    return 0;
}
