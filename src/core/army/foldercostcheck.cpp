#include "foldercostcheck.h"

#include "armycostcheck.h"
#include "armymodel.h"
#include "figuresummary.h"
#include "figurerewrites.h"
#include "figure/recost.h"
#include "platform/documentkinds.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvello {

namespace {

constexpr const char *kPathNotFound = TV_TR("Core", "Path not found");

// The figures of folder costed again; a folder that is not there fails.
Result<std::vector<FigureCostCheck>> FolderChecks(const std::string &folder,
                                                  const RulesTables &tables)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return Failure{folder, kPathNotFound, FailureKind::NotFound};
    Result<std::vector<FigureCostCheck>> checks = CheckFigureCosts(folder, tables);
    if (!checks)
        return Failure{folder, checks.failure().description, FailureKind::CannotRead};
    return checks;
}

std::vector<std::string> ArmyFiles(const std::string &folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> paths;
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code typeError;
        if (HasExtensionOf(it->path().filename().string(), DocumentKind::Army)
            && it->is_regular_file(typeError))
            paths.push_back(it->path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

bool SameFolder(const std::string &a, const std::string &b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

void CheckArmy(const std::string &path, const std::string &folder,
               const std::vector<FigureCostCheck> &folderChecks, const RulesTables &tables,
               char decimalMark, FolderCostReport &report)
{
    ArmyModel army(std::string(), decimalMark);
    if (const Status opened = army.Open(path); !opened) {
        report.failures.push_back(opened.failure());
        return;
    }
    const std::string figures = FolderPath(army.UnitDirectory());
    std::vector<FigureCostCheck> ownChecks;
    if (!SameFolder(figures, folder)) {
        Result<std::vector<FigureCostCheck>> checks = FolderChecks(figures, tables);
        if (!checks) {
            report.failures.push_back(
                {path, checks.failure().sentence + ": " + checks.failure().description});
            return;
        }
        ownChecks = std::move(checks.value());
    }
    const std::vector<FigureCostCheck> &checks = SameFolder(figures, folder) ? folderChecks
                                                                             : ownChecks;
    const std::vector<ArmyUnit> units = army.Units().Vector();
    const std::vector<std::string> now = UnitCostsNow(units, checks);
    bool stale = false;
    for (std::size_t line = 0; line < units.size(); ++line)
        stale = stale || (!now[line].empty() && now[line] != units[line].Summary(kCost));
    if (!stale)
        return;
    const std::string stored = army.ArmyCost();
    if (const Status replaced = army.ReplaceFigureCosts(now); !replaced) {
        report.failures.push_back({path, replaced.failure().Message()});
        return;
    }
    report.stale.push_back({path, StaleCostText(stored, army.ArmyCost())});
}

} // namespace

FolderCostReport CheckFolderCosts(const std::string &folder, const RulesTables &tables,
                                  char decimalMark)
{
    FolderCostReport report;
    Result<std::vector<FigureCostCheck>> checks = FolderChecks(folder, tables);
    if (!checks) {
        report.failures.push_back(checks.failure());
        return report;
    }
    for (const FigureCostCheck &check : checks.value()) {
        if (check.failed)
            report.failures.push_back(check.problem.StoppedLoading()
                                          ? check.problem
                                          : Failure{check.path, check.problem.Message()});
        else if (check.Differs())
            report.stale.push_back({check.path, StaleCostText(check.storedCost, check.newCost)});
    }
    for (const std::string &army : ArmyFiles(folder))
        CheckArmy(army, folder, checks.value(), tables, decimalMark, report);
    return report;
}

FolderCostReport UpdateFolderCosts(const std::string &folder, const RulesTables &tables,
                                   bool refreshRows, bool dryRun)
{
    FolderCostReport report;
    Result<std::vector<FigureCostCheck>> checks = FolderChecks(folder, tables);
    if (!checks) {
        report.failures.push_back(checks.failure());
        return report;
    }
    for (const FigureCostCheck &check : checks.value()) {
        if (check.failed) {
            report.failures.push_back(check.problem.StoppedLoading()
                                          ? check.problem
                                          : Failure{check.path, check.problem.Message()});
            continue;
        }
        if (!check.Differs() && !check.DiffersRefreshed())
            continue;
        const std::string now = refreshRows ? check.refreshedCost : check.newCost;
        if (!dryRun) {
            const Result<FileRewrite> saved = RewriteRecostedFigure(tables, check.path, refreshRows);
            if (!saved) {
                report.failures.push_back(saved.failure());
                continue;
            }
        }
        report.stale.push_back({check.path, StaleCostText(check.storedCost, now)});
    }
    return report;
}

} // namespace tarvello
