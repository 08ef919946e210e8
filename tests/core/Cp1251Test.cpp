#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, RoundTripsEveryByteThatHasACharacter)
{
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t character = fnCp1251ToUnicode(static_cast<unsigned char>(byte));
        if (byte == 0x98) {
            EXPECT_EQ(character, u'\uFFFD');
            continue;
        }
        const auto back = fnUnicodeToCp1251(character);
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
}

TEST(Cp1251, ConvertsRussianAndRefusesWhatTheCodePageLacks)
{
    struct Case {
        const char* utf8;
        const char* expected; // nullptr: not representable
    };
    const Case cases[] = {
        {"\xD0\x90\xD1\x8F", "\xC0\xFF"},                 // А я
        {"\xD0\x81\xD1\x91", "\xA8\xB8"},                 // Ё ё
        {"\xC2\xAB\xE2\x80\x94\xC2\xBB", "\xAB\x97\xBB"}, // « — »
        {"\xE2\x84\x96 5", "\xB9 5"},                     // № 5
        {"abc", "abc"},
        {"\xC2\xB2", nullptr}, // superscript two
        {"\xCE\xB7", nullptr}, // Greek eta
        {"\xD0", nullptr},     // cut UTF-8 sequence
        {"\xFF", nullptr},     // not UTF-8
    };
    for (const auto& c : cases) {
        const auto converted = fnUtf8ToCp1251(c.utf8);
        if (c.expected == nullptr) {
            EXPECT_FALSE(converted.has_value()) << c.utf8;
        } else {
            ASSERT_TRUE(converted.has_value()) << c.utf8;
            EXPECT_EQ(*converted, c.expected);
        }
    }
}

} // namespace
