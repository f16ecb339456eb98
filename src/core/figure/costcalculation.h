#pragma once

#include "platform/failure.h"

#include <vector>

// The figure's cost calculation.
namespace tarvello {

struct FigureCosts;
struct FigureInputs;
struct FigureRecord;
struct RulesTables;

// Each selected row's own term of the sums the calculation adds, in list
// order: a melee weapon's multiplier, a missile weapon's (its attack radius
// times its multiplier) and an extra item's cost.
struct CostTerms
{
    std::vector<double> melee;
    std::vector<double> missile;
    std::vector<double> items;
};

// Writes every derived field of the figure (costs) from its inputs and the
// rules tables, in nineteen fixed steps; each value is written as number text
// with the tables' decimal mark and read back by later steps. On a failure it
// stops at the failing step, keeps the fields already written and returns
// "Error in calculating cost!" with the description ("Subscript out of
// range", "Type mismatch", "Overflow"). The editor's flags (CalcReady,
// Loading, Changed) are the caller's business. With terms, each row's term
// is kept there as it is added.
Status CalculateCost(const FigureInputs &inputs, const RulesTables &tables, FigureCosts &costs,
                     CostTerms *terms = nullptr);

// The same for a whole figure: its costs from its own inputs.
Status CalculateCost(FigureRecord &figure, const RulesTables &tables,
                     CostTerms *terms = nullptr);

} // namespace tarvello
