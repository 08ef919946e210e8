#include "common/core/Numbers.h"

#include <gtest/gtest.h>

#include <ostream>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
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
    ::testing::Values(FloatToTextCase{"HundredsNoDecimals", ',', 3, 230.4, "230"},
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
                      // 2.675 is stored as 2.67499999999999982...: the exact value rounds down.
                      FloatToTextCase{"BinaryValueJustBelowHalf", ',', 3, 2.675, "2,67"},
                      FloatToTextCase{"LargeValueNotNudgedUp", ',', 5, 1e15, "1000000000000000"},
                      FloatToTextCase{"LargeValueDigits3", ',', 3, 5e11 + 0.5, "500000000001"},
                      FloatToTextCase{"WholeHalfAwayFromZero", ',', 3, 230.5, "231"},
                      FloatToTextCase{"TenthsHalf", ',', 3, 10.25, "10,3"},
                      FloatToTextCase{"FiveDigitsHalf", ',', 5, 0.03125, "0,0313"},
                      FloatToTextCase{"HugeNegativeKeepsDecimals", ',', 3, -1e17, "-100000000000000000,00"},
                      FloatToTextCase{"Subnormal", ',', 5, 4.9e-324, "0,0000"},
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

// The reference: the double's exact decimal expansion (every double has a
// finite one), rounded by hand on its digits, halves away from zero.
std::string fnReferenceText(int digits, double value, char separator)
{
    int decimals = 0;
    if (value < 10)
        decimals = digits == 3 ? 2 : 4;
    else if (value < 100)
        decimals = digits == 3 ? 1 : 3;
    else if (value < 1000)
        decimals = digits == 3 ? 0 : 2;
    else if (value < 10000)
        decimals = digits == 3 ? 0 : 1;
    char buffer[1600];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 1100)
                         .ptr;
    std::string exact(buffer, end);
    const std::size_t point = exact.find('.');
    std::string kept = exact.substr(0, point) + exact.substr(point + 1, static_cast<std::size_t>(decimals));
    if (exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        int at = static_cast<int>(kept.size()) - 1;
        while (at >= 0 && kept[static_cast<std::size_t>(at)] == '9')
            kept[static_cast<std::size_t>(at--)] = '0';
        if (at < 0)
            kept.insert(0, 1, '1');
        else
            ++kept[static_cast<std::size_t>(at)];
    }
    if (decimals > 0)
        kept.insert(kept.size() - static_cast<std::size_t>(decimals), 1, separator);
    const bool zero = kept.find_first_not_of(std::string("0") + separator) == std::string::npos;
    return value < 0 && !zero ? "-" + kept : kept;
}

TEST(FloatToTextReference, ExactOverTheWholeRange)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-9.0, 18.0);
    std::uniform_int_distribution<int> coin(0, 1);
    int failures = 0;
    for (int i = 0; i < 200000 && failures < 10; ++i) {
        double value = std::pow(10.0, exponent(random));
        if (coin(random))
            value = -value;
        const char separator = coin(random) ? ',' : '.';
        const int digits = coin(random) ? 3 : 5;
        SeparatorScope scope(separator);
        const std::string expected = fnReferenceText(digits, value, separator);
        const std::string actual = fnFloatToText(digits, value);
        if (actual != expected) {
            ++failures;
            ADD_FAILURE() << "digits " << digits << ", value " << value << ": " << actual << " != " << expected;
        }
    }
}

TEST(FloatToTextReference, EveryRepresentableHalfRoundsAwayFromZero)
{
    // value * 10^d ends exactly in .5 only for odd / 2^(d + 1).
    for (int digits : {3, 5})
        for (int decimals = 0; decimals <= 4; ++decimals)
            for (int odd = 1; odd < 4000; odd += 2)
                for (double sign : {1.0, -1.0}) {
                    const double value = sign * std::ldexp(odd, -(decimals + 1));
                    EXPECT_EQ(fnFloatToText(digits, value), fnReferenceText(digits, value, ','))
                        << "digits " << digits << ", value " << value;
                }
}

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
    ::testing::Values(
        TextToFloatCase{"Empty", ',', "", 0}, TextToFloatCase{"Letters", ',', "abc", 0},
        TextToFloatCase{"TwoSeparators", ',', "1,2,3", 0}, TextToFloatCase{"BlanksAround", ',', "  2,5  ", 2.5},
        TextToFloatCase{"LoneSeparator", ',', ",", 0}, TextToFloatCase{"LoneSign", ',', "-", 0},
        TextToFloatCase{"SignAndSeparator", ',', "-,5", -0.5}, TextToFloatCase{"Exponent", ',', "1,5e3", 1500},
        TextToFloatCase{"SignedExponent", ',', "25E-1", 2.5}, TextToFloatCase{"ExponentWithoutDigits", ',', "1e", 0},
        TextToFloatCase{"PointOnCommaSystem", ',', "2.5", 0}, TextToFloatCase{"CommaOnPointSystem", '.', "2,5", 0},
        TextToFloatCase{"PointSystem", '.', "2.5", 2.5}, TextToFloatCase{"TooLargeForDouble", ',', "1e999", 0},
        TextToFloatCase{"HexIsNotANumber", ',', "0x10", 0}, TextToFloatCase{"InfIsNotANumber", ',', "inf", 0},
        TextToFloatCase{"NanIsNotANumber", ',', "nan", 0}, TextToFloatCase{"BlankInside", ',', "1 2", 0},
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
        for (int guard = 0; guard < 10 && prEditNumberFilter(text, caret); ++guard) {}
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

INSTANTIATE_TEST_SUITE_P(Typing, NumberFilter,
                         ::testing::Values(FilterCase{"LeadingSeparatorGetsZero", ',', u"", u",5", u"0,5"},
                                           FilterCase{"LoneSeparator", ',', u"", u",", u"0,"},
                                           FilterCase{"LeadingZeroDropped", ',', u"", u"07", u"7"},
                                           FilterCase{"DoubleZero", ',', u"", u"00", u"0"},
                                           FilterCase{"ZeroCommaKept", ',', u"", u"0,5", u"0,5"},
                                           FilterCase{"LetterRemoved", ',', u"", u"1x", u"1"},
                                           FilterCase{"LoneMinusRemoved", ',', u"", u"-", u""},
                                           FilterCase{"SecondSeparatorRemoved", ',', u"", u"1,2,", u"1,2"},
                                           // The decimal key the user meant lands as the system's separator.
                                           FilterCase{"PointOnCommaSystemIsTheSeparator", ',', u"", u"0.5", u"0,5"},
                                           FilterCase{"CommaOnPointSystemIsTheSeparator", '.', u"", u"2,5", u"2.5"},
                                           FilterCase{"LeadingPointOnCommaSystem", ',', u"", u".5", u"0,5"},
                                           FilterCase{"SecondSeparatorAsPointRemoved", ',', u"", u"1,2.", u"1,2"},
                                           FilterCase{"CyrillicRemoved", ',', u"", u"2\u0431", u"2"},
                                           FilterCase{"ZeroPointOnPointSystem", '.', u"", u"0.5", u"0.5"},
                                           FilterCase{"LeadingPointOnPointSystem", '.', u"", u".5", u"0.5"},
                                           FilterCase{"ExponentLetterRemovedWhileIncomplete", ',', u"", u"1e5", u"15"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Pasting puts a whole text in at once; the field then runs the filter until
// it stops rewriting.
struct PasteCase {
    const char* name;
    char separator;
    const char16_t* start;
    int at;
    const char16_t* pasted;
    const char16_t* expected;
    friend void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }
};

class NumberFilterPaste : public ::testing::TestWithParam<PasteCase> {};

TEST_P(NumberFilterPaste, APastedNumberStaysANumber)
{
    const auto& c = GetParam();
    SeparatorScope scope(c.separator);
    std::u16string text = c.start;
    text.insert(static_cast<std::size_t>(c.at), c.pasted);
    int caret = c.at + static_cast<int>(std::u16string_view(c.pasted).size());
    for (int guard = 0; guard < 20 && prEditNumberFilter(text, caret); ++guard) {}
    EXPECT_EQ(text, std::u16string(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Paste, NumberFilterPaste,
                         ::testing::Values(PasteCase{"LeadingZeroDropped", ',', u"", 0, u"05", u"5"},
                                           // A zero before the exponent is the number's only digit: dropping
                                           // it left "e5", which is no number, and the field emptied itself.
                                           PasteCase{"ZeroBeforeExponentKept", ',', u"", 0, u"0e5", u"0e5"},
                                           PasteCase{"ExponentAfterZeroKept", ',', u"0", 1, u"E-3", u"0E-3"},
                                           PasteCase{"DoubleZeroBeforeExponent", '.', u"", 0, u"00e1", u"0e1"},
                                           PasteCase{"LeadingSeparatorGetsZero", '.', u"", 0, u".5e2", u"0.5e2"},
                                           PasteCase{"PastedPointOnCommaSystem", ',', u"", 0, u"0.5", u"0,5"},
                                           PasteCase{"PastedCommaOnPointSystem", '.', u"", 0, u"2,5", u"2.5"},
                                           PasteCase{"PastedPointIntoANumber", ',', u"12", 1, u".5", u"1,52"},
                                           PasteCase{"PastedPointAfterExponentRemoved", ',', u"", 0, u"1e5.", u"1e5"},
                                           PasteCase{"PastedTwoPointsStayNoNumber", ',', u"", 0, u"1.2.3", u"1,2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberFilterCaret, CodeFieldsKeepOnlyTheSystemSeparator)
{
    SeparatorScope scope(',');
    std::u16string text = u"1.";
    int caret = 2;
    while (prEditNumberFilter(text, caret, TDecimalKey::SystemOnly)) {}
    EXPECT_EQ(text, u"1");
}

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
        {"FoundMovesToFront", 'C', "CABD"},     {"NewPushesLastOut", 'E', "EABC"}, {"EmptyShiftsDown", '\0', "BCD"},
        {"AlreadyFirstUnchanged", 'A', "ABCD"}, {"LastMovesToFront", 'D', "DABC"},
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

namespace {

// Deviations are written with their sign and a fixed number of decimals.
TEST(SignedText, SignAndFixedDecimals)
{
    const struct {
        char separator;
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {',', 3.34, 1, "+3,3"},
        {',', -1.26, 1, "-1,3"},
        {',', 0.04, 1, "0,0"},
        {',', -0.04, 1, "0,0"},
        {',', 0, 1, "0,0"},
        {'.', 12.25, 2, "+12.25"},
        {'.', -100, 0, "-100"},
        {',', 5, 1, "+5,0"},
        {',', std::numeric_limits<double>::quiet_NaN(), 1, ""},
        {',', std::numeric_limits<double>::infinity(), 1, ""},
        {',', 1e300, 1, ""},
    };
    for (const auto& c : cases) {
        SeparatorScope scope(c.separator);
        EXPECT_EQ(fnSignedText(c.value, c.decimals), c.text) << c.value;
    }
    SeparatorScope scope(',');
    EXPECT_EQ(fnFixedText(0.8, 3), "0,800");
    EXPECT_EQ(fnFixedText(-0.0001, 2), "0,00");
    EXPECT_EQ(fnFixedText(-2.5, 1), "-2,5");
    EXPECT_EQ(fnFixedText(std::numeric_limits<double>::quiet_NaN(), 1), "");
}

} // namespace
