// Core layer. The parts in the drawer: the standard value series of
// resistors, capacitors and inductors (IEC 60063 E3 ... E192), the nominal
// diameters of enamelled winding wire (IEC 60317) and the AWG gauges, and the
// resistance of copper wire.
#pragma once

#include <span>

enum class TESeries { E3, E6, E12, E24, E48, E96, E192 };

// The series' members in one decade, as hundredths (1,0 is 100, 4,7 is 470,
// 9,53 is 953), ascending.
std::span<const int> fnSeriesMembers(TESeries series);

// The member of the series (in any decade) nearest to the value by ratio:
// the smallest |log(value / member)|; an exact tie goes to the lower member.
// 0 for a value that is not a positive finite number.
double fnNearestStandard(double value, TESeries series);

// The IEC 60317 nominal diameters of round enamelled copper wire from 0,050
// to 2,500 mm (the R20 steps), ascending.
std::span<const double> fnWireDiametersMm();
// The smallest nominal diameter not below the one computed; 0 when the
// computed one is above the largest (2,500 mm) or not a positive number.
double fnStandardWireMm(double diameterMm);
// How many strands of the largest nominal diameter carry the cross-section of
// a wire of the diameter computed (for a wire above 2,500 mm); 0 for none.
int fnParallelStrands(double diameterMm);

// The diameter of an AWG gauge n (0 ... 40): 0,127 mm * 92^((36 - n) / 39).
double fnAwgDiameterMm(int gauge);
// The thinnest AWG gauge whose diameter is not below the one computed;
// -1 when even gauge 0 is thinner, or for a value that is no positive number.
int fnAwgGauge(double diameterMm);
inline constexpr int AwgThickest = 0;
inline constexpr int AwgThinnest = 40;

// Copper at 20 °C: 0,017241 Ohm mm2/m.
inline constexpr double CopperResistivityOhmMm2PerM = 0.017241;
// The DC resistance of a round copper wire at 20 °C: rho * length / (pi d^2 / 4).
double fnCopperResistanceOhm(double lengthM, double diameterMm);
