// The LC ladder designer: g-values against the published tables, worked
// designs, the loss of every designed ladder against the closed-form
// responses, single elements against the voltage divider, and bad inputs.
#include "calculators/Ladder/LadderEngine.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using R = TLadderResponse;
using K = TLadderKind;
using P = TLadderProblem;

constexpr double Pi = 3.14159265358979323846;
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TLadderSpec fnInputs(R response, K kind, int order, double rippleDb, double hz, double ohm, bool shuntFirst = true)
{
    return {response, kind, order, rippleDb, hz, ohm, shuntFirst};
}

// The textbook loss of a low-pass at w = f / F, apart from any ladder: Butterworth
// 10 log10(1 + w^2n), Chebyshev 10 log10(1 + eps^2 T_n(w)^2) with eps^2 = 10^(r/10) - 1.
double fnClosedFormDb(R response, int order, double rippleDb, double w)
{
    if (response == R::Butterworth)
        return 10 * std::log10(1 + std::pow(w, 2 * order));
    const double t = w <= 1 ? std::cos(order * std::acos(w)) : std::cosh(order * std::acosh(w));
    return 10 * std::log10(1 + (std::pow(10.0, rippleDb / 10) - 1) * t * t);
}

TEST(LadderPrototype, MatchesPublishedTables)
{
    const struct {
        const char* name;
        R response;
        double rippleDb;
        std::vector<double> g;
    } rows[] = {
        {"Butterworth1", R::Butterworth, 0, {2.0000}},
        {"Butterworth2", R::Butterworth, 0, {1.4142, 1.4142}},
        {"Butterworth3", R::Butterworth, 0, {1.0000, 2.0000, 1.0000}},
        {"Butterworth4", R::Butterworth, 0, {0.7654, 1.8478, 1.8478, 0.7654}},
        {"Butterworth5", R::Butterworth, 0, {0.6180, 1.6180, 2.0000, 1.6180, 0.6180}},
        {"Butterworth6", R::Butterworth, 0, {0.5176, 1.4142, 1.9319, 1.9319, 1.4142, 0.5176}},
        {"Butterworth7", R::Butterworth, 0, {0.4450, 1.2470, 1.8019, 2.0000, 1.8019, 1.2470, 0.4450}},
        {"Butterworth8", R::Butterworth, 0, {0.3902, 1.1111, 1.6629, 1.9616, 1.9616, 1.6629, 1.1111, 0.3902}},
        {"Butterworth9", R::Butterworth, 0, {0.3473, 1.0000, 1.5321, 1.8794, 2.0000, 1.8794, 1.5321, 1.0000, 0.3473}},
        {"Butterworth3NanRippleIgnored", R::Butterworth, Nan, {1.0000, 2.0000, 1.0000}},
        {"Chebyshev0.01dB3", R::Chebyshev, 0.01, {0.6291, 0.9702, 0.6291}},
        {"Chebyshev0.01dB5", R::Chebyshev, 0.01, {0.7563, 1.3049, 1.5773, 1.3049, 0.7563}},
        {"Chebyshev0.01dB7", R::Chebyshev, 0.01, {0.7969, 1.3924, 1.7481, 1.6331, 1.7481, 1.3924, 0.7969}},
        {"Chebyshev0.1dB3", R::Chebyshev, 0.1, {1.0316, 1.1474, 1.0316}},
        {"Chebyshev0.1dB5", R::Chebyshev, 0.1, {1.1468, 1.3712, 1.9750, 1.3712, 1.1468}},
        {"Chebyshev0.1dB7", R::Chebyshev, 0.1, {1.1812, 1.4228, 2.0967, 1.5734, 2.0967, 1.4228, 1.1812}},
        {"Chebyshev0.5dB3", R::Chebyshev, 0.5, {1.5963, 1.0967, 1.5963}},
        {"Chebyshev0.5dB5", R::Chebyshev, 0.5, {1.7058, 1.2296, 2.5408, 1.2296, 1.7058}},
        // The classic table prints g3 = g5 = 2.6381; the recursion gives 2.63829, and
        // DesignedLaddersFollowTheClosedForm shows these values give the 0.5 dB response to 1e-6 dB.
        {"Chebyshev0.5dB7", R::Chebyshev, 0.5, {1.7372, 1.2583, 2.6383, 1.3444, 2.6383, 1.2583, 1.7372}},
        {"Chebyshev1dB3", R::Chebyshev, 1, {2.0236, 0.9941, 2.0236}},
        {"Chebyshev1dB5", R::Chebyshev, 1, {2.1349, 1.0911, 3.0009, 1.0911, 2.1349}},
        {"Chebyshev1dB7", R::Chebyshev, 1, {2.1666, 1.1115, 3.0936, 1.1735, 3.0936, 1.1115, 2.1666}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<double> g = fnLadderPrototype(row.response, static_cast<int>(row.g.size()), row.rippleDb);
        ASSERT_EQ(g.size(), row.g.size());
        for (std::size_t k = 0; k < g.size(); ++k)
            EXPECT_NEAR(g[k], row.g[k], 1e-4) << "g" << k + 1;
    }
}

// Element by element from the source: series or shunt, L or C, and the value in H or F.
TEST(LadderDesign, WorkedDesigns)
{
    const struct {
        const char* name;
        TLadderSpec inputs;
        std::vector<TLadderElement> elements;
    } rows[] = {
        // g = 1, 2, 1 at 1 MHz, 50 Ohm: 1 / (w R) = 3.1831 nF, R / w = 7.9577 uH.
        {"Butterworth3LowPassShuntFirst",
         fnInputs(R::Butterworth, K::LowPass, 3, 0, 1e6, 50),
         {{true, false, 3.1831e-9}, {false, true, 15.915e-6}, {true, false, 3.1831e-9}}},
        {"Butterworth3HighPassSeriesFirst",
         fnInputs(R::Butterworth, K::HighPass, 3, 0, 1e6, 50, false),
         {{false, false, 3.1831e-9}, {true, true, 3.9789e-6}, {false, false, 3.1831e-9}}},
        // A 40 m band low-pass: 537 pF, 1.617 uH, 953 pF, 1.789 uH and back.
        {"Chebyshev0.1dB7LowPass7MHz",
         fnInputs(R::Chebyshev, K::LowPass, 7, 0.1, 7e6, 50),
         {{true, false, 537.12e-12},
          {false, true, 1.6175e-6},
          {true, false, 953.42e-12},
          {false, true, 1.7887e-6},
          {true, false, 953.42e-12},
          {false, true, 1.6175e-6},
          {true, false, 537.12e-12}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<TLadderElement> ladder = fnDesignLadder(row.inputs);
        ASSERT_EQ(ladder.size(), row.elements.size());
        for (std::size_t k = 0; k < ladder.size(); ++k) {
            EXPECT_EQ(ladder[k].shunt, row.elements[k].shunt) << "element " << k + 1;
            EXPECT_EQ(ladder[k].inductor, row.elements[k].inductor) << "element " << k + 1;
            EXPECT_NEAR(ladder[k].value, row.elements[k].value, row.elements[k].value * 1e-4) << "element " << k + 1;
        }
    }
}

// Every order and ripple, at the ends of the F and R ranges, over F/100..100F:
// the low-pass follows the closed form (3.0103 dB or the ripple at F, never
// above the ripple in a Chebyshev pass band, never falling in a Butterworth
// one); series-first matches shunt-first; the high-pass at f is the low-pass at F^2 / f.
TEST(LadderResponse, DesignedLaddersFollowTheClosedForm)
{
    std::vector<TLadderSpec> shapes;
    for (int n = 1; n <= 9; ++n)
        shapes.push_back(fnInputs(R::Butterworth, K::LowPass, n, 0, 0, 0));
    for (int n = 3; n <= 9; n += 2)
        for (const double rippleDb : {0.01, 0.1, 0.5, 1.0, 3.0})
            shapes.push_back(fnInputs(R::Chebyshev, K::LowPass, n, rippleDb, 0, 0));
    for (const TLadderSpec& shape : shapes)
        for (const double hz : {1.0, 7e6, 10e9})
            for (const double ohm : {0.1, 50.0, 1e6}) {
                TLadderSpec s = shape;
                s.cutoffHz = hz;
                s.impedanceOhm = ohm;
                SCOPED_TRACE(std::to_string(s.order) + (s.response == R::Butterworth ? " Butterworth " : " Chebyshev ")
                             + std::to_string(s.rippleDb) + " dB, F=" + std::to_string(hz)
                             + " R=" + std::to_string(ohm));
                const auto low = fnDesignLadder(s);
                const auto lowSeriesFirst = fnDesignLadder(
                    fnInputs(s.response, K::LowPass, s.order, s.rippleDb, hz, ohm, false));
                const auto high = fnDesignLadder(fnInputs(s.response, K::HighPass, s.order, s.rippleDb, hz, ohm));
                ASSERT_EQ(low.size(), static_cast<std::size_t>(s.order));
                const bool chebyshev = s.response == R::Chebyshev;
                EXPECT_NEAR(fnLadderLossDb(low, ohm, hz), chebyshev ? s.rippleDb : 10 * std::log10(2.0), 0.001);
                double before = 0;
                for (int k = 0; k <= 160; ++k) {
                    const double w = std::pow(10.0, k / 40.0 - 2); // f / F
                    const double loss = fnLadderLossDb(low, ohm, w * hz);
                    const double expected = std::min(fnClosedFormDb(s.response, s.order, s.rippleDb, w),
                                                     LadderLossCapDb);
                    const double tolerance = 1e-6 + expected * 1e-9;
                    ASSERT_NEAR(loss, expected, tolerance) << "f/F=" << w;
                    ASSERT_NEAR(fnLadderLossDb(lowSeriesFirst, ohm, w * hz), loss, tolerance) << "f/F=" << w;
                    ASSERT_NEAR(fnLadderLossDb(high, ohm, hz / w), loss, tolerance) << "f/F=" << w;
                    ASSERT_TRUE(w > 1 || (chebyshev ? loss <= s.rippleDb + 1e-6 : loss >= before - 1e-12))
                        << "f/F=" << w;
                    before = loss;
                }
            }
}

// 7th-order 0.1 dB Chebyshev for 7 MHz at the second harmonic, 14 MHz:
// T7(2) = 5042, so 10 log10(1 + (10^0.01 - 1) 5042^2) = 57.7243 dB.
TEST(LadderResponse, SecondHarmonicOf40MetreLowPass)
{
    const auto ladder = fnDesignLadder(fnInputs(R::Chebyshev, K::LowPass, 7, 0.1, 7e6, 50));
    EXPECT_NEAR(fnLadderLossDb(ladder, 50, 14e6), 10 * std::log10(1 + (std::pow(10.0, 0.01) - 1) * 5042.0 * 5042.0),
                1e-6);
    EXPECT_NEAR(fnLadderLossDb(ladder, 50, 14e6), 57.7243, 1e-4);
}

// The loss alone: one element between two R against the divider, resonances,
// what passes nothing, and input it declines.
TEST(LadderLoss, SingleElementsResonancesAndNonsense)
{
    const double w = 2 * Pi * 1e6;
    // 10 log10(1 + (x / 2)^2) for a series reactance or shunt susceptance x, normalised to R.
    const auto divider = [](double x) { return 10 * std::log10(1 + x * x / 4); };
    const double resonanceHz = 1 / (2 * Pi * std::sqrt(1e-6 * 1e-9)); // 1 uH with 1 nF: 5.03 MHz
    const TLadderElement c1n = {true, false, 1e-9};
    const struct {
        const char* name;
        std::vector<TLadderElement> ladder;
        double ohm, hz, lossDb;
    } rows[] = {
        {"SeriesInductor", {{false, true, 10e-6}}, 50, 1e6, divider(w * 10e-6 / 50)},
        {"SeriesCapacitor", {{false, false, 1e-9}}, 50, 1e6, divider(1 / (w * 1e-9 * 50))},
        {"ShuntCapacitor", {c1n}, 50, 1e6, divider(w * 1e-9 * 50)},
        {"ShuntInductor", {{true, true, 10e-6}}, 50, 1e6, divider(50 / (w * 10e-6))},
        {"SeriesResonanceShorts", {{false, true, 1e-6}, {false, false, 1e-9}}, 50, resonanceHz, 0},
        {"ParallelResonanceOpens", {{true, true, 1e-6}, c1n}, 50, resonanceHz, 0},
        // 1 H and 1 F alternating at 10 GHz: far beyond what a double holds.
        {"FarStopBandCaps",
         {{true, false, 1}, {false, true, 1}, {true, false, 1}, {false, true, 1}},
         50,
         10e9,
         LadderLossCapDb},
        {"InfiniteSusceptanceCaps", {{true, false, 1e300}}, 1e6, 1e300, LadderLossCapDb},
        {"InfiniteReactanceCaps", {{false, false, 1e-300}}, 1e-300, 1e-300, LadderLossCapDb},
        {"VanishingReactancePasses", {{false, true, 1e-300}}, 1e300, 1e-300, 0},
        {"EmptyLadder", {}, 50, 1e6, 0},
        {"ZeroFrequency", {c1n}, 50, 0, 0},
        {"NanFrequency", {c1n}, 50, Nan, 0},
        {"InfiniteFrequency", {c1n}, 50, Inf, 0},
        {"NegativeImpedance", {c1n}, -50, 1e6, 0},
        {"InfiniteImpedance", {c1n}, Inf, 1e6, 0},
        {"ZeroElement", {{true, false, 0}}, 50, 1e6, 0},
        {"NanElement", {{false, true, Nan}}, 50, 1e6, 0},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(fnLadderLossDb(row.ladder, row.ohm, row.hz), row.lossDb, 1e-9 + row.lossDb * 1e-12) << row.name;
}

TEST(LadderDesign, InputsThatCannotBeBuilt)
{
    const struct {
        const char* name;
        TLadderSpec inputs;
        P problem;
    } rows[] = {
        {"Butterworth0", fnInputs(R::Butterworth, K::LowPass, 0, 0.1, 1e6, 50), P::Order},
        {"Butterworth10", fnInputs(R::Butterworth, K::HighPass, 10, 0.1, 1e6, 50), P::Order},
        {"Chebyshev1", fnInputs(R::Chebyshev, K::LowPass, 1, 0.1, 1e6, 50), P::Order},
        {"ChebyshevEven", fnInputs(R::Chebyshev, K::LowPass, 4, 0.1, 1e6, 50), P::Order},
        {"Chebyshev11", fnInputs(R::Chebyshev, K::LowPass, 11, 0.1, 1e6, 50), P::Order},
        {"OrderNamedBeforeTheRest", fnInputs(R::Chebyshev, K::LowPass, 8, Nan, Nan, Nan), P::Order},
        {"RippleBelow0.01", fnInputs(R::Chebyshev, K::LowPass, 5, 0.0099, 1e6, 50), P::Ripple},
        {"RippleAbove3", fnInputs(R::Chebyshev, K::LowPass, 5, 3.0001, 1e6, 50), P::Ripple},
        {"RippleNan", fnInputs(R::Chebyshev, K::LowPass, 5, Nan, 1e6, 50), P::Ripple},
        {"RippleNamedBeforeFrequency", fnInputs(R::Chebyshev, K::HighPass, 5, Inf, 0, 50), P::Ripple},
        {"FrequencyBelow1Hz", fnInputs(R::Butterworth, K::LowPass, 5, 0.1, 0.999, 50), P::Frequency},
        {"FrequencyAbove10GHz", fnInputs(R::Butterworth, K::LowPass, 5, 0.1, std::nextafter(10e9, Inf), 50),
         P::Frequency},
        {"FrequencyNan", fnInputs(R::Butterworth, K::LowPass, 5, 0.1, Nan, 50), P::Frequency},
        {"FrequencyNamedBeforeImpedance", fnInputs(R::Chebyshev, K::LowPass, 5, 0.1, Inf, 0), P::Frequency},
        {"ImpedanceBelow0.1", fnInputs(R::Butterworth, K::LowPass, 5, 0.1, 1e6, 0.0999), P::Impedance},
        {"ImpedanceAbove1MOhm", fnInputs(R::Butterworth, K::LowPass, 5, 0.1, 1e6, std::nextafter(1e6, Inf)),
         P::Impedance},
        {"ImpedanceNan", fnInputs(R::Chebyshev, K::LowPass, 5, 0.1, 1e6, Nan), P::Impedance},
        // The ends of every range are built; a Butterworth never looks at the ripple.
        {"Butterworth1At1HzAnd0.1Ohm", fnInputs(R::Butterworth, K::LowPass, 1, Nan, 1, 0.1), P::None},
        {"Butterworth9At10GHzAnd1MOhm", fnInputs(R::Butterworth, K::HighPass, 9, -5, 10e9, 1e6), P::None},
        {"Chebyshev3Ripple0.01", fnInputs(R::Chebyshev, K::LowPass, 3, 0.01, 1e6, 50), P::None},
        {"Chebyshev9Ripple3", fnInputs(R::Chebyshev, K::HighPass, 9, 3, 1e6, 50), P::None},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fnCheckLadderSpec(row.inputs), row.problem) << row.name;
        EXPECT_EQ(fnDesignLadder(row.inputs).empty(), row.problem != P::None) << row.name;
    }
}

// Any inputs at all, and ladders of any parts: a design exactly when nothing
// is wrong, its values finite and positive, every loss within 0..400 dB.
TEST(LadderDesign, AnyInputsGiveSoundResults)
{
    std::mt19937_64 rng(20240611);
    const double specials[] = {Nan,
                               Inf,
                               -Inf,
                               0,
                               -1,
                               0.01,
                               3,
                               0.1,
                               1e6,
                               10e9,
                               1e-300,
                               1e300,
                               std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::denorm_min()};
    const auto pick = [&]() -> double {
        switch (rng() % 4) {
        case 0: return specials[rng() % std::size(specials)];
        case 1: return std::bit_cast<double>(rng());
        default: return std::pow(10.0, std::uniform_real_distribution<double>(-3, 11)(rng));
        }
    };
    const auto sound = [](double loss) { return loss >= 0 && loss <= LadderLossCapDb; };
    int designs = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const TLadderSpec inputs{rng() % 2 ? R::Chebyshev : R::Butterworth,
                                 rng() % 2 ? K::HighPass : K::LowPass,
                                 rng() % 8 ? static_cast<int>(rng() % 14) - 2 : static_cast<int>(rng()),
                                 pick(),
                                 pick(),
                                 pick(),
                                 rng() % 2 == 0};
        const auto ladder = fnDesignLadder(inputs);
        ASSERT_EQ(ladder.empty(), fnCheckLadderSpec(inputs) != P::None) << "trial " << trial;
        designs += !ladder.empty();
        for (const TLadderElement& e : ladder)
            ASSERT_TRUE(std::isfinite(e.value) && e.value > 0) << "trial " << trial;
        ASSERT_TRUE(sound(fnLadderLossDb(ladder, inputs.impedanceOhm, pick()))) << "trial " << trial;
        std::vector<TLadderElement> parts(1 + rng() % 12);
        for (TLadderElement& e : parts)
            e = {rng() % 2 == 0, rng() % 2 == 0, rng() % 8 ? std::abs(pick()) : pick()};
        ASSERT_TRUE(sound(fnLadderLossDb(parts, pick(), pick()))) << "trial " << trial;
    }
    EXPECT_GT(designs, 500); // buildable inputs come up often enough to count
}

} // namespace

// What the page writes beside each element, read back as a drawer reads it,
// gives the element within half a percent: from audio to 10 GHz and from
// 0,1 Ohm to 1 MOhm, where values fall below 1 uH and 1 pF. The exact and
// the E12 parts alike, with the deviation between them.
TEST(LadderView, WrittenValuesReadBackToTheElement)
{
    prSetDecimalSeparator(',');
    const struct {
        std::uint32_t unit;
        double multiplier;
    } units[] = {{TextId::UnitH, 1},      {TextId::UnitMH, 1e-3}, {TextId::UnitUH, 1e-6}, {TextId::UnitF, 1},
                 {TextId::UnitUF, 1e-6},  {TextId::UnitNF, 1e-9}, {TextId::UnitPF, 1e-12}};
    const auto readBack = [&units](const std::string& text) {
        const std::size_t blank = text.find(' ');
        for (const auto& u : units)
            if (blank != std::string::npos && text.substr(blank + 1) == fnGetText(u.unit, 1))
                return fnTextToFloat(text.substr(0, blank)) * u.multiplier;
        return 0.0;
    };
    int checked = 0;
    for (const double hz : {1e3, 7.1e6, 144e6, 1.3e9, 10e9})
        for (const double ohm : {0.1, 50.0, 1e6})
            for (const K kind : {K::LowPass, K::HighPass}) {
                const TLadderSpec spec = fnInputs(R::Chebyshev, kind, 9, 0.1, hz, ohm);
                const TLadderView view = fnCalcLadder(spec, TESeries::E12);
                ASSERT_EQ(view.problem, P::None);
                ASSERT_EQ(view.shown.size(), 9u);
                EXPECT_EQ(view.exactDb.size(), static_cast<std::size_t>(LadderCurvePoints));
                EXPECT_EQ(view.builtDb.size(), static_cast<std::size_t>(LadderCurvePoints));
                for (std::size_t k = 0; k < view.shown.size(); ++k) {
                    const TLadderShownElement& e = view.shown[k];
                    const std::string where = e.text + " at " + std::to_string(hz) + " Hz, " + std::to_string(ohm);
                    EXPECT_NEAR(readBack(e.text) / e.built.value, 1, 0.005) << where;
                    EXPECT_NEAR(readBack(e.exactText) / view.exact[k].value, 1, 0.005) << where;
                    EXPECT_NEAR(e.deviationPercent, (e.built.value / view.exact[k].value - 1) * 100, 1e-9);
                    EXPECT_LE(std::abs(e.deviationPercent), 11.0) << where; // E12 steps are at most 21 %
                    ++checked;
                }
            }
    EXPECT_EQ(checked, 5 * 3 * 2 * 9);
    // A stopped design shows nothing.
    const TLadderView stopped = fnCalcLadder(fnInputs(R::Chebyshev, K::LowPass, 4, 0.1, 7e6, 50), TESeries::E12);
    EXPECT_EQ(stopped.problem, P::Order);
    EXPECT_TRUE(stopped.shown.empty() && stopped.exactDb.empty() && stopped.builtDb.empty());
}
