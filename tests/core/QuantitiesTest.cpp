#include "text/Quantities.h"
#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using TFormatter = std::string (*)(int, double);

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    const char* name;
    TFormatter formatter;
    int digits;
    double value;
    const char* number; // "" for the empty result, ">..." for overflow
    std::uint32_t unitId;
    friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }
};

class Formatters : public ::testing::TestWithParam<FormatCase> {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

TEST_P(Formatters, ScaleToTheFirstRungThatHolds)
{
    const auto& c = GetParam();
    const std::string shown = c.formatter(c.digits, c.value);
    const std::string number(c.number);
    if (number.empty())
        EXPECT_EQ(shown, "");
    else if (number[0] == '>')
        EXPECT_EQ(shown, number + fnGetText(c.unitId, 1));
    else
        EXPECT_EQ(shown, number + " " + fnGetText(c.unitId, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Ladders, Formatters,
    ::testing::Values(FormatCase{"FrequencyKilo", fnFormatFrequency, 5, 1000, "1,0000", 1002},
                      FormatCase{"FrequencyJustBelowKilo", fnFormatFrequency, 5, 999, "999,00", 1001},
                      FormatCase{"FrequencyExample", fnFormatFrequency, 3, 12300, "12,3", 1002},
                      FormatCase{"FrequencyMega", fnFormatFrequency, 3, 7.05e6, "7,05", 1003},
                      FormatCase{"FrequencyGiga", fnFormatFrequency, 3, 2.4e9, "2,40", 1004},
                      FormatCase{"FrequencyOverflow", fnFormatFrequency, 3, 2e14, ">100 000 ", 1004},
                      FormatCase{"FrequencySmall", fnFormatFrequency, 3, 0.5, "0,50", 1001},
                      FormatCase{"CapacitancePico", fnFormatCapacitance, 3, 1e-12, "1,00", 1005},
                      FormatCase{"CapacitanceNano", fnFormatCapacitance, 3, 4.7e-7, "470", 1006},
                      FormatCase{"CapacitanceNoStepBelowFarad", fnFormatCapacitance, 3, 0.5, "500000", 1007},
                      FormatCase{"CapacitanceFarad", fnFormatCapacitance, 3, 2, "2,00", 1008},
                      FormatCase{"CapacitanceOverflow", fnFormatCapacitance, 3, 2e5, ">100 000 ", 1008},
                      FormatCase{"CapacitanceSubPico", fnFormatCapacitance, 3, 1e-15, "0,00", 1005},
                      FormatCase{"InductanceOverflow", fnFormatInductance, 3, 200000, ">100 000 ", 1011},
                      FormatCase{"InductanceMilli", fnFormatInductance, 3, 0.0025, "2,50", 1010},
                      FormatCase{"InductanceMicro", fnFormatInductance, 3, 4.7e-6, "4,70", 1009},
                      FormatCase{"InductanceHenry", fnFormatInductance, 3, 1, "1,00", 1011},
                      FormatCase{"ResistanceOhm", fnFormatResistance, 3, 470, "470", 1012},
                      FormatCase{"ResistanceKilo", fnFormatResistance, 3, 4700, "4,70", 1013},
                      FormatCase{"ResistanceMega", fnFormatResistance, 3, 2.2e6, "2,20", 1014},
                      FormatCase{"ResistanceOverflow", fnFormatResistance, 3, 1e12, ">100 000 ", 1014},
                      FormatCase{"LengthStaysMetresBelowTenKm", fnFormatLength, 3, 5000, "5000", 1021},
                      FormatCase{"LengthKilo", fnFormatLength, 3, 12000, "12,0", 1022},
                      FormatCase{"LengthMilli", fnFormatLength, 3, 0.25, "250", 1019},
                      FormatCase{"LengthMicro", fnFormatLength, 3, 5e-4 * 1e-3, "0,50", 1018},
                      FormatCase{"LengthOverflow", fnFormatLength, 3, 2e8, ">100 000 ", 1022},
                      FormatCase{"TimeSecondsUpTo99999", fnFormatTime, 5, 7200, "7200,0", 1025},
                      FormatCase{"TimeJumpsToHours", fnFormatTime, 5, 360000, "100,00", 1027},
                      FormatCase{"TimeMilli", fnFormatTime, 3, 0.02, "20,0", 1024},
                      FormatCase{"TimeMicro", fnFormatTime, 3, 5e-7, "0,50", 1023},
                      FormatCase{"TimeHoursUpToInt64", fnFormatTime, 3, 3.6e21, "1000000000000000000", 1027},
                      FormatCase{"TimeBeyondInt64HoursIsOverflow", fnFormatTime, 3, 1e300, ">100 000 ", 1027},
                      FormatCase{"TimeInfinityIsOverflow", fnFormatTime, 5, kInf, ">100 000 ", 1027},
                      FormatCase{"SpeedOverflowFirst", fnFormatSpeed, 5, 600000, ">500 000 ", 1015},
                      FormatCase{"Speed", fnFormatSpeed, 3, 340, "340", 1015},
                      FormatCase{"MassTonnes", fnFormatMass, 3, 2500, "2,50", kMassLabelIds[2]},
                      FormatCase{"MassKilograms", fnFormatMass, 3, 2.5, "2,50", kMassLabelIds[1]},
                      FormatCase{"MassGrams", fnFormatMass, 3, 0.0025, "2,50", kMassLabelIds[0]},
                      FormatCase{"MassOverflow", fnFormatMass, 3, 2e8, ">100 000 ", kMassLabelIds[2]},
                      FormatCase{"EnergyKilo", fnFormatEnergy, 3, 4500, "4,50", 1035},
                      FormatCase{"EnergyJoule", fnFormatEnergy, 3, 45, "45,0", 1034},
                      FormatCase{"EnergyMilli", fnFormatEnergy, 3, 0.045, "45,0", 1033},
                      FormatCase{"EnergyOverflow", fnFormatEnergy, 3, 1e9, ">100 000 ", 1035},
                      FormatCase{"InfinityIsOverflow", fnFormatResistance, 3, kInf, ">100 000 ", 1014},
                      FormatCase{"FarBeyondInt64IsOverflow", fnFormatCapacitance, 3, 1e300, ">100 000 ", 1008},
                      FormatCase{"NaNIsEmpty", fnFormatFrequency, 3, kNaN, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormattersEmpty, ZeroAndNegativeGiveEmptyText)
{
    const TFormatter all[] = {fnFormatFrequency,  fnFormatCapacitance, fnFormatInductance,
                              fnFormatResistance, fnFormatLength,      fnFormatTime,
                              fnFormatSpeed,      fnFormatMass,        fnFormatEnergy};
    for (TFormatter formatter : all)
        for (double value : {0.0, -1.0, -1e9, -kInf, kNaN}) {
            EXPECT_EQ(formatter(3, value), "") << value;
            EXPECT_EQ(formatter(5, value), "") << value;
        }
}

// A mass typed under a selector label and shown again by the formatter must
// come back under the same label: the label means one unit on both sides.
TEST(MassLabels, SelectorAndFormatterAgree)
{
    prSetDecimalSeparator(',');
    for (int k = 0; k < 3; ++k) {
        const double typed = 2.5; // in the selector's unit
        const double kilograms = typed * kMassSelectorToKg[k];
        EXPECT_EQ(fnFormatMass(3, kilograms), "2,50 " + fnGetText(kMassLabelIds[k], 1)) << k;
    }
}

} // namespace
