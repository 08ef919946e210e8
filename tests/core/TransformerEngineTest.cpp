// Transformer design over the page's texts: core areas, power, windings,
// the marks on bad inputs and the status text, on a comma system.
#include "calculators/Transformer/TransformerEngine.h"

#include "calculators/Transformer/TransformerGeometry.h"
#include "calculators/Transformer/TransformerPhysics.h"
#include "common/core/Numbers.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace transformer;

namespace transformer {
// Test names and failure messages show a core kind by its name.
void PrintTo(TTransCoreKind kind, std::ostream* os)
{
    static const char* const Names[TransCoreKindCount] = {"LamEI", "LentEI", "LamUI", "LentUI", "Toroid"};
    *os << Names[static_cast<int>(kind)];
}
} // namespace transformer

namespace {

using Kind = TTransCoreKind;

class TransformerEngine : public ::testing::Test {
protected:
    void SetUp() override { prSetDecimalSeparator(','); }
};

struct TSecondary {
    const char* volt;
    const char* current;
};

struct TCore {
    Kind kind;
    const char* a;
    const char* h;
    const char* b;
    const char* c;
    const char* dmax;
    const char* dmin;
};

// A page as it stands after opening, with the core and secondaries typed in.
TTransformerFields fnPage(const TCore& core, const std::vector<TSecondary>& secondaries = {})
{
    TTransformerFields f;
    f.kind = core.kind;
    prInitDataTrans(f);
    prGetComboText(f, 0);
    f.editAMm.text = core.a;
    f.editHMm.text = core.h;
    f.editBMm.text = core.b;
    f.editCMm.text = core.c;
    f.editDmaxMm.text = core.dmax;
    f.editDminMm.text = core.dmin;
    int row = TransFirstSecondaryRow;
    for (const auto& s : secondaries) {
        f.grid[row][1] = s.volt;
        f.grid[row][2] = s.current;
        ++row;
    }
    return f;
}

const TCore EI20 = {Kind::LamEI, "20", "30", "10", "30", "0", "0"};

std::vector<std::string> fnAllTexts(const TTransformerFields& f)
{
    std::vector<std::string> texts;
    for (int i = 0; i < TransFieldCount; ++i) {
        const auto& e = fnTransEdit(f, static_cast<TTransField>(i));
        texts.push_back(e.text + (e.bad ? "!" : ""));
    }
    for (const auto& row : f.grid)
        for (const auto& cell : row)
            texts.push_back(cell);
    return texts;
}

bool fnIsShownNumber(const std::string& text)
{
    std::u16string wide(text.begin(), text.end());
    return fnIsNumberText(wide);
}

// ---------------------------------------------------------------------------
// Core areas, largest power and primary turns per core kind (no load given).

struct TCoreCase {
    const char* name;
    TCore core;
    int thickness; // entry of the kind's thickness list
    const char* sc;
    const char* sw;
    const char* pmax;
    const char* n1;
};
void PrintTo(const TCoreCase& c, std::ostream* os) { *os << c.name; }

class TransformerCores : public TransformerEngine, public ::testing::WithParamInterface<TCoreCase> {};

TEST_P(TransformerCores, AreasPowerAndPrimaryTurns)
{
    const TCoreCase& c = GetParam();
    TTransformerFields f = fnPage(c.core);
    prGetComboText(f, c.thickness);
    EXPECT_EQ(prCalcOnPage(f), TextId::StatusTransCorePower);
    EXPECT_EQ(f.editScCm2.text, c.sc);
    EXPECT_EQ(f.editSwCm2.text, c.sw);
    EXPECT_EQ(f.editPmaxVA.text, c.pmax);
    EXPECT_EQ(f.editPtrVA.text, "0,00");
    // No load: the primary shows its voltage but no turns or wire.
    EXPECT_EQ(f.grid[1][1], "220");
    EXPECT_EQ(f.grid[1][3], "0,00");
    // N1 itself is visible as soon as one secondary is wound.
    f.grid[2][1] = "1";
    f.grid[2][2] = "0,1";
    prCalcOnPage(f);
    EXPECT_EQ(f.grid[1][3], c.n1);
    for (int i = 0; i < TransFieldCount; ++i)
        EXPECT_FALSE(fnTransEdit(f, static_cast<TTransField>(i)).bad) << fnTransFieldName(static_cast<TTransField>(i));
}

INSTANTIATE_TEST_SUITE_P(Kinds, TransformerCores,
                         ::testing::Values(
                             // Kc 0,72 (0.1 mm laminations): 0.022*0.95*50*0.72*0.28*4.2*1.2*6*3 = 19.11
                             TCoreCase{"LamEI_20x30_10x30", EI20, 0, "6,00", "3,00", "19,1", "1816"},
                             TCoreCase{"LamUI_25x40_20x50_Kc092",
                                       {Kind::LamUI, "25", "40", "20", "50", "0", "0"},
                                       2,
                                       "10,0",
                                       "10,0",
                                       "136",
                                       "853"},
                             TCoreCase{"TapeEI_16x20_8x24_Kc087",
                                       {Kind::LentEI, "16", "20", "8", "24", "0", "0"},
                                       0,
                                       "3,20",
                                       "1,92",
                                       "7,88",
                                       "2818"},
                             TCoreCase{"TapeUI_32x50_25x64_Kc093",
                                       {Kind::LentUI, "32", "50", "25", "64", "0", "0"},
                                       3,
                                       "16,0",
                                       "16,0",
                                       "351",
                                       "527"},
                             // Ring: Sc = 20*(60-20)/2*0.01, Sw = 20*20*3.14*0.01/4
                             TCoreCase{"Toroid_60x20x20_Kc085",
                                       {Kind::Toroid, "0", "20", "0", "0", "60", "20"},
                                       0,
                                       "4,00",
                                       "3,14",
                                       "15,7",
                                       "2307"},
                             TCoreCase{"Toroid_80x40x25_Kc088",
                                       {Kind::Toroid, "0", "25", "0", "0", "80", "40"},
                                       4,
                                       "5,00",
                                       "12,6",
                                       "81,8",
                                       "1783"},
                             // The ring ignores A, B and C; the E-I core ignores the diameters.
                             TCoreCase{"Toroid_IgnoresLimbAndWindow",
                                       {Kind::Toroid, "99", "20", "99", "99", "60", "20"},
                                       0,
                                       "4,00",
                                       "3,14",
                                       "15,7",
                                       "2307"},
                             TCoreCase{"LamEI_IgnoresDiameters",
                                       {Kind::LamEI, "20", "30", "10", "30", "5", "9"},
                                       0,
                                       "6,00",
                                       "3,00",
                                       "19,1",
                                       "1816"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Windings: secondaries in, turns and wires of every row and the primary out.

struct TRowResult {
    const char* turns;
    const char* section;
    const char* diameter;
};

struct TWindingCase {
    const char* name;
    TCore core;
    std::vector<TSecondary> secondaries;
    const char* ptr;
    bool ptrBad;
    std::vector<TRowResult> rows; // rows 2.. in order
    const char* v1;
    const char* i1;
    TRowResult primary;
    std::uint32_t status;
};
void PrintTo(const TWindingCase& c, std::ostream* os) { *os << c.name; }

class TransformerWindings : public TransformerEngine, public ::testing::WithParamInterface<TWindingCase> {};

TEST_P(TransformerWindings, TurnsAndWires)
{
    const TWindingCase& c = GetParam();
    TTransformerFields f = fnPage(c.core, c.secondaries);
    EXPECT_EQ(prCalcOnPage(f), c.status);
    EXPECT_EQ(f.editPtrVA.text, c.ptr);
    EXPECT_EQ(f.editPtrVA.bad, c.ptrBad);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        const auto& row = f.grid[TransFirstSecondaryRow + i];
        SCOPED_TRACE("secondary " + std::to_string(i + 1));
        EXPECT_EQ(row[3], c.rows[i].turns);
        EXPECT_EQ(row[4], c.rows[i].section);
        EXPECT_EQ(row[5], c.rows[i].diameter);
    }
    EXPECT_EQ(f.grid[1][1], c.v1);
    EXPECT_EQ(f.grid[1][2], c.i1);
    EXPECT_EQ(f.grid[1][3], c.primary.turns);
    EXPECT_EQ(f.grid[1][4], c.primary.section);
    EXPECT_EQ(f.grid[1][5], c.primary.diameter);

    // A second run works on the rounded texts of the first and changes nothing.
    const auto once = fnAllTexts(f);
    EXPECT_EQ(prCalcOnPage(f), c.status);
    EXPECT_EQ(fnAllTexts(f), once);
}

const TRowResult Zero = {"0,00", "0,00", "0,00"};

INSTANTIATE_TEST_SUITE_P(Loads, TransformerWindings,
                         ::testing::Values(
                             // 12 V 1 A: turns 1816*12/220, S = 1/4.2, d = sqrt(0.24)*1.128; I1 = 12/(220*0.95).
                             TWindingCase{"OneSecondary12V1A",
                                          EI20,
                                          {{"12", "1"}},
                                          "12,0",
                                          false,
                                          {{"99,1", "0,24", "0,55"}},
                                          "220",
                                          "0,06",
                                          {"1816", "0,01", "0,11"},
                                          TextId::StatusTransDone},
                             // 24 VA on a 19,1 VA core: nothing is wound, the load is marked.
                             TWindingCase{"Overload12V2A",
                                          EI20,
                                          {{"12", "2"}},
                                          "24",
                                          true,
                                          {Zero},
                                          "0,00",
                                          "0,00",
                                          Zero,
                                          TextId::StatusTransCoreTooSmall},
                             TWindingCase{"AllFiveSecondaries",
                                          EI20,
                                          {{"6", "0,2"}, {"9", "0,3"}, {"12", "0,25"}, {"15", "0,1"}, {"24", "0,1"}},
                                          "10,8",
                                          false,
                                          {{"49,5", "0,05", "0,25"},
                                           {"74,3", "0,07", "0,30"},
                                           {"99,1", "0,06", "0,28"},
                                           {"124", "0,02", "0,16"},
                                           {"198", "0,02", "0,16"}},
                                          "220",
                                          "0,05",
                                          {"1816", "0,01", "0,11"},
                                          TextId::StatusTransDone},
                             // Secondaries need not be consecutive; a row with only a voltage is not wound.
                             TWindingCase{"GapsAndHalfRows",
                                          EI20,
                                          {{"", ""}, {"12", "1"}, {"5", ""}, {"", "3"}},
                                          "12,0",
                                          false,
                                          {Zero, {"99,1", "0,24", "0,55"}, Zero, Zero, Zero},
                                          "220",
                                          "0,06",
                                          {"1816", "0,01", "0,11"},
                                          TextId::StatusTransDone},
                             TWindingCase{"NoSecondaries",
                                          EI20,
                                          {},
                                          "0,00",
                                          false,
                                          {Zero, Zero, Zero, Zero, Zero},
                                          "220",
                                          "0,00",
                                          Zero,
                                          TextId::StatusTransCorePower},
                             TWindingCase{"LamUI24V2A",
                                          {Kind::LamUI, "25", "40", "20", "50", "0", "0"},
                                          {{"24", "2"}},
                                          "48,0",
                                          false,
                                          {{"119", "0,48", "0,78"}},
                                          "220",
                                          "0,23",
                                          {"1090", "0,05", "0,25"},
                                          TextId::StatusTransDone},
                             TWindingCase{"ToroidTwoSecondaries",
                                          {Kind::Toroid, "0", "25", "0", "0", "80", "40"},
                                          {{"18", "2"}, {"6", "1"}},
                                          "42,0",
                                          false,
                                          {{"151", "0,48", "0,78"}, {"50,3", "0,24", "0,55"}},
                                          "220",
                                          "0,20",
                                          {"1846", "0,05", "0,25"},
                                          TextId::StatusTransDone},
                             // A small primary current rounds its section, and so its wire, to 0,00.
                             TWindingCase{"TapeEISmallPrimary",
                                          {Kind::LentEI, "16", "20", "8", "24", "0", "0"},
                                          {{"9", "0,5"}},
                                          "4,50",
                                          false,
                                          {{"115", "0,12", "0,39"}},
                                          "220",
                                          "0,02",
                                          {"2818", "0,00", "0,00"},
                                          TextId::StatusTransDone},
                             // Load exactly at the limit still fits.
                             TWindingCase{"LoadEqualsPmax",
                                          EI20,
                                          {{"19,1", "1"}},
                                          "19,1",
                                          false,
                                          {{"158", "0,24", "0,55"}},
                                          "220",
                                          "0,09",
                                          {"1816", "0,02", "0,16"},
                                          TextId::StatusTransDone}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Grid cells as the engine reads and rewrites them.

TEST_F(TransformerEngine, GridInputsAreRewrittenAsNumbers)
{
    const std::pair<const char*, const char*> cells[] = {
        {"", "0,00"},
        {"abc", "0,00"},
        {"-5", "0,00"},
        {"1,2,3", "0,00"},
        {" 12 ", "12,0"},
        {"0,5", "0,50"},
        {"230", "230"},
        {"1e1", "10,0"},
        {",", "0,00"},
        // Rounding up over a decade shows the decimals of the rounded value.
        {"9,996", "10,0"},
        {"99,96", "100"},
    };
    for (const auto& [typed, shown] : cells) {
        TTransformerFields f = fnPage(EI20, {{typed, typed}});
        prCalcOnPage(f);
        EXPECT_EQ(f.grid[2][1], shown) << '"' << typed << '"';
        EXPECT_EQ(f.grid[2][2], shown) << '"' << typed << '"';
    }
}

TEST_F(TransformerEngine, GridNumberReadsOnlyPositiveNumbers)
{
    TTransformerFields f;
    const std::pair<const char*, double> cells[] = {
        {"12,5", 12.5}, {"0", 0}, {"-3", 0}, {"x1", 0}, {"", 0}, {"1.5", 0},
    };
    for (const auto& [text, value] : cells) {
        f.grid[3][2] = text;
        EXPECT_DOUBLE_EQ(fnGetStrGrNumber(f, 2, 3), value) << text;
    }
    EXPECT_DOUBLE_EQ(fnGetStrGrNumber(f, 6, 0), 0);
    EXPECT_DOUBLE_EQ(fnGetStrGrNumber(f, 0, 7), 0);
}

// ---------------------------------------------------------------------------
// Status text per situation; the first matching condition wins.

struct TStatusCase {
    const char* name;
    TCore core;
    std::vector<TSecondary> secondaries;
    std::pair<TTransField, const char*> change; // one input changed from its default
    std::uint32_t status;
};
void PrintTo(const TStatusCase& c, std::ostream* os) { *os << c.name; }

class TransformerStatus : public TransformerEngine, public ::testing::WithParamInterface<TStatusCase> {};

TEST_P(TransformerStatus, ChosenText)
{
    const TStatusCase& c = GetParam();
    TTransformerFields f = fnPage(c.core, c.secondaries);
    fnTransEdit(f, c.change.first).text = c.change.second;
    EXPECT_EQ(prCalcOnPage(f), c.status);
    EXPECT_EQ(fnTransStatusId(f), c.status);
}

const TCore NoCore = {Kind::LamEI, "0", "0", "0", "0", "0", "0"};
const TCore LimbOnly = {Kind::LamEI, "20", "30", "0", "0", "0", "0"};

INSTANTIATE_TEST_SUITE_P(
    Situations, TransformerStatus,
    ::testing::Values(
        TStatusCase{"NothingGiven", NoCore, {}, {TTransField::Vp, "220"}, TextId::StatusTransOpened},
        TStatusCase{"LoadWithoutCore", NoCore, {{"12", "1"}}, {TTransField::Vp, "220"}, TextId::StatusTransNoCore},
        TStatusCase{"LoadWithHalfACore", LimbOnly, {{"12", "1"}}, {TTransField::Vp, "220"}, TextId::StatusTransNoCore},
        TStatusCase{"CoreWithoutLoad", EI20, {}, {TTransField::Vp, "220"}, TextId::StatusTransCorePower},
        TStatusCase{"CoreWithoutFrequency", EI20, {}, {TTransField::F, "0"}, TextId::StatusTransIncomplete},
        TStatusCase{"CoreWithoutDensity", EI20, {{"12", "1"}}, {TTransField::J, ""}, TextId::StatusTransIncomplete},
        TStatusCase{"Overload", EI20, {{"12", "2"}}, {TTransField::Vp, "220"}, TextId::StatusTransCoreTooSmall},
        TStatusCase{"Complete", EI20, {{"12", "1"}}, {TTransField::Vp, "220"}, TextId::StatusTransDone},
        // The core carries the load but without a primary voltage nothing is
        // wound: that is not a complete design.
        TStatusCase{
            "LoadFitsButNoPrimaryVoltage", EI20, {{"12", "1"}}, {TTransField::Vp, "0"}, TextId::StatusTransIncomplete},
        TStatusCase{"PrimaryVoltageTooSmallForOneTurn",
                    EI20,
                    {{"12", "1"}},
                    {TTransField::Vp, "1e-320"},
                    TextId::StatusTransIncomplete}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Marks on bad inputs.

struct TMarkCase {
    const char* name;
    TCore core;
    std::vector<std::pair<TTransField, const char*>> changes;
    std::vector<std::pair<TTransField, const char*>> marked; // field and the text it is rewritten to
};
void PrintTo(const TMarkCase& c, std::ostream* os) { *os << c.name; }

class TransformerMarks : public TransformerEngine, public ::testing::WithParamInterface<TMarkCase> {};

TEST_P(TransformerMarks, MarkedFieldsAndTheirTexts)
{
    const TMarkCase& c = GetParam();
    TTransformerFields f = fnPage(c.core);
    for (const auto& [field, text] : c.changes)
        fnTransEdit(f, field).text = text;
    prCalcOnPage(f);
    for (int i = 0; i < TransFieldCount; ++i) {
        const auto field = static_cast<TTransField>(i);
        const auto& edit = fnTransEdit(f, field);
        const char* expected = nullptr;
        for (const auto& [markedField, text] : c.marked)
            if (markedField == field)
                expected = text;
        EXPECT_EQ(edit.bad, expected != nullptr) << fnTransFieldName(field);
        if (expected) {
            EXPECT_EQ(edit.text, expected) << fnTransFieldName(field);
        }
    }
    const auto once = fnAllTexts(f);
    prCalcOnPage(f);
    EXPECT_EQ(fnAllTexts(f), once);
}

using F = TTransField;

INSTANTIATE_TEST_SUITE_P(
    Inputs, TransformerMarks,
    ::testing::Values(
        TMarkCase{"EmptyCore",
                  NoCore,
                  {{F::A, ""}, {F::B, "abc"}},
                  {{F::A, "0"}, {F::H, "0"}, {F::B, "0"}, {F::C, "0"}, {F::Sc, "0"}, {F::Sw, "0"}}},
        TMarkCase{"NegativeLimb", EI20, {{F::A, "-5"}}, {{F::A, "-5"}, {F::Sc, "0"}}},
        // Only the ring's own fields count for the toroid.
        TMarkCase{"ToroidInnerAboveOuter",
                  {Kind::Toroid, "0", "20", "0", "0", "30", "40"},
                  {},
                  {{F::Dmax, "30"}, {F::Dmin, "40"}, {F::Sc, "0"}, {F::Sw, "0"}}},
        TMarkCase{"ToroidEqualDiameters",
                  {Kind::Toroid, "0", "20", "0", "0", "40", "40"},
                  {},
                  {{F::Dmax, "40"}, {F::Dmin, "40"}, {F::Sc, "0"}, {F::Sw, "0"}}},
        TMarkCase{"ToroidNoDiameters",
                  {Kind::Toroid, "0", "20", "0", "0", "0", ""},
                  {},
                  {{F::Dmax, "0"}, {F::Dmin, "0"}, {F::Sc, "0"}, {F::Sw, "0"}}},
        TMarkCase{"ToroidNoHeight", {Kind::Toroid, "0", "0", "0", "0", "60", "20"}, {}, {{F::H, "0"}, {F::Sc, "0"}}},
        // A core too small to show: 0,1 mm x 0,1 mm rounds to Sc 0,00.
        TMarkCase{"SectionRoundsToZero", {Kind::LamEI, "0,1", "0,1", "10", "30", "0", "0"}, {}, {{F::Sc, "0"}}},
        TMarkCase{
            "ElectricalInputs",
            EI20,
            {{F::Vp, "0"}, {F::F, "-50"}, {F::KPD, ""}, {F::Bi, "x"}, {F::J, "0,0"}, {F::Kc, "0"}, {F::Kw, "-0,5"}},
            {{F::Vp, "0"}, {F::F, "-50"}, {F::KPD, "0"}, {F::Bi, "0"}, {F::J, "0"}, {F::Kc, "0"}, {F::Kw, "-0,5"}}},
        TMarkCase{"PrimaryVoltageOnly", EI20, {{F::Vp, ""}}, {{F::Vp, "0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// As the page opens: the first calculation runs before the defaults are written.
TEST_F(TransformerEngine, PageOpening)
{
    TTransformerFields f;
    for (auto& row : f.grid)
        for (auto& cell : row)
            cell.clear();
    prGetComboText(f, 0);
    prCalcOnPage(f);
    prInitDataTrans(f);
    const std::pair<F, const char*> expected[] = {
        {F::A, "0"},  {F::H, "0"},      {F::B, "0"},    {F::C, "0"},   {F::Sc, "0"},    {F::Sw, "0"},    {F::Vp, "220"},
        {F::F, "50"}, {F::KPD, "0,95"}, {F::Bi, "1,2"}, {F::J, "4,2"}, {F::Kc, "0,72"}, {F::Kw, "0,28"},
    };
    for (const auto& [field, text] : expected)
        EXPECT_EQ(fnTransEdit(f, field).text, text) << fnTransFieldName(field);
    for (F field : {F::A, F::H, F::B, F::C, F::Sc, F::Sw})
        EXPECT_TRUE(fnTransEdit(f, field).bad) << fnTransFieldName(field);
    for (F field : {F::Vp, F::F, F::KPD, F::Bi, F::J, F::Kc, F::Kw, F::Dmax, F::Dmin, F::Pmax, F::Ptr})
        EXPECT_FALSE(fnTransEdit(f, field).bad) << fnTransFieldName(field);
    for (int row = 1; row < TransGridRows; ++row)
        for (int col = 1; col < TransGridCols; ++col)
            EXPECT_EQ(f.grid[row][col], "0,00") << row << ',' << col;
    EXPECT_EQ(fnTransStatusId(f), TextId::StatusTransOpened);
}

// ---------------------------------------------------------------------------
// Results that must never be stale, infinite or unreadable.

TEST_F(TransformerEngine, PrimaryCurrentClearedWhenTheLoadGoes)
{
    TTransformerFields f = fnPage(EI20, {{"12", "1"}});
    prCalcOnPage(f);
    ASSERT_EQ(f.grid[1][2], "0,06");
    f.grid[2][1] = "";
    f.grid[2][2] = "";
    EXPECT_EQ(prCalcOnPage(f), TextId::StatusTransCorePower);
    EXPECT_EQ(f.grid[1][2], "0,00");
    EXPECT_EQ(f.grid[1][3], "0,00");
    // Same texts as a page that never had the load.
    TTransformerFields fresh = fnPage(EI20);
    prCalcOnPage(fresh);
    EXPECT_EQ(fnAllTexts(f), fnAllTexts(fresh));
}

TEST_F(TransformerEngine, LoadTooSmallToShowKeepsThePrimaryTurns)
{
    // 0,01 V at 0,01 A is 0,0001 VA: Ptr shows 0,00 but the winding is worked out.
    TTransformerFields f = fnPage(EI20, {{"0,01", "0,01"}});
    EXPECT_EQ(prCalcOnPage(f), TextId::StatusTransCorePower);
    EXPECT_EQ(f.editPtrVA.text, "0,00");
    EXPECT_EQ(f.grid[2][3], "0,08"); // 1816 * 0.01 / 220
    EXPECT_EQ(f.grid[1][3], "1816");
    EXPECT_EQ(f.grid[1][2], "0,00");
}

struct TOddInputCase {
    const char* name;
    TCore core;
    std::vector<TSecondary> secondaries;
    std::vector<std::pair<TTransField, const char*>> changes;
};
void PrintTo(const TOddInputCase& c, std::ostream* os) { *os << c.name; }

class TransformerOddInputs : public TransformerEngine, public ::testing::WithParamInterface<TOddInputCase> {};

TEST_P(TransformerOddInputs, EveryShownTextIsANumber)
{
    const TOddInputCase& c = GetParam();
    TTransformerFields f = fnPage(c.core, c.secondaries);
    for (const auto& [field, text] : c.changes)
        fnTransEdit(f, field).text = text;
    const std::uint32_t status = prCalcOnPage(f);
    EXPECT_GE(status, TextId::StatusTransOpened);
    EXPECT_LE(status, TextId::StatusTransDone);
    // Inputs the kind does not use keep whatever was typed; every result is a number.
    for (F field : {F::Sc, F::Sw, F::Pmax, F::Ptr}) {
        EXPECT_TRUE(fnIsShownNumber(fnTransEdit(f, field).text))
            << fnTransFieldName(field) << ": " << fnTransEdit(f, field).text;
    }
    for (int row = 1; row < TransGridRows; ++row)
        for (int col = 1; col < TransGridCols; ++col)
            EXPECT_TRUE(fnIsShownNumber(f.grid[row][col])) << row << ',' << col << ": " << f.grid[row][col];
    const auto once = fnAllTexts(f);
    EXPECT_EQ(prCalcOnPage(f), status);
    EXPECT_EQ(fnAllTexts(f), once);
}

INSTANTIATE_TEST_SUITE_P(
    Extremes, TransformerOddInputs,
    ::testing::Values(
        // No current density: the tiny load still fits the zero power, and S = I/J must not divide by 0.
        TOddInputCase{"NoCurrentDensityTinyLoad", EI20, {{"0,01", "0,01"}}, {{F::J, "0"}}},
        TOddInputCase{"NoEfficiency", EI20, {{"12", "1"}}, {{F::KPD, "0"}}},
        TOddInputCase{"HugeCore", {Kind::LamEI, "1e300", "1e300", "1e300", "1e300", "0", "0"}, {{"12", "1"}}, {}},
        TOddInputCase{"HugeLoad", EI20, {{"1e300", "1e300"}}, {}},
        TOddInputCase{"TinyFrequency", EI20, {{"12", "1"}}, {{F::F, "1e-300"}}},
        TOddInputCase{"TinyPrimaryVoltage", EI20, {{"12", "1"}}, {{F::Vp, "1e-320"}}},
        TOddInputCase{"PrimaryVoltageWithBlanks", EI20, {{"12", "1"}}, {{F::Vp, " 220 "}}},
        // 9,996 was first shown as 10,00 and then, read back as 10, as 10,0.
        TOddInputCase{"SecondaryRoundsOverTen", EI20, {{"9,996", "0,9996"}, {"999,6", "1"}}, {}},
        TOddInputCase{"AllEmpty", {Kind::Toroid, "", "", "", "", "", ""}, {{"", ""}}, {{F::Vp, ""}, {F::Kc, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Thickness lists, Kc and the general number text.

TEST_F(TransformerEngine, ThicknessListsAndKc)
{
    struct TListCase {
        Kind kind;
        std::vector<std::string> entries;
        std::vector<std::string> kc;
    };
    const TListCase lists[] = {
        {Kind::LamEI, {"0.1", "0.2", "0.35"}, {"0,72", "0,87", "0,92"}},
        {Kind::LamUI, {"0.1", "0.2", "0.35"}, {"0,72", "0,87", "0,92"}},
        {Kind::LentEI, {"0.08", "0.15", "0.2", "0.35"}, {"0,87", "0,9", "0,91", "0,93"}},
        {Kind::LentUI, {"0.08", "0.15", "0.2", "0.35"}, {"0,87", "0,9", "0,91", "0,93"}},
        {Kind::Toroid, {"0.08", "0.1", "0.15", "0.2", "0.35"}, {"0,85", "0,85", "0,88", "0,88", "0,88"}},
    };
    for (const auto& list : lists) {
        const auto entries = fnThicknessList(list.kind);
        ASSERT_EQ(entries.size(), list.entries.size());
        TTransformerFields f;
        f.kind = list.kind;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].text, list.entries[i]);
            f.editKc = {"x", true};
            prGetComboText(f, static_cast<int>(i));
            EXPECT_EQ(f.editKc.text, list.kc[i]);
            EXPECT_FALSE(f.editKc.bad);
        }
        f.editKc.text = "0,5";
        prGetComboText(f, -1);
        prGetComboText(f, static_cast<int>(entries.size()));
        EXPECT_EQ(f.editKc.text, "0,5");
    }
}

TEST_F(TransformerEngine, GeneralNumberText)
{
    const std::pair<double, const char*> values[] = {
        {0, "0"},
        {-0.0, "0"},
        {220, "220"},
        {0.95, "0,95"},
        {0.72, "0,72"},
        {-5, "-5"},
        {1e-5, "1E-5"},
        {0.0001, "0,0001"},
        {1e15, "1E15"},
        {123456789012345, "123456789012345"},
        {-1.5e-7, "-1,5E-7"},
        // Fifteen digits would round past the largest double and read back as no number.
        {1.7976931348623157e308, "1,7976931348623157E308"},
        {-1.7976931348623155e308, "-1,7976931348623155E308"},
        {4.9406564584124654e-324, "4,94065645841247E-324"},
    };
    for (const auto& [value, text] : values)
        EXPECT_EQ(fnGeneralToText(value), text) << value;
    prSetDecimalSeparator('.');
    EXPECT_EQ(fnGeneralToText(0.28), "0.28");
    EXPECT_EQ(fnFloatToText(3, 0), "0.00");
    prSetDecimalSeparator(',');
}

TEST_F(TransformerEngine, PointSystemDesign)
{
    prSetDecimalSeparator('.');
    TTransformerFields f = fnPage(EI20, {{"12", "1"}});
    EXPECT_EQ(f.editKPD.text, "0.95");
    EXPECT_EQ(prCalcOnPage(f), TextId::StatusTransDone);
    EXPECT_EQ(f.editPmaxVA.text, "19.1");
    EXPECT_EQ(f.grid[2][3], "99.1");
    EXPECT_EQ(f.grid[1][5], "0.11");
    prSetDecimalSeparator(',');
}

TEST_F(TransformerEngine, FieldNames)
{
    EXPECT_STREQ(fnTransFieldName(F::A), "editA");
    EXPECT_STREQ(fnTransFieldName(F::Dmin), "editDmin");
    EXPECT_STREQ(fnTransFieldName(F::KPD), "editKPD");
    EXPECT_STREQ(fnTransFieldName(F::Kw), "editKw");
    TTransformerFields f;
    fnTransEdit(f, F::J).text = "7";
    EXPECT_EQ(f.editJAmm2.text, "7");
}

// ---------------------------------------------------------------------------
// The physics against the textbook relations it approximates: the sine EMF
// of 2 pi / sqrt 2 per turn, pi for the ring's hole and the round wire.

struct TPhysicsCase {
    const char* name;
    double value;
    double expected;
    double tolerance; // relative
};
void PrintTo(const TPhysicsCase& c, std::ostream* os) { *os << c.name; }

class TransformerPhysics : public ::testing::TestWithParam<TPhysicsCase> {};

TEST_P(TransformerPhysics, MatchesTheRelation)
{
    const TPhysicsCase& c = GetParam();
    EXPECT_NEAR(c.value, c.expected, std::fabs(c.expected) * c.tolerance + 1e-12);
}

constexpr double Pi = std::numbers::pi;
// E = sqrt(2) pi F Bpeak Kc Sc per turn: 220 V at 50 Hz, 1.2 T, a full 10 cm2.
const double EmfPerTurnV = std::numbers::sqrt2 * Pi * 50 * 1.2 * 10e-4;

INSTANTIATE_TEST_SUITE_P(
    Relations, TransformerPhysics,
    ::testing::Values(
        TPhysicsCase{"LimbSection20x30mm", fnCoreSectionCm2(20, 30), 6, 1e-15},
        TPhysicsCase{"Window10x30mm", fnWindowAreaCm2(30, 10), 3, 1e-15},
        TPhysicsCase{"RingSection60x20x20mm", fnRingSectionCm2(20, 60, 20), 4, 1e-15},
        // pi taken as 3.14 is 0.05 % short.
        TPhysicsCase{"RingHole20mm", fnRingWindowAreaCm2(20), Pi * 10 * 10 / 100, 1e-3},
        // 5 % of the mains voltage is lost in the primary; 4.44 is 0.07 % under 2 pi / sqrt 2.
        TPhysicsCase{"PrimaryTurns220V", fnPrimaryTurns(220, 50, 1.2, 1, 10), 0.95 * 220 / EmfPerTurnV, 1e-3},
        TPhysicsCase{"PrimaryTurnsWithoutFrequency", fnPrimaryTurns(220, 0, 1.2, 1, 10), 0, 0},
        TPhysicsCase{"SecondaryKeepsTurnsPerVolt", fnSecondaryTurns(1816, 12, 220), 1816 * 12 / 220.0, 1e-15},
        TPhysicsCase{"LoadOfTwoSecondaries", fnLoadPowerVA(std::vector<TWindingLoad>{{12, 1}, {6.3, 0.5}}), 15.15,
                     1e-15},
        TPhysicsCase{"PrimaryCurrentWithLosses", fnPrimaryCurrentA(12, 220, 0.95), 12 / (220 * 0.95), 1e-15},
        TPhysicsCase{"WireSection1AAt4Amm2", fnWireSectionMm2(1, 4), 0.25, 1e-15},
        // A wire of 1 mm has pi / 4 mm2; 1.128 stands for 2 / sqrt pi.
        TPhysicsCase{"WireOf1mm", fnWireDiameterMm(Pi / 4), 1, 1e-3},
        TPhysicsCase{"WireOf0_5mm", fnWireDiameterMm(Pi / 16), 0.5, 1e-3}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The fields over each drawing: inside the sheet and clear of one another, so
// a place moved in the geometry cannot put one field over another.

class TransformerFieldPlaces : public ::testing::TestWithParam<TTransCoreKind> {};

TEST_P(TransformerFieldPlaces, InsideTheSheetAndApart)
{
    namespace geo = transformer::geometry;
    const TTransCoreKind kind = GetParam();
    std::vector<std::pair<TTransField, TRect>> shown;
    for (const auto& place : geo::CoreFieldPlaces)
        if (geo::fnCoreFieldPlace(place, kind) != geo::Hidden)
            shown.emplace_back(place.field, geo::fnCoreFieldRect(kind, place.field));
    for (const auto& place : geo::InputFieldPlaces) {
        const TRect r = geo::fnInputFieldRect(place);
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= geo::InputSheetWidth && r.Bottom <= geo::InputSheetHeight)
            << fnTransFieldName(place.field);
    }
    // Every dimension the kind computes with is shown, and every result.
    const std::vector<TTransField> needed = fnIsToroid(kind)
                                                ? std::vector<TTransField>{TTransField::H, TTransField::Dmax,
                                                                           TTransField::Dmin}
                                                : std::vector<TTransField>{TTransField::A, TTransField::H,
                                                                           TTransField::B, TTransField::C};
    EXPECT_EQ(shown.size(), needed.size() + 4);
    for (TTransField field : needed)
        EXPECT_NE(geo::fnCoreFieldRect(kind, field), TRect{}) << fnTransFieldName(field);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& [field, r] = shown[i];
        EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= geo::CoreSheetWidth && r.Bottom <= geo::CoreSheetHeight)
            << fnTransFieldName(field);
        EXPECT_EQ(fnWidth(r), fnIsResultField(field) ? geo::WideFieldWidth : geo::DimensionFieldWidth)
            << fnTransFieldName(field);
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const TRect& o = shown[j].second;
            EXPECT_TRUE(r.Right <= o.Left || o.Right <= r.Left || r.Bottom <= o.Top || o.Bottom <= r.Top)
                << fnTransFieldName(field) << " over " << fnTransFieldName(shown[j].first);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, TransformerFieldPlaces,
                         ::testing::Values(TTransCoreKind::LamEI, TTransCoreKind::LentEI, TTransCoreKind::LamUI,
                                           TTransCoreKind::LentUI, TTransCoreKind::Toroid),
                         ::testing::PrintToStringParamName());

} // namespace

namespace {

// The wire to buy for a computed diameter, and the current density each
// choice gives: J = I / (pi d^2 / 4).
TEST(TransformerWire, NominalSizeGaugeAndStrands)
{
    using namespace transformer;
    const struct {
        double computedMm, currentA;
        double iecMm, iecDensity;
        int awg;
        double awgDensity;
        int strands;
        double strandsDensity;
    } cases[] = {
        {0.78, 1, 0.800, 1.9894, 20, 1.9320, 0, 0},
        {0.55, 1, 0.560, 4.0601, 23, 3.8736, 0, 0},
        {0.05, 0.002, 0.050, 1.0186, 40, 0.3992, 0, 0},
        {3.0, 20, 0, 0, 8, 2.3908, 2, 2.0372}, // (3 / 2,5)^2 = 1,44: two strands
        {9.0, 150, 0, 0, -1, 0, 13, 2.3506},   // beyond AWG 0 as well
        {0, 1, 0, 0, -1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const TWireChoice wire = fnWireChoice(c.computedMm, c.currentA);
        EXPECT_DOUBLE_EQ(wire.iecMm, c.iecMm) << c.computedMm;
        EXPECT_NEAR(wire.iecDensityAmm2, c.iecDensity, 1e-4) << c.computedMm;
        EXPECT_EQ(wire.awg, c.awg) << c.computedMm;
        EXPECT_NEAR(wire.awgDensityAmm2, c.awgDensity, 1e-4) << c.computedMm;
        EXPECT_EQ(wire.strands, c.strands) << c.computedMm;
        EXPECT_NEAR(wire.strandsDensityAmm2, c.strandsDensity, 1e-4) << c.computedMm;
    }
}

} // namespace
