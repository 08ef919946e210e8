// Reading, writing and filtering numbers: fnTextToFloat and fnIsNumberText
// agree and never give NaN or infinity, fnFloatToText writes what they read
// back, and the typing filter always ends in a number or an empty field.
#include "FuzzSupport.h"

#include "common/core/Numbers.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using qffuzz::fnWide;

// The text as written must read back within half a unit of its last decimal.
void prCheckWritten(double value, char separator)
{
    const char other = separator == ',' ? '.' : ',';
    for (int digits : {3, 5}) {
        const std::string text = fnFloatToText(digits, value);
        QF_CHECK(!qffuzz::fnShowsNonFinite(text), "fnFloatToText wrote nan or inf");
        QF_CHECK(text.find(other) == std::string::npos, "fnFloatToText wrote the other separator");
        const std::size_t at = text.find(separator);
        QF_CHECK(at == std::string::npos || text.find(separator, at + 1) == std::string::npos,
                 "fnFloatToText wrote two separators");
        QF_CHECK(at != 0, "fnFloatToText wrote no integer digit");
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            QF_CHECK((c >= '0' && c <= '9') || c == separator || (c == '-' && i == 0),
                     "fnFloatToText wrote a character that is no part of a number");
        }
        QF_CHECK(qffuzz::fnIsNumber(text), "fnFloatToText wrote a text that does not read as a number");
        if (!std::isfinite(value))
            continue;
        const double back = fnTextToFloat(text);
        const int decimals = at == std::string::npos ? 0 : static_cast<int>(text.size() - at - 1);
        const double halfUnit = 0.5 * std::pow(10.0, -decimals);
        QF_CHECK(std::fabs(back - value) <= halfUnit * (1 + 1e-12) + std::fabs(value) * 4e-16,
                 "fnFloatToText wrote a value more than half a unit away");
        QF_CHECK(!(back == 0 && text[0] == '-'), "fnFloatToText wrote a negative zero");
    }
    QF_CHECK(fnFloatToText(4, value).empty() && fnFloatToText(0, value).empty(),
             "fnFloatToText wrote digits other than 3 and 5");
}

// Both readers agree with each other and with the C library on the same text.
void prCheckRead(const std::string& raw, char separator)
{
    const std::u16string wide = fnWide(raw);
    const double narrow = fnTextToFloat(std::string_view(raw));
    const double value = fnTextToFloat(std::u16string_view(wide));
    const bool number = fnIsNumberText(wide);
    QF_CHECK(std::isfinite(narrow) && std::isfinite(value), "fnTextToFloat gave nan or infinity");
    QF_CHECK(narrow == value, "fnTextToFloat of bytes and of characters differ");
    QF_CHECK(number || value == 0, "fnTextToFloat read a text fnIsNumberText refuses");
    if (!number)
        return;
    // The same text in C form: no blanks, a point; a mantissa without digits reads 0.
    std::string plain;
    bool mantissaDigit = false;
    bool exponent = false;
    for (char c : raw) {
        if (c == ' ' || c == '\t')
            continue;
        if (c == 'e' || c == 'E')
            exponent = true;
        if (!exponent && c >= '0' && c <= '9')
            mantissaDigit = true;
        plain.push_back(c == separator ? '.' : c);
    }
    if (!mantissaDigit) {
        QF_CHECK(value == 0, "a mantissa without digits did not read as 0");
        return;
    }
    char* end = nullptr;
    const double reference = std::strtod(plain.c_str(), &end);
    QF_CHECK(end == plain.c_str() + plain.size(), "fnIsNumberText took a text strtod does not read whole");
    QF_CHECK(std::isfinite(reference), "fnIsNumberText took a text beyond the double range");
    QF_CHECK(reference == value, "fnTextToFloat and strtod read different values");
}

// Inserts typed or pasted text at a caret and runs the filter as the field
// does: again after every rewrite. With caretToEnd the re-run sees the caret
// at the end, where QLineEdit::setText leaves it.
void prCheckFilter(FuzzedDataProvider& provider)
{
    const bool caretToEnd = provider.ConsumeBool();
    std::u16string text = fnWide(provider.ConsumeRandomLengthString(32));
    if (!fnIsNumberText(text))
        text.clear();
    const int steps = 1 + provider.ConsumeIntegral<std::uint8_t>() % 8;
    for (int step = 0; step < steps; ++step) {
        const std::u16string typed = fnWide(provider.ConsumeRandomLengthString(8));
        const std::size_t at = provider.ConsumeIntegral<std::uint8_t>() % (text.size() + 1);
        text.insert(at, typed);
        int caret = static_cast<int>(at + typed.size());
        const bool typedNumber = fnIsNumberText(text);
        const double typedValue = fnTextToFloat(std::u16string_view(text));
        // Each pass removes a character; the only growth is one leading "0".
        const int bound = 2 * static_cast<int>(text.size()) + 4;
        int passes = 0;
        while (prEditNumberFilter(text, caret)) {
            QF_CHECK(caret >= 0 && caret <= static_cast<int>(text.size()), "the filter put the caret outside");
            QF_CHECK(++passes <= bound, "the filter kept rewriting the text");
            if (caretToEnd)
                caret = static_cast<int>(text.size());
        }
        QF_CHECK(caret >= 0 && caret <= static_cast<int>(text.size()), "the filter put the caret outside");
        QF_CHECK(text.empty() || fnIsNumberText(text), "the filter left a text that is not a number");
        QF_CHECK(!typedNumber || !text.empty(), "the filter emptied a field that held a number");
        QF_CHECK(!typedNumber || fnTextToFloat(std::u16string_view(text)) == typedValue,
                 "the filter changed the value of a number");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const char separator = qffuzz::fnChooseSeparator(provider);

    const std::string raw = provider.ConsumeRandomLengthString(64);
    prCheckRead(raw, separator);
    prCheckWritten(fnTextToFloat(std::string_view(raw)), separator);
    prCheckWritten(std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>()), separator);
    prCheckFilter(provider);
    return 0;
}
