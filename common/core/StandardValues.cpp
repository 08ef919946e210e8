#include "common/core/StandardValues.h"

#include <algorithm>
#include <cmath>

namespace {

// IEC 60063: two significant digits up to E24, three from E48 (which, like
// E96, takes every second or fourth member of E192). E24 and E12 hold values
// no formula gives (2,7 3,0 3,3 3,6 3,9 4,3 4,7 8,2), E192 one (9,20).
constexpr int E3[] = {100, 220, 470};
constexpr int E6[] = {100, 150, 220, 330, 470, 680};
constexpr int E12[] = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr int E24[] = {100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                       330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr int E48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
                       215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
                       464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr int E96[] = {100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
                       147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
                       215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
                       316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
                       464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
                       681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr int E192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126, 127, 129,
    130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167,
    169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218,
    221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284,
    287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370,
    374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481,
    487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626,
    634, 642, 649, 657, 665, 673, 681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// IEC 60317 nominal conductor diameters, mm.
constexpr double WireDiameters[] = {0.050, 0.056, 0.063, 0.071, 0.080, 0.090, 0.100, 0.112, 0.125, 0.140, 0.160, 0.180,
                                    0.200, 0.224, 0.250, 0.280, 0.315, 0.355, 0.400, 0.450, 0.500, 0.560, 0.630, 0.710,
                                    0.800, 0.900, 1.000, 1.120, 1.250, 1.400, 1.600, 1.800, 2.000, 2.240, 2.500};

// Hundredths times ten to the power `exponent`, rounded once: a division by
// an exact power of ten for small values keeps 4,7 nF at 4,7e-9.
double fnScaled(int hundredths, int exponent)
{
    if (exponent >= 0)
        return hundredths * std::pow(10.0, exponent);
    return hundredths / std::pow(10.0, -exponent);
}

bool fnPositive(double value) { return std::isfinite(value) && value > 0; }

} // namespace

std::span<const int> fnSeriesMembers(TESeries series)
{
    switch (series) {
    case TESeries::E3: return E3;
    case TESeries::E6: return E6;
    case TESeries::E12: return E12;
    case TESeries::E24: return E24;
    case TESeries::E48: return E48;
    case TESeries::E96: return E96;
    case TESeries::E192: return E192;
    }
    return {};
}

double fnNearestStandard(double value, TESeries series)
{
    const std::span<const int> members = fnSeriesMembers(series);
    if (!fnPositive(value) || members.empty())
        return 0;
    // The decade's exponent, so that value / 10^(decade - 2) is in [100, 1000);
    // log10 may land a hair off at exact powers of ten, hence the corrections.
    int decade = static_cast<int>(std::floor(std::log10(value)));
    double mantissa = value / fnScaled(1, decade - 2);
    if (mantissa < 100) {
        --decade;
        mantissa = value / fnScaled(1, decade - 2);
    } else if (mantissa >= 1000) {
        ++decade;
        mantissa = value / fnScaled(1, decade - 2);
    }
    // The neighbours below and above; above the last member is the next decade's first.
    const auto above = std::upper_bound(members.begin(), members.end(), mantissa,
                                        [](double m, int member) { return m < member; });
    const int lower = above == members.begin() ? members.front() : *(above - 1);
    const int upper = above == members.end() ? 1000 : *above;
    // Nearer by ratio: m / lower against upper / m, i.e. m^2 against lower * upper.
    const bool takeLower = mantissa * mantissa <= static_cast<double>(lower) * upper;
    const double nearest = takeLower
                               ? fnScaled(lower, decade - 2)
                               : (upper == 1000 ? fnScaled(members.front(), decade - 1) : fnScaled(upper, decade - 2));
    return std::isfinite(nearest) ? nearest : 0;
}

std::span<const double> fnWireDiametersMm() { return WireDiameters; }

double fnStandardWireMm(double diameterMm)
{
    if (!fnPositive(diameterMm))
        return 0;
    const auto found = std::lower_bound(std::begin(WireDiameters), std::end(WireDiameters), diameterMm);
    return found == std::end(WireDiameters) ? 0 : *found;
}

int fnParallelStrands(double diameterMm)
{
    if (!fnPositive(diameterMm) || diameterMm > 1e6)
        return 0;
    const double largest = WireDiameters[std::size(WireDiameters) - 1];
    // As many strands as carry the same copper cross-section: (d / D)^2, rounded up.
    const double ratio = diameterMm / largest;
    return std::max(1, static_cast<int>(std::ceil(ratio * ratio - 1e-9)));
}

double fnAwgDiameterMm(int gauge) { return 0.127 * std::pow(92.0, (36.0 - gauge) / 39.0); }

int fnAwgGauge(double diameterMm)
{
    if (!fnPositive(diameterMm) || diameterMm > fnAwgDiameterMm(AwgThickest))
        return -1;
    int gauge = AwgThickest;
    while (gauge < AwgThinnest && fnAwgDiameterMm(gauge + 1) >= diameterMm)
        ++gauge;
    return gauge;
}

double fnCopperResistanceOhm(double lengthM, double diameterMm)
{
    if (!fnPositive(lengthM) || !fnPositive(diameterMm))
        return 0;
    constexpr double Pi = 3.14159265358979323846;
    const double resistance = CopperResistivityOhmMm2PerM * lengthM / (Pi * diameterMm * diameterMm / 4);
    return std::isfinite(resistance) ? resistance : 0;
}
