// Toroid cores by name: every core's datasheet AL and size, the inductance of
// ten turns, and the turns for a wanted inductance.
#include "calculators/Induction/ToroidCores.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using namespace induction;

TEST(ToroidCores, EveryCoreAsItsDatasheetGivesIt)
{
    const struct {
        const char* name;
        double al; // nH / turn^2
        double outer, inner, height;
        double tenTurnsUh; // AL * 100 nH
    } cores[] = {
        {"T-37-2", 4.0, 9.53, 5.21, 3.25, 0.40},      {"T-50-2", 4.9, 12.70, 7.70, 4.83, 0.49},
        {"T-68-2", 5.7, 17.53, 9.40, 4.83, 0.57},     {"T-80-2", 5.5, 20.19, 12.57, 6.35, 0.55},
        {"T-106-2", 13.5, 26.92, 14.48, 11.10, 1.35}, {"T-130-2", 11.0, 33.02, 19.81, 11.10, 1.10},
        {"T-200-2", 12.0, 50.80, 31.75, 13.97, 1.20}, {"T-37-6", 3.0, 9.53, 5.21, 3.25, 0.30},
        {"T-50-6", 4.0, 12.70, 7.70, 4.83, 0.40},     {"T-68-6", 4.7, 17.53, 9.40, 4.83, 0.47},
        {"T-80-6", 4.5, 20.19, 12.57, 6.35, 0.45},    {"T-106-6", 11.6, 26.92, 14.48, 11.10, 1.16},
        {"FT-37-43", 420, 9.53, 4.75, 3.18, 42.0},    {"FT-50-43", 523, 12.70, 7.14, 4.78, 52.3},
        {"FT-82-43", 557, 20.96, 13.21, 6.35, 55.7},  {"FT-114-43", 603, 29.01, 19.05, 7.49, 60.3},
        {"FT-37-61", 55.3, 9.53, 4.75, 3.18, 5.53},   {"FT-50-61", 68, 12.70, 7.14, 4.78, 6.80},
        {"FT-82-61", 73.3, 20.96, 13.21, 6.35, 7.33}, {"FT-114-61", 79.3, 29.01, 19.05, 7.49, 7.93},
    };
    const auto list = fnToroidCores();
    ASSERT_EQ(list.size(), std::size(cores));
    for (std::size_t k = 0; k < list.size(); ++k) {
        const TToroidCore& core = list[k];
        EXPECT_EQ(std::string(core.name), cores[k].name);
        EXPECT_DOUBLE_EQ(core.alNhPerTurn2, cores[k].al) << core.name;
        EXPECT_DOUBLE_EQ(core.outerMm, cores[k].outer) << core.name;
        EXPECT_DOUBLE_EQ(core.innerMm, cores[k].inner) << core.name;
        EXPECT_DOUBLE_EQ(core.heightMm, cores[k].height) << core.name;
        EXPECT_NEAR(toroidCoreInductanceUh(core, 10), cores[k].tenTurnsUh, 1e-12) << core.name;
        // The turns for that inductance are the ten again.
        EXPECT_NEAR(toroidCoreTurns(core, cores[k].tenTurnsUh), 10, 1e-9) << core.name;
    }
}

TEST(ToroidCores, TurnsForAWantedInductance)
{
    const TToroidCore& t50 = fnToroidCores()[1];   // T-50-2, AL 4,9
    const TToroidCore& ft37 = fnToroidCores()[12]; // FT-37-43, AL 420
    const struct {
        const TToroidCore* core;
        double wantedUh;
        double turns;
        int whole;
        double wholeUh;
    } cases[] = {
        {&t50, 1.2, 15.6492, 16, 1.2544},  // sqrt(1200 / 4,9)
        {&t50, 0.001, 0.45175, 1, 0.0049}, // less than one turn: one turn
        {&ft37, 100, 15.4303, 15, 94.5},
        {&ft37, 0, 0, 1, 0.42},
    };
    for (const auto& c : cases) {
        const double turns = toroidCoreTurns(*c.core, c.wantedUh);
        EXPECT_NEAR(turns, c.turns, 1e-4) << c.core->name << " " << c.wantedUh;
        EXPECT_EQ(fnWholeTurns(turns), c.whole) << c.core->name << " " << c.wantedUh;
        EXPECT_NEAR(toroidCoreInductanceUh(*c.core, fnWholeTurns(turns)), c.wholeUh, 1e-9);
    }
    // No turns, no inductance; nothing absurd ever comes back.
    EXPECT_EQ(toroidCoreInductanceUh(t50, 0), 0);
    EXPECT_EQ(toroidCoreInductanceUh(t50, -3), 0);
    EXPECT_EQ(toroidCoreInductanceUh(t50, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(toroidCoreInductanceUh(t50, 1e200), 0);
    EXPECT_EQ(toroidCoreTurns(t50, std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(fnWholeTurns(1e300), 2000000000);
}

} // namespace
