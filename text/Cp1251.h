// Windows-1251, the single-byte code page the catalogue and formatters speak.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Unicode character of one Windows-1251 byte (U+FFFD for the unused 0x98).
char16_t fnCp1251ToUnicode(unsigned char byte);

// The byte of a Unicode character, or nothing when the code page lacks it.
std::optional<unsigned char> fnUnicodeToCp1251(char32_t character);

// Whole texts: UTF-8 in, Windows-1251 out; nothing when a character has no byte.
std::optional<std::string> fnUtf8ToCp1251(std::string_view utf8);
std::u16string fnCp1251ToUtf16(std::string_view bytes);
