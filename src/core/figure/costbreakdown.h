#pragma once

#include "pointsbar.h"

// The figure's Final Cost as a bar of the parts the cost formula adds.
namespace tarvello {

class CostPreviewer;
struct FigureRecord;
struct RulesTables;

// The parts of the figure shown (its choices' names) as the previewer
// calculated it now: each weapon's share (Defense Factor x Move Multiplier x
// Hit Points x its own multiplier, named after the weapon), each extra item,
// Command Skill and Magic Skill (when not 0) and, always, "Rounding": the
// Final Cost minus the sum of the others. The bar's tip names the factors
// that multiply every weapon. A figure that cannot be calculated gives no
// parts and says why.
PointsBar BreakDownCost(const FigureRecord &shown, const CostPreviewer &previewer,
                        const RulesTables &tables);

} // namespace tarvello
