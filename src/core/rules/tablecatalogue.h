#pragma once

#include "platform/trtext.h"

#include "rulestables.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The one catalogue of the eleven rules tables: every fact about a table
// (its file, its failure sentence, its Resource menu item, its columns and
// where it lives in RulesTables) is written here once; loading, messages,
// menus and the table editor all read it.
namespace tarvello {

// How a field of a table is converted: text as written, a 16-bit integer by
// the leading-number rule, or a decimal with "." or "," as its mark.
enum class ColumnKind { Text, Integer, Decimal };

// The eleven tables, in loading order.
enum class TableId {
    ArmorTypes, Races, DefenseFactors, Moves, MeleeWeapons, MissileWeapons,
    ExtraItems, CommandSkills, GreenAttackRolls, LineAttackRolls, EliteAttackRolls
};

// One column of a table file: the field it fills and its kind.
struct TableColumn
{
    const char *field;
    ColumnKind kind;
};

// The member of RulesTables a table fills.
using TableMember = std::variant<
    std::vector<ArmorTypeRow> RulesTables::*, std::vector<RaceRow> RulesTables::*,
    std::vector<double> RulesTables::*, std::vector<MoveRow> RulesTables::*,
    std::vector<MeleeWeaponRow> RulesTables::*, std::vector<MissileWeaponRow> RulesTables::*,
    std::vector<ExtraItemRow> RulesTables::*, std::vector<CommandSkillRow> RulesTables::*,
    std::vector<AttackRollRow> RulesTables::*>;

// Everything about one table.
struct TableInfo
{
    TableId id;
    // The file in the program folder.
    const char *file;
    // The first line of its reading failure's message box.
    const char *failureSentence;
    // Its item under File, Open, Resource: caption, objectName and position.
    const char *menuCaption;
    const char *menuName;
    int menuPosition;
    TableMember member;
    std::span<const TableColumn> columns;
};

namespace tablecolumns {
inline constexpr TableColumn kArmorTypes[] = {{"Name", ColumnKind::Text},
                                              {"GreenHitFactor", ColumnKind::Integer},
                                              {"LineHitFactor", ColumnKind::Integer},
                                              {"EliteHitFactor", ColumnKind::Integer},
                                              {"SpecialHitFactor", ColumnKind::Integer}};
inline constexpr TableColumn kRaces[] = {{"Name", ColumnKind::Text},
                                         {"HitFactorModifier", ColumnKind::Integer}};
// The first column labels the row for people; the loader reads past it.
inline constexpr TableColumn kDefenseFactors[] = {{"HitFactor", ColumnKind::Integer},
                                                  {"DefenseFactor", ColumnKind::Decimal}};
inline constexpr TableColumn kMoves[] = {{"Name", ColumnKind::Text},
                                         {"Move", ColumnKind::Integer},
                                         {"MoveMultiplier", ColumnKind::Decimal}};
inline constexpr TableColumn kMeleeWeapons[] = {{"Name", ColumnKind::Text},
                                                {"MaxDamage", ColumnKind::Integer},
                                                {"Notes", ColumnKind::Text}};
inline constexpr TableColumn kMissileWeapons[] = {
    {"Name", ColumnKind::Text},          {"MaxDamage", ColumnKind::Integer},
    {"AttackRadius", ColumnKind::Integer}, {"ShortRange", ColumnKind::Integer},
    {"LongRange", ColumnKind::Integer},  {"Notes", ColumnKind::Text}};
inline constexpr TableColumn kExtraItems[] = {
    {"Name", ColumnKind::Text},           {"Cost", ColumnKind::Integer},
    {"MaxDamage", ColumnKind::Integer},   {"AttackRadius", ColumnKind::Integer},
    {"ShortRange", ColumnKind::Integer},  {"LongRange", ColumnKind::Integer},
    {"Notes", ColumnKind::Text}};
inline constexpr TableColumn kCommandSkills[] = {{"Name", ColumnKind::Text},
                                                 {"InitiativeModifier", ColumnKind::Integer},
                                                 {"Cost", ColumnKind::Integer}};
inline constexpr TableColumn kAttackRolls[] = {
    {"Damage", ColumnKind::Integer}, {"Roll1", ColumnKind::Integer},
    {"Roll2", ColumnKind::Integer},  {"Roll3", ColumnKind::Integer},
    {"Roll4", ColumnKind::Integer},  {"Roll5", ColumnKind::Integer},
    {"Roll6", ColumnKind::Integer},  {"Roll7", ColumnKind::Integer},
    {"Roll8", ColumnKind::Integer},  {"Roll9", ColumnKind::Integer},
    {"Roll10", ColumnKind::Integer}, {"MeleeMultiplier", ColumnKind::Decimal},
    {"MissileMultiplier", ColumnKind::Decimal}};
} // namespace tablecolumns

// The tables in loading order (the order of TableId).
inline constexpr std::array<TableInfo, 11> kTableCatalogue = {{
    {TableId::ArmorTypes, "armortypes.skv", TV_TR("Core", "Error in reading armortype data!"), TV_TR("Core", "&Armor Types"),
     "mnuResources_ArmorTypes", 2, &RulesTables::ArmorTypes, tablecolumns::kArmorTypes},
    {TableId::Races, "races.skv", TV_TR("Core", "Error in reading race data!"), TV_TR("Core", "&Races"), "mnuResources_Races",
     3, &RulesTables::Races, tablecolumns::kRaces},
    {TableId::DefenseFactors, "defensefactor.skv", TV_TR("Core", "Error in reading defense factor data!"),
     TV_TR("Core", "Defense Factor"), "mnuResources_DefenseFactor", 7, &RulesTables::DefenseFactors,
     tablecolumns::kDefenseFactors},
    {TableId::Moves, "move.skv", TV_TR("Core", "Error in reading move data!"), TV_TR("Core", "M&ovement Types"),
     "mnuResources_Moves", 4, &RulesTables::Moves, tablecolumns::kMoves},
    {TableId::MeleeWeapons, "meleeweapons.skv", TV_TR("Core", "Error in reading melee weapons data!"),
     TV_TR("Core", "M&elee Weapons"), "mnuResources_MeleeWeapons", 0, &RulesTables::MeleeWeapons,
     tablecolumns::kMeleeWeapons},
    {TableId::MissileWeapons, "missileweapons.skv", TV_TR("Core", "Error in reading missile weapons data!"),
     TV_TR("Core", "M&issile Weapons"), "mnuResources_MissileWeapons", 1, &RulesTables::MissileWeapons,
     tablecolumns::kMissileWeapons},
    {TableId::ExtraItems, "extraitems.skv", TV_TR("Core", "Error in reading extra items data!"), TV_TR("Core", "E&xtra Items"),
     "mnuResources_ExtraItems", 5, &RulesTables::ExtraItems, tablecolumns::kExtraItems},
    {TableId::CommandSkills, "commandskill.skv", TV_TR("Core", "Error in reading command skill data!"),
     TV_TR("Core", "Command Skill"), "mnuResources_CommandSkill", 6, &RulesTables::CommandSkills,
     tablecolumns::kCommandSkills},
    {TableId::GreenAttackRolls, "greenattackroll.skv",
     TV_TR("Core", "Error in reading green atttack roll data!"), TV_TR("Core", "Green Attack Roll"),
     "mnuResources_GreenAttackRoll", 8, &RulesTables::GreenAttackRolls,
     tablecolumns::kAttackRolls},
    {TableId::LineAttackRolls, "lineattackroll.skv", TV_TR("Core", "Error in reading line atttack roll data!"),
     TV_TR("Core", "Line Attack Roll"), "mnuResources_LineAttackRoll", 9, &RulesTables::LineAttackRolls,
     tablecolumns::kAttackRolls},
    {TableId::EliteAttackRolls, "eliteattackroll.skv",
     TV_TR("Core", "Error in reading elite atttack roll data!"), TV_TR("Core", "Elite Attack Roll"),
     "mnuResources_EliteAttackRoll", 10, &RulesTables::EliteAttackRolls,
     tablecolumns::kAttackRolls},
}};

// The catalogue entry of a table.
constexpr const TableInfo &Table(TableId id)
{
    return kTableCatalogue[static_cast<std::size_t>(id)];
}

// The caption a table editor shows: the menu caption without its "&".
std::string TableCaption(const TableInfo &table);

// The tables in the order of the Resource menu.
std::array<const TableInfo *, kTableCatalogue.size()> TablesInMenuOrder();

// True when path is one of the rules tables the program reads from
// programFolder (the folder Refresh Resources loads from).
bool IsProgramTableFile(const std::string &programFolder, const std::string &path);

} // namespace tarvello
