#include "common/core/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

char gDecimalSeparator = ',';

// 128 bits hold a 53-bit mantissa times 10^4 with room to spare.
__extension__ typedef unsigned __int128 TUint128;

bool fnIsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool fnIsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Checks the number grammar and, when it holds, gives the same text in C-locale
// form (point separator, no blanks) for from_chars.
bool fnNormalise(std::u16string_view text, std::string& plain)
{
    const char16_t separator = static_cast<unsigned char>(gDecimalSeparator);
    std::size_t i = 0;
    const std::size_t n = text.size();
    plain.clear();
    while (i < n && fnIsBlank(text[i]))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        plain.push_back(static_cast<char>(text[i++]));
    bool anyMantissa = false;
    bool separatorSeen = false;
    bool digitSeen = false;
    while (i < n) {
        if (fnIsDigit(text[i])) {
            plain.push_back(static_cast<char>(text[i]));
            digitSeen = anyMantissa = true;
        } else if (text[i] == separator && !separatorSeen) {
            plain.push_back('.');
            separatorSeen = anyMantissa = true;
        } else {
            break;
        }
        ++i;
    }
    if (!anyMantissa)
        return false;
    if (!digitSeen)
        plain.push_back('0'); // a lone separator reads as 0
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        plain.push_back('e');
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            plain.push_back(static_cast<char>(text[i++]));
        bool exponentDigit = false;
        while (i < n && fnIsDigit(text[i])) {
            plain.push_back(static_cast<char>(text[i++]));
            exponentDigit = true;
        }
        if (!exponentDigit)
            return false;
    }
    while (i < n && fnIsBlank(text[i]))
        ++i;
    return i == n;
}

bool fnConvert(std::u16string_view text, double& value)
{
    std::string plain;
    if (!fnNormalise(text, plain))
        return false;
    // from_chars ignores the C locale (the program runs under the user's).
    // The grammar was checked above; from_chars wants a digit before the point
    // and no '+' sign.
    std::string_view digits(plain);
    bool negative = false;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    std::string withLead;
    if (!digits.empty() && digits[0] == '.') {
        withLead.assign(1, '0');
        withLead.append(digits);
        digits = withLead;
    }
    double parsed = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() || !std::isfinite(parsed))
        return false;
    if (negative)
        parsed = -parsed;
    value = parsed;
    return true;
}

// How many decimals a value gets: about `digits` significant ones. The test
// is on the signed value, so every negative value gets the most.
int fnDecimalsFor(int digits, double value)
{
    if (value >= 10000)
        return 0;
    if (value >= 1000)
        return digits == 3 ? 0 : 1;
    if (value >= 100)
        return digits == 3 ? 0 : 2;
    if (value >= 10)
        return digits == 3 ? 1 : 3;
    return digits == 3 ? 2 : 4;
}

std::string fnUnsignedToText(TUint128 value)
{
    char buffer[40];
    char* end = buffer + sizeof buffer;
    char* at = end;
    do {
        *--at = static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    return std::string(at, end);
}

std::u16string fnWiden(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Anything outside ASCII can never be part of a number: keep it as a
        // character the grammar refuses.
        wide.push_back(byte < 0x80 ? char16_t(byte) : u'\xFFFD');
    }
    return wide;
}

} // namespace

void prSetDecimalSeparator(char separator) { gDecimalSeparator = separator; }
char fnGetDecimalSeparator() { return gDecimalSeparator; }

std::string fnFloatToText(int digits, double value)
{
    if (digits != 3 && digits != 5)
        return {};
    if (!std::isfinite(value))
        return "0"; // never show nan/inf
    const int decimals = fnDecimalsFor(digits, value);

    // The exact binary value rounded once, halves away from zero. With
    // |value| = mantissa / 2^shift, |value| * 10^decimals is an integer division
    // whose remainder decides the last digit; no floating-point step can add
    // or lose a unit, however large the value.
    const double magnitude = std::fabs(value);
    std::string text;
    if (magnitude >= 0x1p53) {
        // From 2^53 on every double is a whole number: its exact digits.
        char buffer[320];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 0);
        text.assign(buffer, result.ptr);
        if (decimals > 0)
            text += gDecimalSeparator + std::string(static_cast<std::size_t>(decimals), '0');
    } else {
        int exponent = 0;
        const double fraction = std::frexp(magnitude, &exponent); // magnitude = fraction * 2^exponent
        const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
        const int shift = 53 - exponent; // magnitude = mantissa / 2^shift, shift >= 0 here
        TUint128 scaled = mantissa;      // below 2^53 * 10^4 < 2^67
        for (int i = 0; i < decimals; ++i)
            scaled *= 10;
        TUint128 whole = 0;
        // From a shift of 120 on the value is below 2^-67 and rounds to 0.
        if (shift < 120) {
            const TUint128 unit = static_cast<TUint128>(1) << shift;
            const TUint128 rest = scaled & (unit - 1);
            whole = scaled >> shift;
            if (rest >= unit - rest) // at or above the half: away from zero
                ++whole;
        }
        text = fnUnsignedToText(whole);
        if (decimals > 0) {
            const auto places = static_cast<std::size_t>(decimals);
            if (text.size() < places + 1)
                text.insert(0, places + 1 - text.size(), '0');
            text.insert(text.size() - places, 1, gDecimalSeparator);
        }
    }
    // A negative value that rounds to zero is written as zero, without a sign.
    const bool zero = text.find_first_not_of(std::string("0") + gDecimalSeparator) == std::string::npos;
    return value < 0 && !zero ? "-" + text : text;
}

double fnTextToFloat(std::u16string_view text)
{
    double value = 0;
    return fnConvert(text, value) ? value : 0.0;
}

double fnTextToFloat(std::string_view text) { return fnTextToFloat(fnWiden(text)); }

bool fnIsNumberText(std::u16string_view text)
{
    double value = 0;
    return fnConvert(text, value);
}

bool prEditNumberFilter(std::u16string& text, int& caret, TDecimalKey key)
{
    const std::u16string before = text;
    const char16_t separator = static_cast<unsigned char>(gDecimalSeparator);
    if (caret < 0)
        caret = 0;
    if (caret > static_cast<int>(text.size()))
        caret = static_cast<int>(text.size());

    // The decimal key the user meant: a point typed or pasted on a comma system
    // (or a comma on a point system) is the separator, not a character to drop -
    // dropping it made 0.5 nF into 5 nF without a word. A second separator
    // still goes, as the text is then no number either way.
    const char16_t other = separator == u',' ? u'.' : separator == u'.' ? u',' : 0;
    if (key == TDecimalKey::Either && other != 0 && text.find(other) != std::u16string::npos && !fnIsNumberText(text)) {
        std::u16string meant = text;
        std::replace(meant.begin(), meant.end(), other, separator);
        if (fnIsNumberText(meant))
            text = meant;
    }

    if (fnIsNumberText(text)) {
        std::size_t first = 0;
        std::size_t last = text.size();
        while (first < last && fnIsBlank(text[first]))
            ++first;
        while (last > first && fnIsBlank(text[last - 1]))
            --last;
        if (first > 0 || last < text.size()) {
            text = text.substr(first, last - first);
            caret = std::max(0, std::min(caret - static_cast<int>(first), static_cast<int>(text.size())));
        }
        if (!text.empty() && text[0] == separator) {
            text.insert(text.begin(), u'0');
            caret = static_cast<int>(text.size());
        }
        // "05" and "00" lose their leading zero; "0,5" and "0e5" keep it (without
        // it "e5" is no number and the field would empty itself).
        if (text.size() > 1 && fnIsDigit(text[1]) && text[0] == u'0') {
            text.erase(0, 1);
            caret = static_cast<int>(text.size());
        }
    } else {
        if (caret > 0) {
            text.erase(text.begin() + (caret - 1));
            caret -= 1;
        }
    }
    return text != before;
}

std::string fnFixedText(double value, int decimals)
{
    if (!std::isfinite(value) || decimals < 0 || decimals > 9 || std::fabs(value) >= 1e15)
        return {};
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = gDecimalSeparator;
    // "-0,0" is no reading anybody wants.
    if (text.front() == '-' && text.find_first_not_of("-0.,") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string fnSignificantText(double value, int digits)
{
    if (!std::isfinite(value) || !(value > 0) || digits < 1)
        return {};
    // Rounding may carry into the next decade (9,996 -> 10,0): decide on the rounded value.
    int decimals = std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(value))));
    const double rounded = std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    if (rounded > 0 && std::isfinite(rounded))
        decimals = std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(rounded))));
    return fnFixedText(value, std::min(decimals, 9));
}

std::string fnSignedText(double value, int decimals)
{
    const std::string magnitude = fnFixedText(std::fabs(value), decimals);
    if (magnitude.empty() || magnitude.find_first_not_of("0.,") == std::string::npos)
        return magnitude;
    return (value < 0 ? "-" : "+") + magnitude;
}
