#pragma once

#include "armypoints.h"
#include "armyunit.h"
#include "platform/failure.h"

#include <string>
#include <vector>

// The figures of an army's figure directory costed again with the current
// rules tables, and the army's unit lines matched to them.
namespace tarvello {

struct RulesTables;

// One figure file of the directory and its cost under the current tables.
struct FigureCostCheck
{
    // The file's path and the figure's name (txtFigureName).
    std::string path;
    std::string name;
    std::string storedCost;
    // The cost now; the cost with copied rows refreshed from the tables.
    std::string newCost;
    std::string refreshedCost;
    // The file could not be costed (unreadable, a choice no longer in the
    // tables, a failed calculation): its new costs are empty.
    bool failed = false;
    // Why it could not be costed: the reading failure, or the first notice
    // of opening it (a choice no longer in the tables, the calculation).
    Failure problem;

    // The stored cost is no longer what the figure costs.
    bool Differs() const { return !failed && newCost != storedCost; }
    // The same when copied rows are refreshed too.
    bool DiffersRefreshed() const { return !failed && refreshedCost != storedCost; }
};

// Every figure file of folder (the army's directory text, as a path), in the
// order of the available list, costed again. Nothing is written.
Result<std::vector<FigureCostCheck>> CheckFigureCosts(const std::string &folder,
                                                      const RulesTables &tables);

// The figure a unit line was made from: the first file whose figure name, as
// the line keeps it (UnitFieldText), is the line's; nullptr when the
// directory has none.
const FigureCostCheck *FigureOfUnit(const ArmyUnit &unit,
                                    const std::vector<FigureCostCheck> &checks);

// The cost each unit line's figure has now, empty for a line without its
// figure in the directory or whose figure could not be costed.
std::vector<std::string> UnitCostsNow(const std::vector<ArmyUnit> &units,
                                      const std::vector<FigureCostCheck> &checks);

// The costs now of the checked figures, by the key of the figure name their
// lines keep (FigureOfUnit's match: the first file of a name counts); a
// figure that could not be costed leaves its lines as they are.
CostsNow CostsNowOf(const std::vector<FigureCostCheck> &checks);

// True when one of paths is a file of folder (the army's directory, as a path).
bool FolderHoldsAny(const std::string &folder, const std::vector<std::string> &paths);

} // namespace tarvello
