#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The eleven rules tables in memory. Each member is a zero-based array in file
// row order; rows are looked up by position, by hit factor or by a weapon's
// maximum damage, never by name.
namespace tarvello {

// A training level by its position in the figure's training list; whatever
// the list's captions (vehicle, battle mage), it chooses the attack-roll table.
enum class TrainingLevel { Green, Line, Elite };

// One row of armortypes.skv.
struct ArmorTypeRow
{
    std::string Name;
    std::int16_t GreenHitFactor = 0;
    std::int16_t LineHitFactor = 0;
    std::int16_t EliteHitFactor = 0;
    std::int16_t SpecialHitFactor = 0;
};

// One row of races.skv.
struct RaceRow
{
    std::string Name;
    std::int16_t HitFactorModifier = 0;
};

// One row of move.skv.
struct MoveRow
{
    std::string Name;
    std::int16_t Move = 0;
    double MoveMultiplier = 0.0;
};

// One row of meleeweapons.skv.
struct MeleeWeaponRow
{
    std::string Name;
    std::int16_t MaxDamage = 0;
    std::string Notes;
};

// One row of missileweapons.skv.
struct MissileWeaponRow
{
    std::string Name;
    std::int16_t MaxDamage = 0;
    std::int16_t AttackRadius = 0;
    std::int16_t ShortRange = 0;
    std::int16_t LongRange = 0;
    std::string Notes;
};

// One row of extraitems.skv.
struct ExtraItemRow
{
    std::string Name;
    std::int16_t Cost = 0;
    std::int16_t MaxDamage = 0;
    std::int16_t AttackRadius = 0;
    std::int16_t ShortRange = 0;
    std::int16_t LongRange = 0;
    std::string Notes;
};

// One row of commandskill.skv.
struct CommandSkillRow
{
    std::string Name;
    std::int16_t InitiativeModifier = 0;
    std::int16_t Cost = 0;
};

// One row of an attack-roll table; the row index is a weapon's MaxDamage.
struct AttackRollRow
{
    std::int16_t Damage = 0;
    std::int16_t Rolls[10] = {};
    double MeleeMultiplier = 0.0;
    double MissileMultiplier = 0.0;
};

// All rules tables plus the locale's decimal mark they were read with.
struct RulesTables
{
    std::vector<ArmorTypeRow> ArmorTypes;
    std::vector<RaceRow> Races;
    std::vector<double> DefenseFactors;
    std::vector<MoveRow> Moves;
    std::vector<MeleeWeaponRow> MeleeWeapons;
    std::vector<MissileWeaponRow> MissileWeapons;
    std::vector<ExtraItemRow> ExtraItems;
    std::vector<CommandSkillRow> CommandSkills;
    std::vector<AttackRollRow> GreenAttackRolls;
    std::vector<AttackRollRow> LineAttackRolls;
    std::vector<AttackRollRow> EliteAttackRolls;
    std::string DecimalSeparator = ".";

    // The attack-roll table of a training level.
    const std::vector<AttackRollRow> &AttackRolls(TrainingLevel level) const;

    // The first character of DecimalSeparator, "." when it is empty.
    char DecimalMark() const;
};

} // namespace tarvello
