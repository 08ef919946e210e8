// The nine quantity formatters on any double (NaN, infinities, subnormals,
// negatives, huge values): never "nan"/"inf", "" for what is not positive,
// otherwise a short number and one of the formatter's own unit labels, or its
// overflow text; deterministic, and the separator changes nothing else.
#include "FuzzSupport.h"

#include "text/MultiLanguage.h"
#include "text/Quantities.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

struct TFormatter {
    const char* name;
    std::string (*format)(int, double);
    std::initializer_list<std::uint32_t> labels;
    const char* overflow; // "" when the ladder has no overflow text
    std::uint32_t overflowLabel;
};

const TFormatter Formatters[] = {
    {"frequency", fnFormatFrequency, {1001, 1002, 1003, 1004}, ">100 000 ", 1004},
    {"capacitance", fnFormatCapacitance, {1005, 1006, 1007, 1008}, ">100 000 ", 1008},
    {"inductance", fnFormatInductance, {1009, 1010, 1011}, ">100 000 ", 1011},
    {"resistance", fnFormatResistance, {1012, 1013, 1014}, ">100 000 ", 1014},
    {"length", fnFormatLength, {1018, 1019, 1021, 1022}, ">100 000 ", 1022},
    {"time", fnFormatTime, {1023, 1024, 1025, 1027}, ">100 000 ", 1027},
    {"speed", fnFormatSpeed, {1015}, ">500 000 ", 1015},
    {"mass", fnFormatMass, {kMassLabelIds[0], kMassLabelIds[1], kMassLabelIds[2]}, ">100 000 ", kMassLabelIds[2]},
    {"energy", fnFormatEnergy, {1033, 1034, 1035}, ">100 000 ", 1035},
};

// The number in front of the formatter's unit label, or false when the text
// ends in none of its labels.
bool fnSplitNumber(const TFormatter& f, const std::string& text, std::string& number)
{
    for (std::uint32_t label : f.labels) {
        const std::string tail = " " + fnGetText(label, 1);
        if (text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0) {
            number = text.substr(0, text.size() - tail.size());
            return true;
        }
    }
    return false;
}

// The longest number a formatter may write: a whole part that fits 64 bits,
// a separator and four decimals. Beyond that a label no longer fits its place.
constexpr std::size_t LongestNumber = 19 + 1 + 4;

void prCheck(const TFormatter& f, int digits, double value)
{
    const std::string text = f.format(digits, value);
    QF_CHECK(f.format(digits, value) == text, "a formatter is not deterministic");
    QF_CHECK(!qffuzz::fnShowsNonFinite(text), "a formatter wrote nan or inf");
    if (!(value > 0)) {
        QF_CHECK(text.empty(), "a value that is not positive was shown");
        return;
    }
    QF_CHECK(!text.empty(), "a positive value was not shown");
    if (text[0] == '>') {
        QF_CHECK(text == f.overflow + fnGetText(f.overflowLabel, 1), "an overflow text other than the ladder's own");
        return;
    }
    QF_CHECK(!std::isinf(value), "infinity was shown as a number");
    std::string number;
    QF_CHECK(fnSplitNumber(f, text, number), "a formatter wrote a unit label not of its own ladder");
    QF_CHECK(qffuzz::fnIsNumber(number), "a formatter wrote a number that does not read back");
    QF_CHECK(number[0] != '-' && fnTextToFloat(number) >= 0, "a positive value was shown negative");
    QF_CHECK(number.size() <= LongestNumber, "a formatter wrote a number too long to show");

    // Under the other separator only the separator differs.
    const char separator = fnGetDecimalSeparator();
    const char other = separator == ',' ? '.' : ',';
    prSetDecimalSeparator(other);
    std::string swapped = f.format(digits, value);
    prSetDecimalSeparator(separator);
    for (char& c : swapped)
        if (c == other)
            c = separator;
    QF_CHECK(swapped == text, "the separator changed more than the separator");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);
    const int digits = provider.ConsumeBool() ? 5 : 3;
    const double value = std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>());
    for (const TFormatter& f : Formatters) {
        prCheck(f, digits, value);
        prCheck(f, digits, -value);
        prCheck(f, digits, std::fabs(value) * 1e3);
        prCheck(f, digits, std::nextafter(std::fabs(value), 0.0));
    }
    return 0;
}
