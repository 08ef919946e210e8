// The text catalogue: every text the user reads, by numeric id. Texts are kept
// in their stored form (Windows-1251, neighbouring characters exchanged).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Mode 1 gives the text ready to show; any other mode the stored form. Both are
// Windows-1251 bytes. An id that is not in the catalogue gives "???".
std::string fnGetText(std::uint32_t id, int mode);

// How many texts the catalogue holds, and the id of the k-th (in id order).
std::size_t fnCatalogueSize();
std::uint32_t fnCatalogueId(std::size_t index);

// Exchanges characters 1 and 2, 3 and 4, ...; a last odd character stays.
std::string fnSwapNeighbours(std::string text);
