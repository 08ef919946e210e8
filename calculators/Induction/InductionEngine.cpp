#include "calculators/Induction/InductionEngine.h"

#include "calculators/Induction/InductionPhysics.h"
#include "calculators/Induction/ToroidCores.h"
#include "common/core/Numbers.h"
#include "text/Quantities.h"
#include "text/TextIds.h"

#include <utility>

namespace induction {

namespace {

// Each kind's fields and results by name: views into a record, which the
// functions below map from the page's numbering once. muTyped: the
// permeability field is the one being typed in.
struct TSingleLayerFields {
    TFieldText& inductance; // in the unit of its selector
    TFieldText& turns;
    TFieldText& mu;
    TFieldText& lengthMm;
    TFieldText& wireMm;
    TFieldText& formerMm;
    bool muTyped;
    TResultText& inductanceShown;
    TResultText& turnsShown;
};
struct TMultiLayerFields {
    TFieldText& inductance;
    TFieldText& turns;
    TFieldText& mu;
    TFieldText& lengthMm;
    TFieldText& wireMm;
    TFieldText& outerMm;
    TFieldText& innerMm;
    TFieldText& buildMm;
    TFieldText& meanMm;
    bool muTyped;
    TResultText& inductanceShown;
    TResultText& turnsShown;
};
struct TFlatSpiralFields {
    TFieldText& turns;
    TFieldText& outerMm;
    TFieldText& innerMm;
    TFieldText& meanMm;
    TFieldText& widthMm;
    TFieldText& trackMm;
    TFieldText& gapMm;
    std::span<TResultText, 4> outlinesShown; // TSpiralOutline order
};
struct TConductorFields {
    TFieldText& lengthMm;
    TFieldText& wireMm;   // a bar's one side
    TFieldText& heightMm; // a bar's other side
    TResultText& roundShown;
    TResultText& overPlaneShown;
    TResultText& barShown;
};
struct TToroidFields {
    TFieldText& turns;
    TFieldText& mu;
    TFieldText& wireMm;
    TFieldText& outerMm;
    TFieldText& innerMm;
    TFieldText& heightMm;
    bool muTyped;
    TResultText& inductanceShown;
};

constexpr double MicroToHenry = 1e-6;

// A field as a number; empty or unreadable text is 0. "Given" means > 0.
double fnRead(const TFieldText& field) { return fnTextToFloat(field); }

// A field written by the run ("0" for none, "1" for air).
void prWrite(TFieldText& field, std::string text) { field = std::move(text); }

// A linked value is written as the page shows it (digits 3) and read back so.
void prWriteValue(TFieldText& field, long double value)
{
    prWrite(field, fnFloatToText(3, static_cast<double>(value)));
}

// An inductance in microhenries as its result label shows it.
std::string fnInductanceText(int digits, long double microhenries)
{
    return fnFormatInductance(digits, static_cast<double>(microhenries * MicroToHenry));
}

// Solved turns as their result label shows them; "0" for none.
std::string fnTurnsText(long double turns)
{
    return turns > 0 ? fnFloatToText(3, static_cast<double>(turns)) : std::string("0");
}

// A core below 1 (or none typed) is air: 1, and the field says so unless the
// user is typing in it right now.
double fnPermeability(TFieldText& field, bool typing)
{
    const double mu = fnRead(field);
    if (mu >= 1)
        return mu;
    if (!typing)
        prWrite(field, "1");
    return 1;
}

// The typed inductance in microhenries (the selector may say millihenries).
long double fnTypedMicrohenries(const TFieldText& field, bool inMilli)
{
    const long double typed = fnRead(field);
    return inMilli ? typed * 1000 : typed;
}

// Flat spiral: track and gap as equal shares of the winding width; "0" below half a turn.
void prWriteEqualShare(const TFlatSpiralFields& flat, long double widthMm, double turns)
{
    if (!flatSharesWidth(turns)) {
        prWrite(flat.trackMm, "0");
        prWrite(flat.gapMm, "0");
        return;
    }
    prWriteValue(flat.trackMm, flatEqualShareMm(widthMm, turns));
    prWriteValue(flat.gapMm, flatEqualShareMm(widthMm, turns));
}

} // namespace

// ---- the page's numbering, mapped once per kind

namespace {

TSingleLayerFields fnSingleLayerFields(TInductionFields& fields)
{
    using namespace IndEdit;
    auto& edit = fields.editInd;
    auto& result = fields.labelResInd;
    return {edit[OneL],
            edit[OneN],
            edit[OneMu],
            edit[OneLen],
            edit[OneWire],
            edit[OneD0],
            fields.focusedEdit == OneMu,
            result[IndResult::OneL],
            result[IndResult::OneN]};
}

TMultiLayerFields fnMultiLayerFields(TInductionFields& fields)
{
    using namespace IndEdit;
    auto& edit = fields.editInd;
    auto& result = fields.labelResInd;
    return {edit[ManyL],
            edit[ManyN],
            edit[ManyMu],
            edit[ManyLen],
            edit[ManyWire],
            edit[ManyDo],
            edit[ManyDi],
            edit[ManyC],
            edit[ManyD],
            fields.focusedEdit == ManyMu,
            result[IndResult::ManyL],
            result[IndResult::ManyN]};
}

TFlatSpiralFields fnFlatSpiralFields(TInductionFields& fields)
{
    using namespace IndEdit;
    auto& edit = fields.editInd;
    return {edit[FlatN],   edit[FlatDo],
            edit[FlatDi],  edit[FlatDm],
            edit[FlatW],   edit[FlatTrack],
            edit[FlatGap], std::span(fields.labelResInd).subspan<IndResult::FlatSquare, SpiralOutlineCount>()};
}

TConductorFields fnConductorFields(TInductionFields& fields)
{
    using namespace IndEdit;
    auto& result = fields.labelResInd;
    return {fields.editInd[WireLen],
            fields.editInd[WireD],
            fields.editInd[WireH],
            result[IndResult::WireRound],
            result[IndResult::WireOverPlane],
            result[IndResult::WireBar]};
}

TToroidFields fnToroidFields(TInductionFields& fields)
{
    using namespace IndEdit;
    auto& edit = fields.editInd;
    return {edit[TorN],
            edit[TorMu],
            edit[TorWire],
            edit[TorDo],
            edit[TorDi],
            edit[TorH],
            fields.focusedEdit == TorMu,
            fields.labelResInd[IndResult::Tor]};
}

} // namespace

// ---- the kinds

void prCalcOneSloi(TInductionFields& fields, std::uint32_t& status)
{
    const TSingleLayerFields coil = fnSingleLayerFields(fields);
    const double mu = fnPermeability(coil.mu, coil.muTyped);
    const double lengthMm = fnRead(coil.lengthMm);
    const double wireMm = fnRead(coil.wireMm);
    const double formerMm = fnRead(coil.formerMm);
    const bool geometry = lengthMm > 0 && singleLayerTurnDiameterMm(formerMm, wireMm) > 0;

    if (fields.fromN) {
        const double turns = fnRead(coil.turns);
        long double inductanceUh = 0;
        if (!geometry)
            status = turns > 0 ? TextId::StatusSingleNoSize : TextId::StatusSingleNoSizeNoN;
        else if (!(turns > 0))
            status = TextId::StatusSolenoidNoN;
        else {
            inductanceUh = singleLayerInductanceUh(turns, mu, formerMm, wireMm, lengthMm);
            if (inductanceUh > 0) {
                status = singleLayerTooLong(turns, wireMm, lengthMm) ? TextId::StatusSingleTurnsDoNotFit
                                                                     : TextId::StatusCoilDone;
                fields.solved = {turns, static_cast<double>(inductanceUh), mu};
            }
        }
        coil.inductanceShown = inductanceUh > 0 ? fnInductanceText(3, inductanceUh) : std::string("0");
    } else {
        const long double inductanceUh = fnTypedMicrohenries(coil.inductance, fields.oneLInMilli);
        long double turns = 0;
        if (!geometry)
            status = inductanceUh > 0 ? TextId::StatusSingleNoSize : TextId::StatusSingleNoSizeNoL;
        else if (!(inductanceUh > 0))
            status = TextId::StatusSolenoidNoL;
        else {
            turns = singleLayerTurns(inductanceUh, mu, formerMm, wireMm, lengthMm);
            if (turns > 0) {
                status = singleLayerTooLong(turns, wireMm, lengthMm) ? TextId::StatusSingleTurnsDoNotFit
                                                                     : TextId::StatusCoilDone;
                fields.solved = {static_cast<double>(turns), static_cast<double>(inductanceUh), mu};
            }
        }
        coil.turnsShown = fnTurnsText(turns);
    }
}

void prCalcManySloi(TInductionFields& fields, std::uint32_t& status)
{
    const TMultiLayerFields coil = fnMultiLayerFields(fields);
    const double mu = fnPermeability(coil.mu, coil.muTyped);
    const double lengthMm = fnRead(coil.lengthMm);
    const double wireMm = fnRead(coil.wireMm);
    const double outerMm = fnRead(coil.outerMm);
    const double innerMm = fnRead(coil.innerMm);
    const double buildMm = fnRead(coil.buildMm);
    const double meanMm = fnRead(coil.meanMm);
    const bool geometry = lengthMm > 0 && meanMm > 0 && buildMm > 0;
    const bool usable = geometry && meanMm > buildMm;

    const double turns = fnRead(coil.turns);
    const long double inductanceUh = fnTypedMicrohenries(coil.inductance, fields.manyLInMilli);
    // What the direction solves from: the turns, or the inductance.
    const long double given = fields.fromN ? turns : inductanceUh;
    if (!geometry)
        status = given > 0 ? TextId::StatusMultiNoSize
                           : (fields.fromN ? TextId::StatusMultiNoSizeNoN : TextId::StatusMultiNoSizeNoL);
    else if (!(given > 0))
        status = fields.fromN ? TextId::StatusSolenoidNoN : TextId::StatusSolenoidNoL;
    if (meanMm > 0 && buildMm > 0 && meanMm <= buildMm)
        status = TextId::StatusMeanNotAboveBuild;
    if (!(buildMm > 0) && !(meanMm > 0) && innerMm > 0 && outerMm <= innerMm)
        status = TextId::StatusOuterNotAboveInner;

    const auto fitStatus = [&](long double n) {
        return multiLayerOverfull(n, wireMm, lengthMm, buildMm) ? TextId::StatusMultiTurnsDoNotFit
                                                                : TextId::StatusCoilDone;
    };
    if (fields.fromN) {
        long double solvedUh = 0;
        if (usable && turns > 0) {
            solvedUh = multiLayerInductanceUh(turns, mu, meanMm, lengthMm, buildMm);
            if (solvedUh > 0) {
                status = fitStatus(turns);
                fields.solved = {turns, static_cast<double>(solvedUh), mu};
            }
        }
        coil.inductanceShown = solvedUh > 0 ? fnInductanceText(3, solvedUh) : std::string("0");
    } else {
        long double solvedTurns = 0;
        if (usable && inductanceUh > 0) {
            solvedTurns = multiLayerTurns(inductanceUh, mu, meanMm, lengthMm, buildMm);
            if (solvedTurns > 0) {
                status = fitStatus(solvedTurns);
                fields.solved = {static_cast<double>(solvedTurns), static_cast<double>(inductanceUh), mu};
            }
        }
        coil.turnsShown = fnTurnsText(solvedTurns);
    }
}

void prCalcPloski(TInductionFields& fields, std::uint32_t& status)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double outerMm = fnRead(flat.outerMm);
    const double innerMm = fnRead(flat.innerMm);
    const double meanMm = fnRead(flat.meanMm);
    const double widthMm = fnRead(flat.widthMm);

    status = TextId::StatusFlatHint;
    if (outerMm > 0 && outerMm <= innerMm)
        status = TextId::StatusOuterNotAboveInner;
    if (!(outerMm > 0) && meanMm > 0 && meanMm <= widthMm)
        status = TextId::StatusMeanNotAboveBuild;

    const bool usable = turns > 0 && outerMm > 0 && innerMm > 0 && outerMm > innerMm;
    for (int k = 0; k < SpiralOutlineCount; ++k) {
        const auto outline = static_cast<TSpiralOutline>(k);
        const long double inductanceUh = usable ? flatSpiralInductanceUh(outline, turns, outerMm, innerMm) : 0;
        flat.outlinesShown[static_cast<std::size_t>(k)] = usable ? fnInductanceText(3, inductanceUh) : std::string("0");
        fields.solved.spiralUh[static_cast<std::size_t>(k)] = static_cast<double>(inductanceUh);
    }
    fields.solved.turns = usable ? turns : 0;
    if (usable)
        status = TextId::StatusCoilDone;
}

void prCalcProvod(TInductionFields& fields, std::uint32_t& status)
{
    const TConductorFields wire = fnConductorFields(fields);
    const double lengthMm = fnRead(wire.lengthMm);
    const double wireMm = fnRead(wire.wireMm);
    const double heightMm = fnRead(wire.heightMm);

    if (!(lengthMm > 0 && wireMm > 0)) {
        status = heightMm > 0 ? TextId::StatusWireNoLengthWithH : TextId::StatusWireNoLength;
        wire.roundShown = wire.overPlaneShown = wire.barShown = std::string("0");
        return;
    }
    const long double roundUh = roundWireInductanceUh(lengthMm, wireMm);
    wire.roundShown = fnInductanceText(5, roundUh);
    fields.solved.conductorUh[0] = static_cast<double>(roundUh);
    status = TextId::StatusWireDone;
    if (!(heightMm > 0)) {
        wire.overPlaneShown = wire.barShown = std::string("0");
        return;
    }
    const long double overPlaneUh = wireOverPlaneInductanceUh(lengthMm, wireMm, heightMm);
    wire.overPlaneShown = fnInductanceText(5, overPlaneUh);
    // The bar's section has the sides d and h.
    const long double barUh = rectangularBarInductanceUh(lengthMm, wireMm, heightMm);
    wire.barShown = fnInductanceText(5, barUh);
    fields.solved.conductorUh[1] = static_cast<double>(overPlaneUh);
    fields.solved.conductorUh[2] = static_cast<double>(barUh);
}

namespace {

// A toroid on a core by name: its datasheet AL already holds the core's real
// shape and material, so L = AL N^2 (or N for a wanted L) - no formula, no mu.
void prCalcNamedToroid(TInductionFields& fields, const TToroidCore& core, std::uint32_t& status)
{
    const TToroidFields tor = fnToroidFields(fields);
    tor.inductanceShown = std::string();
    if (fields.toroidFromN) {
        const double turns = fnRead(tor.turns);
        if (!(turns > 0)) {
            status = TextId::StatusToroidNoN;
            return;
        }
        const double inductanceUh = toroidCoreInductanceUh(core, turns);
        tor.inductanceShown = fnInductanceText(5, inductanceUh);
        if (inductanceUh > 0) {
            status = TextId::StatusCoilDone;
            fields.solved.turns = turns;
            fields.solved.inductanceUh = inductanceUh;
        }
        return;
    }
    const double wantedUh = fnRead(fields.toroidLUh);
    const double turns = toroidCoreTurns(core, wantedUh);
    if (!(turns > 0)) {
        status = TextId::StatusToroidCoreNoL;
        return;
    }
    status = TextId::StatusCoilDone;
    fields.solved.turns = turns;
    fields.solved.inductanceUh = wantedUh;
}

} // namespace

const TToroidCore* fnChosenCore(const TInductionFields& fields)
{
    const auto cores = fnToroidCores();
    return fields.toroidCore >= 1 && fields.toroidCore <= static_cast<int>(cores.size())
               ? &cores[static_cast<std::size_t>(fields.toroidCore - 1)]
               : nullptr;
}

void prCalcCoilTor(TInductionFields& fields, std::uint32_t& status)
{
    if (const TToroidCore* core = fnChosenCore(fields)) {
        prCalcNamedToroid(fields, *core, status);
        return;
    }
    const TToroidFields tor = fnToroidFields(fields);
    const double turns = fnRead(tor.turns);
    const double mu = fnPermeability(tor.mu, tor.muTyped);
    const double wireMm = fnRead(tor.wireMm);
    const double outerMm = fnRead(tor.outerMm);
    const double innerMm = fnRead(tor.innerMm);
    const double heightMm = fnRead(tor.heightMm);
    const bool core = outerMm > 0 && innerMm > 0 && heightMm > 0;

    if (!core)
        status = turns > 0 ? TextId::StatusToroidNoCore : TextId::StatusToroidNoCoreNoN;
    else if (!(turns > 0))
        status = TextId::StatusToroidNoN;
    else if (outerMm <= innerMm)
        status = TextId::StatusToroidDoNotAboveDi;

    if (core && turns > 0 && outerMm > innerMm) {
        const long double inductanceH = toroidInductanceH(turns, mu, wireMm, outerMm, innerMm, heightMm);
        tor.inductanceShown = fnFormatInductance(5, static_cast<double>(inductanceH));
        if (inductanceH > 0) {
            status = TextId::StatusCoilDone;
            fields.solved = {turns, static_cast<double>(inductanceH / MicroToHenry), mu};
        }
    } else {
        tor.inductanceShown = std::string("0");
    }
}

std::uint32_t prCalcInduction(TInductionFields& fields)
{
    fields.solved = {};
    std::uint32_t status = TextId::StatusCoilNoKind;
    switch (fields.kind) {
    case TCoilKind::OneSloi: prCalcOneSloi(fields, status); break;
    case TCoilKind::ManySloi: prCalcManySloi(fields, status); break;
    case TCoilKind::Ploski: prCalcPloski(fields, status); break;
    case TCoilKind::Provod: prCalcProvod(fields, status); break;
    case TCoilKind::Tor: prCalcCoilTor(fields, status); break;
    }
    return status;
}

// ---- linked geometry

void prCalcManySloiDc(TInductionFields& fields)
{
    const TMultiLayerFields coil = fnMultiLayerFields(fields);
    const double outerMm = fnRead(coil.outerMm);
    const double innerMm = fnRead(coil.innerMm);
    prWrite(coil.meanMm, "0");
    prWrite(coil.buildMm, "0");
    if (outerMm > 0 && innerMm > 0 && outerMm > innerMm) {
        prWriteValue(coil.meanMm, windingMeanDiameterMm(outerMm, innerMm));
        prWriteValue(coil.buildMm, windingBuildMm(outerMm, innerMm));
    }
}

void prCalcManySloiDoDi(TInductionFields& fields)
{
    const TMultiLayerFields coil = fnMultiLayerFields(fields);
    const double meanMm = fnRead(coil.meanMm);
    const double buildMm = fnRead(coil.buildMm);
    prWrite(coil.outerMm, "0");
    prWrite(coil.innerMm, "0");
    if (meanMm > 0 && buildMm > 0 && meanMm > buildMm) {
        prWriteValue(coil.outerMm, windingOuterDiameterMm(meanMm, buildMm));
        prWriteValue(coil.innerMm, windingInnerDiameterMm(meanMm, buildMm));
    }
}

void prCalcPloskiStep(TInductionFields& fields)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double outerMm = fnRead(flat.outerMm);
    const double innerMm = fnRead(flat.innerMm);
    if (!(turns > 0)) {
        prWrite(flat.trackMm, "0");
        prWrite(flat.gapMm, "0");
        return;
    }
    // Unusable diameters leave track and gap as they are.
    if (outerMm > 0 && innerMm > 0 && outerMm > innerMm)
        prWriteEqualShare(flat, windingBuildMm(outerMm, innerMm), turns);
}

void prCalcPloskiFromOuter(TInductionFields& fields)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double outerMm = fnRead(flat.outerMm);
    const double innerMm = fnRead(flat.innerMm);
    for (TFieldText* field : {&flat.meanMm, &flat.widthMm, &flat.trackMm, &flat.gapMm})
        prWrite(*field, "0");
    if (outerMm > 0 && innerMm > 0 && outerMm > innerMm) {
        const long double widthMm = windingBuildMm(outerMm, innerMm);
        prWriteValue(flat.meanMm, windingMeanDiameterMm(outerMm, innerMm));
        prWriteValue(flat.widthMm, widthMm);
        if (turns > 0)
            prWriteEqualShare(flat, widthMm, turns);
    }
}

void prCalcPloskiFromMean(TInductionFields& fields)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double meanMm = fnRead(flat.meanMm);
    const double widthMm = fnRead(flat.widthMm);
    for (TFieldText* field : {&flat.outerMm, &flat.innerMm, &flat.trackMm, &flat.gapMm})
        prWrite(*field, "0");
    if (meanMm > 0 && widthMm > 0 && meanMm > widthMm) {
        prWriteValue(flat.outerMm, windingOuterDiameterMm(meanMm, widthMm));
        prWriteValue(flat.innerMm, windingInnerDiameterMm(meanMm, widthMm));
        if (turns > 0)
            prWriteEqualShare(flat, widthMm, turns);
    }
}

void prCalcPloskiGap(TInductionFields& fields)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double widthMm = fnRead(flat.widthMm);
    const double trackMm = fnRead(flat.trackMm);
    prWrite(flat.gapMm, "0");
    // No bounds: a track wider than W / N gives a negative gap, shown as such.
    if (turns > 1 && widthMm > 0)
        prWriteValue(flat.gapMm, flatGapMm(widthMm, turns, trackMm));
}

void prCalcPloskiTrack(TInductionFields& fields)
{
    const TFlatSpiralFields flat = fnFlatSpiralFields(fields);
    const double turns = fnRead(flat.turns);
    const double widthMm = fnRead(flat.widthMm);
    const double gapMm = fnRead(flat.gapMm);
    prWrite(flat.trackMm, "0");
    if (turns > 0 && widthMm > 0)
        prWriteValue(flat.trackMm, flatTrackMm(widthMm, turns, gapMm));
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

} // namespace induction
