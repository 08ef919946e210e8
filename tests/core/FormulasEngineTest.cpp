// The formula evaluators as the catalogue reads: every formula solved for
// each of its quantities, the oldest-given rule, the velocity choices, the
// series and parallel groups, and round trips against the physics; the
// physics against reference values; the sheet's pieces and the fields laid
// over the pictures kept apart.
#include "calculators/Formulas/FormulasEngine.h"

#include "calculators/Formulas/FormulasGeometry.h"
#include "calculators/Formulas/FormulasPhysics.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"
#include "tests/support/RectChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <span>
#include <string>
#include <vector>

using namespace formulas;

namespace {

std::string fnUnit(const char* number, std::uint32_t unit) { return std::string(number) + " " + fnGetText(unit, 1); }
std::string fnIs(const char* number, std::uint32_t unit) { return " = " + fnUnit(number, unit); }

// A formula shown with its start units, then the slots typed in this order.
TFormulaFields fnTyped(int formula, const std::vector<std::pair<int, const char*>>& typed)
{
    TFormulaFields fields;
    fields.formula = formula;
    fields.text.fill("0");
    const std::vector<TSlotSpec> slots = fnFormulaSlots(formula);
    for (std::size_t k = 0; k < slots.size(); ++k)
        fields.unit[k] = slots[k].selected;
    if (formula == FormulaId::Wave) {
        const TVelocitySetting radio = fnVelocitySetting(TVelocity::Radio);
        fields.text[0] = radio.text;
        fields.unit[0] = radio.unit;
    }
    for (const auto& [slot, text] : typed) {
        fields.text[static_cast<std::size_t>(slot - 1)] = text;
        prSlotTyped(fields.order, slot);
    }
    return fields;
}

struct TSolveCase {
    const char* name;
    int formula;
    std::vector<std::pair<int, const char*>> typed;
    std::vector<std::string> labels; // result labels 1.. as shown
    std::vector<int> beside;         // the slot each label sits beside (0: a fixed place)
    std::vector<int> zeroed;         // slots set to "0"
    friend void PrintTo(const TSolveCase& c, std::ostream* os) { *os << c.name; }
};

class FormulaSolve : public ::testing::TestWithParam<TSolveCase> {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

TEST_P(FormulaSolve, ShowsTheMissingQuantity)
{
    const TSolveCase& c = GetParam();
    const TFormulaResults r = prCalcFormula(fnTyped(c.formula, c.typed));
    for (std::size_t k = 0; k < c.labels.size(); ++k) {
        EXPECT_EQ(r.label[k], c.labels[k]) << "label " << k + 1;
        if (k < c.beside.size()) {
            EXPECT_EQ(r.besideSlot[k], c.beside[k]) << "label " << k + 1;
        }
    }
    for (int slot = 1; slot <= FormulaSlots; ++slot) {
        const bool zeroed = std::find(c.zeroed.begin(), c.zeroed.end(), slot) != c.zeroed.end();
        EXPECT_EQ(r.writeBack[static_cast<std::size_t>(slot - 1)].has_value(), zeroed) << "slot " << slot;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaSolve,
    ::testing::Values(
        // 101: F = 1 kHz and C = 1 uF typed: L = 0.025330295910584 H.
        TSolveCase{"ResonanceL", 101, {{1, "1"}, {2, "1000"}}, {fnIs("25,330", TextId::UnitMH)}, {3}, {}},
        TSolveCase{"ResonanceC", 101, {{1, "1"}, {3, "25330"}}, {fnIs("1,0000", TextId::UnitUF)}, {2}, {}},
        TSolveCase{"ResonanceF", 101, {{2, "1"}, {3, "1"}}, {fnIs("5,0329", TextId::UnitMHz)}, {1}, {}},
        // All three typed: F, the least recently typed, is made the unknown again.
        TSolveCase{
            "ResonanceOldestGiven", 101, {{1, "7"}, {2, "1"}, {3, "1"}}, {fnIs("5,0329", TextId::UnitMHz)}, {1}, {1}},
        TSolveCase{"ResonanceOneValue", 101, {{1, "1"}}, {""}, {0}, {}},
        TSolveCase{"ResonanceNegative", 101, {{1, "-1"}, {2, "1"}}, {""}, {0}, {}},
        // 103: Q = 2 pi F L / R.
        TSolveCase{"QualityQ", 103, {{2, "1000"}, {3, "1000"}, {4, "10"}}, {" = 628,32"}, {1}, {}},
        TSolveCase{
            "QualityF", 103, {{1, "628,32"}, {3, "1000"}, {4, "10"}}, {fnIs("1,0000", TextId::UnitMHz)}, {2}, {}},
        TSolveCase{"QualityL", 103, {{1, "100"}, {2, "1000"}, {4, "10"}}, {fnIs("159,15", TextId::UnitUH)}, {3}, {}},
        TSolveCase{"QualityR", 103, {{1, "100"}, {2, "1000"}, {3, "1000"}}, {fnIs("62,832", TextId::UnitOhm)}, {4}, {}},
        TSolveCase{"QualityOldest",
                   103,
                   {{4, "3"}, {1, "100"}, {2, "1000"}, {3, "1000"}},
                   {fnIs("62,832", TextId::UnitOhm)},
                   {4},
                   {4}},
        // 102, radio waves (300 000 km/s), lambda = 1 m: f = 300 MHz, T = 3.3333 ns, lambda/4 = 0.25 m.
        TSolveCase{"WaveFromLength",
                   102,
                   {{2, "1"}},
                   {fnUnit("1,0000", TextId::UnitM), fnUnit("250,00", TextId::UnitMm), fnUnit("0,0033", TextId::UnitUs),
                    fnUnit("300,00", TextId::UnitMHz)},
                   {0, 0, 0, 0},
                   {3, 4}},
        TSolveCase{"WaveFromPeriod",
                   102,
                   {{3, "0,002"}},
                   {fnUnit("600,00", TextId::UnitKm), fnUnit("150,00", TextId::UnitKm),
                    fnUnit("2,0000", TextId::UnitMs), fnUnit("500,00", TextId::UnitHz)},
                   {0, 0, 0, 0},
                   {2, 4}},
        TSolveCase{"WaveFromFrequency",
                   102,
                   {{4, "50"}},
                   {fnUnit("6000,0", TextId::UnitKm), fnUnit("1500,0", TextId::UnitKm),
                    fnUnit("20,000", TextId::UnitMs), fnUnit("50,000", TextId::UnitHz)},
                   {0, 0, 0, 0},
                   {2, 3}},
        // Resistors: 1 kOhm twice, the other six at "0", take no part in the parallel value.
        TSolveCase{"ResistorsSeriesParallel",
                   201,
                   {{1, "1"}, {2, "1"}},
                   {fnUnit("2,0000", TextId::UnitKOhm), fnUnit("500,00", TextId::UnitOhm)},
                   {0, 0},
                   {}},
        TSolveCase{"InductorsSeriesParallel",
                   202,
                   {{1, "10"}, {2, "30"}},
                   {fnUnit("40,000", TextId::UnitMH), fnUnit("7,5000", TextId::UnitMH)},
                   {0, 0},
                   {}},
        // Capacitors: the sum is the parallel value, the reciprocal sum the series one.
        TSolveCase{"CapacitorsParallelSeries",
                   203,
                   {{1, "1"}, {2, "1"}},
                   {fnUnit("2,0000", TextId::UnitNF), fnUnit("500,00", TextId::UnitPF)},
                   {0, 0},
                   {}},
        TSolveCase{"GroupNegativeTakesNoPart",
                   201,
                   {{1, "-5"}, {2, "2"}},
                   {fnUnit("2,0000", TextId::UnitKOhm), fnUnit("2,0000", TextId::UnitKOhm)},
                   {0, 0},
                   {}},
        TSolveCase{"GroupEmpty", 203, {}, {"", ""}, {0, 0}, {}},
        // 301: h = 5 m, v = 10 m/s: s = 10 sqrt(10 / 9.81) = 10.096375546923 m; m = 2 kg: E = 100 J.
        TSolveCase{"ThrowDistanceAndEnergy",
                   301,
                   {{2, "5"}, {3, "10"}, {4, "2"}},
                   {fnIs("10,096", TextId::UnitM), fnIs("100,00", TextId::UnitJ)},
                   {1, 5},
                   {}},
        TSolveCase{"ThrowHeight", 301, {{1, "10,096"}, {3, "10"}}, {fnIs("4,9996", TextId::UnitM), ""}, {2, 0}, {}},
        // A speed computed from s and h gives the energy too.
        TSolveCase{"ThrowComputedSpeedFeedsEnergy",
                   301,
                   {{1, "10"}, {2, "5"}, {5, "100"}},
                   {fnIs("9,9045", TextId::UnitMPerS), fnIs("2,0387", TextId::UnitKg)},
                   {3, 4},
                   {}},
        // Everything typed: the oldest of s, h, v and the older of m and E are the unknowns.
        TSolveCase{"ThrowOldest",
                   301,
                   {{1, "1"}, {2, "5"}, {3, "10"}, {4, "2"}, {5, "7"}},
                   {fnIs("10,096", TextId::UnitM), fnIs("140,00", TextId::UnitG)},
                   {1, 4},
                   {1, 4}},
        TSolveCase{"ThrowMassUnitsAgreeWithLabels",
                   301,
                   {{3, "10"}, {5, "100000"}},
                   {"", fnIs("2,0000", TextId::UnitT)},
                   {0, 4},
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormulasEngine, CatalogueAndIdentifiers)
{
    EXPECT_EQ(fnFormulaId(1, 0), 101);
    EXPECT_EQ(fnFormulaId(1, 2), 103);
    EXPECT_EQ(fnFormulaId(2, 1), 202);
    EXPECT_EQ(fnFormulaId(3, 0), 301);
    EXPECT_EQ(fnFormulaId(3, 1), 0);
    EXPECT_EQ(fnFormulaId(1, -1), 0);
    EXPECT_EQ(fnSectionFormulas(1).size(), 3u);
    EXPECT_EQ(fnSectionFormulas(3).at(0).nameText, 914u);
    for (int formula : {101, 102, 103, 201, 202, 203, 301})
        for (const TSlotSpec& slot : fnFormulaSlots(formula))
            if (slot.units != TUnitList::None) {
                const TUnitListInfo& list = fnUnitList(slot.units);
                EXPECT_EQ(list.texts.size(), list.multipliers.size());
                EXPECT_LT(static_cast<std::size_t>(slot.selected), list.texts.size()) << formula;
            }
    // The mass list names what the formatter shows: a mass typed under a label comes back under it.
    const TUnitListInfo& mass = fnUnitList(TUnitList::Mass);
    EXPECT_EQ(mass.texts[1], 1029u);
    EXPECT_EQ(fnFormatMass(5, 2 * mass.multipliers[2]), fnUnit("2,0000", mass.texts[2]));
}

TEST(FormulasEngine, GivenOrder)
{
    TFormulaOrder order{};
    EXPECT_EQ(fnOldestGiven(order), 0);
    prSlotTyped(order, 2);
    prSlotTyped(order, 5);
    prSlotTyped(order, 1);
    prSlotTyped(order, 5);
    EXPECT_EQ(fnOldestGiven(order), 2);
    EXPECT_EQ(fnGivenRank(order, 5), 1);
    EXPECT_EQ(fnGivenRank(order, 1), 2);
    EXPECT_EQ(fnGivenRank(order, 2), 3);
    EXPECT_EQ(fnGivenRank(order, 4), 0);
}

TEST(FormulasEngine, VelocityChoices)
{
    prSetDecimalSeparator(',');
    const struct {
        TVelocity choice;
        const char* frequency; // lambda = 1 m
    } cases[] = {{TVelocity::Radio, "300,00"}, {TVelocity::Sound, "343,00"}, {TVelocity::Own, ""}};
    for (const auto& c : cases) {
        TFormulaFields fields = fnTyped(102, {});
        const TVelocitySetting setting = fnVelocitySetting(c.choice);
        fields.text[0] = setting.text;
        fields.unit[0] = setting.unit;
        fields.text[1] = "1";
        prSlotTyped(fields.order, 2);
        const TFormulaResults r = prCalcFormula(fields);
        const std::string expected = c.choice == TVelocity::Radio   ? fnUnit(c.frequency, TextId::UnitMHz)
                                     : c.choice == TVelocity::Sound ? fnUnit(c.frequency, TextId::UnitHz)
                                                                    : "";
        EXPECT_EQ(r.label[3], expected);
    }
    EXPECT_FALSE(fnVelocitySetting(TVelocity::Radio).editable);
    EXPECT_TRUE(fnVelocitySetting(TVelocity::Own).editable);
}

// An inductance label (" = 25,330 мГн") in henries.
double fnHenries(const std::string& label)
{
    const std::size_t blank = label.rfind(' ');
    const std::string number = label.substr(3, blank - 3);
    const std::string unit = label.substr(blank + 1);
    const double scale = unit == fnGetText(TextId::UnitUH, 1) ? 1e-6 : unit == fnGetText(TextId::UnitMH, 1) ? 1e-3 : 1;
    return fnTextToFloat(number) * scale;
}

// Round trips: a solved quantity typed back in gives back the one typed before.
TEST(FormulasEngine, ResonanceAndQualityRoundTrips)
{
    prSetDecimalSeparator(',');
    for (const char* capacitance : {"1", "47", "680", "3300"}) {
        TFormulaFields fields = fnTyped(101, {{1, "1"}, {2, capacitance}}); // kHz, nF
        const double inductance = fnHenries(prCalcFormula(fields).label[0]);
        const double frequency = 1
                                 / (2 * 3.14159265358979323846
                                    * std::sqrt(inductance * fnTextToFloat(std::string(capacitance)) * 1e-9));
        EXPECT_NEAR(frequency, 1000, 1000 * 2e-4) << capacitance;
    }
    const double q = fnTextToFloat(prCalcFormula(fnTyped(103, {{2, "7"}, {3, "3"}, {4, "11"}})).label[0].substr(3));
    EXPECT_NEAR(q, 2 * 3.14159265358979323846 * 7000 * 3e-6 / 11, 1e-3);
    // Equal parts: n equal resistors in series are n R, in parallel R / n.
    TFormulaFields eight = fnTyped(201, {});
    for (auto& text : eight.text)
        text = "3";
    const TFormulaResults r = prCalcFormula(eight);
    EXPECT_EQ(r.label[0], fnUnit("24,000", TextId::UnitKOhm)); // the ninth field is not a slot of the group
    EXPECT_EQ(r.label[1], fnUnit("375,00", TextId::UnitOhm));
}

// The physics against values worked out independently: tank circuits of the
// amateur bands, a body that falls for exactly one second (h = g / 2), parts
// of standard values.
struct TPhysicsCase {
    const char* name;
    double (*value)();
    double expected;
    friend void PrintTo(const TPhysicsCase& c, std::ostream* os) { *os << c.name; }
};

class Physics : public ::testing::TestWithParam<TPhysicsCase> {};

TEST_P(Physics, MatchesTheReference)
{
    const TPhysicsCase& c = GetParam();
    const double value = c.value();
    if (c.expected == 0)
        EXPECT_EQ(value, 0.0);
    else
        EXPECT_NEAR(value, c.expected, std::abs(c.expected) * 1e-12);
}

constexpr double Ohms[] = {1000, 2200};
constexpr double Halves[] = {100, 100, 50};

INSTANTIATE_TEST_SUITE_P(
    Formulas, Physics,
    ::testing::Values(
        TPhysicsCase{"TankOf1mHAnd1uF", [] { return resonanceFrequencyHz(1e-3, 1e-6); }, 5032.921210448703},
        TPhysicsCase{"TankOf1uHAt7MHz", [] { return resonanceCapacitanceF(7e6, 1e-6); }, 5.169448145017234e-10},
        TPhysicsCase{"TankOf1uFAt1kHz", [] { return resonanceInductanceH(1e3, 1e-6); }, 0.025330295910584447},
        TPhysicsCase{"QualityOf10uHAt7MHzOver2Ohm", [] { return coilQualityFactor(7e6, 1e-5, 2); }, 219.91148575128554},
        TPhysicsCase{"QualityBackToFrequency", [] { return coilQualityFrequencyHz(219.91148575128554, 1e-5, 2); }, 7e6},
        TPhysicsCase{"QualityBackToInductance", [] { return coilQualityInductanceH(219.91148575128554, 7e6, 2); },
                     1e-5},
        TPhysicsCase{"QualityBackToResistance", [] { return coilLossResistanceOhm(219.91148575128554, 7e6, 1e-5); }, 2},
        TPhysicsCase{"FortyMetreBand", [] { return wavelengthM(3e8, 7.1e6); }, 42.25352112676056},
        TPhysicsCase{"TwentyMetreQuarterWave", [] { return quarterWavelengthM(wavelengthM(3e8, 14.2e6)); },
                     5.28169014084507},
        TPhysicsCase{"SoundOf1kHz", [] { return wavelengthM(343, 1e3); }, 0.343},
        TPhysicsCase{"OneMetreRadioWave", [] { return waveFrequencyHz(3e8, 1); }, 3e8},
        TPhysicsCase{"MainsPeriod", [] { return wavePeriodS(50); }, 0.02},
        TPhysicsCase{"MainsFromPeriod", [] { return waveFrequencyFromPeriodHz(0.02); }, 50},
        TPhysicsCase{"NoFrequencyNoWavelength", [] { return wavelengthM(3e8, 0); }, 0},
        TPhysicsCase{"NoPeriodNoFrequency", [] { return waveFrequencyFromPeriodHz(-1); }, 0},
        TPhysicsCase{"OneSecondFallGoesAsFarAsTheSpeed", [] { return throwDistanceM(9.81 / 2, 12); }, 12},
        TPhysicsCase{"OneSecondFallHeight", [] { return throwHeightM(12, 12); }, 4.905},
        TPhysicsCase{"OneSecondFallSpeed", [] { return throwSpeedMPerS(12, 4.905); }, 12},
        TPhysicsCase{"TwoKilogramsAt10MPerS", [] { return kineticEnergyJ(2, 10); }, 100},
        TPhysicsCase{"MassFrom100JAt10MPerS", [] { return massFromKineticEnergyKg(100, 10); }, 2},
        TPhysicsCase{"OneKAndTwoK2InSeries", [] { return sumOfParts(Ohms); }, 3200},
        TPhysicsCase{"OneKAndTwoK2InParallel", [] { return reciprocalSumOfParts(Ohms); }, 687.5},
        TPhysicsCase{"TwoHundredsAndFiftyInParallel", [] { return reciprocalSumOfParts(Halves); }, 25},
        TPhysicsCase{"NoPartsNoSum", [] { return sumOfParts({}); }, 0},
        TPhysicsCase{"NoPartsNoReciprocal", [] { return reciprocalSumOfParts({}); }, 0},
        // 1 / (4 pi^2 F^2 C) beyond the double range is no value.
        TPhysicsCase{"BeyondTheDoubleRange", [] { return resonanceInductanceH(1e-200, 1e-200); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The sheet: every piece on it and none over another, since each is drawn
// in its own rectangle. The formula area: no field and no icon over a
// picture of its formula or over another field or icon.
TEST(FormulasGeometry, PiecesStayApartOnTheSheet)
{
    namespace geo = geometry;
    std::vector<TRect> pieces = {geo::LcTank.piece,      geo::LcFormula.piece,      geo::WaveFormula.piece,
                                 geo::WaveResults.piece, geo::QualityFormula.piece, geo::Throw.piece,
                                 geo::Parts[0].piece,    geo::Parts[1].piece,       geo::Parts[2].piece};
    for (const TRect& icon : {geo::IconF, geo::IconC, geo::IconL, geo::IconV, geo::IconLambda, geo::IconT, geo::IconQ,
                              geo::IconR, geo::IconS, geo::IconH, geo::IconM, geo::IconE})
        pieces.push_back(icon);
    for (const auto& icons : geo::PartIcons)
        pieces.insert(pieces.end(), icons.begin(), icons.end());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const TRect& p = pieces[i];
        EXPECT_TRUE(p.Left >= 0 && p.Top >= 0 && p.Right <= geo::SheetWidth && p.Bottom <= geo::SheetHeight)
            << "piece " << i;
        for (std::size_t j = i + 1; j < pieces.size(); ++j)
            EXPECT_FALSE(fnOverlap(p, pieces[j])) << "pieces " << i << " and " << j;
    }
}

TEST(FormulasGeometry, FieldsStayOffThePictures)
{
    namespace geo = geometry;
    struct TArea {
        const char* formula;
        std::vector<geo::TPicture> pictures;
        std::span<const TPoint> fields;
    };
    const TArea areas[] = {
        {"101", {geo::LcTank, geo::LcFormula}, geo::ResonanceFields},
        {"102", {geo::WaveResults, geo::WaveFormula}, geo::WaveFields},
        {"103", {geo::QualityFormula}, geo::QualityFields},
        {"201", {geo::Parts[0]}, geo::PartFields},
        {"202", {geo::Parts[1]}, geo::PartFields},
        {"203", {geo::Parts[2]}, geo::PartFields},
        {"301", {geo::Throw}, geo::ThrowFields},
    };
    for (const TArea& area : areas) {
        std::vector<TRect> taken;
        for (const geo::TPicture& picture : area.pictures)
            taken.push_back(fnRectAt(picture.place, fnWidth(picture.piece), fnHeight(picture.piece)));
        for (const TPoint& field : area.fields) {
            const TRect placed[] = {fnRectAt(field, geo::FieldWidth, geo::FieldHeight),
                                    fnRectAt(field + geo::IconOffset, geo::IconWidth, geo::IconHeight)};
            for (const TRect& rect : placed) {
                for (const TRect& other : taken)
                    EXPECT_FALSE(fnOverlap(rect, other)) << area.formula << ": field at " << field.X << ", " << field.Y;
                taken.push_back(rect);
            }
        }
    }
}

} // namespace

namespace {

using namespace formulas;

// With a series chosen, every computed resistor, inductor and capacitor is the
// series' nearest member, its exact value kept for the tooltip; frequencies,
// lengths and the like stay exact.
TEST(FormulasEngine, StandardSeriesRoundsOnlyParts)
{
    prSetDecimalSeparator(',');
    const auto unit = [](const char* number, std::uint32_t id) { return std::string(number) + " " + fnGetText(id, 1); };
    TFormulaFields parts;
    parts.formula = FormulaId::Resistors;
    parts.text = {"1000", "2200", "", "", "", "", "", "", ""};
    parts.unit.fill(0);
    parts.series = TESeries::E12;
    TFormulaResults r = prCalcFormula(parts);
    EXPECT_EQ(r.label[0], unit("3,3000", TextId::UnitKOhm)); // 3,2 kOhm in series
    EXPECT_EQ(r.exact[0], unit("3,2000", TextId::UnitKOhm));
    EXPECT_NEAR(r.deviationPercent[0], 3.125, 1e-9);
    EXPECT_EQ(r.label[1], unit("680,00", TextId::UnitOhm)); // 687,5 Ohm in parallel
    EXPECT_EQ(r.exact[1], unit("687,50", TextId::UnitOhm));
    parts.series.reset();
    r = prCalcFormula(parts);
    EXPECT_EQ(r.label[0], unit("3,2000", TextId::UnitKOhm));
    EXPECT_EQ(r.exact[0], "");

    // LC resonance: C for 1 uH at 7 MHz is 516,94 pF, E24 510 pF; the frequency solved stays exact.
    TFormulaFields lc;
    lc.formula = FormulaId::Resonance;
    lc.text = {"7", "0", "1", "", "", "", "", "", ""};
    lc.unit = {2, 0, 0, 0, 0, 0, 0, 0, 0}; // MHz, pF, uH
    lc.order = {1, 3, 0, 0, 0, 0, 0, 0, 0};
    lc.series = TESeries::E24;
    r = prCalcFormula(lc);
    EXPECT_EQ(r.label[0], " = " + unit("510,00", TextId::UnitPF));
    EXPECT_EQ(r.exact[0], unit("516,94", TextId::UnitPF));
    lc.text = {"0", "510", "1", "", "", "", "", "", ""};
    lc.order = {2, 3, 0, 0, 0, 0, 0, 0, 0};
    r = prCalcFormula(lc);
    EXPECT_EQ(r.exact[0], ""); // a frequency is no part
    EXPECT_EQ(r.label[0], " = " + unit("7,0475", TextId::UnitMHz));
}

} // namespace
