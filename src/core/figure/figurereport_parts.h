#pragma once

#include "figurereport.h"
#include "figureseries.h"

#include <cstddef>
#include <string>

// Pieces the printed report and the export text share.
namespace tarvello::report {

// The cell of a list row, empty when the row is shorter.
const std::string &Cell(const ListRow &row, std::size_t column);

// "Targeting System : " (a Vehicle) or "Training Level : ", then the level.
std::string LevelText(const FigureReportData &data);

// The position of the shots cell in a missile weapon's row.
inline std::size_t MissileShotsColumn()
{
    return static_cast<std::size_t>(Schema(FigureSeries::Missile).Index(SeriesColumn::Shots));
}

// The command skill line is left out only for the exact text "None".
bool ShowsCommandSkill(const FigureReportData &data);

// Headers of the three list sections.
inline constexpr const char *kMeleeHeader[] = {"Melee Weapons", "DMG", "Notes"};
inline constexpr const char *kMissileHeader[] = {"Missile Weapons", "DMG", "AR", "S", "L", "#",
                                                 "Notes"};
inline constexpr const char *kExtrasHeader[] = {"Extra Items", "Cost", "DMG", "AR", "S", "L",
                                                "Notes"};

inline constexpr const char *kOptionalMovementLine = "Optional Movement Cost Used";
inline constexpr const char *kOptionalRangeLine = "Optional Range Cost Used";

} // namespace tarvello::report
