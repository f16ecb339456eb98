#include "smalltables.h"

namespace tarvello {

// Attack-roll rows 0..8: green melee d/2 and missile d, line d and 2d, elite
// 2d and 3d, so that the multipliers can be followed by hand.
static std::vector<tarvello::AttackRollRow> attackRolls(double melee, double missile)
{
    std::vector<tarvello::AttackRollRow> rows;
    for (int d = 0; d <= 8; ++d) {
        tarvello::AttackRollRow row;
        row.Damage = std::int16_t(d);
        row.MeleeMultiplier = melee * d;
        row.MissileMultiplier = missile * d;
        rows.push_back(row);
    }
    return rows;
}

tarvello::RulesTables SmallRulesTables()
{
    tarvello::RulesTables t;
    t.ArmorTypes = {{"Leather", 4, 5, 6, 7}, {"Chain", 6, 7, 8, 9}};
    t.Races = {{"Human", 0}, {"Dwarf", 1}};
    t.DefenseFactors = {0, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5};
    t.Moves = {{"Foot", 6, 1.0}, {"Mounted", 12, 1.5}};
    t.MeleeWeapons = {{"Sword", 6, "Edged"}, {"Axe", 8, ""}};
    t.MissileWeapons = {{"Bow", 4, 1, 6, 12, "Longbow"}};
    t.ExtraItems = {{"Shield", 5, 0, 0, 0, 0, "Blocks"}};
    t.CommandSkills = {{"None", 0, 0}, {"Captain", 1, 10}};
    t.GreenAttackRolls = attackRolls(0.5, 1);
    t.LineAttackRolls = attackRolls(1, 2);
    t.EliteAttackRolls = attackRolls(2, 3);
    t.DecimalSeparator = ".";
    return t;
}

} // namespace tarvello
