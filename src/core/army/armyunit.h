#pragma once

#include "platform/trtext.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The rows of the army editor's two lists: an available figure's summary and
// a unit line of the army. Every field is text, kept exactly as read.
namespace tarvello {

// Number of fields of a figure summary and of a unit line.
inline constexpr std::size_t kSummaryFields = 14;
inline constexpr std::size_t kUnitFields = 16;

// Column headers of the available list, in field order.
inline constexpr std::array<std::string_view, kSummaryFields> kSummaryHeaders = {
    TV_TR("Core", "Figure"), TV_TR("Core", "Race"), TV_TR("Core", "Type"), TV_TR("Core", "Cost"), TV_TR("Core", "Training Level"), TV_TR("Core", "Hit Factor"), TV_TR("Core", "Hit Points"),
    TV_TR("Core", "Morale"), TV_TR("Core", "Move"), TV_TR("Core", "Command Skill"), TV_TR("Core", "Melee Weapon"), TV_TR("Core", "Missile Weapon"), TV_TR("Core", "Extra Items"),
    TV_TR("Core", "Armor")};

// Column headers of the unit list (also the army file's third line).
inline constexpr std::array<std::string_view, kUnitFields> kUnitHeaders = {
    TV_TR("Core", "Unit(s)"), TV_TR("Core", "Unit Size"), TV_TR("Core", "Figure"), TV_TR("Core", "Race"), TV_TR("Core", "Type"), TV_TR("Core", "Cost"), TV_TR("Core", "Training Level"),
    TV_TR("Core", "Hit Factor"), TV_TR("Core", "Hit Points"), TV_TR("Core", "Morale"), TV_TR("Core", "Move"), TV_TR("Core", "Command Skill"), TV_TR("Core", "Melee Weapon"),
    TV_TR("Core", "Missile Weapon"), TV_TR("Core", "Extra Items"), TV_TR("Core", "Armor")};

// Field positions of a figure summary.
enum SummaryField : std::size_t {
    kFigureName, kRace, kFigureType, kCost, kTrainingLevel, kHitFactor, kHitPoints,
    kMorale, kMove, kCommandSkill, kMeleeList, kMissileList, kExtraItemList, kArmor
};

// One available figure: the 14 summary fields in column order.
struct FigureSummary
{
    std::array<std::string, kSummaryFields> fields;

    bool operator==(const FigureSummary &) const = default;
};

// One unit line: count, unit size, then the 14 summary fields.
struct ArmyUnit
{
    std::array<std::string, kUnitFields> fields;

    std::string &Count() { return fields[0]; }
    const std::string &Count() const { return fields[0]; }
    std::string &Size() { return fields[1]; }
    const std::string &Size() const { return fields[1]; }
    // A summary field (SummaryField position) of the unit.
    const std::string &Summary(std::size_t field) const { return fields[field + 2]; }

    bool operator==(const ArmyUnit &) const = default;
};

} // namespace tarvello
