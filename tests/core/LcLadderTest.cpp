// L/C ladders between equal terminations: the insertion loss against an
// independent ABCD simulation and against the Butterworth response's closed
// form, the frequency of a given loss, and nonsense input.
#include "common/core/LcLadder.h"

#include "support/SectionSimulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

// The third-order Butterworth low-pass (1, 2, 1) for F and R, shunt first or series first.
std::vector<TLcElement> fnButterworth3(double f, double r, bool shuntFirst)
{
    const double w = 2 * Pi * f;
    if (shuntFirst)
        return {{true, false, 1 / (w * r)}, {false, true, 2 * r / w}, {true, false, 1 / (w * r)}};
    return {{false, true, r / w}, {true, false, 2 / (w * r)}, {false, true, r / w}};
}

TEST(LcLadder, ButterworthLossAsItsClosedForm)
{
    // 10 log10(1 + (f / F)^6) for the third order.
    for (const bool shuntFirst : {true, false}) {
        const auto ladder = fnButterworth3(7e6, 50, shuntFirst);
        for (const double ratio : {0.01, 0.5, 1.0, 2.0, 3.0, 10.0}) {
            const double expected = 10 * std::log10(1 + std::pow(ratio, 6));
            EXPECT_NEAR(fnLcLadderLossDb(ladder, 50, 7e6 * ratio), expected, 1e-9 + expected * 1e-12)
                << ratio << " " << shuntFirst;
        }
        EXPECT_NEAR(fnLcLadderEdgeHz(ladder, 50, HalfPowerDb, true, 7e6), 7e6, 7e6 * 1e-8);
    }
}

// Random ladders of both kinds: the loss agrees with the load voltage of a
// plain ABCD simulation, 20 log10 |(1/2) / V_load|.
TEST(LcLadder, AgreesWithAPlainCircuitSimulation)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> exponent(-1, 1);
    for (int trial = 0; trial < 300; ++trial) {
        const double r = 50 * std::pow(10.0, exponent(random));
        const double f = 1e6 * std::pow(10.0, 2 * exponent(random));
        std::vector<TLcElement> ladder;
        std::vector<qftest::TTwoPortElement> chain;
        const int count = 1 + trial % 7;
        for (int k = 0; k < count; ++k) {
            const bool shunt = (k + trial) % 2 == 0;
            const bool inductor = random() % 2 == 0;
            const double w = 2 * Pi * 1e6;
            const double value = (inductor ? r / w : 1 / (w * r)) * std::pow(10.0, exponent(random));
            ladder.push_back({shunt, inductor, value});
            chain.push_back({inductor ? qftest::TPart::L : qftest::TPart::C, shunt, value});
        }
        const double expected = 20 * std::log10(0.5 / std::abs(qftest::fnLoadVoltage(chain, r, r, f)));
        EXPECT_NEAR(fnLcLadderLossDb(ladder, r, f), expected, 1e-7 + std::fabs(expected) * 1e-9) << trial;
    }
}

TEST(LcLadder, HighPassEdgeAndNonsense)
{
    const double w = 2 * Pi * 1.8e6;
    // The third-order high-pass: series C, shunt L/2 ... as the dual of (1, 2, 1).
    const std::vector<TLcElement> highPass = {
        {false, false, 1 / (w * 50)}, {true, true, 50 / (2 * w)}, {false, false, 1 / (w * 50)}};
    EXPECT_NEAR(fnLcLadderEdgeHz(highPass, 50, HalfPowerDb, false, 1.8e6), 1.8e6, 1.8e6 * 1e-8);
    EXPECT_EQ(fnLcLadderEdgeHz(highPass, 50, HalfPowerDb, true, 1.8e6), 0); // not a low-pass
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(fnLcLadderLossDb({}, 50, 1e6), 0);
    EXPECT_EQ(fnLcLadderLossDb(highPass, nan, 1e6), 0);
    EXPECT_EQ(fnLcLadderLossDb(highPass, 50, -1), 0);
    EXPECT_EQ(fnLcLadderEdgeHz(highPass, 50, HalfPowerDb, false, nan), 0);
    const std::vector<TLcElement> broken = {{false, true, nan}};
    EXPECT_EQ(fnLcLadderLossDb(broken, 50, 1e6), 0);
    // Far into the stop band the loss is large but finite.
    const double deep = fnLcLadderLossDb(fnButterworth3(1, 50, true), 50, 1e9);
    EXPECT_TRUE(std::isfinite(deep));
    EXPECT_GT(deep, 300);
}

} // namespace
