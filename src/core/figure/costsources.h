#pragma once

#include <string>

// Where each value of the cost formula comes from, in the player's words:
// the figure editor shows these as the tool tips of the "Calculated Figure
// Cost" frame.
namespace tarvello {

class CostPreviewer;
struct FigureRecord;
struct RulesTables;

// One text per field of the frame (Windows-1252, lines ended by "\n").
struct CostSources
{
    std::string defenseFactor;         // txtDefenseFactor
    std::string totalWeaponMultiplier; // txtTotalWeaponMultiplier
    std::string moveMultiplier;        // txtMoveMultiplier
    std::string hitPoints;             // txtHitPointsCopy
    std::string commandSkill;          // txtCommandSkillCost
    std::string magicSkill;            // txtMagicSkillCost
    std::string extraItems;            // txtExtraItemsCostCopy
    std::string cost;                  // txtCost
    std::string finalCost;             // txtFinalCost

    bool operator==(const CostSources &) const = default;
};

// Explains the figure shown (its choices' names) as the previewer calculated
// it now: which table row, which choice and which step gave each value; a
// weapon's share is its own term of the calculation's sum of multipliers. At
// most twelve weapons of a kind and twelve items are named. When the figure
// cannot be calculated, every text says why.
CostSources ExplainCost(const FigureRecord &shown, const CostPreviewer &previewer,
                        const RulesTables &tables);

} // namespace tarvello
