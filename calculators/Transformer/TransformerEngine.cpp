#include "calculators/Transformer/TransformerEngine.h"

#include "calculators/Transformer/TransformerPhysics.h"
#include "common/core/Numbers.h"
#include "text/TextIds.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace transformer {

namespace {

// Thickness of the laminations or tape (mm) and the stacking factor Kc it gives.
constexpr TThicknessEntry LamThickness[] = {
    {"0.1", 0.72},
    {"0.2", 0.87},
    {"0.35", 0.92},
};
constexpr TThicknessEntry TapeThickness[] = {
    {"0.08", 0.87},
    {"0.15", 0.9},
    {"0.2", 0.91},
    {"0.35", 0.93},
};
constexpr TThicknessEntry ToroidThickness[] = {
    {"0.08", 0.85}, {"0.1", 0.85}, {"0.15", 0.88}, {"0.2", 0.88}, {"0.35", 0.88},
};

// Electrical inputs as the page opens.
constexpr double DefaultVpV = 220;
constexpr double DefaultFHz = 50;
constexpr double DefaultKPD = 0.95;
constexpr double DefaultBiT = 1.2;
constexpr double DefaultJAmm2 = 4.2;
constexpr double DefaultKc = 0.72;
constexpr double DefaultKw = 0.28;

double fnValue(const TTransEdit& edit) { return fnTextToFloat(edit.text); }

// Results are shown with three significant digits. A value that does not fit a
// double (only absurd pasted inputs get there) is shown as 0,00, never inf/nan.
std::string fnResultText(double value)
{
    double shown = value;
    if (!std::isfinite(shown))
        shown = 0;
    return fnFloatToText(3, shown);
}

// An input cell rewritten as a number shows what a further run would show
// again: 9,996 rounds to 10,00, which reads back as 10 and shows as 10,0, so
// it is written as 10,0 at once and a second run changes nothing.
std::string fnSteadyText(double value) { return fnResultText(fnTextToFloat(fnResultText(value))); }

bool fnCheckPositive(TTransEdit& edit)
{
    if (fnValue(edit) > 0)
        return true;
    prShowEditErr(edit);
    return false;
}

// Sc and Sw are computed, so only an exact 0 (nothing computed) fails.
bool fnCheckNonZero(TTransEdit& edit)
{
    if (fnValue(edit) != 0)
        return true;
    prShowEditErr(edit);
    return false;
}

// A ring needs its inner diameter below the outer one; both are marked otherwise.
bool fnCheckRing(TTransformerFields& f)
{
    if (fnValue(f.editDminMm) < fnValue(f.editDmaxMm))
        return true;
    prShowEditErr(f.editDmaxMm);
    prShowEditErr(f.editDminMm);
    return false;
}

std::string& fnCell(TTransformerFields& f, int col, int row) { return f.grid[row][col]; }

void prZeroRowResults(TTransformerFields& f, int row)
{
    for (int col = TransColTurns; col <= TransColWireDiameterMm; ++col)
        fnCell(f, col, row) = fnResultText(0);
}

// Wire section S = I / J and diameter from the section as shown.
void prCalcWire(TTransformerFields& f, int row, double current, double densityJ)
{
    fnCell(f, TransColWireSectionMm2, row) = fnResultText(fnWireSectionMm2(current, densityJ));
    const double section = fnGetStrGrNumber(f, TransColWireSectionMm2, row);
    fnCell(f, TransColWireDiameterMm, row) = fnResultText(fnWireDiameterMm(section));
}

// Turns and wires of every winding, once the core carries the load.
void prCalcWindings(TTransformerFields& f, double ptr)
{
    const int primary = TransPrimaryRow;
    fnCell(f, TransColVoltV, primary) = f.editVpV.text;
    fnCell(f, TransColTurns, primary) = fnResultText(fnPrimaryTurns(
        fnValue(f.editVpV), fnValue(f.editFHz), fnValue(f.editBiT), fnValue(f.editKc), fnValue(f.editScCm2)));

    const double turnsN1 = fnGetStrGrNumber(f, TransColTurns, primary);
    const double voltV1 = fnGetStrGrNumber(f, TransColVoltV, primary);
    const double densityJ = fnValue(f.editJAmm2);

    bool anySecondary = false;
    for (int row = TransFirstSecondaryRow; row < TransGridRows; ++row) {
        const double volt = fnGetStrGrNumber(f, TransColVoltV, row);
        const double current = fnGetStrGrNumber(f, TransColCurrentA, row);
        // V1 and J divide here; a winding is only worked out when both are usable.
        if (volt > 0 && current > 0 && voltV1 > 0 && densityJ > 0) {
            fnCell(f, TransColTurns, row) = fnResultText(fnSecondaryTurns(turnsN1, volt, voltV1));
            prCalcWire(f, row, current, densityJ);
            anySecondary = true;
        } else {
            prZeroRowResults(f, row);
        }
    }

    const double kpd = fnValue(f.editKPD);
    if (ptr > 0 && voltV1 > 0 && kpd > 0 && densityJ > 0) {
        fnCell(f, TransColCurrentA, primary) = fnResultText(fnPrimaryCurrentA(ptr, voltV1, kpd));
        prCalcWire(f, primary, fnGetStrGrNumber(f, TransColCurrentA, primary), densityJ);
    } else {
        // No primary current to show: clear it too, or the last design's current
        // would stay beside a zero load. N1 stays while secondaries were wound
        // from it (a load too small to show as Ptr).
        fnCell(f, TransColCurrentA, primary) = fnResultText(0);
        if (!anySecondary)
            fnCell(f, TransColTurns, primary) = fnResultText(0);
        fnCell(f, TransColWireSectionMm2, primary) = fnResultText(0);
        fnCell(f, TransColWireDiameterMm, primary) = fnResultText(0);
    }
}

} // namespace

TTransEdit& fnTransEdit(TTransformerFields& f, TTransField field)
{
    switch (field) {
    case TTransField::A: return f.editAMm;
    case TTransField::H: return f.editHMm;
    case TTransField::B: return f.editBMm;
    case TTransField::C: return f.editCMm;
    case TTransField::Dmax: return f.editDmaxMm;
    case TTransField::Dmin: return f.editDminMm;
    case TTransField::Sc: return f.editScCm2;
    case TTransField::Sw: return f.editSwCm2;
    case TTransField::Pmax: return f.editPmaxVA;
    case TTransField::Ptr: return f.editPtrVA;
    case TTransField::Vp: return f.editVpV;
    case TTransField::F: return f.editFHz;
    case TTransField::KPD: return f.editKPD;
    case TTransField::Bi: return f.editBiT;
    case TTransField::J: return f.editJAmm2;
    case TTransField::Kc: return f.editKc;
    case TTransField::Kw: return f.editKw;
    }
    return f.editAMm;
}

const TTransEdit& fnTransEdit(const TTransformerFields& f, TTransField field)
{
    return fnTransEdit(const_cast<TTransformerFields&>(f), field);
}

std::span<const TThicknessEntry> fnThicknessList(TTransCoreKind kind)
{
    if (fnIsToroid(kind))
        return ToroidThickness;
    return fnIsLaminated(kind) ? std::span<const TThicknessEntry>(LamThickness)
                               : std::span<const TThicknessEntry>(TapeThickness);
}

std::string fnGeneralToText(double value)
{
    if (!std::isfinite(value) || value == 0)
        return "0";
    // Fifteen significant digits, trailing zeros dropped; scientific only for
    // very small or very large values ("1E-5", "1E15"). to_chars ignores the C
    // locale, so the separator is always ours.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    // Right below the largest double, fifteen digits round up past it and
    // the text would read back as no number at all: write those few values
    // with the shortest digits that read back exactly.
    double readBack = 0;
    if (std::from_chars(buffer, result.ptr, readBack).ec != std::errc())
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general);
    std::string text(buffer, result.ptr);
    std::string exponent;
    if (const auto e = text.find('e'); e != std::string::npos) {
        exponent = std::to_string(std::atoi(text.c_str() + e + 1));
        exponent.insert(exponent.begin(), 'E');
        text.erase(e);
    }
    for (char& c : text)
        if (c == '.')
            c = fnGetDecimalSeparator();
    return text + exponent;
}

void prShowEditErr(TTransEdit& edit)
{
    edit.bad = true;
    edit.text = fnGeneralToText(fnValue(edit));
}

void prClearEditErr(TTransEdit& edit) { edit.bad = false; }

bool fnTestZeroInput(TTransformerFields& f, std::string_view group)
{
    // Every check of the group runs, so every bad field gets its mark.
    bool ok = true;
    const bool toroid = fnIsToroid(f.kind);
    if (group == "Sc") {
        ok &= fnCheckPositive(f.editHMm);
        if (toroid) {
            ok &= fnCheckPositive(f.editDmaxMm);
            ok &= fnCheckPositive(f.editDminMm);
            ok &= fnCheckRing(f);
        } else {
            ok &= fnCheckPositive(f.editAMm);
        }
    } else if (group == "Sw") {
        if (toroid) {
            ok &= fnCheckPositive(f.editDminMm);
            // No window area for a ring that is not one.
            ok &= fnCheckRing(f);
        } else {
            ok &= fnCheckPositive(f.editBMm);
            ok &= fnCheckPositive(f.editCMm);
        }
    } else if (group == "Pmax") {
        ok &= fnCheckPositive(f.editFHz);
        ok &= fnCheckPositive(f.editBiT);
        ok &= fnCheckPositive(f.editKc);
        ok &= fnCheckNonZero(f.editScCm2);
        ok &= fnCheckPositive(f.editKPD);
        ok &= fnCheckPositive(f.editJAmm2);
        ok &= fnCheckPositive(f.editKw);
        ok &= fnCheckNonZero(f.editSwCm2);
    } else if (group == "Wr") {
        ok &= fnCheckPositive(f.editVpV);
        ok &= fnCheckPositive(f.editFHz);
        ok &= fnCheckPositive(f.editBiT);
        ok &= fnCheckPositive(f.editKc);
        ok &= fnCheckNonZero(f.editScCm2);
    }
    return ok;
}

double fnGetStrGrNumber(const TTransformerFields& f, int col, int row)
{
    if (row < 0 || row >= TransGridRows || col < 0 || col >= TransGridCols)
        return 0;
    const double value = fnTextToFloat(f.grid[row][col]);
    return value > 0 ? value : 0;
}

void prCalcScSw(TTransformerFields& f)
{
    for (TTransEdit* edit :
         {&f.editAMm, &f.editHMm, &f.editBMm, &f.editCMm, &f.editDmaxMm, &f.editDminMm, &f.editScCm2, &f.editSwCm2})
        prClearEditErr(*edit);

    const bool toroid = fnIsToroid(f.kind);
    double sc = 0;
    if (fnTestZeroInput(f, "Sc")) {
        sc = toroid ? fnRingSectionCm2(fnValue(f.editHMm), fnValue(f.editDmaxMm), fnValue(f.editDminMm))
                    : fnCoreSectionCm2(fnValue(f.editAMm), fnValue(f.editHMm));
    }
    double sw = 0;
    if (fnTestZeroInput(f, "Sw")) {
        sw = toroid ? fnRingWindowAreaCm2(fnValue(f.editDminMm))
                    : fnWindowAreaCm2(fnValue(f.editCMm), fnValue(f.editBMm));
    }
    f.editScCm2.text = fnResultText(sc);
    f.editSwCm2.text = fnResultText(sw);
}

void prCalcPMax(TTransformerFields& f)
{
    double pmax = 0;
    if (fnTestZeroInput(f, "Pmax")) {
        pmax = fnCorePowerVA(fnValue(f.editKPD), fnValue(f.editFHz), fnValue(f.editKc), fnValue(f.editKw),
                             fnValue(f.editJAmm2), fnValue(f.editBiT), fnValue(f.editScCm2), fnValue(f.editSwCm2));
    }
    f.editPmaxVA.text = fnResultText(pmax);
}

void prCalcPtr(TTransformerFields& f)
{
    // The secondaries as they will be shown, and the load they make.
    std::array<TWindingLoad, TransGridRows - TransFirstSecondaryRow> loads{};
    for (int row = TransFirstSecondaryRow; row < TransGridRows; ++row) {
        fnCell(f, TransColVoltV, row) = fnSteadyText(fnGetStrGrNumber(f, TransColVoltV, row));
        fnCell(f, TransColCurrentA, row) = fnSteadyText(fnGetStrGrNumber(f, TransColCurrentA, row));
        loads[static_cast<std::size_t>(row - TransFirstSecondaryRow)] = {fnGetStrGrNumber(f, TransColVoltV, row),
                                                                         fnGetStrGrNumber(f, TransColCurrentA, row)};
    }
    prClearEditErr(f.editPtrVA);
    f.editPtrVA.text = fnResultText(fnLoadPowerVA(loads));
}

void prZeroWire(TTransformerFields& f)
{
    const std::string zero = fnResultText(0);
    fnCell(f, TransColVoltV, TransPrimaryRow) = zero;
    fnCell(f, TransColCurrentA, TransPrimaryRow) = zero;
    for (int row = TransPrimaryRow; row < TransGridRows; ++row)
        for (int col = TransColTurns; col <= TransColWireDiameterMm; ++col)
            fnCell(f, col, row) = zero;
}

void prZeroVA(TTransformerFields& f)
{
    const std::string zero = fnResultText(0);
    for (int row = TransFirstSecondaryRow; row < TransGridRows; ++row) {
        fnCell(f, TransColVoltV, row) = zero;
        fnCell(f, TransColCurrentA, row) = zero;
    }
}

void prGetComboText(TTransformerFields& f, int thicknessIndex)
{
    const auto list = fnThicknessList(f.kind);
    if (thicknessIndex < 0 || thicknessIndex >= static_cast<int>(list.size()))
        return;
    // A value the program sets is a good value: no mark left on it.
    prClearEditErr(f.editKc);
    f.editKc.text = fnGeneralToText(list[static_cast<std::size_t>(thicknessIndex)].kc);
}

void prInitDataTrans(TTransformerFields& f)
{
    prZeroWire(f);
    prZeroVA(f);
    const std::pair<TTransEdit*, double> defaults[] = {
        {&f.editVpV, DefaultVpV},     {&f.editFHz, DefaultFHz}, {&f.editKPD, DefaultKPD}, {&f.editBiT, DefaultBiT},
        {&f.editJAmm2, DefaultJAmm2}, {&f.editKc, DefaultKc},   {&f.editKw, DefaultKw},
    };
    for (const auto& [edit, value] : defaults) {
        prClearEditErr(*edit);
        edit->text = fnGeneralToText(value);
    }
}

std::uint32_t fnTransStatusId(const TTransformerFields& f)
{
    const double sc = fnValue(f.editScCm2);
    const double sw = fnValue(f.editSwCm2);
    const double pmax = fnValue(f.editPmaxVA);
    const double ptr = fnValue(f.editPtrVA);
    if (ptr > 0 && pmax >= ptr) {
        // Complete only when the windings were worked out: without a primary
        // voltage they all read 0,00 although the core carries the load.
        return fnGetStrGrNumber(f, TransColTurns, TransPrimaryRow) > 0 ? TextId::StatusTransDone
                                                                       : TextId::StatusTransIncomplete;
    }
    if (pmax > 0 && pmax < ptr)
        return TextId::StatusTransCoreTooSmall;
    if (pmax > 0 && ptr <= 0)
        return TextId::StatusTransCorePower; // core power known, no load given
    const bool core = sc > 0 && sw > 0;
    if (pmax <= 0 && core)
        return TextId::StatusTransIncomplete; // core known, electrical data missing
    if (pmax <= 0 && !core && ptr > 0)
        return TextId::StatusTransNoCore;
    return TextId::StatusTransOpened; // nothing given yet, as the page opens
}

std::uint32_t prCalcOnPage(TTransformerFields& f)
{
    prCalcScSw(f);
    prCalcPMax(f);
    prCalcPtr(f);
    if (!fnTestZeroInput(f, "Wr"))
        prZeroWire(f);

    const double ptr = fnValue(f.editPtrVA);
    const double pmax = fnValue(f.editPmaxVA);
    const bool coreCarriesLoad = pmax >= ptr;
    if (!coreCarriesLoad) {
        prShowEditErr(f.editPtrVA);
        prZeroWire(f);
    }
    if (fnTestZeroInput(f, "Wr") && coreCarriesLoad)
        prCalcWindings(f, ptr);
    return fnTransStatusId(f);
}

} // namespace transformer
