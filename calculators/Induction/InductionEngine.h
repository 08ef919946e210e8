// Coil inductance over the texts of one coil page: single-layer and
// multi-layer solenoids (inductance from turns or turns from inductance), flat
// spirals of four outlines, straight conductors and toroids, plus the linked
// geometry fields that fill each other in. Lengths are in millimetres.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

enum class TCoilKind {
    OneSloi,   // single-layer solenoid
    ManySloi,  // multi-layer coil
    Ploski,    // flat spiral
    Provod,    // straight conductor
    Tor,       // toroid
};

// The input fields of the page, by their index in its edit array.
namespace IndEdit {
inline constexpr int OneL = 0;     // inductance to convert, in the unit of its selector
inline constexpr int OneN = 1;     // turns
inline constexpr int OneMu = 2;    // relative permeability of the core
inline constexpr int OneLen = 3;   // winding length l
inline constexpr int OneWire = 4;  // wire diameter d
inline constexpr int OneD0 = 5;    // former diameter D0
inline constexpr int ManyL = 6;
inline constexpr int ManyN = 7;
inline constexpr int ManyMu = 8;
inline constexpr int ManyLen = 9;    // winding length l
inline constexpr int ManyWire = 10;  // wire diameter d
inline constexpr int ManyDo = 11;    // outer diameter of the winding
inline constexpr int ManyDi = 12;    // inner diameter of the winding
inline constexpr int ManyC = 13;     // radial thickness of the winding
inline constexpr int ManyD = 14;     // mean diameter of the winding
inline constexpr int FlatN = 15;
inline constexpr int FlatDo = 16;    // outer diameter
inline constexpr int FlatDi = 17;    // inner diameter
inline constexpr int FlatDm = 18;    // mean diameter
inline constexpr int FlatW = 19;     // radial width of the winding
inline constexpr int FlatTrack = 20; // track width w
inline constexpr int FlatGap = 21;   // gap s between neighbouring turns
inline constexpr int WireLen = 22;   // conductor length l
inline constexpr int WireD = 23;     // wire diameter; one side of a bar
inline constexpr int WireH = 24;     // height over the plane; other side of a bar
inline constexpr int TorN = 25;
inline constexpr int TorMu = 26;
inline constexpr int TorWire = 27;   // wire diameter, optional
inline constexpr int TorDo = 28;     // core outer diameter
inline constexpr int TorDi = 29;     // core inner diameter
inline constexpr int TorH = 30;      // core height
} // namespace IndEdit

inline constexpr int InductionEditCount = 35;   // 31-34 exist on the page, unused
inline constexpr int InductionResultCount = 13; // result labels 1-13

struct TInductionFields {
    TCoilKind kind = TCoilKind::OneSloi;
    bool fromN = true;         // solenoids: inductance from turns (else turns from inductance)
    bool oneLInMilli = false;  // single-layer L selector on millihenries
    bool manyLInMilli = false; // multi-layer L selector on millihenries
    int focusedEdit = -1;      // the field being typed in, -1 when none

    std::array<std::string, InductionEditCount> editInd{};  // as shown
    // labelResInd[k], k = 1..13, as the run writes them (index 0 unused);
    // a label the run leaves alone stays empty here. Windows-1251.
    std::array<std::optional<std::string>, InductionResultCount + 1> labelResInd{};
};

// The whole recalculation for the selected kind: its result labels, the "1"
// written into a permeability field below 1 (unless it is being typed in), and
// the status text id for the tab.
std::uint32_t prCalcInduction(TInductionFields& fields);

// Single kinds, each adding to the run's status id.
void prCalcOneSloi(TInductionFields& fields, std::uint32_t& status);
void prCalcManySloi(TInductionFields& fields, std::uint32_t& status);
void prCalcPloski(TInductionFields& fields, std::uint32_t& status);
void prCalcProvod(TInductionFields& fields, std::uint32_t& status);
void prCalcCoilTor(TInductionFields& fields, std::uint32_t& status);

// Linked geometry: from the fields just typed, the other way of giving the same
// geometry is written (rounded as shown, digits 3).
void prCalcManySloiDc(TInductionFields& fields);      // Do, Di -> D, c
void prCalcManySloiDoDi(TInductionFields& fields);    // D, c -> Do, Di
void prCalcPloskiStep(TInductionFields& fields);      // N -> w, s
void prCalcPloskiFromOuter(TInductionFields& fields); // Do, Di -> Dm, W, w, s
void prCalcPloskiFromMean(TInductionFields& fields);  // Dm, W -> Do, Di, w, s
void prCalcPloskiGap(TInductionFields& fields);       // w -> s
void prCalcPloskiTrack(TInductionFields& fields);     // s -> w

// What typing into a field does: the linked operation it triggers (when it has
// the focus and belongs to the selected kind), then the recalculation.
std::uint32_t prEditChangeInd(TInductionFields& fields, int editIndex);

// Status text ids.
namespace IndStatus {
inline constexpr std::uint32_t NoKind = 100;
inline constexpr std::uint32_t TorNoTurns = 748;
inline constexpr std::uint32_t TorDoNotAboveDi = 749;
inline constexpr std::uint32_t TorNoCore = 750;
inline constexpr std::uint32_t TorNothing = 751;
inline constexpr std::uint32_t WireDone = 752;
inline constexpr std::uint32_t WireNoLD = 753;
inline constexpr std::uint32_t WireNothing = 754;
inline constexpr std::uint32_t OneFromNNothing = 764;
inline constexpr std::uint32_t OneNoGeometry = 765;
inline constexpr std::uint32_t SolenoidNoTurns = 766;
inline constexpr std::uint32_t OneFromLNothing = 767;
inline constexpr std::uint32_t SolenoidNoL = 768;
inline constexpr std::uint32_t ManyFromNNothing = 769;
inline constexpr std::uint32_t OneTooLong = 770;
inline constexpr std::uint32_t ManyNoGeometry = 771;
inline constexpr std::uint32_t ManyTooFull = 772;
inline constexpr std::uint32_t ManyFromLNothing = 773;
inline constexpr std::uint32_t MeanNotAboveBuild = 774;
inline constexpr std::uint32_t OuterNotAboveInner = 775;
inline constexpr std::uint32_t FlatHint = 776;
inline constexpr std::uint32_t Done = 780;
} // namespace IndStatus
