// What the coil page shows beside the formula's results: the wire to cut and
// its resistance, the inductance by exact physics with its deviation (or the
// turns it asks for), and a named toroid core's AL and whole turns.
#include "calculators/Induction/InductionExtras.h"
#include "calculators/Induction/InductionExact.h"
#include "calculators/Induction/SpiralExact.h"
#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace induction;

std::string fnUnit(const char* number, std::uint32_t unit) { return std::string(number) + " " + fnGetText(unit, 1); }
// The label's no-break spaces read as blanks.
std::string fnPlain(std::string text)
{
    for (char& c : text)
        if (c == '\xA0')
            c = ' ';
    return text;
}

TInductionFields fnRun(TCoilKind kind, bool fromN, std::vector<std::pair<int, const char*>> values)
{
    prSetDecimalSeparator(',');
    TInductionFields fields;
    fields.kind = kind;
    fields.fromN = fromN;
    fields.editInd.fill("0");
    for (const auto& [edit, text] : values)
        fields.editInd[static_cast<std::size_t>(edit)] = text;
    prCalcInduction(fields);
    return fields;
}

TEST(CoilExtras, WireToCutAndItsResistance)
{
    using namespace IndEdit;
    const struct {
        const char* name;
        TInductionFields fields;
        std::string length, resistance;
    } cases[] = {
        // 10 turns on 10,5 mm (centre line), 10 mm long: 10 sqrt((pi 10,5)^2 + 1) = 330,0 mm;
        // 0,5 mm copper: 0,017241 * 0,330 / 0,19635 = 29,0 mOhm.
        {"SingleLayer",
         fnRun(TCoilKind::OneSloi, true, {{OneN, "10"}, {OneLen, "10"}, {OneWire, "0,5"}, {OneD0, "10"}}),
         fnUnit("0,330", TextId::UnitM), fnUnit("29,0", TextId::UnitMilliOhm)},
        // 100 turns at a mean diameter of 20 mm: 6,28 m; 0,3 mm: 1,53 Ohm.
        {"MultiLayer",
         fnRun(TCoilKind::ManySloi, true,
               {{ManyN, "100"}, {ManyLen, "10"}, {ManyWire, "0,3"}, {ManyD, "20"}, {ManyC, "5"}}),
         fnUnit("6,28", TextId::UnitM), fnUnit("1,53", TextId::UnitOhm)},
        // 2000 turns of 0,1 mm on 30 mm: 188,5 m, 414 Ohm.
        {"LongThinWire",
         fnRun(TCoilKind::OneSloi, true, {{OneN, "2000"}, {OneLen, "200"}, {OneWire, "0,1"}, {OneD0, "29,9"}}),
         fnUnit("188", TextId::UnitM), fnUnit("414", TextId::UnitOhm)},
        // Without a wire diameter there is no wire to cut.
        {"NoWire", fnRun(TCoilKind::OneSloi, true, {{OneN, "10"}, {OneLen, "10"}, {OneD0, "10"}}), "", ""},
        // Turns from inductance: the turns as solved, not as shown.
        {"FromL",
         fnRun(TCoilKind::OneSloi, false, {{OneL, "0,74873"}, {OneLen, "10"}, {OneWire, "0,5"}, {OneD0, "10"}}),
         fnUnit("0,330", TextId::UnitM), fnUnit("29,0", TextId::UnitMilliOhm)},
        {"NothingSolved", fnRun(TCoilKind::OneSloi, true, {{OneLen, "10"}, {OneWire, "0,5"}, {OneD0, "10"}}), "", ""},
    };
    for (const auto& c : cases) {
        const TCoilExtras extras = fnCoilExtras(c.fields);
        EXPECT_EQ(extras.wireLength, c.length) << c.name;
        EXPECT_EQ(extras.wireResistance, c.resistance) << c.name;
    }
}

// Each shown inductance gets its exact value, written as the view writes its
// own, and the deviation from the formula's unrounded value.
TEST(CoilExtras, ExactValueBesideEveryShownInductance)
{
    using namespace IndEdit;
    const auto entry = [](double exactUh, double formulaUh, int digits) {
        return fnFormatInductance(digits, exactUh * 1e-6) + " (" + fnSignedText((exactUh / formulaUh - 1) * 100, 1)
               + " %)";
    };
    const std::string exactPrefix = "точно: ";
    {
        const TInductionFields f = fnRun(TCoilKind::OneSloi, true,
                                         {{OneN, "10"}, {OneLen, "10"}, {OneWire, "0,5"}, {OneD0, "10"}});
        const double exact = fnSingleLayerExactUh(10, 10, 0.5, 10, 1);
        EXPECT_EQ(fnPlain(fnCoilExtras(f).exact),
                  fnFillText(fnGetText(TextId::CoilExact, 1), {entry(exact, f.solved.inductanceUh, 3)}));
        EXPECT_LT(exact, f.solved.inductanceUh); // Wheeler reads a short coil high
    }
    {
        const TInductionFields f = fnRun(TCoilKind::ManySloi, false,
                                         {{ManyL, "160"}, {ManyLen, "10"}, {ManyD, "20"}, {ManyC, "5"}});
        const double turns = fnMultiLayerExactTurns(160, 10, 20, 5, 1);
        EXPECT_EQ(fnCoilExtras(f).exact, fnFillText(fnGetText(TextId::CoilExactTurns, 1), {fnFixedText(turns, 1)}));
        EXPECT_NEAR(turns, 100.66, 0.01); // 157,90 uH for 100 turns by exact physics
    }
    {
        const TInductionFields f = fnRun(TCoilKind::Ploski, true, {{FlatN, "10"}, {FlatDo, "30"}, {FlatDi, "10"}});
        const std::string text = fnPlain(fnCoilExtras(f).exact);
        std::string entries;
        for (int k = 0; k < 4; ++k)
            entries += (k ? "; " : "")
                       + entry(fnSpiralExactUh(static_cast<TSpiralOutline>(k), 10, 30, 10),
                               f.solved.spiralUh[static_cast<std::size_t>(k)], 3);
        EXPECT_EQ(text, fnFillText(fnGetText(TextId::CoilExact, 1), {entries}));
    }
    {
        // A straight wire without h: one entry; with h: three.
        const std::string one = fnCoilExtras(fnRun(TCoilKind::Provod, true, {{WireLen, "100"}, {WireD, "1"}})).exact;
        EXPECT_EQ(std::count(one.begin(), one.end(), '%'), 1);
        const std::string three =
            fnCoilExtras(fnRun(TCoilKind::Provod, true, {{WireLen, "100"}, {WireD, "1"}, {WireH, "10"}})).exact;
        EXPECT_EQ(std::count(three.begin(), three.end(), '%'), 3);
    }
    {
        // Do/Di = 4: the mean-diameter formula falls 13 % short of the logarithm.
        const TInductionFields f = fnRun(TCoilKind::Tor, true,
                                         {{TorN, "10"}, {TorMu, "1"}, {TorDo, "40"}, {TorDi, "10"}, {TorH, "5"}});
        EXPECT_NE(fnPlain(fnCoilExtras(f).exact).find("(+15,5 %)"), std::string::npos) << fnCoilExtras(f).exact;
    }
    // Nothing beside nothing: no turns, less than one turn, a wire thicker than its pitch.
    for (const TInductionFields& f :
         {fnRun(TCoilKind::OneSloi, true, {{OneLen, "10"}, {OneD0, "10"}}),
          fnRun(TCoilKind::OneSloi, true, {{OneN, "0,5"}, {OneLen, "10"}, {OneD0, "10"}}),
          fnRun(TCoilKind::OneSloi, true, {{OneN, "10"}, {OneLen, "10"}, {OneWire, "2"}, {OneD0, "10"}}),
          fnRun(TCoilKind::Ploski, true, {{FlatN, "0,5"}, {FlatDo, "30"}, {FlatDi, "10"}}),
          fnRun(TCoilKind::Tor, true, {{TorDo, "20"}, {TorDi, "10"}, {TorH, "5"}})})
        EXPECT_EQ(fnCoilExtras(f).exact, "") << fnCoilExtras(f).exact;
}

TEST(CoilExtras, NamedToroidCore)
{
    using namespace IndEdit;
    TInductionFields fields = fnRun(TCoilKind::Tor, true, {});
    fields.toroidCore = 2; // T-50-2, AL 4,9
    fields.editInd[TorN] = "10";
    prCalcInduction(fields);
    EXPECT_EQ(fields.labelResInd[IndResult::Tor], fnUnit("0,4900", TextId::UnitUH));
    TCoilExtras extras = fnCoilExtras(fields);
    EXPECT_EQ(extras.toroidAl, fnFillText(fnGetText(TextId::CoilToroidAl, 1), {"4,9"}));
    EXPECT_EQ(extras.exact, ""); // the datasheet's AL is the measured value already
    // No turns: AL, and no L.
    fields.editInd[TorN] = "0";
    EXPECT_EQ(prCalcInduction(fields), TextId::StatusToroidNoN);
    EXPECT_EQ(fields.labelResInd[IndResult::Tor], "");
    // The turns for 1,2 uH: 15,6, wound as 16 that give 1,25 uH.
    fields.toroidFromN = false;
    fields.toroidLUh = "1,2";
    EXPECT_EQ(prCalcInduction(fields), TextId::StatusCoilDone);
    extras = fnCoilExtras(fields);
    EXPECT_EQ(extras.toroidTurns, "15,6");
    EXPECT_EQ(extras.toroidWholeTurns,
              fnFillText(fnGetText(TextId::CoilToroidWholeTurns, 1), {"16", fnUnit("1,25", TextId::UnitUH)}));
    fields.toroidLUh = "";
    EXPECT_EQ(prCalcInduction(fields), TextId::StatusToroidCoreNoL);
    EXPECT_EQ(fnCoilExtras(fields).toroidTurns, "");
}

} // namespace
