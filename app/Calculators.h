// UI layer. The calculators the menu opens, in menu order: the menu entry's
// text and object name and the routine that builds the page on a new tab.
// Adding a calculator is one row here and its folder under calculators/.
#pragma once

#include <cstdint>
#include <span>

class TMyPageHost;

struct TMyCalculator {
    std::uint32_t menuText;
    const char* actionName;
    void (*create)(TMyPageHost& host);
};

std::span<const TMyCalculator> fnCalculators();
