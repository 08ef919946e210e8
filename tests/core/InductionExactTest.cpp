// Exact coil inductances against published tables, physical limits and sums
// written here independently: single layers against every ring's own and mutual
// inductance by Maxwell's formula, multi-layer sections against a fine grid of
// coaxial filaments.
#include "calculators/Induction/InductionExact.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace induction;

constexpr double Pi = std::numbers::pi;
constexpr double Mu0 = 4e-4 * Pi; // µH/mm

// Maxwell's mutual inductance of coaxial circles, by the standard library's integrals.
double fnMaxwell(double a, double b, double z)
{
    const double k = std::sqrt(4 * a * b / ((a + b) * (a + b) + z * z));
    return Mu0 * std::sqrt(a * b) * ((2 / k - k) * std::comp_ellint_1(k) - 2 / k * std::comp_ellint_2(k));
}

// A single layer as N separate rings of round wire: each ring's own inductance plus
// the mutual inductance of every pair.
double fnRingsSum(int turns, double length, double wire, double former)
{
    const double a = (former + wire) / 2;
    const double pitch = length / turns;
    double sum = turns * Mu0 * a * (std::log(16 * a / wire) - 1.75);
    for (int s = 1; s < turns; ++s)
        sum += 2 * (turns - s) * fnMaxwell(a, a, s * pitch);
    return sum;
}

// A multi-layer section cut into about 2500 near-square cells with a filament at each
// centre; a cell's own inductance from its geometric mean distance 0.2235 (w + h).
double fnFilamentGrid(double turns, double length, double mean, double build)
{
    const int radial = std::max(4, static_cast<int>(std::lround(50 * std::sqrt(build / length))));
    const int axial = std::max(2, static_cast<int>(std::lround(2500.0 / radial)));
    const double dr = build / radial;
    const double dz = length / axial;
    const double inner = (mean - build) / 2;
    double sum = 0;
    for (int i = 0; i < radial; ++i) {
        const double ri = inner + (i + 0.5) * dr;
        for (int j = i; j < radial; ++j) {
            const double rj = inner + (j + 0.5) * dr;
            for (int k = 0; k < axial; ++k) {
                const double pairs = (k == 0 ? axial : 2.0 * (axial - k)) * (i == j ? 1 : 2);
                const double m = i == j && k == 0 ? Mu0 * ri * (std::log(8 * ri / (0.2235 * (dr + dz))) - 2)
                                                  : fnMaxwell(ri, rj, k * dz);
                sum += pairs * m;
            }
        }
    }
    const double cells = static_cast<double>(radial) * axial;
    return turns * turns * sum / (cells * cells);
}

double fnDeviation(double value, double reference) { return value / reference - 1; }

// ---- Nagaoka's coefficient against his published table ----

struct TNagaokaRow {
    double ratio; // D / l
    double published;
};

TEST(InductionExact, NagaokaCoefficientMatchesThePublishedTable)
{
    const TNagaokaRow rows[] = {{0.1, 0.9588}, {0.2, 0.9201}, {0.3, 0.8838}, {0.4, 0.8499}, {0.5, 0.8181},
                                {1, 0.6884},   {2, 0.5255},   {3, 0.4292},   {4, 0.3654},   {5, 0.3198},
                                {10, 0.2033},  {20, 0.1236},  {50, 0.0611},  {100, 0.0350}};
    for (const TNagaokaRow& row : rows)
        EXPECT_NEAR(fnNagaokaCoefficient(row.ratio), row.published, 1e-4) << "D/l = " << row.ratio;
}

// The coefficient changes method at D/l = 0.02 and 25: no step there, and the far
// ends meet the long and short sheets' limits.
TEST(InductionExact, NagaokaCoefficientIsSmoothAcrossItsMethodsAndReachesItsLimits)
{
    for (double edge : {0.02, 25.0})
        EXPECT_NEAR(fnNagaokaCoefficient(std::nextafter(edge, 0.0)), fnNagaokaCoefficient(std::nextafter(edge, 1e3)),
                    1e-14)
            << edge;
    const double longRatio = 1e-4;
    EXPECT_NEAR(fnNagaokaCoefficient(longRatio), 1 - 4 / (3 * Pi) * longRatio + longRatio * longRatio / 8, 1e-15);
    // A flat ring: K = (2 / pi)(l / D)(ln(4 D / l) - 1/2).
    const double x = 1e-5;
    EXPECT_NEAR(fnNagaokaCoefficient(1 / x) / (2 / Pi * x * (std::log(4 / x) - 0.5)), 1, 1e-9);
}

// ---- single layer against the rings' sum ----

struct TSingleRow {
    const char* name;
    int turns;
    double lengthMm, wireMm, formerMm;
    friend void PrintTo(const TSingleRow& row, std::ostream* os) { *os << row.name; }
};

class SingleLayerAgainstRings : public ::testing::TestWithParam<TSingleRow> {};

TEST_P(SingleLayerAgainstRings, WithinAMillionth)
{
    const TSingleRow& c = GetParam();
    const double reference = fnRingsSum(c.turns, c.lengthMm, c.wireMm, c.formerMm);
    EXPECT_NEAR(fnDeviation(fnSingleLayerExactUh(c.turns, c.lengthMm, c.wireMm, c.formerMm, 1), reference), 0, 1e-6)
        << reference << " µH";
}

INSTANTIATE_TEST_SUITE_P(
    Coils, SingleLayerAgainstRings,
    ::testing::Values(TSingleRow{"ShortTouchingTurns", 10, 10, 1, 10}, TSingleRow{"ShortThinWire", 10, 10, 0.2, 30},
                      TSingleRow{"OneTurn", 1, 1, 0.5, 10}, TSingleRow{"FewWidelySpaced", 3, 30, 0.5, 10},
                      TSingleRow{"LongSpaced", 30, 300, 1, 10}, TSingleRow{"FlatDisc", 40, 4, 0.1, 100},
                      TSingleRow{"LongThin", 500, 500, 0.3, 10}, TSingleRow{"ManyTurns", 2000, 400, 0.2, 30},
                      TSingleRow{"ManyTurnsLong", 2000, 2000, 0.1, 5}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a wire it is the current sheet, whose limits are known in closed form.
TEST(InductionExact, SingleLayerSheetReachesTheLongAndShortLimits)
{
    // Long: mu0 pi a^2 N^2 / l (1 - 4 D / (3 pi l)).
    const double a = 5;
    const double length = 1e6;
    EXPECT_NEAR(fnDeviation(fnSingleLayerExactUh(1000, length, 0, 2 * a, 1),
                            Mu0 * Pi * a * a * 1e6 / length * (1 - 4 * 2 * a / (3 * Pi * length))),
                0, 1e-10);
    // Short: a ring of strip, mu0 a N^2 (ln(8 a / l) - 1/2).
    const double strip = 0.01;
    EXPECT_NEAR(fnDeviation(fnSingleLayerExactUh(10, strip, 0, 100, 1), Mu0 * 50 * 100 * (std::log(400 / strip) - 0.5)),
                0, 1e-7);
}

TEST(InductionExact, SingleLayerFractionalTurnsLieBetweenTheWholeOnes)
{
    const auto at = [](double turns) { return fnSingleLayerExactUh(turns, 30, 0.5, 10, 1); };
    for (double whole : {1.0, 2.0, 10.0, 17.0, 40.0}) {
        EXPECT_LT(at(whole), at(whole + 0.5)) << whole;
        EXPECT_LT(at(whole + 0.5), at(whole + 1)) << whole;
        EXPECT_NEAR(fnDeviation(at(whole + 1e-9), at(whole)), 0, 1e-7) << whole;
    }
}

// ---- turns from inductance ----

struct TTurnsRow {
    const char* name;
    double turns, lengthMm, wireMm, formerMm, mu;
};

TEST(InductionExact, SingleLayerTurnsGiveBackTheInductance)
{
    const TTurnsRow rows[] = {{"Sheet", 12.5, 20, 0, 10, 1},       {"OneTurnAndAHalf", 1.5, 10, 0.5, 10, 1},
                              {"Whole", 37, 40, 0.8, 12, 1},       {"Fractional", 10.5, 10, 0.5, 10, 1},
                              {"Ferrite", 23.4, 15, 0.3, 8, 125},  {"TouchingTurns", 100, 50, 0.5, 20, 1},
                              {"ManyTurns", 2000, 400, 0.2, 30, 1}};
    for (const TTurnsRow& row : rows) {
        const double inductance = fnSingleLayerExactUh(row.turns, row.lengthMm, row.wireMm, row.formerMm, row.mu);
        ASSERT_GT(inductance, 0) << row.name;
        EXPECT_NEAR(fnSingleLayerExactTurns(inductance, row.lengthMm, row.wireMm, row.formerMm, row.mu) / row.turns, 1,
                    1e-9)
            << row.name;
    }
}

TEST(InductionExact, SingleLayerTurnsAreZeroWhenNoCountFromOneToAFullLengthGivesIt)
{
    const double oneTurn = fnSingleLayerExactUh(1, 10, 0.5, 10, 1);
    const double full = fnSingleLayerExactUh(20, 10, 0.5, 10, 1);
    EXPECT_EQ(fnSingleLayerExactTurns(oneTurn * 0.99, 10, 0.5, 10, 1), 0);
    EXPECT_EQ(fnSingleLayerExactTurns(full * 1.01, 10, 0.5, 10, 1), 0);
    EXPECT_NEAR(fnSingleLayerExactTurns(full, 10, 0.5, 10, 1), 20, 1e-8);
}

// ---- multi-layer against the filament grid ----

struct TMultiRow {
    const char* name;
    double lengthMm, meanMm, buildMm;
    friend void PrintTo(const TMultiRow& row, std::ostream* os) { *os << row.name; }
};

class MultiLayerAgainstFilaments : public ::testing::TestWithParam<TMultiRow> {};

TEST_P(MultiLayerAgainstFilaments, WithinATenThousandth)
{
    const TMultiRow& c = GetParam();
    const double reference = fnFilamentGrid(100, c.lengthMm, c.meanMm, c.buildMm);
    EXPECT_NEAR(fnDeviation(fnMultiLayerExactUh(100, c.lengthMm, c.meanMm, c.buildMm, 1), reference), 0, 1e-4)
        << reference << " µH";
}

INSTANTIATE_TEST_SUITE_P(Sections, MultiLayerAgainstFilaments,
                         ::testing::Values(TMultiRow{"Brooks", 20, 60, 20}, TMultiRow{"LongThinBuild", 100, 20, 2},
                                           TMultiRow{"Pancake", 2, 40, 10}, TMultiRow{"DeepToTheAxis", 10, 20, 16},
                                           TMultiRow{"Square", 10, 20, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

// Brooks' coil: a square section c x c with mean radius a = 3c/2 has the most
// inductance for its wire, L = 1.6994e-6 a N^2 henries with a in metres.
TEST(InductionExact, MultiLayerBrooksCoil)
{
    for (double radius : {15.0, 100.0}) {
        const double build = 2 * radius / 3;
        EXPECT_NEAR(fnDeviation(fnMultiLayerExactUh(50, build, 2 * radius, build, 1), 1.6994 * radius / 1000 * 2500), 0,
                    5e-3)
            << radius;
    }
}

// A build thin against the diameter leaves the current sheet of the same length.
TEST(InductionExact, MultiLayerThinBuildIsTheCurrentSheet)
{
    for (double length : {2.0, 20.0, 200.0})
        EXPECT_NEAR(
            fnDeviation(fnMultiLayerExactUh(30, length, 20, 1e-6, 1), fnSingleLayerExactUh(30, length, 0, 20, 1)), 0,
            1e-6)
            << length;
}

// A long thick coil is long solenoids nested: the turns at radius r see the field of all
// turns outside r, so L = mu0 pi N^2 / (l c^2) * 2 * integral of r^2 (a2 - r) dr, the
// mean of min(r1, r2)^2 where a sheet at the mean radius would have a^2.
TEST(InductionExact, MultiLayerLongCoilIsNestedSolenoids)
{
    const double length = 1e8; // the ends take 4 Do / (3 pi l) of it
    for (const auto& [mean, build] : {std::pair{20.0, 5.0}, std::pair{20.0, 19.0}, std::pair{10.0, 0.5}}) {
        const double a1 = (mean - build) / 2;
        const double a2 = (mean + build) / 2;
        const auto primitive = [a2](double r) { return a2 * r * r * r / 3 - r * r * r * r / 4; };
        const double nested = Mu0 * Pi * 1e4 / (length * build * build) * 2 * (primitive(a2) - primitive(a1));
        EXPECT_NEAR(fnDeviation(fnMultiLayerExactUh(100, length, mean, build, 1), nested), 0, 1e-6) << build;
    }
}

TEST(InductionExact, MultiLayerTurnsGoAsTheRootOfTheInductance)
{
    const double inductance = fnMultiLayerExactUh(237.5, 10, 20, 5, 3);
    EXPECT_NEAR(fnMultiLayerExactTurns(inductance, 10, 20, 5, 3), 237.5, 1e-9);
    EXPECT_NEAR(fnMultiLayerExactTurns(4 * inductance, 10, 20, 5, 3), 475, 1e-9);
    EXPECT_EQ(fnMultiLayerExactTurns(inductance / 237.5 / 237.5 / 2, 10, 20, 5, 3), 0); // below one turn
}

// ---- toroid ----

// The page's mean-diameter formula mu0 mu N^2 w h / (pi Dm) against the exact
// logarithm: equal for a thin ring, short by 3.8 % at Do/Di = 2 and 13.4 % at 4.
TEST(InductionExact, ToroidAgainstTheMeanDiameterFormula)
{
    const struct {
        double outer, inner, shortBy;
    } rows[] = {{10.01, 10, 0}, {20, 10, 0.0382}, {40, 10, 0.1344}};
    for (const auto& row : rows) {
        const double exact = fnToroidExactH(10, 1, 0, row.outer, row.inner, 5);
        const double meanFormula = 4e-10 * 100 * (row.outer - row.inner) / 2 * 5 / ((row.outer + row.inner) / 2);
        EXPECT_NEAR(fnDeviation(meanFormula, exact), -row.shortBy, 2e-4) << row.outer << " / " << row.inner;
    }
    // 100 turns on a ferrite ring 20 x 10 x 5 mm, mu 2000: 2e-7 * 2000 * 1e4 * 0.005 ln 2.
    EXPECT_NEAR(fnToroidExactH(100, 2000, 0, 20, 10, 5), 0.0138629, 1e-7);
    // The wire widens the section on every side, as the page's formula has it.
    EXPECT_DOUBLE_EQ(fnToroidExactH(100, 2000, 1, 20, 10, 5), fnToroidExactH(100, 2000, 0, 21, 9, 6));
}

// ---- straight conductors ----

TEST(InductionExact, RoundWireAgainstGroverAndRosa)
{
    // Grover's long-wire formula 0.2 l (ln(4 l / d) - 0.75) µH/m is 1.3 % low at l/d = 10,
    // exact enough at l/d = 10000.
    const auto longWire = [](double l, double d) { return 2e-4 * l * (std::log(4 * l / d) - 0.75); };
    EXPECT_NEAR(fnDeviation(fnRoundWireExactUh(10, 1), longWire(10, 1)), 0.0131, 5e-4);
    EXPECT_NEAR(fnDeviation(fnRoundWireExactUh(10000, 1), longWire(10000, 1)), 0, 1e-4);
    // Rosa's finite wire with its internal inductance l/4 kept apart agrees to a few
    // tenths of a percent however short.
    const auto rosa = [](double l, double d) {
        const double r = d / 2;
        const double root = std::hypot(l, r);
        return 2e-4 * (l * std::log((l + root) / r) - root + l / 4 + r);
    };
    for (double ratio : {10.0, 100.0, 1e4})
        EXPECT_NEAR(fnDeviation(fnRoundWireExactUh(ratio, 1), rosa(ratio, 1)), 0, 4e-3) << ratio;
    // 1 m of 1 mm wire: 1.5088 µH by Grover's formula, a hair more exactly.
    EXPECT_NEAR(fnRoundWireExactUh(1000, 1), 1.5089, 2e-4);
}

TEST(InductionExact, WireOverPlaneAgainstTheLongLineAndTheFarPlane)
{
    // A long wire: mu0 l / (2 pi) (ln(4 h / d) + 1/4), the line to its image with the wire's
    // internal inductance; the ends take 2h / l of it.
    const double length = 1e5;
    EXPECT_NEAR(fnDeviation(fnWireOverPlaneExactUh(length, 1, 10), 2e-4 * length * (std::log(40.0) + 0.25)), 0, 4e-4);
    // A far plane takes nothing from the wire.
    EXPECT_NEAR(fnDeviation(fnWireOverPlaneExactUh(100, 1, 1e8), fnRoundWireExactUh(100, 1)), 0, 1e-7);
    // Lying on the plane is the lowest position; below it, no answer.
    EXPECT_GT(fnWireOverPlaneExactUh(100, 1, 0.5), 0);
    EXPECT_EQ(fnWireOverPlaneExactUh(100, 1, 0.49), 0);
}

// The bar's section by its exact geometric mean distance: 0.44705 a for a square
// and e^(-3/2) a for a thin strip, the distances of round wires of 1.14805 a and
// 0.57302 a; against Grover's bar formula 0.2 l (ln(2 l / (a + b)) + 1/2) for long bars.
TEST(InductionExact, BarAgainstEquivalentRoundWiresAndGrover)
{
    EXPECT_NEAR(fnDeviation(fnBarExactUh(100, 2, 2), fnRoundWireExactUh(100, 2 * 1.14805)), 0, 1e-5);
    EXPECT_NEAR(fnDeviation(fnBarExactUh(100, 2, 2e-6), fnRoundWireExactUh(100, 2 * 0.57302)), 0, 1e-5);
    const double a = 3;
    const double b = 1;
    const double length = 1e4;
    EXPECT_NEAR(fnDeviation(fnBarExactUh(length, a, b), 2e-4 * length * (std::log(2 * length / (a + b)) + 0.5)), 0,
                1e-3);
}

// ---- inputs that describe no coil ----

struct TFunctionRow {
    const char* name;
    std::function<double(const std::vector<double>&)> call;
    std::vector<double> usable;
    std::vector<bool> zeroMeansNotGiven;
    friend void PrintTo(const TFunctionRow& row, std::ostream* os) { *os << row.name; }
};

class EveryArgument : public ::testing::TestWithParam<TFunctionRow> {};

// Each argument in turn replaced by a value that is no length, count or permeability.
TEST_P(EveryArgument, UnusableValueGivesZero)
{
    const TFunctionRow& row = GetParam();
    ASSERT_GT(row.call(row.usable), 0);
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          0,
                          -1,
                          -1e-3,
                          1e300,
                          1e-300};
    for (std::size_t k = 0; k < row.usable.size(); ++k) {
        for (double value : bad) {
            if (value == 0 && row.zeroMeansNotGiven[k])
                continue;
            std::vector<double> args = row.usable;
            args[k] = value;
            EXPECT_EQ(row.call(args), 0) << "argument " << k << " = " << value;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Functions, EveryArgument,
    ::testing::Values(
        TFunctionRow{"Nagaoka", [](const auto& v) { return fnNagaokaCoefficient(v[0]); }, {1}, {false}},
        TFunctionRow{"SingleLayer",
                     [](const auto& v) { return fnSingleLayerExactUh(v[0], v[1], v[2], v[3], v[4]); },
                     {10, 10, 0.5, 10, 1},
                     {false, false, true, false, false}},
        TFunctionRow{"SingleLayerTurns",
                     [](const auto& v) { return fnSingleLayerExactTurns(v[0], v[1], v[2], v[3], v[4]); },
                     {0.7, 10, 0.5, 10, 1},
                     {false, false, true, false, false}},
        TFunctionRow{"MultiLayer",
                     [](const auto& v) { return fnMultiLayerExactUh(v[0], v[1], v[2], v[3], v[4]); },
                     {100, 10, 20, 5, 1},
                     {false, false, false, false, false}},
        TFunctionRow{"MultiLayerTurns",
                     [](const auto& v) { return fnMultiLayerExactTurns(v[0], v[1], v[2], v[3], v[4]); },
                     {160, 10, 20, 5, 1},
                     {false, false, false, false, false}},
        TFunctionRow{
            "RoundWire", [](const auto& v) { return fnRoundWireExactUh(v[0], v[1]); }, {100, 1}, {false, false}},
        TFunctionRow{"WireOverPlane",
                     [](const auto& v) { return fnWireOverPlaneExactUh(v[0], v[1], v[2]); },
                     {100, 1, 10},
                     {false, false, false}},
        TFunctionRow{
            "Bar", [](const auto& v) { return fnBarExactUh(v[0], v[1], v[2]); }, {100, 1, 10}, {false, false, false}},
        TFunctionRow{"Toroid",
                     [](const auto& v) { return fnToroidExactH(v[0], v[1], v[2], v[3], v[4], v[5]); },
                     {10, 2000, 0.5, 20, 10, 5},
                     {false, false, true, false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TGeometryRow {
    const char* name;
    std::function<double()> call;
    bool usable;
    friend void PrintTo(const TGeometryRow& row, std::ostream* os) { *os << row.name; }
};

class Geometry : public ::testing::TestWithParam<TGeometryRow> {};

TEST_P(Geometry, ZeroExactlyWhenNoSuchCoil)
{
    const double value = GetParam().call();
    EXPECT_TRUE(std::isfinite(value));
    if (GetParam().usable)
        EXPECT_GT(value, 0);
    else
        EXPECT_EQ(value, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Geometry,
    ::testing::Values(
        TGeometryRow{"SingleBelowOneTurn", [] { return fnSingleLayerExactUh(0.999, 10, 0.5, 10, 1); }, false},
        TGeometryRow{"SingleWireThickerThanPitch", [] { return fnSingleLayerExactUh(10, 10, 1.001, 10, 1); }, false},
        // 3 x 0.1 is above 0.3 in binary; the turns touch and still count.
        TGeometryRow{"SingleWireEqualToPitch", [] { return fnSingleLayerExactUh(3, 0.3, 0.1, 10, 1); }, true},
        TGeometryRow{"SinglePermeabilityBelowOne", [] { return fnSingleLayerExactUh(10, 10, 0.5, 10, 0.5); }, false},
        TGeometryRow{"SingleTurnsWireLongerThanLength", [] { return fnSingleLayerExactTurns(1, 10, 11, 10, 1); },
                     false},
        TGeometryRow{"MultiMeanEqualToBuild", [] { return fnMultiLayerExactUh(100, 10, 5, 5, 1); }, false},
        TGeometryRow{"MultiMeanJustAboveBuild", [] { return fnMultiLayerExactUh(100, 10, 5.000001, 5, 1); }, true},
        TGeometryRow{"MultiFlatterThanAMillionth", [] { return fnMultiLayerExactUh(100, 1e-5, 20, 5, 1); }, false},
        TGeometryRow{"MultiLongAndThin", [] { return fnMultiLayerExactUh(100, 1e6, 1, 1e-6, 1); }, true},
        TGeometryRow{"ToroidOuterEqualToInner", [] { return fnToroidExactH(10, 1, 0, 10, 10, 5); }, false},
        TGeometryRow{"ToroidWireFillsTheHole", [] { return fnToroidExactH(10, 1, 10, 20, 10, 5); }, false},
        TGeometryRow{"ToroidBelowOneTurn", [] { return fnToroidExactH(0.5, 1, 0, 20, 10, 5); }, false},
        TGeometryRow{"HugeButFinite", [] { return fnSingleLayerExactUh(1e9, 1e9, 1e-9, 1e9, 1e9); }, true},
        TGeometryRow{"ShortFatSheet", [] { return fnSingleLayerExactUh(1, 1e-9, 0, 1e9, 1); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
