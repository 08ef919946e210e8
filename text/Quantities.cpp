#include "text/Quantities.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/TextIds.h"

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
        return giga > kOverflowLimit ? fnOverflow(TextId::UnitGHz) : fnNormal(digits, giga, TextId::UnitGHz);
    if (fnWholeAtLeastOne(v / 1e6))
        return fnNormal(digits, v / 1e6, TextId::UnitMHz);
    if (fnWholeAtLeastOne(v / 1e3))
        return fnNormal(digits, v / 1e3, TextId::UnitKHz);
    if (v > 0)
        return fnNormal(digits, v, TextId::UnitHz);
    return {};
}

std::string fnFormatCapacitance(int digits, double v)
{
    if (fnWholeAtLeastOne(v))
        return v > kOverflowLimit ? fnOverflow(TextId::UnitF) : fnNormal(digits, v, TextId::UnitF);
    const double micro = v * 1e6;
    if (fnWholeAtLeastOne(micro))
        return fnNormal(digits, micro, TextId::UnitUF);
    const double nano = micro * 1e3;
    if (fnWholeAtLeastOne(nano))
        return fnNormal(digits, nano, TextId::UnitNF);
    const double pico = nano * 1e3;
    if (pico > 0)
        return fnNormal(digits, pico, TextId::UnitPF);
    return {};
}

std::string fnFormatInductance(int digits, double v)
{
    if (fnWholeAtLeastOne(v))
        return v > kOverflowLimit ? fnOverflow(TextId::UnitH) : fnNormal(digits, v, TextId::UnitH);
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, TextId::UnitMH);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, TextId::UnitUH);
    return {};
}

std::string fnFormatResistance(int digits, double v)
{
    const double mega = v / 1e6;
    if (fnWholeAtLeastOne(mega))
        return mega > kOverflowLimit ? fnOverflow(TextId::UnitMOhm) : fnNormal(digits, mega, TextId::UnitMOhm);
    if (fnWholeAtLeastOne(v / 1e3))
        return fnNormal(digits, v / 1e3, TextId::UnitKOhm);
    if (v > 0)
        return fnNormal(digits, v, TextId::UnitOhm);
    return {};
}

std::string fnFormatLength(int digits, double v)
{
    // Kilometres only from 10 km: 5000 m reads better as metres at the bench.
    if (fnWholeAtLeastOne(v / 1e4))
        return v / 1e3 > kOverflowLimit ? fnOverflow(TextId::UnitKm) : fnNormal(digits, v / 1e3, TextId::UnitKm);
    if (fnWholeAtLeastOne(v))
        return fnNormal(digits, v, TextId::UnitM);
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, TextId::UnitMm);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, TextId::UnitUm);
    return {};
}

std::string fnFormatTime(int digits, double v)
{
    if (fnWholeAtLeastOne(v)) {
        constexpr double kSecondsPerHour = 3600.0;
        if (v < 100000.0)
            return fnNormal(digits, v, TextId::UnitS);
        // Time has no top rung to overflow into; hours whose whole part no 64-bit
        // integer holds (infinity among them) show the overflow text, not a
        // screenful of digits or a 0.
        const double hours = v / kSecondsPerHour;
        return hours < 0x1p63 ? fnNormal(digits, hours, TextId::UnitHour) : fnOverflow(TextId::UnitHour);
    }
    const double milli = v * 1e3;
    if (fnWholeAtLeastOne(milli))
        return fnNormal(digits, milli, TextId::UnitMs);
    const double micro = milli * 1e3;
    if (micro > 0)
        return fnNormal(digits, micro, TextId::UnitUs);
    return {};
}

std::string fnFormatSpeed(int digits, double v)
{
    if (v > kSpeedOverflowLimit)
        return ">500 000 " + fnGetText(TextId::UnitMPerS, 1);
    if (v > 0)
        return fnNormal(digits, v, TextId::UnitMPerS);
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
        return kilo > kOverflowLimit ? fnOverflow(TextId::UnitKJ) : fnNormal(digits, kilo, TextId::UnitKJ);
    if (fnWholeAtLeastOne(v))
        return fnNormal(digits, v, TextId::UnitJ);
    const double milli = v * 1e3;
    if (milli > 0)
        return fnNormal(digits, milli, TextId::UnitMJ);
    return {};
}
