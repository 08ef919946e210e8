#include "calculators/Induction/InductionExtras.h"

#include "calculators/Induction/InductionExact.h"
#include "calculators/Induction/SpiralExact.h"
#include "calculators/Induction/ToroidCores.h"
#include "common/core/Numbers.h"
#include "common/core/StandardValues.h"
#include "text/MultiLanguage.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace induction {

namespace {

constexpr double Pi = std::numbers::pi;

double fnField(const TInductionFields& fields, int edit)
{
    return fnTextToFloat(fields.editInd[static_cast<std::size_t>(edit)]);
}

std::string fnText(std::uint32_t id) { return fnGetText(id, 1); }

// "1,23 м" / "69,6 мОм": three significant digits and the unit.
std::string fnLengthText(double metres)
{
    const std::string value = fnSignificantText(metres, 3);
    return value.empty() ? value : value + " " + fnText(TextId::UnitM);
}

std::string fnResistanceText(double ohms)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return {};
    if (ohms < 1)
        return fnSignificantText(ohms * 1000, 3) + " " + fnText(TextId::UnitMilliOhm);
    if (ohms < 1000)
        return fnSignificantText(ohms, 3) + " " + fnText(TextId::UnitOhm);
    return fnSignificantText(ohms / 1000, 3) + " " + fnText(TextId::UnitKOhm);
}

// One inductance by exact physics beside the formula's: "0,74 мкГн (-1,3 %)".
std::string fnEntry(double exactUh, double formulaUh, int digits)
{
    if (!(exactUh > 0) || !(formulaUh > 0) || !std::isfinite(exactUh))
        return {};
    const std::string shown = fnFormatInductance(digits, exactUh * 1e-6);
    if (shown.empty())
        return {};
    std::string entry = fnFillText(fnText(TextId::CoilExactEntry),
                                   {shown, fnSignedText((exactUh / formulaUh - 1) * 100, 1)});
    // An entry stays on one line where the label wraps: no-break spaces (0xA0 in Windows-1251).
    for (char& c : entry)
        if (c == ' ')
            c = '\xA0';
    return entry;
}

// "точно: " and the entries, in the order of the view's results.
std::string fnExactLine(const std::vector<std::string>& entries)
{
    std::string joined;
    for (const std::string& entry : entries) {
        if (entry.empty())
            continue;
        if (!joined.empty())
            joined += "; ";
        joined += entry;
    }
    return joined.empty() ? joined : fnFillText(fnText(TextId::CoilExact), {joined});
}

std::string fnExactTurns(double turns)
{
    if (!(turns > 0) || !std::isfinite(turns))
        return {};
    return fnFillText(fnText(TextId::CoilExactTurns), {fnFixedText(turns, 1)});
}

void prSolenoidWire(TCoilExtras& extras, double lengthM, double wireMm)
{
    if (!(lengthM > 0) || !(wireMm > 0))
        return;
    extras.wireLength = fnLengthText(lengthM);
    extras.wireResistance = fnResistanceText(fnCopperResistanceOhm(lengthM, wireMm));
    if (extras.wireLength.empty() || extras.wireResistance.empty())
        extras.wireLength.clear(), extras.wireResistance.clear();
}

// The wire of a solenoid, mm in, m out: single-layer N sqrt((pi (D0 + d))^2 +
// (l / N)^2) - each turn a helix round the wire's centre line - and
// multi-layer N pi Dm.
double singleLayerWireLengthM(double turns, double formerMm, double wireMm, double lengthMm)
{
    if (!(turns > 0) || !(formerMm > 0) || !(wireMm > 0) || !(lengthMm >= 0))
        return 0;
    const double turnDiameterMm = static_cast<double>(singleLayerTurnDiameterMm(formerMm, wireMm));
    const double perTurn = std::hypot(Pi * turnDiameterMm, lengthMm / turns);
    const double metres = turns * perTurn / 1000;
    return std::isfinite(metres) ? metres : 0;
}

double multiLayerWireLengthM(double turns, double meanMm)
{
    if (!(turns > 0) || !(meanMm > 0))
        return 0;
    const double metres = turns * Pi * meanMm / 1000;
    return std::isfinite(metres) ? metres : 0;
}

} // namespace

TCoilExtras fnCoilExtras(const TInductionFields& fields)
{
    using namespace IndEdit;
    TCoilExtras extras;
    const TCoilSolved& solved = fields.solved;
    switch (fields.kind) {
    case TCoilKind::OneSloi: {
        if (!(solved.turns > 0))
            break;
        const double lengthMm = fnField(fields, OneLen), wireMm = fnField(fields, OneWire);
        const double formerMm = fnField(fields, OneD0);
        prSolenoidWire(extras, singleLayerWireLengthM(solved.turns, formerMm, wireMm, lengthMm), wireMm);
        extras.exact = fields.fromN ? fnExactLine(
                           {fnEntry(fnSingleLayerExactUh(solved.turns, lengthMm, wireMm, formerMm, solved.mu),
                                    solved.inductanceUh, 3)})
                                    : fnExactTurns(fnSingleLayerExactTurns(solved.inductanceUh, lengthMm, wireMm,
                                                                           formerMm, solved.mu));
        break;
    }
    case TCoilKind::ManySloi: {
        if (!(solved.turns > 0))
            break;
        const double lengthMm = fnField(fields, ManyLen), wireMm = fnField(fields, ManyWire);
        const double meanMm = fnField(fields, ManyD), buildMm = fnField(fields, ManyC);
        prSolenoidWire(extras, multiLayerWireLengthM(solved.turns, meanMm), wireMm);
        extras.exact = fields.fromN ? fnExactLine(
                           {fnEntry(fnMultiLayerExactUh(solved.turns, lengthMm, meanMm, buildMm, solved.mu),
                                    solved.inductanceUh, 3)})
                                    : fnExactTurns(fnMultiLayerExactTurns(solved.inductanceUh, lengthMm, meanMm,
                                                                          buildMm, solved.mu));
        break;
    }
    case TCoilKind::Ploski: {
        if (!(solved.turns > 0))
            break;
        std::vector<std::string> entries;
        for (int k = 0; k < SpiralOutlineCount; ++k)
            entries.push_back(fnEntry(fnSpiralExactUh(static_cast<TSpiralOutline>(k), solved.turns,
                                                      fnField(fields, FlatDo), fnField(fields, FlatDi)),
                                      solved.spiralUh[static_cast<std::size_t>(k)], 3));
        extras.exact = fnExactLine(entries);
        break;
    }
    case TCoilKind::Provod: {
        const double lengthMm = fnField(fields, WireLen), wireMm = fnField(fields, WireD);
        const double heightMm = fnField(fields, WireH);
        extras.exact = fnExactLine(
            {fnEntry(fnRoundWireExactUh(lengthMm, wireMm), solved.conductorUh[0], 5),
             fnEntry(fnWireOverPlaneExactUh(lengthMm, wireMm, heightMm), solved.conductorUh[1], 5),
             fnEntry(fnBarExactUh(lengthMm, wireMm, heightMm), solved.conductorUh[2], 5)});
        break;
    }
    case TCoilKind::Tor: {
        if (const TToroidCore* core = fnChosenCore(fields)) {
            // The datasheet's AL is the measured physics already: no exact line.
            const double al = core->alNhPerTurn2;
            extras.toroidAl = fnFillText(fnText(TextId::CoilToroidAl), {fnFixedText(al, al >= 100 ? 0 : 1)});
            if (!fields.toroidFromN && solved.turns > 0) {
                const int whole = fnWholeTurns(solved.turns);
                extras.toroidTurns = fnFixedText(solved.turns, 1);
                extras.toroidWholeTurns = fnFillText(
                    fnText(TextId::CoilToroidWholeTurns),
                    {std::to_string(whole), fnFormatInductance(3, toroidCoreInductanceUh(*core, whole) * 1e-6)});
            }
            break;
        }
        if (!(solved.turns > 0))
            break;
        const double exactH = fnToroidExactH(solved.turns, solved.mu, fnField(fields, TorWire), fnField(fields, TorDo),
                                             fnField(fields, TorDi), fnField(fields, TorH));
        extras.exact = fnExactLine({fnEntry(exactH * 1e6, solved.inductanceUh, 5)});
        break;
    }
    }
    return extras;
}

} // namespace induction
