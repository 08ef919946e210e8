// Core layer. What the coil page shows beside the formula's results, from a
// run's solved values: the wire to cut for a solenoid (its length and DC
// resistance), the inductance by exact physics with its deviation from the
// formula (or, turns from inductance, the turns that exact physics asks for),
// and a named toroid core's AL and the whole turns to wind. Texts in
// Windows-1251, "" where there is nothing to show.
#pragma once

#include "calculators/Induction/InductionEngine.h"

#include <string>

namespace induction {

struct TCoilExtras {
    std::string wireLength;       // "2,18 м"
    std::string wireResistance;   // "69,6 мОм", "1,23 Ом"
    std::string exact;            // "точно: 0,74 мкГн (-1,3 %)", or "точно: 57,4 витка"
    std::string toroidAl;         // "AL = 4,9 нГн/N2"
    std::string toroidTurns;      // N for the wanted L, one decimal
    std::string toroidWholeTurns; // "целых витков: 16, L = 1,25 мкГн"
};

// After prCalcInduction on the same record.
TCoilExtras fnCoilExtras(const TInductionFields& fields);

} // namespace induction
