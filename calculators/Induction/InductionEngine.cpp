#include "calculators/Induction/InductionEngine.h"

#include "common/core/Numbers.h"
#include "text/Quantities.h"

#include <cmath>

// Every formula works in millimetres and microhenries (the toroid in henries),
// from double inputs with extended-precision intermediates.

namespace {

using Real = long double;

constexpr double MicroToHenry = 1e-6;

// A field as a number; empty or unreadable text is 0. "Given" means > 0.
double fnRead(const TInductionFields& fields, int edit)
{
    return fnTextToFloat(fields.editInd[static_cast<std::size_t>(edit)]);
}

void prWrite(TInductionFields& fields, int edit, std::string text)
{
    fields.editInd[static_cast<std::size_t>(edit)] = std::move(text);
}

void prWriteValue(TInductionFields& fields, int edit, Real value)
{
    prWrite(fields, edit, fnFloatToText(3, static_cast<double>(value)));
}

std::optional<std::string>& fnResult(TInductionFields& fields, int label)
{
    return fields.labelResInd[static_cast<std::size_t>(label)];
}

// An inductance in microhenries as its result label shows it.
std::string fnInductanceText(int digits, Real microhenries)
{
    return fnFormatInductance(digits, static_cast<double>(microhenries * MicroToHenry));
}

// A core below 1 (or none typed) is air: 1, and the field says so unless the
// user is typing in it right now.
Real fnPermeability(TInductionFields& fields, int edit)
{
    const double mu = fnRead(fields, edit);
    if (mu >= 1)
        return mu;
    if (fields.focusedEdit != edit)
        prWrite(fields, edit, "1");
    return 1;
}

// The typed inductance in microhenries (the selector may say millihenries).
Real fnTypedMicrohenries(const TInductionFields& fields, int edit, bool inMilli)
{
    const Real typed = fnRead(fields, edit);
    return inMilli ? typed * 1000 : typed;
}

// Flat spiral: the winding width shared equally by N tracks and N - 1 gaps.
// Below half a turn there is no such share: the fields stay at "0".
void prWriteTrackAndGap(TInductionFields& fields, Real width, Real turns)
{
    const Real parts = 2 * turns - 1;
    if (parts > 0) {
        prWriteValue(fields, IndEdit::FlatTrack, width / parts);
        prWriteValue(fields, IndEdit::FlatGap, width / parts);
    }
}

struct TOutline {
    double c1, c2, c3, c4;  // current-sheet coefficients of the outline
    int label;
};

// Current-sheet approximation of planar spirals, one row per outline.
constexpr TOutline Outlines[] = {
    {1.27, 2.07, 0.18, 0.13, 5}, // square
    {1.09, 2.23, 0.00, 0.17, 6}, // hexagonal
    {1.07, 2.29, 0.00, 0.19, 7}, // octagonal
    {1.00, 2.46, 0.00, 0.20, 8}, // circular
};

// mu0 / 2 per millimetre, in microhenries: 2 pi 1e-4.
constexpr Real HalfMu0PerMm = 0.000628318530717958647692L;

} // namespace

void prCalcOneSloi(TInductionFields& fields, std::uint32_t& status)
{
    const Real mu = fnPermeability(fields, IndEdit::OneMu);
    const Real length = fnRead(fields, IndEdit::OneLen);
    const Real wire = fnRead(fields, IndEdit::OneWire);
    const Real former = fnRead(fields, IndEdit::OneD0);
    // The turn diameter is taken at the wire's centre.
    const Real diameter = wire > 0 && former > 0 ? former + wire : former;
    const bool geometry = length > 0 && diameter > 0;
    // Wheeler's single-layer formula; a coil shorter than its radius takes the other denominator.
    const Real denominator = diameter / 2 > length ? 4 * diameter + 11 * length : 4.5L * diameter + 10 * length;

    if (fields.fromN) {
        const Real turns = fnRead(fields, IndEdit::OneN);
        Real inductance = 0;
        if (!geometry)
            status = turns > 0 ? IndStatus::OneNoGeometry : IndStatus::OneFromNNothing;
        else if (!(turns > 0))
            status = IndStatus::SolenoidNoTurns;
        else {
            inductance = 0.01L * mu * diameter * diameter * turns * turns / denominator;
            if (inductance > 0) {
                status = IndStatus::Done;
                if (wire > 0 && turns * wire > length)
                    status = IndStatus::OneTooLong;
            }
        }
        fnResult(fields, 1) = inductance > 0 ? fnInductanceText(3, inductance) : std::string("0");
    } else {
        const Real inductance = fnTypedMicrohenries(fields, IndEdit::OneL, fields.oneLInMilli);
        Real turns = 0;
        if (!geometry)
            status = inductance > 0 ? IndStatus::OneNoGeometry : IndStatus::OneFromLNothing;
        else if (!(inductance > 0))
            status = IndStatus::SolenoidNoL;
        else {
            turns = std::sqrt(inductance * denominator / (0.01L * mu * diameter * diameter));
            if (turns > 0) {
                status = IndStatus::Done;
                if (wire > 0 && turns * wire > length)
                    status = IndStatus::OneTooLong;
            }
        }
        fnResult(fields, 2) = turns > 0 ? fnFloatToText(3, static_cast<double>(turns)) : std::string("0");
    }
}

void prCalcManySloi(TInductionFields& fields, std::uint32_t& status)
{
    const Real mu = fnPermeability(fields, IndEdit::ManyMu);
    const Real length = fnRead(fields, IndEdit::ManyLen);
    const Real wire = fnRead(fields, IndEdit::ManyWire);
    const Real outer = fnRead(fields, IndEdit::ManyDo);
    const Real inner = fnRead(fields, IndEdit::ManyDi);
    const Real build = fnRead(fields, IndEdit::ManyC);
    const Real mean = fnRead(fields, IndEdit::ManyD);
    const bool geometry = length > 0 && mean > 0 && build > 0;
    const bool usable = geometry && mean > build;
    // Wheeler's multi-layer formula in millimetres.
    const Real denominator = 3 * mean + 9 * length + 10 * build;
    // The turns of wire d need more than the winding section l x c at a fill of 0.8 (0.785 = pi/4).
    const auto overfull = [&](Real turns) { return wire > 0 && 0.8L * length * build < 0.785L * turns * wire * wire; };

    const Real given = fields.fromN ? fnRead(fields, IndEdit::ManyN)
                                    : fnTypedMicrohenries(fields, IndEdit::ManyL, fields.manyLInMilli);
    if (!geometry)
        status = given > 0 ? IndStatus::ManyNoGeometry
                           : (fields.fromN ? IndStatus::ManyFromNNothing : IndStatus::ManyFromLNothing);
    else if (!(given > 0))
        status = fields.fromN ? IndStatus::SolenoidNoTurns : IndStatus::SolenoidNoL;
    if (mean > 0 && build > 0 && mean <= build)
        status = IndStatus::MeanNotAboveBuild;
    if (!(build > 0) && !(mean > 0) && inner > 0 && outer <= inner)
        status = IndStatus::OuterNotAboveInner;

    if (fields.fromN) {
        Real inductance = 0;
        if (usable && given > 0) {
            inductance = 0.008L * mu * mean * mean * given * given / denominator;
            if (inductance > 0)
                status = overfull(given) ? IndStatus::ManyTooFull : IndStatus::Done;
        }
        fnResult(fields, 3) = inductance > 0 ? fnInductanceText(3, inductance) : std::string("0");
    } else {
        Real turns = 0;
        if (usable && given > 0) {
            turns = std::sqrt(given * denominator / (0.008L * mu * mean * mean));
            if (turns > 0)
                status = overfull(turns) ? IndStatus::ManyTooFull : IndStatus::Done;
        }
        fnResult(fields, 4) = turns > 0 ? fnFloatToText(3, static_cast<double>(turns)) : std::string("0");
    }
}

void prCalcPloski(TInductionFields& fields, std::uint32_t& status)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real outer = fnRead(fields, IndEdit::FlatDo);
    const Real inner = fnRead(fields, IndEdit::FlatDi);
    const Real mean = fnRead(fields, IndEdit::FlatDm);
    const Real width = fnRead(fields, IndEdit::FlatW);

    status = IndStatus::FlatHint;
    if (outer > 0 && outer <= inner)
        status = IndStatus::OuterNotAboveInner;
    if (!(outer > 0) && mean > 0 && mean <= width)
        status = IndStatus::MeanNotAboveBuild;

    if (turns > 0 && outer > 0 && inner > 0 && outer > inner) {
        const Real average = (outer + inner) / 2;
        const Real fill = (outer - inner) / (outer + inner);
        for (const TOutline& o : Outlines) {
            const Real inductance =
                HalfMu0PerMm * turns * turns * average * o.c1 * (std::log(o.c2 / fill) + o.c3 * fill + o.c4 * fill * fill);
            fnResult(fields, o.label) = fnInductanceText(3, inductance);
        }
        status = IndStatus::Done;
    } else {
        for (const TOutline& o : Outlines)
            fnResult(fields, o.label) = std::string("0");
    }
}

void prCalcProvod(TInductionFields& fields, std::uint32_t& status)
{
    const Real length = fnRead(fields, IndEdit::WireLen);
    const Real wire = fnRead(fields, IndEdit::WireD);
    const Real height = fnRead(fields, IndEdit::WireH);

    if (!(length > 0 && wire > 0)) {
        status = height > 0 ? IndStatus::WireNoLD : IndStatus::WireNothing;
        fnResult(fields, 9) = fnResult(fields, 10) = fnResult(fields, 11) = std::string("0");
        return;
    }
    // Round wire: 0.0002 l (ln(4l/d) - 0.75) microhenries.
    const Real round = (std::log(4 * length / wire) - 0.75L) * length / 5000;
    fnResult(fields, 9) = fnInductanceText(5, round);
    status = IndStatus::WireDone;
    if (!(height > 0)) {
        fnResult(fields, 10) = fnResult(fields, 11) = std::string("0");
        return;
    }
    // Round wire at height h over a conducting plane.
    const Real nearRoot = std::sqrt(length * length + wire * wire / 4);
    const Real farRoot = std::sqrt(length * length + 4 * height * height);
    const Real ratio = (4 * height / wire) * (length + nearRoot) / (length + farRoot);
    const Real overPlane = 0.0004606L * length * std::log10(ratio) +
                           0.0002L * (farRoot - nearRoot + length / 4 - 2 * height + wire / 2);
    fnResult(fields, 10) = fnInductanceText(5, overPlane);
    // Straight bar whose cross-section has the sides d and h.
    const Real sides = wire + height;
    const Real bar = 0.0002L * length * (std::log(2 * length / sides) + 0.5L + 0.2235L * sides / length);
    fnResult(fields, 11) = fnInductanceText(5, bar);
}

void prCalcCoilTor(TInductionFields& fields, std::uint32_t& status)
{
    const Real turns = fnRead(fields, IndEdit::TorN);
    const Real mu = fnPermeability(fields, IndEdit::TorMu);
    const Real wire = fnRead(fields, IndEdit::TorWire);
    const Real outer = fnRead(fields, IndEdit::TorDo);
    const Real inner = fnRead(fields, IndEdit::TorDi);
    const Real height = fnRead(fields, IndEdit::TorH);
    const bool core = outer > 0 && inner > 0 && height > 0;

    if (!core)
        status = turns > 0 ? IndStatus::TorNoCore : IndStatus::TorNothing;
    else if (!(turns > 0))
        status = IndStatus::TorNoTurns;
    else if (outer <= inner)
        status = IndStatus::TorDoNotAboveDi;

    if (core && turns > 0 && outer > inner) {
        const Real radial = (outer - inner) / 2;
        // The wire's thickness is added once to each side of the section it wraps.
        const Real section = wire > 0 ? (radial + wire) * (height + wire) : radial * height;
        // mu0 mu N^2 A / (pi * mean diameter), millimetre inputs, henries out.
        const Real inductance = 4e-10L * mu * turns * turns * section / ((outer + inner) / 2);
        fnResult(fields, 13) = fnFormatInductance(5, static_cast<double>(inductance));
        if (inductance > 0)
            status = IndStatus::Done;
    } else {
        fnResult(fields, 13) = std::string("0");
    }
}

std::uint32_t prCalcInduction(TInductionFields& fields)
{
    std::uint32_t status = IndStatus::NoKind;
    switch (fields.kind) {
    case TCoilKind::OneSloi: prCalcOneSloi(fields, status); break;
    case TCoilKind::ManySloi: prCalcManySloi(fields, status); break;
    case TCoilKind::Ploski: prCalcPloski(fields, status); break;
    case TCoilKind::Provod: prCalcProvod(fields, status); break;
    case TCoilKind::Tor: prCalcCoilTor(fields, status); break;
    }
    return status;
}

void prCalcManySloiDc(TInductionFields& fields)
{
    const Real outer = fnRead(fields, IndEdit::ManyDo);
    const Real inner = fnRead(fields, IndEdit::ManyDi);
    prWrite(fields, IndEdit::ManyD, "0");
    prWrite(fields, IndEdit::ManyC, "0");
    if (outer > 0 && inner > 0 && outer > inner) {
        prWriteValue(fields, IndEdit::ManyD, (outer + inner) / 2);
        prWriteValue(fields, IndEdit::ManyC, (outer - inner) / 2);
    }
}

void prCalcManySloiDoDi(TInductionFields& fields)
{
    const Real mean = fnRead(fields, IndEdit::ManyD);
    const Real build = fnRead(fields, IndEdit::ManyC);
    prWrite(fields, IndEdit::ManyDo, "0");
    prWrite(fields, IndEdit::ManyDi, "0");
    if (mean > 0 && build > 0 && mean > build) {
        prWriteValue(fields, IndEdit::ManyDo, mean + build);
        prWriteValue(fields, IndEdit::ManyDi, mean - build);
    }
}

void prCalcPloskiStep(TInductionFields& fields)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real outer = fnRead(fields, IndEdit::FlatDo);
    const Real inner = fnRead(fields, IndEdit::FlatDi);
    if (!(turns > 0)) {
        prWrite(fields, IndEdit::FlatTrack, "0");
        prWrite(fields, IndEdit::FlatGap, "0");
        return;
    }
    if (outer > 0 && inner > 0 && outer > inner) {
        if (2 * turns - 1 > 0)
            prWriteTrackAndGap(fields, (outer - inner) / 2, turns);
        else {
            prWrite(fields, IndEdit::FlatTrack, "0");
            prWrite(fields, IndEdit::FlatGap, "0");
        }
    }
}

void prCalcPloskiFromOuter(TInductionFields& fields)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real outer = fnRead(fields, IndEdit::FlatDo);
    const Real inner = fnRead(fields, IndEdit::FlatDi);
    for (int edit : {IndEdit::FlatDm, IndEdit::FlatW, IndEdit::FlatTrack, IndEdit::FlatGap})
        prWrite(fields, edit, "0");
    if (outer > 0 && inner > 0 && outer > inner) {
        const Real width = (outer - inner) / 2;
        prWriteValue(fields, IndEdit::FlatDm, (outer + inner) / 2);
        prWriteValue(fields, IndEdit::FlatW, width);
        if (turns > 0)
            prWriteTrackAndGap(fields, width, turns);
    }
}

void prCalcPloskiFromMean(TInductionFields& fields)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real mean = fnRead(fields, IndEdit::FlatDm);
    const Real width = fnRead(fields, IndEdit::FlatW);
    for (int edit : {IndEdit::FlatDo, IndEdit::FlatDi, IndEdit::FlatTrack, IndEdit::FlatGap})
        prWrite(fields, edit, "0");
    if (mean > 0 && width > 0 && mean > width) {
        prWriteValue(fields, IndEdit::FlatDo, mean + width);
        prWriteValue(fields, IndEdit::FlatDi, mean - width);
        if (turns > 0)
            prWriteTrackAndGap(fields, width, turns);
    }
}

void prCalcPloskiGap(TInductionFields& fields)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real width = fnRead(fields, IndEdit::FlatW);
    const Real track = fnRead(fields, IndEdit::FlatTrack);
    prWrite(fields, IndEdit::FlatGap, "0");
    // No bounds: a track wider than W / N gives a negative gap, shown as such.
    if (turns > 1 && width > 0)
        prWriteValue(fields, IndEdit::FlatGap, (width - turns * track) / (turns - 1));
}

void prCalcPloskiTrack(TInductionFields& fields)
{
    const Real turns = fnRead(fields, IndEdit::FlatN);
    const Real width = fnRead(fields, IndEdit::FlatW);
    const Real gap = fnRead(fields, IndEdit::FlatGap);
    prWrite(fields, IndEdit::FlatTrack, "0");
    if (turns > 0 && width > 0)
        prWriteValue(fields, IndEdit::FlatTrack, (width - (turns - 1) * gap) / turns);
}

std::uint32_t prEditChangeInd(TInductionFields& fields, int editIndex)
{
    // Only typing links fields: a text the program writes only recalculates.
    if (editIndex >= 0 && editIndex == fields.focusedEdit) {
        using namespace IndEdit;
        if (fields.kind == TCoilKind::ManySloi) {
            if (editIndex == ManyDo || editIndex == ManyDi)
                prCalcManySloiDc(fields);
            else if (editIndex == ManyC || editIndex == ManyD)
                prCalcManySloiDoDi(fields);
        } else if (fields.kind == TCoilKind::Ploski) {
            if (editIndex == FlatN)
                prCalcPloskiStep(fields);
            else if (editIndex == FlatDo || editIndex == FlatDi)
                prCalcPloskiFromOuter(fields);
            else if (editIndex == FlatDm || editIndex == FlatW)
                prCalcPloskiFromMean(fields);
            else if (editIndex == FlatTrack)
                prCalcPloskiGap(fields);
            else if (editIndex == FlatGap)
                prCalcPloskiTrack(fields);
        }
    }
    return prCalcInduction(fields);
}
