#include "common/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

char gDecimalSeparator = ',';

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
        withLead = "0" + std::string(digits);
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
    int decimals;
    // Magnitude bands: >=1000 (>=10000 for digits 5 shares the 0 of digits 3), then 100, 10.
    if (value >= 10000)
        decimals = 0;
    else if (value >= 1000)
        decimals = digits == 3 ? 0 : 1;
    else if (value >= 100)
        decimals = digits == 3 ? 0 : 2;
    else if (value >= 10)
        decimals = digits == 3 ? 1 : 3;
    else
        decimals = digits == 3 ? 2 : 4;

    // Halves away from zero: round the scaled value ourselves; printf would
    // round the binary value to even. A tiny relative nudge lets 2.675
    // (stored as 2.67499999...) round the way the user reads it.
    const long double scale = std::pow(10.0L, decimals);
    long double scaled = static_cast<long double>(value) * scale;
    const long double nudge = std::fabs(scaled) * 1e-12L;
    scaled = scaled < 0 ? -std::floor(-scaled + 0.5L + nudge) : std::floor(scaled + 0.5L + nudge);

    // Written from the rounded integer, so neither the C locale nor binary
    // noise can change a digit; only values beyond 1e18 (no decimals at that
    // size) take the general conversion.
    std::string text;
    if (std::fabs(scaled) < 1e18L) {
        const long long whole = std::llround(scaled);
        std::string digitsText = std::to_string(whole < 0 ? -whole : whole);
        if (decimals > 0) {
            if (digitsText.size() < static_cast<std::size_t>(decimals) + 1)
                digitsText.insert(0, static_cast<std::size_t>(decimals) + 1 - digitsText.size(), '0');
            digitsText.insert(digitsText.size() - static_cast<std::size_t>(decimals), 1, '.');
        }
        text = (whole < 0 ? "-" : "") + digitsText;
    } else {
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
        text.assign(buffer, result.ptr);
    }
    for (char& c : text)
        if (c == '.')
            c = gDecimalSeparator;
    return text;
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

bool prEditNumberFilter(std::u16string& text, int& caret)
{
    const std::u16string before = text;
    const char16_t separator = static_cast<unsigned char>(gDecimalSeparator);
    if (caret < 0)
        caret = 0;
    if (caret > static_cast<int>(text.size()))
        caret = static_cast<int>(text.size());

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
        if (text.size() > 1 && text[1] != separator && text[0] == u'0') {
            text.erase(0, 1);
            caret = static_cast<int>(text.size());
        }
    } else {
        if (caret > 0) {
            text.erase(static_cast<std::size_t>(caret - 1), 1);
            caret -= 1;
        }
    }
    return text != before;
}

TRect fnPlaceRect(int left, int top, int width, int height, const TRect& source)
{
    TRect rect;
    rect.Left = left;
    rect.Top = top;
    rect.Right = left + (width == 0 ? source.Right - source.Left : width);
    rect.Bottom = top + (height == 0 ? source.Bottom - source.Top : height);
    return rect;
}
