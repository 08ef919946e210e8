// The coil engine on the texts of a page: worked examples of every winding
// kind, every status text, both solve directions round trip, and the linked
// geometry fields; and its formulas against physics and published tables.
#include "calculators/Induction/InductionEngine.h"
#include "calculators/Induction/InductionPhysics.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>

using namespace induction;

namespace {

// Results are written in Windows-1251: the micro- and millihenry labels come from the catalogue.
std::string fnMicro(const char* number) { return std::string(number) + " " + fnGetText(TextId::UnitUH, 1); }
std::string fnMilli(const char* number) { return std::string(number) + " " + fnGetText(TextId::UnitMH, 1); }

TInductionFields fnFields(TCoilKind kind, const std::map<int, const char*>& texts, bool fromN = true)
{
    TInductionFields fields;
    fields.kind = kind;
    fields.fromN = fromN;
    fields.editInd.fill("0");
    fields.editInd[IndEdit::OneMu] = fields.editInd[IndEdit::ManyMu] = "1";
    for (const auto& [edit, text] : texts)
        fields.editInd[static_cast<std::size_t>(edit)] = text;
    return fields;
}

std::string fnLabel(const TInductionFields& fields, int label)
{
    const auto& text = fields.labelResInd[static_cast<std::size_t>(label)];
    return text ? *text : std::string("<unwritten>");
}

class InductionEngine : public ::testing::Test {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

struct TCalcCase {
    const char* name;
    TCoilKind kind;
    bool fromN;
    std::map<int, const char*> texts;
    std::uint32_t status;
    std::map<int, std::string> labels; // result label -> text
    friend void PrintTo(const TCalcCase& c, std::ostream* os) { *os << c.name; }
};

class InductionCalc : public ::testing::TestWithParam<TCalcCase> {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

TEST_P(InductionCalc, StatusAndResults)
{
    const TCalcCase& c = GetParam();
    TInductionFields fields = fnFields(c.kind, c.texts, c.fromN);
    EXPECT_EQ(prCalcInduction(fields), c.status);
    for (const auto& [label, text] : c.labels)
        EXPECT_EQ(fnLabel(fields, label), text) << "label " << label;
}

using namespace IndEdit;
using K = TCoilKind;

INSTANTIATE_TEST_SUITE_P(
    Kinds, InductionCalc,
    ::testing::Values(
        // Single-layer, inductance from turns: D = 10.5, K = 147.25, L = 0.74873 µH.
        TCalcCase{"OneFromTurns",
                  K::OneSloi,
                  true,
                  {{OneN, "10"}, {OneD0, "10"}, {OneWire, "0,5"}, {OneLen, "10"}},
                  780,
                  {{1, fnMicro("0,75")}}},
        TCalcCase{"OneTurnsTooLong",
                  K::OneSloi,
                  true,
                  {{OneN, "10"}, {OneD0, "10"}, {OneWire, "2"}, {OneLen, "10"}},
                  770,
                  {{1, fnMicro("0,94")}}},
        // A coil shorter than its radius: K = 4 * 20 + 11 * 5 = 135, L = 2.963 µH.
        TCalcCase{"OneShortCoil",
                  K::OneSloi,
                  true,
                  {{OneN, "10"}, {OneD0, "20"}, {OneLen, "5"}},
                  780,
                  {{1, fnMicro("2,96")}}},
        // D / 2 = l takes the long-coil denominator: K = 190, L = 2.105 µH.
        TCalcCase{"OneRadiusEqualsLength",
                  K::OneSloi,
                  true,
                  {{OneN, "10"}, {OneD0, "20"}, {OneLen, "10"}},
                  780,
                  {{1, fnMicro("2,11")}}},
        TCalcCase{"OneNothing", K::OneSloi, true, {}, 764, {{1, "0"}}},
        TCalcCase{"OneTurnsWithoutGeometry", K::OneSloi, true, {{OneN, "10"}, {OneLen, "10"}}, 765, {{1, "0"}}},
        TCalcCase{"OneGeometryWithoutTurns", K::OneSloi, true, {{OneD0, "10"}, {OneLen, "10"}}, 766, {{1, "0"}}},
        TCalcCase{"OneFromLNothing", K::OneSloi, false, {}, 767, {{2, "0"}}},
        TCalcCase{"OneLWithoutGeometry", K::OneSloi, false, {{OneL, "5"}}, 765, {{2, "0"}}},
        TCalcCase{"OneGeometryWithoutL", K::OneSloi, false, {{OneD0, "10"}, {OneLen, "10"}}, 768, {{2, "0"}}},
        TCalcCase{"OneTurnsFromL",
                  K::OneSloi,
                  false,
                  {{OneL, "0,74873"}, {OneD0, "10"}, {OneWire, "0,5"}, {OneLen, "10"}},
                  780,
                  {{2, "10,0"}}},
        TCalcCase{"OneNegativeCountsAsMissing",
                  K::OneSloi,
                  true,
                  {{OneN, "-10"}, {OneD0, "10"}, {OneLen, "10"}},
                  766,
                  {{1, "0"}}},
        // Multi-layer: N = 100, D = 20, l = 10, c = 5: L = 160 µH.
        TCalcCase{"ManyFromTurns",
                  K::ManySloi,
                  true,
                  {{ManyN, "100"}, {ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}},
                  780,
                  {{3, fnMicro("160")}}},
        TCalcCase{"ManyFitsWinding",
                  K::ManySloi,
                  true,
                  {{ManyN, "100"}, {ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}, {ManyWire, "0,5"}},
                  780,
                  {{3, fnMicro("160")}}},
        TCalcCase{"ManyOverfull",
                  K::ManySloi,
                  true,
                  {{ManyN, "100"}, {ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}, {ManyWire, "1"}},
                  772,
                  {{3, fnMicro("160")}}},
        TCalcCase{"ManyMeanNotAboveBuild",
                  K::ManySloi,
                  true,
                  {{ManyN, "100"}, {ManyD, "5"}, {ManyLen, "10"}, {ManyC, "5"}},
                  774,
                  {{3, "0"}}},
        TCalcCase{"ManyOuterNotAboveInner", K::ManySloi, true, {{ManyDo, "10"}, {ManyDi, "10"}}, 775, {{3, "0"}}},
        TCalcCase{"ManyNothing", K::ManySloi, true, {}, 769, {{3, "0"}}},
        TCalcCase{"ManyTurnsWithoutGeometry", K::ManySloi, true, {{ManyN, "100"}}, 771, {{3, "0"}}},
        TCalcCase{"ManyGeometryWithoutTurns",
                  K::ManySloi,
                  true,
                  {{ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}},
                  766,
                  {{3, "0"}}},
        TCalcCase{"ManyFromLNothing", K::ManySloi, false, {}, 773, {{4, "0"}}},
        TCalcCase{"ManyGeometryWithoutL",
                  K::ManySloi,
                  false,
                  {{ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}},
                  768,
                  {{4, "0"}}},
        TCalcCase{"ManyTurnsFromL",
                  K::ManySloi,
                  false,
                  {{ManyL, "160"}, {ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}},
                  780,
                  {{4, "100"}}},
        // Flat spiral N = 10, Do = 30, Di = 10: d_avg = 20, rho = 0.5.
        TCalcCase{"FlatFourOutlines",
                  K::Ploski,
                  true,
                  {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}},
                  780,
                  {{5, fnMicro("2,46")}, {6, fnMicro("2,11")}, {7, fnMicro("2,11")}, {8, fnMicro("2,07")}}},
        TCalcCase{"FlatOuterEqualsInner",
                  K::Ploski,
                  true,
                  {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "30"}},
                  775,
                  {{5, "0"}, {6, "0"}, {7, "0"}, {8, "0"}}},
        TCalcCase{"FlatMeanNotAboveWidth", K::Ploski, true, {{FlatDm, "5"}, {FlatW, "5"}}, 774, {{5, "0"}}},
        TCalcCase{"FlatHint", K::Ploski, true, {{FlatN, "10"}}, 776, {{5, "0"}}},
        // Straight conductor l = 100, d = 1: 0.1048 µH; with h = 10: 0.07509 and 0.06850 µH
        // (below 10 the five-digit writer keeps four decimals).
        TCalcCase{"WireRound",
                  K::Provod,
                  true,
                  {{WireLen, "100"}, {WireD, "1"}},
                  752,
                  {{9, fnMicro("0,1048")}, {10, "0"}, {11, "0"}}},
        TCalcCase{"WireOverPlaneAndBar",
                  K::Provod,
                  true,
                  {{WireLen, "100"}, {WireD, "1"}, {WireH, "10"}},
                  752,
                  {{9, fnMicro("0,1048")}, {10, fnMicro("0,0751")}, {11, fnMicro("0,0685")}}},
        TCalcCase{"WireHeightOnly", K::Provod, true, {{WireH, "10"}}, 753, {{9, "0"}, {10, "0"}, {11, "0"}}},
        TCalcCase{"WireNothing", K::Provod, true, {}, 754, {{9, "0"}}},
        // A very short, thick conductor gives a negative value: the label is empty, never "-…".
        TCalcCase{"WireNegativeIsEmpty", K::Provod, true, {{WireLen, "1"}, {WireD, "9"}}, 752, {{9, ""}}},
        // Toroid N = 10, Do = 20, Di = 10, h = 5: A = 25 mm2, L = 6.667e-8 H.
        TCalcCase{"Toroid",
                  K::Tor,
                  true,
                  {{TorN, "10"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}},
                  780,
                  {{13, fnMicro("0,0667")}}},
        TCalcCase{"ToroidWireAddsToSection",
                  K::Tor,
                  true,
                  {{TorN, "10"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}, {TorWire, "1"}},
                  780,
                  {{13, fnMicro("0,0960")}}},
        TCalcCase{"ToroidPermeability",
                  K::Tor,
                  true,
                  {{TorN, "100"}, {TorMu, "2000"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}},
                  780,
                  {{13, fnMilli("13,333")}}},
        TCalcCase{"ToroidNoTurns", K::Tor, true, {{TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}}, 748, {{13, "0"}}},
        TCalcCase{"ToroidOuterNotAboveInner",
                  K::Tor,
                  true,
                  {{TorN, "10"}, {TorDo, "10"}, {TorDi, "20"}, {TorH, "5"}},
                  749,
                  {{13, "0"}}},
        TCalcCase{"ToroidNoCore", K::Tor, true, {{TorN, "10"}, {TorDo, "20"}}, 750, {{13, "0"}}},
        TCalcCase{"ToroidNothing", K::Tor, true, {}, 751, {{13, "0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InductionEngine, PermeabilityBelowOneIsAirAndSaysSoUnlessTyped)
{
    const struct {
        const char* typed;
        int focused;
        const char* shown;
    } cases[] = {{"0,5", -1, "1"}, {"", -1, "1"}, {"0,5", TorMu, "0,5"}, {"50", -1, "50"}};
    for (const auto& c : cases) {
        TInductionFields fields = fnFields(K::Tor, {{TorN, "10"}, {TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}});
        fields.editInd[TorMu] = c.typed;
        fields.focusedEdit = c.focused;
        prCalcInduction(fields);
        EXPECT_EQ(fields.editInd[TorMu], c.shown) << c.typed;
        const double mu = std::max(1.0, fnTextToFloat(std::string(c.typed)));
        EXPECT_EQ(fnLabel(fields, 13), fnFormatInductance(5, 4e-10 * mu * 100 * 25 / 15)) << c.typed;
    }
}

TEST_F(InductionEngine, OnlyTheSelectedKindsLabelsAreWritten)
{
    TInductionFields fields = fnFields(K::Provod, {{WireLen, "100"}, {WireD, "1"}});
    prCalcInduction(fields);
    for (int label : {1, 2, 3, 4, 5, 6, 7, 8, 12, 13})
        EXPECT_FALSE(fields.labelResInd[static_cast<std::size_t>(label)].has_value()) << label;
}

// Turns from inductance and back gives the typed inductance within what the labels show.
TEST_F(InductionEngine, BothDirectionsRoundTripInBothUnits)
{
    const struct {
        TCoilKind kind;
        int editL, editN, labelL, labelN;
        std::map<int, const char*> geometry;
    } coils[] = {
        {K::OneSloi, OneL, OneN, 1, 2, {{OneD0, "10"}, {OneLen, "30"}}},
        {K::ManySloi, ManyL, ManyN, 3, 4, {{ManyD, "20"}, {ManyLen, "10"}, {ManyC, "5"}}},
    };
    for (const auto& coil : coils) {
        for (bool milli : {false, true}) {
            for (const char* typed : {"0,5", "4,7", "33", "150"}) {
                TInductionFields fields = fnFields(coil.kind, coil.geometry, false);
                (coil.kind == K::OneSloi ? fields.oneLInMilli : fields.manyLInMilli) = milli;
                fields.editInd[static_cast<std::size_t>(coil.editL)] = typed;
                ASSERT_EQ(prCalcInduction(fields), 780u);
                const double turns = fnTextToFloat(fnLabel(fields, coil.labelN));

                // Back: the shown turns typed in give the inductance; the turns were rounded
                // to their shown digits, so L comes back within that relative error twice over.
                fields.fromN = true;
                fields.editInd[static_cast<std::size_t>(coil.editN)] = fnFloatToText(3, turns);
                prCalcInduction(fields);
                const double wanted = fnTextToFloat(std::string(typed)) * (milli ? 1000 : 1);
                const double turnsStep = turns >= 100 ? 0.5 : turns >= 10 ? 0.05 : 0.005;
                const double tolerance = wanted * (2 * turnsStep / turns + 0.01);
                const std::string back = fnLabel(fields, coil.labelL);
                const double value = fnTextToFloat(back.substr(0, back.find(' ')));
                const bool inMilli = back.find(fnGetText(TextId::UnitMH, 1)) != std::string::npos;
                EXPECT_NEAR(value * (inMilli ? 1000 : 1), wanted, tolerance)
                    << (coil.kind == K::OneSloi ? "single" : "multi") << " " << typed << (milli ? " mH" : " µH");
            }
        }
    }
}

// Every linked operation from the field typed in; other fields' writes never link back.
struct TLinkCase {
    const char* name;
    TCoilKind kind;
    int typed;
    std::map<int, const char*> texts;
    std::map<int, const char*> expected;
    friend void PrintTo(const TLinkCase& c, std::ostream* os) { *os << c.name; }
};

class InductionLink : public ::testing::TestWithParam<TLinkCase> {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

TEST_P(InductionLink, FillsTheOtherWay)
{
    const TLinkCase& c = GetParam();
    TInductionFields fields = fnFields(c.kind, c.texts);
    fields.focusedEdit = c.typed;
    prEditChangeInd(fields, c.typed);
    for (const auto& [edit, text] : c.expected)
        EXPECT_EQ(fields.editInd[static_cast<std::size_t>(edit)], text) << "field " << edit;
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, InductionLink,
    ::testing::Values(TLinkCase{"ManyOuterInnerToMeanBuild",
                                K::ManySloi,
                                ManyDi,
                                {{ManyDo, "30"}, {ManyDi, "10"}},
                                {{ManyD, "20,0"}, {ManyC, "10,0"}}},
                      TLinkCase{"ManyMeanBuildToOuterInner",
                                K::ManySloi,
                                ManyC,
                                {{ManyD, "20"}, {ManyC, "5"}},
                                {{ManyDo, "25,0"}, {ManyDi, "15,0"}, {ManyD, "20"}, {ManyC, "5"}}},
                      TLinkCase{"ManyUnusableClearsToZero",
                                K::ManySloi,
                                ManyDo,
                                {{ManyDo, "10"}, {ManyDi, "20"}, {ManyD, "7"}},
                                {{ManyD, "0"}, {ManyC, "0"}}},
                      TLinkCase{"FlatFromOuter",
                                K::Ploski,
                                FlatDi,
                                {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}},
                                {{FlatDm, "20,0"}, {FlatW, "10,0"}, {FlatTrack, "0,53"}, {FlatGap, "0,53"}}},
                      TLinkCase{"FlatFromMean",
                                K::Ploski,
                                FlatW,
                                {{FlatN, "10"}, {FlatDm, "20"}, {FlatW, "10"}},
                                {{FlatDo, "30,0"}, {FlatDi, "10,0"}, {FlatTrack, "0,53"}, {FlatGap, "0,53"}}},
                      TLinkCase{"FlatStepFromTurns",
                                K::Ploski,
                                FlatN,
                                {{FlatN, "5"}, {FlatDo, "30"}, {FlatDi, "10"}},
                                {{FlatTrack, "1,11"}, {FlatGap, "1,11"}}},
                      TLinkCase{"FlatStepWithoutTurnsClears",
                                K::Ploski,
                                FlatN,
                                {{FlatN, ""}, {FlatTrack, "2"}, {FlatGap, "2"}},
                                {{FlatTrack, "0"}, {FlatGap, "0"}}},
                      TLinkCase{"FlatStepUnusableDiametersLeaveThem",
                                K::Ploski,
                                FlatN,
                                {{FlatN, "5"}, {FlatTrack, "2"}, {FlatGap, "3"}},
                                {{FlatTrack, "2"}, {FlatGap, "3"}}},
                      // Half a turn would divide by 2N - 1 = 0: track and gap stay at "0".
                      TLinkCase{"FlatHalfTurnNoDivision",
                                K::Ploski,
                                FlatN,
                                {{FlatN, "0,5"}, {FlatDo, "30"}, {FlatDi, "10"}},
                                {{FlatTrack, "0"}, {FlatGap, "0"}}},
                      TLinkCase{"FlatBelowHalfTurnFromOuter",
                                K::Ploski,
                                FlatDo,
                                {{FlatN, "0,3"}, {FlatDo, "30"}, {FlatDi, "10"}},
                                {{FlatDm, "20,0"}, {FlatTrack, "0"}, {FlatGap, "0"}}},
                      TLinkCase{"FlatGapFromTrack",
                                K::Ploski,
                                FlatTrack,
                                {{FlatN, "5"}, {FlatW, "10"}, {FlatTrack, "1"}},
                                {{FlatGap, "1,25"}}},
                      TLinkCase{"FlatTrackWiderThanShareGivesNegativeGap",
                                K::Ploski,
                                FlatTrack,
                                {{FlatN, "5"}, {FlatW, "10"}, {FlatTrack, "3"}},
                                {{FlatGap, "-1,25"}}},
                      TLinkCase{"FlatOneTurnHasNoGap",
                                K::Ploski,
                                FlatTrack,
                                {{FlatN, "1"}, {FlatW, "10"}, {FlatTrack, "3"}},
                                {{FlatGap, "0"}}},
                      TLinkCase{"FlatTrackFromGap",
                                K::Ploski,
                                FlatGap,
                                {{FlatN, "5"}, {FlatW, "10"}, {FlatGap, "1"}},
                                {{FlatTrack, "1,20"}}},
                      // Large values are written whole: the field's typing limit never cuts them.
                      TLinkCase{"ManyLargeOuterWhole",
                                K::ManySloi,
                                ManyD,
                                {{ManyD, "9000"}, {ManyC, "5000"}},
                                {{ManyDo, "14000"}, {ManyDi, "4000"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InductionEngine, ProgramWritesNeverLink)
{
    // The same texts as a typed change, but the field has no focus: only a recalculation.
    TInductionFields fields = fnFields(K::ManySloi, {{ManyDo, "30"}, {ManyDi, "10"}, {ManyD, "7"}, {ManyC, "2"}});
    fields.focusedEdit = ManyD;
    prEditChangeInd(fields, ManyDo);
    EXPECT_EQ(fields.editInd[ManyD], "7");
    EXPECT_EQ(fields.editInd[ManyC], "2");
    // A linked field of another kind than the one shown is not linked either.
    fields = fnFields(K::OneSloi, {{ManyDo, "30"}, {ManyDi, "10"}});
    fields.focusedEdit = ManyDo;
    prEditChangeInd(fields, ManyDo);
    EXPECT_EQ(fields.editInd[ManyD], "0");
}

TEST_F(InductionEngine, LinkedValuesAreReadBackAsShown)
{
    // Do = 30,35 and Di = 10 give D = 20,175 shown as 20,2: the calculation uses 20,2.
    TInductionFields fields = fnFields(K::ManySloi,
                                       {{ManyN, "100"}, {ManyLen, "10"}, {ManyDo, "30,35"}, {ManyDi, "10"}});
    fields.focusedEdit = ManyDi;
    prEditChangeInd(fields, ManyDi);
    ASSERT_EQ(fields.editInd[ManyD], "20,2");
    ASSERT_EQ(fields.editInd[ManyC], "10,2");
    const double expected = 0.008 * 20.2 * 20.2 * 100 * 100 / (3 * 20.2 + 9 * 10 + 10 * 10.2);
    EXPECT_EQ(fnLabel(fields, 3), fnFormatInductance(3, expected * 1e-6));
}

TEST_F(InductionEngine, HugeInputsNeverShowNanOrInf)
{
    for (TCoilKind kind : {K::OneSloi, K::ManySloi, K::Ploski, K::Provod, K::Tor}) {
        for (bool fromN : {true, false}) {
            TInductionFields fields = fnFields(kind, {}, fromN);
            for (auto& text : fields.editInd)
                text = "9e99";
            fields.editInd[FlatDi] = fields.editInd[TorDi] = fields.editInd[ManyC] = "1";
            prCalcInduction(fields);
            for (const auto& label : fields.labelResInd)
                if (label) {
                    EXPECT_EQ(label->find("nan"), std::string::npos) << *label;
                    EXPECT_EQ(label->find("inf"), std::string::npos) << *label;
                }
        }
    }
}

// ---- the formulas against physics and published tables

constexpr double Pi = 3.14159265358979323846;
constexpr double Mu0 = 4e-7 * Pi; // H/m

// A current sheet of diameter D and length l: L = K mu0 pi r^2 N^2 / l, with
// Nagaoka's coefficient K from his table (by D / l). Millimetres in, uH out.
double fnNagaokaUh(double turns, double diameterMm, double lengthMm, double k)
{
    const double r = diameterMm / 2e3;
    return k * Mu0 * Pi * r * r * turns * turns / (lengthMm / 1e3) * 1e6;
}

// The Brooks coil (section c x c on a mean diameter 3c): L = 0.025491 c N^2 uH, c in cm.
double fnBrooksUh(double turns, double sideMm) { return 0.025491 * sideMm / 10 * turns * turns; }

// Wheeler's flat spiral in inches: L = r^2 N^2 / (8 r + 11 w) uH, r the mean
// radius and w the radial width of the winding.
double fnWheelerSpiralUh(double turns, double outerMm, double innerMm)
{
    const double r = (outerMm + innerMm) / 4 / 25.4;
    const double w = (outerMm - innerMm) / 2 / 25.4;
    return r * r * turns * turns / (8 * r + 11 * w);
}

// The modified Wheeler formula of a square planar spiral:
// L = 2.34 mu0 N^2 davg / (1 + 2.75 rho).
double fnModifiedWheelerSquareUh(double turns, double outerMm, double innerMm)
{
    const double average = (outerMm + innerMm) / 2e3;
    const double rho = (outerMm - innerMm) / (outerMm + innerMm);
    return 2.34 * Mu0 * turns * turns * average / (1 + 2.75 * rho) * 1e6;
}

// A straight round wire, exactly (its internal inductance mu0 l / 8 pi included):
// L = mu0 l / 2 pi (ln(l / r + sqrt(1 + l^2 / r^2)) - sqrt(1 + r^2 / l^2) + r / l + 1 / 4).
double fnRoundWireUh(double lengthMm, double wireMm)
{
    const double q = lengthMm / (wireMm / 2);
    return Mu0 / (2 * Pi) * lengthMm / 1e3
           * (std::log(q + std::sqrt(1 + q * q)) - std::sqrt(1 + 1 / (q * q)) + 1 / q + 0.25) * 1e6;
}

// A long wire at height h over a plane, by its image: L = mu0 l / 2 pi (ln(4 h / d) + 1 / 4).
double fnLongWireOverPlaneUh(double lengthMm, double wireMm, double heightMm)
{
    return Mu0 / (2 * Pi) * lengthMm / 1e3 * (std::log(4 * heightMm / wireMm) + 0.25) * 1e6;
}

// A long bar of square section a x a, by the geometric mean distance of the
// section (0.44705 a): L = mu0 l / 2 pi (ln(2 l / GMD) - 1).
double fnSquareBarUh(double lengthMm, double sideMm)
{
    return Mu0 / (2 * Pi) * lengthMm / 1e3 * (std::log(2 * lengthMm / (0.44705 * sideMm)) - 1) * 1e6;
}

// A toroid of rectangular section, exactly: L = mu0 mu N^2 h ln(Do / Di) / 2 pi, in henries.
double fnToroidH(double turns, double mu, double outerMm, double innerMm, double heightMm)
{
    return Mu0 * mu * turns * turns * heightMm / 1e3 * std::log(outerMm / innerMm) / (2 * Pi);
}

struct TReferenceCase {
    const char* name;
    double formula;   // what the program computes
    double reference; // what physics or the table says
    double tolerance; // relative
    friend void PrintTo(const TReferenceCase& c, std::ostream* os) { *os << c.name; }
};

class InductionPhysicsReference : public ::testing::TestWithParam<TReferenceCase> {};

TEST_P(InductionPhysicsReference, AgreesWithinTheFormulasAccuracy)
{
    const TReferenceCase& c = GetParam();
    EXPECT_NEAR(c.formula, c.reference, c.tolerance * c.reference) << "off by " << (c.formula / c.reference - 1);
}

// A result of the formulas, as the test compares it.
double fnDouble(long double value) { return static_cast<double>(value); }
using O = TSpiralOutline;

INSTANTIATE_TEST_SUITE_P(
    Formulas, InductionPhysicsReference,
    ::testing::Values(
        // Wheeler's single-layer formula in millimetres stays within 3 % of the current sheet,
        // short coils (D / 2 > l, their own denominator) included. 10 turns, D = 20 mm.
        TReferenceCase{"SingleLayerLengthTenDiameters", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 200)),
                       fnNagaokaUh(10, 20, 200, 0.9588), 0.03},
        TReferenceCase{"SingleLayerLengthFiveDiameters", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 100)),
                       fnNagaokaUh(10, 20, 100, 0.9201), 0.03},
        TReferenceCase{"SingleLayerLengthTwoDiameters", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 40)),
                       fnNagaokaUh(10, 20, 40, 0.8181), 0.03},
        TReferenceCase{"SingleLayerLengthOneDiameter", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 20)),
                       fnNagaokaUh(10, 20, 20, 0.6884), 0.03},
        TReferenceCase{"SingleLayerLengthHalfDiameter", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 10)),
                       fnNagaokaUh(10, 20, 10, 0.5255), 0.03},
        TReferenceCase{"SingleLayerShortFifthDiameter", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 4)),
                       fnNagaokaUh(10, 20, 4, 0.3198), 0.03},
        TReferenceCase{"SingleLayerShortTenthDiameter", fnDouble(singleLayerInductanceUh(10, 1, 20, 0, 2)),
                       fnNagaokaUh(10, 20, 2, 0.2033), 0.03},
        // The permeability scales the inductance; the wire's diameter adds to the former's.
        TReferenceCase{"SingleLayerCoreAndWire", fnDouble(singleLayerInductanceUh(10, 50, 19.5, 0.5, 20)),
                       50 * fnNagaokaUh(10, 20, 20, 0.6884), 0.03},
        // Wheeler's multi-layer formula on the Brooks coil, the most inductance for a length of wire.
        TReferenceCase{"MultiLayerBrooksSmall", fnDouble(multiLayerInductanceUh(100, 1, 6, 2, 2)), fnBrooksUh(100, 2),
                       0.01},
        TReferenceCase{"MultiLayerBrooksLarge", fnDouble(multiLayerInductanceUh(500, 1, 75, 25, 25)),
                       fnBrooksUh(500, 25), 0.01},
        // The current sheet of a circular spiral against Wheeler's spiral formula, of a square one
        // against the modified Wheeler formula, over fill ratios 0.2 to 0.5 (N = 10, Do = 30 mm).
        TReferenceCase{"FlatCircularFillHalf", fnDouble(flatSpiralInductanceUh(O::Circular, 10, 30, 10)),
                       fnWheelerSpiralUh(10, 30, 10), 0.015},
        TReferenceCase{"FlatCircularFillThird", fnDouble(flatSpiralInductanceUh(O::Circular, 10, 30, 15)),
                       fnWheelerSpiralUh(10, 30, 15), 0.015},
        TReferenceCase{"FlatCircularFillFifth", fnDouble(flatSpiralInductanceUh(O::Circular, 10, 30, 20)),
                       fnWheelerSpiralUh(10, 30, 20), 0.015},
        TReferenceCase{"FlatSquareFillHalf", fnDouble(flatSpiralInductanceUh(O::Square, 10, 30, 10)),
                       fnModifiedWheelerSquareUh(10, 30, 10), 0.015},
        TReferenceCase{"FlatSquareFillThird", fnDouble(flatSpiralInductanceUh(O::Square, 10, 30, 15)),
                       fnModifiedWheelerSquareUh(10, 30, 15), 0.015},
        TReferenceCase{"FlatSquareFillFifth", fnDouble(flatSpiralInductanceUh(O::Square, 10, 30, 20)),
                       fnModifiedWheelerSquareUh(10, 30, 20), 0.015},
        // Straight conductors, long against their thickness, against the exact and the long-line values.
        TReferenceCase{"RoundWire30Diameters", fnDouble(roundWireInductanceUh(30, 1)), fnRoundWireUh(30, 1), 0.005},
        TReferenceCase{"RoundWire1000Diameters", fnDouble(roundWireInductanceUh(1000, 1)), fnRoundWireUh(1000, 1),
                       0.0005},
        TReferenceCase{"WireOverPlane200Heights", fnDouble(wireOverPlaneInductanceUh(2000, 1, 10)),
                       fnLongWireOverPlaneUh(2000, 1, 10), 0.005},
        TReferenceCase{"WireOverPlane1000Heights", fnDouble(wireOverPlaneInductanceUh(10000, 1, 10)),
                       fnLongWireOverPlaneUh(10000, 1, 10), 0.001},
        TReferenceCase{"SquareBar100Sides", fnDouble(rectangularBarInductanceUh(100, 1, 1)), fnSquareBarUh(100, 1),
                       0.002},
        TReferenceCase{"SquareBar1000Sides", fnDouble(rectangularBarInductanceUh(1000, 1, 1)), fnSquareBarUh(1000, 1),
                       0.001},
        // The toroid's mean-diameter formula against the logarithmic one: exact for a thin
        // ring, a few per cent low for Do = 2 Di.
        TReferenceCase{"ToroidThinRing", fnDouble(toroidInductanceH(10, 1, 0, 22, 20, 5)), fnToroidH(10, 1, 22, 20, 5),
                       0.001},
        TReferenceCase{"ToroidThickRing", fnDouble(toroidInductanceH(100, 2000, 0, 20, 10, 5)),
                       fnToroidH(100, 2000, 20, 10, 5), 0.04}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InductionPhysics, SpiralOutlinesEnclosingMoreAreaHaveMoreInductance)
{
    // At the same Do, Di and N the square encloses the most area, the circle the
    // least; the outlines' coefficients keep that order up to a fill ratio of
    // one half (Di >= Do / 3).
    for (double inner : {10.0, 15.0, 20.0, 25.0}) {
        const long double square = flatSpiralInductanceUh(O::Square, 10, 30, inner);
        const long double hexagonal = flatSpiralInductanceUh(O::Hexagonal, 10, 30, inner);
        const long double octagonal = flatSpiralInductanceUh(O::Octagonal, 10, 30, inner);
        const long double circular = flatSpiralInductanceUh(O::Circular, 10, 30, inner);
        EXPECT_GT(square, octagonal) << inner;
        EXPECT_GT(square, hexagonal) << inner;
        EXPECT_GT(octagonal, circular) << inner;
        EXPECT_GT(hexagonal, circular) << inner;
    }
}

// Whether the turns fit: side by side along l, or in the section l x c at the
// fill of square-packed round wire.
struct TFitCase {
    const char* name;
    bool overfull;
    bool expected;
    friend void PrintTo(const TFitCase& c, std::ostream* os) { *os << c.name; }
};

class InductionWindingFit : public ::testing::TestWithParam<TFitCase> {};

TEST_P(InductionWindingFit, TellsWhenTheWireDoesNotFit) { EXPECT_EQ(GetParam().overfull, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Windings, InductionWindingFit,
                         ::testing::Values(
                             // 20 turns of 0.5 mm wire fill 10 mm exactly.
                             TFitCase{"SingleLayerExactlyFull", singleLayerTooLong(20, 0.5, 10), false},
                             TFitCase{"SingleLayerOneTurnMore", singleLayerTooLong(21, 0.5, 10), true},
                             TFitCase{"SingleLayerWireNotGiven", singleLayerTooLong(1000, 0, 10), false},
                             // A 10 x 5 mm section holds 50 turns of 1 mm wire square-packed.
                             TFitCase{"MultiLayerSquarePacked", multiLayerOverfull(50, 1, 10, 5), false},
                             TFitCase{"MultiLayerTwoTurnsMore", multiLayerOverfull(52, 1, 10, 5), true},
                             TFitCase{"MultiLayerWireNotGiven", multiLayerOverfull(1e6, 0, 10, 5), false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InductionPhysics, TurnsForAnInductanceGiveItBack)
{
    for (const double turns : {3.0, 47.0, 1200.0}) {
        const long double single = singleLayerInductanceUh(turns, 4, 12, 0.3, 25);
        EXPECT_NEAR(fnDouble(singleLayerTurns(single, 4, 12, 0.3, 25)), turns, turns * 1e-12);
        // A short coil solves with its own denominator too.
        const long double shortCoil = singleLayerInductanceUh(turns, 1, 40, 0, 5);
        EXPECT_NEAR(fnDouble(singleLayerTurns(shortCoil, 1, 40, 0, 5)), turns, turns * 1e-12);
        const long double multi = multiLayerInductanceUh(turns, 3, 20, 10, 5);
        EXPECT_NEAR(fnDouble(multiLayerTurns(multi, 3, 20, 10, 5)), turns, turns * 1e-12);
    }
}

} // namespace
