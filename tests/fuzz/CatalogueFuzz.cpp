// The text catalogue: fnGetText for any id and mode, the stored form's
// neighbour exchange (twice is the identity), and the Windows-1251 code page
// the texts are kept in (every byte but the unused 0x98 survives a round trip).
#include "FuzzSupport.h"

#include "text/Cp1251.h"
#include "text/MultiLanguage.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// UTF-16 without surrogates (all Windows-1251 has) as UTF-8.
std::string fnUtf8(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool fnKnownId(std::uint32_t id)
{
    for (std::size_t k = 0; k < fnCatalogueSize(); ++k)
        if (fnCatalogueId(k) == id)
            return true;
    return false;
}

// Once per process: ids ascending (the lookup is a binary search) and every
// stored text made of Windows-1251 characters.
void prCheckCatalogueOnce()
{
    static const bool checked = [] {
        const std::size_t count = fnCatalogueSize();
        QF_CHECK(count > 0, "the catalogue is empty");
        for (std::size_t k = 0; k < count; ++k) {
            QF_CHECK(k == 0 || fnCatalogueId(k - 1) < fnCatalogueId(k), "catalogue ids are not ascending");
            const std::string shown = fnGetText(fnCatalogueId(k), 1);
            QF_CHECK(shown.find('\0') == std::string::npos, "a catalogue text holds a NUL");
            QF_CHECK(shown.find('\x98') == std::string::npos, "a catalogue text holds the unused byte 0x98");
        }
        QF_CHECK(fnCatalogueId(count) == 0, "an index past the catalogue gave an id");
        return true;
    }();
    (void)checked;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    qffuzz::fnChooseSeparator(provider);
    prCheckCatalogueOnce();

    // Half the ids from the catalogue, half anything.
    const bool fromCatalogue = provider.ConsumeBool();
    const std::uint32_t anyId = provider.ConsumeIntegral<std::uint32_t>();
    const std::uint32_t id = fromCatalogue ? fnCatalogueId(anyId % fnCatalogueSize()) : anyId;
    const int mode = provider.ConsumeIntegral<int>();

    const std::string text = fnGetText(id, mode);
    const std::string stored = fnGetText(id, 0);
    const std::string shown = fnGetText(id, 1);
    QF_CHECK(text == (mode == 1 ? shown : stored), "a mode other than 1 did not give the stored form");
    QF_CHECK(shown == fnSwapNeighbours(stored), "the shown text is not the stored one exchanged");
    QF_CHECK(fnGetText(id, mode) == text, "fnGetText is not deterministic");
    if (fromCatalogue)
        QF_CHECK(fnKnownId(id), "fnCatalogueId gave an id the catalogue lacks");
    else if (!fnKnownId(id))
        QF_CHECK(stored == "???" && shown == "???", "an unknown id did not give ???");

    const std::string bytes = provider.ConsumeRandomLengthString(256);
    const std::string once = fnSwapNeighbours(bytes);
    QF_CHECK(once.size() == bytes.size(), "fnSwapNeighbours changed the length");
    QF_CHECK(fnSwapNeighbours(once) == bytes, "fnSwapNeighbours twice is not the identity");
    if (bytes.size() % 2 == 1)
        QF_CHECK(once.back() == bytes.back(), "fnSwapNeighbours moved the last odd character");

    // Code page: any bytes without 0x98 come back from UTF-16 and UTF-8.
    const std::u16string wide = fnCp1251ToUtf16(bytes);
    QF_CHECK(wide.size() == bytes.size(), "fnCp1251ToUtf16 changed the length");
    if (bytes.find('\x98') == std::string::npos) {
        const auto back = fnUtf8ToCp1251(fnUtf8(wide));
        QF_CHECK(back && *back == bytes, "Windows-1251 did not survive UTF-16 and UTF-8");
    }
    // Any bytes read as UTF-8: refused, or every character one byte that reads back.
    if (const auto converted = fnUtf8ToCp1251(bytes)) {
        QF_CHECK(converted->size() <= bytes.size(), "fnUtf8ToCp1251 grew the text");
        QF_CHECK(converted->find('\x98') == std::string::npos, "fnUtf8ToCp1251 wrote the unused byte 0x98");
    }
    return 0;
}
