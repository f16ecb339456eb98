#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The unit card's data: the figure editor condenses the figure it shows into
// these plain records when the card button is pressed; the card draws only
// from them. A numeric field that is not set is 0, a text field empty.
namespace tarvello {

// One weapon line of the card: its name, the ten attack-roll values looked
// up for the weapon's maximum damage and, for missile weapons, the ranges,
// radius and shots (0 for melee weapons).
struct clsAttack
{
    std::string Name;
    std::int16_t Roll1 = 0;
    std::int16_t Roll2 = 0;
    std::int16_t Roll3 = 0;
    std::int16_t Roll4 = 0;
    std::int16_t Roll5 = 0;
    std::int16_t Roll6 = 0;
    std::int16_t Roll7 = 0;
    std::int16_t Roll8 = 0;
    std::int16_t Roll9 = 0;
    std::int16_t Roll10 = 0;
    std::int16_t ShortRange = 0;
    std::int16_t LongRange = 0;
    std::int16_t AttackRadius = 0;
    // 0 means unlimited.
    std::int16_t Shots = 0;
};

// The k-th roll value (k = 1 ... 10) of an attack, or its member for writing.
std::int16_t AttackRoll(const clsAttack &attack, int k);
std::int16_t &AttackRoll(clsAttack &attack, int k);

// One figure as its card shows it. FigureType: 0 Normal, 1 Commander, 2 Hero,
// 3 Vehicle, 4 BattleMage; TrainingLevel 0, 1, 2 or -1 when none is chosen.
// The Image* values are the saved card layout in twips, 0 when not set.
struct clsFigure
{
    std::string Name;
    std::int16_t FigureType = 0;
    std::int16_t TrainingLevel = 0;
    std::int32_t Morale = 0;
    std::int32_t HitFactor = 0;
    std::int32_t HitPoints = 0;
    std::int32_t Move = 0;
    std::string Armor;
    std::int32_t Cost = 0;
    // Melee attacks first, then missile attacks, each in list order.
    std::vector<clsAttack> Attacks;
    std::int32_t Command = 0;
    std::string ImageFile;
    std::int32_t ImageLeft = 0;
    std::int32_t ImageTop = 0;
    std::int32_t ImageHeight = 0;
    std::int32_t ImageWidth = 0;
    bool OptionalRules = false;
    std::string UnitFile;
    std::int32_t ExtraItems = 0;
    // BattleMage values; 0 for every other figure type.
    std::int32_t ManaDraw = 0;
    std::int32_t MaxMana = 0;
    std::int32_t SpellRangeShort = 0;
    std::int32_t SpellRangeLong = 0;
    std::int32_t MaxSpells = 0;
};

} // namespace tarvello
