#include "text/Quantities.h"

#include "common/Numbers.h"
#include "text/MultiLanguage.h"

#include <cmath>

namespace {

// Above this scaled value a number stops being useful and the overflow text shows.
constexpr double kOverflowLimit = 100000.0;
constexpr double kSpeedOverflowLimit = 500000.0;

// "the whole part of s is at least 1": truncation toward zero. NaN fails.
bool fnWholeAtLeastOne(double s) { return std::trunc(s) >= 1.0; }

std::string fnNormal(int digits, double scaled, std::uint32_t unitId)
{
    return fnFloatToText(digits, scaled) + " " + fnGetText(unitId, 1);
}

std::string fnOverflow(std::uint32_t unitId) { return ">100 000 " + fnGetText(unitId, 1); }

} // namespace

std::string fnFormatFrequency(int digits, double v)
{
    const double giga = v / 1e9;
    if (fnWholeAtLeastOne(giga))
        return giga > kOverflowLimit ? fnOverflow(1004) : fnNormal(digits, giga, 1004);
    if (fnWholeAtLeastOne(v / 1e6))
        return fnNormal(digits, v / 1e6, 1003);
    if (fnWholeAtLeastOne(v / 1e3))
        return fnNormal(digits, v / 1e3, 1002);
    if (v > 0)
        return fnNormal(digits, v, 1001);
    return {};
}

std::string fnFormatCapacitance(int digits, double v)
{
    if (fnWholeAtLeastOne(v))
        return v > kOverflowLimit ? fnOverflow(1008) : fnNormal(digits, v, 1008);
    const double micro = v * 1e6;
    if (fnWholeAtLeastOne(micro))
        return fnNormal(digits, micro, 1007);
    const double nano = micro * 1e3;
    if (fnWholeAtLeastOne(nano))
        return fnNormal(digits, nano, 1006);
    const double pico = nano * 1e3;
    if (pico > 0)
        return fnNormal(digits, pico, 1005);
    return {};
}

std::string fnFormatInductance(int digits, double v)
{
    if (fnWholeAtLeastOne(v))
        return v > kOverflowLimit ? fnOverflow(1011) : fnNormal(digits, v, 1011);
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, 1010);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, 1009);
    return {};
}

std::string fnFormatResistance(int digits, double v)
{
    const double mega = v / 1e6;
    if (fnWholeAtLeastOne(mega))
        return mega > kOverflowLimit ? fnOverflow(1014) : fnNormal(digits, mega, 1014);
    if (fnWholeAtLeastOne(v / 1e3))
        return fnNormal(digits, v / 1e3, 1013);
    if (v > 0)
        return fnNormal(digits, v, 1012);
    return {};
}

std::string fnFormatLength(int digits, double v)
{
    // Kilometres only from 10 km: 5000 m reads better as metres at the bench.
    if (fnWholeAtLeastOne(v / 1e4))
        return v / 1e3 > kOverflowLimit ? fnOverflow(1022) : fnNormal(digits, v / 1e3, 1022);
    if (fnWholeAtLeastOne(v))
        return fnNormal(digits, v, 1021);
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, 1019);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, 1018);
    return {};
}

std::string fnFormatTime(int digits, double v)
{
    if (fnWholeAtLeastOne(v)) {
        constexpr double kSecondsPerHour = 3600.0;
        if (v < 100000.0)
            return fnNormal(digits, v, 1025);
        // Time has no top rung to overflow into; hours whose whole part no 64-bit
        // integer holds (infinity among them) show the overflow text, not a
        // screenful of digits or a 0.
        const double hours = v / kSecondsPerHour;
        return hours < 0x1p63 ? fnNormal(digits, hours, 1027) : fnOverflow(1027);
    }
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, 1024);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, 1023);
    return {};
}

std::string fnFormatSpeed(int digits, double v)
{
    if (v > kSpeedOverflowLimit)
        return ">500 000 " + fnGetText(1015, 1);
    if (v > 0)
        return fnNormal(digits, v, 1015);
    return {};
}

std::string fnFormatMass(int digits, double v)
{
    const double tonnes = v / 1e3;
    if (fnWholeAtLeastOne(tonnes))
        return tonnes > kOverflowLimit ? fnOverflow(kMassLabelIds[2]) : fnNormal(digits, tonnes, kMassLabelIds[2]);
    if (fnWholeAtLeastOne(v))
        return fnNormal(digits, v, kMassLabelIds[1]);
    const double grams = v * 1e3;
    if (grams > 0)
        return fnNormal(digits, grams, kMassLabelIds[0]);
    return {};
}

std::string fnFormatEnergy(int digits, double v)
{
    const double kilo = v / 1e3;
    if (fnWholeAtLeastOne(kilo))
        return kilo > kOverflowLimit ? fnOverflow(1035) : fnNormal(digits, kilo, 1035);
    if (fnWholeAtLeastOne(v))
        return fnNormal(digits, v, 1034);
    const double milli = v * 1e3;
    if (milli > 0)
        return fnNormal(digits, milli, 1033);
    return {};
}
