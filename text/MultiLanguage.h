// The text catalogue: every text the user reads, by numeric id. Texts are kept
// in their stored form (Windows-1251, neighbouring characters exchanged).
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

// The language of the texts: every later fnGetText, the quantity formatters'
// unit texts and the pictures of windows built afterwards. The program sets it
// once at start; Russian until then.
enum class TLanguage { Russian, English };
void prSetLanguage(TLanguage language);
TLanguage fnGetLanguage();

// Mode 1 gives the text ready to show; any other mode the stored form. Both are
// Windows-1251 bytes. An id that is not in the catalogue gives "???".
std::string fnGetText(std::uint32_t id, int mode);

// How many texts the catalogue holds, and the id of the k-th (in id order).
std::size_t fnCatalogueSize();
std::uint32_t fnCatalogueId(std::size_t index);

// A catalogue text with its placeholders %1, %2, ... (up to %9) filled in.
std::string fnFillText(std::string pattern, std::initializer_list<std::string> values);

// Exchanges characters 1 and 2, 3 and 4, ...; a last odd character stays.
std::string fnSwapNeighbours(std::string text);
