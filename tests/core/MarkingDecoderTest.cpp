// Marking decoding as the tables read: band codes of every family to digits,
// layout, unit and tolerance; chart modes and their clean-up; the capacitor
// code; the SMD normaliser typed key by key; all 96 EIA-96 codes. The marking
// geometry: pieces apart on the sheet, places that fit what goes there.
#include "calculators/ColorMark/MarkingDecoder.h"
#include "calculators/ColorMark/ColorMarkGeometry.h"
#include "tests/support/RectChecks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace marking;

namespace {

// A display as the user reads it: "1.0 kOhm 5%" style text of the model, so
// expectations read like the marking tables.
std::string fnRead(const TMarkDisplay& d)
{
    static const char* const Units[] = {"",   "Ohm", "kOhm", "MOhm", "GOhm", "pF", "nF",
                                        "uF", "mF",  "uH",   "mH",   "u11",  "u12"};
    std::string text;
    for (const TDisplayItem& item : fnDisplayItems(d))
        text += item.point ? '.' : (item.glyph == 10 ? '?' : static_cast<char>('0' + item.glyph));
    const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : " ") + part; };
    if (d.unit)
        add(Units[d.unit]);
    if (d.tolerance)
        add("t" + std::to_string(d.tolerance));
    if (d.extraBand)
        add("e" + std::to_string(d.extraBand));
    return text;
}

struct TDecodeCase {
    const char* name;
    char family; // 'R', 'C', 'D'
    const char* code;
    const char* shown;
    friend void PrintTo(const TDecodeCase& c, std::ostream* os) { *os << c.name; }
};

class Decode : public ::testing::TestWithParam<TDecodeCase> {};

TEST_P(Decode, ShowsWhatTheBandsSay)
{
    const TDecodeCase& c = GetParam();
    const TMarkDisplay d = c.family == 'R'   ? prDecodeRes(c.code)
                           : c.family == 'C' ? prDecodeCap(c.code)
                                             : prDecodeDross(c.code);
    EXPECT_EQ(fnRead(d), c.shown);
    // What Ctrl+C copies is the number the glyphs show, or nothing where they show a dash.
    std::string glyphs;
    for (const TDisplayItem& item : fnDisplayItems(d))
        glyphs += item.point ? '.' : (item.glyph == 10 ? '?' : static_cast<char>('0' + item.glyph));
    EXPECT_EQ(fnMarkNumber(d), glyphs.find('?') == std::string::npos ? glyphs : "");
}

INSTANTIATE_TEST_SUITE_P(
    Bands, Decode,
    ::testing::Values(
        TDecodeCase{"EmptyResistor", 'R', "FFFFFF", ""}, TDecodeCase{"EmptyCapacitor", 'C', "FFFFFF", ""},
        TDecodeCase{"EmptyInductor", 'D', "FFFFFF", ""}, TDecodeCase{"ResFourBands", 'R', "102BFF", "1.0 kOhm t3"},
        TDecodeCase{"ResThreeBands", 'R', "102FFF", "1.0 kOhm t1"},
        TDecodeCase{"ResFiveBands", 'R', "10011F", "1.00 kOhm t4"},
        TDecodeCase{"ResMissingDigitShowsUnitAndTolerance", 'R', "F02BFF", "kOhm t3"},
        TDecodeCase{"ResFiveBandMissingDigit", 'R', "1F011F", "kOhm t4"},
        TDecodeCase{"ResNoMultiplierTwoDigits", 'R', "47FBFF", "47 t3"},
        TDecodeCase{"ResNoMultiplierThreeDigits", 'R', "470F1F", "470 t4"},
        TDecodeCase{"ResNonToleranceColour", 'R', "1020FF", "1.0 kOhm"},
        // Multiplier rows, two digits (4 bands) and three digits (5 bands).
        TDecodeCase{"Two_A", 'R', "47ABFF", "0.47 Ohm t3"}, TDecodeCase{"Two_B", 'R', "47BBFF", "4.7 Ohm t3"},
        TDecodeCase{"Two_0", 'R', "470BFF", "47 Ohm t3"}, TDecodeCase{"Two_1", 'R', "471BFF", "470 Ohm t3"},
        TDecodeCase{"Two_2", 'R', "472BFF", "4.7 kOhm t3"}, TDecodeCase{"Two_3", 'R', "473BFF", "47 kOhm t3"},
        TDecodeCase{"Two_4", 'R', "474BFF", "470 kOhm t3"}, TDecodeCase{"Two_5", 'R', "475BFF", "4.7 MOhm t3"},
        TDecodeCase{"Two_6", 'R', "476BFF", "47 MOhm t3"}, TDecodeCase{"Two_7", 'R', "477BFF", "470 MOhm t3"},
        TDecodeCase{"Two_8", 'R', "478BFF", "4.7 GOhm t3"}, TDecodeCase{"Two_9", 'R', "479BFF", "47 GOhm t3"},
        TDecodeCase{"Three_A", 'R', "475A1F", "4.75 Ohm t4"}, TDecodeCase{"Three_B", 'R', "475B1F", "47.5 Ohm t4"},
        TDecodeCase{"Three_0", 'R', "47501F", "475 Ohm t4"}, TDecodeCase{"Three_1", 'R', "47515F", "4.75 kOhm t6"},
        TDecodeCase{"Three_2", 'R', "47526F", "47.5 kOhm t7"}, TDecodeCase{"Three_3", 'R', "47537F", "475 kOhm t8"},
        TDecodeCase{"Three_4", 'R', "47548F", "4.75 MOhm t9"}, TDecodeCase{"Three_5", 'R', "4755AF", "47.5 MOhm t2"},
        TDecodeCase{"Three_6", 'R', "4756BF", "475 MOhm t3"}, TDecodeCase{"Three_7", 'R', "47572F", "4.75 GOhm t5"},
        TDecodeCase{"Three_8", 'R', "47581F", "47.5 GOhm t4"}, TDecodeCase{"Three_9", 'R', "47592F", "475 GOhm t5"},
        // Capacitor colour bands: at most 10 pF the precise colours mean picofarads.
        TDecodeCase{"CapTenPicoGreen", 'C', "1005FF", "10 pF t18"},
        TDecodeCase{"CapHundredPicoGreen", 'C', "1015FF", "100 pF t6"},
        TDecodeCase{"CapSmallBlueGreyViolet", 'C', "47B6FF", "4.7 pF t16"},
        TDecodeCase{"CapSmallGrey", 'C', "47A8FF", "0.47 pF t17"},
        TDecodeCase{"CapSmallViolet", 'C', "1007FF", "10 pF t19"},
        TDecodeCase{"CapLargeBlue", 'C', "1036FF", "10 nF t7"}, TDecodeCase{"CapLargeGrey", 'C', "1038FF", "10 nF t9"},
        TDecodeCase{"CapLargeViolet", 'C', "1037FF", "10 nF t8"},
        TDecodeCase{"CapBlackTwenty", 'C', "4730FF", "47 nF t1"},
        TDecodeCase{"CapBrownRedSilverGold", 'C', "4731FF", "47 nF t4"},
        TDecodeCase{"CapRed", 'C', "4732FF", "47 nF t5"}, TDecodeCase{"CapSilver", 'C', "473AFF", "47 nF t2"},
        TDecodeCase{"CapGold", 'C', "473BFF", "47 nF t3"}, TDecodeCase{"CapNoToleranceColours", 'C', "4733FF", "47 nF"},
        TDecodeCase{"CapExtraBand", 'C', "47301F", "47 nF t1 e2"},
        TDecodeCase{"CapExtraWhite", 'C', "47309F", "47 nF t1 e10"},
        TDecodeCase{"CapThreeDigits", 'C', "47221A", "47.2 nF t4"},
        TDecodeCase{"CapThreeDigitsSmall", 'C', "100B69", "10.0 pF t16 e10"},
        TDecodeCase{"CapThreeDigitsNotSmall", 'C', "101B69", "10.1 pF t7 e10"},
        TDecodeCase{"CapThreeDigitsSmallA", 'C', "475A79", "4.75 pF t19 e10"},
        TDecodeCase{"CapNoMultiplierNoDigits", 'C', "47F0FF", "t1"},
        TDecodeCase{"CapMicro", 'C', "475BFF", "4.7 uF t3"}, TDecodeCase{"CapMilli", 'C', "478BFF", "4.7 mF t3"},
        // Inductors.
        TDecodeCase{"DrossThreeBands", 'D', "102FFF", "1.0 mH t1"},
        TDecodeCase{"DrossOrange", 'D', "1023FF", "1.0 mH t22"},
        TDecodeCase{"DrossYellow", 'D', "1024FF", "1.0 mH t23"}, TDecodeCase{"DrossBlack", 'D', "1020FF", "1.0 mH t1"},
        TDecodeCase{"DrossBrown", 'D', "1021FF", "1.0 mH t4"}, TDecodeCase{"DrossRed", 'D', "1022FF", "1.0 mH t5"},
        TDecodeCase{"DrossSilver", 'D', "47AAFF", "0.47 uH t2"}, TDecodeCase{"DrossGold", 'D', "47BBFF", "4.7 uH t3"},
        TDecodeCase{"DrossMicro", 'D', "471FFF", "470 uH t1"},
        TDecodeCase{"DrossMissingDigit", 'D', "F21FFF", "uH t1"}),
    [](const auto& info) { return std::string(info.param.name); });

// The display's tolerance and extra-band pictures read as text for copying.
TEST(MarkingDecoder, TolerancesAndTemperatureCoefficientsAsText)
{
    const struct {
        int picture;
        std::string_view upper, lower;
        TTolUnit unit;
    } tolerances[] = {
        {1, "±20", "", TTolUnit::Percent},
        {3, "±5", "", TTolUnit::Percent},
        {6, "±0.5", "", TTolUnit::Percent},
        {11, "+80", "−20", TTolUnit::Percent},
        {15, "+100", "−10", TTolUnit::Percent},
        {16, "±0.25", "", TTolUnit::PicoFarad},
        {19, "±0.1", "", TTolUnit::PicoFarad},
        {20, "", "", TTolUnit::None},
        {21, "", "", TTolUnit::Unknown},
        {23, "±4", "", TTolUnit::Percent},
        {0, "", "", TTolUnit::None},
        {25, "", "", TTolUnit::None},
    };
    for (const auto& t : tolerances) {
        const TMarkTolerance read = fnMarkTolerance(t.picture);
        EXPECT_EQ(read.upper, t.upper) << t.picture;
        EXPECT_EQ(read.lower, t.lower) << t.picture;
        EXPECT_EQ(read.unit, t.unit) << t.picture;
    }
    // Black NP0, violet -750, grey +30, white +500 (extra band pictures are band + 1).
    const std::pair<int, int> groups[] = {{1, 0}, {2, -33}, {8, -750}, {9, 30}, {10, 500}};
    for (const auto& [picture, ppm] : groups) {
        EXPECT_TRUE(fnTempCoefficient(picture).known) << picture;
        EXPECT_EQ(fnTempCoefficient(picture).ppm, ppm) << picture;
    }
    EXPECT_FALSE(fnTempCoefficient(0).known);
    EXPECT_FALSE(fnTempCoefficient(11).known);
}

TEST(MarkingDecoder, EveryResistorToleranceBand)
{
    const std::pair<char, int> expected[] = {{'A', 2}, {'B', 3}, {'1', 4}, {'2', 5}, {'5', 6}, {'6', 7},
                                             {'7', 8}, {'8', 9}, {'0', 0}, {'3', 0}, {'4', 0}, {'9', 0}};
    for (const auto& [band, picture] : expected) {
        EXPECT_EQ(prDecodeRes(std::string("102") + band + "FF").tolerance, picture) << band;
        EXPECT_EQ(prDecodeRes(std::string("1002") + band + "F").tolerance, picture) << band;
    }
}

TEST(MarkingDecoder, CapacitorNumericCode)
{
    const struct {
        const char* text;
        char letter;
        const char* code;
        const char* shown;
    } cases[] = {
        {"104", 'M', "104MFF", "100 nF t1"},
        {"102", '0', "1020FF", "1.0 nF t21"},
        {"47", 'K', "FFFKFF", "t2"}, // fewer than three characters: only the tolerance
        {"", '0', "FFF0FF", "t21"},
        {"1e5", 'J', "1e5JFF", "1.? uF t3"}, // a character outside the digits is glyph 10
        {"229", 'B', "229BFF", "22 mF t8"},
    };
    for (const auto& c : cases) {
        const TCapCode result = prDecodeCapCode(c.text, c.letter);
        EXPECT_EQ(result.code, c.code) << c.text;
        EXPECT_EQ(fnRead(result.display), c.shown) << c.text;
    }
    const std::pair<char, int> letters[] = {{'M', 1},  {'K', 2},  {'J', 3},  {'F', 4},  {'G', 5},
                                            {'D', 6},  {'C', 7},  {'B', 8},  {'N', 10}, {'Z', 11},
                                            {'S', 12}, {'T', 13}, {'Q', 14}, {'Y', 15}, {'0', 21}};
    for (const auto& [letter, picture] : letters)
        EXPECT_EQ(prDecodeCapCode("104", letter).display.tolerance, picture) << letter;
    const char list[] = "0BCDFGJKMNQTYSZ";
    for (int k = 0; k < TolLetterCount; ++k)
        EXPECT_EQ(fnTolLetter(k), list[k]) << k;
    EXPECT_EQ(fnTolLetter(-1), '0');
    EXPECT_EQ(fnTolLetter(15), '0');
}

TEST(MarkingDecoder, ModeChangesCleanUp)
{
    TColorMarkData data;
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::None, data), 0);
    // A fifth band on a four-band resistor whose third band is gold: gold is no digit.
    data.CodeRes = "47BB2F";
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::Res, data), 2);
    EXPECT_EQ(data.CodeRes, "47FB2F");
    // Back to four bands: black, orange, yellow or white are no tolerance.
    for (char band : {'0', '3', '4', '9'}) {
        data.CodeRes = std::string("472") + band + "FF";
        EXPECT_EQ(fnGetMarkMode(TMarkFamily::Res, data), 1);
        EXPECT_EQ(data.CodeRes, "472FFF") << band;
    }
    data.CodeCap = "473315";
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::Cap, data), 4);
    EXPECT_EQ(data.CodeCap, "473315");
    data.CodeCap = "47A335"; // three digits: silver is no digit, orange no tolerance
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::Cap, data), 4);
    EXPECT_EQ(data.CodeCap, "47F3F5");
    data.CodeCap = "4739BF"; // two digits: white no tolerance, gold no extra band
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::Cap, data), 3);
    EXPECT_EQ(data.CodeCap, "473FFF");
    data.CodeDross = "47A9FF";
    EXPECT_EQ(fnGetMarkMode(TMarkFamily::Dross, data), 5);
    EXPECT_EQ(data.CodeDross, "47A9FF");
}

TEST(MarkingDecoder, CellStatesOfANewPage)
{
    TColorMarkData data;
    prSetCellStates(fnGetMarkMode(TMarkFamily::Res, data), data.CodeRes, data);
    for (int band = 1; band <= 5; ++band)
        EXPECT_EQ(data.CellState[13][static_cast<std::size_t>(band)], 28) << band; // "no band" chosen
    for (int row = 1; row <= 13; ++row)
        EXPECT_EQ(data.CellState[static_cast<std::size_t>(row)][6], CellLocked) << row;
    EXPECT_EQ(data.CellState[3][1], CellLocked); // black is no first digit
    EXPECT_EQ(data.CellState[3][2], 3);
    EXPECT_EQ(data.CellState[1][3], 1);          // silver multiplier
    EXPECT_EQ(data.CellState[3][4], CellLocked); // black is no resistor tolerance

    // Chosen but not selectable shows as not selectable.
    prSetCellStates(2, "0FFFFF", data);
    EXPECT_EQ(data.CellState[3][1], CellLocked);
    prSetCellStates(0, "102BFF", data);
    for (std::size_t row = 1; row <= MarkRows; ++row)
        for (std::size_t band = 1; band <= MarkBands; ++band)
            EXPECT_EQ(data.CellState[row][band], CellLocked);
}

TEST(MarkingDecoder, ChartModesAllowTheirBands)
{
    const struct {
        int mode, band;
        const char* allowed;
    } cases[] = {
        {1, 1, "123456789F"},
        {1, 2, "0123456789F"},
        {1, 3, "AB0123456789F"},
        {1, 4, "AB125678F"},
        {1, 5, "AB125678F"},
        {1, 6, ""},
        {2, 3, "0123456789F"},
        {2, 4, "AB0123456789F"},
        {2, 5, "AB125678F"},
        {3, 4, "AB0125678F"},
        {3, 5, "0123456789F"},
        {3, 6, "AB0123456789F"},
        {4, 5, "AB0125678F"},
        {4, 6, "0123456789F"},
        {5, 3, "AB01234F"},
        {5, 4, "AB01234F"},
        {5, 5, ""},
        {0, 1, ""},
    };
    for (const auto& c : cases)
        for (char band : BandChars)
            EXPECT_EQ(fnCellAllowed(c.mode, c.band, band), std::string(c.allowed).find(band) != std::string::npos)
                << "mode " << c.mode << " band " << c.band << " " << band;
}

TEST(MarkingDecoder, EveryEia96CodeIsTheE96Series)
{
    const int e96[96] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                         147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                         215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                         316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                         464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                         681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
    for (int n = 1; n <= 96; ++n) {
        EXPECT_EQ(fnEia96Value(n), e96[n - 1]) << n;
        const std::string typed = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 'A'};
        EXPECT_EQ(prSmdCodeToRes(typed, 3).code, std::to_string(e96[n - 1]) + "01F") << typed;
    }
    for (const char* none : {"00A", "97A", "99C"})
        EXPECT_EQ(prSmdCodeToRes(none, 3).code, "FFFFFF") << none;
}

TEST(MarkingDecoder, SmdCodesRead)
{
    const struct {
        const char* text;
        const char* code;
        const char* shown;
    } cases[] = {
        {"472", "472BFF", "4.7 kOhm t3"},
        {"4R7", "47BBFF", "4.7 Ohm t3"},
        {"R47", "47ABFF", "0.47 Ohm t3"},
        {"1002", "10021F", "10.0 kOhm t4"},
        {"01C", "10021F", "10.0 kOhm t4"},
        {"68X", "499B1F", "49.9 Ohm t4"},
        {"68R", "499A1F", "4.99 Ohm t4"},
        {"47R", "301A1F", "3.01 Ohm t4"},
        {"99A", "FFFFFF", ""},
        {"47", "FFFFFF", ""},
        {"", "FFFFFF", ""},
        {"01F", "10051F", "10.0 MOhm t4"},
    };
    for (const auto& c : cases) {
        const TSmdCode result = prSmdCodeToRes(c.text, static_cast<int>(std::string(c.text).size()));
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.code, c.code) << c.text;
        EXPECT_EQ(fnRead(prDecodeRes(result.code)), c.shown) << c.text;
    }
}

// Typing key by key as the field does: each change runs the normaliser on the
// text and caret, and a rewrite runs it again until it holds still.
TSmdCode fnTypeSmd(const std::string& keys)
{
    TSmdCode state{"", 0, std::string(EmptyCode)};
    for (char key : keys) {
        std::string text = state.text;
        text.insert(static_cast<std::size_t>(state.caret), 1, key);
        TSmdCode next = prSmdCodeToRes(text, state.caret + 1);
        for (int guard = 0; guard < 10 && next.text != text; ++guard) {
            text = next.text;
            next = prSmdCodeToRes(text, next.caret);
        }
        state = next;
    }
    return state;
}

TEST(MarkingDecoder, SmdTypingKeepsAValidShapeAndTheCaret)
{
    const struct {
        const char* keys;
        const char* text;
        int caret;
    } cases[] = {
        {"4r7", "4R7", 3},  {"4RR", "4R", 2}, {"A12", "12", 2}, {"12A3", "12A", 3}, {"12345", "1234", 4},
        {"r4r7", "R47", 3}, {"x1", "1", 1},   {"1.5", "15", 2}, {"4r7x", "4R7", 3}, {"47rr", "47R", 3},
    };
    for (const auto& c : cases) {
        const TSmdCode result = fnTypeSmd(c.keys);
        EXPECT_EQ(result.text, c.text) << c.keys;
        EXPECT_EQ(result.caret, c.caret) << c.keys;
    }
}

TEST(MarkingDecoder, SmdNormaliserIsIdempotentAndKeepsTheCaretInside)
{
    // Every short text over a mixed alphabet (letters, symbols, bytes of Cyrillic), every caret.
    const std::string alphabet = "04R7rAxSY.,-\xD0\xB0";
    std::vector<std::string> texts = {""};
    for (int length = 1; length <= 4; ++length) {
        std::vector<std::string> longer;
        for (const std::string& t : texts)
            if (static_cast<int>(t.size()) == length - 1)
                for (char c : alphabet)
                    longer.push_back(t + c);
        texts.insert(texts.end(), longer.begin(), longer.end());
    }
    texts.push_back("123456789");
    for (const std::string& t : texts) {
        for (int caret = 0; caret <= static_cast<int>(t.size()); ++caret) {
            TSmdCode once = prSmdCodeToRes(t, caret);
            ASSERT_GE(once.caret, 0) << t;
            ASSERT_LE(once.caret, static_cast<int>(once.text.size())) << t;
            ASSERT_LE(once.text.size(), 4u) << t;
            // Runs repeat while they rewrite; a few at most, ending in a fixed text.
            TSmdCode next = once;
            int runs = 0;
            do {
                once = next;
                next = prSmdCodeToRes(once.text, once.caret);
            } while (next.text != once.text && ++runs < 20);
            ASSERT_LT(runs, 20) << t;
            EXPECT_EQ(prSmdCodeToRes(next.text, next.caret).text, next.text) << t;
        }
    }
}

TEST(MarkingDecoder, DisplayGlyphsAndPointPlaces)
{
    TMarkDisplay d;
    d.digits = {4, 7, 5};
    const struct {
        int layout;
        std::vector<TDisplayItem> items;
    } cases[] = {
        {1, {{false, 0, 288, 48}, {true, 0, 307, 63}, {false, 4, 318, 48}, {false, 7, 340, 48}}},
        {2, {{false, 4, 288, 48}, {true, 0, 307, 63}, {false, 7, 318, 48}}},
        {3, {{false, 4, 288, 48}, {false, 7, 310, 48}}},
        {4, {{false, 4, 288, 48}, {false, 7, 310, 48}, {false, 0, 332, 48}}},
        {5, {{false, 4, 288, 48}, {true, 0, 307, 63}, {false, 7, 318, 48}, {false, 5, 340, 48}}},
        {6, {{false, 4, 288, 48}, {false, 7, 310, 48}, {true, 0, 329, 63}, {false, 5, 340, 48}}},
        {7, {{false, 4, 288, 48}, {false, 7, 310, 48}, {false, 5, 332, 48}}},
    };
    for (const auto& c : cases) {
        d.layout = c.layout;
        EXPECT_EQ(fnDisplayItems(d), c.items) << c.layout;
    }
    d.layout = 0;
    EXPECT_TRUE(fnDisplayItems(d).empty());
}

TEST(MarkingDecoder, BandRows)
{
    for (int row = 1; row <= MarkRows; ++row)
        EXPECT_EQ(fnBandRow(fnBandChar(row)), row);
    EXPECT_EQ(fnBandRow('x'), 13);
    EXPECT_EQ(fnBandRow('M'), 13);
}

namespace geo = marking::geometry;

struct TNamedRect {
    std::string name;
    TRect rect;
};

// Everything the page cuts from the sheet but the display interior, which is
// cut from inside the window.
std::vector<TNamedRect> fnSheetPieces()
{
    std::vector<TNamedRect> pieces;
    const auto add = [&pieces](const std::string& name, const geo::TPieceTable& table) {
        for (int n = table.first; n <= table.fnLast(); ++n)
            pieces.push_back({name + " " + std::to_string(n), table.fnPiece(n)});
    };
    add("swatch", geo::Swatches);
    add("band number", geo::BandNumbers);
    add("glyph", geo::Glyphs);
    add("unit", geo::Units);
    add("tolerance", geo::Tolerances);
    add("extra band", geo::ExtraBands);
    add("band slice", geo::BandSlices);
    add("body", geo::Bodies);
    for (std::size_t k = 0; k < geo::Icons.size(); ++k)
        pieces.push_back({"icon " + std::to_string(k), geo::Icons[k]});
    pieces.push_back({"window", geo::WindowPiece});
    pieces.push_back({"point", geo::PointPiece});
    return pieces;
}

TEST(MarkingGeometry, EveryPieceLiesOnTheSheetApartFromTheOthers)
{
    const std::vector<TNamedRect> pieces = fnSheetPieces();
    ASSERT_EQ(pieces.size(), 30u + 7 + 11 + 12 + 24 + 12 + 78 + 5 + 3 + 2);
    const TRect sheet = fnRectAt(0, 0, geo::SheetWidth, geo::SheetHeight);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_TRUE(fnInside(pieces[i].rect, sheet)) << pieces[i].name;
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            EXPECT_FALSE(fnOverlap(pieces[i].rect, pieces[j].rect)) << pieces[i].name << " and " << pieces[j].name;
    }
    EXPECT_TRUE(fnInside(geo::InteriorPiece, geo::WindowPiece));
    // The slice of band k in row r is that band's place on the banded body.
    EXPECT_EQ(geo::fnBandSlicePiece(1, 1), geo::BandSlices.fnPiece(1));
    EXPECT_EQ(geo::fnBandSlicePiece(6, 1), geo::BandSlices.fnPiece(6));
    EXPECT_EQ(geo::fnBandSlicePiece(1, 2), geo::BandSlices.fnPiece(7));
    EXPECT_EQ(geo::fnBandSlicePiece(6, 13), geo::BandSlices.fnPiece(78));
}

TEST(MarkingGeometry, PlacesFitWhatGoesThere)
{
    // The display's unit and tolerance are erased with the interior.
    const TRect interior = fnRectAt(geo::InteriorPlace, fnWidth(geo::InteriorPiece), fnHeight(geo::InteriorPiece));
    EXPECT_TRUE(fnInside(fnRectAt(geo::UnitPlace, geo::Units.width, geo::Units.height), interior));
    EXPECT_TRUE(fnInside(fnRectAt(geo::TolerancePlace, geo::Tolerances.width, geo::Tolerances.height), interior));
    // The bands join each other along the banded body and stay on it.
    const TRect body = fnRectAt(0, 0, geo::BodyWidth, geo::BodyHeight);
    for (int band = 1; band <= MarkBands; ++band) {
        const TRect place = geo::fnBandOnBody(band);
        EXPECT_TRUE(fnInside(place, body)) << band;
        EXPECT_EQ(fnWidth(place), fnWidth(geo::fnBandSlicePiece(band, 1))) << band;
        if (band > 1) {
            EXPECT_EQ(place.Left, geo::fnBandOnBody(band - 1).Right) << band;
        }
    }
    // Hit rectangles include their far edges: neither two cells nor a cell
    // and the reset key share a pixel a click could land on.
    const auto hit = [](const TRect& r) { return TRect{r.Left, r.Top, r.Right + 1, r.Bottom + 1}; };
    for (int row = 1; row <= MarkRows; ++row) {
        for (int band = 1; band <= MarkBands; ++band) {
            const TRect cell = hit(geo::fnCellPlace(row, band));
            EXPECT_FALSE(fnOverlap(cell, hit(geo::ResetHit))) << row << "/" << band;
            if (band < MarkBands) {
                EXPECT_FALSE(fnOverlap(cell, hit(geo::fnCellPlace(row, band + 1)))) << row << "/" << band;
            }
            if (row < MarkRows) {
                EXPECT_FALSE(fnOverlap(cell, hit(geo::fnCellPlace(row + 1, band)))) << row << "/" << band;
            }
        }
    }
    EXPECT_EQ(hit(geo::ResetHit), geo::ResetKey);
    // The band numbers stand under the last row, each under its band.
    for (int band = 1; band <= MarkBands; ++band) {
        EXPECT_GT(geo::fnBandNumberPlace(band).Top, geo::fnCellPlace(MarkRows, band).Bottom) << band;
        EXPECT_EQ(geo::fnBandNumberPlace(band).Left, geo::fnCellPlace(MarkRows, band).Left) << band;
    }
}

} // namespace
