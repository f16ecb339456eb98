#pragma once

#include "platform/failure.h"

#include <string>
#include <vector>

// A folder's figures and armies checked against the current rules tables,
// and its stale figures saved with their new costs, without a window.
namespace tarvello {

struct RulesTables;

// What checking or updating a folder found, one line each: the files whose
// stored cost differs ("path: Stored cost 52, now 57 after table changes")
// and the files that could not be checked or saved, with the reason.
struct FolderCostReport
{
    std::vector<Failure> stale;
    std::vector<Failure> failures;
};

// Every figure file of folder costed again, then every army file (.tva):
// an army is stale when a unit line's figure (in the army's own figure
// directory) now costs other than the line stores; its line gives the army's
// total before and after. A figure that cannot be costed (unreadable, a
// choice no longer in the tables) and an army that cannot be read are
// failures. Nothing is written.
FolderCostReport CheckFolderCosts(const std::string &folder, const RulesTables &tables,
                                  char decimalMark);

// What File, Update Costs does with every figure it lists ticked: each
// figure of folder whose cost differs under the current tables (with or
// without its weapons and items refreshed) is saved with its new cost,
// refreshed from the tables when refreshRows. stale names the figures
// (their new costs as saved); with dryRun nothing is written. Figures that
// cannot be costed or saved are failures.
FolderCostReport UpdateFolderCosts(const std::string &folder, const RulesTables &tables,
                                   bool refreshRows, bool dryRun);

} // namespace tarvello
