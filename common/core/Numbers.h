// Core layer. Reading, writing and filtering the numbers of every calculator
// and the most-recently-given list (rectangles are in Rect.h). Pure functions
// over plain data; the one process-wide value is the system's decimal
// separator, set by the shell.
#pragma once

#include "common/core/Rect.h"

#include <string>
#include <string_view>

// The decimal separator of the user's system (',' on Russian systems). The main
// window reads it from the system locale once at creation and hands it here.
void prSetDecimalSeparator(char separator);
char fnGetDecimalSeparator();

// A value written with as many decimals as its magnitude warrants: digits 3 keeps
// about three significant digits, digits 5 about five. Any other digits: "".
std::string fnFloatToText(int digits, double value);

// A value written with a fixed number of decimals (0,800); not a finite
// number, or one beyond 1e15: "".
std::string fnFixedText(double value, int decimals);

// A value written with `digits` significant digits (1,23; 0,0456; 123; 4567
// keeps its whole digits); not a positive finite number: "".
std::string fnSignificantText(double value, int digits);

// A difference written with a fixed number of decimals and its sign: "+3,3",
// "-1,3"; a value that rounds to zero has no sign ("0,0"). Not a finite
// number: "".
std::string fnSignedText(double value, int decimals);

// Reads a field's text: optional blanks, sign, digits with at most one decimal
// separator, optional exponent, blanks. Anything else (or an overflow) is 0.
double fnTextToFloat(std::string_view text);
double fnTextToFloat(std::u16string_view text);
// True when the text is such a number (a lone separator counts, a lone sign not).
bool fnIsNumberText(std::u16string_view text);

// What a decimal key that is not the system's separator does in a field.
enum class TDecimalKey {
    Either,     // "." or "," lands as the system's separator where that gives a number
    SystemOnly, // only the system's separator counts (code fields with rules of their own)
};

// One pass of the input filter of a numeric field: text and caret (characters
// before the caret) in, rewritten text and caret out. Returns true when it changed
// the text; a caller rewriting its field runs it again on the new text.
bool prEditNumberFilter(std::u16string& text, int& caret, TDecimalKey key = TDecimalKey::Either);

// Most-recently-used order over entries 0..high; entry 0 ("empty") shifts the list down.
template <typename Entry>
void prPromoteRecent(Entry* list, int high, Entry entry)
{
    if (high < 0)
        return;
    if (entry == Entry{}) {
        for (int i = 0; i < high; ++i)
            list[i] = list[i + 1];
        list[high] = Entry{};
        return;
    }
    int found = -1;
    for (int i = high; i >= 1; --i) {
        if (list[i] == entry) {
            found = i;
            break;
        }
    }
    if (found < 0 && list[0] == entry)
        return;
    const int from = found < 0 ? high : found;
    for (int i = from; i > 0; --i)
        list[i] = list[i - 1];
    list[0] = entry;
}
