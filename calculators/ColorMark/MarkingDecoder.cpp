#include "calculators/ColorMark/MarkingDecoder.h"

#include "calculators/ColorMark/ColorMarkGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

namespace marking {

namespace {

bool fnIsDigit(char c) { return c >= '0' && c <= '9'; }

// Unit pictures start at the family's base unit (Ohm, pF, uH); each step is x1000.
constexpr int ResistorUnits = 1;
constexpr int CapacitorUnits = 5;
constexpr int InductorUnits = 9;

// What a multiplier band gives: the unit step and the digits' layout, for a
// two-digit and for a three-digit value. 10^-2 .. 10^9.
struct TMultiplier {
    char band;
    int twoStep, twoLayout;
    int threeStep, threeLayout;
};
constexpr TMultiplier Multipliers[] = {
    {'A', 0, 1, 0, 5}, {'B', 0, 2, 0, 6}, {'0', 0, 3, 0, 7}, {'1', 0, 4, 1, 5}, {'2', 1, 2, 1, 6}, {'3', 1, 3, 1, 7},
    {'4', 1, 4, 2, 5}, {'5', 2, 2, 2, 6}, {'6', 2, 3, 2, 7}, {'7', 2, 4, 3, 5}, {'8', 3, 2, 3, 6}, {'9', 3, 3, 3, 7},
};

const TMultiplier* fnMultiplier(char band)
{
    for (const TMultiplier& m : Multipliers)
        if (m.band == band)
            return &m;
    return nullptr;
}

// The multiplier's unit and layout; a band outside the table gives no unit
// and, where the family shows digits anyway, the plain layout.
void prApplyMultiplier(TMarkDisplay& display, char band, bool threeDigits, int unitBase, bool digitsWithoutMultiplier)
{
    if (const TMultiplier* m = fnMultiplier(band)) {
        display.unit = unitBase + (threeDigits ? m->threeStep : m->twoStep);
        display.layout = threeDigits ? m->threeLayout : m->twoLayout;
    } else if (digitsWithoutMultiplier) {
        display.layout = threeDigits ? 7 : 3;
    }
}

int fnGlyph(char c) { return fnIsDigit(c) ? c - '0' : 10; }

// Digits of the bands; shown only when every digit band is set.
void prSetDigits(TMarkDisplay& display, std::string_view digitBands)
{
    for (std::size_t i = 0; i < digitBands.size(); ++i)
        display.digits[i] = fnGlyph(digitBands[i]);
    if (std::find(digitBands.begin(), digitBands.end(), NoBand) != digitBands.end())
        display.layout = 0;
}

struct TTolerance {
    char band;
    int picture;
};

int fnLookup(std::initializer_list<TTolerance> table, char band)
{
    for (const TTolerance& t : table)
        if (t.band == band)
            return t.picture;
    return 0;
}

// Resistor tolerance bands: silver 10 %, gold 5 %, brown 1 %, red 2 %, green
// 0.5 %, blue 0.25 %, violet 0.1 %, grey 0.05 %, none 20 %.
int fnResTolerance(char band)
{
    return fnLookup({{'A', 2}, {'B', 3}, {'1', 4}, {'2', 5}, {'5', 6}, {'6', 7}, {'7', 8}, {'8', 9}, {'F', 1}}, band);
}

// Capacitor tolerance bands; up to 10 pF the precise colours mean picofarads.
int fnCapTolerance(char band, bool small)
{
    switch (band) {
    case '0': return 1;
    case '1': return 4;
    case '2': return 5;
    case '5': return small ? 18 : 6;
    case '6': return small ? 16 : 7;
    case '7': return small ? 19 : 8;
    case '8': return small ? 17 : 9;
    case 'A': return 2;
    case 'B': return 3;
    default: return 0;
    }
}

// Inductor tolerance bands: black 20 %, brown 1 %, red 2 %, orange 3 %,
// yellow 4 %, silver 10 %, gold 5 %.
int fnDrossTolerance(char band)
{
    return fnLookup({{'0', 1}, {'1', 4}, {'2', 5}, {'3', 22}, {'4', 23}, {'A', 2}, {'B', 3}}, band);
}

// Letter tolerances of the capacitor code.
int fnLetterTolerance(char letter)
{
    const int picture = fnLookup({{'M', 1},
                                  {'K', 2},
                                  {'J', 3},
                                  {'F', 4},
                                  {'G', 5},
                                  {'D', 6},
                                  {'C', 7},
                                  {'B', 8},
                                  {'N', 10},
                                  {'Z', 11},
                                  {'S', 12},
                                  {'T', 13},
                                  {'Q', 14},
                                  {'Y', 15}},
                                 letter);
    return picture != 0 ? picture : 21;
}

// The band characters a band may take in each chart mode.
constexpr std::string_view All = "AB0123456789F";
constexpr std::string_view FirstDigit = "123456789F";
constexpr std::string_view Digit = "0123456789F";
constexpr std::string_view CapTolerances = "AB0125678F";
constexpr std::string_view DrossMultipliers = "AB01234F";
constexpr std::string_view Nothing = "";
constexpr std::string_view ModeBands[ModeInductor + 1][MarkBands] = {
    {Nothing, Nothing, Nothing, Nothing, Nothing, Nothing},                    // ModeNone
    {FirstDigit, Digit, All, "AB125678F", "AB125678F", Nothing},               // ModeResFourBands
    {FirstDigit, Digit, Digit, All, "AB125678F", Nothing},                     // ModeResFiveBands
    {FirstDigit, Digit, All, CapTolerances, Digit, All},                       // ModeCapTwoDigits
    {FirstDigit, Digit, Digit, All, CapTolerances, Digit},                     // ModeCapThreeDigits
    {FirstDigit, Digit, DrossMultipliers, DrossMultipliers, Nothing, Nothing}, // ModeInductor
};

constexpr std::string_view TolLetters[TolLetterCount] = {"-", "B", "C", "D", "F", "G", "J", "K",
                                                         "M", "N", "Q", "T", "Y", "S", "Z"};

bool fnIsSmdLetter(char c) { return (c >= 'A' && c <= 'F') || c == 'R' || c == 'S' || c == 'X' || c == 'Y'; }

// EIA-96 multiplier letters as multiplier bands: Y/R 0.01, X/S 0.1, A 1 ... F 10^5.
char fnEiaMultiplier(char letter)
{
    switch (letter) {
    case 'Y':
    case 'R': return 'A';
    case 'X':
    case 'S': return 'B';
    case 'A': return '0';
    case 'B': return '1';
    case 'C': return '2';
    case 'D': return '3';
    case 'E': return '4';
    case 'F': return '5';
    default: return NoBand;
    }
}

std::string fnCodeFromSmd(const std::string& t)
{
    std::string code(EmptyCode);
    if (t.size() == 4) {
        // Three digits and a power of ten, 1 %.
        if (std::all_of(t.begin(), t.end(), fnIsDigit))
            code = {t[0], t[1], t[2], t[3], '1', 'F'};
    } else if (t.size() == 3) {
        if (fnIsDigit(t[0]) && fnIsDigit(t[1]) && fnIsDigit(t[2])) {
            code = {t[0], t[1], t[2], 'B', 'F', 'F'}; // two digits and a power of ten, 5 %
        } else if (fnIsDigit(t[0]) && fnIsDigit(t[1]) && fnIsSmdLetter(t[2])) {
            const int value = fnEia96Value((t[0] - '0') * 10 + (t[1] - '0'));
            if (value > 0) {
                const std::string digits = std::to_string(value);
                code = {digits[0], digits[1], digits[2], fnEiaMultiplier(t[2]), '1', 'F'};
            }
        } else if (fnIsDigit(t[0]) && t[1] == 'R' && fnIsDigit(t[2])) {
            code = {t[0], t[2], 'B', 'B', 'F', 'F'}; // d.d Ohm
        } else if (t[0] == 'R' && fnIsDigit(t[1]) && fnIsDigit(t[2])) {
            code = {t[1], t[2], 'A', 'B', 'F', 'F'}; // 0.dd Ohm
        }
    }
    return code;
}

// The glyph sequence of each display layout (1-7): digit indices 0-2 of the
// model, Z a zero glyph, P the decimal point.
constexpr char Z = 'Z';
constexpr char P = 'P';
constexpr std::string_view Layouts[8] = {
    "", "ZP01", "0P1", "01", "01Z", "0P12", "01P2", "012",
};

// Class 1 ceramic groups of the extra band, black to white.
constexpr int TempCoefficients[10] = {0, -33, -75, -150, -220, -330, -470, -750, 30, 500};

} // namespace

int fnBandRow(char band)
{
    const std::size_t at = BandChars.find(band);
    return at == std::string_view::npos ? MarkRows : static_cast<int>(at) + 1;
}

char fnBandChar(int row) { return row >= 1 && row <= MarkRows ? BandChars[static_cast<std::size_t>(row - 1)] : NoBand; }

int fnGetMarkMode(TMarkFamily family, TColorMarkData& data)
{
    // A code always has its six bands; a shorter one is filled with "no band".
    for (std::string* code : {&data.CodeRes, &data.CodeCap, &data.CodeDross})
        if (code->size() < MarkBands)
            code->resize(MarkBands, NoBand);
    const auto clear = [](char& band, std::string_view meaningless) {
        if (meaningless.find(band) != std::string_view::npos)
            band = NoBand;
    };
    switch (family) {
    case TMarkFamily::Res: {
        std::string& code = data.CodeRes;
        if (code[4] == NoBand) {
            clear(code[3], "0349"); // not a tolerance colour
            return ModeResFourBands;
        }
        clear(code[2], "AB"); // gold and silver are no digit
        return ModeResFiveBands;
    }
    case TMarkFamily::Cap: {
        std::string& code = data.CodeCap;
        if (code[5] == NoBand) {
            clear(code[3], "349");
            clear(code[4], "AB");
            return ModeCapTwoDigits;
        }
        clear(code[2], "AB");
        clear(code[4], "349");
        return ModeCapThreeDigits;
    }
    case TMarkFamily::Dross: return ModeInductor;
    case TMarkFamily::None: break;
    }
    return ModeNone;
}

bool fnCellAllowed(int mode, int band, char character)
{
    if (mode < ModeNone || mode > ModeInductor || band < 1 || band > MarkBands)
        return false;
    return ModeBands[mode][band - 1].find(character) != std::string_view::npos;
}

void prSetCellStates(int mode, std::string_view code, TColorMarkData& data)
{
    for (int band = 1; band <= MarkBands; ++band)
        for (int row = 1; row <= MarkRows; ++row)
            data.CellState[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)] = row;
    for (int band = 1; band <= MarkBands && band <= static_cast<int>(code.size()); ++band) {
        const char c = code[static_cast<std::size_t>(band - 1)];
        if (BandChars.find(c) != std::string_view::npos)
            data.CellState[static_cast<std::size_t>(fnBandRow(c))][static_cast<std::size_t>(band)] = CellChosenBase
                                                                                                     + fnBandRow(c);
    }
    for (int band = 1; band <= MarkBands; ++band)
        for (int row = 1; row <= MarkRows; ++row)
            if (!fnCellAllowed(mode, band, fnBandChar(row)))
                data.CellState[static_cast<std::size_t>(row)][static_cast<std::size_t>(band)] = CellLocked;
}

TMarkDisplay prDecodeRes(std::string_view code)
{
    TMarkDisplay display;
    if (code.size() != MarkBands)
        return display;
    if (code[4] != NoBand) {
        prApplyMultiplier(display, code[3], true, ResistorUnits, true);
        display.tolerance = fnResTolerance(code[4]);
        prSetDigits(display, code.substr(0, 3));
        return display;
    }
    prApplyMultiplier(display, code[2], false, ResistorUnits, true);
    if (code[3] != NoBand)
        display.tolerance = fnResTolerance(code[3]);
    else if (code != EmptyCode)
        display.tolerance = 1; // a three-band part: 20 %
    prSetDigits(display, code.substr(0, 2));
    return display;
}

TMarkDisplay prDecodeCap(std::string_view code)
{
    TMarkDisplay display;
    if (code.size() != MarkBands)
        return display;
    const bool three = code[5] != NoBand;
    const std::string_view digits = code.substr(0, three ? 3 : 2);
    const char multiplier = code[three ? 3 : 2];
    // At most 10 pF: the precise tolerance colours then mean picofarads.
    const bool small = three ? (multiplier == 'A' || (multiplier == 'B' && digits == "100"))
                             : (multiplier == 'A' || multiplier == 'B' || (multiplier == '0' && digits == "10"));
    prApplyMultiplier(display, multiplier, three, CapacitorUnits, false);
    display.tolerance = fnCapTolerance(code[three ? 4 : 3], small);
    const char extra = code[three ? 5 : 4];
    display.extraBand = fnIsDigit(extra) ? extra - '0' + 1 : 0;
    prSetDigits(display, digits);
    return display;
}

TCapCode prDecodeCapCode(std::string_view text, char letter)
{
    TCapCode result{std::string(EmptyCode), {}};
    if (text.size() == 3)
        result.code.replace(0, 3, text);
    result.code[3] = letter;
    prApplyMultiplier(result.display, result.code[2], false, CapacitorUnits, true);
    result.display.tolerance = fnLetterTolerance(letter);
    prSetDigits(result.display, std::string_view(result.code).substr(0, 2));
    return result;
}

TMarkDisplay prDecodeDross(std::string_view code)
{
    TMarkDisplay display;
    if (code.size() != MarkBands)
        return display;
    prApplyMultiplier(display, code[2], false, InductorUnits, true);
    display.tolerance = fnDrossTolerance(code[3]);
    if (code.substr(3) == "FFF" && code != EmptyCode)
        display.tolerance = 1; // no tolerance band: 20 %
    prSetDigits(display, code.substr(0, 2));
    return display;
}

char fnTolLetter(int index) { return index >= 1 && index < TolLetterCount ? TolLetters[index][0] : '0'; }

std::string fnTolListItem(int index)
{
    return index >= 0 && index < TolLetterCount ? std::string(TolLetters[index]) : std::string();
}

int fnEia96Value(int n)
{
    if (n < 1 || n > 96)
        return 0;
    // The E96 series is 96 equal steps per decade, rounded to three digits.
    return static_cast<int>(std::lround(100.0 * std::pow(10.0, (n - 1) / 96.0)));
}

TSmdCode prSmdCodeToRes(std::string_view input, int caret)
{
    std::string t(input);
    caret = std::clamp(caret, 0, static_cast<int>(t.size()));
    const auto erase = [&t](std::size_t index) { t.erase(index, 1); };

    // 1. Upper case (ASCII letters only; anything else goes in step 2 or 5).
    for (char& c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    // 2. The first character that can never belong to a code goes, one per run.
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!fnIsDigit(t[i]) && !fnIsSmdLetter(t[i])) {
            erase(i);
            caret = std::max(0, caret - 1);
            break;
        }
    }
    // 3. Four characters at most (a longer paste keeps its first four).
    if (t.size() >= 5) {
        t.resize(4);
        caret = 4;
    }
    // 4. One "R" at most: the one just typed goes, else the last one.
    while (std::count(t.begin(), t.end(), 'R') >= 2) {
        if (caret == 0)
            caret = 1;
        if (caret <= static_cast<int>(t.size()) && t[static_cast<std::size_t>(caret - 1)] == 'R') {
            erase(static_cast<std::size_t>(caret - 1));
            caret -= 1;
        } else {
            const std::size_t last = t.rfind('R');
            erase(last);
            caret = static_cast<int>(last);
        }
    }
    // 5. A code starts with a digit or R.
    while (!t.empty() && !fnIsDigit(t[0]) && t[0] != 'R') {
        erase(0);
        caret = 0;
    }
    // 6. Its second character is a digit or R.
    while (t.size() >= 2 && !fnIsDigit(t[1]) && t[1] != 'R') {
        erase(1);
        caret = 1;
    }
    // 7. With R among the first two, three characters.
    if (t.size() == 4 && (t[0] == 'R' || t[1] == 'R')) {
        erase(3);
        caret = 3;
    }
    // 8. ... and the third is a digit.
    while (t.size() >= 3 && (t[0] == 'R' || t[1] == 'R') && !fnIsDigit(t[2])) {
        erase(2);
        caret = 2;
    }
    // 9. An EIA-96 code has three characters.
    if (t.size() >= 4 && fnIsDigit(t[0]) && fnIsDigit(t[1]) && fnIsSmdLetter(t[2])) {
        if (t.size() == 5)
            erase(4);
        if (t.size() == 4)
            erase(3);
        caret = 3;
    }
    // 10. Four characters are four digits.
    if (t.size() == 4 && !fnIsDigit(t[3])) {
        erase(3);
        caret = 3;
    }
    caret = std::clamp(caret, 0, static_cast<int>(t.size()));
    TSmdCode result;
    result.code = fnCodeFromSmd(t);
    result.text = std::move(t);
    result.caret = caret;
    return result;
}

std::vector<TDisplayItem> fnDisplayItems(const TMarkDisplay& display)
{
    std::vector<TDisplayItem> items;
    if (display.layout < 1 || display.layout > 7)
        return items;
    // Glyphs follow each other at their pitch; a point goes into the gap after
    // the glyph before it and widens that gap.
    namespace geo = geometry;
    int x = geo::FirstGlyphPlace.X;
    const int y = geo::FirstGlyphPlace.Y;
    for (const char token : Layouts[display.layout]) {
        if (token == P) {
            items.push_back({true, 0, x - geo::GlyphPitch + geo::PointOffset.X, y + geo::PointOffset.Y});
            x += geo::PointPitch - geo::GlyphPitch;
        } else {
            items.push_back({false, token == Z ? 0 : display.digits[static_cast<std::size_t>(token - '0')], x, y});
            x += geo::GlyphPitch;
        }
    }
    return items;
}

std::string fnMarkNumber(const TMarkDisplay& display)
{
    // The glyphs the display shows, a point as '.'; a glyph that is no digit
    // makes no number.
    std::string number;
    for (const TDisplayItem& item : fnDisplayItems(display)) {
        if (!item.point && (item.glyph < 0 || item.glyph > 9))
            return {};
        number += item.point ? '.' : static_cast<char>('0' + item.glyph);
    }
    return number;
}

TTempCoefficient fnTempCoefficient(int extraBand)
{
    if (extraBand < 1 || extraBand > 10)
        return {};
    return {true, TempCoefficients[extraBand - 1]};
}

} // namespace marking
