#include "text/MultiLanguage.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>
#include <utility>

namespace {

struct TCatalogueEntry {
    std::uint32_t id;
    const char* stored; // stored form, Windows-1251
    std::size_t length;
};

#include "CatalogueTable.inc"

TLanguage gLanguage = TLanguage::Russian;

std::span<const TCatalogueEntry> fnCatalogue()
{
    return gLanguage == TLanguage::English ? std::span<const TCatalogueEntry>(kCatalogueEnglish)
                                           : std::span<const TCatalogueEntry>(kCatalogueRussian);
}

constexpr std::string_view kUnknownText = "???";

} // namespace

std::string fnSwapNeighbours(std::string text)
{
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        std::swap(text[i], text[i + 1]);
    return text;
}

void prSetLanguage(TLanguage language) { gLanguage = language; }

TLanguage fnGetLanguage() { return gLanguage; }

std::string fnGetText(std::uint32_t id, int mode)
{
    const std::span<const TCatalogueEntry> catalogue = fnCatalogue();
    const auto found = std::lower_bound(catalogue.begin(), catalogue.end(), id,
                                        [](const TCatalogueEntry& e, std::uint32_t key) { return e.id < key; });
    std::string stored = (found != catalogue.end() && found->id == id) ? std::string(found->stored, found->length)
                                                                       : std::string(kUnknownText);
    return mode == 1 ? fnSwapNeighbours(std::move(stored)) : stored;
}

std::size_t fnCatalogueSize() { return fnCatalogue().size(); }

std::uint32_t fnCatalogueId(std::size_t index) { return index < fnCatalogue().size() ? fnCatalogue()[index].id : 0; }

std::string fnFillText(std::string pattern, std::initializer_list<std::string> values)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        const char next = k + 1 < pattern.size() ? pattern[k + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[k] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += *(values.begin() + index);
            ++k;
        } else {
            out += pattern[k];
        }
    }
    return out;
}
