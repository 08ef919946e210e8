// The parts in the drawer: the E series as IEC 60063 lists them, the nearest
// member by ratio over every decade, the IEC 60317 and AWG wire choices and
// copper's resistance.
#include "common/core/StandardValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

std::vector<int> fnMembers(TESeries series)
{
    const auto members = fnSeriesMembers(series);
    return {members.begin(), members.end()};
}

std::vector<int> fnEverySecond(const std::vector<int>& members)
{
    std::vector<int> every;
    for (std::size_t k = 0; k < members.size(); k += 2)
        every.push_back(members[k]);
    return every;
}

TEST(StandardValues, SeriesAsTheStandardListsThem)
{
    EXPECT_EQ(fnMembers(TESeries::E3), (std::vector<int>{100, 220, 470}));
    EXPECT_EQ(fnMembers(TESeries::E12), (std::vector<int>{100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820}));
    EXPECT_EQ(fnMembers(TESeries::E24), (std::vector<int>{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                                          330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910}));
    // Each series of three digits is every second member of the next finer one,
    // and the two-digit ones likewise.
    EXPECT_EQ(fnEverySecond(fnMembers(TESeries::E192)), fnMembers(TESeries::E96));
    EXPECT_EQ(fnEverySecond(fnMembers(TESeries::E96)), fnMembers(TESeries::E48));
    EXPECT_EQ(fnEverySecond(fnMembers(TESeries::E24)), fnMembers(TESeries::E12));
    EXPECT_EQ(fnEverySecond(fnMembers(TESeries::E12)), fnMembers(TESeries::E6));
    EXPECT_EQ(fnEverySecond(fnMembers(TESeries::E6)), fnMembers(TESeries::E3));
    // The three-digit series follow 10^(k/n) rounded, but for E192's 9,20.
    for (const auto& [series, count] : {std::pair{TESeries::E48, 48}, {TESeries::E96, 96}, {TESeries::E192, 192}}) {
        const std::vector<int> members = fnMembers(series);
        ASSERT_EQ(members.size(), static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) {
            const int rounded = static_cast<int>(std::lround(100 * std::pow(10.0, k / static_cast<double>(count))));
            EXPECT_EQ(members[static_cast<std::size_t>(k)], rounded == 919 ? 920 : rounded) << count << " " << k;
        }
    }
}

TEST(StandardValues, NearestMemberByRatioInAnyDecade)
{
    const struct {
        const char* name;
        double value;
        TESeries series;
        double nearest;
    } cases[] = {
        {"Exact", 4.7e-9, TESeries::E12, 4.7e-9},
        {"PicofaradsDown", 455e-12, TESeries::E12, 470e-12},
        {"PicofaradsE24", 455e-12, TESeries::E24, 470e-12},
        {"PicofaradsE96", 455e-12, TESeries::E96, 453e-12},
        {"DecadeEdgeUp", 9.9, TESeries::E24, 10},
        {"DecadeEdgeE3", 8.0, TESeries::E3, 10},
        {"JustAboveOne", 1.04, TESeries::E24, 1.0},
        {"RatioNotDifference", 1.05, TESeries::E24, 1.1}, // 1,05 / 1,0 > 1,1 / 1,05
        {"NoFormulaValue", 2.7, TESeries::E24, 2.7},
        {"NinePointTwo", 9.2, TESeries::E192, 9.2},
        {"Megohms", 3.3e6, TESeries::E6, 3.3e6},
        {"Microhenries", 1.137e-6, TESeries::E12, 1.2e-6},
        {"Tiny", 1.5e-300, TESeries::E6, 1.5e-300},
        {"Huge", 4.4e300, TESeries::E12, 4.7e300},
        {"PowerOfTen", 1e-12, TESeries::E96, 1e-12},
        {"Zero", 0, TESeries::E12, 0},
        {"Negative", -4.7, TESeries::E12, 0},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), TESeries::E12, 0},
        {"Infinity", std::numeric_limits<double>::infinity(), TESeries::E12, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(fnNearestStandard(c.value, c.series), c.nearest, std::fabs(c.nearest) * 1e-12) << c.name;
    // The boundary between two members is their geometric mean.
    for (const TESeries series : {TESeries::E3, TESeries::E12, TESeries::E24, TESeries::E192}) {
        const auto members = fnSeriesMembers(series);
        for (std::size_t k = 0; k + 1 < members.size(); ++k) {
            const double lower = members[k] / 100.0, upper = members[k + 1] / 100.0;
            const double middle = std::sqrt(lower * upper);
            EXPECT_NEAR(fnNearestStandard(middle * (1 - 1e-9), series), lower, 1e-12) << members[k];
            EXPECT_NEAR(fnNearestStandard(middle * (1 + 1e-9), series), upper, 1e-12) << members[k];
        }
    }
}

TEST(StandardValues, WireToBuyAndItsGauge)
{
    const struct {
        double computedMm;
        double nominalMm;
        int awg;
        int strands;
    } cases[] = {
        {0.78, 0.800, 20, 1},                   // AWG 20 is 0,812 mm, 21 only 0,723
        {0.80, 0.800, 20, 1},                   // exactly a nominal size
        {0.16, 0.160, 34, 1},                   // AWG 34 0,160 mm
        {0.01, 0.050, 40, 1},                   // thinner than the thinnest: the thinnest
        {2.5, 2.500, 10, 1},  {2.51, 0, 10, 2}, // above the table: two strands of 2,5 mm
        {6.0, 0, 2, 6},                         // (6 / 2,5)^2 = 5,76
        {9.0, 0, -1, 13},                       // beyond AWG 0 (8,25 mm)
        {0, 0, -1, 0},        {-1, 0, -1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(fnStandardWireMm(c.computedMm), c.nominalMm) << c.computedMm;
        EXPECT_EQ(fnAwgGauge(c.computedMm), c.awg) << c.computedMm;
        if (c.computedMm > 2.5 || c.computedMm <= 0) {
            EXPECT_EQ(fnParallelStrands(c.computedMm), c.strands) << c.computedMm;
        }
    }
    EXPECT_NEAR(fnAwgDiameterMm(36), 0.127, 1e-12);
    EXPECT_NEAR(fnAwgDiameterMm(0), 8.2515, 1e-4);
    EXPECT_NEAR(fnAwgDiameterMm(40), 0.0799, 1e-4);
    EXPECT_NEAR(fnAwgDiameterMm(20), 0.8118, 1e-4);
}

TEST(StandardValues, CopperResistance)
{
    // 1 m of 1 mm wire: 0,017241 / 0,7854 = 21,95 mOhm; 10 m of 0,1 mm: 21,95 Ohm.
    EXPECT_NEAR(fnCopperResistanceOhm(1, 1), 0.0219519, 1e-7);
    EXPECT_NEAR(fnCopperResistanceOhm(10, 0.1), 21.9519, 1e-4);
    EXPECT_EQ(fnCopperResistanceOhm(0, 1), 0);
    EXPECT_EQ(fnCopperResistanceOhm(1, 0), 0);
    EXPECT_EQ(fnCopperResistanceOhm(1e300, 1e-300), 0);
}

} // namespace
