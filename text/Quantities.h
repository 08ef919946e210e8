// Physical quantities shown scaled to a readable unit: "12,3 кГц". Each
// formatter takes the value in its base unit (Hz, F, H, Ohm, m, s, m/s, kg, J)
// and returns Windows-1251 bytes: number, blank, unit label. Non-positive
// values give "", values beyond the top unit give ">100 000 <unit>".
#pragma once

#include "text/TextIds.h"

#include <cstdint>
#include <string>

std::string fnFormatFrequency(int digits, double value);
std::string fnFormatCapacitance(int digits, double value);
std::string fnFormatInductance(int digits, double value);
std::string fnFormatResistance(int digits, double value);
std::string fnFormatLength(int digits, double value);
std::string fnFormatTime(int digits, double value);
std::string fnFormatSpeed(int digits, double value);
std::string fnFormatMass(int digits, double value);
std::string fnFormatEnergy(int digits, double value);

// Mass labels: 1028 gram, 1029 kilogram, 1030 tonne. A mass selector item
// k (0..2, labels 1028..1030) turns a typed value into kilograms with this
// factor, so that a typed and a shown mass always mean the same unit.
inline constexpr std::uint32_t kMassLabelIds[3] = {TextId::UnitG, TextId::UnitKg, TextId::UnitT};
inline constexpr double kMassSelectorToKg[3] = {1e-3, 1.0, 1e3};
