// What every fuzz target shares: the invariant check that stops the run with a
// message, the separator chosen by the input, and text tests on what the
// program writes.
#pragma once

#include "common/core/Numbers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken invariant is a finding: say which one and where, then stop so that
// libFuzzer keeps the input.
#define QF_CHECK(condition, message)                                                                                   \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__, (message));                    \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace qffuzz {

// Every target runs under both separators the program meets; the first
// integral byte of the input decides.
inline char fnChooseSeparator(FuzzedDataProvider& provider)
{
    const char separator = provider.ConsumeBool() ? '.' : ',';
    prSetDecimalSeparator(separator);
    return separator;
}

// Bytes as the field holds them: each byte one character (Latin-1), so that
// bytes above 0x7F stay characters that are no part of a number.
inline std::u16string fnWide(std::string_view bytes)
{
    std::u16string wide;
    wide.reserve(bytes.size());
    for (char c : bytes)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return wide;
}

// "nan" or "inf" in any letter case: a value the program must never show.
inline bool fnShowsNonFinite(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

inline bool fnIsNumber(std::string_view text) { return fnIsNumberText(fnWide(text)); }

// A text the program writes into a numeric field: a number that the field's
// own filter leaves as it is (or the filter would rewrite it at once).
inline bool fnIsSteadyFieldNumber(std::string_view text)
{
    std::u16string wide = fnWide(text);
    if (!fnIsNumberText(wide))
        return false;
    int caret = static_cast<int>(wide.size());
    return !prEditNumberFilter(wide, caret);
}

} // namespace qffuzz
