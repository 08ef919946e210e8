#include "calculators/Induction/ToroidCores.h"

#include <algorithm>
#include <cmath>

namespace induction {

namespace {

// Outer diameter, inner diameter and height by core size, mm.
struct TSize {
    double outer, inner, height;
};
constexpr TSize T37{9.53, 5.21, 3.25};
constexpr TSize T50{12.70, 7.70, 4.83};
constexpr TSize T68{17.53, 9.40, 4.83};
constexpr TSize T80{20.19, 12.57, 6.35};
constexpr TSize T106{26.92, 14.48, 11.10};
constexpr TSize T130{33.02, 19.81, 11.10};
constexpr TSize T200{50.80, 31.75, 13.97};
constexpr TSize FT37{9.53, 4.75, 3.18};
constexpr TSize FT50{12.70, 7.14, 4.78};
constexpr TSize FT82{20.96, 13.21, 6.35};
constexpr TSize FT114{29.01, 19.05, 7.49};

constexpr TToroidCore fnCore(const char* name, double al, TSize size)
{
    return {name, al, size.outer, size.inner, size.height};
}

// Iron powder mix 2 (red, 0,25-10 MHz) and mix 6 (yellow, 2-30 MHz); ferrite
// mix 43 (broadband chokes, transformers) and mix 61 (HF resonant circuits).
constexpr TToroidCore Cores[] = {
    fnCore("T-37-2", 4.0, T37),      fnCore("T-50-2", 4.9, T50),       fnCore("T-68-2", 5.7, T68),
    fnCore("T-80-2", 5.5, T80),      fnCore("T-106-2", 13.5, T106),    fnCore("T-130-2", 11.0, T130),
    fnCore("T-200-2", 12.0, T200),   fnCore("T-37-6", 3.0, T37),       fnCore("T-50-6", 4.0, T50),
    fnCore("T-68-6", 4.7, T68),      fnCore("T-80-6", 4.5, T80),       fnCore("T-106-6", 11.6, T106),
    fnCore("FT-37-43", 420, FT37),   fnCore("FT-50-43", 523, FT50),    fnCore("FT-82-43", 557, FT82),
    fnCore("FT-114-43", 603, FT114), fnCore("FT-37-61", 55.3, FT37),   fnCore("FT-50-61", 68, FT50),
    fnCore("FT-82-61", 73.3, FT82),  fnCore("FT-114-61", 79.3, FT114),
};

bool fnPositive(double value) { return std::isfinite(value) && value > 0; }

} // namespace

std::span<const TToroidCore> fnToroidCores() { return Cores; }

double toroidCoreInductanceUh(const TToroidCore& core, double turns)
{
    if (!fnPositive(turns))
        return 0;
    const double inductanceUh = core.alNhPerTurn2 * turns * turns / 1000; // nH -> µH
    return std::isfinite(inductanceUh) ? inductanceUh : 0;
}

double toroidCoreTurns(const TToroidCore& core, double inductanceUh)
{
    if (!fnPositive(inductanceUh))
        return 0;
    const double turns = std::sqrt(inductanceUh * 1000 / core.alNhPerTurn2);
    return std::isfinite(turns) ? turns : 0;
}

int fnWholeTurns(double turns)
{
    if (!fnPositive(turns))
        return 1;
    if (turns >= 2e9)
        return 2000000000;
    return std::max(1, static_cast<int>(std::lround(turns)));
}

} // namespace induction
