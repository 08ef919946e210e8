// The filter solver: which fields a typed one makes stale, the given order,
// every rule of every front, the worked examples, and a cross-check that every
// solved state is one filter: F = 1 / (2 pi sqrt(LC)) and R = sqrt(L / C).
#include "calculators/Filters/FilterEngine.h"

#include "support/SectionSimulation.h"

#include "common/core/Numbers.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace filters;

namespace {

using I = TFilterInput;
constexpr double Pi = 3.14159265358979323846;

// A short typing session: each step types a value (raw, in the field's unit) into one field.
struct TStep {
    I input;
    double raw;
};

// Replays typing on an order and on the fields' values, clearing as the page does.
struct TSession {
    TGivenOrder order{};
    std::array<double, 4> raw{};
    void prType(I input, double value)
    {
        const TFilterTyping typing = prTrackGiven(order, input, value);
        for (int k = 0; k < 4; ++k)
            if (typing.clear[static_cast<std::size_t>(k)])
                raw[static_cast<std::size_t>(k)] = 0;
        raw[static_cast<std::size_t>(input)] = value;
    }
    TFilterValues fnValues() const { return {raw[0], raw[1], raw[2], raw[3]}; }
};

std::vector<std::string> fnAllTexts(const TFilterSection& s)
{
    std::vector<std::string> texts{s.F};
    texts.insert(texts.end(), s.capacitors.begin(), s.capacitors.end());
    texts.insert(texts.end(), s.inductors.begin(), s.inductors.end());
    texts.insert(texts.end(), s.resistors.begin(), s.resistors.end());
    return texts;
}

TEST(FilterEngine, StaleFieldsByFront)
{
    const struct {
        int front;
        I typed;
        std::array<bool, 4> clear; // F, C, L, R
    } cases[] = {
        {FilterCode::None, I::F, {false, false, false, false}}, {FilterCode::C, I::F, {false, false, true, true}},
        {FilterCode::LR, I::F, {false, true, false, false}},    {FilterCode::F, I::F, {false, false, false, false}},
        {FilterCode::F, I::C, {false, false, true, true}},      {FilterCode::LR, I::C, {true, false, false, false}},
        {FilterCode::C, I::C, {false, false, false, false}},    {FilterCode::None, I::L, {false, false, false, true}},
        {FilterCode::F, I::L, {false, true, false, true}},      {FilterCode::C, I::L, {true, false, false, true}},
        {FilterCode::LR, I::L, {false, false, false, true}},    {FilterCode::F, I::R, {false, true, true, false}},
        {FilterCode::C, I::R, {true, false, true, false}},      {FilterCode::None, I::R, {false, false, true, false}},
    };
    for (const auto& c : cases) {
        TGivenOrder order{};
        order[0] = c.front;
        const TFilterTyping typing = prTrackGiven(order, c.typed, 1);
        EXPECT_EQ(typing.clear, c.clear) << "front " << c.front << ", typed " << static_cast<int>(c.typed);
        EXPECT_EQ(order[0], fnFilterCode(c.typed));
    }
}

TEST(FilterEngine, GivenOrderPromotesAndDropsNonPositive)
{
    TGivenOrder order{};
    prTrackGiven(order, I::F, 1);
    prTrackGiven(order, I::C, 1);
    prTrackGiven(order, I::L, 1);
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{3, 2, 1, 0}));
    prTrackGiven(order, I::F, 5); // F again: to the front, the others shift back
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{1, 3, 2, 0}));
    prTrackGiven(order, I::F, 0); // erased: F leaves the list, the previous given is the front again
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{3, 2, 0, 0}));
    prTrackGiven(order, I::R, -4); // R shares L's code: typing a negative R removes it
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{2, 0, 0, 0}));
    // A code occurs once at most.
    for (int k = 0; k < 20; ++k)
        prTrackGiven(order, k % 2 ? I::C : I::L, 1);
    EXPECT_EQ(std::count(order.begin(), order.end(), 2), 1);
    EXPECT_EQ(std::count(order.begin(), order.end(), 3), 1);
}

// Every rule of every front: which quantities count and which come out.
TEST(FilterEngine, FirstFiringRuleOfTheFront)
{
    const double f = 1000, c = 1e-6, l = 0.025330295910584444, r = 159.15494309189535;
    const struct {
        const char* name;
        int front;
        TFilterValues read;
        TFilterValues expected; // 0 where the value is as read
    } cases[] = {
        {"F1_FC", FilterCode::F, {f, c, 0, 0}, {f, c, l, r}},
        {"F1_FCwinsOverFL", FilterCode::F, {f, c, 7, 0}, {f, c, l, r}},
        {"F2_FL", FilterCode::F, {f, 0, l, 0}, {f, c, l, r}},
        {"F3_FR", FilterCode::F, {f, 0, 0, r}, {f, c, l, r}},
        {"F_none", FilterCode::F, {f, 0, 0, 0}, {f, 0, 0, 0}},
        {"C1_CF", FilterCode::C, {f, c, 0, 0}, {f, c, l, r}},
        {"C2_CL", FilterCode::C, {0, c, l, 0}, {f, c, l, r}},
        {"C3_CR", FilterCode::C, {0, c, 0, r}, {f, c, l, r}},
        {"C2winsOverC3", FilterCode::C, {0, c, l, 5}, {f, c, l, r}},
        {"LR1_FL", FilterCode::LR, {f, 0, l, 0}, {f, c, l, r}},
        {"LR1winsOverLR3", FilterCode::LR, {f, 9, l, 0}, {f, c, l, r}},
        {"LR2_FR", FilterCode::LR, {f, 0, 0, r}, {f, c, l, r}},
        {"LR3_CL", FilterCode::LR, {0, c, l, 0}, {f, c, l, r}},
        {"LR4_CR", FilterCode::LR, {0, c, 0, r}, {f, c, l, r}},
        {"NoFront", FilterCode::None, {f, c, 0, 0}, {f, c, 0, 0}},
        {"NegativeNeverGiven", FilterCode::F, {f, -c, 0, 0}, {f, -c, 0, 0}},
    };
    for (const auto& cs : cases) {
        TGivenOrder order{};
        order[0] = cs.front;
        const TFilterValues v = prSolveFilter(order, cs.read);
        EXPECT_NEAR(v.F, cs.expected.F, std::fabs(cs.expected.F) * 1e-12) << cs.name;
        EXPECT_NEAR(v.C, cs.expected.C, std::fabs(cs.expected.C) * 1e-12) << cs.name;
        EXPECT_NEAR(v.L, cs.expected.L, std::fabs(cs.expected.L) * 1e-12) << cs.name;
        EXPECT_NEAR(v.R, cs.expected.R, std::fabs(cs.expected.R) * 1e-12) << cs.name;
    }
}

// The worked examples: F, C, L and R themselves, and the section values built
// from them (low-pass: B5 = C, C2 = L, D1 = R, B1 = sqrt2 C, C4 = 2 L; high-pass:
// B4 = C / 2, C2 = L / 2, C1 = L / sqrt2).
TEST(FilterEngine, WorkedExamplesAsShown)
{
    prSetDecimalSeparator(',');
    const auto unit = [](unsigned id) {
        std::string text(1, ' ');
        return text.append(fnGetText(id, 1));
    };
    using P = TFilterPart;
    const struct {
        std::vector<TStep> steps;
        TFilterFields fields;
        std::vector<std::string> lowPass;  // F, C, L, R, sqrt2 C, 2 L
        std::vector<std::string> highPass; // C / 2, L / 2, L / sqrt2
    } cases[] = {
        // F = 1 kHz, then C = 1 uF: L = 25,3 mH, R = 159 Ohm.
        {{{I::F, 1}, {I::C, 1}},
         {{"1", "1", "", ""}, {1, 2, 0, 0}},
         {"1,0000" + unit(TextId::UnitKHz), "1,00" + unit(TextId::UnitUF), "25,3" + unit(TextId::UnitMH),
          "159" + unit(TextId::UnitOhm), "1,41" + unit(TextId::UnitUF), "50,7" + unit(TextId::UnitMH)},
         {"500" + unit(TextId::UnitNF), "12,7" + unit(TextId::UnitMH), "17,9" + unit(TextId::UnitMH)}},
        // C = 1 nF and L = 1 mH: F = 159,15 kHz, R = 1000 Ohm.
        {{{I::C, 1}, {I::L, 1}},
         {{"", "1", "1", ""}, {1, 1, 1, 0}},
         {"159,15" + unit(TextId::UnitKHz), "1,00" + unit(TextId::UnitNF), "1,00" + unit(TextId::UnitMH),
          "1,00" + unit(TextId::UnitKOhm), "1,41" + unit(TextId::UnitNF), "2,00" + unit(TextId::UnitMH)},
         {"500" + unit(TextId::UnitPF), "500" + unit(TextId::UnitUH), "707" + unit(TextId::UnitUH)}},
        // R = 1 kOhm and C = 1 uF: F = 159,15 Hz, L = 1 H. F is kept as a double before L is
        // derived from it, so L comes out a hair below 1 H, and the unit ladder (which
        // truncates) shows it as 1000 mH.
        {{{I::R, 1}, {I::C, 1}},
         {{"", "1", "", "1"}, {1, 2, 0, 1}},
         {"159,15" + unit(TextId::UnitHz), "1,00" + unit(TextId::UnitUF), "1000" + unit(TextId::UnitMH),
          "1,00" + unit(TextId::UnitKOhm), "1,41" + unit(TextId::UnitUF), "2,00" + unit(TextId::UnitH)},
         {"500" + unit(TextId::UnitNF), "500" + unit(TextId::UnitMH), "707" + unit(TextId::UnitMH)}},
        // One value alone derives nothing.
        {{{I::F, 1}},
         {{"1", "", "", ""}, {1, 2, 0, 0}},
         {"1,0000" + unit(TextId::UnitKHz), "", "", "", "", ""},
         {"", "", ""}},
    };
    for (const auto& c : cases) {
        TSession session;
        for (const TStep& step : c.steps)
            session.prType(step.input, step.raw);
        const TFilterSection low = prCalcFilter(session.order, c.fields, TFilterKind::LowPass);
        EXPECT_EQ((std::vector<std::string>{low.F, low.fnText(P::Capacitor, 5), low.fnText(P::Inductor, 2),
                                            low.fnText(P::Resistor, 1), low.fnText(P::Capacitor, 1),
                                            low.fnText(P::Inductor, 4)}),
                  c.lowPass);
        const TFilterSection high = prCalcFilter(session.order, c.fields, TFilterKind::HighPass);
        EXPECT_EQ(high.F, low.F);
        EXPECT_EQ((std::vector<std::string>{high.fnText(P::Capacitor, 4), high.fnText(P::Inductor, 2),
                                            high.fnText(P::Inductor, 1)}),
                  c.highPass);
    }
}

// Every section, simulated from the unrounded element values, has its -3 dB
// point at F: LC sections between a source and a load of R, RC sections from
// an ideal source into an open load.
TEST(FilterEngine, EverySectionCutsOffAtF)
{
    for (const double f : {10.0, 1e3, 7e6, 144e6, 2.4e9}) {
        for (const double r : {1.0, 50.0, 600.0, 1e5}) {
            const TFilterValues v{f, 1 / (2 * Pi * f * r), r / (2 * Pi * f), r};
            for (const TFilterKind kind : {TFilterKind::LowPass, TFilterKind::HighPass}) {
                const TFilterElements elements = fnSectionElements(v, kind);
                for (const TSectionLayout& section : fnSectionLayouts(kind)) {
                    std::vector<qftest::TTwoPortElement> chain;
                    bool lc = false;
                    for (int k = 0; k < section.count; ++k) {
                        const TSectionElement& e = section.elements[static_cast<std::size_t>(k)];
                        const qftest::TPart part = e.part == TFilterPart::Capacitor  ? qftest::TPart::C
                                                   : e.part == TFilterPart::Inductor ? qftest::TPart::L
                                                                                     : qftest::TPart::R;
                        lc = lc || part == qftest::TPart::L;
                        chain.push_back({part, e.shunt, elements.fnValue(e.part, e.label)});
                    }
                    const double cutoff = qftest::fnMinus3DbHz(chain, kind == TFilterKind::LowPass, lc ? r : 0,
                                                               lc ? r : 0, f);
                    EXPECT_NEAR(cutoff / f, 1.0, 1e-4)
                        << "F " << f << " R " << r << " high-pass " << (kind == TFilterKind::HighPass) << " section "
                        << static_cast<int>(section.shape);
                }
            }
        }
    }
}

// With a standard series, every element is the series' nearest member, the
// tooltips keep the exact value and its deviation, and each LC section's real
// -3 dB point is that of the rounded parts between the solved R.
TEST(FilterEngine, StandardPartsAndTheCutOffTheyGive)
{
    prSetDecimalSeparator(',');
    TGivenOrder order{};
    prTrackGiven(order, I::F, 7);
    prTrackGiven(order, I::R, 50);
    const TFilterFields fields{{"7", "", "", "50"}, {2, 0, 0, 0}};
    for (const TFilterKind kind : {TFilterKind::LowPass, TFilterKind::HighPass}) {
        for (const TESeries series : {TESeries::E6, TESeries::E12, TESeries::E24, TESeries::E96}) {
            const TFilterStandardView view = prCalcFilterStandard(order, fields, kind, series);
            const TFilterValues values = prSolveFilter(order, fnReadFilterInputs(fields));
            const TFilterElements exact = fnSectionElements(values, kind);
            const TFilterElements standard = fnStandardElements(exact, series);
            EXPECT_EQ(view.exact, prCalcFilter(order, fields, kind));
            EXPECT_EQ(view.shown.F, view.exact.F); // the cut-off is not a part
            std::size_t lc = 0;
            for (const TSectionLayout& section : fnSectionLayouts(kind)) {
                std::vector<qftest::TTwoPortElement> chain;
                for (int k = 0; k < section.count; ++k) {
                    const TSectionElement& e = section.elements[static_cast<std::size_t>(k)];
                    const double part = standard.fnValue(e.part, e.label);
                    EXPECT_EQ(part, fnNearestStandard(exact.fnValue(e.part, e.label), series));
                    const double deviation = view.deviationPercent.fnValue(e.part, e.label);
                    EXPECT_NEAR(deviation, (part / exact.fnValue(e.part, e.label) - 1) * 100, 1e-9);
                    chain.push_back({e.part == TFilterPart::Inductor    ? qftest::TPart::L
                                     : e.part == TFilterPart::Capacitor ? qftest::TPart::C
                                                                        : qftest::TPart::R,
                                     e.shunt, part});
                }
                if (section.shape > TSectionShape::LcPi)
                    continue;
                const double simulated = qftest::fnMinus3DbHz(chain, kind == TFilterKind::LowPass, values.R, values.R,
                                                              values.F);
                EXPECT_NEAR(view.lcCutoffHz[lc] / simulated, 1.0, 1e-6) << static_cast<int>(series);
                // Parts within half a step of the series: the cut-off stays near F.
                EXPECT_NEAR(view.lcCutoffHz[lc] / values.F, 1.0, series == TESeries::E6 ? 0.25 : 0.1);
                ++lc;
            }
        }
    }
    // Nothing solved: no parts, no cut-offs.
    const TFilterStandardView none = prCalcFilterStandard(TGivenOrder{}, TFilterFields{}, TFilterKind::LowPass,
                                                          TESeries::E12);
    EXPECT_EQ(none.lcCutoffHz, (std::array<double, 3>{}));
    EXPECT_EQ(none.shown.fnText(TFilterPart::Capacitor, 1), "");
}

TEST(FilterEngine, UnitsMultiplyTheFields)
{
    TFilterFields fields{{"2", "3", "4", "5"}, {2, 0, 1, 2}};
    const TFilterValues v = fnReadFilterInputs(fields);
    EXPECT_DOUBLE_EQ(v.F, 2e6);
    EXPECT_DOUBLE_EQ(v.C, 3e-12);
    EXPECT_DOUBLE_EQ(v.L, 4e-3);
    EXPECT_DOUBLE_EQ(v.R, 5e6);
    fields.text = {"", "abc", "-1", "1,2,3"};
    const TFilterValues none = fnReadFilterInputs(fields);
    EXPECT_EQ(none.F, 0);
    EXPECT_EQ(none.C, 0);
    EXPECT_EQ(none.L, -1e-3);
    EXPECT_EQ(none.R, 0);
}

// Random typing sessions: whatever was typed, every solved state is one filter,
// and nothing shown is ever "nan" or "inf".
TEST(FilterEngine, EverySolvedStateIsOneFilter)
{
    std::mt19937 random(8);
    std::uniform_int_distribution<int> field(0, 3);
    std::uniform_real_distribution<double> exponent(-12, 9);
    int solved = 0;
    for (int session = 0; session < 2000; ++session) {
        TSession s;
        for (int step = 0; step < 6; ++step) {
            const auto input = static_cast<I>(field(random));
            s.prType(input, step % 5 == 4 ? 0.0 : std::pow(10.0, exponent(random)));
            const TFilterValues v = prSolveFilter(s.order, s.fnValues());
            const TFilterSection shown = prShowFilterValues(v, step % 2 ? TFilterKind::LowPass : TFilterKind::HighPass);
            for (const std::string& text : fnAllTexts(shown)) {
                EXPECT_EQ(text.find("nan"), std::string::npos);
                EXPECT_EQ(text.find("inf"), std::string::npos);
            }
            if (v.F > 0 && v.C > 0 && v.L > 0 && v.R > 0 && s.order[0] != 0 && s.order[1] != 0) {
                ++solved;
                EXPECT_NEAR(v.F * 2 * Pi * std::sqrt(v.L * v.C), 1.0, 1e-9);
                EXPECT_NEAR(v.R / std::sqrt(v.L / v.C), 1.0, 1e-9);
            }
        }
    }
    EXPECT_GT(solved, 1000);
}

TEST(FilterEngine, ExtremeUnitsNeverOverflowIntoNonsense)
{
    // 1 GHz with 1 F, and the extremes five characters can type in any unit.
    const std::vector<TFilterFields> fields = {
        {{"1", "1", "", ""}, {3, 3, 0, 0}},         {{"9e99", "9e99", "", ""}, {3, 3, 0, 0}},
        {{"1e-99", "1e-99", "", ""}, {0, 0, 0, 0}}, {{"", "1e-99", "1e-99", ""}, {0, 0, 0, 0}},
        {{"", "9e99", "", "9e99"}, {0, 3, 0, 2}},
    };
    for (int front : {FilterCode::F, FilterCode::C, FilterCode::LR}) {
        for (const TFilterFields& f : fields) {
            TGivenOrder order{};
            order[0] = front;
            const TFilterValues v = prSolveFilter(order, fnReadFilterInputs(f));
            for (double value : {v.F, v.C, v.L, v.R})
                EXPECT_TRUE(std::isfinite(value));
            for (const TFilterKind kind : {TFilterKind::LowPass, TFilterKind::HighPass}) {
                for (const std::string& text : fnAllTexts(prShowFilterValues(v, kind))) {
                    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
                    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
                }
            }
        }
    }
}

} // namespace
