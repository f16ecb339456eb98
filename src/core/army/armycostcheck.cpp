#include "armycostcheck.h"
#include "figure/figurekeys.h"

#include "figure/recost.h"
#include "figuresummary.h"
#include "platform/fileio.h"
#include "platform/numbers.h"
#include "platform/profiledocument.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace tarvello {

Result<std::vector<FigureCostCheck>> CheckFigureCosts(const std::string &folder,
                                                      const RulesTables &tables)
{
    Result<std::vector<std::string>> paths = ListFigureFiles(folder);
    if (!paths.ok())
        return paths.failure();
    std::vector<FigureCostCheck> checks;
    checks.reserve(paths.value().size());
    for (const std::string &path : paths.value()) {
        FigureCostCheck check;
        check.path = path;
        std::optional<std::string> bytes = ReadListedFileBytes(check.path);
        const std::string_view content = bytes ? std::string_view(*bytes) : std::string_view();
        const ProfileLookup figureName =
            ProfileDocument::Lookup(content, figurekeys::kFigureSection, figurekeys::kFigureName);
        check.name = figureName.status == ProfileLookup::Found ? figureName.value : "<none>";
        check.storedCost = ProfileDocument::Lookup(content, figurekeys::kFigureSection, figurekeys::kFinalCost).value;
        const Result<FigureRecost> recost =
            bytes ? RecostFigureContent(tables, check.path, std::move(*bytes))
                  : Result<FigureRecost>(ReadFailure(LoadingSentence(check.path), check.path));
        check.failed = !recost.ok() || !recost.value().notices.empty();
        if (check.failed)
            check.problem = recost.ok() ? recost.value().notices.front() : recost.failure();
        if (!check.failed) {
            check.newCost = recost.value().newCost;
            check.refreshedCost = recost.value().refreshedCost;
        }
        checks.push_back(std::move(check));
    }
    return checks;
}

const FigureCostCheck *FigureOfUnit(const ArmyUnit &unit,
                                    const std::vector<FigureCostCheck> &checks)
{
    for (const FigureCostCheck &check : checks) {
        if (UnitFieldText(check.name) == unit.Summary(kFigureName))
            return &check;
    }
    return nullptr;
}

std::vector<std::string> UnitCostsNow(const std::vector<ArmyUnit> &units,
                                      const std::vector<FigureCostCheck> &checks)
{
    std::vector<std::string> costs;
    costs.reserve(units.size());
    for (const ArmyUnit &unit : units) {
        const FigureCostCheck *check = FigureOfUnit(unit, checks);
        costs.push_back(check && !check->failed ? check->newCost : std::string());
    }
    return costs;
}

CostsNow CostsNowOf(const std::vector<FigureCostCheck> &checks)
{
    CostsNow costs;
    for (const FigureCostCheck &check : checks) {
        costs.Add(FigureNameKey(UnitFieldText(check.name)),
                  check.failed ? std::nullopt : std::optional<double>(LeadingNumber(check.newCost)));
    }
    return costs;
}

bool FolderHoldsAny(const std::string &folder, const std::vector<std::string> &paths)
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (const std::string &path : paths) {
        if (fs::equivalent(fs::path(path).parent_path(), fs::path(folder), error))
            return true;
    }
    return false;
}

} // namespace tarvello
