#include "figurereport.h"
#include "figurereport_parts.h"

#include "figure/figurerules.h"
#include "platform/numbers.h"

namespace tarvello {

namespace {

// Names longer than this are cut in two.
constexpr std::size_t kWholeNameLength = 20;

} // namespace

std::string ShownShots(const std::string &shots)
{
    const double value = LeadingNumber(shots);
    return value > 0 && value != kShotsLimit ? shots : std::string();
}

WrappedName WrapItemName(const std::string &name)
{
    if (name.size() <= kWholeNameLength)
        return {name, std::string(), false};
    const std::size_t space = name.find(' ');
    if (space != std::string::npos)
        return {name.substr(0, space), name.substr(space + 1), true};
    return {name.substr(0, kWholeNameLength), name.substr(kWholeNameLength), true};
}

namespace report {

const std::string &Cell(const ListRow &row, std::size_t column)
{
    static const std::string empty;
    return column < row.size() ? row[column] : empty;
}

std::string LevelText(const FigureReportData &data)
{
    const char *label = data.cboFigureType.index == static_cast<int>(FigureType::Vehicle) ? "Targeting System : "
                                                                       : "Training Level : ";
    return label + data.cboTrainingLevel.text;
}

bool ShowsCommandSkill(const FigureReportData &data)
{
    return data.cboCommandSkill != "None";
}

} // namespace report

} // namespace tarvello
