#pragma once

#include "rules/rulestables.h"

#include <array>

// The game's fixed figure rules: the numbers the cost calculation, the figure
// editor's spinners and its lists share.
namespace tarvello {

// The figure types, in the order of the figure type list.
enum class FigureType { Normal, Commander, Hero, Vehicle, BattleMage };

inline constexpr int kTrainingLevelCount = 3;

// The base morale of a Normal figure and the magic skill cost of a battle
// mage, by training level; other figures have "N/A" and "0".
inline constexpr std::array<const char *, kTrainingLevelCount> kBaseMorale = {"3", "5", "7"};
inline constexpr const char *kNoMorale = "N/A";
inline constexpr std::array<const char *, kTrainingLevelCount> kMagicSkillCost = {"15", "25",
                                                                                  "45"};
inline constexpr const char *kNoMagicSkillCost = "0";

// A battle mage's spell values by training level (Apprentice, Journeyman,
// Master), shown on its unit card.
struct MageValues
{
    int manaDraw, maxMana, spellRangeShort, spellRangeLong, maxSpells;
};
inline constexpr std::array<MageValues, kTrainingLevelCount> kMageValues = {
    {{1, 3, 3, 4, 2}, {2, 6, 4, 5, 4}, {4, 10, 8, 10, 8}}};

// The optional movement cost: move x weight + offset.
inline constexpr double kMoveWeight = 0.06;
inline constexpr double kMoveOffset = 0.64;
// The optional range cost: each range band x weight + offset; the damage
// divisor weighs the difference of the bands.
inline constexpr double kRangeWeight = 0.165;
inline constexpr double kRangeOffset = 0.335;
inline constexpr double kRangeDamageDivisor = 10;

// The most shots a missile weapon can be limited to; 0 means unlimited.
inline constexpr int kShotsLimit = 20;

// The range of a spinner and the step it moves by.
struct SpinnerRange
{
    int minimum;
    int maximum;
};

inline constexpr SpinnerRange kAdjustHitFactorRange = {-100, 100};
inline constexpr SpinnerRange kHitPointsRange = {1, 100};
inline constexpr SpinnerRange kShotsRange = {0, kShotsLimit};

} // namespace tarvello
