#pragma once

#include "rules/rulestables.h"

// A small hand-made set of rules tables for the figure tests, so that every
// expected cost can be worked out by hand.
namespace tarvello::figuretest {

// Armour (green, line, elite, special): Leather 2 3 4 5, Chain 4 5 6 7,
// Plate 6 7 8 9. Races: Human 0, Dwarf +1, Elf -1. Defense factors by hit
// factor 0..10: 0 1 1.1 1.2 1.35 1.5 1.7 1.9 2.1 2.4 2.7. Moves: Foot 6 x1,
// Mounted 12 x1.5. Command skills (initiative, cost): None 0 0, Good 1 10,
// Superior 2 25. Attack-roll rows 0..8 (damage d): green melee 1 + d/4,
// missile 1 + d/2; line adds 0.5 to both, elite adds 1.
inline RulesTables FigureTestTables()
{
    RulesTables t;
    t.ArmorTypes = {{"Leather", 2, 3, 4, 5}, {"Chain", 4, 5, 6, 7}, {"Plate", 6, 7, 8, 9}};
    t.Races = {{"Human", 0}, {"Dwarf", 1}, {"Elf", -1}};
    t.DefenseFactors = {0, 1, 1.1, 1.2, 1.35, 1.5, 1.7, 1.9, 2.1, 2.4, 2.7};
    t.Moves = {{"Foot", 6, 1.0}, {"Mounted", 12, 1.5}};
    t.MeleeWeapons = {{"Sword", 4, "Edge"}, {"Dagger", 2, ""}, {"Halberd", 6, "Two-handed"},
                      {"Greatsword", 9, "Beyond the tables"}};
    t.MissileWeapons = {{"Bow", 4, 1, 10, 20, "Arrows"},
                        {"Crossbow", 5, 1, 12, 24, ""},
                        {"Catapult", 8, 3, 30, 60, "Siege"},
                        {"Sling", 4, 1, 10, 10, "Equal ranges"}};
    t.ExtraItems = {{"Shield", 5, 0, 0, 0, 0, "Parry"}, {"Banner", 12, 0, 0, 0, 0, ""},
                    {"Wand", 20, 3, 1, 5, 10, "Sparks; hot"}};
    t.CommandSkills = {{"None", 0, 0}, {"Good", 1, 10}, {"Superior", 2, 25}};
    for (int d = 0; d <= 8; ++d) {
        AttackRollRow row;
        row.Damage = static_cast<std::int16_t>(d);
        for (int i = 0; i < 10; ++i)
            row.Rolls[i] = static_cast<std::int16_t>(d + i);
        row.MeleeMultiplier = 1 + d * 0.25;
        row.MissileMultiplier = 1 + d * 0.5;
        t.GreenAttackRolls.push_back(row);
        row.MeleeMultiplier += 0.5;
        row.MissileMultiplier += 0.5;
        t.LineAttackRolls.push_back(row);
        row.MeleeMultiplier += 0.5;
        row.MissileMultiplier += 0.5;
        t.EliteAttackRolls.push_back(row);
    }
    t.DecimalSeparator = ".";
    return t;
}

} // namespace tarvello::figuretest
