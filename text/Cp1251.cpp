#include "text/Cp1251.h"

#include <array>

namespace {

// 0x80..0xBF; 0xC0..0xFF are А..я in order.
constexpr std::array<char16_t, 64> kHighHalf = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021', u'\u20AC', u'\u2030',
    u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F', u'\u0452', u'\u2018', u'\u2019', u'\u201C',
    u'\u201D', u'\u2022', u'\u2013', u'\u2014', u'\uFFFD', u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C',
    u'\u045B', u'\u045F', u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407', u'\u00B0', u'\u00B1',
    u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7', u'\u0451', u'\u2116', u'\u0454', u'\u00BB',
    u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

} // namespace

char16_t fnCp1251ToUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    return kHighHalf[byte - 0x80];
}

std::optional<unsigned char> fnUnicodeToCp1251(char32_t character)
{
    if (character < 0x80)
        return static_cast<unsigned char>(character);
    if (character >= 0x0410 && character <= 0x044F)
        return static_cast<unsigned char>(0xC0 + (character - 0x0410));
    for (std::size_t i = 0; i < kHighHalf.size(); ++i)
        if (kHighHalf[i] == character && character != 0xFFFD)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> fnUtf8ToCp1251(std::string_view utf8)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t code = 0;
        int more = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            code = lead & 0x1F;
            more = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            code = lead & 0x0F;
            more = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            code = lead & 0x07;
            more = 3;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(more) >= utf8.size() && more > 0)
            return std::nullopt;
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        i += static_cast<std::size_t>(more) + 1;
        const auto byte = fnUnicodeToCp1251(code);
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::u16string fnCp1251ToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out.push_back(fnCp1251ToUnicode(static_cast<unsigned char>(c)));
    return out;
}
