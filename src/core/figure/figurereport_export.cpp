// The figure report as tab-separated text for the clipboard.
#include "figurereport.h"
#include "figurereport_parts.h"
#include "figurerules.h"

#include <array>
#include <string>
#include <vector>

namespace tarvello {

namespace {

constexpr char kTab = '\t';

// Spell values of a battle mage by training level: total spells, max mana,
// mana draw, spell range short and long.
constexpr std::array<std::array<int, 5>, 3> kSpells = {{
    {2, 3, 1, 3, 4},
    {4, 6, 2, 4, 5},
    {8, 10, 4, 8, 10},
}};

template<std::size_t N>
std::string Joined(const char *const (&cells)[N])
{
    std::string line;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            line += kTab;
        line += cells[i];
    }
    return line;
}

// Cells first..last of a row, tab-separated; the shots column as shown.
std::string RowCells(const ListRow &row, std::size_t first, std::size_t last, bool missile)
{
    std::string line;
    for (std::size_t i = first; i <= last; ++i) {
        if (i > first)
            line += kTab;
        const std::string &cell = report::Cell(row, i);
        line += missile && i == report::MissileShotsColumn() ? ShownShots(cell) : cell;
    }
    return line;
}

void AddAttributes(std::vector<std::string> &lines, const FigureReportData &d)
{
    lines.push_back(d.txtFigureName + " (" + d.txtFinalCost + " pts)");
    lines.push_back("Type : " + d.cboFigureType.text + kTab + "Race : " + d.cboRace + kTab
                    + report::LevelText(d));
    if (report::ShowsCommandSkill(d))
        lines.push_back("Commandskill : " + d.cboCommandSkill);
    lines.push_back("Armor Type : " + d.cboArmorType + kTab + "Base Hit Factor : "
                    + d.txtBaseHitFactor);
    lines.push_back("Race Hit Factor Mod. : " + d.txtRaceHitFactorModifier + kTab
                    + "Hit Factor Adj. : " + d.txtAdjustHitFactor + kTab + "Hit Factor : "
                    + d.txtAdjustedHitFactor);
    lines.push_back("Hit Points : " + d.txtHitPoints + kTab + "Morale : " + d.txtBaseMorale);
    lines.push_back("Movement Type : " + d.cboMove + kTab + "Move : " + d.txtMove);
}

void AddSpells(std::vector<std::string> &lines, const FigureReportData &d)
{
    const int level = d.cboTrainingLevel.index;
    if (d.cboFigureType.index != static_cast<int>(FigureType::BattleMage) || level < 0
        || level >= static_cast<int>(kSpells.size()))
        return;
    const std::array<int, 5> &s = kSpells[static_cast<std::size_t>(level)];
    lines.push_back("Total Spells : " + std::to_string(s[0]) + kTab + "Max Mana : "
                    + std::to_string(s[1]) + kTab + "Mana Draw : " + std::to_string(s[2]));
    lines.push_back("Spell Range Short : " + std::to_string(s[3]) + kTab
                    + "Spell Range Long : " + std::to_string(s[4]));
}

void AddSections(std::vector<std::string> &lines, const FigureReportData &d)
{
    if (!d.lvwMeleeWeaponsSelected.empty()) {
        lines.emplace_back();
        lines.push_back(Joined(report::kMeleeHeader));
        for (const ListRow &row : d.lvwMeleeWeaponsSelected)
            lines.push_back(RowCells(row, 0, 2, false));
    }
    if (!d.lvwMissileWeaponsSelected.empty()) {
        lines.emplace_back();
        lines.push_back(Joined(report::kMissileHeader));
        for (const ListRow &row : d.lvwMissileWeaponsSelected)
            lines.push_back(RowCells(row, 0, 6, true));
    }
    if (!d.lvwExtraItemsSelected.empty()) {
        lines.emplace_back();
        lines.push_back(Joined(report::kExtrasHeader));
        for (const ListRow &row : d.lvwExtraItemsSelected) {
            const WrappedName name = WrapItemName(report::Cell(row, 0));
            lines.push_back(name.first + kTab + RowCells(row, 1, 6, false));
            if (name.cut)
                lines.push_back(name.second);
        }
    }
}

} // namespace

std::string FigureExportText(const FigureReportData &data)
{
    std::vector<std::string> lines;
    AddAttributes(lines, data);
    AddSpells(lines, data);
    AddSections(lines, data);
    if (data.chkUseOptionalMovement) {
        lines.emplace_back();
        lines.push_back(report::kOptionalMovementLine);
    }
    if (data.chkOptionalRangeCost)
        lines.push_back(report::kOptionalRangeLine);

    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace tarvello
