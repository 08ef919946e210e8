#include "common/Numbers.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace {

// Every case names the separator it runs under; the helper restores ','.
class SeparatorScope {
public:
    explicit SeparatorScope(char separator) : mSaved(fnGetDecimalSeparator()) { prSetDecimalSeparator(separator); }
    ~SeparatorScope() { prSetDecimalSeparator(mSaved); }

private:
    char mSaved;
};

struct FloatToTextCase {
    const char* name;
    char separator;
    int digits;
    double value;
    const char* expected;
    friend void PrintTo(const FloatToTextCase& c, std::ostream* os) { *os << c.name; }
};

class FloatToText : public ::testing::TestWithParam<FloatToTextCase> {};

TEST_P(FloatToText, WritesMagnitudeDependentDecimals)
{
    const auto& c = GetParam();
    SeparatorScope scope(c.separator);
    EXPECT_EQ(fnFloatToText(c.digits, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ladder, FloatToText,
    ::testing::Values(
        FloatToTextCase{"HundredsNoDecimals", ',', 3, 230.4, "230"},
        FloatToTextCase{"TensOneDecimal", ',', 3, 23.04, "23,0"},
        FloatToTextCase{"BelowTenTwoDecimals", ',', 3, 0.5, "0,50"},
        FloatToTextCase{"FiveDigitsLarge", ',', 5, 12345.6, "12346"},
        FloatToTextCase{"FiveDigitsSmall", ',', 5, 1.5, "1,5000"},
        FloatToTextCase{"NegativeGetsMostDecimals", ',', 3, -50, "-50,00"},
        FloatToTextCase{"NegativeFiveDigits", ',', 5, -1234.5, "-1234,5000"},
        FloatToTextCase{"JustBelowHundredKeepsDecimal", ',', 3, 99.96, "100,0"},
        FloatToTextCase{"JustBelowTenKeepsDecimals", ',', 3, 9.996, "10,00"},
        FloatToTextCase{"HalfAwayFromZero", ',', 3, 0.125, "0,13"},
        FloatToTextCase{"HalfAwayFromZeroNegative", ',', 3, -0.125, "-0,13"},
        FloatToTextCase{"BinaryHalfRoundsAsRead", ',', 3, 2.675, "2,68"},
        FloatToTextCase{"ThousandsNoSeparator", ',', 3, 1234567.0, "1234567"},
        FloatToTextCase{"FiveDigitsThousands", ',', 5, 1000, "1000,0"},
        FloatToTextCase{"FiveDigitsHundreds", ',', 5, 100, "100,00"},
        FloatToTextCase{"FiveDigitsTens", ',', 5, 10, "10,000"},
        FloatToTextCase{"Zero", ',', 3, 0, "0,00"},
        FloatToTextCase{"TinyNegativeIsZero", ',', 3, -0.001, "0,00"},
        FloatToTextCase{"LeadingZeroKept", ',', 3, 0.05, "0,05"},
        FloatToTextCase{"PointSystem", '.', 3, 2.5, "2.50"},
        FloatToTextCase{"OtherDigitsEmpty", ',', 4, 2.5, ""},
        FloatToTextCase{"NaNNeverShown", ',', 3, std::numeric_limits<double>::quiet_NaN(), "0"},
        FloatToTextCase{"InfinityNeverShown", ',', 3, std::numeric_limits<double>::infinity(), "0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextToFloatCase {
    const char* name;
    char separator;
    const char* text;
    double expected;
    friend void PrintTo(const TextToFloatCase& c, std::ostream* os) { *os << c.name; }
};

class TextToFloat : public ::testing::TestWithParam<TextToFloatCase> {};

TEST_P(TextToFloat, ReadsNumbersAndZeroForTheRest)
{
    const auto& c = GetParam();
    SeparatorScope scope(c.separator);
    EXPECT_DOUBLE_EQ(fnTextToFloat(std::string_view(c.text)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, TextToFloat,
    ::testing::Values(TextToFloatCase{"Empty", ',', "", 0}, TextToFloatCase{"Letters", ',', "abc", 0},
                      TextToFloatCase{"TwoSeparators", ',', "1,2,3", 0},
                      TextToFloatCase{"BlanksAround", ',', "  2,5  ", 2.5},
                      TextToFloatCase{"LoneSeparator", ',', ",", 0}, TextToFloatCase{"LoneSign", ',', "-", 0},
                      TextToFloatCase{"SignAndSeparator", ',', "-,5", -0.5},
                      TextToFloatCase{"Exponent", ',', "1,5e3", 1500},
                      TextToFloatCase{"SignedExponent", ',', "25E-1", 2.5},
                      TextToFloatCase{"ExponentWithoutDigits", ',', "1e", 0},
                      TextToFloatCase{"PointOnCommaSystem", ',', "2.5", 0},
                      TextToFloatCase{"CommaOnPointSystem", '.', "2,5", 0},
                      TextToFloatCase{"PointSystem", '.', "2.5", 2.5},
                      TextToFloatCase{"TooLargeForDouble", ',', "1e999", 0},
                      TextToFloatCase{"HexIsNotANumber", ',', "0x10", 0},
                      TextToFloatCase{"InfIsNotANumber", ',', "inf", 0},
                      TextToFloatCase{"NanIsNotANumber", ',', "nan", 0},
                      TextToFloatCase{"BlankInside", ',', "1 2", 0},
                      TextToFloatCase{"Cyrillic", ',', "\xD0\xB0", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Typing one character at a time: each step inserts at the caret and runs the
// filter until it stops changing the text, as the field does.
std::u16string fnType(std::u16string text, const std::u16string& keys, int* caretOut = nullptr)
{
    int caret = static_cast<int>(text.size());
    for (char16_t key : keys) {
        text.insert(text.begin() + caret, key);
        ++caret;
        for (int guard = 0; guard < 10 && prEditNumberFilter(text, caret); ++guard) {
        }
    }
    if (caretOut)
        *caretOut = caret;
    return text;
}

struct FilterCase {
    const char* name;
    char separator;
    const char16_t* start;
    const char16_t* keys;
    const char16_t* expected;
    friend void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }
};

class NumberFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NumberFilter, TypingCannotMakeAFieldInvalid)
{
    const auto& c = GetParam();
    SeparatorScope scope(c.separator);
    EXPECT_EQ(fnType(c.start, c.keys), std::u16string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Typing, NumberFilter,
    ::testing::Values(FilterCase{"LeadingSeparatorGetsZero", ',', u"", u",5", u"0,5"},
                      FilterCase{"LoneSeparator", ',', u"", u",", u"0,"},
                      FilterCase{"LeadingZeroDropped", ',', u"", u"07", u"7"},
                      FilterCase{"DoubleZero", ',', u"", u"00", u"0"},
                      FilterCase{"ZeroCommaKept", ',', u"", u"0,5", u"0,5"},
                      FilterCase{"LetterRemoved", ',', u"", u"1x", u"1"},
                      FilterCase{"LoneMinusRemoved", ',', u"", u"-", u""},
                      FilterCase{"SecondSeparatorRemoved", ',', u"", u"1,2,", u"1,2"},
                      FilterCase{"PointOnCommaSystemRemoved", ',', u"", u"1.5", u"15"},
                      FilterCase{"CyrillicRemoved", ',', u"", u"2\u0431", u"2"},
                      FilterCase{"ZeroPointOnPointSystem", '.', u"", u"0.5", u"0.5"},
                      FilterCase{"LeadingPointOnPointSystem", '.', u"", u".5", u"0.5"},
                      FilterCase{"ExponentLetterRemovedWhileIncomplete", ',', u"", u"1e5", u"15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFilterCaret, RemovesOnlyTheCharacterBeforeTheCaret)
{
    SeparatorScope scope(',');
    std::u16string text = u"1x23";
    int caret = 2; // just typed the 'x'
    EXPECT_TRUE(prEditNumberFilter(text, caret));
    EXPECT_EQ(text, u"123");
    EXPECT_EQ(caret, 1);

    text = u"x";
    caret = 0; // nothing before the caret: nothing to remove
    EXPECT_FALSE(prEditNumberFilter(text, caret));
    EXPECT_EQ(caret, 0);

    text = u" 12 ";
    caret = 4;
    EXPECT_TRUE(prEditNumberFilter(text, caret));
    EXPECT_EQ(text, u"12");
    EXPECT_LE(caret, 2);
}

TEST(PromoteRecent, KeepsMostRecentlyUsedOrder)
{
    struct Case {
        const char* name;
        char entry;
        const char* expected;
    };
    const Case cases[] = {
        {"FoundMovesToFront", 'C', "CABD"},
        {"NewPushesLastOut", 'E', "EABC"},
        {"EmptyShiftsDown", '\0', "BCD"},
        {"AlreadyFirstUnchanged", 'A', "ABCD"},
        {"LastMovesToFront", 'D', "DABC"},
    };
    for (const auto& c : cases) {
        char list[4] = {'A', 'B', 'C', 'D'};
        prPromoteRecent(list, 3, c.entry);
        EXPECT_EQ(std::string(list, c.entry == '\0' ? 3 : 4), c.expected) << c.name;
        if (c.entry == '\0') {
            EXPECT_EQ(list[3], '\0') << c.name;
        }
    }
}

TEST(PromoteRecent, EmptyListsAndPointers)
{
    int a = 0, b = 0;
    int* list[2] = {nullptr, nullptr};
    prPromoteRecent(list, 1, &a);
    prPromoteRecent(list, 1, &b);
    prPromoteRecent(list, 1, &a);
    EXPECT_EQ(list[0], &a);
    EXPECT_EQ(list[1], &b);
    int* single[1] = {&a};
    prPromoteRecent(single, 0, &b);
    EXPECT_EQ(single[0], &b);
    prPromoteRecent(single, -1, &a); // no entries: nothing happens
}

TEST(PlaceRect, CutsAndPlacesPieces)
{
    const TRect source{1, 1, 412, 238};
    EXPECT_EQ(fnPlaceRect(10, 10, 0, 0, source), (TRect{10, 10, 421, 247}));
    EXPECT_EQ(fnPlaceRect(5, 7, 20, 0, source), (TRect{5, 7, 25, 244}));
    EXPECT_EQ(fnPlaceRect(0, 0, 30, 14, TRect{}), (TRect{0, 0, 30, 14}));
}

} // namespace
