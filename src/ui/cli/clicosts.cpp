// --check and --update-costs: the folders' figures and armies against the
// current rules tables.

#include "commandlinerun.h"

#include "army/foldercostcheck.h"
#include "platform/modfunctions.h"

namespace tarvello {

void runCheck(CliRun &run)
{
    const char decimalMark = GetDecimalSeparator().front();
    for (const std::string &folder : run.request.operands) {
        const FolderCostReport report = CheckFolderCosts(folder, run.tables, decimalMark);
        // The findings are the command's output, one line each.
        for (const std::vector<Failure> *lines : {&report.stale, &report.failures}) {
            for (const Failure &line : *lines) {
                writeOut(MessageLine(line) + "\n");
                run.status = kExitFindings;
            }
        }
    }
}

void runUpdateCosts(CliRun &run)
{
    const FolderCostReport report = UpdateFolderCosts(
        run.request.operands.front(), run.tables, run.request.refreshWeapons, run.request.dryRun);
    for (const Failure &saved : report.stale)
        writeOut(MessageLine(saved) + "\n");
    for (const Failure &failure : report.failures)
        run.fail(failure);
}

} // namespace tarvello
