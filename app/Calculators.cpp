#include "app/Calculators.h"

#include "calculators/ColorMark/ColorMarkPage.h"
#include "calculators/Filters/FiltersPage.h"
#include "calculators/Formulas/FormulasPage.h"
#include "calculators/Induction/InductionPage.h"
#include "calculators/Ladder/LadderPage.h"
#include "calculators/Transformer/TransformerPage.h"
#include "text/TextIds.h"

namespace {

const TMyCalculator Calculators[] = {
    {TextId::MenuTransformer, "menuTransformer", &prCreateTransPage},
    {TextId::MenuCoil, "menuCoil", &prCreateInductionPage},
    {TextId::MenuFilter, "menuFilter", &prCreateFilterPage},
    {TextId::MenuLadder, "menuLadder", &prCreateLadderPage},
    {TextId::MenuMarking, "menuColorMark", &prCreateColorMarkPage},
    {TextId::MenuFormulas, "menuFormulas", &prCreateFormulasPage},
};

} // namespace

std::span<const TMyCalculator> fnCalculators() { return Calculators; }
