// The SMD field's normaliser on any bytes and caret, run again while it
// rewrites the text as the field does: the caret stays inside, the text keeps
// at most four characters, the runs end within a few, the end state holds
// still, and what it keeps has one of the code shapes with a band code of six
// band characters.
#include "FuzzSupport.h"

#include "calculators/ColorMark/MarkingDecoder.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace marking;

namespace {

bool fnDigit(char c) { return c >= '0' && c <= '9'; }
bool fnSmdLetter(char c) { return std::string_view("ABCDEFRSXY").find(c) != std::string_view::npos; }

void prCheckRun(const TSmdCode& run)
{
    QF_CHECK(run.caret >= 0 && run.caret <= static_cast<int>(run.text.size()), "the caret left the SMD text");
    QF_CHECK(run.text.size() <= 4, "the SMD text kept more than four characters");
    QF_CHECK(run.code.size() == static_cast<std::size_t>(MarkBands), "the SMD band code is not six bands long");
    for (char c : run.code)
        QF_CHECK(BandChars.find(c) != std::string_view::npos, "the SMD band code holds a non-band character");
}

// After the normaliser holds still: four digits, or one of the three-character
// shapes ddd, ddL, dRd, Rdd, or fewer characters (no code).
void prCheckShape(const TSmdCode& end)
{
    const std::string& t = end.text;
    for (char c : t)
        QF_CHECK(fnDigit(c) || fnSmdLetter(c), "a character that is no part of a code stayed");
    if (t.size() == 4) {
        QF_CHECK(std::all_of(t.begin(), t.end(), fnDigit), "four characters that are not four digits stayed");
        QF_CHECK(end.code != EmptyCode, "four digits gave no band code");
    } else if (t.size() == 3) {
        const bool ddd = fnDigit(t[0]) && fnDigit(t[1]) && fnDigit(t[2]);
        const bool ddL = fnDigit(t[0]) && fnDigit(t[1]) && fnSmdLetter(t[2]);
        const bool dRd = fnDigit(t[0]) && t[1] == 'R' && fnDigit(t[2]);
        const bool Rdd = t[0] == 'R' && fnDigit(t[1]) && fnDigit(t[2]);
        QF_CHECK(ddd || ddL || dRd || Rdd, "three characters of no code shape stayed");
        if (ddd || dRd || Rdd)
            QF_CHECK(end.code != EmptyCode, "a three-character code gave no band code");
    } else {
        QF_CHECK(end.code == EmptyCode, "fewer than three characters gave a band code");
    }
    if (!t.empty())
        QF_CHECK(fnDigit(t[0]) || t[0] == 'R', "the SMD text starts with neither a digit nor R");
    QF_CHECK(std::count(t.begin(), t.end(), 'R') <= 1, "two R stayed in the SMD text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);
    const int caret = provider.ConsumeIntegral<int>();
    std::string text = provider.ConsumeRandomLengthString(16);

    TSmdCode run = prSmdCodeToRes(text, caret);
    const TSmdCode twin = prSmdCodeToRes(text, caret);
    QF_CHECK(twin.text == run.text && twin.caret == run.caret && twin.code == run.code,
             "the SMD normaliser is not deterministic");
    prCheckRun(run);
    // The first run keeps at most four characters and upper-cases them; from
    // then on every run that changes the text removes one.
    int runs = 1;
    while (run.text != text) {
        QF_CHECK(++runs <= 6, "the SMD normaliser kept rewriting the text");
        text = run.text;
        run = prSmdCodeToRes(text, run.caret);
        prCheckRun(run);
    }
    const TSmdCode again = prSmdCodeToRes(run.text, run.caret);
    QF_CHECK(again.text == run.text && again.caret == run.caret && again.code == run.code,
             "the SMD normaliser's end state is not idempotent");
    prCheckShape(run);

    // What the page shows for the code: a resistor display in range.
    const TMarkDisplay display = prDecodeRes(run.code);
    QF_CHECK(display.layout >= 0 && display.layout <= 7, "an SMD code gave a layout out of range");
    QF_CHECK(display.unit >= 0 && display.unit <= 4, "an SMD code gave a unit outside the resistor's");
    return 0;
}
