#pragma once

#include "rules/rulestables.h"

namespace tarvello {

// Small rules tables for window tests, chosen so that costs can be followed
// by hand: armour Leather 4/5/6/7 and Chain 6/7/8/9; races Human 0 and Dwarf 1;
// defense factors 0, 1, 1.5, ... 5.5 (rows 0..10); moves Foot 6/1.0 and
// Mounted 12/1.5; Sword 6, Axe 8; Bow 4 (radius 1, ranges 6/12); Shield 5;
// command skills None 0/0 and Captain 1/10; attack-roll rows 0..8 with green
// melee d/2 and missile d, line d and 2d, elite 2d and 3d.
tarvello::RulesTables SmallRulesTables();

} // namespace tarvello
