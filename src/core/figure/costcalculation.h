#pragma once

#include "platform/failure.h"

// The figure's cost calculation.
namespace tarvello {

struct FigureRecord;
struct RulesTables;

// Rewrites every derived field of the figure from its input fields and the
// rules tables, in nineteen fixed steps; each value is written as number text
// with the tables' decimal mark and read back by later steps. On a failure it
// stops at the failing step, keeps the fields already written and returns
// "Error in calculating cost!" with the description ("Subscript out of
// range", "Type mismatch", "Overflow"). The editor's flags (CalcReady,
// Loading, Changed) are the caller's business.
Status CalculateCost(FigureRecord &figure, const RulesTables &tables);

} // namespace tarvello
