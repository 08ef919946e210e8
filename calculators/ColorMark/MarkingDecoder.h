// Reading component markings: resistor, capacitor and inductor colour bands,
// the capacitor's numeric code with its tolerance letter, and SMD resistor
// codes (three and four digits, R as the decimal point, EIA-96). Every marking
// becomes a band code of six band characters and then a display model: digit
// glyphs and their layout, a unit, a tolerance and an extra-band picture. No
// value passes through floating point, so what is shown is exact.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marking {

// The thirteen chart rows, top to bottom, as band characters: silver, gold,
// black, brown, red, orange, yellow, green, blue, violet, grey, white, no band.
inline constexpr std::string_view BandChars = "AB0123456789F";
inline constexpr int MarkRows = 13;
inline constexpr int MarkBands = 6;
inline constexpr char NoBand = 'F';
inline constexpr std::string_view EmptyCode = "FFFFFF";

enum class TMarkFamily { None, Res, Cap, Dross };

// Chart cell states: row r (1-13) selectable, 15 + r chosen, 14 not selectable.
inline constexpr std::int32_t CellLocked = 14;
inline constexpr std::int32_t CellChosenBase = 15;

struct TColorMarkData {
    std::string CodeRes = std::string(EmptyCode);   // resistor bands (also from an SMD code)
    std::string CodeCap = std::string(EmptyCode);   // capacitor bands or its numeric code
    std::string CodeDross = std::string(EmptyCode); // inductor bands
    // CellState[row][band], rows 1-13 and bands 1-6 (index 0 unused).
    std::array<std::array<std::int32_t, MarkBands + 1>, MarkRows + 1> CellState{};
};

// What one decoding shows in the display window; 0 = nothing of that item.
struct TMarkDisplay {
    std::array<int, 3> digits{}; // glyphs: 0-9 for "0"-"9", 10 for any other character
    int layout = 0;              // 1-7: where the digits and the point go
    int unit = 0;                // 1-4 Ohm..GOhm, 5-8 pF..mF, 9-10 uH, mH
    int tolerance = 0;           // 1-24
    int extraBand = 0;           // 1-10, capacitors' last band
    friend bool operator==(const TMarkDisplay&, const TMarkDisplay&) = default;
};

// The chart row of a band character (1-13); anything else is drawn as no band (13).
int fnBandRow(char band);
// The band character of a chart row (1-13).
char fnBandChar(int row);

// Chart modes: which characters each band of the chart offers.
inline constexpr int ModeNone = 0;
inline constexpr int ModeResFourBands = 1; // resistor, 3 or 4 bands
inline constexpr int ModeResFiveBands = 2;
inline constexpr int ModeCapTwoDigits = 3;
inline constexpr int ModeCapThreeDigits = 4;
inline constexpr int ModeInductor = 5;

// Removes band choices that the number of bands made meaningless and gives the
// chart mode.
int fnGetMarkMode(TMarkFamily family, TColorMarkData& data);
// Whether a band may take a character in a chart mode (bands 1-6).
bool fnCellAllowed(int mode, int band, char character);
// Rewrites every cell state for a mode and the active family's code.
void prSetCellStates(int mode, std::string_view code, TColorMarkData& data);

TMarkDisplay prDecodeRes(std::string_view code);
TMarkDisplay prDecodeCap(std::string_view code);
TMarkDisplay prDecodeDross(std::string_view code);

// A capacitor's numeric code ("104") and tolerance letter: its band code and display.
struct TCapCode {
    std::string code;
    TMarkDisplay display;
};
TCapCode prDecodeCapCode(std::string_view text, char letter);

// The tolerance list of the capacitor code: "-", "B", "C", ...; the letter of
// an item, "0" for "-" and for an index outside the list.
inline constexpr int TolLetterCount = 15;
char fnTolLetter(int index);
// The text of item k of that list.
std::string fnTolListItem(int index);

// One run of the SMD field's normaliser on its text and caret (characters before
// the caret): the text it keeps, the caret, and the resistor band code.
struct TSmdCode {
    std::string text;
    int caret = 0;
    std::string code;
};
TSmdCode prSmdCodeToRes(std::string_view text, int caret);

// The n-th value of the E96 series (n = 1..96: 100 .. 976), 0 outside.
int fnEia96Value(int n);

// The display's pieces as drawn: a digit glyph (0-10) or the decimal point,
// with the top-left corner where it goes on the result picture (the places
// are the marking geometry's).
struct TDisplayItem {
    bool point = false;
    int glyph = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const TDisplayItem&, const TDisplayItem&) = default;
};
std::vector<TDisplayItem> fnDisplayItems(const TMarkDisplay& display);

// What the display window reads, as text to copy. The value's digits in their
// layout with '.' as the point ("4.7", "0.47", "100"); "" when a digit band is
// unset or a code character is no digit (the display then shows a dash).
std::string fnMarkNumber(const TMarkDisplay& display);
// A tolerance picture (1-24) as written: a symmetric one in `upper` ("±5",
// "±0.25"), an asymmetric one as its two deviations ("+80", "−20", UTF-8).
// Pictures 1-9 are by colour or letter, 10-15 the letters N Z S T Q Y, 16-19
// the precise colours of a capacitor of 10 pF or less (in pF), 21 a code
// without a known letter; 20 and 24 are empty. The picture sheet writes the
// same texts.
enum class TTolUnit { None, Percent, PicoFarad, Unknown };
struct TMarkTolerance {
    std::string_view upper;
    std::string_view lower;
    TTolUnit unit = TTolUnit::None; // None: no tolerance shown
};
inline constexpr TMarkTolerance MarkTolerances[24] = {
    {"±20", "", TTolUnit::Percent},     {"±10", "", TTolUnit::Percent},     {"±5", "", TTolUnit::Percent},
    {"±1", "", TTolUnit::Percent},      {"±2", "", TTolUnit::Percent},      {"±0.5", "", TTolUnit::Percent},
    {"±0.25", "", TTolUnit::Percent},   {"±0.1", "", TTolUnit::Percent},    {"±0.05", "", TTolUnit::Percent},
    {"±30", "", TTolUnit::Percent},     {"+80", "−20", TTolUnit::Percent},  {"+50", "−20", TTolUnit::Percent},
    {"+50", "−10", TTolUnit::Percent},  {"+30", "−10", TTolUnit::Percent},  {"+100", "−10", TTolUnit::Percent},
    {"±0.25", "", TTolUnit::PicoFarad}, {"±0.05", "", TTolUnit::PicoFarad}, {"±0.5", "", TTolUnit::PicoFarad},
    {"±0.1", "", TTolUnit::PicoFarad},  {"", "", TTolUnit::None},           {"", "", TTolUnit::Unknown},
    {"±3", "", TTolUnit::Percent},      {"±4", "", TTolUnit::Percent},      {"", "", TTolUnit::None},
};
constexpr TMarkTolerance fnMarkTolerance(int picture)
{
    return picture >= 1 && picture <= 24 ? MarkTolerances[picture - 1] : TMarkTolerance{};
}
// The temperature coefficient of a capacitor's extra band picture (1-10) in
// 10^-6/K: 0 (NP0), -33 ... -750, +30, +500; `known` false for any other.
struct TTempCoefficient {
    bool known = false;
    int ppm = 0;
};
TTempCoefficient fnTempCoefficient(int extraBand);

} // namespace marking
